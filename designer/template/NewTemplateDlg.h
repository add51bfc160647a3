// The New-template dialog: a tab per template folder (the work directory's "Template" and each
// folder in it) listing its templates, "空模板" first in the first tab, a typed or browsed path.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/StringArray.h"
#include "platform/gdi/ImageList.h"
#include "platform/win/Dialog.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/TabCtrl.h"

class CNewTemplateDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CNewTemplateDlg)

public:
    explicit CNewTemplateDlg(CWnd* pParentWnd = nullptr);
    ~CNewTemplateDlg() override;

    BOOL OnInitDialog() override;

    // The titles of a folder's templates in the file system's order.
    static void ListTemplates(LPCSTR lpszFolder, CStringArray& arrTitles);

    int GetTabCount() const { return static_cast<int>(m_lists.size()); }
    CListCtrl* GetList(int nTab) const;
    CString GetFolder(int nTab) const;

    // Results: the chosen template and whether it is to be loaded (not the blank template).
    CString m_strPath;
    BOOL m_bLoadFile;

protected:
    void OnOK() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnBrowse();

    FX_DECLARE_MESSAGE_MAP()

private:
    void AddTab(const CString& strTitle, const CString& strFolder, BOOL bBlankFirst);
    void ShowTab(int nTab);

    CTabCtrl m_tabs;
    std::vector<std::unique_ptr<CListCtrl>> m_lists;
    CStringArray m_arrFolders;
    CImageList m_images;
};
