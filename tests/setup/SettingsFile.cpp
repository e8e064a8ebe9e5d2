#include "tests/setup/SettingsFile.h"

#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

const wchar_t SettingsPath[] = L"C:\\Plinkerpad.ini";

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

std::string Line(const char* key, int value) {
    return key + ("=" + std::to_string(value)) + "\r\n";
}

} // namespace

std::string FileValues::Text() const {
    return "[Internal]\r\n" + Line("PosX", PosX) + Line("PosY", PosY) + "\r\n" +
           "[GeneralSettings]\r\n" + Line("DlgBtnBottom", DlgBtnBottom) +
           Line("ShowDlgBtn", ShowDlgBtn) + Line("ColorType", ColorType) + Line("No3D", No3D) +
           "\r\n" + "[Keyboard]\r\n" + Line("FloatingSizeType", FloatingSizeType) +
           Line("KeyboardType", KeyboardType) + "\r\n";
}

void WriteSettingsFile(const std::string& bytes) {
    File file(_wfopen(SettingsPath, L"wb"), fclose);
    fwrite(bytes.data(), 1, bytes.size(), file.get());
}

std::string ReadSettingsFile() {
    File file(_wfopen(SettingsPath, L"rb"), fclose);
    std::string bytes;
    char buffer[1024];
    for (size_t got; file && (got = fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        bytes.append(buffer, got);
    }
    return bytes;
}

void RemoveSettingsFile() {
    DeleteFileW(SettingsPath);
}
