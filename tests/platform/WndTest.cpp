#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/base/Firewall.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxTempMap.h"
#include "platform/win/Button.h"
#include "platform/win/Wnd.h"

namespace
{
// A window that records what its message map hands it.
class CProbeWnd : public CWnd
{
public:
    int m_nCreates = 0;
    int m_nDestroys = 0;
    UINT m_nLastCommand = 0;
    UINT m_nRangeId = 0;
    int m_nSizeX = -1;
    LRESULT OnProbe(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + static_cast<WPARAM>(lParam)); }
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override
    {
        ++m_nCreates;
        return CWnd::OnCreate(lpCreateStruct);
    }
    void OnDestroy() override
    {
        ++m_nDestroys;
        CWnd::OnDestroy();
    }
    void OnSize(UINT, int cx, int) override { m_nSizeX = cx; }
    void OnFirst() { m_nLastCommand = 1; }
    void OnRange(UINT nID) { m_nRangeId = nID; }
    void OnSelChange() { m_nLastCommand = 3; }

    FX_DECLARE_MESSAGE_MAP()
};

// Derived map: overrides one command, inherits the rest.
class CProbeChildWnd : public CProbeWnd
{
public:
    void OnFirstAgain() { m_nLastCommand = 11; }
    FX_DECLARE_MESSAGE_MAP()
};

const UINT WM_PROBE = WM_APP + 1;
const UINT WM_THROW = WM_APP + 2;

FX_BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
FX_ON_WM_CREATE()
FX_ON_WM_DESTROY()
FX_ON_WM_SIZE()
FX_ON_COMMAND(100, OnFirst)
FX_ON_COMMAND_RANGE(200, 210, OnRange)
FX_ON_CBN_SELCHANGE(300, OnSelChange)
FX_ON_MESSAGE(WM_PROBE, OnProbe)
FX_ON_MESSAGE(WM_THROW, OnThrow)
FX_END_MESSAGE_MAP()

FX_BEGIN_MESSAGE_MAP(CProbeChildWnd, CProbeWnd)
FX_ON_COMMAND(100, OnFirstAgain)
FX_END_MESSAGE_MAP()

// Overrides the handlers and lists none of them: CWnd's own map has to reach each one.
class CUnmappedOverridesWnd : public CWnd
{
public:
    std::vector<UINT> m_handled;

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override
    {
        m_handled.push_back(WM_CREATE);
        return CWnd::OnCreate(lpCreateStruct);
    }
    void OnDestroy() override { Handled(WM_DESTROY); }
    void OnClose() override { m_handled.push_back(WM_CLOSE); } // no base call: it would destroy the window
    void OnPaint() override { Handled(WM_PAINT); }
    void OnSize(UINT, int, int) override { Handled(WM_SIZE); }
    void OnTimer(UINT_PTR) override { Handled(WM_TIMER); }
    void OnSetFocus(CWnd*) override { Handled(WM_SETFOCUS); }
    void OnKillFocus(CWnd*) override { Handled(WM_KILLFOCUS); }
    void OnKeyDown(UINT, UINT, UINT) override { Handled(WM_KEYDOWN); }
    void OnKeyUp(UINT, UINT, UINT) override { Handled(WM_KEYUP); }
    void OnChar(UINT, UINT, UINT) override { Handled(WM_CHAR); }
    BOOL OnEraseBkgnd(CDC* pDC) override
    {
        m_handled.push_back(WM_ERASEBKGND);
        return CWnd::OnEraseBkgnd(pDC);
    }
    void OnLButtonDown(UINT, CPoint) override { Handled(WM_LBUTTONDOWN); }
    void OnLButtonUp(UINT, CPoint) override { Handled(WM_LBUTTONUP); }
    void OnLButtonDblClk(UINT, CPoint) override { Handled(WM_LBUTTONDBLCLK); }
    void OnRButtonDown(UINT, CPoint) override { Handled(WM_RBUTTONDOWN); }
    void OnRButtonUp(UINT, CPoint) override { Handled(WM_RBUTTONUP); }
    void OnMouseMove(UINT, CPoint) override { Handled(WM_MOUSEMOVE); }

private:
    void Handled(UINT message)
    {
        m_handled.push_back(message);
        Default();
    }
};

