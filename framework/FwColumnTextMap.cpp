#include "framework/FwColumnTextMap.h"

#include <cstdint>

FwColumnTextMap::~FwColumnTextMap()
{
    for (std::vector<Entry>& bucket : m_buckets) {
        for (Entry& entry : bucket) {
            delete entry.pTexts;
        }
    }
}

size_t FwColumnTextMap::Hash(const void* pItem)
{
    return static_cast<size_t>((reinterpret_cast<std::uintptr_t>(pItem) >> 4) % bucketCount);
}

CStringArray* FwColumnTextMap::Lookup(const void* pItem, BOOL bCreate)
{
    std::vector<Entry>& bucket = m_buckets[Hash(pItem)];
    for (Entry& entry : bucket) {
        if (entry.pItem == pItem) {
            return entry.pTexts;
        }
    }
    if (!bCreate) {
        return nullptr;
    }
    bucket.push_back(Entry{pItem, new CStringArray});
    return bucket.back().pTexts;
}

void FwColumnTextMap::Remove(const void* pItem)
{
    std::vector<Entry>& bucket = m_buckets[Hash(pItem)];
    for (size_t i = 0; i < bucket.size(); ++i) {
        if (bucket[i].pItem == pItem) {
            delete bucket[i].pTexts;
            bucket.erase(bucket.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
}
