// Hash map behind the typed maps (CMapStringToString, CMapPtrToPtr, ...); code uses those, not this.
// Each typed map instantiates it once, in VornFx, and its header declares that instantiation
// extern and exported, so other libraries call the one copy.
#pragma once

#include <cstring>

#include "platform/base/Position.h"
#include "platform/base/String.h"

// Key hashing and matching of the key kinds the typed maps use. String keys match byte for byte.
inline UINT FxHashKey(LPCSTR pszKey)
{
    UINT nHash = 2166136261u; // FNV-1a
    for (const BYTE* p = reinterpret_cast<const BYTE*>(pszKey != nullptr ? pszKey : ""); *p != 0; ++p) {
        nHash = (nHash ^ *p) * 16777619u;
    }
    return nHash;
}
// Heap blocks are 16-byte aligned: the low bits say nothing.
inline UINT FxHashKey(void* pKey)
{
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(pKey) >> 4);
}
inline UINT FxHashKey(WORD wKey)
{
    return wKey;
}
inline bool FxKeysEqual(const CString& strKey, LPCSTR pszKey)
{
    return std::strcmp(strKey, pszKey != nullptr ? pszKey : "") == 0;
}
inline bool FxKeysEqual(void* pA, void* pB)
{
    return pA == pB;
}
inline bool FxKeysEqual(WORD wA, WORD wB)
{
    return wA == wB;
}

// Iteration follows insertion order, so it is the same on every run and a caller may remove the
// key GetNextAssoc just returned and go on. A POSITION is the address of an entry.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CFxMap
{
public:
    // Entries are allocated one by one; nBlockSize is accepted for callers and ignored.
    explicit CFxMap(INT_PTR nBlockSize = 10);
    ~CFxMap();
    CFxMap(const CFxMap&) = delete;
    CFxMap& operator=(const CFxMap&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    // Adds the key with an empty value when it is missing.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return reinterpret_cast<POSITION>(m_pFirst); }
    // Gives the entry at rNextPosition and moves it on (null after the last entry).
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

private:
    struct Entry
    {
        Entry* pNextInBucket;
        Entry* pNext;
        Entry* pPrev;
        UINT nHash;
        KEY key;
        VALUE value;
    };

    Entry* FindEntry(ARG_KEY key, UINT nHash) const;
    void Rehash(UINT nBuckets);

    Entry** m_ppBuckets = nullptr;
    UINT m_nBuckets = 0;
    Entry* m_pFirst = nullptr;
    Entry* m_pLast = nullptr;
    INT_PTR m_nCount = 0;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CFxMap(INT_PTR /*nBlockSize*/)
{
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::~CFxMap()
{
    RemoveAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Entry*
CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FindEntry(ARG_KEY key, UINT nHash) const
{
    if (m_ppBuckets == nullptr) {
        return nullptr;
    }
    for (Entry* p = m_ppBuckets[nHash % m_nBuckets]; p != nullptr; p = p->pNextInBucket) {
        if (p->nHash == nHash && FxKeysEqual(p->key, key)) {
            return p;
        }
    }
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    Entry* p = FindEntry(key, FxHashKey(key));
    if (p == nullptr) {
        return FALSE;
    }
    rValue = p->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash = FxHashKey(key);
    if (Entry* p = FindEntry(key, nHash)) {
        return p->value;
    }
    // Grow before the chains get long; entries stay where they are, only the buckets change.
    if (m_ppBuckets == nullptr || static_cast<UINT_PTR>(m_nCount) >= m_nBuckets) {
        Rehash(m_ppBuckets == nullptr ? 17 : m_nBuckets * 2 + 1);
    }
    UINT nBucket = nHash % m_nBuckets;
    Entry* p = new Entry{m_ppBuckets[nBucket], nullptr, m_pLast, nHash, KEY(key), VALUE()};
    m_ppBuckets[nBucket] = p;
    (m_pLast != nullptr ? m_pLast->pNext : m_pFirst) = p;
    m_pLast = p;
    ++m_nCount;
    return p->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_ppBuckets == nullptr) {
        return FALSE;
    }
    UINT nHash = FxHashKey(key);
    for (Entry** pp = &m_ppBuckets[nHash % m_nBuckets]; *pp != nullptr; pp = &(*pp)->pNextInBucket) {
        Entry* p = *pp;
        if (p->nHash == nHash && FxKeysEqual(p->key, key)) {
            *pp = p->pNextInBucket;
            (p->pPrev != nullptr ? p->pPrev->pNext : m_pFirst) = p->pNext;
            (p->pNext != nullptr ? p->pNext->pPrev : m_pLast) = p->pPrev;
            delete p;
            --m_nCount;
            return TRUE;
        }
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    while (m_pFirst != nullptr) {
        Entry* pNext = m_pFirst->pNext;
        delete m_pFirst;
        m_pFirst = pNext;
    }
    m_pLast = nullptr;
    delete[] m_ppBuckets;
    m_ppBuckets = nullptr;
    m_nBuckets = 0;
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    Entry* p = reinterpret_cast<Entry*>(rNextPosition);
    rKey = p->key;
    rValue = p->value;
    rNextPosition = reinterpret_cast<POSITION>(p->pNext);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CFxMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Rehash(UINT nBuckets)
{
    delete[] m_ppBuckets;
    m_ppBuckets = new Entry*[nBuckets]();
    m_nBuckets = nBuckets;
    for (Entry* p = m_pFirst; p != nullptr; p = p->pNext) {
        Entry*& rHead = m_ppBuckets[p->nHash % nBuckets];
        p->pNextInBucket = rHead;
        rHead = p;
    }
}