// A message to send, named for SCOPED_TRACE.
struct MsgCase
{
    const char* szName;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What the procedure behind a subclassed window was handed, and what it answers.
struct SeenMsg
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<SeenMsg> g_seenByPrevious;
bool g_bRecording = false;

LRESULT AnswerOf(UINT message)
{
    return static_cast<LRESULT>(0x100 + message);
}

// While recording, answers every message itself, so nothing else is sent on its behalf.
LRESULT CALLBACK RecordingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!g_bRecording) {
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
    return FxCallbackEntry("RecordingProc", 0, [&]() -> LRESULT {
        g_seenByPrevious.push_back({message, wParam, lParam});
        return AnswerOf(message);
    });
}

BOOL CreateProbe(CWnd& wnd, HWND hParent = nullptr)
{
    return wnd.CreateEx(0, nullptr, "probe", hParent != nullptr ? WS_CHILD : WS_OVERLAPPEDWINDOW, 0, 0, 100, 80,
                        hParent, nullptr);
}

// An owner-drawn button that counts its paints.
class CCountingButton : public CButton
{
public:
    int m_nDraws = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_nDraws; }
};
} // namespace

TEST(WndTest, CreateExBindsBeforeCreateAndMapsHandlers)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    EXPECT_EQ(1, wnd.m_nCreates);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(7, wnd.SendMessage(WM_PROBE, 3, 4));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0));
    EXPECT_EQ(1u, wnd.m_nLastCommand);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(205, 1)); // accelerator code reaches the command too
    EXPECT_EQ(205u, wnd.m_nRangeId);
    wnd.SendMessage(WM_SIZE, 0, MAKELPARAM(33, 44));
    EXPECT_EQ(33, wnd.m_nSizeX);
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(1, wnd.m_nDestroys);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WndTest, OverriddenHandlersAreReachedWithoutMapEntries)
{
    CUnmappedOverridesWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    ASSERT_FALSE(wnd.m_handled.empty());
    EXPECT_EQ(static_cast<UINT>(WM_CREATE), wnd.m_handled.front());

    const MsgCase cases[] = {
        {"close", WM_CLOSE, 0, 0},
        {"size", WM_SIZE, SIZE_RESTORED, MAKELPARAM(30, 40)},
        {"timer", WM_TIMER, 5, 0},
        {"set focus", WM_SETFOCUS, 0, 0},
        {"kill focus", WM_KILLFOCUS, 0, 0},
        {"key down", WM_KEYDOWN, 'A', 1},
        {"key up", WM_KEYUP, 'A', 1},
        {"character", WM_CHAR, 'a', 1},
        {"left button down", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4)},
        {"left button up", WM_LBUTTONUP, 0, MAKELPARAM(3, 4)},
        {"left double click", WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 4)},
        {"right button down", WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4)},
        {"right button up", WM_RBUTTONUP, 0, MAKELPARAM(3, 4)},
        {"mouse move", WM_MOUSEMOVE, 0, MAKELPARAM(5, 6)},
    };
    for (const MsgCase& c : cases) {
        SCOPED_TRACE(c.szName);
        wnd.m_handled.clear();
        wnd.SendMessage(c.message, c.wParam, c.lParam);
        ASSERT_EQ(1u, wnd.m_handled.size());
        EXPECT_EQ(c.message, wnd.m_handled[0]);
    }

    // A real paint: the update region is erased and painted through the overrides.
    wnd.m_handled.clear();
    wnd.ShowWindow(SW_SHOWNA);
    wnd.Invalidate(TRUE);
    wnd.UpdateWindow();
    EXPECT_NE(wnd.m_handled.end(), std::find(wnd.m_handled.begin(), wnd.m_handled.end(), WM_PAINT));

    wnd.m_handled.clear();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_NE(wnd.m_handled.end(), std::find(wnd.m_handled.begin(), wnd.m_handled.end(), WM_DESTROY));
}

