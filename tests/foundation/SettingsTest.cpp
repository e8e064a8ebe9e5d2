#include "foundation/Settings.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

const char FirstSave[] = "[Internal]\r\nPosX=50\r\nPosY=50\r\n\r\n"
                         "[GeneralSettings]\r\nDlgBtnBottom=0\r\nShowDlgBtn=1\r\nColorType=1\r\n"
                         "No3D=1\r\n\r\n"
                         "[Keyboard]\r\nFloatingSizeType=0\r\nKeyboardType=0\r\n\r\n";

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
    EXPECT_EQ(L"C:\\Plinkerpad.ini", SettingsFilePath());
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
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(FirstSave, ReadBytes(SettingsFilePath()));
}

TEST_F(SettingsTest, LoadingLeavesTheUnstoredFieldsAlone) {
    LoadSettings();
    EXPECT_EQ(-9, GetSettings().SipState);
    EXPECT_EQ(-9, GetSettings().Metrics.PanelWidth);
    EXPECT_EQ(-9, GetSettings().Metrics.KeyMargin);
}

TEST_F(SettingsTest, SectionsAndKeysMatchIgnoringCase) {
    EXPECT_EQ(3, Loaded("[KEYBOARD]\r\nKEYBOARDTYPE=3\r\n").KeyboardType);
    EXPECT_EQ(2, Loaded("[keyboard]\nkeyboardtype=2\n").KeyboardType);
    EXPECT_EQ(1, GetSettings().ColorType);
}

TEST_F(SettingsTest, ValuesConvertLikeTextToInteger) {
    EXPECT_EQ(0, Loaded("[Keyboard]\nKeyboardType = 3\n").KeyboardType);
    EXPECT_EQ(0, Loaded("[Keyboard]\nKeyboardType=\n").KeyboardType);
    EXPECT_EQ(2, Loaded("[Keyboard]\nKeyboardType=2x\n").KeyboardType);
    EXPECT_EQ(-1, Loaded("[Keyboard]\nKeyboardType=-1\n").KeyboardType);
    EXPECT_EQ(0, Loaded("[Keyboard]\n;KeyboardType=3\n").KeyboardType);
}

TEST_F(SettingsTest, AnUnterminatedLastLineLoads) {
    EXPECT_EQ(3, Loaded("[Keyboard]\r\nKeyboardType=3").KeyboardType);
    ASSERT_TRUE(SaveSettings());
    LoadSettings();
    EXPECT_EQ(3, GetSettings().KeyboardType);
}

TEST_F(SettingsTest, EveryLineEndLoadsTheSame) {
    for (const char* end : {"\n", "\r", "\r\n"}) {
        std::string file = std::string("[GeneralSettings]") + end + "ColorType=2" + end + "No3D=0" +
                           end + "[Keyboard]" + end + "KeyboardType=4" + end;
        const Settings& s = Loaded(file);
        EXPECT_EQ(2, s.ColorType) << "line end " << int(end[0]);
        EXPECT_EQ(0, s.No3D) << "line end " << int(end[0]);
        EXPECT_EQ(4, s.KeyboardType) << "line end " << int(end[0]);
    }
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
              ReadBytes(SettingsFilePath()));
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
    EXPECT_EQ(file, ReadBytes(SettingsFilePath()));
}
