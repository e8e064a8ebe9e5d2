#include "foundation/TextFile.h"

#include "foundation/OwnedHandle.h"

namespace {

OwnedFile OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return OwnedFile(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

std::wstring FromUtf8(const std::string& bytes) {
    size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int length = static_cast<int>(bytes.size() - start);
    if (length == 0)
        return std::wstring();
    int count = MultiByteToWideChar(CP_UTF8, 0, bytes.data() + start, length, nullptr, 0);
    std::wstring text(count, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data() + start, length, text.data(), count);
    return text;
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int length = static_cast<int>(text.size());
    int count = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(count, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), count, nullptr, nullptr);
    return bytes;
}

std::wstring FolderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return L".";
    return path.substr(0, slash + 1);
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    OwnedFile file = OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file)
        return false;
    DWORD written = 0;
    bool ok = bytes.empty() ||
              (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size());
    return ok && FlushFileBuffers(file);
}

} // namespace

bool ReadTextFile(const std::wstring& path, std::wstring& text) {
    OwnedFile file = OpenFile(
        path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    if (!file)
        return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return false;
    bytes.resize(read);
    text = FromUtf8(bytes);
    return true;
}

bool ReplaceTextFile(const std::wstring& path, const std::wstring& text) {
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"pad", 0, temporary))
        return false;
    if (WriteWholeFile(temporary, ToUtf8(text)) &&
        MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}
