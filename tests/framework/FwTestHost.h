// A parent window for the list and tree tests: records the notifications its child sends and
// answers them as a test asks.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win/Wnd.h"

class CFwTestHost : public CWnd
{
public:
    struct Note
    {
        UINT nCode;
        HTREEITEM hOld;      // tree notifications: the old item
        HTREEITEM hNew;      // the new item (or the item of expand, delete and edit notifications)
        UINT nAction;        // the tree's action or expand code
        int nItem;           // list notifications: the item
        std::string strText; // label edit end: the new text ("(null)" when cancelled)
    };

    BOOL CreateHost(int cx = 320, int cy = 240)
    {
        return CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, cx, cy, nullptr, nullptr);
    }

    // Codes only, in order.
    std::vector<UINT> Codes() const
    {
        std::vector<UINT> codes;
        for (const Note& note : m_notes) {
            codes.push_back(note.nCode);
        }
        return codes;
    }
    int Count(UINT nCode) const
    {
        int n = 0;
        for (const Note& note : m_notes) {
            n += note.nCode == nCode ? 1 : 0;
        }
        return n;
    }

    std::vector<Note> m_notes;
    // Answers by notification code; a handler may act (insert children) before answering.
    std::map<UINT, LRESULT> m_answers;
    std::map<UINT, std::function<void(NMHDR*)>> m_handlers;
    // The text LVN_GETDISPINFO and TVN_GETDISPINFO give.
    std::string m_strDispText = "callback";

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
        const UINT nCode = pHdr->code;
        Note note = {nCode, nullptr, nullptr, 0, -1, ""};
        switch (nCode) {
        case TVN_SELCHANGINGA:
        case TVN_SELCHANGEDA:
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDEDA:
        case TVN_DELETEITEMA:
        case TVN_BEGINDRAGA: {
            const NMTREEVIEWA* pTv = reinterpret_cast<const NMTREEVIEWA*>(pHdr);
            note.hOld = pTv->itemOld.hItem;
            note.hNew = pTv->itemNew.hItem;
            note.nAction = pTv->action;
            break;
        }
        case TVN_GETDISPINFOA: {
            NMTVDISPINFOA* pInfo = reinterpret_cast<NMTVDISPINFOA*>(pHdr);
            if ((pInfo->item.mask & TVIF_TEXT) && pInfo->item.pszText != nullptr) {
                lstrcpynA(pInfo->item.pszText, m_strDispText.c_str(), pInfo->item.cchTextMax);
            }
            if (pInfo->item.mask & TVIF_CHILDREN) {
                pInfo->item.cChildren = 1;
            }
            note.hNew = pInfo->item.hItem;
            break;
        }
        case TVN_ENDLABELEDITA: {
            const NMTVDISPINFOA* pInfo = reinterpret_cast<const NMTVDISPINFOA*>(pHdr);
            note.hNew = pInfo->item.hItem;
            note.strText = pInfo->item.pszText != nullptr ? pInfo->item.pszText : "(null)";
            break;
        }
        case LVN_GETDISPINFOA: {
            NMLVDISPINFOA* pInfo = reinterpret_cast<NMLVDISPINFOA*>(pHdr);
            if ((pInfo->item.mask & LVIF_TEXT) && pInfo->item.pszText != nullptr) {
                lstrcpynA(pInfo->item.pszText, m_strDispText.c_str(), pInfo->item.cchTextMax);
            }
            note.nItem = pInfo->item.iItem;
            break;
        }
        case LVN_BEGINLABELEDITA:
        case LVN_ENDLABELEDITA: {
            const NMLVDISPINFOA* pInfo = reinterpret_cast<const NMLVDISPINFOA*>(pHdr);
            note.nItem = pInfo->item.iItem;
            note.strText = pInfo->item.pszText != nullptr ? pInfo->item.pszText : "(null)";
            break;
        }
        case LVN_DELETEITEM: {
            note.nItem = reinterpret_cast<const NMLISTVIEW*>(pHdr)->iItem;
            break;
        }
        default:
            break;
        }
        m_notes.push_back(note);
        auto handler = m_handlers.find(nCode);
        if (handler != m_handlers.end()) {
            handler->second(pHdr);
        }
        auto answer = m_answers.find(nCode);
        *pResult = answer != m_answers.end() ? answer->second : 0;
        return TRUE;
    }
};
