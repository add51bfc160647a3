// File variables: a value stored into a file variable takes the named file into the card file's
// work directory, through the head/foot data, the page data and the detail data alike.
#include <gtest/gtest.h>

#include <string>

#include "core/CappCardData.h"
#include "core/CappObj.h"
#include "core/CappPgRow.h"
#include "platform/base/File.h"
#include "tests/core/CardDataUtil.h"
#include "tests/support/TempFolder.h"

namespace
{
void WriteFile(const CString& strPath, const std::string& bytes)
{
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

std::string ReadFile(const CString& strPath)
{
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone)) {
        return "(none)";
    }
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// A card file with a work directory "<temp>\card" and the file variable "图" in the head, the
// page data (one page) and the detail data "M", each holding the value "old".
class CFileVarCard
{
public:
    explicit CFileVarCard(const CTestTempFolder& folder, bool bCardFile = true)
    {
        m_obj.m_strBaseDir = folder.GetPath();
        m_obj.m_strWorkName = "card";
        ::CreateDirectoryA(m_obj.GetCpoWorkDir(), nullptr);
        CCappCardData& data = Data();
        data.m_pCardObj = bCardFile ? &m_obj.m_CardObj : nullptr;
        AddCardVar(data.m_HFData.m_listCardVar, data.m_HFData.m_arrVarName, "图", CCappCardVarItem::kindFile);
        data.m_HFData.ResertDataList();
        AddCardVar(data.m_PgData.m_listCardVar, data.m_PgData.m_arrVarName, "图", CCappCardVarItem::kindFile);
        data.m_PgData.InsertRowData(-1);
        auto* pMD = new CCappMDData;
        pMD->m_strName = "M";
        pMD->m_pCardData = &data;
        AddCardVar(pMD->m_listCardVar, pMD->m_arrVarName, "图", CCappCardVarItem::kindFile);
        pMD->InsertRowData(-1, 0);
        data.m_MDDataList.AddTail(pMD);
        for (int nPart = 0; nPart < 3; ++nPart) {
            Item(nPart)->SetData("old");
        }
        data.m_HFData.m_bModify = FALSE;
        data.m_PgData.m_bModify = FALSE;
        pMD->m_bModify = FALSE;
    }

    CCappCardData& Data() { return m_obj.m_CardObj.m_CardData; }
    // 0 head, 1 page 1, 2 detail row 0.
    CCellFieldDataItem* Item(int nPart)
    {
        CCappCardData& data = Data();
        switch (nPart) {
        case 0:
            return data.m_HFData.GetVarDataItem("图");
        case 1:
            return data.m_PgData.GetVarDataItem(1, "图");
        default:
            return data.GetMDData("M")->GetVarDataItem(0, "图");
        }
    }
    BOOL Set(int nPart, CString strValue)
    {
        CCappCardData& data = Data();
        switch (nPart) {
        case 0:
            return data.m_HFData.SetVarData("图", strValue);
        case 1:
            return data.m_PgData.SetVarData(1, "图", strValue);
        default:
            return data.GetMDData("M")->SetVarData(0, "图", strValue);
        }
    }

    CCappObj m_obj;
};

const char* const kParts[] = {"head/foot data", "page data", "detail data"};
} // namespace

TEST(CappVarDataFunTest, AFileVariableTakesItsFileIntoTheCardFile)
{
    CTestTempFolder folder;
    const CString strSource = folder.PathOf("零件图.dwg");
    WriteFile(strSource, "AC1015 drawing");
    for (int nPart = 0; nPart < 3; ++nPart) {
        SCOPED_TRACE(kParts[nPart]);
        CFileVarCard card(folder);
        card.m_obj.m_nNewCodeID = 7;
        ASSERT_TRUE(card.Set(nPart, strSource));
        const CCellFieldDataItem* pItem = card.Item(nPart);
        // The value names the sub-file, the path is the copy in the work directory.
        EXPECT_STREQ("7.dwg", pItem->GetData());
        EXPECT_STREQ(card.m_obj.GetCpoWorkDir() + "\\7.dwg", pItem->m_strFilePath);
        EXPECT_EQ("AC1015 drawing", ReadFile(pItem->m_strFilePath));
        EXPECT_EQ(8, card.m_obj.m_nNewCodeID);
        EXPECT_TRUE(card.Data().IsModify());
    }
}

TEST(CappVarDataFunTest, AFileThatCannotBeReadStoresNothing)
{
    CTestTempFolder folder;
    WriteFile(folder.PathOf("locked.bmp"), "BM");
    CFile locked(folder.PathOf("locked.bmp"), CFile::modeRead | CFile::shareExclusive);
    ::CreateDirectoryA(folder.PathOf("folder.bmp"), nullptr);
    WriteFile(folder.PathOf("good.bmp"), "BM");
    struct Case
    {
        const char* szName;
        CString strSource;
        bool bCardFile;
    };
    const Case cases[] = {
        {"missing file", folder.PathOf("missing.bmp"), true},
        {"empty name", "", true},
        {"a folder", folder.PathOf("folder.bmp"), true},
        {"a file another program holds exclusively", folder.PathOf("locked.bmp"), true},
        {"a card without its card file", folder.PathOf("good.bmp"), false},
    };
    for (const Case& c : cases) {
        for (int nPart = 0; nPart < 3; ++nPart) {
            SCOPED_TRACE(std::string(c.szName) + ", " + kParts[nPart]);
            CFileVarCard card(folder, c.bCardFile);
            card.m_obj.m_nNewCodeID = 3;
            EXPECT_FALSE(card.Set(nPart, c.strSource));
            EXPECT_STREQ("old", card.Item(nPart)->GetData());
            EXPECT_STREQ("", card.Item(nPart)->m_strFilePath);
            EXPECT_EQ(3, card.m_obj.m_nNewCodeID) << "no item code spent";
            EXPECT_FALSE(card.Data().IsModify());
        }
    }
}
