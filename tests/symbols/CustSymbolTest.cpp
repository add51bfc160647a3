#include <gtest/gtest.h>

#include "symbols/Arc.h"
#include "symbols/Circle.h"
#include "symbols/CustSymbol.h"
#include "symbols/Line.h"
#include "symbols/MutiLine.h"
#include "symbols/Text.h"
#include "symbols/VariableText.h"

namespace
{

template <typename T> T* First(CObList& list)
{
    return list.IsEmpty() ? nullptr : static_cast<T*>(list.GetHead());
}

struct ValidityCase
{
    const char* szName;
    const char* szSymbol;
    BOOL bResult;
    // Elements per list: arcs, plain (the hidden origin included), circles, lines, polylines,
    // texts, variable texts.
    int anCount[7];
};

const ValidityCase validityCases[] = {
    {"empty library string", "", TRUE, {0, 1, 0, 0, 0, 0, 0}},
    {"tags without regard to case", "<l>0,0,10,10</l>", TRUE, {0, 1, 0, 1, 0, 0, 0}},
    {"end tag in other case", "<L>0,0,5,5</l>", TRUE, {0, 1, 0, 1, 0, 0, 0}},
    {"unknown tag skipped", "<Q>1,2</Q><L>0,0,5,5</L>", TRUE, {0, 1, 0, 1, 0, 0, 0}},
    {"empty tag skipped", "<>x</>", TRUE, {0, 1, 0, 0, 0, 0, 0}},
    {"blanks between elements", "  <L>0,0,5,5</L>\r\n <P>1,1</P>  ", TRUE, {0, 2, 0, 1, 0, 0, 0}},
    {"every kind",
     "<A>0,0,5,0,0,5</A><C>0,0,3</C><F>1,1</F><P>2,2</P><L>0,0,5,5</L>"
     "<M>(0,0)(5,0)(5,5)</M><T>'a',0,0,12</T><V>n,'b',0,0,12</V>",
     TRUE,
     {1, 3, 1, 1, 1, 1, 1}},
    {"Cu section inside a body", "<L>0,0,5,5<Cu><L>9</L></Cu></L>", TRUE, {0, 1, 0, 1, 0, 0, 0}},
    {"Cu section holding the end tag", "<P>1,1<Cu></P></Cu></P>", TRUE, {0, 2, 0, 0, 0, 0, 0}},
    {"end tag inside a later Cu section", "<P>1,1<Cu>a</Cu>b<Cu></P></Cu></P>", TRUE, {0, 2, 0, 0, 0, 0, 0}},
    {"end tag between two Cu sections", "<P>1,1<Cu>a</Cu></P><Cu></Cu>", TRUE, {0, 2, 0, 0, 0, 0, 0}},
    {"Cu section never closed", "<L>0,0<Cu>,5,5</L>", FALSE, {}},
    {"circle of radius 0", "<C>0,0,0</C>", FALSE, {}},
    {"circle radius not a number", "<C>0,0,r</C>", FALSE, {}},
    {"circle with 8 fields", "<C>0,0,3,000000,n,1,n,x</C>", FALSE, {}},
    {"arc second point on the centre", "<A>0,0,0,0,5,5</A>", FALSE, {}},
    {"arc with 11 fields", "<A>0,0,5,0,0,5,000000,n,1,n,x</A>", FALSE, {}},
    {"arc with 5 fields", "<A>0,0,5,0,0</A>", FALSE, {}},
    {"polyline of two vertices", "<M>(0,0)(5,0),000000</M>", FALSE, {}},
    {"polyline vertex without y", "<M>(0,0)(5)(5,5)</M>", FALSE, {}},
    {"polyline junk between vertices", "<M>(0,0)x(5,0)(5,5)</M>", FALSE, {}},
    {"polyline with 6 fields after", "<M>(0,0)(5,0)(5,5),1,2,3,4,5</M>", FALSE, {}},
    {"line with 3 fields", "<L>0,0,5</L>", FALSE, {}},
    {"line with 8 fields", "<L>0,0,5,5,000000,1,n,x</L>", FALSE, {}},
    {"line with an empty coordinate", "<L>0,,5,5</L>", FALSE, {}},
    {"point without y", "<P>3</P>", FALSE, {}},
    {"point with empty y", "<P>3,</P>", FALSE, {}},
    {"point ignores extra fields", "<P>3,4,000000,000000,x,y,z</P>", TRUE, {0, 2, 0, 0, 0, 0, 0}},
    {"text without quotes", "<T>abc,0,0,12</T>", FALSE, {}},
    {"text quote never closed", "<T>'abc,0,0,12</T>", FALSE, {}},
    {"text height 0", "<T>'a',0,0,0</T>", FALSE, {}},
    {"text height missing", "<T>'a',0,0,</T>", FALSE, {}},
    {"text with 3 fields", "<T>'a',0,0</T>", FALSE, {}},
    {"text with 10 fields", "<T>'a',0,0,12,L,B,000000,宋体,0,x</T>", FALSE, {}},
    {"text comma inside quotes", "<T>'a,b',0,0,12</T>", TRUE, {0, 1, 0, 0, 0, 1, 0}},
    {"variable text without name", "<V>'a'</V>", FALSE, {}},
    {"coordinate beyond any symbol", "<L>0,0,1e400,5</L>", FALSE, {}},
    {"trailing text", "<L>0,0,5,5</L>junk", FALSE, {}},
    {"element never closed", "<L>0,0,5,5", FALSE, {}},
    {"end tag of another kind", "<L>0,0,5,5</C>", FALSE, {}},
    {"no element at all", "just text", FALSE, {}},
    {"lone angle bracket", "<", FALSE, {}},
    {"nested open tags", "<L><L><L>", FALSE, {}},
};

} // namespace

