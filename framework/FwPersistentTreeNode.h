// A node of an in-memory tree of named settings: typed values are kept as text under unique
// keys, children under unique names; a subtree is written to and read from a store.
#pragma once

#include "framework/FwPersistentNodeOwner.h"
#include "platform/base/ObList.h"
#include "platform/base/Object.h"
#include "platform/base/PtrList.h"
#include "platform/base/String.h"
#include "platform/base/StringList.h"

class FwPersistentTreeStore;

// Result bits of the node operations; 0 is success.
enum FwPersistentResult : UINT {
    FwPtrOk = 0,
    FwPtrAlreadyInitialised = 1,
    FwPtrNotInitialised = 2,
    FwPtrNoName = 4,
    FwPtrNoKey = 8,
    FwPtrKeyExists = 16,
    FwPtrChildExists = 32,
    FwPtrNoValue = 64,
    FwPtrNoData = 128,
    FwPtrNotText = 256,
    FwPtrFailed = 65535,
};

class FwPersistentTreeNode : public CObject
{
    FX_DECLARE_DYNCREATE(FwPersistentTreeNode)

public:
    FwPersistentTreeNode();
    // Children made through this node's owner go with it; others only lose their parent.
    ~FwPersistentTreeNode() override;
    FwPersistentTreeNode(const FwPersistentTreeNode&) = delete;
    FwPersistentTreeNode& operator=(const FwPersistentTreeNode&) = delete;

    virtual UINT Initialize(const CString& strName, FwPersistentTreeNode* pParent);
    virtual UINT SetInt(const CString& strKey, int nValue, BOOL bReplace);
    virtual UINT SetString(const CString& strKey, const CString& strValue, BOOL bReplace);
    virtual UINT SetBool(const CString& strKey, BOOL bValue, BOOL bReplace);
    // Short texts go under the key itself, longer ones in chunks under "<key>_BinVal<n>" with
    // their count under "<key>_BinCount"; writing one form removes the other.
    virtual UINT SetBinary(const CString& strKey, const BYTE* pData, UINT nCount, BOOL bReplace);
    virtual UINT GetString(const CString& strKey, CString& strValue, const CString& strDefault) const;
    virtual UINT GetInt(const CString& strKey, int& nValue, int nDefault) const;
    virtual UINT GetUInt(const CString& strKey, UINT& nValue, UINT nDefault) const;
    virtual UINT GetLong(const CString& strKey, long& nValue, long nDefault) const;
    virtual UINT GetDWord(const CString& strKey, DWORD& dwValue, DWORD dwDefault) const;
    virtual UINT GetBool(const CString& strKey, BOOL& bValue, BOOL bDefault) const;
    // *ppData gets a block the caller frees with delete[]. A missing chunk fails the read.
    virtual UINT GetBinary(const CString& strKey, BYTE** ppData, UINT* pnCount) const;
    virtual BOOL Save(FwPersistentTreeStore* pStore) const;
    virtual BOOL Load(FwPersistentTreeStore* pStore);
    virtual UINT AddChild(FwPersistentTreeNode* pChild);

    FwPersistentTreeNode* FindChild(const CString& strName) const;
    // The value text under the key, or null.
    const CString* FindValue(const CString& strKey) const;
    void GetPath(CStringList& path) const;
    void GetChildNames(CStringList& names) const;
    FwPersistentNodeOwner& GetNodeOwner() { return m_owner; }

    const CString& GetName() const { return m_strName; }
    FwPersistentTreeNode* GetParentNode() const { return m_pParent; }
    BOOL IsInitialized() const { return m_bInitialized; }
    int GetValueCount() const { return static_cast<int>(m_values.GetCount()); }

    static CString BytesToText(const BYTE* pData, UINT nCount);
    // FALSE for a text of odd length or with letters outside 'A' to 'P'.
    static BOOL TextToBytes(const CString& strText, BYTE** ppData, UINT* pnCount);

private:
    struct Value;
    Value* FindRecord(const CString& strKey) const;
    void RemoveValue(const CString& strKey);
    void RemoveChunks(const CString& strKey, int nKeepChunks);

    CString m_strName;
    FwPersistentTreeNode* m_pParent;
    FwPersistentNodeOwner m_owner;
    CPtrList m_children;
    CPtrList m_values;
    BOOL m_bInitialized;
};
