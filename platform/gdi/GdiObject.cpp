#include "platform/gdi/GdiObject.h"

#include "platform/gdi/FxTempMap.h"

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return CFxTempMap<CGdiObject, HGDIOBJ>::Lookup(hObject, [](CGdiObject* p, HGDIOBJ h) { p->AttachView(h); });
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    return FxAttachHandle(m_hObject, m_bOwner, hObject, TRUE);
}

BOOL CGdiObject::AttachView(HGDIOBJ hObject)
{
    return FxAttachHandle(m_hObject, m_bOwner, hObject, FALSE);
}

HGDIOBJ CGdiObject::Detach()
{
    return FxDetachHandle(m_hObject, m_bOwner);
}

BOOL CGdiObject::DeleteObject()
{
    return FxDestroyOwnedHandle(m_hObject, m_bOwner, ::DeleteObject);
}

int CGdiObject::GetObject(int nCount, LPVOID pObject) const
{
    return m_hObject ? ::GetObjectA(m_hObject, nCount, pObject) : 0;
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject ? ::GetObjectType(m_hObject) : 0;
}
