// One row of a limit-deviation table: the deviation of one letter over the basic-size ranges.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"
#include "symbols/GlyphworkExport.h"

class GLYPHWORK_API CGCData : public CObject
{
public:
    enum { nGrades = 20, nValues = 45 };

    CGCData();

    // The row applies to grade number n (-1 for IT01, 0 for IT0, 1 to 18).
    bool AppliesTo(int nGrade) const;

    CString m_strName;
    // 1: the values are upper deviations (es/ES), 0: lower (ei/EI).
    int m_nIsUpper;
    // Index 0 IT01, 1 IT0, 2 IT1 ... 19 IT18.
    int m_nGrades[nGrades];
    // Micrometres, one per deviation size range.
    short m_nValues[nValues];
    // -1 no value, 0 plain value, 1 the hole's delta is added.
    short m_nMarks[nValues];
};
