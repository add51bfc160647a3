#include "work/CardCompute.h"

#include <algorithm>
#include <cstdlib>

#include "common/KvEvaluate.h"
#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "work/CappBaseFun.h"

int CCardCompute::GetComputeKind(const CCappCell* pCell)
{
    return pCell != nullptr ? pCell->m_nCellInt14 : 0;
}

CString CCardCompute::GetComputeExpress(const CCappCell* pCell)
{
    return pCell != nullptr ? pCell->m_strCellText6 : CString();
}

CString CCardCompute::Compute(const CString& strExpress, const CStringArray& names, const CStringArray& values)
{
    CKvEvaluate eval;
    const INT_PTR nCount = std::min(names.GetSize(), values.GetSize());
    for (INT_PTR i = 0; i < nCount; ++i) {
        eval.AddValMap("[" + names[i] + "]", std::atof(values[i]));
    }
    CString strResult;
    if (!eval.Computer(strExpress, strResult)) {
        strResult.Empty();
    }
    return strResult;
}

CString CCardCompute::GetNextIndexText(const CCappMDData* pData, const CString& strVarName, int nDataRow, int nStep)
{
    if (pData == nullptr || pData->GetRowCount() == 0) {
        return "";
    }
    int r = nDataRow - 1;
    if (r < 0) {
        return "";
    }
    r = std::min(r, pData->GetRowCount() - 1);
    CString strPrev;
    for (; r >= 0 && strPrev.IsEmpty(); --r) {
        if (!pData->GetVarData(r, strVarName, strPrev, CCappMDData::inheritNever)) {
            strPrev.Empty();
        }
    }
    return CCappBaseFun::GetNextIndex(strPrev, nStep);
}
