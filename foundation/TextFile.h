// Whole text files: read in one go, and replaced in one step so that a reader sees the old file
// or the new one, never a mix, and a failed write leaves the old file as it was. A file whose
// bytes are not valid UTF-8 was written by another tool in the ANSI code page; it is read as such
// and written back the same way, so that the lines this system does not own keep their bytes,
// unless the text can no longer be written in that code page: then the file becomes UTF-8.
#pragma once

#include <string>

enum class TextEncoding { Utf8, Ansi };

enum class TextFileRead { Read, Unreadable, TooLarge };

// Unreadable when the file cannot be opened or read; TooLarge, and nothing read, when it is over
// the size limit of the reader. The text and its encoding are set only when the file is read. A
// leading UTF-8 byte-order mark is skipped.
TextFileRead ReadTextFile(const std::wstring& path, std::wstring& text, TextEncoding& encoding);

// Writes the text to a temporary file in the same folder, then moves it over the target.
bool ReplaceTextFile(const std::wstring& path, const std::wstring& text, TextEncoding encoding);
