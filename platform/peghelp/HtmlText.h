// The readable text of an HTML help document, and where an anchor of it begins.
#pragma once

#include <string>

struct HelpText {
    std::wstring text;   // lines end in CR LF, as an edit control shows them
    size_t anchorAt = 0; // position of the anchor's element in text; 0 when not found
};

// Block elements start new lines, list items get a dash, headings stand apart, entities are
// decoded, runs of white space become one blank, head, style and script are left out.
HelpText HtmlToText(const std::wstring& html, const std::wstring& anchor);
