// The keyboard's real pixels: colour schemes, corners, shadow or flat look, the pressed key,
// the strip, two-cell keys, the key pictures and labels.
#include "foundation/OwnedHandle.h"
#include "tests/imserver/SelectedKeyboard.h"

#include <algorithm>

namespace {

constexpr COLORREF Black = 0x000000;
constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF Gray = 0xC0C0C0;
constexpr COLORREF CornerGray = 0x909090;
constexpr COLORREF StripGray = 0x808080; // the stock grey brush

class Painting : public SelectedKeyboard {
protected:
    // A pixel inside the face of a key, clear of its label.
    COLORREF FacePixel(int column, int row) const {
        const RECT face = Grid().Face(column, row);
        return Pixel(face.left + 3, face.bottom - 4);
    }
    // How many pixels inside the frame differ from the picture resource drawn centred in the
    // face (white is transparent); -1 when the resource is missing or blank.
    int PictureMismatches(const wchar_t* resource, const RECT& face) const {
        const OwnedBitmap picture(
            static_cast<HBITMAP>(LoadImageW(dll->Module, resource, IMAGE_BITMAP, 0, 0, 0)));
        const OwnedMemoryDc memory(CreateCompatibleDC(nullptr));
        if (!picture)
            return -1;
        const SelectedObject selected(memory, picture);
        const POINT at = {face.left + (face.right - face.left - 16) / 2,
                          face.top + (face.bottom - face.top - 16) / 2};
        const RECT inside = {face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
        int mismatches = 0, inked = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const COLORREF source = GetPixel(memory, x, y);
                inked += source != White;
                if (PtInRect(&inside, {at.x + x, at.y + y}))
                    mismatches += Pixel(at.x + x, at.y + y) != (source == White ? Gray : source);
            }
        }
        return inked == 0 ? -1 : mismatches;
    }
};

TEST_F(Painting, ColourSchemesAndCorners) {
    struct {
        const char* What;
        TestSettings Settings;
        bool Alternate;
        int Column, Row;
        COLORREF Face, Corner;
    } const cases[] = {
        {"black and white: sharp corners", {0, 0, 0, 0}, false, 1, 0, White, White},
        {"grey", {1, 0, 0, 0}, false, 4, 2, Gray, CornerGray},
        {"coloured digit", {2, 0, 0, 0}, false, 1, 0, 0xFFA0A0, CornerGray},
        {"coloured, no colour of its own", {2, 0, 0, 0}, false, 0, 1, Gray, CornerGray},
        {"coloured navigation", {2, 0, 0, 0}, true, 4, 2, 0xB0FFFF, CornerGray},
        {"coloured hex", {2, 0, 2, 0}, false, 5, 0, 0xFF8080, CornerGray},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Start(c.Settings);
        if (c.Alternate)
            TapCell(0, 0);
        Repaint();
        EXPECT_EQ(FacePixel(c.Column, c.Row), c.Face);
        const RECT f = Grid().Face(c.Column, c.Row); // the corners inside frame and shadow
        for (const POINT corner : {POINT{f.left + 1, f.top + 1},
                                   {f.right - 2, f.top + 1},
                                   {f.left + 1, f.bottom - 2},
                                   {f.right - 2, f.bottom - 2}})
            EXPECT_EQ(Pixel(corner.x, corner.y), c.Corner);
        EXPECT_EQ(Pixel(f.left, f.top + 5), Black); // the frame
    }
}

TEST_F(Painting, ShadowedKeysHaveADoubledEdgeAndFlatKeysTouch) {
    // No3D, then the colours from the face's last column rightwards and below its bottom.
    const struct {
        int No3D;
        COLORREF Right[3], Below[2];
    } cases[] = {{0, {Black, Black, White}, {Black, White}},
                 {1, {Gray, Black, Gray}, {Black, Gray}}};
    for (const auto& c : cases) {
        Start({1, c.No3D, 0, 0});
        Repaint();
        const RECT face = Grid().Face(1, 1); // flat: right is the next key's left
        const int middle = (face.top + face.bottom) / 2;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Pixel(face.right - 1 + i, middle), c.Right[i]) << c.No3D << " " << i;
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(Pixel(face.left + 5, face.bottom + i), c.Below[i]) << c.No3D << " " << i;
    }
    EXPECT_EQ(Pixel(Grid().Face(1, 1).right - 1, Grid().Face(1, 1).top + 1), CornerGray);
}

