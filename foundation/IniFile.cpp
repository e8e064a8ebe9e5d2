#include "foundation/IniFile.h"

#include <cwchar>
#include <utility>

IniFile::IniFile(const std::wstring& path) : path(path) {
    if (!path.empty())
        Reload();
}

IniFile::~IniFile() {
    RemoveAllSections();
}

void IniFile::SetPath(const std::wstring& newPath) {
    if (newPath == path)
        return;
    RemoveAllSections();
    path = newPath;
    if (!path.empty())
        Reload();
}

void IniFile::Reload() {
    RemoveAllSections();
    encoding = TextEncoding::Utf8;
    readResult = TextFileRead::Missing;
    if (path.empty())
        return;
    StringList lines;
    readResult = lines.LoadLines(path);
    encoding = lines.Encoding();
    ParseLines(lines);
}

// Empty lines and comments are skipped, "[name]" starts a section, and any other line belongs to
// the section above it; lines before the first header are dropped.
void IniFile::ParseLines(const StringList& lines) {
    StringList* current = nullptr;
    for (int i = 0; i < lines.Count(); ++i) {
        std::wstring line = lines.At(i);
        if (line.empty() || line.front() == L';')
            continue;
        if (line.size() >= 2 && line.front() == L'[' && line.back() == L']')
            current = AddSection(line.substr(1, line.size() - 2));
        else if (current)
            current->Add(std::move(line));
    }
}

bool IniFile::Flush() {
    if (path.empty() || TooLarge())
        return false;
    StringList text;
    text.SetEncoding(encoding);
    for (int i = 0; i < sections.Count(); ++i) {
        text.Add(L"[" + sections.At(i) + L"]");
        const StringList* lines = sections.ObjectAt(i);
        for (int j = 0; j < lines->Count(); ++j)
            text.Add(lines->At(j));
        text.Add(std::wstring());
    }
    return text.SaveLines(path);
}

StringList* IniFile::AddSection(const std::wstring& name) {
    StringList* lines = new StringList();
    sections.AddWithObject(name, lines);
    return lines;
}

void IniFile::RemoveSection(const std::wstring& name) {
    int position = sections.Find(name);
    if (position < 0)
        return;
    delete sections.ObjectAt(position);
    sections.Remove(position);
}

// One pass: removing the first section again and again would move all the others each time.
void IniFile::RemoveAllSections() {
    sections.Clear();
}

StringList* IniFile::SectionLines(const std::wstring& name) const {
    return sections.ObjectAt(sections.Find(name));
}

std::wstring IniFile::ReadText(const std::wstring& section, const std::wstring& key,
                               const std::wstring& fallback) const {
    const StringList* lines = SectionLines(section);
    return lines ? lines->FindValue(key).value_or(fallback) : fallback;
}

void IniFile::WriteText(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value) {
    StringList* lines = SectionLines(section);
    if (!lines)
        lines = AddSection(section);
    lines->SetValueOf(key, value);
}

// Like the standard text-to-integer conversion: leading blanks, a sign, digits up to the first
// other character; no digits give 0 and values beyond 32 bits saturate.
int IniFile::ReadInt(const std::wstring& section, const std::wstring& key, int fallback) const {
    std::wstring text = ReadText(section, key, std::wstring());
    if (text.empty())
        return fallback;
    return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}

void IniFile::WriteInt(const std::wstring& section, const std::wstring& key, int value) {
    WriteText(section, key, std::to_wstring(value));
}