TEST(WndTest, BaseHandlersPassTheOriginalMessageToThePreviousProcedure)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VornRecordingWnd";
    RegisterClassA(&wc);
    HWND hWnd = CreateWindowExA(0, "VornRecordingWnd", "", WS_OVERLAPPED, 0, 0, 60, 40, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hWnd);
    CDC dcMem;
    ASSERT_TRUE(dcMem.CreateCompatibleDC(nullptr));
    HDC hdcMem = dcMem.GetSafeHdc();
    CWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hWnd));

    const MsgCase cases[] = {
        {"create", WM_CREATE, 0, 0},
        {"destroy", WM_DESTROY, 0, 0},
        {"close", WM_CLOSE, 0, 0},
        {"paint", WM_PAINT, 0, 0},
        {"size, both halves kept", WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480)},
        {"timer with its procedure word", WM_TIMER, 42, 0x1234},
        {"set focus from another window", WM_SETFOCUS, reinterpret_cast<WPARAM>(GetDesktopWindow()), 0},
        {"kill focus", WM_KILLFOCUS, 0, 0},
        {"key down with repeat and flags", WM_KEYDOWN, VK_F2, 0x003C0003},
        {"key up", WM_KEYUP, VK_F2, static_cast<LPARAM>(0xC03C0001u)},
        {"character", WM_CHAR, 0xD5, 0x00210001},
        {"erase with a DC", WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdcMem), 0},
        {"left button down left of the client", WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 7)},
        {"left button up", WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(8, -9)},
        {"left double click", WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 2)},
        {"right button down", WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4)},
        {"right button up", WM_RBUTTONUP, 0, MAKELPARAM(5, 6)},
        {"mouse move", WM_MOUSEMOVE, MK_MBUTTON, MAKELPARAM(32767, 1)},
    };
    for (const MsgCase& c : cases) {
        SCOPED_TRACE(c.szName);
        g_seenByPrevious.clear();
        g_bRecording = true;
        LRESULT lResult = wnd.SendMessage(c.message, c.wParam, c.lParam);
        g_bRecording = false;
        EXPECT_EQ(AnswerOf(c.message), lResult);
        ASSERT_EQ(1u, g_seenByPrevious.size());
        EXPECT_EQ(c.message, g_seenByPrevious[0].message);
        EXPECT_EQ(c.wParam, g_seenByPrevious[0].wParam);
        EXPECT_EQ(c.lParam, g_seenByPrevious[0].lParam);
    }
    wnd.UnsubclassWindow();
    DestroyWindow(hWnd);
}

TEST(WndTest, NotificationCodeOneFromAControlIsNotAnAccelerator)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    HWND hCombo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 40, 80, wnd.m_hWnd,
                                  reinterpret_cast<HMENU>(300), nullptr, nullptr);
    ASSERT_NE(nullptr, hCombo);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(300, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
    EXPECT_EQ(3u, wnd.m_nLastCommand);
    // Code 1 without a control is the accelerator of command 100.
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(100, 1));
    EXPECT_EQ(1u, wnd.m_nLastCommand);
}

TEST(WndTest, DerivedMapOverridesAndInheritsEntries)
{
    CProbeChildWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0));
    EXPECT_EQ(11u, wnd.m_nLastCommand);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(210, 0));
    EXPECT_EQ(210u, wnd.m_nRangeId);
    EXPECT_EQ(0, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(211, 0)));
    EXPECT_EQ(210u, wnd.m_nRangeId);
}

TEST(WndTest, ExceptionInHandlerStopsAtTheWindowProcedure)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    EXPECT_EQ(0, wnd.SendMessage(WM_THROW));
    EXPECT_NE(-1, FxTakeReportedExceptions().Find("handler failed"));
    EXPECT_EQ(5, wnd.SendMessage(WM_PROBE, 2, 3));
}

TEST(WndTest, DestructorUnhooksBeforeDestroying)
{
    HWND hWnd = nullptr;
    int nDestroysSeen = 0;
    {
        CProbeWnd wnd;
        ASSERT_TRUE(CreateProbe(wnd));
        hWnd = wnd.m_hWnd;
        nDestroysSeen = wnd.m_nDestroys;
    }
    // The window is gone and no handler of the destroyed object ran during its destruction.
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(0, nDestroysSeen);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WndTest, SubclassedControlRoutesThroughItsObjectAndReflectsDrawItem)
{
    CProbeWnd parent;
    ASSERT_TRUE(CreateProbe(parent));
    HWND hButton = CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 40, 20, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(300), nullptr, nullptr);
    ASSERT_NE(nullptr, hButton);
    CCountingButton button;
    ASSERT_TRUE(button.SubclassDlgItem(300, &parent));
    EXPECT_EQ(&button, CWnd::FromHandlePermanent(hButton));

    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 300;
    dis.hwndItem = hButton;
    EXPECT_EQ(TRUE, parent.SendMessage(WM_DRAWITEM, 300, reinterpret_cast<LPARAM>(&dis)));
    EXPECT_EQ(1, button.m_nDraws);

    EXPECT_EQ(hButton, button.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hButton));
    EXPECT_TRUE(IsWindow(hButton));

    // A wrapper that only subclassed a window gives it back to its creator when it goes.
    WNDPROC pfnButton = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hButton, GWLP_WNDPROC));
    {
        CCountingButton other;
        ASSERT_TRUE(other.SubclassWindow(hButton));
        EXPECT_NE(reinterpret_cast<LONG_PTR>(pfnButton), GetWindowLongPtrA(hButton, GWLP_WNDPROC));
    }
    EXPECT_TRUE(IsWindow(hButton));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hButton));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(pfnButton), GetWindowLongPtrA(hButton, GWLP_WNDPROC));
}

