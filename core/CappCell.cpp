#include "core/CappCell.h"

#include <cstring>

#include "core/CappFont.h"
#include "core/CappListArchive.h"
#include "core/CappLoadScope.h"
#include "core/CappLine.h"
#include "core/CappRange.h"
#include "core/CappSizeLimit.h"
#include "core/CellDataItem.h"
#include "core/RelResItem.h"

FX_IMPLEMENT_SERIAL(CCappCell, CObject, 0)

namespace
{

const char kVersion[] = "3.2";

BOOL HasPlacement(const CString& strVersion)
{
    return strVersion == "3.0" || strVersion == "3.1" || strVersion == "3.2";
}

BOOL HasFontHeight(const CString& strVersion)
{
    return strVersion == "3.1" || strVersion == "3.2";
}

} // namespace

CCappCell::CCappCell()
    : m_nCellID(0), m_bOwnRect(0), m_strCellText1("\n"), m_wCellWord(1), m_nContentKind(kindStatic), m_nCellInt1(0),
      m_nStaticMode(1), m_nDataType(1), m_nDisplay(1), m_nFieldType(1), m_nDecimals(0), m_bHideZero(0), m_bTrimZero(0),
      m_nCellInt7(0), m_nTextDir(1), m_nLength(60), m_nTextFormat(0x25), m_crText(0), m_crBack(0xFFFFFF),
      m_nTopLineID(-1), m_nLeftLineID(-1), m_nRightLineID(-1), m_nBottomLineID(-1), m_nFontHeight(-31), m_nLinkKind(0),
      m_nCellRole(0), m_nSrcOption(0), m_nCellInt14(0), m_byCellByte(10), m_bAllowInput(1), m_bInheritPrev(0),
      m_nEditFlags(0), m_nUniteFlags(0), m_nDataPos(seatHead), m_nMarkFlags(0), m_crMark(0x00FFFF),
      m_crMarkText(0x0000FF)
{
    CappInitLogFont(m_lfFont, 0);
}

CCappCell::~CCappCell()
{
    DetachList(CString());
}

CCappCell& CCappCell::operator=(const CCappCell& src)
{
    if (this == &src) {
        return *this;
    }
    m_strVersion = src.m_strVersion;
    m_nCellID = src.m_nCellID;
    m_bOwnRect = src.m_bOwnRect;
    m_rcOwn = src.m_rcOwn;
    m_strCellText1 = src.m_strCellText1;
    m_wCellWord = src.m_wCellWord;
    m_nContentKind = src.m_nContentKind;
    m_strFormat = src.m_strFormat;
    m_nCellInt1 = src.m_nCellInt1;
    m_nStaticMode = src.m_nStaticMode;
    m_nDataType = src.m_nDataType;
    m_nDisplay = src.m_nDisplay;
    m_nFieldType = src.m_nFieldType;
    m_nDecimals = src.m_nDecimals;
    m_bHideZero = src.m_bHideZero;
    m_strCellText2 = src.m_strCellText2;
    m_bTrimZero = src.m_bTrimZero;
    m_strCellText3 = src.m_strCellText3;
    m_nCellInt7 = src.m_nCellInt7;
    m_strVarName = src.m_strVarName;
    m_nTextDir = src.m_nTextDir;
    m_nLength = src.m_nLength;
    m_strText = src.m_strText;
    m_strLinkText = src.m_strLinkText;
    m_strDrawText = src.m_strDrawText;
    m_nTextFormat = src.m_nTextFormat;
    m_crText = src.m_crText;
    m_crBack = src.m_crBack;
    m_nTopLineID = src.m_nTopLineID;
    m_nLeftLineID = src.m_nLeftLineID;
    m_nRightLineID = src.m_nRightLineID;
    m_nBottomLineID = src.m_nBottomLineID;
    m_nFontHeight = src.m_nFontHeight;
    m_nLinkKind = src.m_nLinkKind;
    m_nCellRole = src.m_nCellRole;
    m_nSrcOption = src.m_nSrcOption;
    m_nCellInt14 = src.m_nCellInt14;
    m_byCellByte = src.m_byCellByte;
    m_strCellText6 = src.m_strCellText6;
    m_bAllowInput = src.m_bAllowInput;
    m_strCellText7 = src.m_strCellText7;
    m_strCellText8 = src.m_strCellText8;
    m_bInheritPrev = src.m_bInheritPrev;
    m_nEditFlags = src.m_nEditFlags;
    m_nUniteFlags = src.m_nUniteFlags;
    m_lfFont = src.m_lfFont;
    m_nDataPos = src.m_nDataPos;
    m_nMarkFlags = src.m_nMarkFlags;
    m_crMark = src.m_crMark;
    m_crMarkText = src.m_crMarkText;

    DetachList(CString());
    POSITION pos = src.m_listRelRes.GetHeadPosition();
    while (pos != nullptr) {
        m_listRelRes.AddTail(new CRelResItem(*static_cast<CRelResItem*>(src.m_listRelRes.GetNext(pos))));
    }
    pos = src.m_listCellData.GetHeadPosition();
    while (pos != nullptr) {
        m_listCellData.AddTail(new CCellDataItem(*static_cast<CCellDataItem*>(src.m_listCellData.GetNext(pos))));
    }
    return *this;
}