TEST(CustSymbolTest, ValidityOfElementMarkup)
{
    for (const ValidityCase& c : validityCases) {
        SCOPED_TRACE(c.szName);
        CCustSymbol sym;
        EXPECT_EQ(c.bResult, sym.SetSymbolString(c.szSymbol));
        CObList* apList[] = {&sym.m_listArc,   &sym.m_listBasic, &sym.m_listCircle, &sym.m_listLine,
                             &sym.m_listMLine, &sym.m_listText,  &sym.m_listVText};
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(c.anCount[i], apList[i]->GetCount()) << "list " << i;
        }
        EXPECT_EQ(0, sym.m_listCust.GetCount());
        // A refused symbol is left empty; an accepted one keeps the string with its hidden origin.
        EXPECT_STREQ(c.bResult ? (CString(c.szSymbol) + "<H>0,0</H>").GetString() : "", sym.m_strSymbol);
    }
}

TEST(CustSymbolTest, SetSymbolStringExRefusesEmptyString)
{
    CCustSymbol sym;
    EXPECT_FALSE(sym.SetSymbolStringEx(""));
    EXPECT_TRUE(sym.SetSymbolStringEx("<H>0,0</H>"));
    EXPECT_EQ(1, sym.m_listBasic.GetCount());
}

TEST(CustSymbolTest, PlainElementsKeepTheirKind)
{
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<F>1,2,FF0000,00FF00</F><p>3,4,0000FF</p>"));
    POSITION pos = sym.m_listBasic.GetHeadPosition();
    auto* pFlood = static_cast<CBasicObject*>(sym.m_listBasic.GetNext(pos));
    auto* pPoint = static_cast<CBasicObject*>(sym.m_listBasic.GetNext(pos));
    auto* pHidden = static_cast<CBasicObject*>(sym.m_listBasic.GetNext(pos));
    EXPECT_EQ(CBasicObject::kindFlood, pFlood->m_nKind);
    EXPECT_EQ(RGB(255, 0, 0), pFlood->m_crColor);
    EXPECT_EQ(RGB(0, 255, 0), pFlood->m_crSecond);
    EXPECT_DOUBLE_EQ(1.0, pFlood->m_ptOrigin.x);
    EXPECT_DOUBLE_EQ(2.0, pFlood->m_ptOrigin.y);
    EXPECT_EQ(CBasicObject::kindPoint, pPoint->m_nKind);
    EXPECT_EQ(RGB(0, 0, 255), pPoint->m_crColor);
    EXPECT_STREQ("<p>3,4,0000FF</p>", pPoint->m_strSymbol);
    EXPECT_EQ(CBasicObject::kindHidden, pHidden->m_nKind);
    // A plain element read with another tag than its own is refused.
    CBasicObject elem;
    EXPECT_FALSE(elem.SetSymbolString("<L>1,2</L>"));
    EXPECT_FALSE(elem.SetSymbolString("<P>1,2</H>"));
}

