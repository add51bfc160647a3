// A window's part in OLE drag and drop as the place where data is dropped: registered on one
// window, it turns the drag events into virtual operations with the data wrapped and the point in
// the window's client coordinates. Owned by its window's object; revoke before it goes.
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/Point.h"
#include "platform/ole/OleDataObject.h"

#include <oleidl.h>

class CWnd;

class FX_API COleDropTarget : public IDropTarget
{
public:
    COleDropTarget();
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // RegisterDragDrop on the window (OLE must be initialised on the thread). FALSE when it fails.
    BOOL Register(CWnd* pWnd);
    void Revoke();
    CWnd* GetRegisteredWnd() const { return m_pWnd; }

    // The answers are DROPEFFECT_* bits; the one given to OLE keeps only what the source allows.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // The effect is the last drag-over answer for the key state of the drop; TRUE when taken.
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // Called before every enter and over: an answer with DROPEFFECT_SCROLL replaces the
    // enter or over answer for that event (the window scrolled instead).
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    // IDropTarget
    STDMETHOD(DragEnter)(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    STDMETHOD(DragOver)(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    STDMETHOD(DragLeave)() override;
    STDMETHOD(Drop)(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;

private:
    CPoint ClientPoint(POINTL pt) const;
    DROPEFFECT Answer(BOOL bEnter, DWORD grfKeyState, POINTL pt, DWORD dwAllowed);

    LONG m_nRef;
    CWnd* m_pWnd;
    // The data of the drag under way, held from enter to leave or drop.
    COleDataObject m_dataObject;
};
