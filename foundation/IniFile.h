// An INI-style text file held in memory: named sections of name=value lines, read whole when
// given a path and written whole only by `Flush`. Sections and keys match ignoring letter case;
// only the first match counts; nothing is trimmed.
#pragma once

#include "foundation/StringList.h"

#include <string>

class IniFile {
public:
    explicit IniFile(const std::wstring& path = std::wstring());
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    virtual ~IniFile();

    // A different path drops every section and, when not empty, reads the new file.
    void SetPath(const std::wstring& path);
    void Reload();
    // False when the file could not be written (it then stays as it was), when it was too large
    // to be read, or when there is no path. The file is written in the encoding it was read in, or
    // in UTF-8 when an ANSI file can no longer hold its text.
    bool Flush();
    // The file is over the reader's size limit and was not read: it holds no sections, and
    // `Flush` never writes over it, as that would lose all it holds.
    bool TooLarge() const { return readResult == TextFileRead::TooLarge; }
    // How the file was read when the path was last given or reloaded.
    TextFileRead ReadResult() const { return readResult; }

    StringList* AddSection(const std::wstring& name);
    void RemoveSection(const std::wstring& name);
    void RemoveAllSections();

    std::wstring ReadText(const std::wstring& section, const std::wstring& key,
                          const std::wstring& fallback) const;
    void WriteText(const std::wstring& section, const std::wstring& key, const std::wstring& value);
    int ReadInt(const std::wstring& section, const std::wstring& key, int fallback) const;
    void WriteInt(const std::wstring& section, const std::wstring& key, int value);
    // The section's lines as read, for a reader of many keys of one section; null when the file
    // has no such section.
    const StringList* Section(const std::wstring& name) const { return SectionLines(name); }

private:
    StringList* SectionLines(const std::wstring& name) const;
    void ParseLines(const StringList& lines);

    std::wstring path;
    StringList sections; // each entry's object is the section's line list
    TextEncoding encoding = TextEncoding::Utf8;
    TextFileRead readResult = TextFileRead::Missing;
};
