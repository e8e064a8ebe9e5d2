#include "foundation/TextFile.h"

#include "foundation/OwnedHandle.h"

namespace {

OwnedFile OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return OwnedFile(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// The only file read is the settings file, a few hundred bytes long. The input method reads it
// at every paint, so a bound on its size is a bound on the time a hostile file can stall the
// keyboard.
constexpr LONGLONG MaxFileBytes = 1 << 20;

UINT CodePageOf(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? CP_UTF8 : CP_ACP;
}

// UTF-8 when the bytes are valid UTF-8, else the ANSI code page: nothing becomes U+FFFD.
std::wstring Decode(const std::string& bytes, TextEncoding& encoding) {
    size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int length = static_cast<int>(bytes.size() - start);
    encoding = TextEncoding::Utf8;
    if (length == 0)
        return std::wstring();
    const char* data = bytes.data() + start;
    int count = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, data, length, nullptr, 0);
    if (count == 0) {
        encoding = TextEncoding::Ansi;
        count = MultiByteToWideChar(CP_ACP, 0, data, length, nullptr, 0);
    }
    std::wstring text(count, L'\0');
    MultiByteToWideChar(CodePageOf(encoding), 0, data, length, text.data(), count);
    return text;
}

std::string BytesIn(UINT codePage, const std::wstring& text) {
    if (text.empty())
        return std::string();
    int length = static_cast<int>(text.size());
    int count = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(count, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), count, nullptr, nullptr);
    return bytes;
}

// An ANSI file stays ANSI while its bytes read back as the same text. A character the code page
// lacks (an emoji, say) would become "?", and ANSI bytes that happen to be valid UTF-8 would be
// read as UTF-8: the file then becomes UTF-8, which loses nothing.
std::string Encode(const std::wstring& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Ansi) {
        std::string bytes = BytesIn(CP_ACP, text);
        TextEncoding read;
        if (Decode(bytes, read) == text)
            return bytes;
    }
    return BytesIn(CP_UTF8, text);
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

TextFileRead ReadTextFile(const std::wstring& path, std::wstring& text, TextEncoding& encoding) {
    OwnedFile file = OpenFile(
        path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file, &size))
        return TextFileRead::Unreadable;
    if (size.QuadPart > MaxFileBytes)
        return TextFileRead::TooLarge;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return TextFileRead::Unreadable;
    bytes.resize(read);
    text = Decode(bytes, encoding);
    return TextFileRead::Read;
}

bool ReplaceTextFile(const std::wstring& path, const std::wstring& text, TextEncoding encoding) {
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"pad", 0, temporary))
        return false;
    if (WriteWholeFile(temporary, Encode(text, encoding)) &&
        MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}
