// A fresh folder of the test's own, removed with everything in it at the end.
#pragma once

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::wstring Path(const std::wstring& name) const { return folder + L"\\" + name; }

private:
    std::wstring folder;
};

// Whole-file helpers that bypass the code under test.
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
