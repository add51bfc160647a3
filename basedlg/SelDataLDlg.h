// The modal dialog that picks one item from a list shown with large icons.
#pragma once

#include "basedlg/VornBaseClsExport.h"
#include "platform/base/StringArray.h"
#include "platform/gdi/ImageList.h"
#include "platform/win/Dialog.h"
#include "platform/win/ListCtrl.h"

class VORNBASECLS_API CSelDataLDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CSelDataLDlg)

public:
    explicit CSelDataLDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    // Icon of every item, from the resource chain; 0 shows the items without one.
    UINT m_nIconID;
    CString m_strValue;
    CStringArray m_arrItems;
    CImageList m_imageList;
    CListCtrl m_listCtrl;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnDblclkList(NMHDR* pNMHDR, LRESULT* pResult);

    FX_DECLARE_MESSAGE_MAP()
};
