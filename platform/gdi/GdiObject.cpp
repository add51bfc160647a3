#include "platform/gdi/GdiObject.h"

#include "platform/gdi/TempHandleMap.h"

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
    if (!AttachView(hObject)) {
        return FALSE;
    }
    m_bOwner = TRUE;
    return TRUE;
}

BOOL CGdiObject::AttachView(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = hObject;
    m_bOwner = FALSE;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    m_bOwner = FALSE;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr || !m_bOwner) {
        return FALSE;
    }
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID pObject) const
{
    return m_hObject ? ::GetObjectA(m_hObject, nCount, pObject) : 0;
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject ? ::GetObjectType(m_hObject) : 0;
}
