#include <gtest/gtest.h>

#include "common/KvClipboard.h"

namespace
{
// The clipboard belongs to the display: a hidden window owns it while it is open.
class KvClipboardTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hWnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_hWnd);
    }
    void TearDown() override
    {
        if (m_hWnd != nullptr) {
            DestroyWindow(m_hWnd);
        }
    }

    HWND m_hWnd = nullptr;
};

TEST_F(KvClipboardTest, GbkTextRoundTripsByteForByte)
{
    struct TextCase { const char* szName; const char* szText; };
    const TextCase cases[] = {
        {"ascii", "hello"},
        {"Chinese", "提示：工艺卡片"},
        {"trail bytes equal to | and \\", "\xD5\x7C|\xD6\x5C\\"},
        {"line breaks", "a\r\nb"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.szName);
        ASSERT_TRUE(CKvClipboard::SetText(c.szText, m_hWnd));
        CString strText;
        ASSERT_TRUE(CKvClipboard::GetText(strText, m_hWnd));
        EXPECT_EQ(static_cast<int>(strlen(c.szText)), strText.GetLength());
        EXPECT_EQ(0, memcmp(c.szText, strText.GetString(), strlen(c.szText)));
        DWORD dwSize = 0;
        ASSERT_TRUE(CKvClipboard::GetTextLength(dwSize, m_hWnd));
        EXPECT_GE(dwSize, strlen(c.szText) + 1);
    }
}

TEST_F(KvClipboardTest, EmptyTextLeavesTheClipboardEmpty)
{
    ASSERT_TRUE(CKvClipboard::SetText("x", m_hWnd));
    EXPECT_TRUE(CKvClipboard::SetText("", m_hWnd));
    CString strText = "stale";
    EXPECT_FALSE(CKvClipboard::GetText(strText, m_hWnd));
    DWORD dwSize = 99;
    EXPECT_FALSE(CKvClipboard::GetTextLength(dwSize, m_hWnd));
}

TEST_F(KvClipboardTest, SetTextFailsWhileAnotherWindowHoldsTheClipboard)
{
    HWND hOther = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hOther);
    ASSERT_TRUE(CKvClipboard::SetText("before", m_hWnd));
    ASSERT_TRUE(OpenClipboard(hOther));
    EXPECT_FALSE(CKvClipboard::SetText("after", m_hWnd));
    CString strText;
    EXPECT_FALSE(CKvClipboard::GetText(strText, m_hWnd));
    CloseClipboard();
    DestroyWindow(hOther);
    ASSERT_TRUE(CKvClipboard::GetText(strText, m_hWnd));
    EXPECT_EQ(CString("before"), strText);
}
} // namespace
