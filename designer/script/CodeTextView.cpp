#include "designer/script/CodeTextView.h"

#include <algorithm>
#include <cstring>
#include <string>

#include <commdlg.h>

#include "designer/script/CodeCharFun.h"
#include "designer/script/CodeTextClipboard.h"
#include "designer/script/CodeTextBuffer.h"
#include "designer/res/resource.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/base/FxResMgr.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/ole/OleDataSource.h"
#include "platform/print/PrintInfo.h"
#include "platform/win/CmdUI.h"
#include "platform/frame/SplitterWnd.h"

namespace
{
const UINT_PTR kDragTimerId = 1001;
const UINT kDragTimerMs = 100;
const int kMaxLine = 0x7FFFFFFF;

bool Less(CPoint a, CPoint b)
{
    return a.y < b.y || (a.y == b.y && a.x < b.x);
}

bool IsBlankByte(char ch)
{
    return ch == ' ' || ch == '\t';
}

const char kPageSetupSection[] = "CodeEdit\\PageSetup";

int ProfileMargin(LPCSTR pszEntry)
{
    CWinApp* pApp = FxGetApp();
    return pApp != nullptr ? static_cast<int>(pApp->GetProfileInt(kPageSetupSection, pszEntry, 1000)) : 1000;
}

// Measured, not asked: the pitch flag of some CJK fonts claims a fixed pitch they do not have.
BOOL IsFixedPitch(const LOGFONTA& lf)
{
    CFont font;
    if (!font.CreateFontIndirect(&lf)) {
        return FALSE;
    }
    CClientDC dc(nullptr);
    CFxSelectGuard guard(&dc, &font);
    const int cx = dc.GetTextExtent("W", 1).cx;
    return dc.GetTextExtent("i", 1).cx == cx && dc.GetTextExtent("m", 1).cx == cx && dc.GetTextExtent(" ", 1).cx == cx;
}

// The text goes into fixed character cells. A face the system maps to a proportional font (宋体
// where SimSun is missing) would leave gaps after narrow letters: "Di m n". Such a face gives way
// to the fixed-pitch font the system finds for the same character set.
LOGFONTA FixedPitchFont(const LOGFONTA& lf)
{
    if (IsFixedPitch(lf)) {
        return lf;
    }
    LOGFONTA lfFixed = lf;
    lfFixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lfFixed.lfFaceName[0] = '\0';
    if (!IsFixedPitch(lfFixed)) {
        return lf;
    }
    // Named, so that the bold and italic forms come from the same family.
    CFont font;
    if (font.CreateFontIndirect(&lfFixed)) {
        CClientDC dc(nullptr);
        CFxSelectGuard guard(&dc, &font);
        ::GetTextFaceA(dc.m_hDC, LF_FACESIZE, lfFixed.lfFaceName);
    }
    return lfFixed;
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CCodeTextView, CView)

CCodeTextView* CCodeTextView::s_pDragOutView = nullptr;

FX_BEGIN_MESSAGE_MAP(CCodeTextView, CView)
FX_ON_WM_CREATE()
FX_ON_WM_DESTROY()
FX_ON_WM_SIZE()
FX_ON_WM_TIMER()
FX_ON_WM_SETFOCUS()
FX_ON_WM_KILLFOCUS()
FX_ON_WM_ERASEBKGND()
FX_ON_WM_LBUTTONDOWN()
FX_ON_WM_LBUTTONUP()
FX_ON_WM_LBUTTONDBLCLK()
FX_ON_WM_RBUTTONDOWN()
FX_ON_WM_MOUSEMOVE()
FX_ON_MESSAGE(WM_VSCROLL, OnVScrollMsg)
FX_ON_MESSAGE(WM_HSCROLL, OnHScrollMsg)
FX_ON_MESSAGE(WM_SETCURSOR, OnSetCursorMsg)
FX_ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeMsg)
FX_ON_COMMAND(ID_EDIT_CHAR_LEFT, OnCharLeft)
FX_ON_COMMAND(ID_EDIT_EXT_CHAR_LEFT, OnExtCharLeft)
FX_ON_COMMAND(ID_EDIT_CHAR_RIGHT, OnCharRight)
FX_ON_COMMAND(ID_EDIT_EXT_CHAR_RIGHT, OnExtCharRight)
FX_ON_COMMAND(ID_EDIT_WORD_LEFT, OnWordLeft)
FX_ON_COMMAND(ID_EDIT_EXT_WORD_LEFT, OnExtWordLeft)
FX_ON_COMMAND(ID_EDIT_WORD_RIGHT, OnWordRight)
FX_ON_COMMAND(ID_EDIT_EXT_WORD_RIGHT, OnExtWordRight)
FX_ON_COMMAND(ID_EDIT_LINE_UP, OnLineUp)
FX_ON_COMMAND(ID_EDIT_EXT_LINE_UP, OnExtLineUp)
FX_ON_COMMAND(ID_EDIT_LINE_DOWN, OnLineDown)
FX_ON_COMMAND(ID_EDIT_EXT_LINE_DOWN, OnExtLineDown)
FX_ON_COMMAND(ID_EDIT_SCROLL_UP, OnScrollUp)
FX_ON_COMMAND(ID_EDIT_SCROLL_DOWN, OnScrollDown)
FX_ON_COMMAND(ID_EDIT_PAGE_UP, OnPageUp)
FX_ON_COMMAND(ID_EDIT_EXT_PAGE_UP, OnExtPageUp)
FX_ON_COMMAND(ID_EDIT_PAGE_DOWN, OnPageDown)
FX_ON_COMMAND(ID_EDIT_EXT_PAGE_DOWN, OnExtPageDown)
FX_ON_COMMAND(ID_EDIT_LINE_END, OnLineEnd)
FX_ON_COMMAND(ID_EDIT_EXT_LINE_END, OnExtLineEnd)
FX_ON_COMMAND(ID_EDIT_HOME, OnHome)
FX_ON_COMMAND(ID_EDIT_EXT_HOME, OnExtHome)
FX_ON_COMMAND(ID_EDIT_TEXT_BEGIN, OnTextBegin)
FX_ON_COMMAND(ID_EDIT_EXT_TEXT_BEGIN, OnExtTextBegin)
FX_ON_COMMAND(ID_EDIT_TEXT_END, OnTextEnd)
FX_ON_COMMAND(ID_EDIT_EXT_TEXT_END, OnExtTextEnd)
FX_ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
FX_ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
FX_ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
FX_ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
FX_ON_COMMAND(ID_EDIT_REPEAT, OnEditRepeat)
FX_ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, OnUpdateEditRepeat)
FX_ON_COMMAND(ID_EDIT_FIND_PREVIOUS, OnEditFindPrevious)
FX_ON_COMMAND(ID_EDIT_FIND, OnEditFind)
FX_ON_UPDATE_COMMAND_UI(ID_EDIT_FIND_PREVIOUS, OnUpdateEditRepeat)
FX_ON_COMMAND(ID_FILE_PAGE_SETUP, OnFilePageSetup)
FX_ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
FX_ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
FX_ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
FX_ON_UPDATE_COMMAND_UI(ID_INDICATOR_POSITION, OnUpdateIndicatorPosition)
FX_ON_UPDATE_COMMAND_UI(ID_INDICATOR_CRLF, OnUpdateIndicatorCrlf)
FX_END_MESSAGE_MAP()

CCodeTextView::CCodeTextView()
    : m_crLineNumber(RGB(129, 129, 129)), m_lfLineNumber{}, m_bCaretHidden(FALSE), m_pLineBitmap(nullptr),
      m_nLineCy(-1), m_nCharCx(-1), m_nTabWidth(4), m_bShowMargin(TRUE), m_nVisibleLines(-1), m_nVisibleColumns(-1),
      m_nWidestLine(-1), m_nWantedColumn(-1), m_bHasFocus(FALSE), m_lfText{}, m_apFonts{}, m_pLineNumberFont(nullptr),
      m_bDragPending(FALSE), m_bMouseSelecting(FALSE), m_bWordMode(FALSE), m_bLineMode(FALSE), m_nDragTimer(0),
      m_pBuffer(nullptr), m_hAccel(nullptr), m_bVertBarFrozen(FALSE), m_bHorzBarFrozen(FALSE), m_bKeepSelVisible(FALSE),
      m_pPrintFont(nullptr), m_nPrintLineCy(0), m_bPrintHeader(FALSE), m_bPrintFooter(TRUE), m_nFirstLine(0),
      m_nFirstColumn(0)
{
    m_lfLineNumber.lfHeight = 12;
    m_lfLineNumber.lfCharSet = 134; // GB2312
    m_lfLineNumber.lfOutPrecision = 3;
    m_lfLineNumber.lfClipPrecision = 2;
    m_lfLineNumber.lfQuality = 1;
    m_lfLineNumber.lfPitchAndFamily = 0x32;
    lstrcpynA(m_lfLineNumber.lfFaceName, "宋体", LF_FACESIZE);
    m_lfText = m_lfLineNumber;
}

CCodeTextView::~CCodeTextView()
{
    DetachBuffer();
    DropFonts();
    delete m_pLineNumberFont;
    delete m_pPrintFont;
}

void CCodeTextView::AttachBuffer(CCodeTextBuffer* pBuffer)
{
    DetachBuffer();
    m_pBuffer = pBuffer;
    if (m_pBuffer != nullptr) {
        m_pBuffer->AttachView(this);
    }
    ResetState();
    if (m_hWnd != nullptr) {
        RecalcVertScrollBar();
        RecalcHorzScrollBar();
        Invalidate(FALSE);
    }
}

