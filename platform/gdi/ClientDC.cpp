#include "platform/gdi/ClientDC.h"

CClientDC::CClientDC(HWND hWnd) : m_hWnd(hWnd)
{
    Attach(::GetDC(hWnd));
}

CClientDC::~CClientDC()
{
    if (m_hDC != nullptr) {
        ::ReleaseDC(m_hWnd, Detach());
    }
}
