#include "platform/gdi/GdiObject.h"

#include "platform/gdi/TempHandleMap.h"

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return FxTempWrapper<CGdiObject>(hObject, [](CGdiObject* p, HGDIOBJ h) { p->m_hObject = h; });
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr) {
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

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}