void CCodeTextView::DetachBuffer()
{
    if (m_pBuffer != nullptr) {
        m_pBuffer->DetachView(this);
        m_pBuffer = nullptr;
    }
}

CCodeTextBuffer* CCodeTextView::GetTextBuffer()
{
    return m_pBuffer;
}

HINSTANCE CCodeTextView::GetResourceModule()
{
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(MAKEINTRESOURCEA(IDR_CODE_EDIT_ACCEL), MAKEINTRESOURCEA(9));
    return hInst != nullptr ? hInst : ::GetModuleHandleA(nullptr);
}

void CCodeTextView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    CCodeTextBuffer* pBuffer = GetTextBuffer();
    if (pBuffer != nullptr && pBuffer != m_pBuffer) {
        AttachBuffer(pBuffer);
    }
    // A new pane starts where its siblings are: the column of the pane at the top of its
    // column, the line of the pane at the left of its row.
    int row = 0;
    int col = 0;
    CSplitterWnd* pSplitter = GetParentSplitter();
    if (pSplitter != nullptr && pSplitter->IsChildPane(this, &row, &col)) {
        CWnd* pTop = pSplitter->GetPane(0, col);
        if (pTop != this && pTop != nullptr && pTop->IsKindOf(FX_RUNTIME_CLASS(CCodeTextView))) {
            m_nFirstColumn = static_cast<CCodeTextView*>(pTop)->m_nFirstColumn;
        }
        CWnd* pLeft = pSplitter->GetPane(row, 0);
        if (pLeft != this && pLeft != nullptr && pLeft->IsKindOf(FX_RUNTIME_CLASS(CCodeTextView))) {
            m_nFirstLine =
                std::clamp(static_cast<CCodeTextView*>(pLeft)->m_nFirstLine, 0, std::max(0, LineCount() - 1));
        }
        RecalcVertScrollBar();
        RecalcHorzScrollBar();
        UpdateCaret();
        Invalidate(FALSE);
    }
}

CSplitterWnd* CCodeTextView::GetParentSplitter() const
{
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    return pParent != nullptr && pParent->IsKindOf(FX_RUNTIME_CLASS(CSplitterWnd)) ? static_cast<CSplitterWnd*>(pParent)
                                                                                   : nullptr;
}

HWND CCodeTextView::GetScrollBarOwner(int nBar, int& nCtlBar) const
{
    if (CSplitterWnd* pSplitter = GetParentSplitter()) {
        nCtlBar = SB_CTL;
        return pSplitter->GetScrollBarCtrl(this, nBar);
    }
    nCtlBar = nBar;
    return m_hWnd;
}

void CCodeTextView::UpdateSiblingScrollPos(BOOL bHorz)
{
    int row = 0;
    int col = 0;
    CSplitterWnd* pSplitter = GetParentSplitter();
    if (pSplitter == nullptr || !pSplitter->IsChildPane(this, &row, &col)) {
        return;
    }
    // Lines are shared along a row, columns down a column.
    const int nCount = bHorz ? pSplitter->GetRowCount() : pSplitter->GetColumnCount();
    for (int i = 0; i < nCount; ++i) {
        CWnd* pPane = bHorz ? pSplitter->GetPane(i, col) : pSplitter->GetPane(row, i);
        if (pPane != this && pPane != nullptr && pPane->IsKindOf(FX_RUNTIME_CLASS(CCodeTextView))) {
            static_cast<CCodeTextView*>(pPane)->OnUpdateSibling(this, bHorz);
        }
    }
}

void CCodeTextView::OnUpdateSibling(CCodeTextView* pUpdateSource, BOOL bHorz)
{
    if (pUpdateSource == nullptr || pUpdateSource == this) {
        return;
    }
    if (bHorz) {
        ScrollToColumn(std::clamp(pUpdateSource->m_nFirstColumn, 0, std::max(0, GetMaxLineWidth())));
    } else {
        ScrollToTopLine(std::clamp(pUpdateSource->m_nFirstLine, 0, std::max(0, LineCount() - 1)));
    }
}

int CCodeTextView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_lfText = m_lfLineNumber;
    m_hAccel = ::LoadAcceleratorsA(GetResourceModule(), MAKEINTRESOURCEA(IDR_CODE_EDIT_ACCEL));
    return 0;
}

void CCodeTextView::OnDestroy()
{
    if (m_nDragTimer != 0) {
        KillTimer(m_nDragTimer);
        m_nDragTimer = 0;
    }
    DetachBuffer();
    delete m_pLineBitmap;
    m_pLineBitmap = nullptr;
    CView::OnDestroy();
}

void CCodeTextView::DropFonts()
{
    for (CFont*& pFont : m_apFonts) {
        delete pFont;
        pFont = nullptr;
    }
}

void CCodeTextView::ResetState()
{
    m_nFirstLine = 0;
    m_nFirstColumn = 0;
    m_nLineCy = -1;
    m_nCharCx = -1;
    m_nVisibleLines = -1;
    m_nVisibleColumns = -1;
    m_nWidestLine = -1;
    m_nWantedColumn = -1;
    m_nTabWidth = 4;
    m_bHasFocus = m_hWnd != nullptr && ::GetFocus() == m_hWnd;
    DropFonts();
    m_parseStates.clear();
    m_lineWidths.clear();
    m_ptCaret = m_ptSelFrom = m_ptSelTo = m_ptFixed = m_ptSelLow = m_ptSelHigh = CPoint(0, 0);
    m_bVertBarFrozen = FALSE;
    m_bHorzBarFrozen = FALSE;
    m_search.ForgetLast();
    m_bKeepSelVisible = FALSE;
    m_bPrintHeader = FALSE;
    m_bPrintFooter = TRUE;
    m_bDragPending = FALSE;
    m_dragOut.Reset();
    if (m_hWnd != nullptr) {
        UpdateCaret();
    }
}

void CCodeTextView::SetFont(const LOGFONTA& lf)
{
    m_lfText = lf;
    DropFonts();
    delete m_pLineBitmap;
    m_pLineBitmap = nullptr;
    m_nLineCy = -1;
    m_nCharCx = -1;
    m_nVisibleLines = -1;
    m_nVisibleColumns = -1;
    if (m_hWnd != nullptr) {
        RecalcVertScrollBar();
        RecalcHorzScrollBar();
        ::DestroyCaret();
        UpdateCaret();
        Invalidate(FALSE);
    }
}

CFont* CCodeTextView::GetFont(BOOL bBold, BOOL bItalic)
{
    const int nIndex = (bBold ? 1 : 0) + (bItalic ? 2 : 0);
    if (m_apFonts[nIndex] == nullptr) {
        LOGFONTA lf = FixedPitchFont(m_lfText);
        lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = static_cast<BYTE>(bItalic ? 1 : 0);
        m_apFonts[nIndex] = new CFont;
        m_apFonts[nIndex]->CreateFontIndirect(&lf);
    }
    return m_apFonts[nIndex];
}

void CCodeTextView::CalcLineCharDim()
{
    CClientDC dc(m_hWnd);
    CFxSelectGuard guard(&dc, GetFont());
    const CSize size = dc.GetTextExtent("X", 1);
    m_nLineCy = std::max<int>(1, size.cy);
    m_nCharCx = std::max<int>(1, size.cx);
}

int CCodeTextView::GetLineHeight()
{
    if (m_nLineCy < 0) {
        CalcLineCharDim();
    }
    return m_nLineCy;
}

int CCodeTextView::GetCharWidth()
{
    if (m_nCharCx < 0) {
        CalcLineCharDim();
    }
    return m_nCharCx;
}

int CCodeTextView::GetVisibleLines()
{
    if (m_nVisibleLines < 0) {
        CRect rc;
        GetClientRect(&rc);
        m_nVisibleLines = rc.Height() / GetLineHeight();
    }
    return m_nVisibleLines;
}

int CCodeTextView::GetVisibleColumns()
{
    if (m_nVisibleColumns < 0) {
        CRect rc;
        GetClientRect(&rc);
        m_nVisibleColumns = std::max(0, (rc.Width() - GetMarginWidth()) / GetCharWidth());
    }
    return m_nVisibleColumns;
}

int CCodeTextView::LineCount()
{
    return m_pBuffer != nullptr ? m_pBuffer->LineCount() : 0;
}

int CCodeTextView::LineLength(int nLine)
{
    return m_pBuffer != nullptr ? m_pBuffer->LineLength(nLine) : 0;
}

LPCSTR CCodeTextView::LineText(int nLine)
{
    return m_pBuffer != nullptr ? m_pBuffer->LineText(nLine) : "";
}

DWORD CCodeTextView::LineFlags(int nLine)
{
    return m_pBuffer != nullptr ? m_pBuffer->LineFlags(nLine) : 0;
}

int CCodeTextView::GetLineWidth(int nLine)
{
    const int nLines = LineCount();
    if (nLine < 0 || nLine >= nLines) {
        return 0;
    }
    if (static_cast<int>(m_lineWidths.size()) != nLines) {
        m_lineWidths.resize(static_cast<size_t>(nLines), -1);
    }
    int& nWidth = m_lineWidths[static_cast<size_t>(nLine)];
    if (nWidth < 0) {
        nWidth = CharToColumn(nLine, LineLength(nLine));
    }
    return nWidth;
}

int CCodeTextView::GetMaxLineWidth()
{
    if (m_nWidestLine < 0) {
        m_nWidestLine = 0;
        const int nLines = LineCount();
        for (int i = 0; i < nLines; ++i) {
            m_nWidestLine = std::max(m_nWidestLine, GetLineWidth(i));
        }
    }
    return m_nWidestLine;
}

