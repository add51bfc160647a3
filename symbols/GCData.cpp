#include "symbols/GCData.h"

CGCData::CGCData() : m_nIsUpper(0)
{
    for (int& n : m_nGrades)
        n = 0;
    for (int i = 0; i < nValues; i++) {
        m_nValues[i] = -1;
        m_nMarks[i] = -1;
    }
}

bool CGCData::AppliesTo(int nGrade) const
{
    int nIndex = nGrade + 1;
    return nIndex >= 0 && nIndex < nGrades && m_nGrades[nIndex] == 1;
}
