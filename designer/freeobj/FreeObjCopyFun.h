// Copies of free objects of every kind, geometry included: the free-object tool's hand-over with
// the sheet and the property sheet's working copy.
#pragma once

#include <windows.h>

class CCappFreeObj;

class CFreeObjCopyFun
{
public:
    // A new object of the source's own class assigned from it; null for an unknown class.
    static CCappFreeObj* Clone(const CCappFreeObj* pSrc);
    // The kind's own assignment; FALSE when the two are not of the same class.
    static BOOL Assign(CCappFreeObj* pDst, const CCappFreeObj* pSrc);
};
