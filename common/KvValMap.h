// Map from a variable name to its value: the evaluator's variables, and those a caller lends it.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/Position.h"
#include "platform/base/String.h"

// Names match exactly, byte for byte. Iteration follows insertion order.
class KVCOMM_API CKvValMap
{
public:
    CKvValMap();
    CKvValMap(const CKvValMap& src);
    CKvValMap& operator=(const CKvValMap& src);
    ~CKvValMap();

    INT_PTR GetCount() const;
    BOOL IsEmpty() const { return GetCount() == 0; }
    BOOL Lookup(LPCSTR pszName, double& rValue) const;
    // Adds the name when it is missing.
    void SetAt(LPCSTR pszName, double dValue);
    BOOL RemoveKey(LPCSTR pszName);
    void RemoveAll();

    // Null when the map is empty.
    POSITION GetStartPosition() const;
    // Gives the entry at rPos and moves rPos on (null after the last entry).
    void GetNextAssoc(POSITION& rPos, CString& rName, double& rValue) const;

private:
    struct Impl;
    Impl* m_pImpl;
};
