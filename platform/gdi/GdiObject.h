// Owner of one GDI object handle (pen, brush, font, bitmap, region, palette).
#pragma once

#include "platform/base/FxExport.h"

class FX_API CGdiObject
{
public:
    CGdiObject() = default;
    // Deletes the handle it owns (not one it only views); select it out of every DC first.
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // A view (never deletes the handle) kept until FxDeleteTempMaps; null for null.
    static CGdiObject* FromHandle(HGDIOBJ hObject);

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // Takes ownership; FALSE when a handle is held already or hObject is null.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // FALSE, and the handle kept, for a view: only the owner deletes.
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID pObject) const;
    UINT GetObjectType() const;

    HGDIOBJ m_hObject = nullptr;

protected:
    // Names a handle without owning it; FALSE when a handle is held already or hObject is null.
    BOOL AttachView(HGDIOBJ hObject);

private:
    BOOL m_bOwner = FALSE;
};
