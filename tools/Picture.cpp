#include "tools/Picture.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>
#include <utility>

using Microsoft::WRL::ComPtr;

namespace {

// A memory device context drawing into one bitmap for one scope.
class BitmapDc {
public:
    explicit BitmapDc(HBITMAP bitmap) : dc(CreateCompatibleDC(nullptr)), selected(dc, bitmap) {}
    operator HDC() const { return dc; }

private:
    OwnedMemoryDc dc;
    SelectedObject selected;
};

} // namespace

Picture::Picture(int width, int height) : width(width), height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first, as the PNG encoder takes the rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bits != nullptr)
        std::memset(bits, 0xFF, static_cast<size_t>(Stride()) * height);
}

Picture Picture::FromScreen(const RECT& area) {
    Picture picture(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    BitBlt(BitmapDc(picture.bitmap), 0, 0, picture.width, picture.height, screen, area.left,
           area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return picture;
}

bool Picture::SamePixels(const Picture& other) const {
    GdiFlush();
    return width == other.width && height == other.height && bits != nullptr &&
           other.bits != nullptr &&
           std::memcmp(bits, other.bits, static_cast<size_t>(Stride()) * height) == 0;
}

void Picture::Paste(const Picture& other, int left, int top) {
    BitBlt(BitmapDc(bitmap), left, top, other.width, other.height, BitmapDc(other.bitmap), 0, 0,
           SRCCOPY);
}

void Picture::Caption(const std::wstring& text, RECT band) {
    const BitmapDc dc(bitmap);
    const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &band,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

bool Picture::SavePng(const std::wstring& path) const {
    GdiFlush();
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT size = static_cast<UINT>(Stride()) * static_cast<UINT>(height);
    return bits != nullptr &&
           SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(&factory))) &&
           SUCCEEDED(factory->CreateStream(&stream)) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
           SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) &&
           IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
           SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(Stride()),
                                        size, static_cast<BYTE*>(bits))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

Picture SteadyScreen(const RECT& area, const Picture* before) {
    Picture last = Picture::FromScreen(area);
    for (int reading = 0; reading < 100; ++reading) {
        PumpMessages();
        Sleep(20);
        Picture next = Picture::FromScreen(area);
        const bool steady =
            next.SamePixels(last) && (before == nullptr || !next.SamePixels(*before));
        last = std::move(next);
        if (steady)
            break;
    }
    return last;
}
