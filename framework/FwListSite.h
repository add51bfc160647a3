// What the list's tip window and label editor may ask of the list, without knowing its class.
#pragma once

#include "platform/base/Rect.h"
#include "platform/base/String.h"

class CFont;
class CWnd;

class FwListSite
{
public:
    // Which part of a cell SiteGetItemRect gives.
    enum RectPart {
        rectCell = 0,
        rectText = 1,
        rectLabel = 2,
    };

    virtual ~FwListSite() = default;
    virtual CWnd* SiteGetWnd() { return nullptr; }
    virtual BOOL SiteLabelsWrap() const { return FALSE; }
    virtual void SiteEndLabelEdit(BOOL) {}
    virtual int SiteGetSubItem(int) const { return 0; }
    virtual int SiteGetHorzOffset(int* pnPartner) const
    {
        if (pnPartner != nullptr) {
            *pnPartner = 0;
        }
        return 0;
    }
    virtual void SiteGetRowsRect(CRect& rc) const { rc.SetRectEmpty(); }
    virtual BOOL SiteGetItemRect(int, int, int, CRect& rc) const
    {
        rc.SetRectEmpty();
        return FALSE;
    }
    virtual CString SiteGetItemText(int, int) { return CString(); }
    virtual void SiteClientToScreen(CRect&) const {}
    virtual void SiteSetCapture(BOOL) {}
    virtual BOOL SiteIsSelected(int) const { return FALSE; }
    virtual COLORREF SiteGetSelTextColor() const { return 0; }
    virtual COLORREF SiteGetSelColor() const { return 0; }
    virtual COLORREF SiteGetTipTextColor() const { return 0; }
    virtual COLORREF SiteGetTipColor() const { return 0; }
    virtual CFont* SiteGetItemFont() const { return nullptr; }
};