void CCodeTextView::GetRangeText(CPoint ptStart, CPoint ptEnd, CString& strText)
{
    strText.Empty();
    if (m_pBuffer != nullptr) {
        m_pBuffer->GetTextRange(ptStart.y, ptStart.x, ptEnd.y, ptEnd.x, strText);
    }
}

int CCodeTextView::CharToColumn(int nLine, int nChar)
{
    const LPCSTR pszLine = LineText(nLine);
    const int nLength = LineLength(nLine);
    nChar = std::min(nChar, nLength);
    int nColumn = 0;
    for (int i = 0; i < nChar; ++i) {
        nColumn = pszLine[i] == '\t' ? (nColumn / m_nTabWidth + 1) * m_nTabWidth : nColumn + 1;
    }
    return nColumn;
}

int CCodeTextView::ColumnToChar(int nLine, int nColumn)
{
    const LPCSTR pszLine = LineText(nLine);
    const int nLength = LineLength(nLine);
    int nCurColumn = 0;
    for (int i = 0; i < nLength;) {
        const int nNext = CCodeCharFun::NextChar(pszLine, nLength, i);
        const int nStep = pszLine[i] == '\t' ? m_nTabWidth - nCurColumn % m_nTabWidth : nNext - i;
        if (nCurColumn + nStep > nColumn) {
            // Past the middle of this character: the caret goes after it.
            return nColumn - nCurColumn > nStep / 2 ? nNext : i;
        }
        nCurColumn += nStep;
        i = nNext;
    }
    return nLength;
}

CPoint CCodeTextView::PointToText(CPoint pt)
{
    const int nLines = LineCount();
    if (nLines == 0) {
        return CPoint(0, 0);
    }
    int nLine = m_nFirstLine + (pt.y >= 0 ? pt.y / GetLineHeight() : -1);
    nLine = std::clamp(nLine, 0, nLines - 1);
    const int nX = pt.x - GetMarginWidth();
    const int nTarget = m_nFirstColumn + std::max(0, nX >= 0 ? nX / GetCharWidth() : 0);
    const LPCSTR pszLine = LineText(nLine);
    const int nLength = LineLength(nLine);
    int nColumn = 0;
    for (int i = 0; i < nLength;) {
        const int nNext = CCodeCharFun::NextChar(pszLine, nLength, i);
        nColumn = pszLine[i] == '\t' ? (nColumn / m_nTabWidth + 1) * m_nTabWidth : nColumn + (nNext - i);
        if (nColumn > nTarget) {
            return CPoint(i, nLine);
        }
        i = nNext;
    }
    return CPoint(nLength, nLine);
}

CPoint CCodeTextView::TextToPoint(CPoint ptText)
{
    return CPoint((CharToColumn(ptText.y, ptText.x) - m_nFirstColumn) * GetCharWidth() + GetMarginWidth(),
                  (ptText.y - m_nFirstLine) * GetLineHeight());
}

DWORD CCodeTextView::ColourLine(DWORD, int, char*, CodeTextBlock*, int& nBlocks)
{
    nBlocks = 0;
    return 0;
}

DWORD CCodeTextView::GetParseState(int nLine)
{
    const int nLines = LineCount();
    if (nLine < 0 || nLines == 0) {
        return 0;
    }
    nLine = std::min(nLine, nLines - 1);
    if (static_cast<int>(m_parseStates.size()) != nLines) {
        m_parseStates.resize(static_cast<size_t>(nLines), static_cast<DWORD>(-1));
    }
    if (m_parseStates[static_cast<size_t>(nLine)] != static_cast<DWORD>(-1)) {
        return m_parseStates[static_cast<size_t>(nLine)];
    }
    int nFrom = nLine;
    while (nFrom > 0 && m_parseStates[static_cast<size_t>(nFrom - 1)] == static_cast<DWORD>(-1)) {
        --nFrom;
    }
    DWORD dwState = nFrom > 0 ? m_parseStates[static_cast<size_t>(nFrom - 1)] : 0;
    for (int i = nFrom; i <= nLine; ++i) {
        int nBlocks = 0;
        dwState = ColourLine(dwState, i, nullptr, nullptr, nBlocks);
        m_parseStates[static_cast<size_t>(i)] = dwState;
    }
    return dwState;
}

COLORREF CCodeTextView::ClassColour(int nClass)
{
    switch (nClass) {
    case COLOUR_WHITESPACE:
    case COLOUR_BKGND:
        return ::GetSysColor(COLOR_WINDOW);
    case COLOUR_NORMALTEXT:
        return ::GetSysColor(COLOR_WINDOWTEXT);
    case COLOUR_SELMARGIN:
        return ::GetSysColor(COLOR_SCROLLBAR);
    case COLOUR_SELBKGND:
        return RGB(0, 0, 0);
    case COLOUR_SELTEXT:
        return RGB(255, 255, 255);
    case COLOUR_KEYWORD:
        return RGB(0, 0, 255);
    case COLOUR_COMMENT:
        return RGB(0, 128, 0);
    case COLOUR_NUMBER:
        return RGB(255, 0, 255);
    case COLOUR_OPERATOR:
        return RGB(0, 0, 0);
    case COLOUR_STRING:
        return RGB(255, 0, 0);
    case COLOUR_PREPROCESSOR:
        return RGB(0, 128, 192);
    default:
        return RGB(255, 0, 0);
    }
}

BOOL CCodeTextView::IsClassBold(int)
{
    return FALSE;
}

BOOL CCodeTextView::IsClassItalic(int)
{
    return FALSE;
}

BOOL CCodeTextView::IsInsideSelection(CPoint pt) const
{
    if (m_ptSelLow == m_ptSelHigh) {
        return FALSE;
    }
    if (pt.y > m_ptSelLow.y && pt.y < m_ptSelHigh.y) {
        return TRUE;
    }
    if (m_ptSelLow.y == m_ptSelHigh.y) {
        return pt.y == m_ptSelLow.y && pt.x >= m_ptSelLow.x && pt.x < m_ptSelHigh.x;
    }
    return (pt.y == m_ptSelLow.y && pt.x >= m_ptSelLow.x) || (pt.y == m_ptSelHigh.y && pt.x < m_ptSelHigh.x);
}

