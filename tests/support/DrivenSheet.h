// A property sheet run modally as the product runs it, that hands itself to the test once its
// modal loop runs: the test drives its pages and presses its buttons from inside that loop.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "platform/win/PropertySheet.h"
#include "tests/support/UiDriver.h"

// TSelf is the test's own class, the type the drive function is given.
template <class TSheet, class TSelf> class CTestDrivenSheet : public TSheet
{
public:
    typedef std::function<void(TSelf&)> Drive;

    template <class... Args> explicit CTestDrivenSheet(Args&&... args) : TSheet(std::forward<Args>(args)...) {}

    void SetDrive(Drive fnDrive) { m_fnDrive = std::move(fnDrive); }

    BOOL OnInitDialog() override
    {
        TSheet::OnInitDialog();
        this->PostMessage(kDrive);
        return TRUE;
    }

    // Makes a page current (a sheet creates a page when it is first shown) and hands it out as a
    // dialog to drive.
    CTestDlg Page(int nPage)
    {
        this->SetActivePage(nPage);
        return CTestDlg(this->GetPage(nPage));
    }

    void PressButton(int nID) { ::SendMessageA(::GetDlgItem(this->m_hWnd, nID), BM_CLICK, 0, 0); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != kDrive) {
            return TSheet::WindowProc(message, wParam, lParam);
        }
        // Taken first: the drive may close the sheet, and runs once.
        Drive fn = std::move(m_fnDrive);
        m_fnDrive = nullptr;
        if (fn) {
            fn(static_cast<TSelf&>(*this));
        }
        return 0;
    }

private:
    static constexpr UINT kDrive = WM_APP + 43;
    Drive m_fnDrive;
};
