#include "foundation/StringList.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

int CapacityAfterAdding(int entries) {
    StringList list;
    for (int i = 0; i < entries; ++i)
        list.Add(std::to_wstring(i));
    return list.Capacity();
}

// a=1, b=2, plain
void FillSample(StringList& list) {
    list.Add(L"a=1");
    list.Add(L"b=2");
    list.Add(L"plain");
}

std::vector<std::wstring> Entries(const StringList& list) {
    std::vector<std::wstring> texts;
    for (int i = 0; i < list.Count(); ++i)
        texts.push_back(list.At(i));
    return texts;
}

std::vector<std::wstring> LinesOf(const std::string& bytes) {
    TempFolder folder;
    WriteBytes(folder.Path(L"lines.txt"), bytes);
    StringList list;
    list.LoadLines(folder.Path(L"lines.txt"));
    return Entries(list);
}

using Lines = std::vector<std::wstring>;

} // namespace

TEST(StringListCapacity, GrowsByFourThenSixteenThenAQuarterAndClearReleasesAll) {
    const int added[] = {0, 1, 5, 9, 25, 73, 77, 100};
    const int capacity[] = {0, 4, 8, 12, 28, 76, 95, 118};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(capacity[i], CapacityAfterAdding(added[i])) << added[i] << " entries";

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

TEST(StringListNames, MatchIgnoringCaseOnTheTextBeforeTheFirstEqualsSign) {
    StringList list;
    FillSample(list);
    list.Add(L"c=d=e");
    list.Add(L"empty=");
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
}

TEST(StringListNames, SetValueOfReplacesInPlaceAppendsOrRemoves) {
    StringList list;
    FillSample(list);
    list.SetValueOf(L"A", L"5");
    EXPECT_EQ((Lines{L"A=5", L"b=2", L"plain"}), Entries(list));
    list.SetValueOf(L"c", L"3");
    list.SetValueOf(L"a", L"");
    list.SetValueOf(L"absent", L"");
    EXPECT_EQ((Lines{L"b=2", L"plain", L"c=3"}), Entries(list));
}

TEST(StringListPositions, OutsideTheListReadNothingAndWriteNothing) {
    StringList list;
    FillSample(list);
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
    EXPECT_EQ((Lines{L"a=1", L"b=2", L"plain"}), Entries(list));

    list.Insert(3, L"last");
    list.Insert(0, L"first");
    list.Remove(2);
    EXPECT_EQ((Lines{L"first", L"a=1", L"plain", L"last"}), Entries(list));
}

TEST(StringListFiles, EveryKindOfLineEndEndsOneLineAndTheLastLineNeedsNone) {
    EXPECT_EQ((Lines{L"x", L"y", L"z"}), LinesOf("x\r\ny\nz\r"));
    EXPECT_EQ((Lines{L"x", L"y", L"z"}), LinesOf("x\r\ny\nz"));
    EXPECT_EQ((Lines{L"a", L"", L"b"}), LinesOf("a\n\nb\n"));
    EXPECT_EQ((Lines{L"a", L"", L"b"}), LinesOf("a\r\rb\r"));
    EXPECT_EQ((Lines{L"a", L"", L"b"}), LinesOf("a\r\n\r\nb\r\n"));
    EXPECT_EQ((Lines{L"KeyboardType=3"}), LinesOf("KeyboardType=3"));
}

TEST(StringListFiles, ControlCharactersAreDroppedAndUtf8Decoded) {
    EXPECT_EQ((Lines{L"ab", L"c"}), LinesOf("a\tb\x01\nc"));
    EXPECT_EQ((Lines{L"\u20ac=1"}), LinesOf("\xEF\xBB\xBF\xE2\x82\xAC=1\n"));
}

TEST(StringListFiles, AMissingFileLoadsNothing) {
    TempFolder folder;
    StringList list;
    list.Add(L"old");
    list.LoadLines(folder.Path(L"missing.txt"));
    EXPECT_EQ(0, list.Count());
}

TEST(StringListFiles, SaveWritesCrLfLinesAndUtf8) {
    TempFolder folder;
    StringList list;
    list.Add(L"one");
    list.Add(L"");
    list.Add(L"\u20ac");
    ASSERT_TRUE(list.SaveLines(folder.Path(L"out.txt")));
    EXPECT_EQ("one\r\n\r\n\xE2\x82\xAC\r\n", ReadBytes(folder.Path(L"out.txt")));

    StringList empty;
    ASSERT_TRUE(empty.SaveLines(folder.Path(L"out.txt")));
    EXPECT_EQ("", ReadBytes(folder.Path(L"out.txt")));
}

TEST(StringListFiles, AFailedSaveLeavesTheOldFileAndSaysSo) {
    TempFolder folder;
    std::wstring path = folder.Path(L"held.txt");
    WriteBytes(path, "old\r\n");
    // Held open without write or delete sharing, the file cannot be replaced.
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    StringList list;
    list.Add(L"new");
    EXPECT_FALSE(list.SaveLines(path));
    CloseHandle(held);
    EXPECT_EQ("old\r\n", ReadBytes(path));
    EXPECT_FALSE(list.SaveLines(folder.Path(L"no-such-folder\\x.txt")));
}
