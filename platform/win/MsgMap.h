// Message maps as data: a table of entries per class, each naming a short handler, chained to the
// base class's table. The macros keep the handler's signature checked at compile time.
#pragma once

#include "platform/base/FxExport.h"

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CPoint;

typedef void (CCmdTarget::*FX_PMSG)();

// How a handler is called: the signature the entry was checked against.
enum FxSig : int {
    FxSig_end = 0,
    FxSig_vv,      // void ()                          commands, notifications, WM_DESTROY, WM_PAINT, WM_CLOSE
    FxSig_iCreate, // int (LPCREATESTRUCT)             WM_CREATE
    FxSig_vwii,    // void (UINT, int, int)            WM_SIZE
    FxSig_vTimer,  // void (UINT_PTR)                  WM_TIMER
    FxSig_vHwnd,   // void (CWnd*)                     WM_SETFOCUS, WM_KILLFOCUS
    FxSig_vwww,    // void (UINT, UINT, UINT)          WM_KEYDOWN, WM_KEYUP, WM_CHAR
    FxSig_vwp,     // void (UINT, CPoint)              mouse messages (key flags, client position)
    FxSig_bDC,     // BOOL (CDC*)                      WM_ERASEBKGND
    FxSig_lwl,     // LRESULT (WPARAM, LPARAM)         any message
    FxSig_vNotify, // void (NMHDR*, LRESULT*)          WM_NOTIFY from one control
    FxSig_vRange,  // void (UINT nID)                  commands over a range of ids
    FxSig_vCmdUI,  // void (CCmdUI*)                   command-UI updates
    FxSig_vDis,    // void (int, LPDRAWITEMSTRUCT)     WM_DRAWITEM
    FxSig_vMis,    // void (int, LPMEASUREITEMSTRUCT)  WM_MEASUREITEM
};

struct FX_MSGMAP_ENTRY
{
    UINT nMessage; // WM_ message; WM_COMMAND and WM_NOTIFY entries also match nCode and the id range
    UINT nCode;
    UINT nID;
    UINT nLastID;
    int nSig;
    FX_PMSG pfn;
};

struct FX_MSGMAP
{
    const FX_MSGMAP* (*pfnGetBaseMap)();
    const FX_MSGMAP_ENTRY* lpEntries;
};

#define FX_DECLARE_MESSAGE_MAP()                                                                                       \
protected:                                                                                                             \
    static const FX_MSGMAP* GetThisMessageMap();                                                                       \
    const FX_MSGMAP* GetMessageMap() const override;                                                                   \
                                                                                                                       \
private:

