#include "designer/script/CodeTextClipboard.h"

#include <cstring>

#include "common/KvClipboard.h"
#include "platform/base/FxClipboard.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"

BOOL CCodeTextClipboard::HasText()
{
    return ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CCodeTextClipboard::WriteText(HWND hWndOwner, const CString& strText)
{
    HCURSOR hOld = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    BOOL bDone = FALSE;
    CFxClipboard clipboard(hWndOwner);
    if (clipboard.IsOpen()) {
        ::EmptyClipboard();
        const SIZE_T cb = static_cast<SIZE_T>(strText.GetLength()) + 1;
        CFxGlobalMem mem;
        BOOL bFilled = FALSE;
        if (mem.Alloc(GMEM_MOVEABLE, cb)) {
            CFxGlobalLock lock(mem);
            if (lock.GetData() != nullptr) {
                memcpy(lock.GetData(), static_cast<LPCSTR>(strText), cb);
                bFilled = TRUE;
            }
        }
        // The clipboard owns the memory once it is accepted.
        if (bFilled && ::SetClipboardData(CF_TEXT, mem) != nullptr) {
            mem.Detach();
            bDone = TRUE;
        }
    }
    ::SetCursor(hOld);
    return bDone;
}

BOOL CCodeTextClipboard::ReadText(HWND hWndOwner, CString& strText)
{
    strText.Empty();
    return CKvClipboard::GetText(strText, hWndOwner);
}
