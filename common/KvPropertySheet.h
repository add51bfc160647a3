// A property sheet whose tab strip is our owner-drawn tab control: tab images, disabled tabs and
// a label font.
#pragma once

#include "common/KvCommLibExport.h"
#include "common/KvTabCtrl.h"
#include "platform/gdi/ImageList.h"
#include "platform/win/PropertySheet.h"

class CFont;

class KVCOMM_API CKvPropertySheet : public CPropertySheet
{
    FX_DECLARE_DYNAMIC(CKvPropertySheet)

public:
    explicit CKvPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CKvPropertySheet(const char* pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CKvPropertySheet() override;

    BOOL OnInitDialog() override;

    void SetTabImage(int nTab, int nImage);
    // Gives the tab image list to the tab control.
    void ReSetImageList();
    BOOL EnableTabItem(int nTab, BOOL bEnable);
    BOOL IsItemEnabled(int nTab) const;
    // Null goes back to the tab control's own font.
    void SetLabelFont(CFont* pFont);
    void ShowButton(int nControlId, int nShowCommand);

    CKvTabCtrl& GetKvTabCtrl() { return m_tabCtrl; }

protected:
    // For derived sheets to fill before ReSetImageList.
    CImageList m_imageList;
    CKvTabCtrl m_tabCtrl;
};