void CCodeTextView::DrawMargin(CDC* pDC, const CRect& rcMargin, int nLine)
{
    pDC->FillSolidRect(&rcMargin, ClassColour(COLOUR_SELMARGIN));
    if (!m_bShowMargin || nLine < 0 || nLine >= LineCount()) {
        return;
    }
    if (m_pLineNumberFont == nullptr) {
        m_pLineNumberFont = new CFont;
        m_pLineNumberFont->CreateFontIndirect(&m_lfLineNumber);
    }
    CFxSelectGuard guard(pDC, m_pLineNumberFont);
    CString strNumber;
    strNumber.Format(" %d ", nLine + 1);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(nLine == m_ptCaret.y ? RGB(255, 0, 0) : m_crLineNumber);
    CRect rc = rcMargin;
    pDC->DrawText(strNumber, &rc, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CCodeTextView::DrawSingleLine(CDC* pDC, const CRect& rcLine, int nLine)
{
    pDC->FillSolidRect(&rcLine, ClassColour(COLOUR_BKGND));
    if (nLine < 0 || nLine >= LineCount()) {
        return;
    }
    const int nLength = LineLength(nLine);
    std::string strDrawn(LineText(nLine), static_cast<size_t>(nLength));
    std::vector<CodeTextBlock> blocks(static_cast<size_t>(nLength) * 3 + 1);
    int nBlocks = 0;
    const DWORD dwState = ColourLine(GetParseState(nLine - 1), nLine, strDrawn.data(), blocks.data(), nBlocks);
    if (static_cast<int>(m_parseStates.size()) == LineCount()) {
        m_parseStates[static_cast<size_t>(nLine)] = dwState;
    }
    const bool bShowSel = (m_bHasFocus || m_bKeepSelVisible) && m_ptSelLow != m_ptSelHigh;
    const int nCx = GetCharWidth();
    const int nCy = rcLine.Height();
    pDC->SetBkMode(TRANSPARENT);
    int nBlock = 0;
    int nClass = COLOUR_NORMALTEXT;
    int nColumn = 0;
    for (int i = 0; i < nLength;) {
        while (nBlock < nBlocks && blocks[static_cast<size_t>(nBlock)].nCharPos <= i) {
            nClass = blocks[static_cast<size_t>(nBlock)].nColourClass;
            ++nBlock;
        }
        const int nNext = CCodeCharFun::NextChar(strDrawn.data(), nLength, i);
        const bool bTab = strDrawn[static_cast<size_t>(i)] == '\t';
        const int nEndColumn = bTab ? (nColumn / m_nTabWidth + 1) * m_nTabWidth : nColumn + (nNext - i);
        if (nColumn >= m_nFirstColumn) {
            const int x = rcLine.left + (nColumn - m_nFirstColumn) * nCx;
            if (x >= rcLine.right) {
                break;
            }
            const bool bSelected = bShowSel && IsInsideSelection(CPoint(i, nLine));
            if (bSelected) {
                pDC->FillSolidRect(x, rcLine.top, (nEndColumn - nColumn) * nCx, nCy, ClassColour(COLOUR_SELBKGND));
            }
            if (!bTab) {
                CFxSelectGuard guard(pDC, GetFont(IsClassBold(nClass), IsClassItalic(nClass)));
                pDC->SetTextColor(bSelected ? ClassColour(COLOUR_SELTEXT) : ClassColour(nClass));
                pDC->TextOut(x, rcLine.top, strDrawn.data() + i, nNext - i);
            }
        }
        nColumn = nEndColumn;
        i = nNext;
    }
}

void CCodeTextView::OnDraw(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nCy = GetLineHeight();
    if (m_pLineBitmap == nullptr) {
        CClientDC dcWindow(m_hWnd);
        m_pLineBitmap = new CBitmap;
        m_pLineBitmap->CreateCompatibleBitmap(&dcWindow, std::max<int>(1, rcClient.Width()), nCy);
    }
    CDC dcLine;
    dcLine.CreateCompatibleDC(pDC);
    CFxSelectGuard guard(&dcLine, m_pLineBitmap);
    const int nMargin = GetMarginWidth();
    const int nLines = LineCount();
    for (int y = 0, nLine = m_nFirstLine; y < rcClient.bottom; y += nCy, ++nLine) {
        DrawMargin(&dcLine, CRect(0, 0, nMargin, nCy), nLine < nLines ? nLine : -1);
        DrawSingleLine(&dcLine, CRect(nMargin, 0, rcClient.Width(), nCy), nLine < nLines ? nLine : -1);
        pDC->BitBlt(0, y, rcClient.Width(), nCy, &dcLine, 0, 0, SRCCOPY);
    }
}

BOOL CCodeTextView::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CCodeTextView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    delete m_pLineBitmap;
    m_pLineBitmap = nullptr;
    m_nVisibleLines = -1;
    m_nVisibleColumns = -1;
    RecalcVertScrollBar();
    RecalcHorzScrollBar();
}

LRESULT CCodeTextView::OnSysColorChangeMsg(WPARAM, LPARAM)
{
    Invalidate(FALSE);
    return 0;
}

void CCodeTextView::UpdateCaret()
{
    if (m_hWnd == nullptr) {
        return;
    }
    if (m_bHasFocus && !m_bCaretHidden && CharToColumn(m_ptCaret.y, m_ptCaret.x) >= m_nFirstColumn) {
        ::CreateCaret(m_hWnd, nullptr, 2, GetLineHeight());
        const CPoint pt = TextToPoint(m_ptCaret);
        ::SetCaretPos(pt.x, pt.y);
        ::ShowCaret(m_hWnd);
    } else {
        ::HideCaret(m_hWnd);
    }
}

void CCodeTextView::OnSetFocus(CWnd* pOldWnd)
{
    CView::OnSetFocus(pOldWnd);
    m_bHasFocus = TRUE;
    if (m_ptSelFrom != m_ptSelTo) {
        InvalidateLines(m_ptSelLow.y, m_ptSelHigh.y);
    }
    UpdateCaret();
}

void CCodeTextView::OnKillFocus(CWnd* pNewWnd)
{
    m_bHasFocus = FALSE;
    UpdateCaret();
    ::DestroyCaret();
    if (m_ptSelFrom != m_ptSelTo) {
        InvalidateLines(m_ptSelLow.y, m_ptSelHigh.y);
    }
    if (m_bMouseSelecting) {
        ::ReleaseCapture();
        if (m_nDragTimer != 0) {
            KillTimer(m_nDragTimer);
            m_nDragTimer = 0;
        }
        m_bMouseSelecting = FALSE;
    }
    CView::OnKillFocus(pNewWnd);
}

void CCodeTextView::InvalidateLines(int nLine1, int nLine2)
{
    if (m_hWnd == nullptr) {
        return;
    }
    if (nLine2 < nLine1) {
        std::swap(nLine1, nLine2);
    }
    CRect rc;
    GetClientRect(&rc);
    const int nCy = GetLineHeight();
    const int nTop = (nLine1 - m_nFirstLine) * nCy;
    if (nLine2 != kMaxLine) {
        rc.bottom = std::min<int>(rc.bottom, (nLine2 - m_nFirstLine + 1) * nCy);
    }
    rc.top = std::max<int>(rc.top, nTop);
    if (rc.top < rc.bottom) {
        InvalidateRect(&rc, FALSE);
    }
}

void CCodeTextView::SetSelection(CPoint ptStart, CPoint ptEnd)
{
    InvalidateLines(ptStart.y, m_ptSelFrom.y);
    InvalidateLines(ptEnd.y, m_ptSelTo.y);
    // Rows between the old bounds may lose their highlight too.
    InvalidateLines(m_ptSelLow.y, m_ptSelHigh.y);
    m_ptSelFrom = ptStart;
    m_ptSelTo = ptEnd;
    m_ptSelLow = Less(ptEnd, ptStart) ? ptEnd : ptStart;
    m_ptSelHigh = Less(ptEnd, ptStart) ? ptStart : ptEnd;
    InvalidateLines(m_ptSelLow.y, m_ptSelHigh.y);
}

void CCodeTextView::GetSelection(CPoint& ptStart, CPoint& ptEnd) const
{
    ptStart = m_ptSelLow;
    ptEnd = m_ptSelHigh;
}

void CCodeTextView::SetCursorPos(CPoint ptCaret)
{
    if (ptCaret.y != m_ptCaret.y) {
        InvalidateLines(m_ptCaret.y, m_ptCaret.y);
        InvalidateLines(ptCaret.y, ptCaret.y);
    }
    m_ptCaret = ptCaret;
    m_nWantedColumn = -1;
    UpdateCaret();
}

void CCodeTextView::SelectAll()
{
    const int nLines = LineCount();
    if (nLines == 0) {
        return;
    }
    m_ptFixed = CPoint(0, 0);
    const CPoint ptEnd(LineLength(nLines - 1), nLines - 1);
    SetCursorPos(ptEnd);
    SetSelection(m_ptFixed, ptEnd);
}

void CCodeTextView::MoveCaretTo(CPoint ptCaret, BOOL bSelect, BOOL bKeepWantedColumn)
{
    const int nWanted = m_nWantedColumn;
    SetCursorPos(ptCaret);
    m_nWantedColumn = bKeepWantedColumn ? nWanted : CharToColumn(m_ptCaret.y, m_ptCaret.x);
    EnsureVisible(m_ptCaret);
    m_bCaretHidden = FALSE;
    UpdateCaret();
    if (!bSelect) {
        m_ptFixed = m_ptCaret;
    }
    SetSelection(m_ptFixed, m_ptCaret);
}

void CCodeTextView::OnCharLeft()
{
    if (IsSelection()) {
        MoveCaretTo(m_ptSelLow, FALSE);
        return;
    }
    OnExtCharLeft();
    m_ptFixed = m_ptCaret;
    SetSelection(m_ptCaret, m_ptCaret);
}

void CCodeTextView::OnExtCharLeft()
{
    CPoint pt = m_ptCaret;
    if (pt.x > 0) {
        pt.x = CCodeCharFun::PrevChar(LineText(pt.y), LineLength(pt.y), pt.x);
    } else if (pt.y > 0) {
        --pt.y;
        pt.x = LineLength(pt.y);
    }
    MoveCaretTo(pt, TRUE);
}

void CCodeTextView::OnCharRight()
{
    if (IsSelection()) {
        MoveCaretTo(m_ptSelHigh, FALSE);
        return;
    }
    OnExtCharRight();
    m_ptFixed = m_ptCaret;
    SetSelection(m_ptCaret, m_ptCaret);
}

void CCodeTextView::OnExtCharRight()
{
    CPoint pt = m_ptCaret;
    if (pt.x < LineLength(pt.y)) {
        pt.x = CCodeCharFun::NextChar(LineText(pt.y), LineLength(pt.y), pt.x);
    } else if (pt.y < LineCount() - 1) {
        ++pt.y;
        pt.x = 0;
    }
    MoveCaretTo(pt, TRUE);
}

CPoint CCodeTextView::WordLeftOf(CPoint pt)
{
    if (pt.x == 0) {
        if (pt.y == 0) {
            return pt;
        }
        --pt.y;
        pt.x = LineLength(pt.y);
    }
    const LPCSTR psz = LineText(pt.y);
    const int nLength = LineLength(pt.y);
    auto prev = [&](int n) { return CCodeCharFun::PrevChar(psz, nLength, n); };
    while (pt.x > 0 && IsBlankByte(psz[prev(pt.x)])) {
        pt.x = prev(pt.x);
    }
    if (pt.x > 0 && CCodeCharFun::IsWordCharAt(psz, nLength, prev(pt.x))) {
        while (pt.x > 0 && CCodeCharFun::IsWordCharAt(psz, nLength, prev(pt.x))) {
            pt.x = prev(pt.x);
        }
    } else {
        while (pt.x > 0 && !CCodeCharFun::IsWordCharAt(psz, nLength, prev(pt.x)) && !IsBlankByte(psz[prev(pt.x)])) {
            pt.x = prev(pt.x);
        }
    }
    return pt;
}

CPoint CCodeTextView::WordRightOf(CPoint pt)
{
    if (pt.x >= LineLength(pt.y)) {
        if (pt.y >= LineCount() - 1) {
            return pt;
        }
        ++pt.y;
        pt.x = 0;
    }
    const LPCSTR psz = LineText(pt.y);
    const int nLength = LineLength(pt.y);
    auto next = [&](int n) { return CCodeCharFun::NextChar(psz, nLength, n); };
    if (CCodeCharFun::IsWordCharAt(psz, nLength, pt.x)) {
        while (pt.x < nLength && CCodeCharFun::IsWordCharAt(psz, nLength, pt.x)) {
            pt.x = next(pt.x);
        }
    } else {
        while (pt.x < nLength && !CCodeCharFun::IsWordCharAt(psz, nLength, pt.x) && !IsBlankByte(psz[pt.x])) {
            pt.x = next(pt.x);
        }
    }
    while (pt.x < nLength && IsBlankByte(psz[pt.x])) {
        pt.x = next(pt.x);
    }
    return pt;
}

void CCodeTextView::OnWordLeft()
{
    if (IsSelection()) {
        MoveCaretTo(m_ptSelLow, FALSE);
        return;
    }
    MoveCaretTo(WordLeftOf(m_ptCaret), FALSE);
}

void CCodeTextView::OnExtWordLeft()
{
    MoveCaretTo(WordLeftOf(m_ptCaret), TRUE);
}

void CCodeTextView::OnWordRight()
{
    if (IsSelection()) {
        MoveCaretTo(m_ptSelHigh, FALSE);
        return;
    }
    MoveCaretTo(WordRightOf(m_ptCaret), FALSE);
}

void CCodeTextView::OnExtWordRight()
{
    MoveCaretTo(WordRightOf(m_ptCaret), TRUE);
}

void CCodeTextView::OnLineUp()
{
    if (IsSelection()) {
        m_ptCaret = m_ptSelLow;
    }
    OnExtLineUp();
    m_ptFixed = m_ptCaret;
    SetSelection(m_ptCaret, m_ptCaret);
}

void CCodeTextView::OnExtLineUp()
{
    if (m_nWantedColumn < 0) {
        m_nWantedColumn = CharToColumn(m_ptCaret.y, m_ptCaret.x);
    }
    CPoint pt = m_ptCaret;
    if (pt.y > 0) {
        --pt.y;
        pt.x = std::min(ColumnToChar(pt.y, m_nWantedColumn), LineLength(pt.y));
    }
    MoveCaretTo(pt, TRUE, TRUE);
}

void CCodeTextView::OnLineDown()
{
    if (IsSelection()) {
        m_ptCaret = m_ptSelHigh;
    }
    OnExtLineDown();
    m_ptFixed = m_ptCaret;
    SetSelection(m_ptCaret, m_ptCaret);
}

void CCodeTextView::OnExtLineDown()
{
    if (m_nWantedColumn < 0) {
        m_nWantedColumn = CharToColumn(m_ptCaret.y, m_ptCaret.x);
    }
    CPoint pt = m_ptCaret;
    if (pt.y < LineCount() - 1) {
        ++pt.y;
        pt.x = std::min(ColumnToChar(pt.y, m_nWantedColumn), LineLength(pt.y));
    }
    MoveCaretTo(pt, TRUE, TRUE);
}

void CCodeTextView::OnScrollUp()
{
    if (m_nFirstLine > 0) {
        ScrollToTopLine(m_nFirstLine - 1);
    }
}

void CCodeTextView::OnScrollDown()
{
    if (m_nFirstLine < LineCount() - 1) {
        ScrollToTopLine(m_nFirstLine + 1);
    }
}

void CCodeTextView::OnPageUp()
{
    OnExtPageUp();
    m_ptFixed = m_ptCaret;
    SetSelection(m_ptCaret, m_ptCaret);
}

void CCodeTextView::OnExtPageUp()
{
    const int nStep = std::max(1, GetVisibleLines() - 1);
    ScrollToTopLine(std::max(0, m_nFirstLine - nStep));
    CPoint pt = m_ptCaret;
    pt.y = std::max<LONG>(0, pt.y - nStep);
    pt.x = CCodeCharFun::CharStart(LineText(pt.y), LineLength(pt.y), std::min<int>(pt.x, LineLength(pt.y)));
    MoveCaretTo(pt, TRUE);
}

void CCodeTextView::OnPageDown()
{
    OnExtPageDown();
    m_ptFixed = m_ptCaret;
    SetSelection(m_ptCaret, m_ptCaret);
}

void CCodeTextView::OnExtPageDown()
{
    const int nStep = std::max(1, GetVisibleLines() - 1);
    const int nLast = std::max(0, LineCount() - 1);
    ScrollToTopLine(std::min(nLast, m_nFirstLine + nStep));
    CPoint pt = m_ptCaret;
    pt.y = std::min<LONG>(nLast, pt.y + nStep);
    pt.x = CCodeCharFun::CharStart(LineText(pt.y), LineLength(pt.y), std::min<int>(pt.x, LineLength(pt.y)));
    MoveCaretTo(pt, TRUE);
}

void CCodeTextView::OnLineEnd()
{
    MoveCaretTo(CPoint(LineLength(m_ptCaret.y), m_ptCaret.y), FALSE);
}

void CCodeTextView::OnExtLineEnd()
{
    MoveCaretTo(CPoint(LineLength(m_ptCaret.y), m_ptCaret.y), TRUE);
}

int CCodeTextView::HomeChar()
{
    // The first non-blank character, or the line's start when the caret already stands there.
    const LPCSTR psz = LineText(m_ptCaret.y);
    const int nLength = LineLength(m_ptCaret.y);
    int nFirst = 0;
    while (nFirst < nLength && IsBlankByte(psz[nFirst])) {
        ++nFirst;
    }
    return nFirst < nLength && m_ptCaret.x != nFirst ? nFirst : 0;
}

void CCodeTextView::OnHome()
{
    MoveCaretTo(CPoint(HomeChar(), m_ptCaret.y), FALSE);
}

void CCodeTextView::OnExtHome()
{
    MoveCaretTo(CPoint(HomeChar(), m_ptCaret.y), TRUE);
}

void CCodeTextView::OnTextBegin()
{
    MoveCaretTo(CPoint(0, 0), FALSE);
}

void CCodeTextView::OnExtTextBegin()
{
    MoveCaretTo(CPoint(0, 0), TRUE);
}

void CCodeTextView::OnTextEnd()
{
    const int nLast = std::max(0, LineCount() - 1);
    MoveCaretTo(CPoint(LineLength(nLast), nLast), FALSE);
}

void CCodeTextView::OnExtTextEnd()
{
    const int nLast = std::max(0, LineCount() - 1);
    MoveCaretTo(CPoint(LineLength(nLast), nLast), TRUE);
}

void CCodeTextView::ScrollToTopLine(int nNewTopLine)
{
    if (nNewTopLine == m_nFirstLine) {
        return;
    }
    const int nOld = m_nFirstLine;
    m_nFirstLine = nNewTopLine;
    if (m_hWnd != nullptr) {
        ::ScrollWindow(m_hWnd, 0, (nOld - nNewTopLine) * GetLineHeight(), nullptr, nullptr);
        UpdateWindow();
        RecalcVertScrollBar(TRUE);
        UpdateCaret();
        UpdateSiblingScrollPos(FALSE);
    }
}

void CCodeTextView::ScrollToColumn(int nNewFirstColumn)
{
    if (nNewFirstColumn == m_nFirstColumn) {
        return;
    }
    const int nOld = m_nFirstColumn;
    m_nFirstColumn = nNewFirstColumn;
    if (m_hWnd != nullptr) {
        CRect rc;
        GetClientRect(&rc);
        rc.left += GetMarginWidth();
        ::ScrollWindow(m_hWnd, (nOld - nNewFirstColumn) * GetCharWidth(), 0, &rc, &rc);
        UpdateWindow();
        RecalcHorzScrollBar(TRUE);
        UpdateCaret();
        UpdateSiblingScrollPos(TRUE);
    }
}

void CCodeTextView::EnsureVisible(CPoint pt)
{
    if (m_hWnd == nullptr) {
        return;
    }
    const int nLines = LineCount();
    const int nVisible = std::max(1, GetVisibleLines());
    int nTop = m_nFirstLine;
    if (pt.y >= nTop + nVisible) {
        nTop = pt.y - nVisible + 1;
    }
    if (pt.y < nTop) {
        nTop = pt.y;
    }
    nTop = std::clamp(nTop, 0, std::max(0, nLines - 1));
    ScrollToTopLine(nTop);

    const int nColumn = CharToColumn(pt.y, pt.x);
    const int nColumns = std::max(1, GetVisibleColumns());
    int nFirst = m_nFirstColumn;
    if (nColumn >= nFirst + nColumns) {
        nFirst = nColumn - nColumns + 1;
    }
    if (nColumn < nFirst) {
        nFirst = nColumn;
    }
    nFirst = std::clamp(nFirst, 0, std::max(0, GetMaxLineWidth()));
    ScrollToColumn(nFirst);
}

void CCodeTextView::RecalcVertScrollBar(BOOL bPositionOnly)
{
    if (m_hWnd == nullptr) {
        return;
    }
    SetScrollBar(SB_VERT, m_nFirstLine, bPositionOnly, bPositionOnly ? 0 : GetVisibleLines(),
                 bPositionOnly ? 0 : LineCount());
}

void CCodeTextView::RecalcHorzScrollBar(BOOL bPositionOnly)
{
    if (m_hWnd == nullptr) {
        return;
    }
    SetScrollBar(SB_HORZ, m_nFirstColumn, bPositionOnly, bPositionOnly ? 0 : GetVisibleColumns(),
                 bPositionOnly ? 0 : GetMaxLineWidth());
}

void CCodeTextView::SetScrollBar(int nBar, int& nFirst, BOOL bPositionOnly, int nVisible, int nTotal)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    if (bPositionOnly) {
        si.fMask = SIF_POS;
        si.nPos = nFirst;
    } else {
        // Everything fits: the view goes back to its start, or nothing could scroll it there.
        if (nVisible >= nTotal && nFirst > 0) {
            nFirst = 0;
            Invalidate(FALSE);
            UpdateCaret();
        }
        si.fMask = SIF_DISABLENOSCROLL | SIF_PAGE | SIF_POS | SIF_RANGE;
        si.nMin = 0;
        si.nMax = std::max(0, nTotal - 1);
        si.nPage = static_cast<UINT>(std::max(0, nVisible));
        si.nPos = nFirst;
    }
    int nCtlBar = nBar;
    HWND hBarOwner = GetScrollBarOwner(nBar, nCtlBar);
    if (hBarOwner == nullptr) {
        return;
    }
    ::SetScrollInfo(hBarOwner, nCtlBar, &si, TRUE);
    // A splitter's shared bar is live only while the text does not fit.
    if (nCtlBar == SB_CTL && !bPositionOnly) {
        ::EnableWindow(hBarOwner, nVisible < nTotal);
    }
}

