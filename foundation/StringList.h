// An ordered list of wide strings with an optional object per entry, name=value access to lines
// and whole-file reading and writing, one line per entry.
#pragma once

#include "foundation/TextFile.h"

#include <optional>
#include <string>
#include <vector>

class StringList;

struct StringListEntry {
    std::wstring Text;
    // The only objects the system attaches are the line lists of INI sections; `Clear` deletes
    // them, `Remove` and the destructor leave them to the caller.
    StringList* Object;
};

class StringList {
public:
    StringList() = default;
    StringList(const StringList&) = delete;
    StringList& operator=(const StringList&) = delete;
    virtual ~StringList() = default;

    int Count() const { return static_cast<int>(entries.size()); }
    int Capacity() const { return capacity; }

    // Positions outside the list read empty text or a null object and write nothing.
    std::wstring At(int position) const;
    StringList* ObjectAt(int position) const;
    void Replace(int position, const std::wstring& text);
    void Insert(int position, std::wstring text);
    int Add(std::wstring text);
    int AddWithObject(const std::wstring& text, StringList* object);
    void Remove(int position);
    void Clear();

    // Searches compare ignoring letter case and return -1 when nothing matches.
    int Find(const std::wstring& text) const;
    int FindName(const std::wstring& name) const;
    std::wstring NameAt(int position) const;
    // The text after the first "=" of the name's line; nothing when no line has the name.
    std::optional<std::wstring> FindValue(const std::wstring& name) const;
    // The same, with an empty text when no line has the name.
    std::wstring ValueOf(const std::wstring& name) const;
    // An empty value removes the name's line.
    void SetValueOf(const std::wstring& name, const std::wstring& value);

    // Reads UTF-16 text after its byte-order mark, UTF-8 text, or ANSI text when the bytes are
    // not UTF-8, and keeps the encoding for
    // `SaveLines`; a file that is not read leaves the list empty and the encoding UTF-8. CR, LF
    // and CR LF each end a line, as does the end of the file.
    TextFileRead LoadLines(const std::wstring& path);
    // Writes every entry followed by CR LF in the list's encoding (UTF-8 when ANSI cannot hold
    // the text), replacing the file in one step; false when the file could not be written, which
    // then stays as it was.
    bool SaveLines(const std::wstring& path) const;
    TextEncoding Encoding() const { return encoding; }
    void SetEncoding(TextEncoding newEncoding) { encoding = newEncoding; }

private:
    bool IsPosition(int position) const { return position >= 0 && position < Count(); }
    void Grow();

    std::vector<StringListEntry> entries;
    int capacity = 0;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Equal ignoring letter case, character by character; texts of different length never match.
bool SameTextIgnoringCase(const std::wstring& a, const std::wstring& b);