TEST(CustSymbolTest, ElementsAreDynamicallyCreatable)
{
    CObject* pObj = CRuntimeClass::CreateObject("CVariableText");
    ASSERT_NE(nullptr, pObj);
    EXPECT_TRUE(pObj->IsKindOf(FX_RUNTIME_CLASS(CText)));
    EXPECT_TRUE(pObj->IsKindOf(FX_RUNTIME_CLASS(CBasicObject)));
    EXPECT_EQ(static_cast<UINT>(FX_NO_SCHEMA), pObj->GetRuntimeClass()->m_wSchema);
    delete pObj;
    // Every element kind, the symbol included, is a command target.
    const char* aszClass[] = {"CBasicObject", "CArc",  "CCircle",       "CLine",
                              "CMutiLine",    "CText", "CVariableText", "CCustSymbol"};
    for (const char* szClass : aszClass) {
        SCOPED_TRACE(szClass);
        CObject* pElem = CRuntimeClass::CreateObject(szClass);
        ASSERT_NE(nullptr, pElem);
        EXPECT_TRUE(pElem->IsKindOf(FX_RUNTIME_CLASS(CCmdTarget)));
        EXPECT_EQ(static_cast<UINT>(FX_NO_SCHEMA), pElem->GetRuntimeClass()->m_wSchema);
        delete pElem;
    }
}

namespace
{

struct StrokeCase
{
    const char* szName;
    const char* szSymbol;
    COLORREF crColor;
    int nPenWidth;
    BOOL bWidthScales;
    BOOL bFilled;
};

const StrokeCase strokeCases[] = {
    {"line defaults", "<L>1,2,3,4</L>", 0, 1, FALSE, FALSE},
    {"line all fields", "<L>1,2,3,4,FF0000,3,y</L>", RGB(255, 0, 0), 3, TRUE, FALSE},
    {"colour with a note after a colon", "<L>1,2,3,4,00FF00:green</L>", RGB(0, 255, 0), 1, FALSE, FALSE},
    {"colour not hexadecimal", "<L>1,2,3,4,GG0000</L>", 0, 1, FALSE, FALSE},
    {"colour too short", "<L>1,2,3,4,FF00</L>", 0, 1, FALSE, FALSE},
    {"pen width 0 keeps the default", "<L>1,2,3,4,000000,0</L>", 0, 1, FALSE, FALSE},
    {"pen width with leading zeros", "<L>1,2,3,4,000000,007</L>", 0, 7, FALSE, FALSE},
    {"pen width followed by a unit", "<L>1,2,3,4,000000,5px</L>", 0, 5, FALSE, FALSE},
    {"pen width not a number", "<L>1,2,3,4,000000,abc</L>", 0, 1, FALSE, FALSE},
    {"pen width beyond int", "<L>1,2,3,4,000000,99999999999</L>", 0, 1, FALSE, FALSE},
    {"pen width with a note", "<L>1,2,3,4,000000, 4:thick</L>", 0, 4, FALSE, FALSE},
    {"yes/no lower case", "<L>1,2,3,4,000000,2,yes</L>", 0, 2, TRUE, FALSE},
    {"yes/no unknown keeps no", "<L>1,2,3,4,000000,2,x</L>", 0, 2, FALSE, FALSE},
    {"circle filled skips width", "<C>1,2,3,0000FF,y,5,y</C>", RGB(0, 0, 255), 1, FALSE, TRUE},
    {"circle outlined reads width", "<C>1,2,3,0000FF,n,5,y</C>", RGB(0, 0, 255), 5, TRUE, FALSE},
    {"arc filled skips width", "<A>0,0,5,0,0,5,FFFFFF,Y,4,Y</A>", RGB(255, 255, 255), 1, FALSE, TRUE},
    {"arc outlined reads width", "<A>0,0,5,0,0,5,FFFFFF,N,4,Y</A>", RGB(255, 255, 255), 4, TRUE, FALSE},
    {"polyline filled skips width", "<M>(0,0)(5,0)(5,5),FF0000,y,3,y</M>", RGB(255, 0, 0), 1, FALSE, TRUE},
    {"polyline outlined", "<M> (0,0) ( 5 , 0 )(5,5) ,FF0000,n,3,y</M>", RGB(255, 0, 0), 3, TRUE, FALSE},
};

CBasicObject* OnlyStroke(CCustSymbol& sym, BOOL& bFilled)
{
    bFilled = FALSE;
    if (auto* pArc = First<CArc>(sym.m_listArc)) {
        bFilled = pArc->m_bFilled;
        return pArc;
    }
    if (auto* pCircle = First<CCircle>(sym.m_listCircle)) {
        bFilled = pCircle->m_bFilled;
        return pCircle;
    }
    if (auto* pMLine = First<CMutiLine>(sym.m_listMLine)) {
        bFilled = pMLine->m_bFilled;
        return pMLine;
    }
    return First<CLine>(sym.m_listLine);
}

} // namespace