TEST_F(Painting, PressedKeyIsBlackAndHidesTheStrip) {
    for (int no3D : {0, 1}) {
        SCOPED_TRACE(no3D);
        Start({1, no3D, 0, 0});
        Repaint();
        EXPECT_EQ(Pixel(4, 30), StripGray);
        const POINT seven = Grid().Centre(1, 0);
        Send(WM_LBUTTONDOWN, seven);
        UpdateWindow(keyboard);
        EXPECT_EQ(FacePixel(1, 0), Black);
        EXPECT_EQ(Pixel(seven.x, seven.y), Black); // no label
        Repaint(true);                             // with a key pressed only that key is drawn
        EXPECT_EQ(Pixel(4, 30), White);
        EXPECT_EQ(FacePixel(2, 0), White);
        EXPECT_EQ(FacePixel(1, 0), Black);
        Send(WM_LBUTTONUP, seven);
        UpdateWindow(keyboard);
        EXPECT_EQ(FacePixel(1, 0), Gray);
        Repaint();
        EXPECT_EQ(Pixel(4, 30), StripGray);
    }
}

TEST_F(Painting, TwoCellKeysAreDrawnAsOne) {
    Start({1, 0, 4, 0}); // "Big numeric"
    Repaint();
    // Between rows 2 and 3 single keys leave a white gap; "RET" in column 6 runs on.
    const RECT upper = Grid().Face(6, 2);
    EXPECT_EQ(Pixel(Grid().Face(5, 2).right, upper.bottom + 1), White);
    EXPECT_EQ(Pixel(upper.right, upper.bottom + 1), Black);
    // "SPC" covers columns 1 and 2 of row 3: its shadow runs on under the gap between cells;
    // "0" beside it is a key of its own.
    const RECT left = Grid().Face(1, 3);
    EXPECT_EQ(Pixel(left.right + 1, left.bottom), Black);
    EXPECT_EQ(Pixel(Grid().Face(4, 3).right + 1, left.bottom), White);
    EXPECT_EQ(Pixel(Grid().Face(3, 3).left, left.bottom - 3), Black);
}

TEST_F(Painting, PicturesAreCentredInTheirKeys) {
    const struct {
        int KeyboardType;
        bool Alternate;
        int Column, Row;
        const wchar_t* Resource;
    } cases[] = {
        {0, false, 4, 0, L"BMP_BACKSPACE"}, {0, false, 0, 0, L"BMP_NUMLOCK_INV"},
        {0, true, 0, 0, L"BMP_NUMLOCK"},    {0, true, 3, 0, L"BMP_HOME"},
        {0, true, 3, 2, L"BMP_DOWN"},       {1, true, 2, 2, L"BMP_SPACE"},
        {5, false, 0, 0, L"BMP_NUMLOCK"},   {5, true, 0, 0, L"BMP_NUMLOCK_INV"},
    };
    for (const auto& c : cases) {
        Start({1, 0, c.KeyboardType, 0});
        if (c.Alternate)
            TapCell(0, 0);
        Repaint();
        EXPECT_EQ(PictureMismatches(c.Resource, Grid().Face(c.Column, c.Row)), 0)
            << "type " << c.KeyboardType << " cell " << c.Column << ", " << c.Row;
    }
}

TEST_F(Painting, LabelIsCentredOnOneLine) {
    Repaint();
    const RECT face = Grid().Face(1, 0); // "7"
    RECT ink = {face.right, face.bottom, face.left, face.top};
    for (int y = face.top + 2; y < face.bottom - 2; ++y) {
        for (int x = face.left + 2; x < face.right - 2; ++x) {
            if (Pixel(x, y) == Black)
                ink = {std::min(ink.left, LONG(x)), std::min(ink.top, LONG(y)),
                       std::max(ink.right, LONG(x + 1)), std::max(ink.bottom, LONG(y + 1))};
        }
    }
    ASSERT_LT(ink.left, ink.right) << "no label drawn";
    EXPECT_NEAR(ink.left + ink.right, face.left + face.right, 4);
    EXPECT_NEAR(ink.top + ink.bottom, face.top + face.bottom, 4);
    EXPECT_LT(ink.bottom - ink.top, (face.bottom - face.top) / 2);
}

TEST_F(Painting, ChangedSettingsAndPanelSizeShowAtTheNextPaint) {
    Repaint();
    EXPECT_EQ(FacePixel(1, 0), Gray);
    ChangeSettings({0, 0, 0, 0});
    Repaint();
    EXPECT_EQ(FacePixel(1, 0), White);
    SetWindowPos(panel, nullptr, 0, 0, 300, 120, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(VisibleBottom(), 480); // docked: left alone; the keyboard follows its panel
    UpdateWindow(keyboard);
    RECT window;
    GetWindowRect(keyboard, &window);
    EXPECT_EQ(Sides(window), (std::array<LONG, 4>{100, 150, 400, 270}));
    const RECT face = Grid().Face(4, 2); // the last key, far from where it was
    EXPECT_EQ(FacePixel(4, 2), White);
    EXPECT_EQ(Pixel(face.right, (face.top + face.bottom) / 2), Black);
    EXPECT_EQ(Pixel(face.right + 1, (face.top + face.bottom) / 2), White);
}

} // namespace
