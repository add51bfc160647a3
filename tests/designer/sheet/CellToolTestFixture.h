// The designer with the bundled process card open, for the cell tool's tests: real mouse
// messages on the view, and the property sheets the cell flows open answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "core/CappCell.h"
#include "core/CappMidData.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/sheet/SheetDefRangeFun.h"
#include "designer/shell/VornDesignApp.h"
#include "designer/res/resource.h"
#include "platform/base/Firewall.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/CmdUI.h"
#include "platform/win/PropertyPage.h"
#include "platform/win/PropertySheet.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/sheet/SheetViewFixture.h"
#include "tests/support/UiDriver.h"

// Answers the modal property sheets opened while it lives, in order: a handler gets the sheet once
// its modal loop runs. A sheet without a handler fails the test and is cancelled.
class CTestSheets
{
public:
    typedef std::function<void(CPropertySheet&)> Handler;

    CTestSheets()
    {
        s_pThis = this;
        m_hGetMsg = ::SetWindowsHookExA(WH_GETMESSAGE, &CTestSheets::GetMsgProc, nullptr, ::GetCurrentThreadId());
        m_hCbt = ::SetWindowsHookExA(WH_CBT, &CTestSheets::CbtProc, nullptr, ::GetCurrentThreadId());
    }
    ~CTestSheets()
    {
        ::UnhookWindowsHookEx(m_hGetMsg);
        ::UnhookWindowsHookEx(m_hCbt);
        s_pThis = nullptr;
        if (!m_handlers.empty()) {
            ADD_FAILURE() << m_handlers.size() << " property sheet(s) expected but never opened";
        }
    }
    CTestSheets(const CTestSheets&) = delete;
    CTestSheets& operator=(const CTestSheets&) = delete;

    void OnSheet(Handler fn) { m_handlers.push_back(std::move(fn)); }
    int GetSheetsOpened() const { return m_nOpened; }

    // A page made current (the common sheet creates a page when it is first shown), to drive.
    static CTestDlg Page(CPropertySheet& sheet, int nPage)
    {
        sheet.SetActivePage(nPage);
        return CTestDlg(sheet.GetPage(nPage));
    }
    static void Press(CPropertySheet& sheet, int nID)
    {
        ::SendMessageA(::GetDlgItem(sheet.m_hWnd, nID), BM_CLICK, 0, 0);
    }
    static std::vector<CString> TabTexts(CPropertySheet& sheet)
    {
        std::vector<CString> texts;
        for (int i = 0; i < sheet.GetPageCount(); ++i) {
            sheet.SetActivePage(i);
            char szText[64] = {};
            ::GetWindowTextA(sheet.GetPage(i)->m_hWnd, szText, sizeof szText);
            texts.push_back(szText);
        }
        sheet.SetActivePage(0);
        return texts;
    }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        // The sheet's loop must get a message to hand it to the test.
        if (nCode == HCBT_ACTIVATE) {
            ::PostMessageA(reinterpret_cast<HWND>(wParam), WM_NULL, 0, 0);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static LRESULT CALLBACK GetMsgProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        FxCallbackEntry("CTestSheets::GetMsgProc", FALSE, [&]() -> BOOL {
            if (nCode == HC_ACTION && wParam == PM_REMOVE) {
                Answer(*reinterpret_cast<const MSG*>(lParam));
            }
            return TRUE;
        });
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    // Hands a sheet, the first time one of its messages is taken, to the next handler.
    static void Answer(const MSG& msg)
    {
        CTestSheets* pThis = s_pThis;
        if (pThis == nullptr || pThis->m_bBusy || msg.hwnd == nullptr) {
            return;
        }
        HWND hRoot = ::GetAncestor(msg.hwnd, GA_ROOT);
        auto* pSheet = dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(hRoot));
        if (pSheet == nullptr || ::GetPropA(hRoot, kSeen) != nullptr) {
            return;
        }
        ::SetPropA(hRoot, kSeen, reinterpret_cast<HANDLE>(1));
        ++pThis->m_nOpened;
        if (pThis->m_handlers.empty()) {
            ADD_FAILURE() << "unexpected property sheet (cancelled)";
            Press(*pSheet, IDCANCEL);
            return;
        }
        Handler fn = std::move(pThis->m_handlers.front());
        pThis->m_handlers.pop_front();
        // Busy until the handler returns, also when it throws: its own sheet's messages pass by.
        struct BusyScope
        {
            BOOL& bBusy;
            ~BusyScope() { bBusy = FALSE; }
        } busy{pThis->m_bBusy};
        busy.bBusy = TRUE;
        fn(*pSheet);
    }

