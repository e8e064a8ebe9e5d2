#include "foundation/IniFile.h"

#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    std::wstring FileWith(const std::string& bytes) {
        WriteBytes(path, bytes);
        return path;
    }
    std::string Saved() const { return ReadBytes(path); }

    TempFolder folder;
    std::wstring path = folder.Path(L"test.ini");
};

TEST_F(IniFileTest, FirstOfDuplicateKeysIsReadAndReplaced) {
    IniFile ini(FileWith("[A]\nx=1\nX=2\n"));
    EXPECT_EQ(L"1", ini.ReadText(L"a", L"x", L"none"));
    ini.WriteText(L"A", L"X", L"3");
    ASSERT_TRUE(ini.Flush());
    EXPECT_EQ("[A]\r\nX=3\r\nX=2\r\n\r\n", Saved());
}

TEST_F(IniFileTest, FirstOfDuplicateSectionsIsUsedAndBothAreKept) {
    IniFile ini(FileWith("[S]\nk=1\n[s]\nk=2\n"));
    EXPECT_EQ(1, ini.ReadInt(L"S", L"k", 0));
    ini.WriteInt(L"s", L"k", 7);
    ASSERT_TRUE(ini.Flush());
    EXPECT_EQ("[S]\r\nk=7\r\n\r\n[s]\r\nk=2\r\n\r\n", Saved());
}

TEST_F(IniFileTest, HeadersNeedBracketsAtBothEnds) {
    IniFile ini(FileWith("[\n[]\nempty=1\n[B] ; note\nb=2\n [C]\nc=3\n"));
    EXPECT_EQ(1, ini.SectionCount());
    EXPECT_EQ(L"1", ini.ReadText(L"", L"empty", L"none"));
    EXPECT_EQ(L"2", ini.ReadText(L"", L"b", L"none"));
    EXPECT_EQ(L"3", ini.ReadText(L"", L"c", L"none"));
    EXPECT_EQ(L"none", ini.ReadText(L"B", L"b", L"none"));
    ASSERT_TRUE(ini.Flush());
    EXPECT_EQ("[]\r\nempty=1\r\n[B] ; note\r\nb=2\r\n [C]\r\nc=3\r\n\r\n", Saved());
}

TEST_F(IniFileTest, CommentsBlankLinesAndLinesBeforeTheFirstHeaderAreDropped) {
    IniFile ini(FileWith("orphan=1\n; comment\n\n[S]\n;k=9\nk=1\n\n"));
    EXPECT_EQ(0, ini.ReadInt(L"S", L"orphan", 0));
    EXPECT_EQ(1, ini.ReadInt(L"S", L"k", 0));
    ASSERT_TRUE(ini.Flush());
    EXPECT_EQ("[S]\r\nk=1\r\n\r\n", Saved());
}

TEST_F(IniFileTest, EmptyValueReadsAsEmptyTextButAsTheDefaultNumberAndNothingIsTrimmed) {
    IniFile ini(FileWith("[S]\nk=\nn=2x\nm=-1\nb= 4\nz=abc\nbig=99999999999\nt = 3\n"));
    EXPECT_EQ(L"none", ini.ReadText(L"S", L"t", L"none"));
    EXPECT_EQ(L" 3", ini.ReadText(L"S", L"t ", L"none"));
    EXPECT_EQ(L"", ini.ReadText(L"S", L"k", L"default"));
    EXPECT_EQ(5, ini.ReadInt(L"S", L"k", 5));
    EXPECT_EQ(2, ini.ReadInt(L"S", L"n", 5));
    EXPECT_EQ(-1, ini.ReadInt(L"S", L"m", 5));
    EXPECT_EQ(4, ini.ReadInt(L"S", L"b", 5));
    EXPECT_EQ(0, ini.ReadInt(L"S", L"z", 5));
    EXPECT_EQ(2147483647, ini.ReadInt(L"S", L"big", 5));
    EXPECT_EQ(5, ini.ReadInt(L"S", L"absent", 5));
    EXPECT_EQ(5, ini.ReadInt(L"T", L"k", 5));
}

TEST_F(IniFileTest, WritingAnEmptyValueRemovesTheLineButAddsTheSection) {
    IniFile ini(FileWith("[S]\nk=1\nj=2\n"));
    ini.WriteText(L"S", L"k", L"");
    ini.WriteText(L"New", L"x", L"");
    ASSERT_TRUE(ini.Flush());
    EXPECT_EQ("[S]\r\nj=2\r\n\r\n[New]\r\n\r\n", Saved());
}

TEST_F(IniFileTest, SetPathWithTheSamePathDoesNotReread) {
    IniFile ini(FileWith("[S]\nk=1\n"));
    WriteBytes(path, "[S]\nk=2\n");
    ini.SetPath(path);
    EXPECT_EQ(1, ini.ReadInt(L"S", L"k", 0));
    ini.Reload();
    EXPECT_EQ(2, ini.ReadInt(L"S", L"k", 0));
    ini.SetPath(L"");
    EXPECT_EQ(0, ini.SectionCount());
    EXPECT_FALSE(ini.Flush());
}

TEST_F(IniFileTest, RemovingSectionsTakesTheFirstMatch) {
    IniFile ini(FileWith("[A]\na=1\n[B]\nb=1\n[a]\na=2\n"));
    ini.RemoveSection(L"a");
    EXPECT_EQ(2, ini.ReadInt(L"A", L"a", 0));
    ini.RemoveSection(L"missing");
    EXPECT_EQ(2, ini.SectionCount());
    ini.RemoveAllSections();
    EXPECT_EQ(0, ini.SectionCount());
}

TEST_F(IniFileTest, AReadOnlyFileStillLoads) {
    IniFile writer(FileWith("[S]\nk=4\n"));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    // Held open without write sharing, so the file is unwritable even for root under Wine.
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    IniFile reader(path);
    EXPECT_EQ(4, reader.ReadInt(L"S", L"k", 0));
    reader.WriteInt(L"S", L"k", 5);
    EXPECT_FALSE(reader.Flush());
    CloseHandle(held);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("[S]\nk=4\n", Saved());
}

} // namespace
