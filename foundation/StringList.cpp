#include "foundation/StringList.h"

#include <algorithm>
#include <cwctype>
#include <utility>

namespace {

// The text from start up to end, without the control characters a line cannot hold.
std::wstring LineOf(const std::wstring& text, size_t start, size_t end) {
    std::wstring line = text.substr(start, end - start);
    line.erase(std::remove_if(line.begin(), line.end(), [](wchar_t c) { return c < 32; }),
               line.end());
    return line;
}

} // namespace

bool SameTextIgnoringCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::towupper(a[i]) != std::towupper(b[i]))
            return false;
    }
    return true;
}

std::wstring StringList::At(int position) const {
    return IsPosition(position) ? entries[position].Text : std::wstring();
}

StringList* StringList::ObjectAt(int position) const {
    return IsPosition(position) ? entries[position].Object : nullptr;
}

void StringList::Replace(int position, const std::wstring& text) {
    if (IsPosition(position))
        entries[position].Text = text;
}

// Reserves a quarter more above 64 slots, 16 more from 9 to 64, 4 more up to 8.
void StringList::Grow() {
    if (capacity > 64)
        capacity += capacity / 4;
    else if (capacity > 8)
        capacity += 16;
    else
        capacity += 4;
    entries.reserve(capacity);
}

void StringList::Insert(int position, std::wstring text) {
    if (position < 0 || position > Count())
        return;
    if (Count() == capacity)
        Grow();
    entries.insert(entries.begin() + position, StringListEntry{std::move(text), nullptr});
}

int StringList::Add(std::wstring text) {
    int position = Count();
    Insert(position, std::move(text));
    return position;
}

int StringList::AddWithObject(const std::wstring& text, StringList* object) {
    int position = Add(text);
    entries[position].Object = object;
    return position;
}

void StringList::Remove(int position) {
    if (IsPosition(position))
        entries.erase(entries.begin() + position);
}

void StringList::Clear() {
    if (entries.empty())
        return;
    for (StringListEntry& entry : entries)
        delete entry.Object;
    std::vector<StringListEntry>().swap(entries);
    capacity = 0;
}

int StringList::Find(const std::wstring& text) const {
    for (int i = 0; i < Count(); ++i) {
        if (SameTextIgnoringCase(entries[i].Text, text))
            return i;
    }
    return -1;
}

int StringList::FindName(const std::wstring& name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::wstring& text = entries[i].Text;
        size_t equals = text.find(L'=');
        if (equals != std::wstring::npos && SameTextIgnoringCase(text.substr(0, equals), name))
            return i;
    }
    return -1;
}

std::wstring StringList::NameAt(int position) const {
    std::wstring text = At(position);
    return text.substr(0, text.find(L'='));
}

std::optional<std::wstring> StringList::FindValue(const std::wstring& name) const {
    const int position = FindName(name);
    if (position < 0)
        return std::nullopt;
    return entries[position].Text.substr(name.size() + 1);
}

std::wstring StringList::ValueOf(const std::wstring& name) const {
    return FindValue(name).value_or(std::wstring());
}

void StringList::SetValueOf(const std::wstring& name, const std::wstring& value) {
    int position = FindName(name);
    if (value.empty()) {
        Remove(position);
        return;
    }
    std::wstring line = name + L"=" + value;
    if (position < 0)
        Add(line);
    else
        Replace(position, line);
}

TextFileRead StringList::LoadLines(const std::wstring& path) {
    Clear();
    encoding = TextEncoding::Utf8;
    std::wstring text;
    const TextFileRead result = ReadTextFile(path, text, encoding);
    // Each line is cut out whole, its control characters dropped in place.
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n')
            continue;
        Add(LineOf(text, start, i));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            ++i;
        start = i + 1;
    }
    if (std::wstring last = LineOf(text, start, text.size()); !last.empty())
        Add(std::move(last));
    return result;
}

bool StringList::SaveLines(const std::wstring& path) const {
    std::wstring text;
    for (const StringListEntry& entry : entries)
        text += entry.Text + L"\r\n";
    return ReplaceTextFile(path, text, encoding);
}
