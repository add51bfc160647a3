#include "common/KvValMap.h"

#include <string>
#include <unordered_map>
#include <vector>

struct CKvValMap::Impl
{
    struct Entry
    {
        CString strName;
        double dValue;
    };
    std::vector<Entry> entries;                    // insertion order
    std::unordered_map<std::string, size_t> index; // name -> position in entries

    void Reindex()
    {
        index.clear();
        for (size_t i = 0; i < entries.size(); ++i) {
            index.emplace(std::string(entries[i].strName), i);
        }
    }
};

namespace
{
// A POSITION is the entry's index plus one, so that null means "no entry".
POSITION ToPosition(size_t nIndex)
{
    return reinterpret_cast<POSITION>(static_cast<UINT_PTR>(nIndex) + 1);
}

size_t FromPosition(POSITION pos)
{
    return static_cast<size_t>(reinterpret_cast<UINT_PTR>(pos)) - 1;
}
} // namespace

CKvValMap::CKvValMap() : m_pImpl(new Impl)
{
}

CKvValMap::CKvValMap(const CKvValMap& src) : m_pImpl(new Impl(*src.m_pImpl))
{
}

CKvValMap& CKvValMap::operator=(const CKvValMap& src)
{
    if (this != &src) {
        *m_pImpl = *src.m_pImpl;
    }
    return *this;
}

CKvValMap::~CKvValMap()
{
    delete m_pImpl;
}

INT_PTR CKvValMap::GetCount() const
{
    return static_cast<INT_PTR>(m_pImpl->entries.size());
}

BOOL CKvValMap::Lookup(LPCSTR pszName, double& rValue) const
{
    auto it = m_pImpl->index.find(pszName != nullptr ? pszName : "");
    if (it == m_pImpl->index.end()) {
        return FALSE;
    }
    rValue = m_pImpl->entries[it->second].dValue;
    return TRUE;
}

void CKvValMap::SetAt(LPCSTR pszName, double dValue)
{
    std::string strKey(pszName != nullptr ? pszName : "");
    auto it = m_pImpl->index.find(strKey);
    if (it != m_pImpl->index.end()) {
        m_pImpl->entries[it->second].dValue = dValue;
        return;
    }
    m_pImpl->entries.push_back({CString(strKey.c_str()), dValue});
    m_pImpl->index.emplace(std::move(strKey), m_pImpl->entries.size() - 1);
}

BOOL CKvValMap::RemoveKey(LPCSTR pszName)
{
    auto it = m_pImpl->index.find(pszName != nullptr ? pszName : "");
    if (it == m_pImpl->index.end()) {
        return FALSE;
    }
    m_pImpl->entries.erase(m_pImpl->entries.begin() + static_cast<std::ptrdiff_t>(it->second));
    m_pImpl->Reindex();
    return TRUE;
}

void CKvValMap::RemoveAll()
{
    m_pImpl->entries.clear();
    m_pImpl->index.clear();
}

POSITION CKvValMap::GetStartPosition() const
{
    return m_pImpl->entries.empty() ? nullptr : ToPosition(0);
}

void CKvValMap::GetNextAssoc(POSITION& rPos, CString& rName, double& rValue) const
{
    size_t nIndex = FromPosition(rPos);
    if (rPos == nullptr || nIndex >= m_pImpl->entries.size()) {
        rPos = nullptr;
        return;
    }
    rName = m_pImpl->entries[nIndex].strName;
    rValue = m_pImpl->entries[nIndex].dValue;
    rPos = nIndex + 1 < m_pImpl->entries.size() ? ToPosition(nIndex + 1) : nullptr;
}