BOOL CCodeTextView::ScrollBarTarget(int nBar, UINT nCode, int nVisible, int nTotal, int& nPos)
{
    // The horizontal codes have the values of their vertical twins (SB_LEFT is SB_TOP, ...).
    switch (nCode) {
    case SB_TOP:
        nPos = 0;
        break;
    case SB_BOTTOM:
        nPos = nTotal - nVisible;
        break;
    case SB_LINEUP:
        --nPos;
        break;
    case SB_LINEDOWN:
        ++nPos;
        break;
    case SB_PAGEUP:
        nPos -= std::max(1, nVisible - 1);
        break;
    case SB_PAGEDOWN:
        nPos += std::max(1, nVisible - 1);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        int nCtlBar = nBar;
        HWND hBarOwner = GetScrollBarOwner(nBar, nCtlBar);
        if (hBarOwner == nullptr || !::GetScrollInfo(hBarOwner, nCtlBar, &si)) {
            return FALSE;
        }
        nPos = si.nTrackPos;
        break;
    }
    default:
        return FALSE;
    }
    nPos = std::clamp(nPos, 0, std::max(0, nTotal - 1));
    return TRUE;
}

LRESULT CCodeTextView::OnVScrollMsg(WPARAM wParam, LPARAM)
{
    int nTop = m_nFirstLine;
    if (ScrollBarTarget(SB_VERT, LOWORD(wParam), GetVisibleLines(), LineCount(), nTop)) {
        ScrollToTopLine(nTop);
    }
    return 0;
}

