// The editor's menu items and double-click message that hand a cell's computing and resource
// actions to the card view.
#pragma once

#include "work/VornWorkExport.h"

class CCappBaseCtrl;
class CCappCell;

class VORNWORK_API CCardMenuFun
{
public:
    CCardMenuFun() = delete;

    // The items the cell's compute and resource kinds call for, in menu order, and the message
    // a double click sends (none when no kind asks for one).
    static void AppendCellItems(CCappBaseCtrl* pEdit, const CCappCell* pCell);
};
