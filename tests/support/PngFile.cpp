#include "PngFile.h"

#include <wincodec.h>

#include "platform/base/FxComPtr.h"

namespace
{
// DEFINE_GUID without INITGUID only declares: spell the two we need here.
const CLSID kClsidImagingFactory = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
const GUID kContainerPng = {0x1b7cfaf4, 0x713f, 0x473c, {0xbb, 0xcd, 0x61, 0x37, 0x42, 0x5f, 0xae, 0xaf}};
const GUID kFormat24bppBGR = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0c}};
const GUID kFormat32bppBGR = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0e}};

std::wstring Wide(const char* psz)
{
    int n = MultiByteToWideChar(936, 0, psz, -1, nullptr, 0);
    std::wstring w(static_cast<size_t>(n > 0 ? n : 1), L'\0');
    MultiByteToWideChar(936, 0, psz, -1, w.data(), n);
    w.resize(wcslen(w.c_str()));
    return w;
}

bool CreateFactory(CFxComPtr<IWICImagingFactory>& factory)
{
    return SUCCEEDED(CoCreateInstance(kClsidImagingFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                                      factory.ReceiveVoid()));
}
} // namespace

bool SavePng(const char* pszPath, const DWORD* pBits, int cx, int cy)
{
    CFxComPtr<IWICImagingFactory> factory;
    if (!CreateFactory(factory)) {
        return false;
    }
    CFxComPtr<IWICStream> stream;
    CFxComPtr<IWICBitmapEncoder> encoder;
    CFxComPtr<IWICBitmapFrameEncode> frame;
    std::wstring wPath = Wide(pszPath);
    if (FAILED(factory->CreateStream(stream.Receive())) ||
        FAILED(stream->InitializeFromFilename(wPath.c_str(), GENERIC_WRITE)) ||
        FAILED(factory->CreateEncoder(kContainerPng, nullptr, encoder.Receive())) ||
        FAILED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.Receive(), nullptr)) || FAILED(frame->Initialize(nullptr)) ||
        FAILED(frame->SetSize(static_cast<UINT>(cx), static_cast<UINT>(cy)))) {
        return false;
    }
    WICPixelFormatGUID format = kFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)) || format != kFormat24bppBGR) {
        return false;
    }
    UINT nStride = (static_cast<UINT>(cx) * 3 + 3) & ~3u;
    std::vector<BYTE> rows(static_cast<size_t>(nStride) * static_cast<size_t>(cy));
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            DWORD dw = pBits[static_cast<size_t>(y) * static_cast<size_t>(cx) + static_cast<size_t>(x)];
            BYTE* p = &rows[static_cast<size_t>(y) * nStride + static_cast<size_t>(x) * 3];
            p[0] = static_cast<BYTE>(dw & 0xFF);
            p[1] = static_cast<BYTE>((dw >> 8) & 0xFF);
            p[2] = static_cast<BYTE>((dw >> 16) & 0xFF);
        }
    }
    return SUCCEEDED(frame->WritePixels(static_cast<UINT>(cy), nStride, static_cast<UINT>(rows.size()), rows.data())) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

bool LoadPng(const char* pszPath, PngImage& image)
{
    CFxComPtr<IWICImagingFactory> factory;
    if (!CreateFactory(factory)) {
        return false;
    }
    CFxComPtr<IWICBitmapDecoder> decoder;
    CFxComPtr<IWICBitmapFrameDecode> frame;
    CFxComPtr<IWICFormatConverter> converter;
    std::wstring wPath = Wide(pszPath);
    UINT cx = 0;
    UINT cy = 0;
    if (FAILED(factory->CreateDecoderFromFilename(wPath.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.Receive())) ||
        FAILED(decoder->GetFrame(0, frame.Receive())) || FAILED(factory->CreateFormatConverter(converter.Receive())) ||
        FAILED(converter->Initialize(frame, kFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&cx, &cy))) {
        return false;
    }
    image.cx = static_cast<int>(cx);
    image.cy = static_cast<int>(cy);
    image.pixels.assign(static_cast<size_t>(cx) * cy, 0);
    return SUCCEEDED(converter->CopyPixels(nullptr, cx * 4, static_cast<UINT>(image.pixels.size() * 4),
                                           reinterpret_cast<BYTE*>(image.pixels.data())));
}

int CountDifferentPixels(const PngImage& image, const DWORD* pBits, int cx, int cy)
{
    if (image.cx != cx || image.cy != cy) {
        return -1;
    }
    int nDiff = 0;
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        if ((image.pixels[i] & 0xFFFFFF) != (pBits[i] & 0xFFFFFF)) {
            ++nDiff;
        }
    }
    return nDiff;
}

std::string TestImagePath(const char* pszName)
{
    // The test programs live in <build>/bin.
    char szExe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    std::string dir(szExe);
    dir.resize(dir.find_last_of('\\') == std::string::npos ? 0 : dir.find_last_of('\\'));
    dir.resize(dir.find_last_of('\\') == std::string::npos ? 0 : dir.find_last_of('\\'));
    dir += "\\test-images";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir + "\\" + pszName;
}
