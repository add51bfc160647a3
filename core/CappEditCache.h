// Laid-out special edits of tall detail values, kept by the card data from the measuring of a
// data row until the page filling takes their rows; one per data row and variable.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"

class CGlyphworkEdit;

class VORNCARD_API CCappEditCache
{
public:
    CCappEditCache() = default;
    ~CCappEditCache();
    CCappEditCache(const CCappEditCache&) = delete;
    CCappEditCache& operator=(const CCappEditCache&) = delete;

    // nRowID is the detail row's id; null when none is kept.
    CGlyphworkEdit* Find(int nRowID, const CString& strVarName) const;
    // Takes the edit; one kept under the same key before is freed.
    void Set(int nRowID, const CString& strVarName, CGlyphworkEdit* pEdit);
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_listEntry.GetCount()); }

private:
    CObList m_listEntry;
};
