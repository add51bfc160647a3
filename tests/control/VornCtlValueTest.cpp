// Values written and read through the report control's dispatch interface.
#include <gtest/gtest.h>
#include "control/VornCtlCtrl.h"
#include "platform/ole/OleDispatchDriver.h"
#include "core/CappCardVarItem.h"
#include "core/CardObj.h"

TEST(VornCtlValueTest, SetVarDataStoresDecodedBytesOrGivesMinusOne)
{
    CVornCtlCtrl ctl;
    CCardObj& card = ctl.GetCappObj().m_CardObj;
    CCappHFData& hf = card.m_CardData.m_HFData;
    for (const char* pszName : {"A", "B"}) {
        auto* pVar = new CCappCardVarItem;
        pVar->m_strName = pszName;
        pVar->m_nKind = CCappCardVarItem::kindTyped;
        pVar->m_nDataType = CCappCardVarItem::typeString;
        hf.m_listCardVar.AddTail(pVar);
        hf.m_arrVarName.Add(pszName);
    }
    hf.ResertDataList();
    COleDispatchDriver driver;
    driver.AttachDispatch(ctl.GetIDispatch(TRUE));

    const struct
    {
        const char* pszName;
        const char* pszData;
        long nResult;
        const char* pszStored; // null: the name holds nothing
    } cases[] = {
        {"A", "X", 0, "X"},
        {"B", "__A16(C4E3)", 0, "\xC4\xE3"},
        {"A", "plain (text)", 0, "plain (text)"},
        {"NoSuchVar", "Y", -1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        long nResult = -9;
        EXPECT_EQ(S_OK, driver.InvokeHelper(6, DISPATCH_METHOD, &nResult, CString(c.pszName), 0L, CString(c.pszData)));
        EXPECT_EQ(c.nResult, nResult);
        CString strValue;
        const BOOL bFound = card.m_CardData.GetVarData(c.pszName, 0, 0, strValue);
        if (c.pszStored != nullptr) {
            EXPECT_TRUE(bFound);
            EXPECT_STREQ(c.pszStored, strValue);
        }
    }
}
