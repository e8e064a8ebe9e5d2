#include "tests/support/Files.h"

#include "tests/support/Identity.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    // Wine reuses process IDs quickly: count on until the folder is really a new one.
    for (unsigned attempt = 0;; ++attempt) {
        folder = std::wstring(base) + L"plinker-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt);
        if (CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
}

TempFolder::~TempFolder() {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW(Path(found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << bytes;
}

std::string SettingsText(const SettingValues& values) {
    std::istringstream lines("[Internal]\nPosX=50\nPosY=50\n\n[GeneralSettings]\nDlgBtnBottom=0\n"
                             "ShowDlgBtn=1\nColorType=1\nNo3D=1\n\n[Keyboard]\n"
                             "FloatingSizeType=0\nKeyboardType=0\nKeySize=0\nPhoneOrder=0\n\n");
    std::string text;
    for (std::string line; std::getline(lines, line);) {
        const auto value = values.find(line.substr(0, line.find('=')));
        text += value == values.end() ? line : value->first + "=" + std::to_string(value->second);
        text += "\r\n";
    }
    return text;
}

void WriteSettingsFile(const SettingValues& values) {
    WriteBytes(SettingsFile, SettingsText(values));
}

std::string ReadSettingsFile() {
    return ReadBytes(SettingsFile);
}
