// One row of the property list: its name, its value, the kind of in-place editor it takes and
// what that editor offers.
#pragma once

#include "platform/base/String.h"

class CPropertyItem
{
public:
    enum {
        kindCombo = 0,  // drop-down, free text
        kindList = 1,   // drop-down list
        kindEdit = 2,   // edit box
        kindColor = 3,  // "RGB(r,g,b)"
        kindFont = 4,   // face name
        kindFile = 5,   // full path
        kindAction = 7, // the owner acts on 0xBBA
    };

    CString m_strName;
    CString m_strValue;
    int m_nKind = kindEdit;
    // Kinds 0 and 1: the entries, separated by "|".
    CString m_strChoices;
    // Kind 5: "Filter=...;Title=...".
    CString m_strOptions;
};
