// Shows a detail area's kind and name, edits its extension order and, folded out, the order of
// the continuation areas.
#pragma once

#include "common/KvHotButton.h"
#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"
#include "platform/win/ListBox.h"

class CMidAttrDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CMidAttrDlg)

public:
    explicit CMidAttrDlg(CWnd* pParentWnd = nullptr);

    // A continuation area, kept in ascending order of the order numbers ("name\norder").
    void AddField(const CString& strName, int nOrder);

    BOOL OnInitDialog() override;

    int m_nExtFlag;  // 0 an ordinary area, 1 a continuation
    int m_nExpanded; // the order list is shown
    CStringArray m_arrField;
    CStringArray m_arrOrder; // the names as listed, after OK
    CListBox m_listField;
    CString m_strKind;
    CString m_strName;
    int m_nExtOrder;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnMore();
    void OnMoveUp();
    void OnMoveDown();

    FX_DECLARE_MESSAGE_MAP()

private:
    void ApplyHeight();
    void MoveSelected(int nBy);

    CKvHotButton m_btnUp;
    CKvHotButton m_btnDown;
};