TEST(CustSymbolTest, StrokeFieldsFollowTheirRules)
{
    for (const StrokeCase& c : strokeCases) {
        SCOPED_TRACE(c.szName);
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString(c.szSymbol));
        BOOL bFilled = FALSE;
        CBasicObject* pElem = OnlyStroke(sym, bFilled);
        ASSERT_NE(nullptr, pElem);
        EXPECT_EQ(c.crColor, pElem->m_crColor);
        EXPECT_EQ(c.nPenWidth, pElem->m_nPenWidth);
        EXPECT_EQ(c.bWidthScales, pElem->m_bWidthScales);
        EXPECT_EQ(c.bFilled, bFilled);
    }
}

TEST(CustSymbolTest, GeometryOfStrokedKinds)
{
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<C>1,2,2.9</C><L>1.5,-2,3e1,4</L><A>1,1,4,1,1,6</A>"
                                    "<M>(0,0)(5.5,0)(5,-5)(1,1)</M>"));
    auto* pCircle = First<CCircle>(sym.m_listCircle);
    EXPECT_DOUBLE_EQ(2.0, pCircle->m_dRadius);
    EXPECT_DOUBLE_EQ(1.0, pCircle->m_ptOrigin.x);
    auto* pLine = First<CLine>(sym.m_listLine);
    EXPECT_DOUBLE_EQ(1.5, pLine->m_ptOrigin.x);
    EXPECT_DOUBLE_EQ(-2.0, pLine->m_ptOrigin.y);
    EXPECT_DOUBLE_EQ(30.0, pLine->m_ptEnd.x);
    EXPECT_DOUBLE_EQ(4.0, pLine->m_ptEnd.y);
    auto* pArc = First<CArc>(sym.m_listArc);
    EXPECT_DOUBLE_EQ(4.0, pArc->m_ptSecond.x);
    EXPECT_DOUBLE_EQ(6.0, pArc->m_ptThird.y);
    auto* pMLine = First<CMutiLine>(sym.m_listMLine);
    ASSERT_EQ(4u, pMLine->m_arrVertex.size());
    EXPECT_DOUBLE_EQ(5.5, pMLine->m_arrVertex[1].x);
    EXPECT_DOUBLE_EQ(-5.0, pMLine->m_arrVertex[2].y);
    // The origin of a polyline is its first vertex.
    EXPECT_DOUBLE_EQ(0.0, pMLine->m_ptOrigin.x);
    EXPECT_EQ(CBasicObject::kindMLine, pMLine->m_nKind);
}

