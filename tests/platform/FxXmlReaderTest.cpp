// The DOM reader on the real MSXML: what a walk sees, attributes present and absent, text that
// does not parse, and every prefix and byte flip of a small document read without harm.
#include <gtest/gtest.h>

#include <string>

#include "platform/ole/FxComScope.h"
#include "platform/ole/FxXmlReader.h"

namespace
{
const char kDocument[] = "<?xml version=\"1.0\"?>"
                         "<ROOT VARS=\"a;b;\"><!-- note --><ROW NAME=\"零件\">x<![CDATA[y]]></ROW>text"
                         "<?pi data?><ROW/><COLITEM NAME=\"c\">值</COLITEM></ROOT>";

// The element names of the root's children and the root's children's texts, as the walk sees them.
std::string Walk(const CFxXmlReader& reader)
{
    CFxComPtr<IXMLDOMElement> pRoot;
    if (!reader.GetRoot(pRoot)) {
        return "no root";
    }
    std::string strSeen;
    const BOOL bWalked = CFxXmlReader::ForEachElement(pRoot, [&](IXMLDOMNode* pChild) {
        CString strName;
        CString strText;
        if (!CFxXmlReader::GetNodeName(pChild, strName) || !CFxXmlReader::GetNodeText(pChild, strText)) {
            return FALSE;
        }
        strSeen += std::string(strName) + "=" + std::string(strText) + ";";
        return TRUE;
    });
    return bWalked ? strSeen : "failed";
}
} // namespace

TEST(FxXmlReaderTest, WalksElementsOnlyAndReadsTheirTextAndAttributes)
{
    CFxComScope com;
    CFxXmlReader reader;
    ASSERT_TRUE(reader.Create());
    ASSERT_TRUE(reader.LoadText(kDocument));
    // Comments, text and processing instructions between the elements are stepped over.
    EXPECT_EQ("ROW=xy;ROW=;COLITEM=值;", Walk(reader));

    CFxComPtr<IXMLDOMElement> pRoot;
    ASSERT_TRUE(reader.GetRoot(pRoot));
    struct AttributeCase
    {
        const char* szName;
        LPCWSTR pwszAttribute;
        BOOL bFound;
        const char* szValue;
    };
    const AttributeCase cases[] = {
        {"present", L"VARS", TRUE, "a;b;"},
        {"absent", L"NAME", FALSE, "unchanged"},
    };
    for (const AttributeCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strValue = "unchanged";
        EXPECT_EQ(c.bFound, CFxXmlReader::GetAttribute(pRoot, c.pwszAttribute, strValue));
        EXPECT_EQ(CString(c.szValue), strValue);
    }

    // The walk stops where the callback refuses.
    int nCalls = 0;
    EXPECT_FALSE(CFxXmlReader::ForEachElement(pRoot, [&](IXMLDOMNode*) { return ++nCalls < 2; }));
    EXPECT_EQ(2, nCalls);

    // An element without children: the walk is empty and succeeds; the first element alone.
    CFxComPtr<IXMLDOMNode> pFirst;
    ASSERT_TRUE(CFxXmlReader::NextElement(pRoot, pFirst));
    ASSERT_TRUE(pFirst.IsValid());
    CFxComPtr<IXMLDOMNode> pSecond;
    pSecond.Attach(pFirst.Detach());
    ASSERT_TRUE(CFxXmlReader::NextElement(pRoot, pSecond));
    ASSERT_TRUE(pSecond.IsValid());
    EXPECT_TRUE(CFxXmlReader::ForEachElement(pSecond, [](IXMLDOMNode*) { return FALSE; }));
}

TEST(FxXmlReaderTest, TextThatDoesNotParseIsRefused)
{
    CFxComScope com;
    const char* const texts[] = {"", "<A>", "<A></B>", "no xml", "<A/><B/>"};
    for (const char* pszText : texts) {
        SCOPED_TRACE(pszText);
        CFxXmlReader reader;
        ASSERT_TRUE(reader.Create());
        EXPECT_FALSE(reader.LoadText(pszText));
        CFxComPtr<IXMLDOMElement> pRoot;
        EXPECT_FALSE(reader.GetRoot(pRoot));
    }
    CFxXmlReader unmade;
    EXPECT_FALSE(unmade.LoadText("<A/>")) << "no document made";
}

// Every prefix and every byte flipped: a document either parses and walks, or is refused.
TEST(FxXmlReaderTest, DamagedDocumentsAreReadOrRefused)
{
    CFxComScope com;
    const std::string strDoc = kDocument;
    auto read = [](const std::string& strText) {
        CFxXmlReader reader;
        ASSERT_TRUE(reader.Create());
        if (reader.LoadText(strText.c_str())) {
            Walk(reader);
        }
    };
    for (size_t n = 0; n < strDoc.size(); ++n) {
        read(strDoc.substr(0, n));
    }
    for (size_t i = 0; i < strDoc.size(); ++i) {
        std::string strFlipped = strDoc;
        strFlipped[i] = static_cast<char>(strFlipped[i] ^ 0x5A);
        read(strFlipped);
    }
}
