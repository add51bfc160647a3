// Owner of one GDI object handle (pen, brush, font, bitmap, region, palette).
#pragma once

#include "platform/base/FxExport.h"

class FX_API CGdiObject
{
public:
    CGdiObject() = default;
    // Deletes the handle it owns; select it out of every DC first.
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // A non-owning wrapper that lives as long as the process (see TempHandleMap.h).
    static CGdiObject* FromHandle(HGDIOBJ hObject);

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // Takes ownership; FALSE when a handle is held already or hObject is null.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID pObject) const;
    UINT GetObjectType() const;
    // Stock objects may be deleted harmlessly: GDI ignores it.
    BOOL CreateStockObject(int nIndex);

    HGDIOBJ m_hObject = nullptr;
};