namespace
{

struct TextCase
{
    const char* szName;
    const char* szSymbol;
    const char* szText;
    LONG lHeight;
    int nAlign;
    LONG lWeight;
    BYTE bItalic;
    const char* szFace;
    LONG lEscapement;
    COLORREF crColor;
};

const TextCase textCases[] = {
    {"minimal text", "<T>'abc',1,2,12</T>", "abc", 12, TA_LEFT, 0, 0, "宋体", 0, 0},
    {"style BI is bold upright", "<T>'a',0,0,10,L,BI</T>", "a", 10, TA_LEFT, FW_BOLD, 0, "宋体", 0, 0},
    {"style IB is italic normal weight", "<T>'a',0,0,10,L,IB</T>", "a", 10, TA_LEFT, FW_NORMAL, 1, "宋体", 0, 0},
    {"empty style is normal weight", "<T>'a',0,0,10,L,</T>", "a", 10, TA_LEFT, FW_NORMAL, 0, "宋体", 0, 0},
    {"centre alignment", "<T>'a',0,0,10,m</T>", "a", 10, TA_CENTER, 0, 0, "宋体", 0, 0},
    {"right alignment with note", "<T>'a',0,0,10,R:right</T>", "a", 10, TA_RIGHT, 0, 0, "宋体", 0, 0},
    {"unknown alignment keeps left", "<T>'a',0,0,10,X</T>", "a", 10, TA_LEFT, 0, 0, "宋体", 0, 0},
    {"doubled quote", "<T>'it''s',0,0,10</T>", "it's", 10, TA_LEFT, 0, 0, "宋体", 0, 0},
    {"face, colour and angle", "<T>'a',0,0,10,L,B,FF0000, 黑体 ,90</T>", "a", 10, TA_LEFT, FW_BOLD, 0, "黑体", 900,
     RGB(255, 0, 0)},
    {"empty face is the default", "<T>'a',0,0,10,L,B,000000,,45</T>", "a", 10, TA_LEFT, FW_BOLD, 0, "宋体", 450, 0},
    {"angle beyond a turn kept", "<T>'a',0,0,10,L,B,000000,x,450</T>", "a", 10, TA_LEFT, FW_BOLD, 0, "x", 4500, 0},
    {"negative angle", "<T>'a',0,0,10,L,B,000000,x,-90</T>", "a", 10, TA_LEFT, FW_BOLD, 0, "x", -900, 0},
    {"angle of millions of turns", "<T>'a',0,0,10,L,B,000000,x,1999999890</T>", "a", 10, TA_LEFT, FW_BOLD, 0, "x", 900,
     0},
    {"face cut to the font record", "<T>'a',0,0,10,L,B,000000,ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789</T>", "a", 10,
     TA_LEFT, FW_BOLD, 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234", 0, 0},
    {"GBK face cut whole", "<T>'a',0,0,10,L,B,000000,ABCDEFGHIJKLMNOPQRSTUVWXYZ0123汉字</T>", "a", 10, TA_LEFT, FW_BOLD,
     0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", 0, 0},
    {"GBK text", "<T>'表面粗糙度',0,0,10</T>", "表面粗糙度", 10, TA_LEFT, 0, 0, "宋体", 0, 0},
};

} // namespace

TEST(CustSymbolTest, TextFieldsFollowTheirRules)
{
    for (const TextCase& c : textCases) {
        SCOPED_TRACE(c.szName);
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString(c.szSymbol));
        auto* pText = First<CText>(sym.m_listText);
        ASSERT_NE(nullptr, pText);
        EXPECT_STREQ(c.szText, pText->m_strText);
        EXPECT_EQ(c.lHeight, pText->m_lf.lfHeight);
        EXPECT_EQ(c.nAlign, pText->m_nAlign);
        EXPECT_EQ(c.lWeight, pText->m_lf.lfWeight);
        EXPECT_EQ(c.bItalic, pText->m_lf.lfItalic);
        EXPECT_STREQ(c.szFace, pText->m_lf.lfFaceName);
        EXPECT_EQ(c.lEscapement, pText->m_lf.lfEscapement);
        EXPECT_EQ(c.lEscapement, pText->m_lf.lfOrientation);
        EXPECT_EQ(c.crColor, pText->m_crColor);
        EXPECT_TRUE(pText->m_bTransparent);
        EXPECT_EQ(GB2312_CHARSET, pText->m_lf.lfCharSet);
        EXPECT_EQ(CBasicObject::kindText, pText->m_nKind);
    }
}

TEST(CustSymbolTest, VariableTextNameAndDefault)
{
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<V> w:width , 'abc',3,4,12,R</V>"));
    auto* pVText = First<CVariableText>(sym.m_listVText);
    ASSERT_NE(nullptr, pVText);
    EXPECT_STREQ("w", pVText->m_strVarName);
    EXPECT_STREQ("abc", pVText->m_strDefault);
    EXPECT_STREQ("abc", pVText->m_strText);
    EXPECT_EQ(TA_RIGHT, pVText->m_nAlign);
    EXPECT_DOUBLE_EQ(3.0, pVText->m_ptOrigin.x);
    EXPECT_EQ(CBasicObject::kindVText, pVText->m_nKind);
}

namespace
{

struct AnchorCase
{
    const char* szName;
    const char* szField;
    double dValue;
    int nAnchor; // 0: no relation
    const char* szObject;
};

const AnchorCase anchorCases[] = {
    {"plain number", "3.5", 3.5, 0, ""},
    {"signed exponent", "1.5e-1", 0.15, 0, ""},
    {"digits after the point only", "-.5e1", -5.0, 0, ""},
    {"point without digits after it", "3.", 3.0, 0, ""},
    {"exponent letter without digits ends the number", "2e", 2.0, 0, ""},
    {"one letter gets B", "3@name#R", 3.0, 9, "name"},
    {"left top lower case", "-2@n#lt", -2.0, 1, "n"},
    {"middle middle", "@n#MM", 0.0, 5, "n"},
    {"middle bottom", "1@n#M", 1.0, 6, "n"},
    {"right middle", "1@n#RM", 1.0, 8, "n"},
    {"unknown anchor", "1@n#Q", 1.0, 0, ""},
    {"hash before at", "1#R@n", 1.0, 0, ""},
    {"nothing after hash", "1@n#", 1.0, 0, ""},
    {"empty identifier", "1@#LB", 1.0, 3, ""},
};

} // namespace

TEST(CustSymbolTest, AnchorFormsOfCoordinates)
{
    for (const AnchorCase& c : anchorCases) {
        SCOPED_TRACE(c.szName);
        CString strSymbol;
        strSymbol.Format("<L>%s,0,5,5</L>", c.szField);
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString(strSymbol));
        auto* pLine = First<CLine>(sym.m_listLine);
        EXPECT_DOUBLE_EQ(c.dValue, pLine->m_ptOrigin.x);
        if (c.nAnchor == 0) {
            EXPECT_EQ(0, pLine->m_listRelation.GetCount());
            continue;
        }
        ASSERT_EQ(1, pLine->m_listRelation.GetCount());
        auto* pRel = static_cast<CBasicObject::CPointRelation*>(pLine->m_listRelation.GetHead());
        EXPECT_EQ(c.nAnchor, pRel->m_nAnchor);
        EXPECT_EQ(1, pRel->m_nAxis);
        EXPECT_EQ(&pLine->m_ptOrigin, pRel->m_pPoint);
        EXPECT_STREQ(c.szObject, pRel->m_strObjectId);
        EXPECT_EQ(CBasicObject::CPointRelation::stateNew, pRel->m_nState);
    }
}

