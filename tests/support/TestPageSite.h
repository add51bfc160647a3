// The frame's side of a control's property page: counts the status changes the page reports.
#pragma once

#include <windows.h>

#include <ocidl.h>

class CTestPageSite : public IPropertyPageSite
{
public:
    // Lives on the test's stack: the counts are fixed.
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(OnStatusChange)(DWORD dwFlags) override;
    STDMETHOD(GetLocaleID)(LCID* pLocaleID) override;
    STDMETHOD(GetPageContainer)(IUnknown** ppUnk) override;
    STDMETHOD(TranslateAccelerator)(MSG*) override { return S_FALSE; }

    DWORD m_dwLastStatus = 0;
    int m_nChanges = 0;
};
