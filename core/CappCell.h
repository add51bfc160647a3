// One cell of a sheet: its place between four lines (or its own rectangle), its role, text,
// format, font and related resources.
#pragma once

#include "core/CappContextFont.h"
#include "core/VornCardExport.h"
#include "platform/base/ObList.h"
#include "platform/base/Rect.h"

class CCappRange;
class CCellDataItem;
class CDC;

class VORNCARD_API CCappCell : public CObject
{
    FX_DECLARE_SERIAL(CCappCell)
public:
    // Seats (m_nDataPos), set by the sheet after loading.
    enum {
        seatHead = 0,
        seatPage = 1,
        seatMidData = 2,
        seatOut = 3,
    };
    // Content kinds.
    enum {
        kindStatic = 1,
        kindVariable = 2,
        kindImage = 4,
        kindStaticOther = 6, // drawn and printed as static text
    };
    // m_nLinkKind
    enum {
        linkNone = 0,
        linkOut = 2,     // m_strLinkText's "[name]" references take out data
        linkInherit = 3, // m_strLinkText's "[name]" references take inherited data
    };
    // m_nCellRole
    enum {
        roleNone = 0,
        roleMaterialSize = 3,
        roleMaterialName = 10,
    };
    // m_nMarkFlags
    enum {
        markFill = 0x1,
        markText = 0x2,
        markInvert = 0x10,
    };

    CCappCell();
    ~CCappCell() override;
    CCappCell(const CCappCell&) = delete;
    // Copies every attribute, the related resources and the data ranges included.
    CCappCell& operator=(const CCappCell& src);

    void Serialize(CArchive& ar) override;
    // The LOGFONT record; the height is stored only by cells of version "3.1" and "3.2".
    void SerializelogFont(CArchive& ar);

    // "m_listCellData" or "m_listRelRes": frees the entries of that list.
    void DetachList(const CString& strName);

    // All four line ids negative and no own rectangle.
    BOOL IsHide() const;
    // Takes the four base lines of a range of kind 1.
    void SetCellBaseLine(const CCappRange& range);
    // The rectangle of the first data range; 0 and an empty rectangle when there is none.
    int GetBaseRect(CRect& rect) const;

    // Drawing (CappCellDraw.cpp). The font to draw with: the cell's, its height from m_nFontHeight.
    void GetDrawFont(LOGFONTA& lf) const;
    // The drawing font scaled for the context (null: "PRINT" on a printer, "WIN" on screen), kept
    // until the context or the scaled font changes; null only when no font can be made.
    CFont* GetDrawLoginFont(CDC* pDC, LPCSTR pszContext = nullptr);
    // The cell's text, value or data ranges, or with bShowName its variable name, in rect.
    void DrawCellText(CDC* pDC, const CRect& rect, int bShowName);
    // Segment text through the special edit or the number control, other text as plain lines.
    void DrawDataText(CDC* pDC, const CString& strText, const CRect& rect, COLORREF crText, int nFormat,
                      const LOGFONTA& lf, bool bOneRow);

    CString m_strVersion;
    int m_nCellID;
    int m_bOwnRect;
    CRect m_rcOwn;
    CString m_strCellText1;
    WORD m_wCellWord;
    int m_nContentKind;
    CString m_strFormat;
    int m_nCellInt1;
    int m_nStaticMode;
    int m_nDataType;  // 1 string, 2 integer, 3 floating point
    int m_nDisplay;   // 0x02 compressed, 0x04 word wrap, 0x08 drawn by the special edit
    int m_nFieldType; // 1 regular field, 8 formatted value (page number)
    int m_nDecimals;
    int m_bHideZero;
    CString m_strCellText2;
    int m_bTrimZero;
    CString m_strCellText3;
    int m_nCellInt7;
    CString m_strVarName;
    int m_nTextDir; // 1 horizontal, 2 vertical
    int m_nLength;
    CString m_strText;     // segment text
    CString m_strLinkText; // a linked cell's text with "[name]" references; m_strText shows the value
    CString m_strDrawText; // a picture cell's drawing text
    int m_nTextFormat;
    COLORREF m_crText;
    COLORREF m_crBack; // 0xFFFFFF: no fill
    int m_nTopLineID;
    int m_nLeftLineID;
    int m_nRightLineID;
    int m_nBottomLineID;
    int m_nFontHeight; // tenths of a millimetre; negative: character height
    int m_nLinkKind;   // link* below: a head cell whose value is filled from outside the card
    int m_nCellRole;   // role* below
    int m_nSrcOption;  // copied into the card variable's definition, read by nothing else
    int m_nCellInt14;
    BYTE m_byCellByte;
    CString m_strCellText6;
    int m_bAllowInput;
    CString m_strCellText7;
    CString m_strCellText8;
    int m_bInheritPrev;
    int m_nEditFlags;  // 0x80 not editable, 0x04 soft line breaks, 0x10 several data lines
    int m_nUniteFlags; // 0x01 summed, 0x02 merge condition of its detail area
    LOGFONTA m_lfFont;
    CObList m_listRelRes; // CRelResItem, owned

    // Run time only.
    CObList m_listCellData; // CCellDataItem, one per grid row, owned
    int m_nDataPos;         // seat
    int m_nMarkFlags;       // marks set for drawing (mark* above)
    COLORREF m_crMark;      // fill under markFill
    COLORREF m_crMarkText;  // text colour under markText
    CCappContextFont m_drawFont;
};
