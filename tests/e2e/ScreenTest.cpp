// What the keyboard shows on the screen after it floated, docked and had its settings changed in
// the setup program: the same pixels as a freshly started keyboard of that state and size, keys
// that type what they show, and a panel as large as the keyboard asks for.

#include "KeyboardSession.h"
#include "tests/support/XMouse.h"
#include "keyboard/KeyboardTypes.h"
#include "resources/SetupResources.h"
#include "tests/support/Files.h"
#include "tests/support/Rects.h"
#include "tools/Picture.h"

#include <objbase.h>

namespace {

SIZE ScreenSize() {
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// The floating keyboard is dropped with its top-left corner here, low on the right, clear of
// notepad and, on a 640 x 480 screen, of the setup program's controls.
POINT FloatingCorner() {
    return POINT{ScreenSize().cx - 190, ScreenSize().cy - 110};
}

// The keys, the strip and room beside them: Small keys are 20 pixels, Large numeric keys 32.
RECT FloatingRect(int keyboardType, int keySize) {
    const POINT corner = FloatingCorner();
    const KeyboardType& type = KeyboardTypes[keyboardType];
    return RECT{corner.x, corner.y, corner.x + type.Columns * keySize + 15,
                corner.y + type.Rows * keySize};
}

// The bottom of the screen, as high as the type's rows ask.
RECT DockedRect(int keyboardType) {
    const KeyboardType& type = KeyboardTypes[keyboardType];
    return RECT{0, ScreenSize().cy - type.Rows * type.DockedRowHeight, ScreenSize().cx,
                ScreenSize().cy};
}

// A freshly started keyboard's own drawing at its size and place: a window of this process covers
// it a moment and goes, and the keyboard paints all that it uncovers.
Picture Uncovered(HWND keyboard) {
    const RECT area = WindowRect(keyboard);
    HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, L"STATIC",
                                 L"", WS_POPUP, area.left, area.top, area.right - area.left,
                                 area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
    SetWindowPos(cover, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    const Picture covered = SteadyScreen(area);
    DestroyWindow(cover);
    return SteadyScreen(area, &covered);
}

// Written beside the test for a look when they differ.
testing::AssertionResult SamePicture(const Picture& shown, const Picture& fresh,
                                     const std::string& name) {
    if (shown.Width() == fresh.Width() && shown.Height() == fresh.Height() &&
        shown.SamePixels(fresh))
        return testing::AssertionSuccess();
    const std::wstring stem = L"screen-" + std::wstring(name.begin(), name.end());
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // for the PNG encoder
    shown.SavePng(stem + L"-shown.png");
    fresh.SavePng(stem + L"-fresh.png");
    if (SUCCEEDED(com))
        CoUninitialize();
    return testing::AssertionFailure()
           << name << ": the keyboard differs from a fresh one (" << shown.Width() << "x"
           << shown.Height() << " against " << fresh.Width() << "x" << fresh.Height() << "), see "
           << testing::PrintToString(stem) << "-*.png";
}

class Screen : public KeyboardSession {
protected:
    // The strip is grabbed 4 pixels from the client's left and 20 down, and dropped so that the
    // keyboard's corner lands on FloatingCorner().
    void Float() {
        const RECT client = ClientOnScreen(keyboard);
        const POINT grab{4, 20};
        const POINT corner = FloatingCorner();
        XDrag(POINT{client.left + grab.x, client.top + grab.y},
              POINT{corner.x + grab.x, corner.y + grab.y});
    }
    void Dock() {
        const RECT client = ClientOnScreen(keyboard);
        XDoubleClick(POINT{client.left + 4, client.top + 20});
    }
    // The panel, and the keyboard that follows it, stand at the rectangle.
    testing::AssertionResult Stands(const RECT& place) {
        const testing::AssertionResult moved = WindowAt(panel, place);
        return moved ? WindowAt(keyboard, place) : moved;
    }
    // The keyboard window as it stands on the screen, once its painting has settled.
    Picture Shown() { return SteadyScreen(WindowRect(keyboard)); }
};

TEST_F(Screen, AfterFloatDockAndSetupChangesTheKeyboardDrawsWhatAFreshOneDrawsAndTypesIt) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0));
    ASSERT_TRUE(Stands(DockedRect(0)));

