// The tree's texts of columns after the first, per item: column n at element n - 1.
#pragma once

#include <vector>

#include "platform/base/StringArray.h"

class FwColumnTextMap
{
public:
    FwColumnTextMap() = default;
    ~FwColumnTextMap();
    FwColumnTextMap(const FwColumnTextMap&) = delete;
    FwColumnTextMap& operator=(const FwColumnTextMap&) = delete;

    // The item's texts, made on first use when bCreate; null otherwise.
    CStringArray* Lookup(const void* pItem, BOOL bCreate);
    void Remove(const void* pItem);

private:
    struct Entry
    {
        const void* pItem;
        CStringArray* pTexts;
    };
    static const int bucketCount = 17;
    static size_t Hash(const void* pItem);
    std::vector<Entry> m_buckets[bucketCount];
};
