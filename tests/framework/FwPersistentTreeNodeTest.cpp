#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "framework/FwPersistentTreeNode.h"
#include "framework/FwPersistentTreeStore.h"
#include "platform/frame/WinApp.h"

namespace
{
// A store over the application's registry profile: a node's values go into the section named by
// its path from the root, its keys and child names into the section "<path>#".
class ProfileStore : public FwPersistentTreeStore
{
public:
    explicit ProfileStore(CWinApp& app) : m_app(app) {}

    void BeginNode(const CStringList& path) override
    {
        m_app.WriteProfileString(Section(path), nullptr, nullptr);
        m_strKeys.Empty();
    }
    BOOL WriteValue(const CStringList& path, const CString& strKey, const CString& strValue) override
    {
        m_strKeys += strKey + "|";
        return m_app.WriteProfileString(Section(path), strKey, strValue);
    }
    void EndNode(const CStringList& path, const CStringList& childNames) override
    {
        CString strChildren;
        for (POSITION pos = childNames.GetHeadPosition(); pos != nullptr;) {
            strChildren += childNames.GetNext(pos) + "|";
        }
        m_app.WriteProfileString(Section(path) + "#", "Keys", m_strKeys);
        m_app.WriteProfileString(Section(path) + "#", "Children", strChildren);
    }
    BOOL ReadNode(const CStringList& path, CStringList& keys, CStringList& values, CStringList& childNames) override
    {
        const CString strIndex = Section(path) + "#";
        const CString strMissing = "?";
        const CString strKeys = m_app.GetProfileString(strIndex, "Keys", strMissing);
        if (strKeys == strMissing) {
            return FALSE;
        }
        Split(strKeys, keys);
        for (POSITION pos = keys.GetHeadPosition(); pos != nullptr;) {
            values.AddTail(m_app.GetProfileString(Section(path), keys.GetNext(pos)));
        }
        Split(m_app.GetProfileString(strIndex, "Children"), childNames);
        return TRUE;
    }

private:
    static CString Section(const CStringList& path)
    {
        CString strSection;
        for (POSITION pos = path.GetTailPosition(); pos != nullptr;) {
            strSection += path.GetPrev(pos);
            if (pos != nullptr) {
                strSection += "\\";
            }
        }
        return strSection;
    }
    static void Split(const CString& strList, CStringList& list)
    {
        int nStart = 0;
        for (int nBar = strList.Find('|'); nBar >= 0; nBar = strList.Find('|', nStart)) {
            list.AddTail(strList.Mid(nStart, nBar - nStart));
            nStart = nBar + 1;
        }
    }

    CWinApp& m_app;
    CString m_strKeys;
};

std::string Bytes(int nCount)
{
    std::string str;
    for (int i = 0; i < nCount; ++i) {
        str += static_cast<char>(i * 7 + 3);
    }
    return str;
}

UINT SetBytes(FwPersistentTreeNode& node, const char* pszKey, const std::string& str, BOOL bReplace = TRUE)
{
    return node.SetBinary(pszKey, reinterpret_cast<const BYTE*>(str.data()), static_cast<UINT>(str.size()), bReplace);
}

// The bytes read back, or a note of the failure code.
std::string GetBytes(const FwPersistentTreeNode& node, const char* pszKey)
{
    BYTE* pData = nullptr;
    UINT nCount = 0;
    const UINT nResult = node.GetBinary(pszKey, &pData, &nCount);
    if (nResult != FwPtrOk) {
        return "error " + std::to_string(nResult);
    }
    std::string str(reinterpret_cast<const char*>(pData), nCount);
    delete[] pData;
    return str;
}

class FwPersistentTreeNodeTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(FwPtrOk, m_root.Initialize("Root", nullptr)); }
    FwPersistentTreeNode m_root;
};