// The entries store every handler as FX_PMSG: the casts are the point, not a mistake.
#define FX_BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                      \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wcast-function-type\"") const FX_MSGMAP*         \
    theClass::GetMessageMap() const                                                                                    \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const FX_MSGMAP* theClass::GetThisMessageMap()                                                                     \
    {                                                                                                                  \
        [[maybe_unused]] typedef theClass ThisClass;                                                                   \
        typedef baseClass TheBaseClass;                                                                                \
        static const FX_MSGMAP_ENTRY entries[] = {

#define FX_END_MESSAGE_MAP()                                                                                           \
    {                                                                                                                  \
        0, 0, 0, 0, FxSig_end, nullptr                                                                                 \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const FX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &entries[0]};                               \
    return &messageMap;                                                                                                \
    }                                                                                                                  \
    _Pragma("GCC diagnostic pop")

// Casts that check the handler's signature against the base class's, then store it untyped; the
// dispatcher casts back to the same type (a defined round trip for member pointers).
#define FX_CMD_PFN(fn) reinterpret_cast<FX_PMSG>(static_cast<void (CCmdTarget::*)()>(&ThisClass::fn))
#define FX_WND_PFN(type, fn) reinterpret_cast<FX_PMSG>(static_cast<type>(&ThisClass::fn))

// Commands and control notifications (WM_COMMAND).
#define FX_ON_COMMAND(id, fn) {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), FxSig_vv, FX_CMD_PFN(fn)},
#define FX_ON_CONTROL(code, id, fn)                                                                                    \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), FxSig_vv, FX_CMD_PFN(fn)},
#define FX_ON_COMMAND_RANGE(id, idLast, fn)                                                                            \
    {WM_COMMAND,                                                                                                       \
     0,                                                                                                                \
     static_cast<UINT>(id),                                                                                            \
     static_cast<UINT>(idLast),                                                                                        \
     FxSig_vRange,                                                                                                     \
     reinterpret_cast<FX_PMSG>(static_cast<void (CCmdTarget::*)(UINT)>(&ThisClass::fn))},
#define FX_ON_BN_CLICKED(id, fn) FX_ON_CONTROL(BN_CLICKED, id, fn)
#define FX_ON_BN_DOUBLECLICKED(id, fn) FX_ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define FX_ON_EN_CHANGE(id, fn) FX_ON_CONTROL(EN_CHANGE, id, fn)
#define FX_ON_EN_KILLFOCUS(id, fn) FX_ON_CONTROL(EN_KILLFOCUS, id, fn)
#define FX_ON_EN_SETFOCUS(id, fn) FX_ON_CONTROL(EN_SETFOCUS, id, fn)
#define FX_ON_CBN_SELCHANGE(id, fn) FX_ON_CONTROL(CBN_SELCHANGE, id, fn)
#define FX_ON_CBN_EDITCHANGE(id, fn) FX_ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define FX_ON_CBN_DROPDOWN(id, fn) FX_ON_CONTROL(CBN_DROPDOWN, id, fn)
#define FX_ON_LBN_SELCHANGE(id, fn) FX_ON_CONTROL(LBN_SELCHANGE, id, fn)
#define FX_ON_LBN_DBLCLK(id, fn) FX_ON_CONTROL(LBN_DBLCLK, id, fn)

// The code OnCmdMsg gets for a command (menu, accelerator, button) and for a command-UI update
// (pExtra the CCmdUI*); the latter lies outside the 16-bit range of WM_COMMAND codes.
#define FX_CN_COMMAND 0
#define FX_CN_UPDATE_COMMAND_UI 0x10000

// Command-UI updates: void fn(CCmdUI*), for one id or a range (the CCmdUI tells which).
#define FX_ON_UPDATE_COMMAND_UI_RANGE(id, idLast, fn)                                                                  \
    {WM_COMMAND,                                                                                                       \
     FX_CN_UPDATE_COMMAND_UI,                                                                                          \
     static_cast<UINT>(id),                                                                                            \
     static_cast<UINT>(idLast),                                                                                        \
     FxSig_vCmdUI,                                                                                                     \
     reinterpret_cast<FX_PMSG>(static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::fn))},
#define FX_ON_UPDATE_COMMAND_UI(id, fn) FX_ON_UPDATE_COMMAND_UI_RANGE(id, id, fn)

// Notifications from one control (WM_NOTIFY): void fn(NMHDR*, LRESULT*).
#define FX_ON_NOTIFY(code, id, fn)                                                                                     \
    {WM_NOTIFY,                                                                                                        \
     static_cast<UINT>(code),                                                                                          \
     static_cast<UINT>(id),                                                                                            \
     static_cast<UINT>(id),                                                                                            \
     FxSig_vNotify,                                                                                                    \
     reinterpret_cast<FX_PMSG>(static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::fn))},

