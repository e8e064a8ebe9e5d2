// Settings files that no setup program wrote. Loading gives the values they state or the defaults
// and never touches them; a save keeps the bytes of the lines the system does not own and never
// writes over a file too large to be read.
#include "foundation/Settings.h"
#include "foundation/OwnedHandle.h"
#include "foundation/SettingsReload.h"

#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <climits>
#include <map>

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

// UTF-8 text as a "Unicode" file of either byte order, with its byte-order mark.
std::string Utf16WithByteOrderMark(const std::string& utf8, bool bigEndian = false) {
    std::wstring text(utf8.size(), L'\0');
    text.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                    text.data(), static_cast<int>(text.size())));
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}
std::string Utf16BigEndian(const std::string& utf8) {
    return Utf16WithByteOrderMark(utf8, true);
}
std::string Unchanged(const std::string& bytes) {
    return bytes;
}

// Opened without sharing, as another program may hold the file: no one else can open it.
OwnedFile HoldFile(const std::wstring& path, DWORD access) {
    return OwnedFile(CreateFileW(path.c_str(), access, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

// The file's last write long ago, so that an unchanged look at it could be trusted.
void DateBack(const std::wstring& path) {
    const FILETIME longAgo = {0, 0x01D00000}; // in 2014
    SetFileTime(HoldFile(path, FILE_WRITE_ATTRIBUTES), nullptr, nullptr, &longAgo);
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
           std::to_string(keyboardType) + "\r\nKeySize=0\r\nPhoneOrder=0\r\n\r\n";
}

// The loaded texts by key number, the empty ones left out.
std::map<int, std::wstring> LoadedSniplets() {
    std::map<int, std::wstring> texts;
    for (int i = 0; i < SnipletCount; ++i) {
        if (!GetSettings().Sniplets[i].empty())
            texts[i + 1] = GetSettings().Sniplets[i];
    }
    return texts;
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
        TextFileRead read;
        Values values;
        bool held = false; // by another program, without sharing, while it is loaded
    } cases[] = {
        {"random bytes before the sections", RandomBytes(4096) + "\n" + KeyboardType3,
         TextFileRead::Read, KeyboardType(3)},
        {"NULs inside lines", "[Key\0board]\0\r\n\0Keyboard\0Type=3\r\n"s, TextFileRead::Read,
         KeyboardType(3)},
        {"UTF-16, odd length", Utf16WithByteOrderMark(KeyboardType3) + "\x33", TextFileRead::Read,
         KeyboardType(3)},
        {"exactly 1 MiB", PaddedTo(KeyboardType3, OneMebibyte), TextFileRead::Read,
         KeyboardType(3)},
        {"1 MiB and one byte", PaddedTo(KeyboardType3, OneMebibyte + 1), TextFileRead::TooLarge,
         Defaults},
        {"a 100k-character line",
         "[Keyboard]\r\nX=" + std::string(100000, 'x') + "\r\nKeyboardType=3\r\n",
         TextFileRead::Read, KeyboardType(3)},
        {"a 100k-digit value", "[Keyboard]\r\nKeyboardType=" + std::string(100000, '9') + "\r\n",
         TextFileRead::Read, KeyboardType(INT_MAX)},
        {"thousands of sections and keys", ManySectionsAndKeys(5000), TextFileRead::Read,
         KeyboardType(4)},
        {"odd numbers",
         "[Internal]\r\nPosX=4294967299\r\nPosY=-2147483649\r\n[GeneralSettings]\r\n"
         "DlgBtnBottom=-1\r\nShowDlgBtn=+7\r\nColorType= 2\r\nNo3D=0x10\r\n[Keyboard]\r\n"
         "FloatingSizeType=007\r\nKeyboardType=-2147483648\r\n",
         TextFileRead::Read, Values{INT_MAX, INT_MIN, -1, 7, 2, 0, 7, INT_MIN}},
        {"held open without sharing", KeyboardType3, TextFileRead::Unreadable, Defaults, true},
    };
    for (const auto& c : cases) {
        WriteBytes(path, c.file);
        DateBack(path);
        {
            const OwnedFile held = c.held ? HoldFile(path, GENERIC_READ) : OwnedFile(nullptr);
            EXPECT_EQ(c.read, LoadSettings()) << c.what;
            EXPECT_EQ(c.values, Loaded()) << c.what;
            ReloadChangedSettings(); // as a paint does, while the file is held
        }
        // A file that could not be read is read again at the next look, once it is free.
        ReloadChangedSettings();
        EXPECT_EQ(c.held ? KeyboardType(3) : c.values, Loaded()) << c.what;
        EXPECT_TRUE(ReadBytes(path) == c.file) << c.what;
    }
    DeleteFileW(path.c_str());
    EXPECT_EQ(TextFileRead::Missing, LoadSettings());
}

TEST_F(HostileSettings, ASaveKeepsForeignLinesByteForByteInTheFilesEncoding) {
    const struct {
        const char* what;
        std::string foreignLine;
        std::string (*encode)(const std::string&) = Unchanged; // the file's bytes of the text
    } cases[] = {
        {"ANSI", "S1=M\xFCller"},
        {"every ANSI byte", "S2=" + HighBytes()},
        {"UTF-8", "S1=M\xC3\xBCller"},
        {"UTF-8 beyond 16 bits", "S3=\xF0\x9F\x98\x80"},
        {"UTF-16", "S1=M\xC3\xBCller \xF0\x9F\x98\x80",
         [](const std::string& text) { return Utf16WithByteOrderMark(text); }},
        {"UTF-16, big-endian", "S1=M\xC3\xBCller \xF0\x9F\x98\x80", Utf16BigEndian},
    };
    for (const auto& c : cases) {
        WriteBytes(path, c.encode(AsSaved(c.foreignLine, 3)));
        LoadSettings();
        EXPECT_EQ(3, GetSettings().KeyboardType) << c.what;
        GetSettings().KeyboardType = 4;
        EXPECT_TRUE(SaveSettings()) << c.what;
        EXPECT_EQ(c.encode(AsSaved(c.foreignLine, 4)), ReadBytes(path)) << c.what;
    }
}

TEST_F(HostileSettings, AFileTooLargeToReadIsNotWrittenOver) {
    const std::string file = PaddedTo(KeyboardType3, OneMebibyte + 1);
    WriteBytes(path, file);
    LoadSettings();
    GetSettings().KeyboardType = 4;
    EXPECT_FALSE(SaveSettings());
    GetSettings().Sniplets[0] = L"text";
    EXPECT_FALSE(SaveSniplets());
    EXPECT_TRUE(ReadBytes(path) == file);
}

// Text keys are cut to 255 UTF-16 units (never half a pair), matched like every key, and only
// "Text1" to "Text12" count.
TEST_F(HostileSettings, SnipletsLoadCutToTheirLengthAndOnlyFromTheirTwelveKeys) {
    const std::string emoji = "\xF0\x9F\x98\x80";
    const struct {
        const char* what;
        std::string lines;
        std::map<int, std::wstring> texts;
    } cases[] = {
        {"long texts",
         "Text1=" + std::string(300, 'x') + "\r\nText2=" + std::string(254, 'y') + emoji +
             "\r\nText3=" + std::string(253, 'z') + emoji,
         {{1, std::wstring(255, L'x')},
          {2, std::wstring(254, L'y')},
          {3, std::wstring(253, L'z') + L"\U0001F600"}}},
        {"other keys",
         "Text0=a\r\nText13=b\r\nText01=c\r\nText4\r\nText 5=d\r\nTEXT6=e=f",
         {{6, L"e=f"}}},
        {"empty and repeated",
         "Text7=\r\nText7=late\r\nText8=first\r\nText8=second",
         {{8, L"first"}}},
    };
    for (const auto& c : cases) {
        WriteBytes(path, KeyboardType3 + "[Sniplets]\r\n" + c.lines + "\r\n");
        EXPECT_EQ(TextFileRead::Read, LoadSettings()) << c.what;
        EXPECT_EQ(c.texts, LoadedSniplets()) << c.what;
        EXPECT_EQ(3, GetSettings().KeyboardType) << c.what;
    }
}

// Only the section of the texts changes, and only through `SaveSniplets`; an ANSI file stays
// ANSI unless a text needs more.
TEST_F(HostileSettings, SnipletsSaveTheirSectionAloneAndSurviveTheRoundTrip) {
    const std::string head = "[Tool]\r\nName=M\xFCller\r\n\r\n[Keyboard]\r\nKeyboardType=3\r\n\r\n";
    const std::string utf8Head =
        "[Tool]\r\nName=M\xC3\xBCller\r\n\r\n[Keyboard]\r\nKeyboardType=3\r\n\r\n";
    const struct {
        const char* what;
        std::string file;
        std::map<int, std::wstring> texts;
        std::string saved;
        std::map<int, std::wstring> loaded = {}; // when not the texts themselves
    } cases[] = {
        {"ANSI, held by ANSI",
         head,
         {{1, L"5 \u20AC"}},
         head + "[Sniplets]\r\nText1=5 \x80\r\n\r\n"},
        {"ANSI, beyond ANSI",
         head,
         {{1, L"\u20AC \U0001F600"}},
         utf8Head + "[Sniplets]\r\nText1=\xE2\x82\xAC \xF0\x9F\x98\x80\r\n\r\n"},
        {"no texts left", head + "[Sniplets]\r\nText3=x\r\n", {}, head},
        {"line breaks and control characters",
         head,
         {{1, L"a\r\n[Keyboard]\rKeyboardType=5\n"}, {2, L"b\tc\x7F\x85\x1B"}},
         head + "[Sniplets]\r\nText1=a [Keyboard] KeyboardType=5 \r\nText2=bc\r\n\r\n",
         {{1, L"a [Keyboard] KeyboardType=5 "}, {2, L"bc"}}},
        {"longer than a text",
         head,
         {{1, std::wstring(300, L'x')}, {2, std::wstring(254, L'y') + L"\U0001F600"}},
         head + "[Sniplets]\r\nText1=" + std::string(255, 'x') +
             "\r\nText2=" + std::string(254, 'y') + "\r\n\r\n",
         {{1, std::wstring(255, L'x')}, {2, std::wstring(254, L'y')}}},
    };
    for (const auto& c : cases) {
        WriteBytes(path, c.file);
        LoadSettings();
        for (int i = 0; i < SnipletCount; ++i)
            GetSettings().Sniplets[i] = c.texts.count(i + 1) ? c.texts.at(i + 1) : L"";
        EXPECT_TRUE(SaveSniplets()) << c.what;
        EXPECT_EQ(c.saved, ReadBytes(path)) << c.what;
        LoadSettings();
        EXPECT_EQ(c.loaded.empty() ? c.texts : c.loaded, LoadedSniplets()) << c.what;
        GetSettings().Sniplets[0] = L"not saved with the other settings";
        EXPECT_TRUE(SaveSettings());
        EXPECT_EQ(ReadBytes(path).find("not saved"), std::string::npos) << c.what;
    }
}
