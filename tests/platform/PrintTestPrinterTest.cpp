// The test printer's helpers: rendering its PostScript to pictures with ghostscript, a Linux
// program started from the test under Wine.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <vector>

#include "platform/base/FxHandle.h"
#include "tests/support/PrintTestPrinter.h"
#include "tests/support/TempFolder.h"

TEST(PrintTestPrinterTest, RenderingWaitsForThePicturesAndLeavesTheProcessHandlesOpen)
{
    CTestTempFolder folder;
    const CString strPs = folder.PathOf("line.ps");
    {
        std::ofstream out(static_cast<LPCSTR>(strPs), std::ios::binary);
        out << "%!PS\nnewpath 72 72 moveto 300 400 lineto stroke showpage\n";
    }
    // Handles of every low number, as keys and files cached by the system take them: starting the
    // program must close none of them.
    std::vector<std::unique_ptr<CFxHandle>> events;
    for (int i = 0; i < 256; ++i) {
        events.push_back(std::make_unique<CFxHandle>(::CreateEventA(nullptr, TRUE, FALSE, nullptr)));
        ASSERT_TRUE(events.back()->IsValid());
    }
    ASSERT_TRUE(RenderPostScript(strPs, folder.PathOf("line-%d.png")));
    // Written before the call returned.
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(folder.PathOf("line-1.png")));
    int nClosed = 0;
    for (const auto& pEvent : events) {
        DWORD dwFlags = 0;
        nClosed += ::GetHandleInformation(*pEvent, &dwFlags) ? 0 : 1;
    }
    EXPECT_EQ(0, nClosed);
    // Nothing to render: FALSE, and no picture.
    EXPECT_FALSE(RenderPostScript(folder.PathOf("missing.ps"), folder.PathOf("missing-%d.png")));
}