LRESULT CCodeTextView::OnHScrollMsg(WPARAM wParam, LPARAM)
{
    int nFirst = m_nFirstColumn;
    if (ScrollBarTarget(SB_HORZ, LOWORD(wParam), GetVisibleColumns(), GetMaxLineWidth(), nFirst)) {
        ScrollToColumn(nFirst);
    }
    return 0;
}

CPoint CCodeTextView::WordStartAt(CPoint pt)
{
    const LPCSTR psz = LineText(pt.y);
    const int nLength = LineLength(pt.y);
    while (pt.x > 0 && CCodeCharFun::IsWordCharAt(psz, nLength, CCodeCharFun::PrevChar(psz, nLength, pt.x))) {
        pt.x = CCodeCharFun::PrevChar(psz, nLength, pt.x);
    }
    return pt;
}

CPoint CCodeTextView::WordEndAt(CPoint pt)
{
    const LPCSTR psz = LineText(pt.y);
    const int nLength = LineLength(pt.y);
    while (pt.x < nLength && CCodeCharFun::IsWordCharAt(psz, nLength, pt.x)) {
        pt.x = CCodeCharFun::NextChar(psz, nLength, pt.x);
    }
    return pt;
}

void CCodeTextView::OnLButtonDown(UINT nFlags, CPoint point)
{
    CView::OnLButtonDown(nFlags, point);
    SetFocus();
    const BOOL bShift = (nFlags & MK_SHIFT) != 0;
    const BOOL bCtrl = (nFlags & MK_CONTROL) != 0;
    const int nLines = LineCount();
    if (nLines == 0) {
        return;
    }
    CPoint ptHalf = point;
    ptHalf.x += GetCharWidth() / 2;
    if (point.x < GetMarginWidth()) {
        if (bCtrl) {
            SelectAll();
            return;
        }
        const CPoint ptLine(0, PointToText(ptHalf).y);
        SetCursorPos(ptLine);
        if (!bShift) {
            m_ptFixed = m_ptCaret;
        }
        const CPoint ptStart =
            m_ptFixed.y + 1 < nLines ? CPoint(0, m_ptFixed.y + 1) : CPoint(LineLength(m_ptFixed.y), m_ptFixed.y);
        // A plain click: from the start of the line after it back to its start, the whole line.
        const CPoint ptEnd = ptLine.y >= m_ptFixed.y ? ptStart : ptLine;
        const CPoint ptFrom = ptLine.y >= m_ptFixed.y ? CPoint(0, m_ptFixed.y) : ptStart;
        SetSelection(ptFrom, ptEnd);
        if (ptEnd == ptStart && ptLine.y >= m_ptFixed.y) {
            SetCursorPos(ptEnd);
        }
        EnsureVisible(m_ptCaret);
        ::SetCapture(m_hWnd);
        m_nDragTimer = SetTimer(kDragTimerId, kDragTimerMs);
        m_bMouseSelecting = TRUE;
        m_bLineMode = TRUE;
        m_bWordMode = FALSE;
        return;
    }
    const CPoint ptText = PointToText(ptHalf);
    if (!bShift && IsInsideSelection(PointToText(point))) {
        m_bDragPending = TRUE;
        return;
    }
    SetCursorPos(ptText);
    if (!bShift) {
        m_ptFixed = m_ptCaret;
    }
    if (bCtrl) {
        CPoint ptFrom = m_ptFixed;
        CPoint ptTo = m_ptCaret;
        if (Less(ptTo, ptFrom)) {
            std::swap(ptFrom, ptTo);
        }
        ptFrom = WordStartAt(ptFrom);
        ptTo = WordEndAt(ptTo);
        SetCursorPos(ptTo);
        SetSelection(ptFrom, ptTo);
    } else {
        SetSelection(m_ptFixed, m_ptCaret);
    }
    EnsureVisible(m_ptCaret);
    ::SetCapture(m_hWnd);
    m_nDragTimer = SetTimer(kDragTimerId, kDragTimerMs);
    m_bMouseSelecting = TRUE;
    m_bWordMode = bCtrl;
    m_bLineMode = FALSE;
}

void CCodeTextView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CView::OnLButtonDblClk(nFlags, point);
    if (m_bMouseSelecting || LineCount() == 0) {
        return;
    }
    CPoint ptHalf = point;
    ptHalf.x += GetCharWidth() / 2;
    const CPoint ptText = PointToText(ptHalf);
    const CPoint ptFrom = WordStartAt(ptText);
    const CPoint ptTo = WordEndAt(ptText);
    m_ptFixed = ptFrom;
    SetCursorPos(ptTo);
    SetSelection(ptFrom, ptTo);
    ::SetCapture(m_hWnd);
    m_nDragTimer = SetTimer(kDragTimerId, kDragTimerMs);
    m_bMouseSelecting = TRUE;
    m_bWordMode = TRUE;
    m_bLineMode = FALSE;
}

void CCodeTextView::OnMouseMove(UINT nFlags, CPoint point)
{
    CView::OnMouseMove(nFlags, point);
    if (m_bDragPending) {
        // No distance threshold: the first move with the button down starts the drag.
        m_bDragPending = FALSE;
        DragOutSelection();
        return;
    }
    if (!m_bMouseSelecting) {
        return;
    }
    const int nLines = LineCount();
    CPoint ptHalf = point;
    ptHalf.x += GetCharWidth() / 2;
    const CPoint ptText = PointToText(ptHalf);
    if (m_bLineMode && point.x >= GetMarginWidth()) {
        m_bLineMode = FALSE;
        m_bWordMode = FALSE;
    }
    if (m_bLineMode) {
        const int nAnchor = m_ptFixed.y;
        const int nLine = ptText.y;
        CPoint ptFrom(0, std::min(nAnchor, nLine));
        const int nLast = std::max(nAnchor, nLine);
        CPoint ptTo = nLast + 1 < nLines ? CPoint(0, nLast + 1) : CPoint(LineLength(nLast), nLast);
        if (nLine < nAnchor) {
            std::swap(ptFrom, ptTo);
        }
        SetCursorPos(ptTo);
        SetSelection(ptFrom, ptTo);
    } else if (m_bWordMode) {
        CPoint ptFrom = m_ptFixed;
        CPoint ptTo = ptText;
        if (Less(ptTo, ptFrom)) {
            ptFrom = WordEndAt(ptFrom);
            ptTo = WordStartAt(ptTo);
        } else {
            ptFrom = WordStartAt(ptFrom);
            ptTo = WordEndAt(ptTo);
        }
        SetCursorPos(ptTo);
        SetSelection(ptFrom, ptTo);
    } else {
        SetCursorPos(ptText);
        SetSelection(m_ptFixed, m_ptCaret);
    }
    EnsureVisible(m_ptCaret);
}

CPoint CCodeTextView::ClosestTextPos(CPoint point)
{
    point.x += GetCharWidth() / 2;
    return PointToText(point);
}

BOOL CCodeTextView::IsInDraggedRange(const CCodeTextBuffer* pBuffer, CPoint pt) const
{
    return pBuffer != nullptr && pBuffer == m_pBuffer && m_dragOut.Contains(pt);
}

void CCodeTextView::GetDraggedRange(CPoint& ptStart, CPoint& ptEnd) const
{
    m_dragOut.GetRange(ptStart, ptEnd);
}

COleDataSource* CCodeTextView::MakeDragData()
{
    if (!IsSelection()) {
        return nullptr;
    }
    CPoint ptStart;
    CPoint ptEnd;
    GetSelection(ptStart, ptEnd);
    CString strText;
    GetRangeText(ptStart, ptEnd, strText);
    CFxComPtr<COleDataSource> pData(new COleDataSource);
    if (!pData->CacheText(strText, strText.GetLength())) {
        return nullptr;
    }
    return pData.Detach();
}