    Float();
    ASSERT_TRUE(Stands(FloatingRect(0, 20)));
    const Picture floating = Shown();
    EXPECT_EQ(ShownMenu(), nullptr) << "a drag opens no menu";
    Tap({{2, 3}, {0, 1}}); // 3 7
    EXPECT_TRUE(NotepadShows(L"37"));

    Dock();
    ASSERT_TRUE(Stands(DockedRect(0)));
    const Picture docked = Shown();
    Tap({{2, 0}, {1, 2}}); // 0 5
    EXPECT_TRUE(NotepadShows(L"3705"));

    // Another type, scheme, look and floating size: the docked panel takes the four rows' height.
    UseSetupProgram([&](HWND main) {
        EditPage(main, IDC_GENERAL, L"General", [&](HWND page) {
            ClickButton(page, L"Colored");
            ClickButton(page, L"No 3D (maximize speed)");
        });
        EditPage(main, IDC_KEYBOARD, L"Finger", [&](HWND page) {
            ClickButton(page, KeyboardTypes[3].Name);
            ClickButton(page, L"Large");
        });
    });
    ASSERT_TRUE(Stands(DockedRect(3)));
    const Picture extendedHex = Shown();
    Tap({{0, 1}, {2, 4}, {3, 2}, {1, 1}}); // C 3 0 D
    EXPECT_TRUE(NotepadShows(L"3705C30D"));

    Float();
    ASSERT_TRUE(Stands(FloatingRect(3, 20)));
    const Picture extendedHexFloating = Shown();
    Tap({{2, 0}, {3, 5}}); // A +
    EXPECT_TRUE(NotepadShows(L"3705C30DA+"));

    // Fresh keyboards of the same states.
    ASSERT_NO_FATAL_FAILURE(RestartPanel());
    ASSERT_TRUE(Stands(DockedRect(3)));
    EXPECT_TRUE(SamePicture(extendedHex, Shown(), "extended-hex-docked"));
    Float();
    ASSERT_TRUE(Stands(FloatingRect(3, 20)));
    EXPECT_TRUE(SamePicture(extendedHexFloating, Uncovered(keyboard), "extended-hex-floating"));

    WriteSettingsFile({{"KeyboardType", 0}});
    ASSERT_NO_FATAL_FAILURE(RestartPanel());
    ASSERT_TRUE(Stands(DockedRect(0)));
    EXPECT_TRUE(SamePicture(docked, Shown(), "numeric-docked"));
    Float();
    ASSERT_TRUE(Stands(FloatingRect(0, 20)));
    EXPECT_TRUE(SamePicture(floating, Uncovered(keyboard), "numeric-floating"));
}

// Saved while the keyboard floats (on a screen with room for it beside the setup program), a
// new floating size reaches it with its corner kept.
TEST_F(Screen, FloatingKeyboardTakesANewFloatingSizeInPlace) {
    ASSERT_NO_FATAL_FAILURE(StartSession(0));
    Float();
    ASSERT_TRUE(Stands(FloatingRect(0, 20)));
    UseSetupProgram([&](HWND main) {
        EditPage(main, IDC_KEYBOARD, L"Finger", [&](HWND page) { ClickButton(page, L"Large"); });
    });
    ASSERT_TRUE(Stands(FloatingRect(0, 32)));
    const Picture large = Shown();
    Tap({{1, 2}, {2, 4}}); // 5 .
    EXPECT_TRUE(NotepadShows(L"5."));

    ASSERT_NO_FATAL_FAILURE(RestartPanel());
    Float();
    ASSERT_TRUE(Stands(FloatingRect(0, 32)));
    EXPECT_TRUE(SamePicture(large, Uncovered(keyboard), "numeric-floating-large"));
}

} // namespace
