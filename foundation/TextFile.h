// Whole text files in UTF-8: read in one go, and replaced in one step so that a reader sees the
// old file or the new one, never a mix, and a failed write leaves the old file as it was.
#pragma once

#include <string>

// False when the file cannot be opened for reading. A leading UTF-8 byte-order mark is skipped.
bool ReadTextFile(const std::wstring& path, std::wstring& text);

// Writes the text to a temporary file in the same folder, then moves it over the target.
bool ReplaceTextFile(const std::wstring& path, const std::wstring& text);
