// The interface through which card code drives an in-place cell editor without knowing which
// editor it is. An implementing class derives first from its window class, then from this.
#pragma once

#include <windows.h>

#include "platform/base/Rect.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"
#include "symedit/MarkwellExport.h"

class CDC;
class CWnd;

class MARKWELL_API CCappBaseCtrl
{
public:
    // Control kinds.
    enum { kindNone = 0, kindNumEdit = 1, kindGlyphworkEdit = 2 };
    enum : UINT {
        // Sent to the parent with the key code in wParam when a key ends or moves the edit.
        msgEndEditByKey = 0x45B,
        // Extra context-menu items carry the command identifiers idFirstMenuItem + index.
        idFirstMenuItem = 1124,
        // Sent to the parent (0, 0) when F4 is pressed.
        msgFunctionKey4 = 0x498,
    };

    CCappBaseCtrl();
    virtual ~CCappBaseCtrl();
    CCappBaseCtrl(const CCappBaseCtrl&) = delete;
    CCappBaseCtrl& operator=(const CCappBaseCtrl&) = delete;

    virtual void SetOrigRows(int nRows);
    virtual void SetWndFocurs();
    virtual void SetControlFocurs();
    virtual BOOL CanUndoEx();
    virtual BOOL CanRedo();
    virtual BOOL CanCopy();
    virtual BOOL CanPaste();
    virtual BOOL CanCut();
    virtual BOOL CanSelectAll();
    virtual void OnCopy();
    virtual void OnPaste();
    virtual void OnCut();
    virtual void OnUndo();
    virtual void OnRedo();
    virtual void Paste(CString strText);
    virtual void Replace(CString strText);
    virtual void GetSelData(CString& strOut);
    virtual void GetData(CString& strOut);
    virtual void GetTextData(CString& strOut);
    virtual void GetRowData(CString& strOut, int nRow);
    virtual void SaveData();
    virtual void DestroyEdit();
    virtual int GetRowCount();
    // Tab, Enter, Esc, Page Up/Down and the arrows send msgEndEditByKey to the parent.
    virtual void EndEditByKey(UINT nKey);
    virtual void LimitMinRow(int nRows);
    virtual int GetLimitMinRow();
    virtual DWORD GetEditStyle();
    virtual void ModifyEditStyle(DWORD dwRemove, DWORD dwAdd);
    virtual void RunCommand(UINT nID);
    virtual int GetAlignFormat();

    // FALSE, and nothing stored, for an empty text or a zero message, or when no command
    // identifier is left for the item.
    BOOL AppendMenuItem(CString strText, UINT nMessage);
    void SetLButtonDBClikMsg(UINT nMessage);
    BOOL IsModify();
    BOOL IsCreateed();
    void InvalidateControl();
    // The window's rectangle in screen coordinates; FALSE, rect untouched, without a window kind.
    BOOL GetControlRect(CRect& rect);
    // Kept for callers of the exported interface; it yields nothing.
    static void GetFontNormalWidth(CDC* pDC, LOGFONT lf);

    CWnd* m_pParentWnd = nullptr;
    int m_nCtrlType = kindNone;
    // Set by the special edit when it is given its text.
    int m_nDefaultAlign = 0;
    LOGFONT m_lfFont = {};
    CString m_strText;
    CRect m_rcCtrl;
    BOOL m_bModify = FALSE;
    UINT m_nDBClickMsg = 0;
    int m_nMinRow = 0;
    CStringArray m_arrMenuText;
    CUIntArray m_arrMenuMsg;

protected:
    // A separator and the extra items, in the order added, at the end of the menu.
    void AppendHostMenuItems(HMENU hMenu);
    // Sends the message of an extra item's command to the parent; FALSE for any other command.
    // Every added item is routed, however many there are.
    BOOL RunHostMenuItem(UINT nID);
    // Sends the double-click message to the parent when one is set.
    void SendDBClickMsg();
    void SendToParent(UINT message);
    // The implementing class's window, found through the kind; null for kind 0.
    CWnd* GetControlWnd();
};
