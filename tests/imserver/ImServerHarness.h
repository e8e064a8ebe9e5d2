// Drives the built Plinkerpad.dll as the input panel does: loads it, creates the input method,
// selects it into a real panel window and records what it sends back.
#pragma once

#include "platform/sip/sip.h"

#include <array>
#include <string>
#include <vector>

// {9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}
inline constexpr CLSID TestClsid = {
    0x9B1C7E42, 0x5D3A, 0x4F60, {0x8E, 0x21, 0xC4, 0x7A, 0x0B, 0x93, 0xD6, 0x15}};

struct TestSettings {
    int ColorType = 1, No3D = 0, KeyboardType = 0, FloatingSizeType = 0;
};

// Writes C:\Plinkerpad.ini as the setup program would, or deletes it.
void WriteSettingsFile(const TestSettings& settings);
inline void RemoveSettingsFile() {
    DeleteFileW(L"C:\\Plinkerpad.ini");
}

// Records every call, one line each: "chars vk=55 flags=0x80 n=1 shift=0x80 ch=55",
// "vkey 0xa2 4", "iminfo flags=1 (157,161,272,221)".
class RecordingCallback : public IIMCallback {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP SetImInfo(IMINFO* info) override;
    STDMETHODIMP SendVirtualKey(BYTE key, DWORD flags) override;
    STDMETHODIMP SendCharEvents(UINT key, UINT flags, UINT count, UINT* shift,
                                UINT* chars) override;
    STDMETHODIMP SendString(BSTR, DWORD) override;

    std::vector<std::string> Calls;
    ULONG references = 1;
};

// The press and the release of each key in turn, {virtual key, character, count}; count 0 is a
// virtual key without a character.
std::vector<std::string> Typed(std::initializer_list<std::array<UINT, 3>> keys);
std::string ImInfoCall(DWORD flags, const RECT& rect);

inline std::array<LONG, 4> Sides(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The loaded library, freed with the object.
struct PlinkerpadDll {
    ~PlinkerpadDll() { FreeLibrary(Module); }
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out) const;
    // An export without arguments: DllCanUnloadNow, DllRegisterServer, DllUnregisterServer.
    HRESULT Call(const char* name) const;
    // A new input method through the class factory, or null.
    IInputMethod* CreateInputMethod() const;

    const HMODULE Module = LoadLibraryW(L"Plinkerpad.dll");
};

void PumpMessages();

// A bare top-level panel window (no border: its client rectangle is its window rectangle).
HWND CreatePanelWindow(int left, int top, int width, int height);

HWND FindKeyboardWindow(HWND panel);

// A mouse message's point: x and y as 16-bit words.
inline LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}
