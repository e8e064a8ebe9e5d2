// The keyboard's real pixels: colour schemes, corners, shadow or flat look, the pressed key,
// the strip, two-cell keys, centred pictures and labels.
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
        const RECT face = FaceRect(column, row);
        return Pixel(face.left + 3, face.bottom - 4);
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
        {"grey", {1, 0, 0, 0}, false, 1, 0, Gray, CornerGray},
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
        const RECT face = FaceRect(c.Column, c.Row); // the corners inside frame and shadow
        EXPECT_EQ(Pixel(face.left + 1, face.top + 1), c.Corner);
        EXPECT_EQ(Pixel(face.right - 2, face.top + 1), c.Corner);
        EXPECT_EQ(Pixel(face.left + 1, face.bottom - 2), c.Corner);
        EXPECT_EQ(Pixel(face.right - 2, face.bottom - 2), c.Corner);
        EXPECT_EQ(Pixel(face.left, face.top + 5), Black); // the frame
    }
}

TEST_F(Painting, ShadowedKeysHaveADoubledRightEdgeAndWhiteGaps) {
    Repaint();
    const RECT face = FaceRect(1, 1);
    const int middle = (face.top + face.bottom) / 2;
    EXPECT_EQ(Pixel(face.right - 1, middle), Black); // frame
    EXPECT_EQ(Pixel(face.right, middle), Black);     // shadow
    EXPECT_EQ(Pixel(face.right + 1, middle), White); // gap to the next key
    EXPECT_EQ(Pixel(face.left + 5, face.bottom), Black);
    EXPECT_EQ(Pixel(face.left + 5, face.bottom + 1), White);
}

TEST_F(Painting, FlatKeysTouchTheirNeighbours) {
    Start({1, 1, 0, 0});
    Repaint();
    const RECT face = FaceRect(1, 1); // no margin: right is the next key's left
    const int middle = (face.top + face.bottom) / 2;
    EXPECT_EQ(Pixel(face.right - 1, middle), Gray);
    EXPECT_EQ(Pixel(face.right, middle), Black); // one frame line between the two keys
    EXPECT_EQ(Pixel(face.right + 1, middle), Gray);
    // Flat corners sit one pixel further out, on the widened rectangle.
    EXPECT_EQ(Pixel(face.right - 1, face.top + 1), CornerGray);
}

TEST_F(Painting, PressedKeyIsBlackAndHidesTheStrip) {
    for (int no3D : {0, 1}) {
        SCOPED_TRACE(no3D);
        Start({1, no3D, 0, 0});
        Repaint();
        EXPECT_EQ(Pixel(4, 30), StripGray);
        const POINT seven = CellCentre(1, 0);
        Send(WM_LBUTTONDOWN, seven.x, seven.y);
        UpdateWindow(keyboard);
        EXPECT_EQ(FacePixel(1, 0), Black);
        EXPECT_EQ(Pixel(seven.x, seven.y), Black); // no label
        Repaint(true);                             // with a key pressed only that key is drawn
        EXPECT_EQ(Pixel(4, 30), White);
        EXPECT_EQ(FacePixel(2, 0), White);
        EXPECT_EQ(FacePixel(1, 0), Black);
        Send(WM_LBUTTONUP, seven.x, seven.y);
        UpdateWindow(keyboard);
        EXPECT_EQ(FacePixel(1, 0), Gray);
        Repaint();
        EXPECT_EQ(Pixel(4, 30), StripGray);
    }
}

TEST_F(Painting, TwoCellKeysAreDrawnAsOne) {
    Start({1, 0, 4, 0}); // "Big numeric": "RET" covers column 6 of rows 2 and 3
    Repaint();
    // Between rows 2 and 3 single keys leave a white gap; "RET" runs on, shadow and all.
    const RECT upper = FaceRect(6, 2);
    EXPECT_EQ(Pixel(FaceRect(5, 2).right, upper.bottom + 1), White);
    EXPECT_EQ(Pixel(upper.right, upper.bottom + 1), Black);
    // "SPC" covers columns 1 and 2 of row 3: its shadow runs on under the gap between cells.
    const RECT left = FaceRect(1, 3);
    EXPECT_EQ(Pixel(left.right + 1, left.bottom), Black);
    EXPECT_EQ(Pixel(FaceRect(4, 3).right + 1, left.bottom), White);
}

TEST_F(Painting, PictureIsCentredInItsKey) {
    Repaint();
    HBITMAP picture =
        static_cast<HBITMAP>(LoadImageW(dll->Module, L"BMP_BACKSPACE", IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(picture, nullptr);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, picture);
    const RECT face = FaceRect(4, 0); // "BS"
    const int left = face.left + (face.right - face.left - 16) / 2;
    const int top = face.top + (face.bottom - face.top - 16) / 2;
    int mismatches = 0;
    int inked = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const COLORREF source = GetPixel(memory, x, y);
            inked += source != White;
            mismatches += Pixel(left + x, top + y) != (source == White ? Gray : source);
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
    EXPECT_GT(inked, 0);
    EXPECT_EQ(mismatches, 0);
}

TEST_F(Painting, LabelIsCentredOnOneLine) {
    Repaint();
    const RECT face = FaceRect(1, 0); // "7"
    RECT ink = {face.right, face.bottom, face.left, face.top};
    for (int y = face.top + 2; y < face.bottom - 2; ++y) {
        for (int x = face.left + 2; x < face.right - 2; ++x) {
            if (Pixel(x, y) != Black)
                continue;
            ink = {std::min(ink.left, LONG(x)), std::min(ink.top, LONG(y)),
                   std::max(ink.right, LONG(x + 1)), std::max(ink.bottom, LONG(y + 1))};
        }
    }
    ASSERT_LT(ink.left, ink.right) << "no label drawn";
    EXPECT_NEAR(ink.left + ink.right, face.left + face.right, 4);
    EXPECT_NEAR(ink.top + ink.bottom, face.top + face.bottom, 4);
    EXPECT_LT(ink.bottom - ink.top, (face.bottom - face.top) / 2);
}

TEST_F(Painting, ChangedSettingsShowAtTheNextPaint) {
    Repaint();
    EXPECT_EQ(FacePixel(1, 0), Gray);
    ChangeSettings({0, 0, 0, 0});
    Repaint();
    EXPECT_EQ(FacePixel(1, 0), White);
}

TEST_F(Painting, KeysAreLaidOutAnewWhenThePanelGrows) {
    Repaint();
    SetWindowPos(panel, nullptr, 0, 0, 300, 120, SWP_NOMOVE | SWP_NOZORDER);
    SIPINFO sip = {};
    sip.cbSize = sizeof(sip);
    sip.rcVisibleDesktop = {0, 0, 640, 480};
    method->ReceiveSipInfo(&sip);
    EXPECT_EQ(sip.rcVisibleDesktop.bottom, 480); // docked: left alone
    UpdateWindow(keyboard);
    RECT window;
    GetWindowRect(keyboard, &window);
    EXPECT_EQ(window.right - window.left, 300);
    EXPECT_EQ(window.bottom - window.top, 120);
    const RECT face = FaceRect(4, 2); // the last key, far from where it was
    EXPECT_EQ(Pixel(face.left + 3, face.bottom - 4), Gray);
    EXPECT_EQ(Pixel(face.right, (face.top + face.bottom) / 2), Black);
    EXPECT_EQ(Pixel(face.right + 1, (face.top + face.bottom) / 2), White);
}

} // namespace
