// IInputMethod as the input panel drives it: selection, information, options.
#include "tests/imserver/SelectedKeyboard.h"

#include <commctrl.h>

#include <algorithm>

namespace {

using InputMethod = SelectedKeyboard;

// The keyboard is a double-clicking child over the whole panel; GetInfo writes no further than
// the caller's cbSize (0 is taken for the whole structure); there are no input method data;
// Deselect destroys it and its class, and a failed Select leaves nothing in the next one's way.
TEST_F(InputMethod, SelectGetInfoOptionsAndDeselect) {
    Start({1, 0, 4, 0}); // "Big numeric": 10 x 23 + 15 by 4 x 23
    IMINFO info = {};
    EXPECT_EQ(method->GetInfo(nullptr), E_POINTER);
    ASSERT_EQ(method->GetInfo(&info), S_OK);
    EXPECT_EQ(info.cbSize, sizeof(IMINFO));
    EXPECT_EQ(info.fdwFlags, static_cast<DWORD>(SIPF_DOCKED));
    EXPECT_EQ(std::make_pair(info.iNarrow, info.iWide), std::make_pair(0, 0));
    EXPECT_EQ(Sides(info.rcSipRect), (std::array<LONG, 4>{0, 0, 245, 92}));
    for (const auto& [images, width] : {std::pair{info.hImageNarrow, 16}, {info.hImageWide, 32}}) {
        int cx = 0, cy = 0;
        EXPECT_EQ(ImageList_GetImageCount(static_cast<HIMAGELIST>(images)), 1);
        ImageList_GetIconSize(static_cast<HIMAGELIST>(images), &cx, &cy);
        EXPECT_EQ(std::make_pair(cx, cy), std::make_pair(width, 16));
    }
    std::array<BYTE, sizeof(IMINFO)> small; // a structure of 16 bytes, and what follows it
    small.fill(0xAB);
    reinterpret_cast<IMINFO*>(small.data())->cbSize = 16;
    ASSERT_EQ(method->GetInfo(reinterpret_cast<IMINFO*>(small.data())), S_OK);
    EXPECT_EQ(std::count(small.begin() + 16, small.end(), 0xAB), sizeof(IMINFO) - 16)
        << "written past cbSize 16";
    EXPECT_EQ(GetWindowLongPtrW(keyboard, GWL_STYLE) & 0xFFFF0000, 0x50800000);
    EXPECT_EQ(GetDlgCtrlID(keyboard), 10);
    EXPECT_EQ(GetClassLongPtrW(keyboard, GCL_STYLE) & CS_DBLCLKS, CS_DBLCLKS);
    RECT window;
    GetWindowRect(keyboard, &window);
    EXPECT_EQ(Sides(window), (std::array<LONG, 4>{100, 150, 340, 230}));
    char buffer[8] = "unset";
    EXPECT_EQ(method->GetImData(sizeof(buffer), buffer), E_FAIL);
    EXPECT_STREQ(buffer, "unset");
    EXPECT_EQ(method->SetImData(sizeof(buffer), buffer), S_OK);
    if (GetFileAttributesW(L"C:\\windows\\PlinkerpadSetup.exe") == INVALID_FILE_ATTRIBUTES) {
        EXPECT_EQ(method->UserOptionsDlg(panel), S_OK); // even without the setup program
    }
    EXPECT_EQ(method->Deselect(), S_OK);
    EXPECT_FALSE(IsWindow(keyboard));
    WNDCLASSW windowClass;
    EXPECT_FALSE(GetClassInfoW(dll->Module, L"PlinkerpadWndCls", &windowClass));
    EXPECT_EQ(method->Select(reinterpret_cast<HWND>(0x1234)), E_FAIL);
    EXPECT_FALSE(GetClassInfoW(dll->Module, L"PlinkerpadWndCls", &windowClass));
    EXPECT_EQ(method->Select(panel), S_OK);
}

// Before any Select, Deselect has nothing to act on and GetInfo asks for the docked size of
// the keyboard in the settings, without icons; an unknown type shows "Numeric", an unknown key
// size Standard. Large rows and columns are 1.5 times as large, Extra large ones twice, and all
// of it in proportion to the screen's DPI: this program runs in a 96 DPI prefix and again in one
// of 144 DPI.
TEST(PanelSize, GetInfoBeforeSelectAsksForTheDockedSizeOfEachKeyboardKeySizeAndDpi) {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(dpi == 96 || dpi == 144) << dpi;
    const struct {
        int Type, KeySize;
        std::array<LONG, 2> At96, At144;
    } cases[] = {
        {0, 0, {130, 69}, {198, 105}},  {1, 0, {130, 92}, {198, 140}},
        {2, 0, {176, 69}, {268, 105}},  {3, 0, {153, 92}, {233, 140}},
        {4, 0, {245, 92}, {373, 140}},  {5, 0, {314, 12}, {478, 18}},
        {6, 0, {130, 69}, {198, 105}},  {0, 1, {198, 105}, {294, 156}},
        {0, 2, {260, 138}, {390, 207}}, {4, 1, {373, 140}, {554, 208}},
        {5, 2, {628, 24}, {942, 36}},   {0, 3, {130, 69}, {198, 105}},
    };
    for (const auto& c : cases) {
        WriteSettingsFile({1, 0, c.Type, 0, {}, c.KeySize});
        PlinkerpadDll dll;
        IInputMethod* method = dll.CreateInputMethod();
        ASSERT_NE(method, nullptr);
        EXPECT_EQ(method->Deselect(), S_OK);
        IMINFO info = {};
        ASSERT_EQ(method->GetInfo(&info), S_OK);
        const std::array<LONG, 2> wanted = dpi == 96 ? c.At96 : c.At144;
        EXPECT_EQ(Sides(info.rcSipRect), (std::array<LONG, 4>{0, 0, wanted[0], wanted[1]}))
            << "type " << c.Type << ", key size " << c.KeySize;
        EXPECT_EQ(info.hImageNarrow, nullptr);
        method->Release();
    }
    RemoveSettingsFile();
}

} // namespace
