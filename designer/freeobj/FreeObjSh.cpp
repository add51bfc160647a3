#include "designer/freeobj/FreeObjSh.h"

#include "core/CappFreeObj.h"
#include "designer/freeobj/FreeObjCopyFun.h"
#include "designer/res/resource.h"

FX_IMPLEMENT_DYNAMIC(CFreeObjSh, CKvPropertySheet)

CFreeObjSh::CFreeObjSh(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, int nKind)
    : CKvPropertySheet(nIDCaption, pParentWnd, iSelectPage), m_nKind(nKind)
{
    AddPages();
}

CFreeObjSh::CFreeObjSh(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage, int nKind)
    : CKvPropertySheet(pszCaption, pParentWnd, iSelectPage), m_nKind(nKind)
{
    AddPages();
}

CFreeObjSh::~CFreeObjSh()
{
    delete m_pObj;
}

void CFreeObjSh::AddPages()
{
    if (m_nKind == CCappFreeObj::kindLine || m_nKind == CCappFreeObj::kindLineArrow) {
        AddPage(&m_pageLine);
    } else {
        AddPage(&m_pageBase);
        AddPage(&m_pageText);
    }
}

BOOL CFreeObjSh::EditFrameObj(CWnd* pParentWnd, CCappFreeObj* pFrameObj)
{
    if (pFrameObj == nullptr) {
        return FALSE;
    }
    CFreeObjSh sh(IDS_CELL_STYLE_CAPTION, pParentWnd, 0, pFrameObj->m_nKind);
    sh.RemovePage(&sh.m_pageText);
    sh.m_pageBase.m_bHideText = 1;
    sh.CreateWorkObj(pFrameObj);
    if (sh.m_pObj == nullptr || sh.DoModal() != IDOK) {
        return FALSE;
    }
    sh.CopyWorkObjTo(pFrameObj);
    return TRUE;
}

void CFreeObjSh::CreateWorkObj(const CCappFreeObj* pObj)
{
    delete m_pObj;
    m_pObj = nullptr;
    if (pObj != nullptr && pObj->m_nKind >= CCappFreeObj::kindLine && pObj->m_nKind <= CCappFreeObj::kindLineArrow) {
        m_pObj = CFreeObjCopyFun::Clone(pObj);
    }
}

int CFreeObjSh::CopyWorkObjTo(CCappFreeObj* pObj) const
{
    if (pObj == nullptr || m_pObj == nullptr || !CFreeObjCopyFun::Assign(pObj, m_pObj)) {
        return 0;
    }
    int nHandle = -1;
    pObj->AdjustPoint(-1, nHandle);
    return 1;
}

CFreeObjSh* CFreeObjSh::FromPage(const CWnd* pPage)
{
    if (pPage == nullptr || pPage->m_hWnd == nullptr) {
        return nullptr;
    }
    return dynamic_cast<CFreeObjSh*>(CWnd::FromHandlePermanent(::GetParent(pPage->m_hWnd)));
}

CCappFreeObj* CFreeObjSh::WorkObjOf(const CWnd* pPage)
{
    CFreeObjSh* pSheet = FromPage(pPage);
    return pSheet != nullptr ? pSheet->m_pObj : nullptr;
}

void CFreeObjSh::SetUpColorButton(CKvColorButton& button, CWnd* pPage, const CCappFreeObj* pObj)
{
    button.SubclassDlgItem(IDC_FREEOBJ_COLOR, pPage);
    if (pObj != nullptr) {
        button.SetColor(pObj->m_crLine);
    }
    button.SetOtherButton(TRUE);
    button.SetPaletteRealization(FALSE);
}

void CFreeObjSh::TakeLineColor(const CWnd* pPage, WPARAM wParam, LPARAM lParam)
{
    CCappFreeObj* pObj = WorkObjOf(pPage);
    if (pObj != nullptr && wParam == IDC_FREEOBJ_COLOR) {
        pObj->m_crLine = static_cast<COLORREF>(lParam);
    }
}
