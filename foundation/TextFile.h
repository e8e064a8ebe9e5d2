// Whole text files: read in one go, and replaced in one step so that a reader sees the old file
// or the new one, never a mix, and a failed write leaves the old file as it was. A file that
// starts with a UTF-16 byte-order mark (what editors save as "Unicode") is UTF-16 of that byte
// order. A file whose bytes are not valid UTF-8 was written by another tool in the ANSI code page.
// Each is read as such and written back the same way, so that the lines this system does not own
// keep their bytes, unless the text can no longer be written in the ANSI code page: then the file
// becomes UTF-8.
#pragma once

#include <string>

enum class TextEncoding { Utf8, Ansi, Utf16LittleEndian, Utf16BigEndian };

enum class TextFileRead { Read, Missing, Unreadable, TooLarge };

// Missing when there is no such file; Unreadable when it cannot be opened or read (another
// program may hold it open without sharing); TooLarge, and nothing read, when it is over the size
// limit of the reader. The text and its encoding are set only when the file is read. A leading
// byte-order mark is not part of the text; a UTF-16 file's odd last byte is dropped.
TextFileRead ReadTextFile(const std::wstring& path, std::wstring& text, TextEncoding& encoding);

// Writes the text to a temporary file in the same folder, then moves it over the target.
bool ReplaceTextFile(const std::wstring& path, const std::wstring& text, TextEncoding encoding);
