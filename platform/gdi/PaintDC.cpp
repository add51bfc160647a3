#include "platform/gdi/PaintDC.h"

CPaintDC::CPaintDC(HWND hWnd) : m_hWnd(hWnd)
{
    Attach(::BeginPaint(hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}
