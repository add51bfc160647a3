// What a settings node needs of an outside store to write its subtree to and read it from.
#pragma once

#include <windows.h>

#include "platform/base/String.h"
#include "platform/base/StringList.h"

// Paths list the node's name first, the root's last.
class FwPersistentTreeStore
{
public:
    virtual ~FwPersistentTreeStore() = default;
    virtual void BeginNode(const CStringList& path) = 0;
    // FALSE when the value could not be written.
    virtual BOOL WriteValue(const CStringList& path, const CString& strKey, const CString& strValue) = 0;
    virtual void EndNode(const CStringList& path, const CStringList& childNames) = 0;
    // Keys and values pair up by position; FALSE when the node can't be read.
    virtual BOOL ReadNode(const CStringList& path, CStringList& keys, CStringList& values, CStringList& childNames) = 0;
};
