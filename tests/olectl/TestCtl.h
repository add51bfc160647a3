// A small ActiveX control for the tests of the OLE layer: a few properties of each type, methods
// taking and returning each argument type, persisted properties and a drawing of its caption.
#pragma once

#include "platform/ole/OleControl.h"

class CTestCtl : public COleControl
{
public:
    CTestCtl();

protected:
    void OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& rcInvalid) override;
    void DoPropExchange(CPropExchange* pPX) override;
    const CLSID* GetPropPageIDs(ULONG& nPages) override;

    // Dispatch handlers, in dispid order.
    CString GetCaption() const;
    void SetCaption(LPCSTR pszCaption);
    long GetCount() const;
    void SetCount(long lCount);
    BOOL GetFlag() const;
    void SetFlag(BOOL bFlag);
    long Add(short nA, long lB);
    CString Echo(LPCSTR pszText);
    BOOL Negate(BOOL bValue);
    short KindOf(const VARIANT& vValue);
    IDispatch* GetSelf(BOOL bAddRef);
    long CountOf(IDispatch* pOther);
    void SetData(LPCSTR pszData);
    CString GetData() const;
    short GetSize() const;
    void SetSize(short nSize);

    FX_DECLARE_DISPATCH_MAP()

private:
    void PropertyChanged(DISPID dispid);

    CString m_strCaption;
    long m_lCount;
    BOOL m_bFlag;
    short m_nSize;
    CString m_strData;
};
