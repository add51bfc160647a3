#include "framework/FwSystemColors.h"

#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"

namespace
{
const UINT idcSizeVert = 30980;
const UINT idcSizeHorz = 30981;
} // namespace

FwSystemColors::FwSystemColors()
    : m_cxBorder2(1), m_cyBorder2(1), m_clrBtnFace(0), m_clrBtnShadow(0), m_clrBtnHilite(0), m_clrWindowFrame(0),
      m_clr3DLight(0), m_clr3DDkShadow(0), m_clrWindowText(0), m_clrWindow(0), m_clrHighlight(0), m_clrHighlightText(0),
      m_hcurArrow(::LoadCursorA(nullptr, IDC_ARROW)), m_hcurSizeVert(nullptr), m_hcurSizeHorz(nullptr), m_bWin4(FALSE)
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    // Deprecated, but the shell generation is all we ask; every 64-bit Windows answers 4 or more.
    m_bWin4 = ::GetVersionExA(&info) && info.dwMajorVersion >= 4;
    m_cxBorder2 = m_bWin4 ? 2 : 1;
    m_cyBorder2 = m_bWin4 ? 2 : 1;
    UpdateSysColors();
}

void FwSystemColors::UpdateSysColors()
{
    m_clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    m_clr3DLight = ::GetSysColor(COLOR_3DLIGHT);
    m_clr3DDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    m_clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrWindow = ::GetSysColor(COLOR_WINDOW);
    m_clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
}

HCURSOR FwSystemColors::GetSizerCursor(BOOL bVert)
{
    if (m_hcurSizeVert == nullptr) {
        // The program's own cursors when it has them; the system's sizing arrows otherwise.
        HINSTANCE hInst = ::GetModuleHandleA(nullptr);
        m_hcurSizeVert = ::LoadCursorA(hInst, MAKEINTRESOURCEA(idcSizeVert));
        if (m_hcurSizeVert == nullptr) {
            m_hcurSizeVert = ::LoadCursorA(nullptr, IDC_SIZEWE);
        }
        m_hcurSizeHorz = ::LoadCursorA(hInst, MAKEINTRESOURCEA(idcSizeHorz));
        if (m_hcurSizeHorz == nullptr) {
            m_hcurSizeHorz = ::LoadCursorA(nullptr, IDC_SIZENS);
        }
    }
    return bVert ? m_hcurSizeVert : m_hcurSizeHorz;
}

FwSystemColors& FwGetSystemColors()
{
    static FwSystemColors colors;
    return colors;
}

void FwSerializeDWordArray(CArchive& ar, DWORD* pdw, int nCount)
{
    if (pdw == nullptr || nCount <= 0) {
        return;
    }
    const UINT nBytes = static_cast<UINT>(nCount) * sizeof(DWORD);
    if (ar.IsStoring()) {
        ar.Write(pdw, nBytes);
    } else {
        // A short block would leave the rest of the array stale: the archive is truncated.
        if (ar.Read(pdw, nBytes) != nBytes) {
            CArchiveException::Throw(CArchiveException::endOfFile);
        }
    }
}
