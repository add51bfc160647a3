// The receiving side of a data transfer: wraps the IDataObject a drag or the clipboard offers and
// reads its formats. Holds one reference while attached (unless told not to).
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/String.h"

#include <objidl.h>

// What a drop target answers and a drag source allows: DROPEFFECT_* bits.
typedef DWORD DROPEFFECT;

class FX_API COleDataObject
{
public:
    COleDataObject();
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // bAutoRelease: the wrapper owns one reference and releases it when it lets go; otherwise the
    // caller keeps the object alive while it is attached.
    void Attach(IDataObject* pDataObject, BOOL bAutoRelease = TRUE);
    IDataObject* Detach();
    void Release();
    IDataObject* GetIDataObject() const { return m_pDataObject; }

    // The format is offered in global memory.
    BOOL IsDataAvailable(CLIPFORMAT cfFormat) const;
    // A copy of the format's global memory block, owned by the caller; null when not offered.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat) const;
    // The CF_TEXT text up to its terminator (or the block's end when it has none).
    BOOL GetText(CString& strText) const;

private:
    IDataObject* m_pDataObject;
    BOOL m_bAutoRelease;
};
