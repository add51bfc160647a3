// The special edit: turns segment text into content segments and back, lays them out in rows and
// draws them. An object without a window serves the static drawing entry and row measuring.
#pragma once

#include <windows.h>

#include "platform/base/ObList.h"
#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/win/Wnd.h"
#include "symedit/CappBaseCtrl.h"
#include "symedit/MarkwellExport.h"

class CDC;
class CContentSegment;
class CStringContSeg;
class CCustSymSource;

class MARKWELL_API CGlyphworkEdit : public CWnd, public CCappBaseCtrl
{
public:
    // Edit-style bit: the alignment prefix is never written.
    enum : DWORD { styleNoAlignPrefix = 0x20 };
    // Format flags: fit each row by narrowing characters; break rows by width.
    enum : UINT { formatFitRow = 0x2, formatBreakByWidth = 0x4 };

    CGlyphworkEdit();
    ~CGlyphworkEdit() override;

    // The custom-symbol cache custom symbols are looked up in; null skips the lookup.
    void AttachMgr(CCustSymSource* pMgr);

    // Parsing and writing whole segment text.
    void TransStringToContSegList(CDC* pDC, CString strText);
    // Nonzero when the element letter is known; its segments are appended.
    int ProcessSpecial(CDC* pDC, char chLetter, CString strContent);
    void TransContSegListToString(CString& strOut);
    // Empties listOut (without freeing) and fills it with one-character copies of pSeg.
    void SeparateStrContSeg(CStringContSeg* pSeg, CObList& listOut);
    // Merges neighbouring text segments of the same font and colour.
    void JoinStrContSeg(CObList& list);
    int GetNewContSeg(CContentSegment*& pOut, CContentSegment* pSource);

    void GetData(CString& strOut) override;
    // Empties list (without freeing) and fills it with copies of the segments, text joined; the
    // caller owns them.
    void GetData(CObList& list);
    // Empty for a row outside 0 to row count - 1.
    void GetRowData(CString& strOut, int nRow) override;
    // The markup without alignment prefix, font tags and text-element tags.
    void GetTextData(CString& strOut) override;
    int GetRowCount() override;
    // Keeps the larger of the given and the present initial row count.
    void SetOrigRows(int nRows) override;
    int GetAlignFormat() override;
    DWORD GetEditStyle() override;
    void ModifyEditStyle(DWORD dwRemove, DWORD dwAdd) override;

    void TransEditRowToContSegList(int nRow);
    void TransEditRowListToContSegList();
    void DetachContSegList();
    void DetachContSegList(CObList& list);
    void DetachEditRowList();

    // Layout.
    void SetTextData(LOGFONT lfBase, CString strText, int nFormat, int nAlign, float fScale, COLORREF crText);
    void SetLineStyle(int nSpacing, int nRowLines);
    // Lays the markup out for the rectangle's width without drawing.
    void SetBaseData(CDC* pDC, CRect& rect, LOGFONT lfBase, int nFormat, int nAlign, CString strText);
    // Draws the markup into the rectangle; without bFontRowHeight the rectangle is one row.
    void DrawData(CDC* pDC, CRect rect, CString strText, LOGFONT lfBase, UINT nFormat, int nAlign, bool bFontRowHeight,
                  COLORREF crText);
    void GetLogFont(LOGFONT& lf);
    void SetAlignFormat(int nAlign);
    // Breaks rows from nRow to the end, by line breaks and, with formatBreakByWidth, by width.
    void ReCalEditRow(CDC* pDC, int nRow);
    int GetVSpace();
    // The editor's drawing of one row in window coordinates, its band cleared to the background.
    void DrawRow(CDC* pDC, int nRow);
    // Lines between rows, as wide as the row spacing, when row lines are on.
    void DrawEditLine(CDC* pDC);

    CObList m_listContSeg;
    CObList m_listEditRow;
    int m_nRowCount = 1;
    int m_nCaretRow = 0;
    int m_nCaretCol = 0;
    int m_nCaretX = 0;
    int m_nCaretY = 0;
    COLORREF m_crBack = RGB(255, 255, 255);
    COLORREF m_crText = 0;
    DWORD m_dwEditStyle = 0;
    UINT m_nFormat = 0;
    int m_nAlign = 0;
    float m_fScale = 1.0f;
    CRect m_rcText;
    int m_nRowHeight = 0;
    int m_nRowSpacing = 0;
    int m_nRowLines = 0;
    int m_nLayoutWidth = 0;
    int m_nOrigRows = 0;
    int m_nFirstShowRow = 0;
    int m_nScrollOffset = 0;
    int m_nTopMargin = 1;
    int m_nLeftMargin = 2;
    int m_nRightMargin = 2;

private:
    void ResetMargins();
    int GetRowPitch() const { return m_nRowHeight + m_nRowSpacing; }
    // Clones of the row's segments (all rows for -1) written as markup.
    void WriteRows(CString& strOut, int nRow);
    void AppendText(CDC* pDC, const CString& strChar);
    void AppendMeasured(CDC* pDC, CContentSegment* pSeg);

    CCustSymSource* m_pCustSymMgr = nullptr;
};