void CCappCell::DetachList(const CString& strName)
{
    if (strName.IsEmpty() || strName == "m_listCellData") {
        CappFreeList(m_listCellData);
    }
    if (strName.IsEmpty() || strName == "m_listRelRes") {
        CappFreeList(m_listRelRes);
    }
}

BOOL CCappCell::IsHide() const
{
    return m_nTopLineID < 0 && m_nLeftLineID < 0 && m_nRightLineID < 0 && m_nBottomLineID < 0 && m_rcOwn.IsRectEmpty();
}

void CCappCell::SetCellBaseLine(const CCappRange& range)
{
    if (range.m_nKind != 1 || range.m_pLeftLine == nullptr || range.m_pTopLine == nullptr ||
        range.m_pRightLine == nullptr || range.m_pBottomLine == nullptr) {
        return;
    }
    m_nLeftLineID = range.m_pLeftLine->m_nID;
    m_nTopLineID = range.m_pTopLine->m_nID;
    m_nRightLineID = range.m_pRightLine->m_nID;
    m_nBottomLineID = range.m_pBottomLine->m_nID;
}

int CCappCell::GetBaseRect(CRect& rect) const
{
    if (m_listCellData.IsEmpty()) {
        rect.SetRectEmpty();
        return 0;
    }
    rect = static_cast<const CCellDataItem*>(m_listCellData.GetHead())->m_rect;
    return 1;
}

