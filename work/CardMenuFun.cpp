#include "work/CardMenuFun.h"

#include "symedit/CappBaseCtrl.h"
#include "work/CappCardView.h"
#include "work/CardCompute.h"
#include "work/CardXml.h"

void CCardMenuFun::AppendCellItems(CCappBaseCtrl* pEdit, const CCappCell* pCell)
{
    if (pEdit == nullptr || pCell == nullptr) {
        return;
    }
    const int nCompute = CCardCompute::GetComputeKind(pCell);
    const int nRes = CCardXml::GetResKind(pCell);
    if (nCompute == CCardCompute::kindCompute) {
        pEdit->AppendMenuItem("计算", CCappCardView::msgCurEditComputer);
    }
    if (nCompute == CCardCompute::kindCode) {
        pEdit->AppendMenuItem("编码", CCappCardView::msgEditCode);
    }
    switch (nRes) {
    case 4:
    case 5:
        pEdit->AppendMenuItem("关联资源", CCappCardView::msgPopupCurEditRes);
        break;
    case 1:
        pEdit->AppendMenuItem("知识库", CCappCardView::msgPopupCurEditRes);
        pEdit->AppendMenuItem("存入知识库", CCappCardView::msgSaveToKnowledge);
        break;
    case 3:
        pEdit->AppendMenuItem("工艺字典", CCappCardView::msgPopupCurEditDict);
        break;
    case 2:
        pEdit->AppendMenuItem("PDM", CCappCardView::msgPopupCurEditPdm);
        break;
    default:
        break;
    }

    UINT nDblClk = 0;
    if (nCompute == CCardCompute::kindCode) {
        nDblClk = CCappCardView::msgEditCode;
    } else if (nCompute == CCardCompute::kindCompute) {
        nDblClk = CCappCardView::msgCurEditComputer;
    } else if (nRes == 1 || nRes == 4 || nRes == 5) {
        nDblClk = CCappCardView::msgPopupCurEditRes;
    } else if (nRes == 3) {
        nDblClk = CCappCardView::msgPopupCurEditDict;
    } else if (nRes == 2) {
        nDblClk = CCappCardView::msgPopupCurEditPdm;
    }
    if (nDblClk != 0) {
        pEdit->SetLButtonDBClikMsg(nDblClk);
    }
}
