#include "core/CappFreeObj.h"

#include "core/CappFont.h"
#include "core/CappSizeLimit.h"

FX_IMPLEMENT_SERIAL(CCappFreeObj, CObject, 0)

CCappFreeObj::CCappFreeObj()
    : m_bTransparent(0), m_crFill(0xFFFFFF), m_crText(0), m_crLine(0), m_nReserved1(0), m_nKind(0), m_nLineWidth(1),
      m_bBorder(1), m_nReserved2(0), m_nReserved3(0), m_nReserved4(0), m_nReserved5(0), m_nTextFormat(5),
      m_nFontHeight(-31), m_nReserved6(0), m_bSelected(0), m_bInvertHandles(0)
{
    CappInitLogFont(m_lfFont, 12);
}

CCappFreeObj::CCappFreeObj(const CCappFreeObj& src) : CCappFreeObj()
{
    *this = src;
}

CCappFreeObj& CCappFreeObj::operator=(const CCappFreeObj& src)
{
    if (this == &src) {
        return *this;
    }
    m_strVersion = src.m_strVersion;
    m_strLabel2 = src.m_strLabel2;
    m_bTransparent = src.m_bTransparent;
    m_crFill = src.m_crFill;
    m_crText = src.m_crText;
    m_crLine = src.m_crLine;
    m_nReserved1 = src.m_nReserved1;
    m_nKind = src.m_nKind;
    m_nLineWidth = src.m_nLineWidth;
    m_bBorder = src.m_bBorder;
    m_strText = src.m_strText;
    m_strLabel3 = src.m_strLabel3;
    m_nReserved2 = src.m_nReserved2;
    m_nReserved3 = src.m_nReserved3;
    m_nReserved5 = src.m_nReserved5;
    m_nTextFormat = src.m_nTextFormat;
    m_lfFont = src.m_lfFont;
    m_nFontHeight = src.m_nFontHeight;
    m_nReserved6 = src.m_nReserved6;
    m_bSelected = src.m_bSelected;
    m_bInvertHandles = src.m_bInvertHandles;
    return *this;
}

// The reserved integers and the second and third labels have no meaning the format gives: they
// are kept and written back.
void CCappFreeObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strVersion << m_nReserved5 << m_strLabel2 << m_bTransparent << m_crFill << m_crText << m_crLine
           << m_nKind << m_nLineWidth << m_nReserved1 << m_bBorder << m_strText << m_nReserved2 << m_nTextFormat
           << m_nFontHeight << m_nReserved6 << m_strLabel3 << m_nReserved3 << m_nReserved4;
    } else {
        ar >> m_strVersion >> m_nReserved5 >> m_strLabel2 >> m_bTransparent >> m_crFill >> m_crText >> m_crLine >>
            m_nKind >> m_nLineWidth >> m_nReserved1 >> m_bBorder >> m_strText >> m_nReserved2 >> m_nTextFormat >>
            m_nFontHeight >> m_nReserved6 >> m_strLabel3 >> m_nReserved3 >> m_nReserved4;
        m_nLineWidth = CappClampStoredWidth(m_nLineWidth);
        m_nFontHeight = CappClampFontSize(m_nFontHeight);
        m_bSelected = 0;
        m_bInvertHandles = 0;
    }
    SerializelogFont(ar);
}

void CCappFreeObj::SerializelogFont(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_lfFont.lfHeight << m_lfFont.lfWidth << m_lfFont.lfEscapement << m_lfFont.lfOrientation
           << m_lfFont.lfWeight << m_lfFont.lfItalic << m_lfFont.lfUnderline << m_lfFont.lfStrikeOut
           << m_lfFont.lfCharSet << m_lfFont.lfOutPrecision << m_lfFont.lfClipPrecision << m_lfFont.lfQuality
           << m_lfFont.lfPitchAndFamily << CString(m_lfFont.lfFaceName);
        return;
    }
    ar >> m_lfFont.lfHeight >> m_lfFont.lfWidth >> m_lfFont.lfEscapement >> m_lfFont.lfOrientation >>
        m_lfFont.lfWeight >> m_lfFont.lfItalic >> m_lfFont.lfUnderline >> m_lfFont.lfStrikeOut >> m_lfFont.lfCharSet >>
        m_lfFont.lfOutPrecision >> m_lfFont.lfClipPrecision >> m_lfFont.lfQuality >> m_lfFont.lfPitchAndFamily;
    CString strFace;
    ar >> strFace;
    CappSetFaceName(m_lfFont, strFace);
    CappClampLogFont(m_lfFont);
}
