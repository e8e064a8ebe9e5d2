// The twelve key pictures: each is a 16 x 16, 16-colour resource and enters the image list with
// white as its transparent colour.
#include "keyboard/BuildKeyboards.h"
#include "keyboard/KeyVocabulary.h"
#include "tests/keyboard/TestKeyboards.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

namespace {

constexpr int Size = 16;
constexpr COLORREF White = 0x00FFFFFF;
constexpr COLORREF Background = 0x00336699;

// The pixels of a 16 x 16 32-bit surface filled with Background, after draw.
std::vector<COLORREF> Render(const std::function<void(HDC)>& draw) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), Size, Size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP surface = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, surface);
    HBRUSH fill = CreateSolidBrush(Background);
    const RECT all = {0, 0, Size, Size};
    FillRect(dc, &all, fill);
    DeleteObject(fill);
    draw(dc);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(surface);
    return pixels;
}

// The resource's own pixels, or nothing when it is missing.
std::vector<COLORREF> ResourcePixels(const wchar_t* name) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr)
        return {};
    DIBSECTION section = {};
    GetObjectW(bitmap, sizeof(section), &section);
    EXPECT_EQ(section.dsBm.bmWidth, Size);
    EXPECT_EQ(section.dsBm.bmHeight, Size);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 4);
    std::vector<COLORREF> pixels = Render([bitmap](HDC dc) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, bitmap);
        BitBlt(dc, 0, 0, Size, Size, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    });
    DeleteObject(bitmap);
    return pixels;
}

TEST(KeyPictureTest, EachPictureDrawsWithWhiteTransparent) {
    BuildTestKeyboards();
    ASSERT_EQ(ImageList_GetImageCount(KeyImageList), KeyPictureCount);
    for (int index = 0; index < KeyPictureCount; ++index) {
        SCOPED_TRACE(::testing::Message() << KeyPictureResources[index]);
        const std::vector<COLORREF> source = ResourcePixels(KeyPictureResources[index]);
        ASSERT_EQ(source.size(), size_t(Size * Size)) << "missing resource";
        int ink = 0;
        for (COLORREF pixel : source)
            ink += pixel == 0;
        EXPECT_GT(ink, 10);
        EXPECT_LT(ink, Size * Size - 10);

        IMAGEINFO info = {};
        ASSERT_TRUE(ImageList_GetImageInfo(KeyImageList, index, &info));
        EXPECT_NE(info.hbmMask, nullptr);
        const std::vector<COLORREF> drawn =
            Render([index](HDC dc) { ImageList_Draw(KeyImageList, index, dc, 0, 0, ILD_NORMAL); });
        for (int i = 0; i < Size * Size; ++i)
            ASSERT_EQ(drawn[i], source[i] == White ? Background : source[i])
                << "at " << i % Size << ", " << i / Size;
    }
}

TEST(KeyPictureTest, InverseNumLockSwapsBlackAndWhiteInsideTheFrame) {
    const std::vector<COLORREF> normal = ResourcePixels(L"BMP_NUMLOCK");
    const std::vector<COLORREF> inverse = ResourcePixels(L"BMP_NUMLOCK_INV");
    ASSERT_EQ(normal.size(), size_t(Size * Size));
    ASSERT_EQ(inverse.size(), normal.size());
    for (int y = 2; y < Size - 2; ++y)
        for (int x = 2; x < Size - 2; ++x)
            EXPECT_NE(normal[y * Size + x] == 0, inverse[y * Size + x] == 0) << x << ", " << y;
}

} // namespace
