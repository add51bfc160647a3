// Sub-card lists of the card view: copies carry index and name in order into fresh items, and
// every item a list gives up is freed.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/SubDataItem.h"
#include "work/CappCardView.h"

namespace
{
using Entries = std::vector<std::pair<int, std::string>>;

// Counts the items freed.
int g_nFreed = 0;
class CCountedItem : public CSubDataItem
{
public:
    CCountedItem(int nIndex, const char* pszName) : CSubDataItem(nIndex, pszName) {}
    ~CCountedItem() override { ++g_nFreed; }
};

void Fill(CObList& list, const Entries& entries)
{
    for (const auto& [nIndex, strName] : entries) {
        list.AddTail(new CCountedItem(nIndex, strName.c_str()));
    }
}

Entries Read(CObList& list)
{
    Entries entries;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        const auto* pItem = static_cast<const CSubDataItem*>(list.GetNext(pos));
        entries.emplace_back(pItem->m_nIndex, pItem->m_strName.GetString());
    }
    return entries;
}
} // namespace

TEST(CardSubDataTest, CopiesCarryIndexAndNameIntoFreshItemsAndFreeWhatWasThere)
{
    const struct
    {
        const char* szName;
        Entries dest;
        Entries src;
        bool bSelf; // the list copied onto itself
        int nFreed; // items of the destination freed
    } cases[] = {
        {"two items into an empty list", {}, {{3, "表头子卡"}, {1, "B"}}, false, 0},
        {"the old items go", {{9, "old"}, {8, "older"}}, {{0, ""}}, false, 2},
        {"an empty source empties", {{1, "x"}}, {}, false, 1},
        {"onto itself keeps the entries", {}, {{5, "self"}, {6, "same"}}, true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappCardView view;
        CObList listDest;
        CObList listSrc;
        Fill(listDest, c.dest);
        Fill(c.bSelf ? listDest : listSrc, c.src);
        CObList& src = c.bSelf ? listDest : listSrc;
        g_nFreed = 0;
        view.CpySubDataList(listDest, src);
        EXPECT_EQ(c.nFreed, g_nFreed);
        EXPECT_EQ(c.src, Read(listDest));
        // Fresh plain items, none shared with the source.
        POSITION pos = listDest.GetHeadPosition();
        while (pos != nullptr) {
            CObject* pItem = listDest.GetNext(pos);
            EXPECT_EQ(nullptr, dynamic_cast<CCountedItem*>(pItem));
            EXPECT_EQ(nullptr, listSrc.Find(pItem));
        }
        view.DetachSubDataList(listDest);
        g_nFreed = 0;
        view.DetachSubDataList(listSrc);
        EXPECT_EQ(c.bSelf ? 0 : static_cast<int>(c.src.size()), g_nFreed);
        EXPECT_TRUE(listDest.IsEmpty());
        EXPECT_TRUE(listSrc.IsEmpty());
    }
}
