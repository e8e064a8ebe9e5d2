// Settings files that no setup program wrote. Loading gives the values they state or the defaults
// and never touches them; a save keeps the bytes of the lines the system does not own and never
// writes over a file too large to be read.
#include "foundation/Settings.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <climits>

namespace {

using namespace std::string_literals;

constexpr size_t OneMebibyte = 1 << 20;

// PosX, PosY, DlgBtnBottom, ShowDlgBtn, ColorType, No3D, FloatingSizeType, KeyboardType.
using Values = std::array<int, 8>;
constexpr Values Defaults = {50, 50, 0, 1, 1, 1, 0, 0};

Values KeyboardType(int type) {
    Values values = Defaults;
    values[7] = type;
    return values;
}

Values Loaded() {
    const Settings& s = GetSettings();
    return {s.PosX,      s.PosY, s.DlgBtnBottom,     s.ShowDlgBtn,
            s.ColorType, s.No3D, s.FloatingSizeType, s.KeyboardType};
}

const std::string KeyboardType3 = "[Keyboard]\r\nKeyboardType=3\r\n";

std::string RandomBytes(size_t count) {
    std::string bytes;
    for (unsigned state = 1; bytes.size() < count;) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 24);
    }
    return bytes;
}

// The text followed by one comment line that brings the file to exactly `size` bytes.
std::string PaddedTo(const std::string& text, size_t size) {
    return text + ";" + std::string(size - text.size() - 2, 'x') + "\n";
}

std::string Utf16WithByteOrderMark(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii)
        bytes += c + "\0"s;
    return bytes;
}

// Sections of one key each, then a long Keyboard section, then a second one that is never read.
std::string ManySectionsAndKeys(int count) {
    std::string sections, keys;
    for (int i = 0; i < count; ++i) {
        sections += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
        keys += "K" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    }
    return sections + "[Keyboard]\r\n" + keys +
           "KeyboardType=4\r\n[KEYBOARD]\r\nKeyboardType=2\r\n";
}

// Every byte that is not ASCII, as another tool writes text in the ANSI code page.
std::string HighBytes() {
    std::string bytes;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        bytes += static_cast<char>(byte);
    return bytes;
}

// The file as a save writes it, with a section of another tool's before the system's own.
std::string AsSaved(const std::string& foreignLine, int keyboardType) {
    return "[Tool]\r\n" + foreignLine +
           "\r\n\r\n[Internal]\r\nPosX=50\r\nPosY=50\r\n\r\n[GeneralSettings]\r\nDlgBtnBottom=0\r\n"
           "ShowDlgBtn=1\r\nColorType=1\r\nNo3D=1\r\n\r\n[Keyboard]\r\nFloatingSizeType=0\r\n"
           "KeyboardType=" +
           std::to_string(keyboardType) + "\r\n\r\n";
}

class HostileSettings : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileW(path.c_str()); }
    void TearDown() override { DeleteFileW(path.c_str()); }

    const std::wstring path = SettingsFilePath();
};

} // namespace

TEST_F(HostileSettings, LoadGivesTheStatedValuesOrTheDefaultsAndLeavesTheFile) {
    const struct {
        const char* what;
        std::string file;
        bool read;
        Values values;
    } cases[] = {
        {"random bytes before the sections", RandomBytes(4096) + "\n" + KeyboardType3, true,
         KeyboardType(3)},
        {"NULs inside lines", "[Key\0board]\0\r\n\0Keyboard\0Type=3\r\n"s, true, KeyboardType(3)},
        {"UTF-16", Utf16WithByteOrderMark(KeyboardType3), true, Defaults},
        {"ANSI", "[Keyboard]\r\nName=M\xFCller\r\nKeyboardType=2\r\n", true, KeyboardType(2)},
        {"exactly 1 MiB", PaddedTo(KeyboardType3, OneMebibyte), true, KeyboardType(3)},
        {"1 MiB and one byte", PaddedTo(KeyboardType3, OneMebibyte + 1), false, Defaults},
        {"a 100k-character line",
         "[Keyboard]\r\nX=" + std::string(100000, 'x') + "\r\nKeyboardType=3\r\n", true,
         KeyboardType(3)},
        {"a 100k-digit value", "[Keyboard]\r\nKeyboardType=" + std::string(100000, '9') + "\r\n",
         true, KeyboardType(INT_MAX)},
        {"thousands of sections and keys", ManySectionsAndKeys(5000), true, KeyboardType(4)},
        {"odd numbers",
         "[Internal]\r\nPosX=4294967299\r\nPosY=-2147483649\r\n[GeneralSettings]\r\n"
         "DlgBtnBottom=-1\r\nShowDlgBtn=+7\r\nColorType= 2\r\nNo3D=0x10\r\n[Keyboard]\r\n"
         "FloatingSizeType=007\r\nKeyboardType=-2147483648\r\n",
         true, Values{INT_MAX, INT_MIN, -1, 7, 2, 0, 7, INT_MIN}},
    };
    for (const auto& c : cases) {
        WriteBytes(path, c.file);
        EXPECT_EQ(c.read, LoadSettings()) << c.what;
        EXPECT_EQ(c.values, Loaded()) << c.what;
        EXPECT_TRUE(ReadBytes(path) == c.file) << c.what;
    }
}

TEST_F(HostileSettings, ASaveKeepsForeignLinesByteForByteInTheFilesEncoding) {
    const struct {
        const char* what;
        std::string foreignLine;
    } cases[] = {
        {"ANSI", "S1=M\xFCller"},
        {"every ANSI byte", "S2=" + HighBytes()},
        {"UTF-8", "S1=M\xC3\xBCller"},
        {"UTF-8 beyond 16 bits", "S3=\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases) {
        WriteBytes(path, AsSaved(c.foreignLine, 3));
        LoadSettings();
        EXPECT_EQ(3, GetSettings().KeyboardType) << c.what;
        GetSettings().KeyboardType = 4;
        EXPECT_TRUE(SaveSettings()) << c.what;
        EXPECT_EQ(AsSaved(c.foreignLine, 4), ReadBytes(path)) << c.what;
    }
}

TEST_F(HostileSettings, AFileTooLargeToReadIsNotWrittenOver) {
    const std::string file = PaddedTo(KeyboardType3, OneMebibyte + 1);
    WriteBytes(path, file);
    LoadSettings();
    GetSettings().KeyboardType = 4;
    EXPECT_FALSE(SaveSettings());
    EXPECT_TRUE(ReadBytes(path) == file);
}
