// Drives the built Plinkerpad.dll as the input panel does: loads it, creates the input method,
// selects it into a real panel window and records what it sends back.
#pragma once

#include "platform/sip.h"

#include <string>
#include <vector>

// {9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}
inline constexpr CLSID TestClsid = {
    0x9B1C7E42, 0x5D3A, 0x4F60, {0x8E, 0x21, 0xC4, 0x7A, 0x0B, 0x93, 0xD6, 0x15}};

struct TestSettings {
    int ColorType = 1;
    int No3D = 0;
    int KeyboardType = 0;
    int FloatingSizeType = 0;
};

// Writes C:\Plinkerpad.ini as the setup program would; RemoveSettingsFile deletes it.
void WriteSettingsFile(const TestSettings& settings);
void RemoveSettingsFile();

// Every call the input method makes, one line each, e.g. "chars vk=55 flags=0x80 n=1
// shift=0x80 ch=55", "vkey 0xa2 4", "iminfo flags=1 (157,161,272,221)".
class RecordingCallback : public IIMCallback {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refCount; }
    STDMETHODIMP_(ULONG) Release() override { return --refCount; }
    STDMETHODIMP SetImInfo(IMINFO* info) override;
    STDMETHODIMP SendVirtualKey(BYTE key, DWORD flags) override;
    STDMETHODIMP SendCharEvents(UINT key, UINT flags, UINT count, UINT* shift,
                                UINT* chars) override;
    STDMETHODIMP SendString(BSTR text, DWORD count) override;

    std::vector<std::string> Calls;
    LONG refCount = 1;
};

std::string CharCall(UINT key, UINT flags, UINT count, UINT character);
std::string PressOf(UINT key, UINT character);
std::string ReleaseOf(UINT key, UINT character);
std::string VirtualKeyPress(UINT key);
std::string VirtualKeyRelease(UINT key);
std::string ImInfoCall(DWORD flags, const RECT& rect);

// The loaded library and its four exports; the library is freed with the object.
class PlinkerpadDll {
public:
    PlinkerpadDll();
    ~PlinkerpadDll();
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out) const;
    HRESULT CanUnloadNow() const;
    HRESULT Register() const;
    HRESULT Unregister() const;
    HMODULE Module() const { return module; }
    // A new input method through the class factory, or null.
    IInputMethod* CreateInputMethod() const;

private:
    HMODULE module;
};

// Processes every pending message of this thread.
void PumpMessages();

// A bare top-level panel window (no border: its client rectangle is its window rectangle).
HWND CreatePanelWindow(int left, int top, int width, int height);

// The child the input method created in the panel.
HWND FindKeyboardWindow(HWND panel);

LPARAM PointParam(int x, int y);