DROPEFFECT CCodeTextView::DragEffects()
{
    return DROPEFFECT_COPY;
}

void CCodeTextView::AfterDragOut(DROPEFFECT)
{
}

void CCodeTextView::DragOutSelection()
{
    CCodeTextBuffer* pBuffer = m_pBuffer;
    CFxComPtr<COleDataSource> pData(pBuffer != nullptr ? MakeDragData() : nullptr);
    if (!pData.IsValid()) {
        return;
    }
    // A drop into this buffer and the removal after a move undo as one step.
    pBuffer->OpenUndoGroup(FALSE);
    CPoint ptStart;
    CPoint ptEnd;
    GetSelection(ptStart, ptEnd);
    m_dragOut.Begin(ptStart, ptEnd);
    s_pDragOutView = this;
    const DROPEFFECT dropEffect = pData->DoDragDrop(DragEffects());
    if (dropEffect != DROPEFFECT_NONE) {
        AfterDragOut(dropEffect);
    }
    s_pDragOutView = nullptr;
    const BOOL bEdited = m_dragOut.End();
    // Closing with this view replays AfterEdit for the last record: only for the drag's own
    // records, never again for an earlier edit (an Enter would indent twice).
    pBuffer->CloseUndoGroup(bEdited ? this : nullptr);
}

void CCodeTextView::OnLButtonUp(UINT nFlags, CPoint point)
{
    CView::OnLButtonUp(nFlags, point);
    if (m_bMouseSelecting) {
        OnMouseMove(nFlags, point);
        ::ReleaseCapture();
        if (m_nDragTimer != 0) {
            KillTimer(m_nDragTimer);
            m_nDragTimer = 0;
        }
        m_bMouseSelecting = FALSE;
        m_bLineMode = FALSE;
        m_bWordMode = FALSE;
        m_nWantedColumn = CharToColumn(m_ptCaret.y, m_ptCaret.x);
        return;
    }
    if (m_bDragPending) {
        m_bDragPending = FALSE;
        CPoint ptHalf = point;
        ptHalf.x += GetCharWidth() / 2;
        const CPoint ptText = PointToText(ptHalf);
        SetCursorPos(ptText);
        SetSelection(ptText, ptText);
    }
}

void CCodeTextView::OnRButtonDown(UINT nFlags, CPoint point)
{
    CPoint ptHalf = point;
    ptHalf.x += GetCharWidth() / 2;
    const CPoint ptText = PointToText(ptHalf);
    if (!IsInsideSelection(PointToText(point))) {
        SetCursorPos(ptText);
        m_ptFixed = ptText;
        SetSelection(ptText, ptText);
    }
    CView::OnRButtonDown(nFlags, point);
}

void CCodeTextView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kDragTimerId) {
        CView::OnTimer(nIDEvent);
        return;
    }
    POINT pt = {};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWnd, &pt);
    DragScroll(pt);
}

void CCodeTextView::DragScroll(CPoint ptCursor)
{
    if (!m_bMouseSelecting) {
        return;
    }
    CRect rc;
    GetClientRect(&rc);
    const int nCy = GetLineHeight();
    const int nLast = std::max(0, LineCount() - 1);
    int nTop = m_nFirstLine;
    if (ptCursor.y < rc.top) {
        nTop -= rc.top - ptCursor.y > nCy ? 3 : 1;
    } else if (ptCursor.y >= rc.bottom) {
        nTop += ptCursor.y - rc.bottom > nCy ? 3 : 1;
    }
    nTop = std::clamp(nTop, 0, nLast);
    int nFirst = m_nFirstColumn;
    if (ptCursor.x < rc.left) {
        --nFirst;
    } else if (ptCursor.x >= rc.right) {
        ++nFirst;
    }
    nFirst = std::clamp(nFirst, 0, std::max(0, GetMaxLineWidth() - 1));
    if (nTop == m_nFirstLine && nFirst == m_nFirstColumn) {
        return;
    }
    ScrollToTopLine(nTop);
    ScrollToColumn(nFirst);
    CPoint ptHalf = ptCursor;
    ptHalf.x += GetCharWidth() / 2;
    const CPoint ptText = PointToText(ptHalf);
    SetCursorPos(ptText);
    SetSelection(m_ptFixed, m_ptCaret);
}

LRESULT CCodeTextView::OnSetCursorMsg(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(lParam) != HTCLIENT) {
        return DefWindowProc(WM_SETCURSOR, wParam, lParam);
    }
    POINT pt = {};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWnd, &pt);
    HCURSOR hCursor = nullptr;
    if (pt.x < GetMarginWidth()) {
        hCursor = ::LoadCursorA(GetResourceModule(), MAKEINTRESOURCEA(IDC_CODE_MARGIN_CURSOR));
    } else if (IsInsideSelection(PointToText(CPoint(pt)))) {
        hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    } else {
        hCursor = ::LoadCursorA(nullptr, IDC_IBEAM);
    }
    if (hCursor == nullptr) {
        hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    }
    ::SetCursor(hCursor);
    return TRUE;
}

BOOL CCodeTextView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccel != nullptr &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg) != 0) {
        return TRUE;
    }
    return CView::PreTranslateMessage(pMsg);
}

void CCodeTextView::UpdateView(CCodeTextView*, const CCodeUpdateContext* pContext, DWORD dwFlags, int nLine)
{
    if ((dwFlags & UPDATE_RESETALL) != 0) {
        ResetState();
        RecalcVertScrollBar();
        RecalcHorzScrollBar();
        if (m_hWnd != nullptr) {
            Invalidate(FALSE);
        }
        return;
    }
    const int nLines = LineCount();
    if ((dwFlags & UPDATE_ONELINE) != 0 && nLine >= 0) {
        for (size_t i = static_cast<size_t>(nLine); i < m_parseStates.size(); ++i) {
            m_parseStates[i] = static_cast<DWORD>(-1);
        }
        if (static_cast<size_t>(nLine) < m_lineWidths.size()) {
            m_lineWidths[static_cast<size_t>(nLine)] = -1;
        }
    } else {
        const size_t nKeep = nLine < 0 ? 0 : static_cast<size_t>(nLine);
        m_parseStates.resize(std::min(m_parseStates.size(), nKeep));
        m_parseStates.resize(static_cast<size_t>(nLines), static_cast<DWORD>(-1));
        m_lineWidths.resize(std::min(m_lineWidths.size(), nKeep));
        m_lineWidths.resize(static_cast<size_t>(nLines), -1);
    }
    InvalidateLines(std::max(0, nLine), kMaxLine);
    if (pContext != nullptr) {
        pContext->RecalcPoint(m_ptCaret);
        pContext->RecalcPoint(m_ptSelFrom);
        pContext->RecalcPoint(m_ptSelTo);
        pContext->RecalcPoint(m_ptSelLow);
        pContext->RecalcPoint(m_ptSelHigh);
        pContext->RecalcPoint(m_ptFixed);
        m_dragOut.FollowChange(*pContext);
        CPoint ptTop(0, m_nFirstLine);
        pContext->RecalcPoint(ptTop);
        m_nFirstLine = std::clamp<int>(ptTop.y, 0, std::max(0, nLines - 1));
        UpdateCaret();
    }
    if ((dwFlags & UPDATE_LINES) != 0 && !m_bVertBarFrozen) {
        RecalcVertScrollBar();
    }
    if ((dwFlags & UPDATE_CHARS) != 0) {
        m_nWidestLine = -1;
        if (!m_bHorzBarFrozen) {
            RecalcHorzScrollBar();
        }
    }
}

void CCodeTextView::AfterEdit(int, LPCSTR)
{
}

BOOL CCodeTextView::SearchText(LPCSTR pszText, CPoint ptStart, DWORD dwFlags, BOOL bWrap, CPoint& ptFound)
{
    return CCodeTextSearch::Find(m_pBuffer, pszText, ptStart, dwFlags, bWrap, ptFound);
}

void CCodeTextView::SelectFound(CPoint ptFound, int nLength)
{
    const CPoint ptEnd(ptFound.x + nLength, ptFound.y);
    SetCursorPos(ptEnd);
    m_ptFixed = ptEnd;
    SetSelection(ptFound, ptEnd);
    EnsureVisible(ptEnd);
}

void CCodeTextView::SetLastSearch(LPCSTR pszText, DWORD dwFlags)
{
    m_search.SetLast(pszText, dwFlags);
}

void CCodeTextView::DoFindAgain(BOOL bReverse)
{
    if (!m_search.HasLast()) {
        return;
    }
    const CString& strLast = m_search.GetLastText();
    DWORD dwFlags = m_search.GetLastFlags();
    if (bReverse) {
        dwFlags ^= FIND_DIRECTION_UP;
    }
    // Upwards from the match's start, downwards from the caret (after the match).
    const CPoint ptFrom = (dwFlags & FIND_DIRECTION_UP) != 0 && IsSelection() ? m_ptSelLow : m_ptCaret;
    CPoint ptFound;
    if (!SearchText(strLast, ptFrom, dwFlags, TRUE, ptFound)) {
        CString strFormat;
        char szFormat[256] = {};
        ::LoadStringA(GetResourceModule(), IDS_EDIT_TEXT_NOT_FOUND, szFormat, static_cast<int>(sizeof(szFormat)));
        CString strText;
        strText.Format(szFormat[0] != '\0' ? szFormat : "%s", static_cast<LPCSTR>(strLast));
        MessageBox(strText, nullptr, MB_OK | MB_ICONINFORMATION);
        return;
    }
    SelectFound(ptFound, strLast.GetLength());
}

