#include "foundation/StringList.h"

#include "tests/support/Files.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::wstring>;

Lines Entries(const StringList& list) {
    Lines texts;
    for (int i = 0; i < list.Count(); ++i)
        texts.push_back(list.At(i));
    return texts;
}

// Names and values are tried through the INI file.
TEST(StringList, FilesAreUtf8AndEveryLineEndEndsALine) {
    const struct {
        const char* bytes;
        Lines lines;
    } cases[] = {
        {"x\r\ny\nz\r", {L"x", L"y", L"z"}},
        {"a\r\n\r\nb", {L"a", L"", L"b"}}, // the last line needs no end
        {"a\r\rb\r", {L"a", L"", L"b"}},
        {"a\tb\x01\nc", {L"ab", L"c"}}, // control characters are dropped
        {"\xEF\xBB\xBF\xE2\x82\xAC=1\n", {L"\u20ac=1"}},
    };
    TempFolder folder;
    const std::wstring path = folder.Path(L"lines.txt");
    StringList list;
    for (const auto& c : cases) {
        WriteBytes(path, c.bytes);
        list.LoadLines(path);
        EXPECT_EQ(c.lines, Entries(list)) << c.bytes;
    }
    ASSERT_TRUE(list.SaveLines(path));
    EXPECT_EQ("\xE2\x82\xAC=1\r\n", ReadBytes(path));
    list.LoadLines(folder.Path(L"missing.txt"));
    EXPECT_EQ(0, list.Count());
}

} // namespace
