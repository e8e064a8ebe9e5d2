// Drives the built Plinkerpad.dll as the input panel does, recording what it sends back.
#pragma once

#include "foundation/ClassId.h"
#include "platform/sip/sip.h"
#include "tests/support/Files.h"
#include "tests/support/Identity.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

struct TestSettings {
    int ColorType = 1, No3D = 0, KeyboardType = 0, FloatingSizeType = 0;
    std::vector<std::string> Texts = {}; // UTF-8, from "Text1" on
    int KeySize = 0, PhoneOrder = 0;
};

// Writes C:\Plinkerpad.ini as the setup program would, or deletes it.
inline void WriteSettingsFile(const TestSettings& s) {
    std::string text = SettingsText({{"ColorType", s.ColorType},
                                     {"No3D", s.No3D},
                                     {"FloatingSizeType", s.FloatingSizeType},
                                     {"KeyboardType", s.KeyboardType},
                                     {"KeySize", s.KeySize},
                                     {"PhoneOrder", s.PhoneOrder}}) +
                       "[Sniplets]\r\n";
    for (std::size_t i = 0; i < s.Texts.size(); ++i)
        text += "Text" + std::to_string(i + 1) + "=" + s.Texts[i] + "\r\n";
    WriteBytes(SettingsFile, text);
}
inline void RemoveSettingsFile() {
    DeleteFileW(SettingsFile);
}

template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[160];
    snprintf(text, sizeof(text), format, args...);
    return text;
}

// Calls as recorded: "chars vk=55 flags=0x80 n=1 shift=0x80 ch=55", "iminfo flags=1 (0,0,9,9)".
inline std::string CharCall(UINT key, UINT flags, UINT count, UINT shift, UINT character) {
    return Format("chars vk=%u flags=0x%x n=%u shift=0x%x ch=%u", key, flags, count, shift,
                  character);
}
inline std::string ImInfoCall(DWORD flags, const RECT& r) {
    return Format("iminfo flags=%lu (%ld,%ld,%ld,%ld)", flags, r.left, r.top, r.right, r.bottom);
}

// Each key's press and release, {virtual key, character, count (0: no character)}.
inline std::vector<std::string> Typed(std::initializer_list<std::array<UINT, 3>> keys) {
    std::vector<std::string> calls;
    for (const auto& key : keys)
        for (UINT flags : {0x80u, 0x10040u})
            calls.push_back(CharCall(key[0], flags, key[2], flags, key[1]));
    return calls;
}

class RecordingCallback : public IIMCallback {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        const bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IIMCallback);
        *out = known ? this : nullptr;
        return known ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 1; } // lives as long as its test
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP SetImInfo(IMINFO* info) override {
        return Record(ImInfoCall(info->fdwFlags, info->rcSipRect));
    }
    STDMETHODIMP SendVirtualKey(BYTE key, DWORD flags) override {
        return Record(Format("vkey 0x%x %lu", key, flags));
    }
    STDMETHODIMP SendCharEvents(UINT key, UINT flags, UINT count, UINT* shift,
                                UINT* chars) override {
        return Record(CharCall(key, flags, count, *shift, *chars));
    }
    STDMETHODIMP SendString(BSTR text, DWORD count) override {
        char utf8[1024] = "";
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(count), utf8, sizeof(utf8) - 1,
                            nullptr, nullptr);
        return Record(std::string("string ") + utf8); // in UTF-8
    }

    std::vector<std::string> Calls;

private:
    HRESULT Record(const std::string& call) {
        Calls.push_back(call);
        return S_OK;
    }
};

inline std::array<LONG, 4> Sides(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The loaded library, freed with the object.
struct PlinkerpadDll {
    ~PlinkerpadDll() { FreeLibrary(Module); }
    template <typename Function> Function Export(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(Module, name)));
    }
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out) const {
        using Function = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        return Export<Function>("DllGetClassObject")(clsid, iid, out);
    }
    HRESULT Call(const char* name) const { return Export<HRESULT(STDAPICALLTYPE*)()>(name)(); }
    IInputMethod* CreateInputMethod() const {
        IClassFactory* factory = nullptr;
        void* method = nullptr;
        if (SUCCEEDED(GetClassObject(CLSID_Plinkerpad, IID_IClassFactory,
                                     reinterpret_cast<void**>(&factory)))) {
            factory->CreateInstance(nullptr, IID_IInputMethod, &method);
            factory->Release();
        }
        return static_cast<IInputMethod*>(method);
    }

    const HMODULE Module = LoadLibraryW(L"Plinkerpad.dll");
};

inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

// The system's keyboard repeat delay (0 to 3) and speed (0 to 31) in the test's prefix, as they
// were again at the end.
struct SystemKeyRepeat {
    SystemKeyRepeat(UINT delay, UINT speed) {
        SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &saved[0], 0);
        SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &saved[1], 0);
        Set(delay, speed);
    }
    ~SystemKeyRepeat() { Set(saved[0], saved[1]); }
    static void Set(UINT delay, UINT speed) {
        SystemParametersInfoW(SPI_SETKEYBOARDDELAY, delay, nullptr, 0);
        SystemParametersInfoW(SPI_SETKEYBOARDSPEED, speed, nullptr, 0);
    }
    UINT saved[2] = {1, 31};
};

// A bare top-level panel window (no border: its client rectangle is its window rectangle).
inline HWND CreatePanelWindow(int left, int top, int width, int height) {
    HWND panel = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, left, top,
                                 width, height, nullptr, nullptr, nullptr, nullptr);
    PumpMessages();
    return panel;
}

inline HWND FindKeyboardWindow(HWND panel) {
    return FindWindowExW(panel, nullptr, L"PlinkerpadWndCls", nullptr);
}

inline LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}
