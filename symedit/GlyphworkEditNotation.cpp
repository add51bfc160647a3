// The notation commands of CGlyphworkEdit: new elements through the notation dialogs of
// Glyphwork, changing an element through its dialog, and the work directory those dialogs read.
#include "platform/base/FxRegKey.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/db/Session.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/MsgBox.h"
#include "symbols/CircleStrContSeg.h"
#include "symbols/CoarsenessContSeg.h"
#include "symbols/CustomDrawContSeg.h"
#include "symbols/DlgFrameStr.h"
#include "symbols/FractionContSeg.h"
#include "symbols/FrameStrContSeg.h"
#include "symbols/GpTolContSeg.h"
#include "symbols/GpTolDlg.h"
#include "symbols/InputCoarseDlgEx.h"
#include "symbols/InputFractionDlg.h"
#include "symbols/InputSupSubScriptDlg.h"
#include "symbols/InputToleranceDlg.h"
#include "symbols/SaveToLibDlg.h"
#include "symbols/SupSubScriptContSeg.h"
#include "symbols/SymbolDlg.h"
#include "symbols/ToleranceContSeg.h"
#include "symedit/CustSymMgr.h"
#include "symedit/GlyphworkEdit.h"
#include "symedit/GlyphworkEditRow.h"

namespace
{
const char szGlyphworkModule[] = "Glyphwork.dll";
const char szCircleTitle[] = "加圈字符对话框";

// The notation dialogs live in Glyphwork: its resources come first while one runs.
INT_PTR RunNotationDlg(CDialog& dlg)
{
    CFxResourceSwitch resSwitch(szGlyphworkModule);
    return dlg.DoModal();
}

// The first character of the text, both bytes of a GBK character.
CString FirstChar(const CString& strText)
{
    if (strText.IsEmpty())
        return CString();
    return strText.Left(CString::CharLength(strText));
}
} // namespace

BOOL CGlyphworkEdit::GetWorkDir(CString& strDir)
{
    const char* const apszKeys[] = {"SoftWare\\Saelo\\CAPP", "SoftWare\\Saelo\\PDM"};
    for (const char* pszKey : apszKeys) {
        CFxRegKey key;
        if (key.OpenForRead(HKEY_LOCAL_MACHINE, pszKey) != ERROR_SUCCESS)
            continue;
        char szBuf[MAX_PATH + 1] = "";
        DWORD cbData = MAX_PATH;
        DWORD dwType = 0;
        if (::RegQueryValueExA(key, "WorkDir", nullptr, &dwType, reinterpret_cast<LPBYTE>(szBuf), &cbData) !=
                ERROR_SUCCESS ||
            (dwType != REG_SZ && dwType != REG_EXPAND_SZ) || szBuf[0] == '\0')
            continue;
        strDir = szBuf;
        return TRUE;
    }
    FxMessageBox(GetSafeHwnd(), "没有找到CAPP或PDM的工作目录!", "系统提示", MB_OK | MB_ICONINFORMATION);
    return FALSE;
}

void CGlyphworkEdit::InsertNewSeg(CContentSegment* pSeg)
{
    CObList list;
    list.AddTail(pSeg);
    SaveUndoInfo(undoInsert, list);
    InsertContSeg(pSeg);
}

void CGlyphworkEdit::ReplaceSegAtCaret(CContentSegment* pOld, CContentSegment* pNew)
{
    CObList list;
    list.AddTail(pOld);
    list.AddTail(pNew);
    SaveUndoInfo(undoModify, list);
    ModifyContSeg(pNew);
}

void CGlyphworkEdit::EndNotationCommand()
{
    ResetInputPos();
    ShowCaretAt();
}

// New elements.

