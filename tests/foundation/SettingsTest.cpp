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
        DeleteFileW(SettingsFile);
        GetSettings() =
            Settings{-9, -9,         -9, -9, -9, -9, -9, -9, {-9, -9, -9, -9, -9, -9, -9, -9, -9},
                     -9, {L"stale"}, -9, -9};
    }
    void TearDown() override { DeleteFileW(SettingsFile); }
};

} // namespace

TEST_F(SettingsTest, NoFileLoadsTheDefaultsAndTheFirstSaveWritesThemAll) {
    EXPECT_EQ(SettingsFile, SettingsFilePath());
    LoadSettings();
    EXPECT_EQ(-9, GetSettings().SipState); // not stored
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(SettingsText({}), ReadSettingsFile());
}

// Sections and keys match ignoring case; values out of range are kept. A failed save is tried
// through the settings pages.
TEST_F(SettingsTest, SavingKeepsUnknownSectionsAndValuesAndDropsComments) {
    WriteBytes(SettingsFile, "; mine\n[Mine]\nmine=1\n[keyboard]\nkeyboardtype=4\nextra=x\n"
                             "[GENERALSETTINGS]\r\nCOLORTYPE=7");
    LoadSettings();
    EXPECT_EQ(4, GetSettings().KeyboardType);
    EXPECT_EQ(7, GetSettings().ColorType);
    GetSettings().KeyboardType = 2;
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ("[Mine]\r\nmine=1\r\n\r\n"
              "[keyboard]\r\nKeyboardType=2\r\nextra=x\r\nFloatingSizeType=0\r\nKeySize=0\r\n"
              "PhoneOrder=0\r\n\r\n"
              "[GENERALSETTINGS]\r\nColorType=7\r\nDlgBtnBottom=0\r\nShowDlgBtn=1\r\nNo3D=1\r\n\r\n"
              "[Internal]\r\nPosX=50\r\nPosY=50\r\n\r\n",
              ReadSettingsFile());
}