TEST(CustSymbolTest, ReparseDropsOldElementsAndRelations)
{
    CCustSymbol sym;
    ASSERT_TRUE(sym.SetSymbolString("<L>1@a#R,2@a#RT,5,5</L><V>a,'x',0,0,12</V>"));
    EXPECT_EQ(2, First<CLine>(sym.m_listLine)->m_listRelation.GetCount());
    ASSERT_TRUE(sym.SetSymbolString("<C>0,0,4</C>"));
    EXPECT_EQ(0, sym.m_listLine.GetCount());
    EXPECT_EQ(0, sym.m_listVText.GetCount());
    EXPECT_EQ(1, sym.m_listCircle.GetCount());
    EXPECT_FALSE(sym.SetSymbolString("<C>0,0,0</C>"));
    EXPECT_EQ(0, sym.m_listCircle.GetCount());
    EXPECT_EQ(0, sym.m_listBasic.GetCount());
}

TEST(CustSymbolTest, CopyParsesTheSourceAgain)
{
    CCustSymbol src;
    ASSERT_TRUE(src.SetSymbolString("<L>0,0,5,5</L><V>a,'x',0,0,12</V>"));
    src.SetTransparent(TRUE);
    src.SetCharMode(RGB(1, 2, 3), FALSE);
    src.SetArgument("a = 'changed';  ");
    CCustSymbol copy(src);
    EXPECT_TRUE(copy.m_bTransparent);
    EXPECT_FALSE(copy.m_bCharMode);
    EXPECT_EQ(RGB(1, 2, 3), copy.m_crCharMode);
    EXPECT_EQ(1, copy.m_listLine.GetCount());
    // One hidden origin, however often a symbol is copied.
    CCustSymbol copy2;
    copy2 = copy;
    EXPECT_EQ(1, copy2.m_listBasic.GetCount());
    EXPECT_STREQ(src.m_strSymbol, copy2.m_strSymbol);
    // Arguments are not part of the markup.
    EXPECT_STREQ("x", First<CVariableText>(copy2.m_listVText)->m_strText);
    CCustSymbol empty;
    copy2 = empty;
    EXPECT_EQ(0, copy2.m_listLine.GetCount());
    EXPECT_TRUE(copy2.m_strSymbol.IsEmpty());
}

