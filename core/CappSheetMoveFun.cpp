#include "core/CappSheetMoveFun.h"

#include "core/CappSheet.h"

void CCappSheetMoveFun::TakeLoaded(CCappSheet& dst, CCappSheet& src)
{
    dst.PreSerialize();
    dst.DetachList(CString());
    dst.m_CardDataRel.DetachList();
    dst.m_strVersion = src.m_strVersion;
    dst.m_nSheetInt1 = src.m_nSheetInt1;
    dst.m_nSheetInt2 = src.m_nSheetInt2;
    dst.m_nSheetInt3 = src.m_nSheetInt3;
    dst.m_strName = src.m_strName;
    dst.m_strSheetText2 = src.m_strSheetText2;
    dst.m_strSheetText3 = src.m_strSheetText3;
    dst.m_nSheetInt4 = src.m_nSheetInt4;
    dst.m_rcFrame = src.m_rcFrame;
    dst.m_nFrameWidth = src.m_nFrameWidth;
    dst.m_crFrame = src.m_crFrame;
    dst.m_strPaperName = src.m_strPaperName;
    dst.m_nPageWidth = src.m_nPageWidth;
    dst.m_nPageHeight = src.m_nPageHeight;
    dst.m_nNextLineID = src.m_nNextLineID;
    dst.m_nNextCellID = src.m_nNextCellID;
    dst.m_strSheetText4 = src.m_strSheetText4;
    dst.m_strSheetText5 = src.m_strSheetText5;
    dst.m_nSheetInt5 = src.m_nSheetInt5;
    dst.m_arrUInt1.Copy(src.m_arrUInt1);
    dst.m_arrUInt2.Copy(src.m_arrUInt2);
    dst.m_CardDataRel.m_nVersion = src.m_CardDataRel.m_nVersion;
    dst.m_CardDataRel.m_nReserved = src.m_CardDataRel.m_nReserved;
    CObList* const lists[][2] = {
        {&dst.m_MidDataList, &src.m_MidDataList},
        {&dst.m_HCellLineList, &src.m_HCellLineList},
        {&dst.m_VCellLineList, &src.m_VCellLineList},
        {&dst.m_LHOutLineList, &src.m_LHOutLineList},
        {&dst.m_TVOutLineList, &src.m_TVOutLineList},
        {&dst.m_RHOutLineList, &src.m_RHOutLineList},
        {&dst.m_BVOutLineList, &src.m_BVOutLineList},
        {&dst.m_OutCellList, &src.m_OutCellList},
        {&dst.m_HeadCellList, &src.m_HeadCellList},
        {&dst.m_PageCellList, &src.m_PageCellList},
        {&dst.m_listFreeObj, &src.m_listFreeObj},
        {&dst.m_listScript, &src.m_listScript},
        {&dst.m_CardDataRel.m_listRelItem, &src.m_CardDataRel.m_listRelItem},
    };
    // Node by node: the node freed at the head of one list is the memory the other list's new
    // tail takes, so a large sheet changes hands without a second set of nodes.
    for (CObList* const* pair : lists) {
        while (!pair[1]->IsEmpty()) {
            pair[0]->AddTail(pair[1]->RemoveHead());
        }
    }
}