TEST_F(FwPersistentTreeNodeTest, StringsReplaceOnlyWhenAllowed)
{
    EXPECT_EQ(FwPtrOk, m_root.SetString("Name", "工艺", FALSE));
    EXPECT_EQ(FwPtrKeyExists, m_root.SetString("Name", "other", FALSE));
    CString str;
    EXPECT_EQ(FwPtrOk, m_root.GetString("Name", str, "dflt"));
    EXPECT_EQ(CString("工艺"), str);
    EXPECT_EQ(FwPtrOk, m_root.SetString("Name", "新", TRUE));
    EXPECT_EQ(1, m_root.GetValueCount());
    EXPECT_EQ(FwPtrNoValue, m_root.GetString("Missing", str, "dflt"));
    EXPECT_EQ(CString("dflt"), str);
    EXPECT_EQ(FwPtrNoKey, m_root.SetString("", "x", TRUE));

    FwPersistentTreeNode loose;
    EXPECT_EQ(FwPtrNotInitialised | FwPtrNoKey, loose.SetString("", "x", TRUE));
    EXPECT_EQ(FwPtrNotInitialised, loose.AddChild(&m_root));
    ProfileStore* pNoStore = nullptr;
    EXPECT_FALSE(loose.Save(pNoStore));
    EXPECT_FALSE(m_root.Save(nullptr));
    EXPECT_EQ(FwPtrAlreadyInitialised, m_root.Initialize("Again", nullptr));
    EXPECT_EQ(FwPtrNoName, loose.Initialize("", nullptr));
}

TEST_F(FwPersistentTreeNodeTest, TypedValuesReadFromText)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        BOOL bBool;
        int nInt;
    };
    const Case cases[] = {
        {"True as written", "True", TRUE, 0}, {"lower case", "true", TRUE, 0},        {"upper case", "TRUE", TRUE, 0},
        {"yes is not true", "yes", FALSE, 0}, {"negative number", "-42", FALSE, -42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        ASSERT_EQ(FwPtrOk, m_root.SetString("v", c.szText, TRUE));
        BOOL bValue = -1;
        EXPECT_EQ(FwPtrOk, m_root.GetBool("v", bValue, -1));
        EXPECT_EQ(c.bBool, bValue);
        int nValue = 99;
        EXPECT_EQ(FwPtrOk, m_root.GetInt("v", nValue, 99));
        EXPECT_EQ(c.nInt, nValue);
    }
    EXPECT_EQ(FwPtrOk, m_root.SetBool("b", FALSE, TRUE));
    EXPECT_EQ(CString("False"), *m_root.FindValue("b"));
    EXPECT_EQ(FwPtrOk, m_root.SetInt("i", 12345, TRUE));
    DWORD dw = 0;
    EXPECT_EQ(FwPtrOk, m_root.GetDWord("i", dw, 7));
    EXPECT_EQ(12345u, dw);
    EXPECT_EQ(FwPtrNoValue, m_root.GetDWord("none", dw, 7));
    EXPECT_EQ(7u, dw);
}

TEST_F(FwPersistentTreeNodeTest, BytesAreLettersAndLongOnesAreChunked)
{
    const std::string str125 = Bytes(125);
    ASSERT_EQ(FwPtrOk, SetBytes(m_root, "Bin", str125));
    const CString* pText = m_root.FindValue("Bin");
    ASSERT_NE(nullptr, pText);
    EXPECT_EQ(250, pText->GetLength());
    EXPECT_EQ(pText->GetLength(), pText->SpanIncluding("ABCDEFGHIJKLMNOP").GetLength());
    // The low half first: 3 is "DA".
    EXPECT_EQ(CString("DA"), pText->Left(2));
    EXPECT_EQ(nullptr, m_root.FindValue("Bin_BinCount"));
    EXPECT_EQ(str125, GetBytes(m_root, "Bin"));

    const std::string str126 = Bytes(126);
    ASSERT_EQ(FwPtrOk, SetBytes(m_root, "Bin", str126));
    ASSERT_NE(nullptr, m_root.FindValue("Bin_BinCount"));
    EXPECT_EQ(CString("2"), *m_root.FindValue("Bin_BinCount"));
    EXPECT_EQ(250, m_root.FindValue("Bin_BinVal0")->GetLength());
    EXPECT_EQ(2, m_root.FindValue("Bin_BinVal1")->GetLength());
    // The short form written before is gone, so it can't come back.
    EXPECT_EQ(nullptr, m_root.FindValue("Bin"));
    EXPECT_EQ(str126, GetBytes(m_root, "Bin"));

    // And the other way round: a short value removes every chunk.
    ASSERT_EQ(FwPtrOk, SetBytes(m_root, "Bin", Bytes(3)));
    EXPECT_EQ(nullptr, m_root.FindValue("Bin_BinCount"));
    EXPECT_EQ(nullptr, m_root.FindValue("Bin_BinVal0"));
    EXPECT_EQ(nullptr, m_root.FindValue("Bin_BinVal1"));
    EXPECT_EQ(Bytes(3), GetBytes(m_root, "Bin"));
    EXPECT_EQ(1, m_root.GetValueCount());

    // Fewer chunks than before drop the surplus ones.
    ASSERT_EQ(FwPtrOk, SetBytes(m_root, "Big", Bytes(400)));
    EXPECT_NE(nullptr, m_root.FindValue("Big_BinVal3"));
    ASSERT_EQ(FwPtrOk, SetBytes(m_root, "Big", Bytes(200)));
    EXPECT_EQ(nullptr, m_root.FindValue("Big_BinVal3"));
    EXPECT_EQ(Bytes(200), GetBytes(m_root, "Big"));
}

