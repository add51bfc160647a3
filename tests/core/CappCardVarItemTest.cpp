// Variable definitions: normalisation of values by data type, precision and display flags.
#include <gtest/gtest.h>

#include "core/CappCardVarItem.h"

namespace
{

TEST(CappCardVarItemTest, TransitionDataNormalisesTypedValuesOnly)
{
    struct Case
    {
        const char* szName;
        int nKind;
        int nType;
        int nPrecision;
        BOOL bBlankZero;
        BOOL bTrimZeros;
        const char* szValue;
        const char* szExpected;
    };
    const int S = CCappCardVarItem::typeString;
    const int I = CCappCardVarItem::typeInteger;
    const int R = CCappCardVarItem::typeReal;
    const int T = CCappCardVarItem::kindTyped;
    const Case cases[] = {
        {"string zero stays whatever blank zero says", T, S, 0, TRUE, FALSE, "0", "0"},
        {"string kept as typed", T, S, 2, FALSE, TRUE, " 1.50 ", " 1.50 "},
        {"integer zero blanked", T, I, 0, TRUE, FALSE, "0", ""},
        {"integer 00 is not the text 0", T, I, 0, TRUE, FALSE, "00", "00"},
        {"integer zero shown without blank zero", T, I, 0, FALSE, FALSE, "0", "0"},
        {"integer not rounded", T, I, 0, TRUE, FALSE, "12.7", "12.7"},
        {"real rounded to its precision", T, R, 1, FALSE, FALSE, "1.26", "1.3"},
        {"real padded to its precision", T, R, 3, FALSE, FALSE, "1.5", "1.500"},
        {"real trailing zeros trimmed", T, R, 3, FALSE, TRUE, "1.5", "1.5"},
        {"real trimmed to a whole number", T, R, 3, FALSE, TRUE, "2.000", "2"},
        {"real zero blanked", T, R, 3, TRUE, FALSE, "0.000", ""},
        {"real rounding to zero blanked", T, R, 1, TRUE, FALSE, "0.04", ""},
        {"real zero shown without blank zero", T, R, 2, FALSE, FALSE, "0", "0.00"},
        {"real text read as a number", T, R, 2, FALSE, FALSE, "abc", "0.00"},
        {"file variable never normalised", CCappCardVarItem::kindFile, R, 2, TRUE, TRUE, "0.000", "0.000"},
        {"untyped variable never normalised", 0, I, 0, TRUE, FALSE, "0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappCardVarItem item;
        item.m_nKind = c.nKind;
        item.m_nDataType = c.nType;
        item.m_nPrecision = c.nPrecision;
        item.m_bBlankZero = c.bBlankZero;
        item.m_bTrimZeros = c.bTrimZeros;
        EXPECT_STREQ(c.szExpected, item.TransitionData(c.szValue));
    }
}

TEST(CappCardVarItemTest, AssignmentLeavesSpareWordsVersionAndHiddenFlag)
{
    CCappCardVarItem src;
    src.m_nSpare1 = 1;
    src.m_nSpare2 = 2;
    src.m_nSpare3 = 3;
    src.m_strVersion = "3.6";
    src.m_bHidden = TRUE;
    src.m_strName = "L";
    src.m_nPrecision = 4;
    src.m_strReserved3 = "r3";
    CCappCardVarItem dst;
    EXPECT_EQ(1, dst = src);
    EXPECT_EQ(0, dst.m_nSpare1);
    EXPECT_EQ(2, dst.m_nSpare2);
    EXPECT_EQ(0, dst.m_nSpare3);
    EXPECT_STREQ("", dst.m_strVersion);
    EXPECT_FALSE(dst.m_bHidden);
    EXPECT_STREQ("L", dst.m_strName);
    EXPECT_EQ(4, dst.m_nPrecision);
    EXPECT_STREQ("r3", dst.m_strReserved3);
}

} // namespace
