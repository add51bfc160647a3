#include <gtest/gtest.h>

#include "platform/base/MemoryException.h"
#include "support/UiDriver.h"

namespace
{
// The box goes through the suite's hookable message box, so a harness (or the designer's log)
// sees it instead of a person having to click it away.
TEST(ExceptionTest, ReportErrorShowsItsMessageInTheAnswerableBox)
{
    CMemoryException e(FALSE);
    CTestUi ui;
    EXPECT_EQ(IDOK, e.ReportError());
    ui.AnswerMessageBox(IDRETRY);
    EXPECT_EQ(IDRETRY, e.ReportError(MB_RETRYCANCEL | MB_ICONERROR));

    ASSERT_EQ(2u, ui.GetBoxes().size());
    EXPECT_EQ("内存不足。", ui.GetBoxes()[0].strText);
    EXPECT_EQ(static_cast<UINT>(MB_OK), ui.GetBoxes()[0].nType);
    EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL | MB_ICONERROR), ui.GetBoxes()[1].nType);
}

// An exception without a message of its own falls back on the one the caller names, or a default.
TEST(ExceptionTest, ReportErrorWithoutMessageShowsTheDefault)
{
    CException e(FALSE);
    CTestUi ui;
    e.ReportError();
    ASSERT_EQ(1u, ui.GetBoxes().size());
    EXPECT_EQ("发生了未知错误。", ui.GetBoxes()[0].strText);
}
} // namespace