namespace
{
WNDPROC g_pfnBelowOuter = nullptr;
int g_nOuterCalls = 0;
LRESULT CALLBACK OuterSubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ++g_nOuterCalls;
    return ::CallWindowProcA(g_pfnBelowOuter, hWnd, message, wParam, lParam);
}
} // namespace

TEST(WndTest, LettingGoUnderAnotherSubclassKeepsTheControlWorkingAndCanSubclassAgain)
{
    CProbeWnd parent;
    ASSERT_TRUE(CreateProbe(parent));
    HWND hCheck = CreateWindowExA(0, "BUTTON", "c", WS_CHILD | BS_CHECKBOX, 0, 0, 40, 20, parent.m_hWnd,
                                  reinterpret_cast<HMENU>(301), nullptr, nullptr);
    ASSERT_NE(nullptr, hCheck);
    CCountingButton first;
    ASSERT_TRUE(first.SubclassWindow(hCheck));
    // A tool tip or another library subclasses on top of ours, then ours lets go.
    g_nOuterCalls = 0;
    g_pfnBelowOuter = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hCheck, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OuterSubclassProc)));
    first.UnsubclassWindow();
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hCheck));

    // The button still behaves as a button, not as a plain default window.
    ::SendMessageA(hCheck, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(hCheck, BM_GETCHECK, 0, 0));

    // Subclassing again works through the same chain, without calling itself round.
    CCountingButton second;
    ASSERT_TRUE(second.SubclassWindow(hCheck));
    EXPECT_EQ(&second, CWnd::FromHandlePermanent(hCheck));
    g_nOuterCalls = 0;
    ::SendMessageA(hCheck, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(BST_UNCHECKED, ::SendMessageA(hCheck, BM_GETCHECK, 0, 0));
    EXPECT_LE(2, g_nOuterCalls);
    second.UnsubclassWindow();
    ::DestroyWindow(hCheck);
}

TEST(WndTest, TemporaryWrappersNeverDestroyTheirWindowAndTheCleanUpKeepsOwners)
{
    CProbeWnd parent;
    ASSERT_TRUE(CreateProbe(parent));
    HWND hEdit = CreateWindowExA(0, "EDIT", "abc", WS_CHILD, 0, 0, 40, 20, parent.m_hWnd, reinterpret_cast<HMENU>(301),
                                 nullptr, nullptr);
    CWnd* pTemp = parent.GetDlgItem(301);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, parent.GetDlgItem(301));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    CString strText;
    pTemp->GetWindowText(strText);
    EXPECT_STREQ("abc", strText);
    EXPECT_EQ(&parent, pTemp->GetParent()) << "the owner, not a temporary";
    EXPECT_EQ(&parent, CWnd::FromHandle(parent.m_hWnd));
    FxDeleteTempMaps();
    EXPECT_TRUE(IsWindow(hEdit));
    EXPECT_EQ(&parent, CWnd::FromHandlePermanent(parent.m_hWnd)) << "the clean-up keeps owners";
    EXPECT_EQ(7, parent.SendMessage(WM_PROBE, 3, 4));
    EXPECT_EQ(nullptr, parent.GetDlgItem(999));
}

TEST(WndTest, TextStylesAndTimersGoThroughWin32)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    wnd.SetWindowText("加框字符串");
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_STREQ("加框字符串", strText);
    EXPECT_TRUE(wnd.ModifyStyle(0, WS_DISABLED));
    EXPECT_FALSE(wnd.IsWindowEnabled());
    EXPECT_FALSE(wnd.ModifyStyle(0, WS_DISABLED));
    wnd.EnableWindow(TRUE);
    EXPECT_TRUE(wnd.IsWindowEnabled());
    EXPECT_EQ(7u, wnd.SetTimer(7, 1000));
    EXPECT_TRUE(wnd.KillTimer(7));
    RECT rc = {};
    wnd.MoveWindow(10, 20, 120, 90);
    wnd.GetWindowRect(&rc);
    EXPECT_EQ(120, rc.right - rc.left);
}
