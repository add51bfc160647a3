// A progress bar control.
#pragma once

#include "platform/win/Wnd.h"

class FX_API CProgressCtrl : public CWnd
{
    FX_DECLARE_DYNAMIC(CProgressCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Virtual so that a painted bar can keep its own copy of range, step and position.
    virtual void SetRange(int nLower, int nUpper);
    virtual int SetPos(int nPos);
    virtual int SetStep(int nStep);
    virtual int StepIt();
    int GetPos() const;
    void GetRange(int& nLower, int& nUpper) const;
};
