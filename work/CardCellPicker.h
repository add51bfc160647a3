// Which card-variable cell of a sheet lies under a point in sheet units: a head or page cell, or
// a detail cell with the data row it belongs to.
#pragma once

#include "platform/base/FxExport.h"
#include "platform/base/Point.h"
#include "work/VornWorkExport.h"

class CCappCell;
class CCappMidData;
class CCappSheet;

class VORNWORK_API CCardCellPicker
{
public:
    struct Hit
    {
        CCappCell* pCell = nullptr;
        // The area that holds the data (an extension's main area) and the area clicked.
        CCappMidData* pMidData = nullptr;
        CCappMidData* pShowMidData = nullptr;
        // The data row's first grid row for detail cells, 0 for head and page cells.
        int nRow = -1;
    };

    explicit CCardCellPicker(CCappSheet* pSheet);

    // FALSE when the point is in a detail area but on nothing that may be selected there; TRUE
    // with an empty hit when it is on no card-variable cell at all.
    BOOL Pick(CPoint ptSheet, Hit& hit) const;

private:
    BOOL PickDetail(CCappMidData* pArea, CPoint ptSheet, Hit& hit) const;
    void PickHeadOrPage(CPoint ptSheet, Hit& hit) const;

    CCappSheet* m_pSheet;
};