void CCodeTextView::OnEditRepeat()
{
    DoFindAgain(FALSE);
}

void CCodeTextView::OnEditFindPrevious()
{
    DoFindAgain(TRUE);
}

void CCodeTextView::OnUpdateEditRepeat(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_search.HasLast());
}

void CCodeTextView::OnEditCopy()
{
    if (!IsSelection()) {
        return;
    }
    CString strText;
    GetRangeText(m_ptSelLow, m_ptSelHigh, strText);
    WriteClipboard(strText);
}

void CCodeTextView::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsSelection());
}

void CCodeTextView::OnEditSelectAll()
{
    SelectAll();
}

void CCodeTextView::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

BOOL CCodeTextView::ClipboardHasText()
{
    return CCodeTextClipboard::HasText();
}

BOOL CCodeTextView::WriteClipboard(const CString& strText)
{
    return CCodeTextClipboard::WriteText(m_hWnd, strText);
}

BOOL CCodeTextView::ReadClipboard(CString& strText)
{
    return CCodeTextClipboard::ReadText(m_hWnd, strText);
}

void CCodeTextView::OnUpdateIndicatorPosition(CCmdUI* pCmdUI)
{
    CString strText;
    strText.Format("Ln %d, Col %d", m_ptCaret.y + 1, m_ptCaret.x + 1);
    pCmdUI->SetText(strText);
}

void CCodeTextView::OnUpdateIndicatorCrlf(CCmdUI* pCmdUI)
{
    static const char* const kStyles[] = {"DOS", "UNIX", "MAC"};
    const int nStyle = m_pBuffer != nullptr ? m_pBuffer->LineEndStyle() : -1;
    if (nStyle >= 0 && nStyle <= 2) {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetText(kStyles[nStyle]);
    } else {
        pCmdUI->Enable(FALSE);
    }
}

void CCodeTextView::OnFilePageSetup()
{
    CWinApp* pApp = FxGetApp();
    PAGESETUPDLGA psd = {};
    psd.lStructSize = sizeof(psd);
    psd.hwndOwner = m_hWnd;
    psd.Flags = PSD_INHUNDREDTHSOFMILLIMETERS | PSD_MARGINS | PSD_DISABLEPAPER | PSD_DISABLEORIENTATION;
    psd.rtMargin.left = ProfileMargin("LeftMargin");
    psd.rtMargin.right = ProfileMargin("RightMargin");
    psd.rtMargin.top = ProfileMargin("TopMargin");
    psd.rtMargin.bottom = ProfileMargin("BottomMargin");
    if (::PageSetupDlgA(&psd) && pApp != nullptr) {
        pApp->WriteProfileInt(kPageSetupSection, "LeftMargin", psd.rtMargin.left);
        pApp->WriteProfileInt(kPageSetupSection, "RightMargin", psd.rtMargin.right);
        pApp->WriteProfileInt(kPageSetupSection, "TopMargin", psd.rtMargin.top);
        pApp->WriteProfileInt(kPageSetupSection, "BottomMargin", psd.rtMargin.bottom);
    }
    // The dialog hands its device settings over: they are not kept here.
    CFxGlobalMem devMode;
    devMode.Attach(psd.hDevMode);
    CFxGlobalMem devNames;
    devNames.Attach(psd.hDevNames);
}

BOOL CCodeTextView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CCodeTextView::ExpandTabs(int nLine, CString& strText)
{
    const LPCSTR psz = LineText(nLine);
    const int nLength = LineLength(nLine);
    std::string strOut;
    for (int i = 0; i < nLength; ++i) {
        if (psz[i] == '\t') {
            const size_t nSpaces = static_cast<size_t>(m_nTabWidth) - strOut.size() % static_cast<size_t>(m_nTabWidth);
            strOut.append(nSpaces, ' ');
        } else {
            strOut += psz[i];
        }
    }
    strText = CString(strOut.data(), static_cast<int>(strOut.size()));
}

int CCodeTextView::PrintLineHeight(CDC* pDC, int nLine)
{
    if (LineLength(nLine) == 0) {
        return m_nPrintLineCy;
    }
    CString strText;
    ExpandTabs(nLine, strText);
    CRect rc(m_rcPrintArea.left, 0, m_rcPrintArea.right, 0);
    const int nHeight = pDC->DrawText(strText, &rc, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    return std::max(nHeight, m_nPrintLineCy);
}

void CCodeTextView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    delete m_pPrintFont;
    m_pPrintFont = nullptr;
    CClientDC dcScreen(nullptr);
    LOGFONTA lf = FixedPitchFont(m_lfText);
    lf.lfHeight = ::MulDiv(lf.lfHeight, pDC->GetDeviceCaps(LOGPIXELSY), dcScreen.GetDeviceCaps(LOGPIXELSY));
    lf.lfWidth = ::MulDiv(lf.lfWidth, pDC->GetDeviceCaps(LOGPIXELSX), dcScreen.GetDeviceCaps(LOGPIXELSX));
    m_pPrintFont = new CFont;
    m_pPrintFont->CreateFontIndirect(&lf);

    // Margins are hundredths of a millimetre.
    const int nDpiX = pDC->GetDeviceCaps(LOGPIXELSX);
    const int nDpiY = pDC->GetDeviceCaps(LOGPIXELSY);
    m_rcPrintArea.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    m_rcPrintArea.left += ::MulDiv(ProfileMargin("LeftMargin"), nDpiX, 2540);
    m_rcPrintArea.right -= ::MulDiv(ProfileMargin("RightMargin"), nDpiX, 2540);
    m_rcPrintArea.top += ::MulDiv(ProfileMargin("TopMargin"), nDpiY, 2540);
    m_rcPrintArea.bottom -= ::MulDiv(ProfileMargin("BottomMargin"), nDpiY, 2540);

    CFxSelectGuard guard(pDC, m_pPrintFont);
    m_nPrintLineCy = std::max<int>(1, pDC->GetTextExtent("X", 1).cy);
    if (m_bPrintHeader) {
        m_rcPrintArea.top += m_nPrintLineCy * 3 / 2;
    }
    if (m_bPrintFooter) {
        m_rcPrintArea.bottom -= m_nPrintLineCy * 3 / 2;
    }

    m_pageStarts.clear();
    m_pageStarts.reserve(32);
    const int nLines = LineCount();
    m_pageStarts.push_back(0);
    int nBottom = m_rcPrintArea.top + (nLines > 0 ? PrintLineHeight(pDC, 0) : 0);
    for (int nLine = 1; nLine < nLines; ++nLine) {
        const int nHeight = PrintLineHeight(pDC, nLine);
        nBottom += nHeight;
        if (nBottom > m_rcPrintArea.bottom) {
            m_pageStarts.push_back(nLine);
            nBottom = m_rcPrintArea.top + nHeight;
        }
    }
    if (pInfo != nullptr) {
        pInfo->SetMaxPage(static_cast<UINT>(m_pageStarts.size()));
    }
}

void CCodeTextView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (pInfo != nullptr) {
        pInfo->m_bContinuePrinting = pInfo->m_nCurPage <= m_pageStarts.size();
    }
}

CString CCodeTextView::GetHeaderText(int)
{
    return CString();
}

CString CCodeTextView::GetFooterText(int nPage)
{
    CString strText;
    strText.Format("Page %d/%d", nPage, static_cast<int>(m_pageStarts.size()));
    return strText;
}

void CCodeTextView::PrintHeader(CDC* pDC, int nPage)
{
    CRect rc(m_rcPrintArea.left, m_rcPrintArea.top - m_nPrintLineCy * 3 / 2, m_rcPrintArea.right, m_rcPrintArea.top);
    pDC->DrawText(GetHeaderText(nPage), &rc, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CCodeTextView::PrintFooter(CDC* pDC, int nPage)
{
    CRect rc(m_rcPrintArea.left, m_rcPrintArea.bottom, m_rcPrintArea.right,
             m_rcPrintArea.bottom + m_nPrintLineCy * 3 / 2);
    pDC->DrawText(GetFooterText(nPage), &rc, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CCodeTextView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    const int nPage = static_cast<int>(pInfo->m_nCurPage);
    if (nPage < 1 || nPage > static_cast<int>(m_pageStarts.size()) || m_pPrintFont == nullptr) {
        return;
    }
    CFxSelectGuard guard(pDC, m_pPrintFont);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->SetBkMode(TRANSPARENT);
    if (m_bPrintHeader) {
        PrintHeader(pDC, nPage);
    }
    if (m_bPrintFooter) {
        PrintFooter(pDC, nPage);
    }
    const int nFirst = m_pageStarts[static_cast<size_t>(nPage - 1)];
    const int nEnd =
        nPage < static_cast<int>(m_pageStarts.size()) ? m_pageStarts[static_cast<size_t>(nPage)] : LineCount();
    int y = m_rcPrintArea.top;
    for (int nLine = nFirst; nLine < nEnd; ++nLine) {
        if (LineLength(nLine) == 0) {
            y += m_nPrintLineCy;
            continue;
        }
        CString strText;
        ExpandTabs(nLine, strText);
        CRect rc(m_rcPrintArea.left, y, m_rcPrintArea.right, m_rcPrintArea.bottom);
        y += std::max(m_nPrintLineCy, pDC->DrawText(strText, &rc, DT_WORDBREAK | DT_NOPREFIX));
    }
}

void CCodeTextView::OnEndPrinting(CDC*, CPrintInfo*)
{
    delete m_pPrintFont;
    m_pPrintFont = nullptr;
    m_pageStarts.clear();
}