TEST_F(FwPersistentTreeNodeTest, DamagedBytesFailTheRead)
{
    // Each case starts from 300 bytes stored in three chunks and damages the stored text.
    struct Case
    {
        const char* szName;
        std::function<void(FwPersistentTreeNode&)> damage;
        const char* szExpected;
    };
    const Case cases[] = {
        {"count beyond the chunks", [](FwPersistentTreeNode& n) { n.SetString("Bin_BinCount", "5", TRUE); },
         "error 64"},
        {"odd length", [](FwPersistentTreeNode& n) { n.SetString("Bin_BinVal2", "ABC", TRUE); }, "error 65535"},
        {"letter outside A-P", [](FwPersistentTreeNode& n) { n.SetString("Bin_BinVal2", "AZ", TRUE); }, "error 65535"},
        {"count of zero gives empty text", [](FwPersistentTreeNode& n) { n.SetString("Bin_BinCount", "0", TRUE); },
         "error 65535"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        FwPersistentTreeNode node;
        ASSERT_EQ(FwPtrOk, node.Initialize("n", nullptr));
        ASSERT_EQ(FwPtrOk, SetBytes(node, "Bin", Bytes(300)));
        c.damage(node);
        EXPECT_EQ(c.szExpected, GetBytes(node, "Bin"));
    }
    // A gap in the middle: chunks 0 and 2 of 3.
    ASSERT_EQ(FwPtrOk, m_root.SetString("Gap_BinCount", "3", TRUE));
    ASSERT_EQ(FwPtrOk, m_root.SetString("Gap_BinVal0", "AAAA", TRUE));
    ASSERT_EQ(FwPtrOk, m_root.SetString("Gap_BinVal2", "AAAA", TRUE));
    EXPECT_EQ("error 64", GetBytes(m_root, "Gap"));
    ASSERT_EQ(FwPtrOk, m_root.SetString("Gap_BinVal1", "BA", TRUE));
    EXPECT_EQ(std::string("\0\0\x01\0\0", 5), GetBytes(m_root, "Gap"));
    ASSERT_EQ(FwPtrOk, m_root.SetString("Empty", "", TRUE));
    EXPECT_EQ("error 65535", GetBytes(m_root, "Empty"));
    EXPECT_EQ("error 64", GetBytes(m_root, "None"));
    const BYTE* pNoData = nullptr;
    EXPECT_EQ(FwPtrNoData, m_root.GetBinary("Empty", nullptr, nullptr));
    EXPECT_EQ(FwPtrNoData, m_root.SetBinary("Bin", pNoData, 3, TRUE));
}

TEST_F(FwPersistentTreeNodeTest, ChildrenHaveUniqueNamesAndDieWithTheirOwner)
{
    FwPersistentTreeNode* pBars = m_root.GetNodeOwner().AddChild("Bars", &m_root);
    ASSERT_NE(nullptr, pBars);
    EXPECT_EQ(pBars, m_root.FindChild("Bars"));
    EXPECT_EQ(nullptr, m_root.FindChild("bars"));
    EXPECT_EQ(nullptr, m_root.GetNodeOwner().AddChild("Bars", &m_root));
    FwPersistentTreeNode twin;
    EXPECT_EQ(FwPtrChildExists, twin.Initialize("Bars", &m_root));
    EXPECT_FALSE(twin.IsInitialized());

    FwPersistentTreeNode* pBar = pBars->GetNodeOwner().AddChild("Bar0", pBars);
    ASSERT_NE(nullptr, pBar);
    CStringList path;
    pBar->GetPath(path);
    ASSERT_EQ(3, path.GetCount());
    EXPECT_EQ(CString("Bar0"), path.GetHead());
    EXPECT_EQ(CString("Root"), path.GetTail());

    // Deleting a child through its owner also takes it out of its parent's list.
    EXPECT_TRUE(m_root.GetNodeOwner().DeleteNode(pBars));
    EXPECT_EQ(nullptr, m_root.FindChild("Bars"));
    EXPECT_FALSE(m_root.GetNodeOwner().DeleteNode(pBars == nullptr ? nullptr : &twin));
}

// A store that refuses one key.
class RefusingStore : public FwPersistentTreeStore
{
public:
    void BeginNode(const CStringList&) override {}
    BOOL WriteValue(const CStringList&, const CString& strKey, const CString&) override
    {
        ++m_nWrites;
        return strKey != "Bad";
    }
    void EndNode(const CStringList&, const CStringList&) override {}
    BOOL ReadNode(const CStringList&, CStringList&, CStringList&, CStringList&) override { return FALSE; }
    int m_nWrites = 0;
};

TEST_F(FwPersistentTreeNodeTest, AFailedWriteFailsTheSave)
{
    FwPersistentTreeNode* pChild = m_root.GetNodeOwner().AddChild("Child", &m_root);
    ASSERT_NE(nullptr, pChild);
    ASSERT_EQ(FwPtrOk, pChild->SetString("Good", "1", TRUE));
    RefusingStore store;
    EXPECT_TRUE(m_root.Save(&store));
    ASSERT_EQ(FwPtrOk, pChild->SetString("Bad", "2", TRUE));
    EXPECT_FALSE(m_root.Save(&store));
    EXPECT_EQ(3, store.m_nWrites) << "the other values are still written";
    EXPECT_FALSE(m_root.Load(&store));
}

TEST_F(FwPersistentTreeNodeTest, SubtreeRoundTripsThroughTheRegistryProfile)
{
    CWinApp app("FwTreeStoreTest");
    app.SetRegistryKey("VornFrameworkTestKey");
    ProfileStore store(app);

    ASSERT_EQ(FwPtrOk, m_root.SetString("Title", "工艺卡片", TRUE));
    ASSERT_EQ(FwPtrOk, SetBytes(m_root, "Short", Bytes(125)));
    FwPersistentTreeNode* pChild = m_root.GetNodeOwner().AddChild("Child", &m_root);
    ASSERT_NE(nullptr, pChild);
    ASSERT_EQ(FwPtrOk, SetBytes(*pChild, "Long", Bytes(126)));
    ASSERT_EQ(FwPtrOk, pChild->SetBool("On", TRUE, TRUE));
    ASSERT_TRUE(m_root.GetNodeOwner().AddChild("Empty", &m_root) != nullptr);
    ASSERT_TRUE(m_root.Save(&store));

    // The chunks really are separate profile entries.
    EXPECT_EQ(CString("2"), app.GetProfileString("Root\\Child", "Long_BinCount"));
    EXPECT_EQ(2, app.GetProfileString("Root\\Child", "Long_BinVal1").GetLength());

    FwPersistentTreeNode loaded;
    ASSERT_EQ(FwPtrOk, loaded.Initialize("Root", nullptr));
    ASSERT_TRUE(loaded.Load(&store));
    CString str;
    EXPECT_EQ(FwPtrOk, loaded.GetString("Title", str, ""));
    EXPECT_EQ(CString("工艺卡片"), str);
    EXPECT_EQ(Bytes(125), GetBytes(loaded, "Short"));
    FwPersistentTreeNode* pLoadedChild = loaded.FindChild("Child");
    ASSERT_NE(nullptr, pLoadedChild);
    EXPECT_EQ(Bytes(126), GetBytes(*pLoadedChild, "Long"));
    BOOL bOn = FALSE;
    EXPECT_EQ(FwPtrOk, pLoadedChild->GetBool("On", bOn, FALSE));
    EXPECT_TRUE(bOn);
    EXPECT_NE(nullptr, loaded.FindChild("Empty"));

    FwPersistentTreeNode unknown;
    ASSERT_EQ(FwPtrOk, unknown.Initialize("Nowhere", nullptr));
    EXPECT_FALSE(unknown.Load(&store));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornFrameworkTestKey");
}
} // namespace
