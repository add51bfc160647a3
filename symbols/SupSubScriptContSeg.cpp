#include "symbols/SupSubScriptContSeg.h"

#include <algorithm>
#include <cstdlib>

#include "symbols/SegPaint.h"

CSupSubScriptContSeg::CSupSubScriptContSeg()
{
    OnInit();
}

CSupSubScriptContSeg::CSupSubScriptContSeg(const LOGFONT& lf, COLORREF cr) : CContentSegment(lf, cr)
{
    OnInit();
}

void CSupSubScriptContSeg::OnInit()
{
    m_strBase.Empty();
    m_strSup.Empty();
    m_strSub.Empty();
    m_fScale = 0.6f;
}

short CSupSubScriptContSeg::IsKindOf()
{
    return SEG_SUPSUB;
}

void CSupSubScriptContSeg::GetData(CString& strOut, LOGFONT& lfBase, COLORREF crBase)
{
    WriteTextTriple('S', m_strBase, m_strSup, m_strSub, strOut, lfBase, crBase);
}

void CSupSubScriptContSeg::SetData(CString strContent)
{
    ReadTextTriple(strContent, m_strBase, m_strSup, m_strSub);
}

void CSupSubScriptContSeg::GetData(CString& strBase, CString& str1, CString& str2)
{
    strBase = m_strBase;
    str1 = m_strSup;
    str2 = m_strSub;
}

void CSupSubScriptContSeg::SetData(CString strBase, CString str1, CString str2)
{
    m_strBase = strBase;
    m_strSup = str1;
    m_strSub = str2;
}

void CSupSubScriptContSeg::SetData(CSupSubScriptContSeg* pSrc)
{
    if (pSrc != nullptr)
        SetData(pSrc->m_strBase, pSrc->m_strSup, pSrc->m_strSub);
}

int CSupSubScriptContSeg::operator=(const CSupSubScriptContSeg& src)
{
    m_strBase = src.m_strBase;
    m_strSup = src.m_strSup;
    m_strSub = src.m_strSub;
    m_fScale = src.m_fScale;
    CopyBase(src);
    return 1;
}

int CSupSubScriptContSeg::GetWidth(CDC* pDC)
{
    return GetTextTripleWidth(pDC, m_fScale, m_strBase, m_strSup, m_strSub);
}

void CSupSubScriptContSeg::Draw(CDC* pDC, int x, int y, float fScale, int nOpaque)
{
    LOGFONT lf = SegMath::ScaleFont(GetDrawFont(), fScale);
    LOGFONT lfScript = SegMath::ScaleFont(lf, m_fScale);
    CSegFont font(lf);
    CSegFont fontScript(lfScript);
    CSegPaint paint(pDC, *this, nOpaque);
    SegTextOut(pDC, font, x, y, m_strBase);
    int x2 = x + SegTextExtent(pDC, font, m_strBase).cx;
    SegTextOut(pDC, fontScript, x2, y - 1, m_strSup);
    SegTextOut(pDC, fontScript, x2, y + abs(lf.lfHeight) - abs(lfScript.lfHeight) + 1, m_strSub);
}
