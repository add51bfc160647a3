#include "core/CappEditCache.h"

#include "symedit/GlyphworkEdit.h"

namespace
{

class CEditCacheEntry : public CObject
{
public:
    CEditCacheEntry(int nRowID, const CString& strVarName, CGlyphworkEdit* pEdit)
        : m_nRowID(nRowID), m_strVarName(strVarName), m_pEdit(pEdit)
    {
    }
    ~CEditCacheEntry() override { delete m_pEdit; }
    CEditCacheEntry(const CEditCacheEntry&) = delete;
    CEditCacheEntry& operator=(const CEditCacheEntry&) = delete;

    BOOL Is(int nRowID, const CString& strVarName) const { return m_nRowID == nRowID && m_strVarName == strVarName; }

    int m_nRowID;
    CString m_strVarName;
    CGlyphworkEdit* m_pEdit;
};

} // namespace

CCappEditCache::~CCappEditCache()
{
    RemoveAll();
}

CGlyphworkEdit* CCappEditCache::Find(int nRowID, const CString& strVarName) const
{
    POSITION pos = m_listEntry.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pEntry = static_cast<const CEditCacheEntry*>(m_listEntry.GetNext(pos));
        if (pEntry->Is(nRowID, strVarName)) {
            return pEntry->m_pEdit;
        }
    }
    return nullptr;
}

void CCappEditCache::Set(int nRowID, const CString& strVarName, CGlyphworkEdit* pEdit)
{
    POSITION pos = m_listEntry.GetHeadPosition();
    while (pos != nullptr) {
        const POSITION posEntry = pos;
        auto* pEntry = static_cast<CEditCacheEntry*>(m_listEntry.GetNext(pos));
        if (pEntry->Is(nRowID, strVarName)) {
            m_listEntry.RemoveAt(posEntry);
            delete pEntry;
            break;
        }
    }
    m_listEntry.AddTail(new CEditCacheEntry(nRowID, strVarName, pEdit));
}

void CCappEditCache::RemoveAll()
{
    while (!m_listEntry.IsEmpty()) {
        delete static_cast<CEditCacheEntry*>(m_listEntry.RemoveHead());
    }
}
