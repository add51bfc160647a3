// Edits a graphic-variable cell: field name, page dependence, scaling and the frame around it.
#pragma once

#include "platform/base/String.h"
#include "platform/win/Dialog.h"

class CCappCell;
class CCappFreeObj;

class CImageVarFieldDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CImageVarFieldDlg)

public:
    enum { scaleAuto = 0x01, scaleKeepRatio = 0x02 };

    explicit CImageVarFieldDlg(CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

    void LoadFromCell(const CCappCell& cell);
    void SaveToCell(CCappCell& cell) const;

    // The template's own free object, not a copy: OK writes its text.
    CCappFreeObj* m_pFrameObj;
    int m_nScaleFlags;
    CString m_strField;
    int m_bPageDepend;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnClickPage();
    void OnClickFrame();

    FX_DECLARE_MESSAGE_MAP()
};
