// The readable text of an HTML help document, and where an anchor of it begins.
#pragma once

#include <string>

struct HelpText {
    std::wstring text;   // lines end in CR LF, as an edit control shows them
    size_t anchorAt = 0; // position of the anchor's element in text; 0 when not found
};

// A help document is a few tens of kilobytes; a larger file is not read, as the settings file is
// not, so that no document can hold up the viewer.
constexpr size_t MaxHtmlDocumentBytes = 1 << 20;

// The document's text decoded from UTF-8; empty when it cannot be read or is larger than
// MaxHtmlDocumentBytes.
std::wstring ReadHtmlDocument(const std::wstring& path);

// Block elements start new lines, list items get a dash, headings stand apart, entities are
// decoded, runs of white space become one blank, head, style and script are left out.
// Takes time linear in the document's length.
HelpText HtmlToText(const std::wstring& html, const std::wstring& anchor);
