#include "platform/win/AnimateCtrl.h"

#include <commctrl.h>

#include "platform/base/FxResMgr.h"

FX_IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)

BOOL CAnimateCtrl::Open(UINT nID)
{
    LPCSTR pszName = MAKEINTRESOURCEA(nID);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszName, "AVI");
    if (hInst == nullptr) {
        return FALSE;
    }
    return static_cast<BOOL>(
        SendMessage(ACM_OPENA, reinterpret_cast<WPARAM>(hInst), reinterpret_cast<LPARAM>(pszName)));
}

BOOL CAnimateCtrl::Play(UINT nFrom, UINT nTo, UINT nRepeat)
{
    return static_cast<BOOL>(SendMessage(ACM_PLAY, static_cast<WPARAM>(nRepeat), MAKELPARAM(nFrom, nTo)));
}

BOOL CAnimateCtrl::Stop()
{
    return static_cast<BOOL>(SendMessage(ACM_STOP));
}

BOOL CAnimateCtrl::Close()
{
    return static_cast<BOOL>(SendMessage(ACM_OPENA));
}
