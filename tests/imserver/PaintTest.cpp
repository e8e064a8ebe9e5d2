// The keyboard's real pixels: colours, corners, shadows, pressed keys, strip, pictures, labels.
#include "foundation/OwnedHandle.h"
#include "tests/imserver/SelectedKeyboard.h"
#include "tests/support/Rects.h"

#include <psapi.h>

namespace {

constexpr COLORREF Black = 0x000000, White = 0xFFFFFF, Gray = 0xC0C0C0, CornerGray = 0x909090;
constexpr COLORREF StripGray = 0x808080; // the stock grey brush

class Painting : public SelectedKeyboard {
protected:
    void Show(const TestSettings& wanted, bool alternate = false) {
        Start(wanted);
        if (alternate)
            TapCell(0, 0);
        Repaint();
    }
    // A pixel inside the face of a key, clear of its label.
    COLORREF FacePixel(int row, int column) const {
        const RECT face = Grid().Face(row, column);
        return Pixel(face.left + 3, face.bottom - 4);
    }
    // Pixels inside the frame unlike the picture centred in the face (its white shows the face).
    int PictureMismatches(const wchar_t* resource, const RECT& face, COLORREF faceColour) const {
        const OwnedBitmap picture(
            static_cast<HBITMAP>(LoadImageW(dll->Module, resource, IMAGE_BITMAP, 0, 0, 0)));
        const OwnedMemoryDc memory(CreateCompatibleDC(nullptr));
        const SelectedObject selected(memory, picture);
        const POINT at = {face.left + (face.right - face.left - 16) / 2,
                          face.top + (face.bottom - face.top - 16) / 2};
        const RECT inside = {face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
        int mismatches = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (const COLORREF source = GetPixel(memory, x, y);
                    PtInRect(&inside, {at.x + x, at.y + y}))
                    mismatches +=
                        Pixel(at.x + x, at.y + y) != (source == White ? faceColour : source);
        return mismatches;
    }
    // The bounds of the black (or other) pixels inside a face, clear of its frame.
    RECT Ink(const RECT& face, COLORREF colour = Black) const {
        RECT ink = {};
        for (int y = face.top + 2; y < face.bottom - 2; ++y)
            for (int x = face.left + 2; x < face.right - 2; ++x)
                if (const RECT dot = {x, y, x + 1, y + 1}; Pixel(x, y) == colour)
                    UnionRect(&ink, &ink, &dot);
        return ink;
    }
};

// "7" of a painted keyboard: its face colour, its corners inside frame and shadow (soft in every
// scheme but black and white) and its frame. Which key has which colour and picture is the
// model's, tested there; pictures are drawn on the text page.
TEST_F(Painting, FacesAndCorners) {
    const struct {
        int ColorType;
        COLORREF Face, Corner;
    } cases[] = {{0, White, White}, {2, 0xFFA0A0, CornerGray}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ColorType);
        Show({c.ColorType, 0, 0, 0});
        const RECT f = Grid().Face(0, 1);
        EXPECT_EQ(FacePixel(0, 1), c.Face);
        for (const POINT corner : {POINT{f.left + 1, f.top + 1},
                                   {f.right - 2, f.top + 1},
                                   {f.left + 1, f.bottom - 2},
                                   {f.right - 2, f.bottom - 2}})
            EXPECT_EQ(Pixel(corner.x, corner.y), c.Corner);
        EXPECT_EQ(Pixel(f.left, f.top + 5), Black); // the frame
    }
}

// Rightwards and down from a face's edge, a shadowed key has a doubled edge and a white gap; a
// flat key shares its frame with its grey neighbour. A pressed key turns black right after the
// press, its label white where it was black, grey again when the finger slides off or lifts; a
// full repaint while it is pressed draws the keyboard and the key over it.
TEST_F(Painting, ShadowedOrFlatKeysAndThePressedKey) {
    const struct {
        int No3D;
        COLORREF Right[3], Below[2];
    } cases[] = {{0, {Black, Black, White}, {Black, White}},
                 {1, {Gray, Black, Gray}, {Black, Gray}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.No3D);
        Show({1, c.No3D, 0, 0});
        const RECT face = Grid().Face(1, 1);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Pixel(face.right - 1 + i, face.top + 5), c.Right[i]) << i;
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(Pixel(face.left + 5, face.bottom + i), c.Below[i]) << i;
        EXPECT_EQ(Pixel(face.right - 2 + c.No3D, face.top + 1), CornerGray);
        EXPECT_EQ(Pixel(4, 30), StripGray);
        const POINT seven = Grid().Centre(0, 1), eight = Grid().Centre(0, 2);
        const RECT label = Ink(Grid().Face(0, 1));
        ASSERT_FALSE(IsRectEmpty(&label));
        const COLORREF eightFace = FacePixel(0, 2);
        Send(WM_LBUTTONDOWN, seven);
        PumpUntil([&] { return FacePixel(0, 1) == Black; }, 5000);
        EXPECT_EQ(FacePixel(0, 1), Black) << "the press shows the key";
        Repaint(true);
        EXPECT_EQ(Ink(Grid().Face(0, 1), White), label);
        EXPECT_EQ(FacePixel(0, 1), Black);
        EXPECT_EQ(Pixel(4, 30), StripGray) << "a paint while a key is held draws the keyboard";
        EXPECT_EQ(FacePixel(0, 2), eightFace);
        Send(WM_MOUSEMOVE, eight);
        UpdateWindow(keyboard);
        EXPECT_EQ(FacePixel(0, 1), Gray);
        EXPECT_EQ(Pixel(4, 30), StripGray);
        Send(WM_LBUTTONUP, eight);
        Send(WM_LBUTTONDOWN, eight);
        PumpUntil([&] { return FacePixel(0, 2) == Black; }, 5000);
        Send(WM_LBUTTONUP, eight);
        UpdateWindow(keyboard);
        EXPECT_EQ(FacePixel(0, 2), eightFace) << "the lift repaints the key's cell";
    }
}

