#include "designer/freeobj/FreeObjCopyFun.h"

#include <memory>

#include "core/CappCircleArrow.h"
#include "core/CappFreeCircle.h"
#include "core/CappFreeCloud.h"
#include "core/CappFreeLine.h"
#include "core/CappFreeLineArrow.h"
#include "core/CappFreeRect.h"
#include "core/CappFreeRectArrow.h"
#include "core/CappFreeRound.h"
#include "core/CappFreeRoundArrow.h"
#include "core/CappFreeSpline.h"
#include "core/CappFreeTriangle.h"

namespace
{
template <class T> BOOL AssignAs(CCappFreeObj* pDst, const CCappFreeObj* pSrc, BOOL& bDone)
{
    if (bDone) {
        return TRUE;
    }
    auto* pTypedDst = dynamic_cast<T*>(pDst);
    const auto* pTypedSrc = dynamic_cast<const T*>(pSrc);
    if (pTypedDst == nullptr || pTypedSrc == nullptr) {
        return FALSE;
    }
    *pTypedDst = *pTypedSrc;
    bDone = TRUE;
    return TRUE;
}
} // namespace

BOOL CFreeObjCopyFun::Assign(CCappFreeObj* pDst, const CCappFreeObj* pSrc)
{
    if (pDst == nullptr || pSrc == nullptr || pDst->GetRuntimeClass() != pSrc->GetRuntimeClass()) {
        return FALSE;
    }
    if (pDst == pSrc) {
        return TRUE;
    }
    // The assignments are not virtual: derived classes are tried before their bases, so that
    // every kind copies its own points.
    BOOL bDone = FALSE;
    AssignAs<CCappFreeLineArrow>(pDst, pSrc, bDone);
    AssignAs<CCappFreeLine>(pDst, pSrc, bDone);
    AssignAs<CCappFreeCloud>(pDst, pSrc, bDone);
    AssignAs<CCappFreeRectArrow>(pDst, pSrc, bDone);
    AssignAs<CCappFreeRoundArrow>(pDst, pSrc, bDone);
    AssignAs<CCappCircleArrow>(pDst, pSrc, bDone);
    AssignAs<CCappFreeRect>(pDst, pSrc, bDone);
    AssignAs<CCappFreeCircle>(pDst, pSrc, bDone);
    AssignAs<CCappFreeTriangle>(pDst, pSrc, bDone);
    AssignAs<CCappFreeRound>(pDst, pSrc, bDone);
    AssignAs<CCappFreeSpline>(pDst, pSrc, bDone);
    return bDone;
}

CCappFreeObj* CFreeObjCopyFun::Clone(const CCappFreeObj* pSrc)
{
    if (pSrc == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CObject> pNew(pSrc->GetRuntimeClass()->CreateObject());
    auto* pObj = dynamic_cast<CCappFreeObj*>(pNew.get());
    if (pObj == nullptr || !Assign(pObj, pSrc)) {
        return nullptr;
    }
    pNew.release();
    return pObj;
}
