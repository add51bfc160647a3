#include <gtest/gtest.h>

#include "KvTestHost.h"
#include "common/KvNumEdit.h"
#include "tests/common/res/kvtest_resource.h"

TEST(KvNumEditTest, CharacterFilter)
{
    struct CharCase
    {
        const char* szName;
        const char* szText;
        int nCaret;
        UINT nChar;
        BOOL bAccepted;
    };
    const CharCase cases[] = {
        {"digit", "12", 2, '3', TRUE},
        {"backspace", "12", 2, VK_BACK, TRUE},
        {"letter", "12", 2, 'x', FALSE},
        {"leading minus", "12", 0, '-', TRUE},
        {"second leading minus", "-12", 0, '-', FALSE},
        {"minus inside", "12", 1, '-', FALSE},
        {"minus after e", "1e", 2, '-', TRUE},
        {"minus after E", "1E5", 2, '-', TRUE},
        {"e at the start", "12", 0, 'e', FALSE},
        {"e after a leading minus", "-12", 1, 'e', FALSE},
        {"e after a digit", "12", 2, 'e', TRUE},
        {"second e", "1e5", 3, 'e', FALSE},
        {"second E", "1e5", 3, 'E', FALSE},
        {"point", "12", 1, '.', TRUE},
        {"second point", "1.2", 3, '.', FALSE},
        {"point after the exponent", "1e5", 3, '.', FALSE},
        {"point before the exponent", "1e5", 1, '.', TRUE},
    };
    for (const CharCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.bAccepted, CKvNumEdit::IsCharAccepted(c.szText, c.nCaret, c.nChar));
    }
}

TEST(KvNumEditTest, TypingThroughTheControl)
{
    CKvTestHost host(IDD_KVTEST_CONTROLS);
    ASSERT_TRUE(host.Open());
    CKvNumEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_KVTEST_NUMEDIT, &host));
    EXPECT_EQ(0.0, edit.GetValue());
    edit.SetValue(1.5);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ(CString("1.5"), strText);

    edit.SetWindowText("");
    for (const char* p = "1a.5e-x3"; *p != '\0'; ++p) {
        edit.SendMessage(WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*p)));
    }
    edit.GetWindowText(strText);
    EXPECT_EQ(CString("1.5e-3"), strText);
    EXPECT_DOUBLE_EQ(0.0015, edit.GetValue());
}
