// The cells of one owner (head, page or a detail area) as the cell-control dialog shows them.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"

class CCellCtrlGroup : public CObject
{
public:
    CCellCtrlGroup() = default;
    CCellCtrlGroup(const CCellCtrlGroup&) = delete;
    CCellCtrlGroup& operator=(const CCellCtrlGroup&) = delete;

    void CopyFrom(const CCellCtrlGroup& group);

    CString m_strName;
    CStringArray m_arrCellName;
    CUIntArray m_arrShow; // one per name: non-zero when the cell is shown
    CUIntArray m_arrKind; // one per name: the cell's content kind (1 static text, 2 and 4 variables)
};
