#include "foundation/IniFile.h"

#include "tests/support/Files.h"

#include <gtest/gtest.h>

namespace {

// A file read, one value written, and the file saved again.
TEST(IniFile, RoundTripsKeepTheFirstOfDuplicatesAndDropCommentsAndOrphans) {
    const struct {
        const char* file;
        const wchar_t *section, *key, *value;
        const char* saved;
    } cases[] = {
        {"[A]\nx=1\nX=2\n", L"a", L"X", L"3", "[A]\r\nX=3\r\nX=2\r\n\r\n"},
        {"[S]\nk=1\n[s]\nk=2\n", L"s", L"k", L"7", "[S]\r\nk=7\r\n\r\n[s]\r\nk=2\r\n\r\n"},
        // Headers need brackets at both ends.
        {"[\n[]\ne=1\n[B] ;\nb=2\n [C]\n", L"", L"b", L"", "[]\r\ne=1\r\n[B] ;\r\n [C]\r\n\r\n"},
        {"orphan=1\n; note\n\n[S]\n;k=9\nk=1\n\n", L"T", L"x", L"",
         "[S]\r\nk=1\r\n\r\n[T]\r\n\r\n"},
    };
    TempFolder folder;
    const std::wstring path = folder.Path(L"test.ini");
    for (const auto& c : cases) {
        WriteBytes(path, c.file);
        IniFile ini(path);
        ini.WriteText(c.section, c.key, c.value);
        ASSERT_TRUE(ini.Flush());
        EXPECT_EQ(c.saved, ReadBytes(path)) << c.file;
    }
}

TEST(IniFile, ReadsTakeTheFirstMatchUntrimmedAndNumbersLikeTextToInteger) {
    TempFolder folder;
    const std::wstring path = folder.Path(L"test.ini");
    WriteBytes(path,
               "[S]\nk=\nn=2x\nm=-1\nz=abc\nbig=99999999999\nt = 3\nplain\nc=d=e\n[s]\nt =9\n");
    IniFile ini(path);
    EXPECT_EQ(L" 3", ini.ReadText(L"s", L"t ", L"none"));
    EXPECT_EQ(L"", ini.ReadText(L"S", L"k", L"none"));
    EXPECT_EQ(L"d=e", ini.ReadText(L"S", L"C", L"none")); // the name ends at the first "="
    EXPECT_EQ(L"none", ini.ReadText(L"S", L"plain", L"none"));
    const std::pair<const wchar_t*, int> numbers[] = {
        {L"k", 5}, {L"N", 2}, {L"m", -1}, {L"z", 0}, {L"big", 2147483647}, {L"t", 5}};
    for (const auto& [key, number] : numbers)
        EXPECT_EQ(number, ini.ReadInt(L"S", key, 5)) << key;
}

} // namespace
