#include "platform/gdi/WindowDC.h"

CWindowDC::CWindowDC(HWND hWnd) : m_hWnd(hWnd)
{
    Attach(::GetWindowDC(hWnd));
}

CWindowDC::~CWindowDC()
{
    if (m_hDC != nullptr) {
        ::ReleaseDC(m_hWnd, Detach());
    }
}
