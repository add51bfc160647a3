// A control's property page: a COM property page over a child dialog template whose controls are
// bound to the control's properties by name. Activation reads the properties into the controls;
// editing a bound control makes the page dirty; Apply writes the bound values to every object.
#pragma once

#include "platform/ole/OleObjectFactory.h"
#include "platform/win/Dialog.h"

// After the windows headers, which they need.
#include <ocidl.h>

class FX_API COlePropertyPage : public CDialog, public IPropertyPage
{
    FX_DECLARE_DYNAMIC(COlePropertyPage)

public:
    // The template must have the WS_CHILD style; nIDCaption is the tab's string.
    COlePropertyPage(UINT nIDTemplate, UINT nIDCaption);
    ~COlePropertyPage() override;

    template <class T> static HRESULT CreateObject(COleObjectFactory* pFactory, REFIID riid, void** ppv)
    {
        T* p = new T;
        p->InitFromFactory(pFactory);
        HRESULT hr = p->QueryInterface(riid, ppv);
        p->Release();
        return hr;
    }

    enum BindKind { bindText, bindLong, bindCheck };
    // Binds control nID to the property pszName ("ZntFileName"): its text, its number, or its check.
    void BindProperty(UINT nID, LPCSTR pszName, BindKind kind);

    void SetModifiedFlag(BOOL bModified = TRUE);
    BOOL IsModified() const { return m_bDirty; }
    // The objects being edited (the first one), or null.
    IDispatch* GetObjectDispatch() const;

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IPropertyPage
    STDMETHOD(SetPageSite)(IPropertyPageSite* pPageSite) override;
    STDMETHOD(Activate)(HWND hWndParent, LPCRECT pRect, BOOL bModal) override;
    STDMETHOD(Deactivate)() override;
    STDMETHOD(GetPageInfo)(PROPPAGEINFO* pPageInfo) override;
    STDMETHOD(SetObjects)(ULONG cObjects, IUnknown** ppUnk) override;
    STDMETHOD(Show)(UINT nCmdShow) override;
    STDMETHOD(Move)(LPCRECT pRect) override;
    STDMETHOD(IsPageDirty)() override;
    STDMETHOD(Apply)() override;
    STDMETHOD(Help)(LPCOLESTR pszHelpDir) override;
    STDMETHOD(TranslateAccelerator)(MSG* pMsg) override;

protected:
    // Bound controls tell the page they changed; other commands go to the message map.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The property frame's buttons work for the page: Enter and Esc in it end no dialog.
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;
    // After the bound properties were read into the controls.
    virtual void OnObjectsLoaded();

private:
    struct Binding
    {
        UINT nID;
        CString strName;
        BindKind kind;
    };

    void InitFromFactory(COleObjectFactory* pFactory);
    void ReadProperties();
    HRESULT WriteProperties();
    void ReleaseObjects();

    LONG m_nRef;
    COleObjectFactory* m_pFactory;
    HINSTANCE m_hModule;
    UINT m_nIDTemplate;
    UINT m_nIDCaption;
    IPropertyPageSite* m_pPageSite;
    IDispatch** m_ppDisp;
    ULONG m_nObjects;
    BOOL m_bDirty;
    BOOL m_bLoading;
    Binding* m_pBindings;
    int m_nBindings;
};
