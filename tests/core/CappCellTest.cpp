// A cell's copy and its data ranges.
#include <gtest/gtest.h>

#include "core/CappCell.h"
#include "core/CellDataItem.h"
#include "core/RelResItem.h"
#include "tests/core/CardArchiveUtil.h"

namespace
{

// A version "3.2" cell in which every stored value differs from a new cell's.
Bytes DistinctCellRecord()
{
    ByteWriter w;
    w.Str("3.2").Int(7).Int(1).Int(11).Int(12).Int(13).Int(14).Str("T1");
    w.Word(3).Int(2).Str("F").Int(21).Int(22).Int(23).Int(24).Int(8).Int(25).Int(26).Str("T2");
    w.Int(27).Str("T3").Int(28).Str("VAR").Int(2).Int(33).Str("TEXT").Str("T4").Str("T5");
    w.Int(0x21).Int(0x123456).Int(0x654321).Int(41).Int(42).Int(43).Int(44).Int(-50);
    w.Int(51).Int(52).Int(53).Int(54).Byte(55).Str("T6").Int(0).Str("T7").Str("T8");
    w.Int(1).Int(0x90).Int(3);
    w.Int(-40).Int(5).Int(450).Int(450).Int(700);
    w.Byte(1).Byte(1).Byte(1).Byte(0).Byte(4).Byte(5).Byte(6).Byte(0x22).Str("黑体");
    w.Count(1).NewClass("CRelResItem").Str("2.5").Str("C").Str("R").Int(1).Str("COL").Count(0);
    return w.Get();
}

CCellDataItem* AddRange(CCappCell& cell, const CRect& rect, const char* pszText)
{
    auto* pItem = new CCellDataItem;
    pItem->m_rect = rect;
    pItem->m_strText = pszText;
    cell.m_listCellData.AddTail(pItem);
    return pItem;
}

TEST(CappCellTest, AssignmentCopiesEveryAttribute)
{
    CCappCell src;
    LoadObject(src, DistinctCellRecord());
    src.m_nDataPos = CCappCell::seatMidData;
    src.m_nMarkFlags = 0x11;
    CCellDataItem* pRange = AddRange(src, CRect(1, 2, 3, 4), "row 1");
    pRange->m_nFlags = CCellDataItem::flagOwnFont;
    pRange->m_crText = 0xFF;
    pRange->m_lfFont.lfEscapement = 900;
    AddRange(src, CRect(1, 4, 3, 6), "row 2");

    CCappCell dst;
    AddRange(dst, CRect(9, 9, 9, 9), "replaced");
    dst.m_listRelRes.AddTail(new CRelResItem);
    dst = src;

    // Whatever is stored matches byte for byte, the related resource included.
    EXPECT_EQ(StoreObject(src), StoreObject(dst));
    EXPECT_EQ(CCappCell::seatMidData, dst.m_nDataPos);
    EXPECT_EQ(0x11, dst.m_nMarkFlags);

    // Lists are copied, not shared: each cell frees its own entries.
    ASSERT_EQ(1, dst.m_listRelRes.GetCount());
    EXPECT_NE(src.m_listRelRes.GetHead(), dst.m_listRelRes.GetHead());
    EXPECT_EQ("R", static_cast<CRelResItem*>(dst.m_listRelRes.GetHead())->m_strName);
    ASSERT_EQ(2, dst.m_listCellData.GetCount());
    auto* pCopy = static_cast<CCellDataItem*>(dst.m_listCellData.GetHead());
    EXPECT_NE(pRange, pCopy);
    EXPECT_EQ(CRect(1, 2, 3, 4), pCopy->m_rect);
    EXPECT_EQ("row 1", pCopy->m_strText);
    EXPECT_EQ(CCellDataItem::flagOwnFont, pCopy->m_nFlags);
    EXPECT_EQ(0xFFu, pCopy->m_crText);
    EXPECT_EQ(900, pCopy->m_lfFont.lfEscapement);
    EXPECT_EQ("row 2", static_cast<CCellDataItem*>(dst.m_listCellData.GetTail())->m_strText);

    // Assigning a cell to itself keeps its lists.
    CCappCell& self = dst;
    dst = self;
    EXPECT_EQ(1, dst.m_listRelRes.GetCount());
    EXPECT_EQ(2, dst.m_listCellData.GetCount());
}

TEST(CappCellTest, BaseRectIsTheFirstDataRange)
{
    CCappCell cell;
    CRect rect(5, 5, 6, 6);
    EXPECT_EQ(0, cell.GetBaseRect(rect));
    EXPECT_EQ(CRect(0, 0, 0, 0), rect);

    AddRange(cell, CRect(10, 20, 110, 60), "");
    AddRange(cell, CRect(10, 60, 110, 100), "");
    EXPECT_EQ(1, cell.GetBaseRect(rect));
    EXPECT_EQ(CRect(10, 20, 110, 60), rect);

    cell.DetachList("m_listCellData");
    EXPECT_EQ(0, cell.GetBaseRect(rect));
}

} // namespace
