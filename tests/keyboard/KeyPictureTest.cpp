// The twelve key pictures: each is a 16 x 16, 16-colour resource and enters the image list with
// white as its transparent colour.
#include "keyboard/BuildKeyboards.h"
#include "tests/keyboard/TestKeyboards.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

constexpr int Size = 16;
constexpr COLORREF Background = 0x00336699;

// A 16 x 16 drawing surface of 32-bit pixels in a memory DC.
class Canvas {
public:
    Canvas() {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = Size;
        info.bmiHeader.biHeight = Size;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        Bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        Old = SelectObject(Dc, Bitmap);
    }
    ~Canvas() {
        SelectObject(Dc, Old);
        DeleteObject(Bitmap);
        DeleteDC(Dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc = CreateCompatibleDC(nullptr);

private:
    HBITMAP Bitmap = nullptr;
    HGDIOBJ Old = nullptr;
};

// The pixels of a picture resource as black (true) or not.
std::vector<bool> ResourceBlackPixels(const wchar_t* name) {
    std::vector<bool> black;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return black;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            black.push_back(GetPixel(dc, x, y) == 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return black;
}

class KeyPictureTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { BuildTestKeyboards(); }
};

TEST_P(KeyPictureTest, ResourceIsSixteenColoursBlackOnWhite) {
    const wchar_t* name = KeyPictureResources[GetParam()];
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr) << "missing resource";
    DIBSECTION section = {};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    DeleteObject(bitmap);
    EXPECT_EQ(section.dsBm.bmWidth, Size);
    EXPECT_EQ(section.dsBm.bmHeight, Size);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 4);

    std::vector<bool> black = ResourceBlackPixels(name);
    int blackCount = 0;
    for (bool pixel : black)
        blackCount += pixel;
    EXPECT_GT(blackCount, 10);
    EXPECT_LT(blackCount, Size * Size - 10);
}

TEST_P(KeyPictureTest, DrawsWithWhiteTransparent) {
    int index = GetParam();
    ASSERT_EQ(ImageList_GetImageCount(KeyImageList), KeyPictureCount);
    IMAGEINFO info = {};
    ASSERT_TRUE(ImageList_GetImageInfo(KeyImageList, index, &info));
    EXPECT_NE(info.hbmMask, nullptr);

    Canvas canvas;
    HBRUSH fill = CreateSolidBrush(Background);
    RECT all = {0, 0, Size, Size};
    FillRect(canvas.Dc, &all, fill);
    DeleteObject(fill);
    ASSERT_TRUE(ImageList_Draw(KeyImageList, index, canvas.Dc, 0, 0, ILD_NORMAL));

    std::vector<bool> black = ResourceBlackPixels(KeyPictureResources[index]);
    ASSERT_EQ(black.size(), static_cast<size_t>(Size * Size));
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            ASSERT_EQ(GetPixel(canvas.Dc, x, y), black[y * Size + x] ? 0 : Background)
                << KeyPictureResources[index] << " at " << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(AllPictures, KeyPictureTest, ::testing::Range(0, KeyPictureCount));

TEST(KeyPictureSetTest, InverseNumLockSwapsBlackAndWhiteInsideTheFrame) {
    std::vector<bool> normal = ResourceBlackPixels(L"BMP_NUMLOCK");
    std::vector<bool> inverse = ResourceBlackPixels(L"BMP_NUMLOCK_INV");
    ASSERT_EQ(normal.size(), inverse.size());
    ASSERT_FALSE(normal.empty());
    for (int y = 2; y < Size - 2; ++y)
        for (int x = 2; x < Size - 2; ++x)
            EXPECT_NE(normal[y * Size + x], inverse[y * Size + x]) << x << ", " << y;
}

} // namespace