// The settings file and the panel's size are read again at the next paint: the last key shows
// its new face and frame where it now belongs, and the label "7" is centred on one line. The
// change comes as file times step coarsely: the file's size and write time stay as they were.
TEST_F(Painting, ChangedSettingsAndPanelSizeShowAtTheNextPaint) {
    WIN32_FILE_ATTRIBUTE_DATA before = {};
    GetFileAttributesExW(SettingsFile, GetFileExInfoStandard, &before);
    ChangeSettings({0, 0, 0, 0});
    {
        const OwnedFile file(CreateFileW(SettingsFile, FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &before.ftLastWriteTime));
    }
    Repaint();
    EXPECT_EQ(FacePixel(2, 4), White) << "the picture of the grey keys is still shown";
    SetWindowPos(panel, nullptr, 0, 0, 300, 120, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(VisibleBottom(), 480); // docked: left alone; the keyboard follows its panel
    Repaint();
    RECT window;
    GetWindowRect(keyboard, &window);
    EXPECT_EQ(Sides(window), (std::array<LONG, 4>{100, 150, 400, 270}));
    const RECT last = Grid().Face(2, 4);
    EXPECT_EQ(FacePixel(2, 4), White);
    EXPECT_EQ(Pixel(last.right, (last.top + last.bottom) / 2), Black);
    const RECT face = Grid().Face(0, 1), ink = Ink(face);
    ASSERT_FALSE(IsRectEmpty(&ink)) << "no label drawn";
    EXPECT_NEAR(ink.left + ink.right, face.left + face.right, 4);
    EXPECT_NEAR(ink.top + ink.bottom, face.top + face.bottom, 4);
    EXPECT_LT(ink.bottom - ink.top, (face.bottom - face.top) / 2);
}

SIZE SizeOf(const RECT& r) {
    return {r.right - r.left, r.bottom - r.top};
}

// Large keys in the panel they ask for (198 x 105 at 96 DPI): a digit at least 40% of its key
// high (3.5 mm), "-", "." and "+" unlike each other, a pressed key's label white where it was
// black, and pictures larger than 16 pixels, only black on the face (never a stretched blur).
TEST_F(Painting, LargeKeysHaveReadableLabelsAndCrispPictures) {
    panelSize = {198, 105};
    Show({1, 0, 0, 0, {}, 1});
    const RECT sevenFace = Grid().Face(0, 1), seven = Ink(sevenFace);
    EXPECT_GE(5 * (seven.bottom - seven.top), 2 * Grid().KeyHeight) << seven;
    EXPECT_LE(seven.bottom, sevenFace.bottom - 2);
    const RECT point = Ink(Grid().Face(2, 4));
    const RECT backspace = Grid().Face(0, 4), picture = Ink(backspace);
    EXPECT_GT(SizeOf(picture).cx, 16) << picture;
    EXPECT_LE(SizeOf(picture).cx, 24) << picture;
    int strays = 0;
    for (int y = backspace.top + 2; y < backspace.bottom - 2; ++y)
        for (int x = backspace.left + 2; x < backspace.right - 2; ++x)
            strays += Pixel(x, y) != Black && Pixel(x, y) != Gray;
    EXPECT_EQ(strays, 0);

    Send(WM_LBUTTONDOWN, Grid().Centre(0, 1));
    PumpUntil([&] { return FacePixel(0, 1) == Black; }, 5000);
    EXPECT_EQ(Ink(sevenFace, White), seven);
    Send(WM_LBUTTONUP, Grid().Centre(0, 1));
    TapCell(0, 0);
    Repaint();
    const SIZE minus = SizeOf(Ink(Grid().Face(1, 2))), plus = SizeOf(Ink(Grid().Face(2, 1)));
    EXPECT_GE(minus.cx, 2 * SizeOf(point).cx) << "- and .";
    EXPECT_GE(minus.cx, 2 * minus.cy) << "-";
    EXPECT_GE(plus.cy, 3 * minus.cy) << "+ and -";
    EXPECT_GE(plus.cy, 2 * SizeOf(point).cy) << "+ and .";
}

// On Extra large keys (in their panel, 260 x 138) a text that fits on two lines, broken at its
// space, is drawn on two; an empty text is a blank key; one word too long for even today's font
// ends in an ellipsis within the key, the column inside its frame left alone.
TEST_F(Painting, TextsTakeTwoLinesAndStayInsideTheirKeys) {
    panelSize = {260, 138};
    Show({1, 0, 0, 0, {"0800 123", "", std::string(30, 'W')}, 2}, true);
    TapCell(0, 0);
    Repaint();
    const RECT twoLines = Grid().Face(0, 1);
    int lines = 0;
    for (int y = twoLines.top + 2, inked = 0; y < twoLines.bottom - 2; ++y) {
        const RECT row = Ink({twoLines.left, y - 2, twoLines.right, y + 3});
        lines += !inked && !IsRectEmpty(&row);
        inked = !IsRectEmpty(&row);
    }
    EXPECT_EQ(lines, 2);
    const RECT blank = Grid().Face(0, 2), blankInk = Ink(blank);
    EXPECT_EQ(Pixel(blank.left, blank.top + 5), Black);
    EXPECT_TRUE(IsRectEmpty(&blankInk));
    const RECT long_ = Grid().Face(0, 3);
    for (int y = long_.top + 2; y < long_.bottom - 2; ++y)
        EXPECT_EQ(Pixel(long_.left + 1, y), Gray) << y;
    const RECT longInk = Ink(long_);
    EXPECT_FALSE(IsRectEmpty(&longInk));
}

// However large the panel grows, the keyboard holds no more memory for its picture than the
// screen would take (a picture of 16384 x 16384 takes 1 GiB); its keys are still drawn where
// they belong.
TEST_F(Painting, AHugeWindowIsDrawnWithoutAPictureOfItsSize) {
    const auto resident = [] {
        PROCESS_MEMORY_COUNTERS counters = {};
        GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
        return counters.WorkingSetSize; // Wine counts no private bytes; a drawn picture is resident
    };
    const SIZE_T before = resident();
    SetWindowPos(panel, nullptr, 0, 0, 16384, 16384, SWP_NOMOVE | SWP_NOZORDER);
    VisibleBottom();
    Repaint();
    const SIZE_T after = resident();
    EXPECT_LT(after - before, SIZE_T{64} << 20) << "bytes more after a paint of 16384 x 16384";
    const RECT face = Grid().Face(0, 0);
    EXPECT_EQ(Pixel(face.left + 5, face.top + 5), Gray);
    EXPECT_EQ(Pixel(face.left, face.top + 5), Black);
}

// The text page (its toggle leading back) shows the texts at the next paint, the panel's size
// kept, cells without a text blank keys of the keyboard's face; a long text ends in an ellipsis
// (the dots of its start, not the "W"s of its middle). Without texts the first page is back, all
// of it, even when the system asks to paint only the toggle's cell.
TEST_F(Painting, TextPageFollowsTheSettings) {
    Show({1, 0, 0, 0, {"A"}}, true);
    TapCell(0, 0);
    Repaint();
    EXPECT_EQ(PictureMismatches(L"BMP_NUMLOCK", Grid().Face(0, 0), Gray), 0);
    const RECT second = Grid().Face(0, 2);
    EXPECT_EQ(Pixel(second.left, second.top + 5), Black);
    EXPECT_EQ(FacePixel(0, 2), Gray);
    const RECT blank = Ink(second);
    EXPECT_TRUE(IsRectEmpty(&blank));
    ChangeSettings({1, 0, 0, 0, {"A", std::string(40, '.') + std::string(40, 'W')}});
    Repaint();
    const RECT ink = Ink(second);
    EXPECT_FALSE(IsRectEmpty(&ink));
    EXPECT_LE(ink.bottom - ink.top, 3);
    IMINFO info = {};
    method->GetInfo(&info);
    EXPECT_EQ(Sides(info.rcSipRect), (std::array<LONG, 4>{0, 0, 5 * 23 + 15, 3 * 23}));
    ChangeSettings({1, 0, 0, 0});
    const RECT toggle = Grid().Face(0, 0);
    InvalidateRect(keyboard, &toggle, FALSE);
    UpdateWindow(keyboard);
    const RECT eight = Ink(second);
    EXPECT_GT(eight.bottom - eight.top, 3) << "the first page's 8, not the text's dots";
}

} // namespace
