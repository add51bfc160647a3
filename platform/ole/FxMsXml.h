// The MSXML DOM document's class and interface ids, and COM held for the length of one parse.
#pragma once

#include <objbase.h>

inline constexpr CLSID kClsidDOMDocument = {
    0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
inline constexpr IID kIidXMLDOMDocument = {
    0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
inline constexpr IID kIidXMLDOMElement = {0x2933BF86, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

// CoInitializeEx ... CoUninitialize as a scope; a thread already in another apartment keeps it.
class CFxComScope
{
public:
    CFxComScope() : m_hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~CFxComScope()
    {
        if (SUCCEEDED(m_hr)) {
            CoUninitialize();
        }
    }
    CFxComScope(const CFxComScope&) = delete;
    CFxComScope& operator=(const CFxComScope&) = delete;

private:
    HRESULT m_hr;
};
