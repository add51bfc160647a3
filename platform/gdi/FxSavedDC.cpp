#include "platform/gdi/FxSavedDC.h"

CFxSavedDC::CFxSavedDC(CDC* pDC)
{
    if (pDC != nullptr && pDC->m_hDC != nullptr) {
        m_nSaved = pDC->SaveDC();
        m_pDC = m_nSaved != 0 ? pDC : nullptr;
    }
}

CFxSavedDC::~CFxSavedDC()
{
    // By number, not -1: a save left unrestored inside the scope is dropped with ours.
    if (m_nSaved != 0) {
        m_pDC->RestoreDC(m_nSaved);
    }
}
