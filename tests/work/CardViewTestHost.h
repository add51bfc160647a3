// A host program's side of the card view in a test: a frame that holds the view as its child, a
// card file object over a work directory with the bundled templates, and a record of the
// notices the view sends.
#pragma once

#include <string>
#include <vector>

#include "core/CappCell.h"
#include "core/CappObj.h"
#include "core/CappSheet.h"
#include "platform/frame/FrameWnd.h"
#include "platform/win/MsgMap.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"
#include "work/CappCardView.h"

struct CardViewNotice
{
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
    std::string strText; // the variable name of 0x516
    bool operator==(const CardViewNotice&) const = default;
};

class CCardViewTestFrame : public CFrameWnd
{
public:
    std::vector<CardViewNotice> m_notices;

    // The page notices (page count, current page), in order.
    std::vector<std::pair<int, int>> PageNotices() const
    {
        std::vector<std::pair<int, int>> pages;
        for (const CardViewNotice& n : m_notices) {
            if (n.nMessage == CCappCardView::msgPageChanged) {
                pages.emplace_back(static_cast<int>(n.wParam), static_cast<int>(n.lParam));
            }
        }
        return pages;
    }

protected:
    LRESULT OnPageChanged(WPARAM wParam, LPARAM lParam)
    {
        m_notices.push_back({CCappCardView::msgPageChanged, wParam, lParam, {}});
        return 0;
    }
    LRESULT OnSelChanged(WPARAM wParam, LPARAM lParam)
    {
        m_notices.push_back({CCappCardView::msgSelChanged, wParam, lParam, {}});
        return 0;
    }
    LRESULT OnVarChanged(WPARAM wParam, LPARAM lParam)
    {
        // The name is the view's: copy it before it goes.
        const auto* pName = reinterpret_cast<const CString*>(lParam);
        m_notices.push_back({CCappCardView::msgVarChanged, wParam, 0, pName != nullptr ? pName->GetString() : ""});
        return 0;
    }

    FX_DECLARE_MESSAGE_MAP()
};

// The bundled templates copied into a card work directory "<temp>\card".
class CCardViewTestHost
{
public:
    static constexpr const char* kMasterName = "ProcessCard";

    CCardViewTestHost()
    {
        m_obj.m_strBaseDir = m_folder.GetPath();
        m_obj.m_strWorkName = "card";
        m_obj.m_bKeepWorkDir = 1;
        m_obj.m_strMastCard = kMasterName;
        ::CreateDirectoryA(m_obj.GetCpoWorkDir(), nullptr);
        for (const char* pszName : {"ProcessCard", "ProcessCardNext"}) {
            const CString strFrom =
                TestDataPath("..\\..\\..\\samples\\workdir\\Template\\") + CString(pszName) + ".znt";
            ::CopyFileA(strFrom, m_obj.GetCpoWorkDir() + "\\" + pszName + ".znt", FALSE);
        }
    }
    ~CCardViewTestHost() { Close(); }
    CCardViewTestHost(const CCardViewTestHost&) = delete;
    CCardViewTestHost& operator=(const CCardViewTestHost&) = delete;

    // The frame and its view, in the host's calling order: the view's window, the card file
    // object, the load, the initial update. bLoad false leaves the view without a card. pView: a
    // view of a derived class, made with new, to use instead of a plain one.
    bool Open(bool bLoad = true, int cx = 900, int cy = 640, CCappCardView* pView = nullptr)
    {
        m_pFrame = new CCardViewTestFrame;
        if (!m_pFrame->CreateEx(0, nullptr, "Card host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, cx, cy, nullptr,
                                nullptr)) {
            return false;
        }
        m_pView =
            pView != nullptr ? pView : static_cast<CCappCardView*>(FX_RUNTIME_CLASS(CCappCardView)->CreateObject());
        CRect rcClient;
        m_pFrame->GetClientRect(&rcClient);
        if (!m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, rcClient, m_pFrame,
                             1)) {
            return false;
        }
        if (bLoad) {
            m_pView->m_pCappObj = &m_obj;
            m_pView->LoadCardObj("", "", &m_obj);
        }
        m_pView->InitialUpdate();
        return true;
    }

    // The host ends editing and destroys the view before the card file object goes.
    void Close()
    {
        if (m_pFrame != nullptr) {
            if (m_pView != nullptr && m_pView->m_pCappObj != nullptr) {
                m_pView->KillEditControl();
            }
            // The frame and the view free themselves with their windows.
            m_pFrame->DestroyWindow();
            m_pFrame = nullptr;
            m_pView = nullptr;
        }
    }

    CCardObj& Card() { return m_obj.m_CardObj; }

    // The first cell of the current sheet's head or page cells bound to the variable.
    CCappCell* FindCell(const char* pszVar, bool bPageCell = false)
    {
        CCappSheet* pSheet = Card().GetCurSheet();
        if (pSheet == nullptr) {
            return nullptr;
        }
        CObList& list = bPageCell ? pSheet->m_PageCellList : pSheet->m_HeadCellList;
        POSITION pos = list.GetHeadPosition();
        while (pos != nullptr) {
            auto* pCell = static_cast<CCappCell*>(list.GetNext(pos));
            if (pCell->m_strVarName == pszVar) {
                return pCell;
            }
        }
        return nullptr;
    }

    CTestTempFolder m_folder;
    CCappObj m_obj;
    CCardViewTestFrame* m_pFrame = nullptr;
    CCappCardView* m_pView = nullptr;
};
