// The drag source's say in an OLE drag: the drop happens when the mouse buttons are released,
// Escape cancels, and the system shows its own cursors. Owned by whoever starts the drag; the
// drag loop's references never delete it.
#pragma once

#include "platform/base/FxExport.h"

#include <oleidl.h>

class FX_API COleDropSource : public IDropSource
{
public:
    COleDropSource();
    virtual ~COleDropSource();
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    // S_OK to go on, DRAGDROP_S_DROP or DRAGDROP_S_CANCEL to end.
    virtual HRESULT OnQueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual HRESULT OnGiveFeedback(DWORD dwDropEffect);

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IDropSource: the virtual operations above behind the COM boundary.
    STDMETHOD(QueryContinueDrag)(BOOL fEscapePressed, DWORD grfKeyState) override;
    STDMETHOD(GiveFeedback)(DWORD dwEffect) override;

private:
    LONG m_nRef;
};
