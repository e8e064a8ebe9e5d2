#include "platform/peghelp/HtmlText.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <memory>

namespace {

struct Entity {
    const wchar_t* name;
    wchar_t character;
};

const Entity Entities[] = {
    {L"amp", L'&'},  {L"lt", L'<'},    {L"gt", L'>'},
    {L"quot", L'"'}, {L"apos", L'\''}, {L"nbsp", L' '},
};

const wchar_t* const LineTags[] = {L"p",  L"div", L"br", L"tr",    L"ul", L"ol",
                                   L"dl", L"dt",  L"dd", L"table", L"pre"};
const wchar_t* const HeadingTags[] = {L"h1", L"h2", L"h3", L"h4"};
const wchar_t* const HiddenTags[] = {L"head", L"style", L"script"};

template <size_t N> bool IsOneOf(const std::wstring& name, const wchar_t* const (&names)[N]) {
    for (const wchar_t* candidate : names) {
        if (name == candidate) {
            return true;
        }
    }
    return false;
}

class TextBuilder {
public:
    explicit TextBuilder(const std::wstring& anchor) : anchor(anchor) {}

    void Text(wchar_t c) {
        if (hidden > 0) {
            return;
        }
        if (iswspace(c)) {
            pendingBlank = !AtLineStart();
            return;
        }
        if (pendingBlank) {
            result.text += L' ';
            pendingBlank = false;
        }
        result.text += c;
    }

    void Tag(const std::wstring& tag) {
        const bool closing = !tag.empty() && tag[0] == L'/';
        const std::wstring name = TagName(tag, closing ? 1 : 0);
        if (IsOneOf(name, HiddenTags)) {
            hidden += closing ? -1 : 1;
            return;
        }
        if (IsOneOf(name, HeadingTags)) {
            BlankLine();
        } else if (name == L"li" && !closing) {
            LineBreak();
            result.text += L"  - ";
        } else if (IsOneOf(name, LineTags)) {
            LineBreak();
        }
        if (!closing && !found && NamesAnchor(tag)) {
            found = true;
            result.anchorAt = result.text.size();
        }
    }

    HelpText Finish() { return result; }

private:
    static std::wstring TagName(const std::wstring& tag, size_t start) {
        std::wstring name;
        for (size_t i = start; i < tag.size() && iswalnum(tag[i]); ++i) {
            name += static_cast<wchar_t>(towlower(tag[i]));
        }
        return name;
    }

    bool NamesAnchor(const std::wstring& tag) const {
        return tag.find(L"id=\"" + anchor + L"\"") != std::wstring::npos ||
               tag.find(L"name=\"" + anchor + L"\"") != std::wstring::npos;
    }

    bool AtLineStart() const { return result.text.empty() || result.text.back() == L'\n'; }

    void LineBreak() {
        pendingBlank = false;
        if (!AtLineStart()) {
            result.text += L"\r\n";
        }
    }

    void BlankLine() {
        LineBreak();
        const bool blankAlready = result.text.size() >= 4 &&
                                  result.text.compare(result.text.size() - 4, 4, L"\r\n\r\n") == 0;
        if (!result.text.empty() && !blankAlready) {
            result.text += L"\r\n";
        }
    }

    const std::wstring anchor;
    HelpText result;
    int hidden = 0;
    bool pendingBlank = false;
    bool found = false;
};

// The character of an entity such as "amp" or "#8364"; 0 when unknown.
wchar_t DecodeEntity(const std::wstring& name) {
    if (name.size() > 1 && name[0] == L'#') {
        return static_cast<wchar_t>(std::wcstol(name.c_str() + 1, nullptr, 10));
    }
    for (const Entity& entity : Entities) {
        if (name == entity.name) {
            return entity.character;
        }
    }
    return 0;
}

struct EntityMatch {
    wchar_t character; // 0: no entity here
    size_t end;        // position of its ';'
};

// The entity that starts with the '&' at position i ("&amp;", "&#8364;"), looked for within its
// longest length only.
EntityMatch EntityAt(const std::wstring& html, size_t i) {
    constexpr size_t LongestEntity = 8;
    const size_t limit = std::min(html.size(), i + LongestEntity + 1);
    for (size_t end = i + 1; end < limit; ++end) {
        if (html[end] == L';') {
            return {DecodeEntity(html.substr(i + 1, end - i - 1)), end};
        }
    }
    return {0, 0};
}

} // namespace

// One pass: each search for a tag's end or an entity's semicolon starts where the last one ended
// or looks a few characters ahead only, so that no text makes the parser go over it twice.
HelpText HtmlToText(const std::wstring& html, const std::wstring& anchor) {
    TextBuilder builder(anchor);
    size_t close = 0; // the next '>' once searched for; npos when there is none
    size_t i = 0;
    while (i < html.size()) {
        if (html[i] == L'<' && close != std::wstring::npos && close <= i)
            close = html.find(L'>', i);
        if (html[i] == L'<' && close != std::wstring::npos) {
            builder.Tag(html.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        const EntityMatch entity = html[i] == L'&' ? EntityAt(html, i) : EntityMatch{0, 0};
        if (entity.character != 0) {
            builder.Text(entity.character);
            i = entity.end + 1;
        } else {
            builder.Text(html[i++]);
        }
    }
    return builder.Finish();
}

std::wstring ReadHtmlDocument(const std::wstring& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"rb"), fclose);
    std::string bytes;
    char buffer[4096];
    for (size_t got; file && (got = fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        if (bytes.size() + got > MaxHtmlDocumentBytes) {
            return std::wstring();
        }
        bytes.append(buffer, got);
    }
    std::wstring text(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), nullptr, 0),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), int(bytes.size()), &text[0], int(text.size()));
    return text;
}