namespace
{

struct ArgumentCase
{
    const char* szName;
    const char* szArguments;
    const char* szA;
    const char* szB;
};

const ArgumentCase argumentCases[] = {
    {"both values", "a = '1';  b = '2';  ", "1", "2"},
    {"order does not matter", "b = '2';  a = '1';  ", "1", "2"},
    {"name absent keeps markup text", "c = '3';  ", "ta", "tb"},
    {"empty string keeps markup text", "", "ta", "tb"},
    {"doubled quote", "a = 'it''s';  ", "it's", "tb"},
    {"longer name is another variable", "ab = 'x';  a = 'y';  ", "y", "tb"},
    {"name inside a value", "b = 'a = 9';  a = '1';  ", "1", "a = 9"},
    {"value not quoted", "a = 1;  ", "ta", "tb"},
    {"quote never closed", "a = '1;  ", "ta", "tb"},
    {"empty value", "a = '';  ", "", "tb"},
    {"GBK value", "a = '直径';  ", "直径", "tb"},
};

} // namespace

TEST(CustSymbolTest, ArgumentsApplyToVariableTexts)
{
    for (const ArgumentCase& c : argumentCases) {
        SCOPED_TRACE(c.szName);
        CCustSymbol sym;
        ASSERT_TRUE(sym.SetSymbolString("<V>a,'ta',0,0,12</V><V>b,'tb',0,20,12</V>"));
        sym.SetArgument(c.szArguments);
        POSITION pos = sym.m_listVText.GetHeadPosition();
        auto* pA = static_cast<CVariableText*>(sym.m_listVText.GetNext(pos));
        auto* pB = static_cast<CVariableText*>(sym.m_listVText.GetNext(pos));
        EXPECT_STREQ(c.szA, pA->m_strText);
        EXPECT_STREQ(c.szB, pB->m_strText);
        EXPECT_STREQ("ta", pA->m_strDefault);
    }
}

TEST(CustSymbolTest, DamagedMarkupNeverBreaksTheParser)
{
    const char* aszValid[] = {
        "<A>0,0,5,0,0,5,FF0000,n,2,y</A>",
        "<C>1@v#R,2,3,00FF00,y</C>",
        "<M>(0,0)(5,0)(5,5),0000FF,y</M>",
        "<T>'a''b',1,2,12,M,BI,000000,黑体,30</T>",
        "<V>v,'值',0,0,12</V>",
        "<L>0,0<Cu><L>1</L></Cu>,5,5</L>",
        "<F>1,1,FF0000,000000</F>",
    };
    CString strAll;
    for (const char* sz : aszValid) {
        strAll += sz;
    }
    // Every prefix and every single-byte deletion of a valid symbol: each is parsed or refused.
    for (int n = 0; n <= strAll.GetLength(); ++n) {
        CCustSymbol sym;
        sym.SetSymbolString(strAll.Left(n));
        CString strCut = strAll.Left(n) + strAll.Mid(n + 1);
        sym.SetSymbolString(strCut);
        sym.SetArgument(strCut);
    }
    // Long damaged texts: many fields, many elements, nothing closed.
    CString strCommas(',', 200000);
    CString strElems;
    for (int i = 0; i < 20000; ++i) {
        strElems += "<P>1,2</P>";
    }
    const CString aBig[] = {
        "<P>1,2" + strCommas + "</P>",
        "<L>" + strCommas + "</L>",
        "<T>'" + strCommas + "</T>",
        "<M>" + CString('(', 100000) + "</M>",
        strElems,
        strElems + "<L>",
        CString('<', 100000),
        "<L>" + CString(' ', 100000),
        "<L>0,0" + CString('9', 100000) + ",5,5</L>",
    };
    for (const CString& str : aBig) {
        CCustSymbol sym;
        sym.SetSymbolString(str);
    }
    CCustSymbol sym;
    EXPECT_TRUE(sym.SetSymbolString(strElems));
    EXPECT_EQ(20001, sym.m_listBasic.GetCount());
    EXPECT_FALSE(sym.SetSymbolString("<L>0,0" + CString('9', 100000) + ",5,5</L>"));
}
