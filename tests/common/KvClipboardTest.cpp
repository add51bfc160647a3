#include <gtest/gtest.h>

#include <thread>

#include "common/KvClipboard.h"
#include "platform/base/FxClipboard.h"
#include "platform/base/FxHandle.h"

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
    struct TextCase
    {
        const char* szName;
        const char* szText;
    };
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

// Keeps the clipboard open from its own thread until released: Windows lets the thread that
// holds it open it again, so the holder must be another thread.
class ClipboardHolder
{
public:
    ClipboardHolder()
    {
        m_thread = std::thread([this] {
            CFxClipboard clipboard(nullptr);
            m_bOpen = clipboard.IsOpen();
            SetEvent(m_hOpened);
            WaitForSingleObject(m_hRelease, INFINITE);
        });
        WaitForSingleObject(m_hOpened, INFINITE);
    }
    ~ClipboardHolder() { Release(); }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    BOOL IsOpen() const { return m_bOpen; }
    void Release()
    {
        if (m_thread.joinable()) {
            SetEvent(m_hRelease);
            m_thread.join();
        }
        m_hOpened.Close();
        m_hRelease.Close();
    }

private:
    CFxHandle m_hOpened{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    CFxHandle m_hRelease{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    BOOL m_bOpen = FALSE;
    std::thread m_thread;
};

TEST_F(KvClipboardTest, FailsWhileAnotherThreadHoldsTheClipboard)
{
    ASSERT_TRUE(CKvClipboard::SetText("before", m_hWnd));
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.IsOpen());
        EXPECT_FALSE(CKvClipboard::SetText("after", m_hWnd));
        CString strText;
        EXPECT_FALSE(CKvClipboard::GetText(strText, m_hWnd));
        DWORD dwSize = 0;
        EXPECT_FALSE(CKvClipboard::GetTextLength(dwSize, m_hWnd));
    }
    CString strText;
    ASSERT_TRUE(CKvClipboard::GetText(strText, m_hWnd));
    EXPECT_EQ(CString("before"), strText);
}
} // namespace
