#include "foundation/StringList.h"

#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

using Lines = std::vector<std::wstring>;

void Fill(StringList& list, const Lines& lines) {
    for (const std::wstring& line : lines)
        list.Add(line);
}

Lines Entries(const StringList& list) {
    Lines texts;
    for (int i = 0; i < list.Count(); ++i)
        texts.push_back(list.At(i));
    return texts;
}

TEST(StringList, CapacityGrowsByFourThenSixteenThenAQuarterAndClearReleasesAll) {
    for (const auto& [added, capacity] :
         {std::pair{0, 0}, {1, 4}, {5, 8}, {9, 12}, {25, 28}, {73, 76}, {77, 95}, {100, 118}}) {
        StringList list;
        for (int i = 0; i < added; ++i)
            list.Add(std::to_wstring(i));
        EXPECT_EQ(capacity, list.Capacity()) << added << " entries";
    }
    StringList list;
    StringList* child = new StringList();
    child->Add(L"line");
    list.AddWithObject(L"section", child);
    list.Clear();
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(0, list.Capacity());
    list.Add(L"again");
    EXPECT_EQ(nullptr, list.ObjectAt(0));
}

TEST(StringList, NamesMatchIgnoringCaseOnTheTextBeforeTheFirstEqualsSign) {
    StringList list;
    Fill(list, {L"a=1", L"b=2", L"plain", L"c=d=e", L"empty="});
    EXPECT_EQ(1, list.FindName(L"B"));
    EXPECT_EQ(-1, list.FindName(L"plain"));
    EXPECT_EQ(2, list.Find(L"PLAIN"));
    EXPECT_EQ(-1, list.Find(L"plai"));
    EXPECT_EQ(L"plain", list.NameAt(2));
    EXPECT_EQ(L"1", list.ValueOf(L"A"));
    EXPECT_EQ(L"c", list.NameAt(3));
    EXPECT_EQ(L"d=e", list.ValueOf(L"c"));
    EXPECT_EQ(4, list.FindName(L"empty"));
    EXPECT_EQ(L"", list.ValueOf(L"empty"));
    EXPECT_EQ(L"", list.ValueOf(L"missing"));

    list.SetValueOf(L"A", L"5"); // in place, in the caller's letter case
    list.SetValueOf(L"n", L"3");
    list.SetValueOf(L"b", L"");
    list.SetValueOf(L"absent", L"");
    EXPECT_EQ((Lines{L"A=5", L"plain", L"c=d=e", L"empty=", L"n=3"}), Entries(list));
}

TEST(StringList, PositionsOutsideTheListReadNothingAndWriteNothing) {
    StringList list;
    Fill(list, {L"a=1", L"b=2", L"plain"});
    EXPECT_EQ(L"", list.At(3));
    EXPECT_EQ(L"", list.At(-1));
    EXPECT_EQ(L"", list.NameAt(7));
    EXPECT_EQ(nullptr, list.ObjectAt(-1));
    for (int position : {-1, 3, 4}) {
        list.Replace(position, L"x");
        list.Remove(position);
    }
    list.Insert(4, L"x");
    list.Insert(-1, L"x");
    list.Insert(3, L"last");
    list.Insert(0, L"first");
    list.Remove(2);
    EXPECT_EQ((Lines{L"first", L"a=1", L"plain", L"last"}), Entries(list));
}

TEST(StringList, LoadLinesEndsALineAtEveryLineEndAndDropsControlCharacters) {
    const struct {
        const char* bytes;
        Lines lines;
    } cases[] = {
        {"x\r\ny\nz\r", {L"x", L"y", L"z"}},
        {"x\r\ny\nz", {L"x", L"y", L"z"}}, // the last line needs no end
        {"a\n\nb\n", {L"a", L"", L"b"}},
        {"a\r\rb\r", {L"a", L"", L"b"}},
        {"a\r\n\r\nb\r\n", {L"a", L"", L"b"}},
        {"a\tb\x01\nc", {L"ab", L"c"}},
        {"\xEF\xBB\xBF\xE2\x82\xAC=1\n", {L"\u20ac=1"}},
    };
    TempFolder folder;
    StringList list;
    for (const auto& c : cases) {
        WriteBytes(folder.Path(L"lines.txt"), c.bytes);
        list.LoadLines(folder.Path(L"lines.txt"));
        EXPECT_EQ(c.lines, Entries(list)) << c.bytes;
    }
    list.LoadLines(folder.Path(L"missing.txt"));
    EXPECT_EQ(0, list.Count());
}

TEST(StringList, SaveLinesWritesCrLfUtf8AndAFailedSaveLeavesTheOldFile) {
    TempFolder folder;
    const std::wstring path = folder.Path(L"out.txt");
    StringList list, empty;
    Fill(list, {L"one", L"", L"\u20ac"});
    ASSERT_TRUE(list.SaveLines(path));
    EXPECT_EQ("one\r\n\r\n\xE2\x82\xAC\r\n", ReadBytes(path));
    ASSERT_TRUE(empty.SaveLines(path));
    EXPECT_EQ("", ReadBytes(path));

    WriteBytes(path, "old\r\n");
    // Held open without write or delete sharing, the file cannot be replaced.
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(list.SaveLines(path));
    CloseHandle(held);
    EXPECT_EQ("old\r\n", ReadBytes(path));
    EXPECT_FALSE(list.SaveLines(folder.Path(L"no-such-folder\\x.txt")));
}

} // namespace
