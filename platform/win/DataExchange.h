// Data exchange between a dialog's members and its controls (DDX_) and the checks on it (DDV_).
#pragma once

#include "platform/base/String.h"

class CWnd;

class FX_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members, with checks; FALSE: members to controls
    CWnd* m_pDlgWnd;
    int m_idLastControl;
    BOOL m_bEditLastControl;
    // Set by Fail: the later exchanges of the same pass do nothing.
    BOOL m_bFailed;

    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Puts the focus back on the last control (its text selected when it is an edit) and marks
    // the pass failed; the caller has told the user why.
    void Fail();
};

// The platform's standard refusal: a message box with the text, then Fail().
FX_API void FxDDVFail(CDataExchange* pDX, LPCSTR lpszText);

FX_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
FX_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
FX_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// value: index of the checked radio in the group that starts at nIDC, -1 for none.
FX_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
FX_API void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
FX_API void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
FX_API void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
// Subclasses the control into rControl the first time.
FX_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// On load, limits the last edit control to nChars bytes; on save, refuses a longer text.
FX_API void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
FX_API void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
