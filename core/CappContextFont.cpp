#include "core/CappContextFont.h"

#include <cstring>

#include "core/CappFont.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"

CCappContextFont::CCappContextFont() : m_nMade(0)
{
    std::memset(&m_lf, 0, sizeof(m_lf));
}

CCappContextFont::~CCappContextFont() = default;

void CCappContextFont::Reset()
{
    m_pFont.reset();
    m_strContext.Empty();
    std::memset(&m_lf, 0, sizeof(m_lf));
}

CFont* CCappContextFont::Get(CDC* pDC, const LOGFONTA& lf, LPCSTR pszContext)
{
    const CString strContext = CappDrawContextName(pDC, pszContext);
    LOGFONTA lfScaled = lf;
    lfScaled.lfHeight = CalcFontHeight(pDC, lf.lfHeight);
    lfScaled.lfWidth = CalcFontHeight(pDC, lf.lfWidth);
    if (m_pFont != nullptr && strContext == m_strContext && std::memcmp(&lfScaled, &m_lf, sizeof(m_lf)) == 0) {
        return m_pFont.get();
    }
    auto pFont = std::make_unique<CFont>();
    if (!pFont->CreateFontIndirect(&lfScaled)) {
        m_pFont.reset();
        m_strContext.Empty();
        return nullptr;
    }
    m_pFont = std::move(pFont);
    m_strContext = strContext;
    m_lf = lfScaled;
    ++m_nMade;
    return m_pFont.get();
}
