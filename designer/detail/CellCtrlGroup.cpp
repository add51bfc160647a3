#include "designer/detail/CellCtrlGroup.h"

void CCellCtrlGroup::CopyFrom(const CCellCtrlGroup& group)
{
    m_strName = group.m_strName;
    m_arrCellName.Copy(group.m_arrCellName);
    m_arrShow.Copy(group.m_arrShow);
    m_arrKind.Copy(group.m_arrKind);
}