    static constexpr const char* kSeen = "VornTestSheetSeen";
    static inline CTestSheets* s_pThis = nullptr;
    HHOOK m_hGetMsg = nullptr;
    HHOOK m_hCbt = nullptr;
    std::deque<Handler> m_handlers;
    BOOL m_bBusy = FALSE;
    int m_nOpened = 0;
};

// The designer with the bundled process card in one sheet-definition window, at 100 percent.
class CCellToolTest : public CSheetViewFixture
{
protected:
    void SetUp() override
    {
        ClearProfile();
        ASSERT_NO_FATAL_FAILURE(Open(SampleTemplate()));
        Command(ID_SHEET_ZOOM_100);
        m_pView->ScrollToPosition(CPoint(0, 0));
        Idle();
    }
    void TearDown() override
    {
        CSheetViewFixture::TearDown();
        ClearProfile();
    }
    void ClearProfile()
    {
        m_app.WriteProfileString("StaticCellBaseSet", nullptr, nullptr);
        m_app.WriteProfileString("CellVarBaseSet", nullptr, nullptr);
        m_app.WriteProfileString("DesignOption", "AutoVarName", nullptr);
    }
    void Mouse(UINT nMsg, UINT nFlags, CPoint ptSheet)
    {
        const CPoint pt = ClientOf(ptSheet);
        m_pView->SendMessage(nMsg, nFlags, MAKELPARAM(pt.x, pt.y));
    }
    // A click as the mouse makes it: down, then up.
    void Click(CPoint ptSheet)
    {
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, ptSheet);
        Mouse(WM_LBUTTONUP, 0, ptSheet);
    }
    CCappRange RangeAt(CPoint ptSheet) { return CSheetDefRangeFun::GetRange(*m_pSheet, ptSheet); }
    CCappCell* CellAt(CPoint ptSheet) { return CSheetDefRangeFun::GetCell(*m_pSheet, RangeAt(ptSheet)); }
    // The cell of a head or page list by text (static) or variable name.
    CCappCell* FindCell(int nKind, const char* pszName)
    {
        for (CObList* pList : {&m_pSheet->m_HeadCellList, &m_pSheet->m_PageCellList}) {
            for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
                auto* pCell = static_cast<CCappCell*>(pList->GetNext(pos));
                const CString& strName = nKind == CCappCell::kindStatic ? pCell->m_strText : pCell->m_strVarName;
                if (pCell->m_nContentKind == nKind && strName == pszName) {
                    return pCell;
                }
            }
        }
        return nullptr;
    }
    CPoint CentreOf(const CCappCell* pCell) { return m_pSheet->GetCellRect(pCell).CenterPoint(); }
    // Empty head ranges outside detail areas, scanned row by row.
    std::vector<CCappRange> EmptyRanges()
    {
        std::vector<CCappRange> ranges;
        const CRect& rcFrame = m_pSheet->m_rcFrame;
        for (int y = rcFrame.top + 5; y < rcFrame.bottom; y += 20) {
            for (int x = rcFrame.left + 5; x < rcFrame.right; x += 20) {
                const CCappRange range = RangeAt(CPoint(x, y));
                if (CSheetDefRangeFun::IsEmpty(range) || CSheetDefRangeFun::GetCell(*m_pSheet, range) != nullptr ||
                    CSheetDefRangeFun::GetMidData(*m_pSheet, range.m_rect.CenterPoint()) != nullptr) {
                    continue;
                }
                BOOL bSeen = FALSE;
                for (const CCappRange& seen : ranges) {
                    bSeen = bSeen || seen.m_rect == range.m_rect;
                }
                if (!bSeen) {
                    ranges.push_back(range);
                }
            }
        }
        return ranges;
    }
    // Empty head ranges, made by taking the head cells out of them when too few are empty.
    std::vector<CCappRange> FreeRanges(size_t nCount)
    {
        std::vector<CCappRange> ranges = EmptyRanges();
        for (POSITION pos = m_pSheet->m_HeadCellList.GetHeadPosition(); pos != nullptr && ranges.size() < nCount;) {
            auto* pCell = static_cast<CCappCell*>(m_pSheet->m_HeadCellList.GetNext(pos));
            const CCappRange range = RangeAt(CentreOf(pCell));
            if (CSheetDefRangeFun::GetCell(*m_pSheet, range) == pCell &&
                CSheetDefRangeFun::GetMidData(*m_pSheet, range.m_rect.CenterPoint()) == nullptr) {
                CSheetDefRangeFun::RemoveCell(*m_pSheet, pCell);
                ranges.push_back(range);
            }
        }
        return ranges;
    }
};
