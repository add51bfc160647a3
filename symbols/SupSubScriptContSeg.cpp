#include "symbols/SupSubScriptContSeg.h"

#include "symbols/SegPaint.h"

CSupSubScriptContSeg::CSupSubScriptContSeg() : CTextTripleContSeg('S')
{
    OnInit();
}

CSupSubScriptContSeg::CSupSubScriptContSeg(const LOGFONT& lf, COLORREF cr) : CTextTripleContSeg('S', lf, cr)
{
    OnInit();
}

void CSupSubScriptContSeg::OnInit()
{
    SetData(CString(), CString(), CString());
    m_fScale = 0.6f;
}

short CSupSubScriptContSeg::IsKindOf()
{
    return SEG_SUPSUB;
}

void CSupSubScriptContSeg::SetData(CSupSubScriptContSeg* pSrc)
{
    CopyTexts(pSrc);
}

int CSupSubScriptContSeg::operator=(const CSupSubScriptContSeg& src)
{
    SetData(src.m_strBase, src.m_strSup, src.m_strSub);
    m_fScale = src.m_fScale;
    CopyBase(src);
    return 1;
}

CString& CSupSubScriptContSeg::PartText(int nPart)
{
    return nPart == 0 ? m_strSup : m_strSub;
}

double CSupSubScriptContSeg::PartScale() const
{
    return m_fScale;
}

void CSupSubScriptContSeg::DrawParts(CDC* pDC, CFont& fontPart, int x, int y, int hFont, int hPart, COLORREF)
{
    SegTextOut(pDC, fontPart, x, y - 1, m_strSup);
    SegTextOut(pDC, fontPart, x, y + hFont - hPart + 1, m_strSub);
}
