#include "foundation/Settings.h"

#include "tests/support/Files.h"
#include "tests/support/Identity.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// Each test starts without a settings file and with a record full of other values.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteFileW(SettingsFilePath().c_str());
        GetSettings() = Settings{-9, -9, -9, -9, -9, -9, -9, -9, {-9, -9, -9, -9, -9, -9, -9}, -9};
    }
    void TearDown() override { DeleteFileW(SettingsFilePath().c_str()); }

    static Settings& Loaded(const std::string& file) {
        WriteBytes(SettingsFilePath(), file);
        LoadSettings();
        return GetSettings();
    }
};

} // namespace

TEST_F(SettingsTest, TheFileLiesInTheRootOfTheSystemDrive) {
    EXPECT_EQ(SettingsFile, SettingsFilePath());
    EXPECT_EQ(&GetSettings(), &GetSettings());
    EXPECT_EQ(L"V 1.12", GetVersionText());
}

TEST_F(SettingsTest, NoFileLoadsTheDefaultsAndTheFirstSaveWritesThemAll) {
    LoadSettings();
    const Settings& s = GetSettings();
    EXPECT_EQ(50, s.PosX);
    EXPECT_EQ(50, s.PosY);
    EXPECT_EQ(0, s.DlgBtnBottom);
    EXPECT_EQ(1, s.ShowDlgBtn);
    EXPECT_EQ(1, s.ColorType);
    EXPECT_EQ(1, s.No3D);
    EXPECT_EQ(0, s.FloatingSizeType);
    EXPECT_EQ(0, s.KeyboardType);
    EXPECT_EQ(-9, s.SipState); // not stored
    EXPECT_EQ(-9, s.Metrics.PanelWidth);
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(SettingsText({}), ReadSettingsFile());
}

TEST_F(SettingsTest, SectionsAndKeysMatchIgnoringCase) {
    EXPECT_EQ(3, Loaded("[KEYBOARD]\r\nKEYBOARDTYPE=3\r\n").KeyboardType);
    EXPECT_EQ(2, Loaded("[keyboard]\nkeyboardtype=2\n").KeyboardType);
    EXPECT_EQ(1, GetSettings().ColorType);
}

TEST_F(SettingsTest, ValuesConvertLikeTextToInteger) {
    for (const auto& [file, type] : {std::pair{"[Keyboard]\nKeyboardType = 3\n", 0},
                                     {"[Keyboard]\nKeyboardType=\n", 0},
                                     {"[Keyboard]\nKeyboardType=2x\n", 2},
                                     {"[Keyboard]\nKeyboardType=-1\n", -1},
                                     {"[Keyboard]\n;KeyboardType=3\n", 0},
                                     {"[Keyboard]\r\nKeyboardType=3", 3}}) // no line end
        EXPECT_EQ(type, Loaded(file).KeyboardType) << file;
}

TEST_F(SettingsTest, OutOfRangeValuesAreKeptAndWrittenBack) {
    EXPECT_EQ(7, Loaded("[GeneralSettings]\nColorType=7\n").ColorType);
    ASSERT_TRUE(SaveSettings());
    GetSettings().ColorType = 0;
    LoadSettings();
    EXPECT_EQ(7, GetSettings().ColorType);
}

TEST_F(SettingsTest, SavingKeepsUnknownSectionsAndDropsComments) {
    Loaded("; my settings\n[Mine]\nmine=1\n[keyboard]\nkeyboardtype=4\nextra=x\n");
    GetSettings().KeyboardType = 2;
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ("[Mine]\r\nmine=1\r\n\r\n"
              "[keyboard]\r\nKeyboardType=2\r\nextra=x\r\nFloatingSizeType=0\r\n\r\n"
              "[Internal]\r\nPosX=50\r\nPosY=50\r\n\r\n"
              "[GeneralSettings]\r\nDlgBtnBottom=0\r\nShowDlgBtn=1\r\nColorType=1\r\nNo3D=1\r\n"
              "\r\n",
              ReadSettingsFile());
}

TEST_F(SettingsTest, AReadOnlyFileLoadsAndAFailedSaveLeavesIt) {
    const std::string file = "[Keyboard]\r\nKeyboardType=5\r\n";
    WriteBytes(SettingsFilePath(), file);
    HANDLE held = CreateFileW(SettingsFilePath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    LoadSettings();
    EXPECT_EQ(5, GetSettings().KeyboardType);
    GetSettings().KeyboardType = 1;
    EXPECT_FALSE(SaveSettings());
    CloseHandle(held);
    EXPECT_EQ(file, ReadSettingsFile());
}
