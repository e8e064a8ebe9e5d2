#include "foundation/TextFile.h"

#include "foundation/OwnedHandle.h"

#include <utility>

namespace {

OwnedFile OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return OwnedFile(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// The only file read is the settings file, a few hundred bytes long. The input method reads it
// again at a paint whenever it has changed, so a bound on its size is a bound on the time a
// hostile file can stall the keyboard.
constexpr LONGLONG MaxFileBytes = 1 << 20;

UINT CodePageOf(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? CP_UTF8 : CP_ACP;
}

constexpr char LittleEndianMark[] = "\xFF\xFE";
constexpr char BigEndianMark[] = "\xFE\xFF";

bool IsUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian;
}

// The units after the two bytes of the mark, in the byte order it names.
std::wstring DecodeUtf16(const std::string& bytes, TextEncoding encoding) {
    const int high = encoding == TextEncoding::Utf16BigEndian ? 0 : 1;
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char* unit = reinterpret_cast<const unsigned char*>(&bytes[2 + 2 * i]);
        text[i] = static_cast<wchar_t>(unit[high] << 8 | unit[1 - high]);
    }
    return text;
}

std::string EncodeUtf16(const std::wstring& text, TextEncoding encoding) {
    const bool big = encoding == TextEncoding::Utf16BigEndian;
    std::string bytes(big ? BigEndianMark : LittleEndianMark);
    for (const wchar_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += big ? high : low;
        bytes += big ? low : high;
    }
    return bytes;
}

// UTF-16 after its byte-order mark; else UTF-8 when the bytes are valid UTF-8, else the ANSI
// code page: nothing becomes U+FFFD.
std::wstring Decode(const std::string& bytes, TextEncoding& encoding) {
    for (const auto& [mark, markedEncoding] :
         {std::pair{LittleEndianMark, TextEncoding::Utf16LittleEndian},
          std::pair{BigEndianMark, TextEncoding::Utf16BigEndian}}) {
        if (bytes.compare(0, 2, mark) == 0) {
            encoding = markedEncoding;
            return DecodeUtf16(bytes, encoding);
        }
    }
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
    if (IsUtf16(encoding))
        return EncodeUtf16(text, encoding);
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
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? TextFileRead::Missing
                   : TextFileRead::Unreadable;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
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