// The numbered integers and texts, m_wCellWord and m_byCellByte have no meaning the format
// gives: they are kept and written back.
void CCappCell::Serialize(CArchive& ar)
{
    CCappLoadScope::COpen open(this);
    if (ar.IsStoring()) {
        m_strVersion = kVersion;
        ar << m_strVersion;
        ar << m_nCellID << m_bOwnRect << m_rcOwn.left << m_rcOwn.top << m_rcOwn.right << m_rcOwn.bottom
           << m_strCellText1;
        ar << m_wCellWord << m_nContentKind << m_strFormat << m_nCellInt1 << m_nStaticMode << m_nDataType << m_nDisplay
           << m_nFieldType << m_nDecimals << m_bHideZero << m_strCellText2 << m_bTrimZero << m_strCellText3
           << m_nCellInt7 << m_strVarName << m_nTextDir << m_nLength << m_strText << m_strLinkText << m_strDrawText
           << m_nTextFormat << m_crText << m_crBack << m_nTopLineID << m_nLeftLineID << m_nRightLineID
           << m_nBottomLineID << m_nFontHeight << m_nLinkKind << m_nCellRole << m_nSrcOption << m_nCellInt14
           << m_byCellByte << m_strCellText6 << m_bAllowInput << m_strCellText7 << m_strCellText8 << m_bInheritPrev
           << m_nEditFlags;
        ar << m_nUniteFlags;
    } else {
        ar >> m_strVersion;
        if (HasPlacement(m_strVersion)) {
            ar >> m_nCellID >> m_bOwnRect >> m_rcOwn.left >> m_rcOwn.top >> m_rcOwn.right >> m_rcOwn.bottom >>
                m_strCellText1;
        } else {
            m_nCellID = 0;
            m_bOwnRect = 0;
            m_rcOwn.SetRectEmpty();
            m_strCellText1 = "\n";
        }
        ar >> m_wCellWord >> m_nContentKind >> m_strFormat >> m_nCellInt1 >> m_nStaticMode >> m_nDataType >>
            m_nDisplay >> m_nFieldType >> m_nDecimals >> m_bHideZero >> m_strCellText2 >> m_bTrimZero >>
            m_strCellText3 >> m_nCellInt7 >> m_strVarName >> m_nTextDir >> m_nLength >> m_strText >> m_strLinkText >>
            m_strDrawText >> m_nTextFormat >> m_crText >> m_crBack >> m_nTopLineID >> m_nLeftLineID >> m_nRightLineID >>
            m_nBottomLineID >> m_nFontHeight >> m_nLinkKind >> m_nCellRole >> m_nSrcOption >> m_nCellInt14 >>
            m_byCellByte >> m_strCellText6 >> m_bAllowInput >> m_strCellText7 >> m_strCellText8 >> m_bInheritPrev >>
            m_nEditFlags;
        if (m_strVersion == kVersion) {
            ar >> m_nUniteFlags;
        } else {
            m_nUniteFlags = 0;
        }
        CappClampRect(m_rcOwn);
        m_nFontHeight = CappClampFontSize(m_nFontHeight);
        CappFreeList(m_listRelRes);
    }
    SerializelogFont(ar);
    CappSerializeList(ar, m_listRelRes, FX_RUNTIME_CLASS(CRelResItem));
}

void CCappCell::SerializelogFont(CArchive& ar)
{
    if (ar.IsStoring()) {
        if (HasFontHeight(m_strVersion)) {
            ar << m_lfFont.lfHeight;
        }
        ar << m_lfFont.lfWidth << m_lfFont.lfEscapement << m_lfFont.lfOrientation << m_lfFont.lfWeight
           << m_lfFont.lfItalic << m_lfFont.lfUnderline << m_lfFont.lfStrikeOut << m_lfFont.lfCharSet
           << m_lfFont.lfOutPrecision << m_lfFont.lfClipPrecision << m_lfFont.lfQuality << m_lfFont.lfPitchAndFamily;
        // A face name is shorter than LF_FACESIZE: its length takes the one-byte form of a
        // stored string, written here without a copy of the name per cell.
        const size_t nFace = strnlen(m_lfFont.lfFaceName, LF_FACESIZE - 1);
        ar << static_cast<BYTE>(nFace);
        ar.Write(m_lfFont.lfFaceName, static_cast<UINT>(nFace));
        return;
    }

    if (HasFontHeight(m_strVersion)) {
        ar >> m_lfFont.lfHeight;
    } else {
        m_lfFont.lfHeight = 0;
    }
    ar >> m_lfFont.lfWidth >> m_lfFont.lfEscapement >> m_lfFont.lfOrientation >> m_lfFont.lfWeight >>
        m_lfFont.lfItalic >> m_lfFont.lfUnderline >> m_lfFont.lfStrikeOut >> m_lfFont.lfCharSet >>
        m_lfFont.lfOutPrecision >> m_lfFont.lfClipPrecision >> m_lfFont.lfQuality >> m_lfFont.lfPitchAndFamily;
    CString strFace;
    ar >> strFace;
    CappSetFaceName(m_lfFont, strFace);
    CappClampLogFont(m_lfFont);
}
