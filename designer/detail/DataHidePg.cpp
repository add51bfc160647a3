#include "designer/detail/DataHidePg.h"

#include "core/CappCell.h"
#include "core/CappMidData.h"
#include "designer/detail/CardSetingSh.h"
#include "designer/res/resource.h"

namespace
{
const char kHideSep[] = "$@$";

// Splits at every "$@$"; the text's GBK bytes cannot hold '$' as a trail byte.
void SplitHideInfo(const CString& strInfo, CStringArray& arrParts)
{
    arrParts.RemoveAll();
    int nStart = 0;
    for (;;) {
        const int nFound = strInfo.Find(kHideSep, nStart);
        if (nFound < 0) {
            arrParts.Add(strInfo.Mid(nStart));
            return;
        }
        arrParts.Add(strInfo.Mid(nStart, nFound - nStart));
        nStart = nFound + 3;
    }
}

void AddNames(CListBox& list, const CString& strNames)
{
    CStringArray arrNames;
    arrNames.Split(strNames, ';', FALSE);
    for (int i = 0; i < arrNames.GetSize(); ++i) {
        list.AddString(arrNames[i]);
    }
}

CString JoinNames(const CListBox& list)
{
    CString strNames;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString strName;
        list.GetText(i, strName);
        strNames += (i > 0 ? ";" : "") + strName;
    }
    return strNames;
}

void AddSelected(const CListBox& listFrom, CListBox& listTo)
{
    const int nSel = listFrom.GetCurSel();
    if (nSel < 0) {
        return;
    }
    CString strName;
    listFrom.GetText(nSel, strName);
    listTo.AddString(strName);
}

void RemoveSelected(CListBox& list)
{
    const int nSel = list.GetCurSel();
    if (nSel >= 0) {
        list.SendMessage(LB_DELETESTRING, static_cast<WPARAM>(nSel));
    }
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CDataHidePg, CPropertyPage)

FX_BEGIN_MESSAGE_MAP(CDataHidePg, CPropertyPage)
FX_ON_BN_CLICKED(IDC_HIDE_KEY_ADD, OnAddKey)
FX_ON_BN_CLICKED(IDC_HIDE_KEY_REMOVE, OnRemoveKey)
FX_ON_BN_CLICKED(IDC_HIDE_NAME_ADD, OnAddName)
FX_ON_BN_CLICKED(IDC_HIDE_NAME_REMOVE, OnRemoveName)
FX_END_MESSAGE_MAP()

CDataHidePg::CDataHidePg(CCardSetingSh* pSheet) : CPropertyPage(IDD_DATA_HIDE), m_pSheet(pSheet)
{
}

BOOL CDataHidePg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_listSource.SubclassDlgItem(IDC_HIDE_SOURCE, this);
    m_listKeys.SubclassDlgItem(IDC_HIDE_KEYS, this);
    m_listNames.SubclassDlgItem(IDC_HIDE_NAMES, this);
    CCappMidData* pMid = m_pSheet != nullptr ? m_pSheet->m_pMidData : nullptr;
    if (pMid == nullptr) {
        return TRUE;
    }
    m_listSource.ResetContent();
    m_listKeys.ResetContent();
    m_listNames.ResetContent();
    POSITION pos = pMid->m_listMidCell.GetHeadPosition();
    while (pos != nullptr) {
        m_listSource.AddString(static_cast<const CCappCell*>(pMid->m_listMidCell.GetNext(pos))->m_strVarName);
    }
    CStringArray arrParts;
    SplitHideInfo(pMid->m_strHideInfo, arrParts);
    if (arrParts.GetSize() > 1) {
        AddNames(m_listKeys, arrParts[1]);
    }
    if (arrParts.GetSize() > 2) {
        AddNames(m_listNames, arrParts[2]);
    }
    return TRUE;
}

void CDataHidePg::OnAddKey()
{
    AddSelected(m_listSource, m_listKeys);
}

void CDataHidePg::OnRemoveKey()
{
    RemoveSelected(m_listKeys);
}

void CDataHidePg::OnAddName()
{
    AddSelected(m_listSource, m_listNames);
}

void CDataHidePg::OnRemoveName()
{
    RemoveSelected(m_listNames);
}

BOOL CDataHidePg::OnApply()
{
    CCappMidData* pMid = m_pSheet != nullptr ? m_pSheet->m_pMidData : nullptr;
    if (m_hWnd == nullptr || pMid == nullptr) {
        return TRUE;
    }
    pMid->m_strHideInfo = CString("1") + kHideSep + JoinNames(m_listKeys) + kHideSep + JoinNames(m_listNames);
    return TRUE;
}
