#include "tests/symbols/DialogPictureCheck.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/support/PngFile.h"
#include "tests/support/UiDriver.h"

#include <commctrl.h>

namespace
{
// Pixels of rc that are neither the dialog face nor white: text, lines and pictures.
int CountInk(const PngImage& image, const RECT& rc)
{
    COLORREF crFace = GetSysColor(COLOR_BTNFACE);
    int nInk = 0;
    for (int y = std::max(0L, rc.top); y < std::min(static_cast<LONG>(image.cy), rc.bottom); ++y) {
        for (int x = std::max(0L, rc.left); x < std::min(static_cast<LONG>(image.cx), rc.right); ++x) {
            DWORD dw = image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.cx) + static_cast<size_t>(x)];
            COLORREF cr = RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
            if (cr != crFace && cr != RGB(255, 255, 255)) {
                ++nInk;
            }
        }
    }
    return nInk;
}

// Whether the control should show ink inside its border: a picture, or any text it holds.
bool ShowsSomething(HWND hCtrl)
{
    char szClass[64] = {};
    GetClassNameA(hCtrl, szClass, sizeof(szClass));
    LONG_PTR lStyle = GetWindowLongPtrA(hCtrl, GWL_STYLE);
    if (lstrcmpiA(szClass, "Static") == 0 && (lStyle & SS_TYPEMASK) == SS_BITMAP) {
        return true;
    }
    if (lstrcmpiA(szClass, "Button") == 0 && (lStyle & BS_TYPEMASK) == BS_OWNERDRAW) {
        return true;
    }
    if (lstrcmpiA(szClass, "SysListView32") == 0) {
        return SendMessageA(hCtrl, LVM_GETITEMCOUNT, 0, 0) > 0;
    }
    return GetWindowTextLengthA(hCtrl) > 0;
}

} // namespace

void ExpectPictureShowsItsControls(CTestDlg& d, const char* pszName)
{
    ASSERT_TRUE(d.SavePicture(pszName));
    PngImage image;
    ASSERT_TRUE(LoadPng(TestImagePath(pszName).c_str(), image));
    RECT rcWnd = {};
    GetWindowRect(d.GetHwnd(), &rcWnd);
    ASSERT_EQ(rcWnd.right - rcWnd.left, image.cx);
    ASSERT_EQ(rcWnd.bottom - rcWnd.top, image.cy);
    int nChecked = 0;
    for (HWND hCtrl = GetWindow(d.GetHwnd(), GW_CHILD); hCtrl != nullptr; hCtrl = GetWindow(hCtrl, GW_HWNDNEXT)) {
        if (!IsWindowVisible(hCtrl) || !ShowsSomething(hCtrl)) {
            continue;
        }
        RECT rc = {};
        GetWindowRect(hCtrl, &rc);
        OffsetRect(&rc, -rcWnd.left, -rcWnd.top);
        // Inside the border, which is ink of its own.
        InflateRect(&rc, -3, -3);
        EXPECT_GT(CountInk(image, rc), 0) << pszName << ": control " << GetDlgCtrlID(hCtrl) << " shows nothing";
        ++nChecked;
    }
    EXPECT_GT(nChecked, 2) << pszName;
}