// Window messages, handled by the CWnd virtuals of the same name. CWnd's map lists each of them,
// so a derived class needs no entry: overriding the virtual is enough.
#define FX_ON_WM_CREATE() {WM_CREATE, 0, 0, 0, FxSig_iCreate, FX_WND_PFN(int(CWnd::*)(LPCREATESTRUCT), OnCreate)},
#define FX_ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, FxSig_vv, FX_WND_PFN(void(CWnd::*)(), OnDestroy)},
#define FX_ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, FxSig_vv, FX_WND_PFN(void(CWnd::*)(), OnClose)},
#define FX_ON_WM_PAINT() {WM_PAINT, 0, 0, 0, FxSig_vv, FX_WND_PFN(void(CWnd::*)(), OnPaint)},
#define FX_ON_WM_SIZE() {WM_SIZE, 0, 0, 0, FxSig_vwii, FX_WND_PFN(void(CWnd::*)(UINT, int, int), OnSize)},
#define FX_ON_WM_TIMER() {WM_TIMER, 0, 0, 0, FxSig_vTimer, FX_WND_PFN(void(CWnd::*)(UINT_PTR), OnTimer)},
#define FX_ON_WM_SETFOCUS() {WM_SETFOCUS, 0, 0, 0, FxSig_vHwnd, FX_WND_PFN(void(CWnd::*)(CWnd*), OnSetFocus)},
#define FX_ON_WM_KILLFOCUS() {WM_KILLFOCUS, 0, 0, 0, FxSig_vHwnd, FX_WND_PFN(void(CWnd::*)(CWnd*), OnKillFocus)},
#define FX_ON_WM_KEYDOWN() {WM_KEYDOWN, 0, 0, 0, FxSig_vwww, FX_WND_PFN(void(CWnd::*)(UINT, UINT, UINT), OnKeyDown)},
#define FX_ON_WM_KEYUP() {WM_KEYUP, 0, 0, 0, FxSig_vwww, FX_WND_PFN(void(CWnd::*)(UINT, UINT, UINT), OnKeyUp)},
#define FX_ON_WM_CHAR() {WM_CHAR, 0, 0, 0, FxSig_vwww, FX_WND_PFN(void(CWnd::*)(UINT, UINT, UINT), OnChar)},
#define FX_ON_WM_ERASEBKGND() {WM_ERASEBKGND, 0, 0, 0, FxSig_bDC, FX_WND_PFN(BOOL(CWnd::*)(CDC*), OnEraseBkgnd)},
#define FX_ON_WM_DRAWITEM()                                                                                            \
    {WM_DRAWITEM, 0, 0, 0, FxSig_vDis, FX_WND_PFN(void(CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)},
#define FX_ON_WM_MEASUREITEM()                                                                                         \
    {WM_MEASUREITEM, 0, 0, 0, FxSig_vMis, FX_WND_PFN(void(CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)},
#define FX_ON_WM_MOUSE_(msg, fn) {msg, 0, 0, 0, FxSig_vwp, FX_WND_PFN(void(CWnd::*)(UINT, CPoint), fn)},
#define FX_ON_WM_LBUTTONDOWN() FX_ON_WM_MOUSE_(WM_LBUTTONDOWN, OnLButtonDown)
#define FX_ON_WM_LBUTTONUP() FX_ON_WM_MOUSE_(WM_LBUTTONUP, OnLButtonUp)
#define FX_ON_WM_LBUTTONDBLCLK() FX_ON_WM_MOUSE_(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define FX_ON_WM_RBUTTONDOWN() FX_ON_WM_MOUSE_(WM_RBUTTONDOWN, OnRButtonDown)
#define FX_ON_WM_RBUTTONUP() FX_ON_WM_MOUSE_(WM_RBUTTONUP, OnRButtonUp)
#define FX_ON_WM_MOUSEMOVE() FX_ON_WM_MOUSE_(WM_MOUSEMOVE, OnMouseMove)

// Any message: LRESULT fn(WPARAM, LPARAM).
#define FX_ON_MESSAGE(msg, fn)                                                                                         \
    {static_cast<UINT>(msg), 0, 0, 0, FxSig_lwl, FX_WND_PFN(LRESULT(CWnd::*)(WPARAM, LPARAM), fn)},
