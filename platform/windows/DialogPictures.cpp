#include "platform/windows/DialogPictures.h"

#include <windows.h>

#include <initguid.h>
#include <objbase.h>
#include <wincodec.h>

#include <cstdint>

#include "platform/windows/WideText.h"
#include "platform/windows/WindowsProgramFiles.h"

namespace solvane::windows {

namespace {

// A page is about 500 by 330 pixels at 100 %; a picture far beyond that is refused
// rather than decoded into hundreds of megabytes.
constexpr UINT LargestSide = 8192;

// A COM interface pointer that is released with its owner.
template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (pointer_) pointer_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    Interface** put() { return &pointer_; }
    void** putVoid() { return reinterpret_cast<void**>(&pointer_); }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

// COM for this thread while a picture is decoded. A thread that is already in an
// apartment keeps it (WIC works in either); only a call that joined one is balanced.
class ComApartment {
public:
    ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (joined_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool joined_;
};

UniqueBitmap topDownBitmap(UINT width, UINT height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down rows, as WIC delivers them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

}  // namespace

std::wstring dialogPicturesFolder() {
    const std::wstring executable = toWide(runningExecutablePath());
    const auto separator = executable.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return {};
    return executable.substr(0, separator + 1) + L"pictures\\";
}

UniqueBitmap loadPicture(const std::wstring& path) {
    const ComApartment apartment;
    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                factory.putVoid())))
        return nullptr;
    ComRef<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.put())))
        return nullptr;
    ComRef<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.put()))) return nullptr;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 || width > LargestSide ||
        height > LargestSide)
        return nullptr;
    // Premultiplied BGRA is what GDI draws from a 32-bit DIB; a JPEG is opaque anyway.
    ComRef<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return nullptr;
    void* bits = nullptr;
    UniqueBitmap bitmap = topDownBitmap(width, height, &bits);
    if (!bitmap || !bits) return nullptr;
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) return nullptr;
    return bitmap;
}

}  // namespace solvane::windows