void CGlyphworkEdit::NewTolerance()
{
    if (IsReadOnly())
        return;
    CInputToleranceDlg dlg;
    CString strDir;
    GetWorkDir(strDir);
    dlg.SetDataDir(strDir);
    if (RunNotationDlg(dlg) == IDOK) {
        SelectionNo();
        CToleranceContSeg seg(m_lfFont, m_crText);
        if (dlg.GetData(&seg))
            InsertNewSeg(&seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::NewGptol()
{
    if (IsReadOnly())
        return;
    CGpTolDlg dlg;
    CString strDir;
    GetWorkDir(strDir);
    dlg.SetDataFile(strDir);
    if (RunNotationDlg(dlg) == IDOK) {
        SelectionNo();
        CGpTolContSeg seg(m_lfFont, m_crText);
        if (dlg.GetData(&seg))
            InsertNewSeg(&seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::NewCoarseness()
{
    if (IsReadOnly())
        return;
    CInputCoarseDlgEx dlg;
    if (RunNotationDlg(dlg) == IDOK) {
        SelectionNo();
        CCoarsenessContSeg seg(m_lfFont, m_crText);
        if (dlg.GetData(&seg))
            InsertNewSeg(&seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::NewFraction()
{
    if (IsReadOnly())
        return;
    CInputFractionDlg dlg;
    if (RunNotationDlg(dlg) == IDOK) {
        SelectionNo();
        CFractionContSeg seg(m_lfFont, m_crText);
        seg.SetData(dlg.m_strBaseData, dlg.m_strNumerator, dlg.m_strDenominator);
        InsertNewSeg(&seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::NewSuperSubScript()
{
    if (IsReadOnly())
        return;
    CInputSupSubScriptDlg dlg;
    if (RunNotationDlg(dlg) == IDOK) {
        SelectionNo();
        CSupSubScriptContSeg seg(m_lfFont, m_crText);
        seg.SetData(dlg.m_strBaseData, dlg.m_strSuperScript, dlg.m_strSubScript);
        InsertNewSeg(&seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::NewFrameStr()
{
    if (IsReadOnly())
        return;
    CDlgFrameStr dlg;
    // An empty frame would be an element nobody can see or pick.
    if (RunNotationDlg(dlg) == IDOK && !dlg.m_strText.IsEmpty()) {
        SelectionNo();
        CFrameStrContSeg seg(m_lfFont, m_crText);
        seg.m_strText = dlg.m_strText;
        InsertNewSeg(&seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::NewCircleStr()
{
    if (IsReadOnly())
        return;
    CDlgFrameStr dlg;
    dlg.m_strTitle = szCircleTitle;
    if (RunNotationDlg(dlg) == IDOK && !dlg.m_strText.IsEmpty()) {
        SelectionNo();
        CCircleStrContSeg seg(m_lfFont, m_crText);
        seg.m_strText = FirstChar(dlg.m_strText);
        InsertNewSeg(&seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::NewCustomDrawSeg()
{
    if (IsReadOnly())
        return;
    CSaveToLibDlg dlg;
    // The dialog only browses the library: without a connection its tree stays empty.
    CString strSource;
    CSession session;
    if (CCustSymMgr::GetProcessMgr().OpenConnection(strSource, session))
        dlg.m_pSession = &session;
    if (RunNotationDlg(dlg) == IDOK && !dlg.m_curItem.m_bFolder && !dlg.m_strSymbol.IsEmpty()) {
        SelectionNo();
        CCustomDrawContSeg seg(m_lfFont, m_crText);
        seg.m_strGuid = dlg.m_curItem.m_strGuid;
        seg.m_strSymbol = dlg.m_strSymbol;
        {
            CClientDC dc(GetSafeHwnd());
            seg.ResetSymbol(&dc);
        }
        InsertNewSeg(&seg);
    }
    session.Close();
    EndNotationCommand();
}

void CGlyphworkEdit::InsertSymbol()
{
    if (IsReadOnly())
        return;
    CSymbolDlg dlg;
    CString strDir;
    GetWorkDir(strDir);
    dlg.SetSymbolDataFile(strDir);
    if (RunNotationDlg(dlg) == IDOK && !dlg.m_strSymbol.IsEmpty())
        Paste(dlg.m_strSymbol);
    if (GetSafeHwnd() != nullptr)
        SetFocus();
    EndNotationCommand();
}

// Changing an element. The new element keeps the old one's own font and colour, so a change
// through the dialog never drops the element's font tag.

int CGlyphworkEdit::EditSpecial(int nRow, int nCol)
{
    if (IsReadOnly() || nRow < 0 || nRow >= m_nRowCount)
        return 0;
    CGlyphworkEditRow* pRow = GetEditRow(nRow);
    if (pRow == nullptr || nCol < 0 || nCol >= pRow->GetSegCount())
        return 0;
    CContentSegment* pSeg = pRow->GetSeg(nCol);
    // The change replaces the segment at the caret: it must be this one.
    m_nCaretRow = nRow;
    m_nCaretCol = nCol;
    switch (pSeg->IsKindOf()) {
    case SEG_TOLERANCE:
        EditTolerance(static_cast<CToleranceContSeg*>(pSeg));
        return 1;
    case SEG_FRACTION:
        EditFraction(static_cast<CFractionContSeg*>(pSeg));
        return 1;
    case SEG_SUPSUB:
        EditSuperSubScript(static_cast<CSupSubScriptContSeg*>(pSeg));
        return 1;
    case SEG_GPTOL:
        EditGpTol(static_cast<CGpTolContSeg*>(pSeg));
        return 1;
    case SEG_COARSENESS:
        EditCoarseness(static_cast<CCoarsenessContSeg*>(pSeg));
        return 1;
    case SEG_CUSTOM:
        EditSymbol(static_cast<CCustomDrawContSeg*>(pSeg));
        return 1;
    case SEG_FRAME:
        EditFrameStr(static_cast<CFrameStrContSeg*>(pSeg));
        return 1;
    case SEG_CIRCLE:
        EditCircleStr(static_cast<CCircleStrContSeg*>(pSeg));
        return 1;
    default:
        return 0;
    }
}

void CGlyphworkEdit::EditTolerance(CToleranceContSeg* pSeg)
{
    CInputToleranceDlg dlg;
    CString strDir;
    GetWorkDir(strDir);
    dlg.SetDataDir(strDir);
    dlg.SetData(pSeg);
    if (RunNotationDlg(dlg) == IDOK) {
        CToleranceContSeg seg(pSeg->m_lFont, pSeg->m_crColor);
        if (dlg.GetData(&seg))
            ReplaceSegAtCaret(pSeg, &seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::EditGpTol(CGpTolContSeg* pSeg)
{
    CGpTolDlg dlg;
    CString strDir;
    GetWorkDir(strDir);
    dlg.SetDataFile(strDir);
    dlg.SetData(pSeg);
    if (RunNotationDlg(dlg) == IDOK) {
        CGpTolContSeg seg(pSeg->m_lFont, pSeg->m_crColor);
        if (dlg.GetData(&seg))
            ReplaceSegAtCaret(pSeg, &seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::EditCoarseness(CCoarsenessContSeg* pSeg)
{
    CInputCoarseDlgEx dlg;
    dlg.SetData(pSeg);
    if (RunNotationDlg(dlg) == IDOK) {
        CCoarsenessContSeg seg(pSeg->m_lFont, pSeg->m_crColor);
        if (dlg.GetData(&seg))
            ReplaceSegAtCaret(pSeg, &seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::EditFraction(CFractionContSeg* pSeg)
{
    CInputFractionDlg dlg;
    dlg.SetData(pSeg->m_strBase, pSeg->m_strNumerator, pSeg->m_strDenominator);
    if (RunNotationDlg(dlg) == IDOK) {
        CFractionContSeg seg(pSeg->m_lFont, pSeg->m_crColor);
        seg.SetData(dlg.m_strBaseData, dlg.m_strNumerator, dlg.m_strDenominator);
        ReplaceSegAtCaret(pSeg, &seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::EditSuperSubScript(CSupSubScriptContSeg* pSeg)
{
    CInputSupSubScriptDlg dlg;
    dlg.SetData(pSeg->m_strBase, pSeg->m_strSup, pSeg->m_strSub);
    if (RunNotationDlg(dlg) == IDOK) {
        CSupSubScriptContSeg seg(pSeg->m_lFont, pSeg->m_crColor);
        seg.SetData(dlg.m_strBaseData, dlg.m_strSuperScript, dlg.m_strSubScript);
        ReplaceSegAtCaret(pSeg, &seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::EditFrameStr(CFrameStrContSeg* pSeg)
{
    CDlgFrameStr dlg;
    dlg.m_strText = pSeg->m_strText;
    GetWorkDir(dlg.m_strSymbolDataFile);
    if (RunNotationDlg(dlg) == IDOK && !dlg.m_strText.IsEmpty()) {
        CFrameStrContSeg seg(pSeg->m_lFont, pSeg->m_crColor);
        seg.m_strText = dlg.m_strText;
        ReplaceSegAtCaret(pSeg, &seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::EditCircleStr(CCircleStrContSeg* pSeg)
{
    CDlgFrameStr dlg;
    dlg.m_strTitle = szCircleTitle;
    dlg.m_strText = pSeg->m_strText;
    GetWorkDir(dlg.m_strSymbolDataFile);
    // A circle holds one character, as stored text reads it back: more would be lost on reload.
    if (RunNotationDlg(dlg) == IDOK && !dlg.m_strText.IsEmpty()) {
        CCircleStrContSeg seg(pSeg->m_lFont, pSeg->m_crColor);
        seg.m_strText = FirstChar(dlg.m_strText);
        ReplaceSegAtCaret(pSeg, &seg);
    }
    EndNotationCommand();
}

void CGlyphworkEdit::EditSymbol(CCustomDrawContSeg* pSeg)
{
    SelectionNo();
    CCustomDrawContSeg seg(pSeg->m_lFont, pSeg->m_crColor);
    seg = *pSeg;
    {
        CClientDC dc(GetSafeHwnd());
        seg.ResetSymbol(&dc);
        CString strArguments;
        // The dialog's answer is not consulted: a cancel records the element with its arguments
        // unchanged, one record per change command as for the other kinds on OK.
        seg.Edit(strArguments);
        seg.ResetSymbol(&dc);
        seg.m_nWidth = seg.GetWidth(&dc);
    }
    ReplaceSegAtCaret(pSeg, &seg);
    EndNotationCommand();
}
