// OLE drag and drop: the data source and the data object reading it, the drop source's answers,
// a drop target registered on a real window driven through its interface, and a real drag loop.
#include <gtest/gtest.h>

#include <ole2.h>

#include <string>
#include <vector>

#include "platform/base/FxComPtr.h"
#include "platform/base/FxGlobalLock.h"
#include "platform/base/FxGlobalMem.h"
#include "platform/ole/OleDataObject.h"
#include "platform/ole/OleDataSource.h"
#include "platform/ole/OleDropSource.h"
#include "platform/ole/OleDropTarget.h"
#include "platform/win/Wnd.h"

namespace
{
// OLE (not only COM) must be initialised for registration and the drag loop.
class COleScope
{
public:
    COleScope() : m_hr(::OleInitialize(nullptr)) {}
    ~COleScope()
    {
        if (SUCCEEDED(m_hr)) {
            ::OleUninitialize();
        }
    }
    HRESULT m_hr;
};

FORMATETC Format(CLIPFORMAT cf, DWORD tymed = TYMED_HGLOBAL, DWORD dwAspect = DVASPECT_CONTENT)
{
    FORMATETC fe = {cf, nullptr, dwAspect, -1, tymed};
    return fe;
}

// Records the events it is given and answers with m_dwAnswer.
class CRecordingTarget : public COleDropTarget
{
public:
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pData, DWORD dwKeyState, CPoint point) override
    {
        m_events += "enter ";
        Keep(pWnd, pData, dwKeyState, point);
        return m_dwAnswer;
    }
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pData, DWORD dwKeyState, CPoint point) override
    {
        m_events += "over ";
        Keep(pWnd, pData, dwKeyState, point);
        return m_dwAnswer;
    }
    void OnDragLeave(CWnd*) override { m_events += "leave "; }
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pData, DROPEFFECT dropEffect, CPoint point) override
    {
        m_events += "drop ";
        Keep(pWnd, pData, 0, point);
        m_dwDropped = dropEffect;
        return m_bTake;
    }

    void Keep(CWnd* pWnd, COleDataObject* pData, DWORD dwKeyState, CPoint point)
    {
        m_pWnd = pWnd;
        m_dwKeyState = dwKeyState;
        m_point = point;
        CString strText;
        m_bHadText = pData->GetText(strText);
        m_strText = static_cast<LPCSTR>(strText);
    }

    DROPEFFECT m_dwAnswer = DROPEFFECT_COPY;
    BOOL m_bTake = TRUE;
    std::string m_events;
    CWnd* m_pWnd = nullptr;
    DWORD m_dwKeyState = 0;
    CPoint m_point;
    BOOL m_bHadText = FALSE;
    std::string m_strText;
    DROPEFFECT m_dwDropped = DROPEFFECT_NONE;
};

class CTargetWnd : public CWnd
{
public:
    BOOL Make(int x, int y)
    {
        return CreateEx(WS_EX_TOPMOST, nullptr, "drop", WS_POPUP | WS_VISIBLE, x, y, 200, 120, nullptr, nullptr);
    }
};

// Goes on for a number of questions, then ends the drag as told.
class CScriptedSource : public COleDropSource
{
public:
    HRESULT OnQueryContinueDrag(BOOL, DWORD) override { return ++m_nAsked < m_nGoOn ? S_OK : m_hrEnd; }
    int m_nAsked = 0;
    int m_nGoOn = 3;
    HRESULT m_hrEnd = DRAGDROP_S_DROP;
};

// The data source with some text, owned by the test (one reference).
COleDataSource* TextSource(const char* pszText)
{
    COleDataSource* pSource = new COleDataSource;
    pSource->CacheText(pszText, static_cast<int>(strlen(pszText)));
    return pSource;
}
} // namespace

TEST(OleDragDropTest, DataSourceOffersTextOnlyInGlobalMemory)
{
    CFxComPtr<COleDataSource> pSource(TextSource("注释ab"));
    struct QueryCase
    {
        const char* szName;
        FORMATETC fe;
        HRESULT hr;
    };
    const QueryCase cases[] = {
        {"text in global memory", Format(CF_TEXT), S_OK},
        {"text in global memory or a stream", Format(CF_TEXT, TYMED_HGLOBAL | TYMED_ISTREAM), S_OK},
        {"text only in a stream", Format(CF_TEXT, TYMED_ISTREAM), DV_E_FORMATETC},
        {"a bitmap", Format(CF_BITMAP, TYMED_GDI), DV_E_FORMATETC},
        {"UTF-16 text", Format(CF_UNICODETEXT), DV_E_FORMATETC},
        {"the text's icon", Format(CF_TEXT, TYMED_HGLOBAL, DVASPECT_ICON), DV_E_FORMATETC},
    };
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(c.szName);
        FORMATETC fe = c.fe;
        EXPECT_EQ(c.hr, pSource->QueryGetData(&fe));
        STGMEDIUM medium = {};
        const HRESULT hr = pSource->GetData(&fe, &medium);
        EXPECT_EQ(c.hr, hr);
        if (SUCCEEDED(hr)) {
            // A block of its own for each reader, with the terminator.
            ASSERT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), medium.tymed);
            EXPECT_EQ(nullptr, medium.pUnkForRelease);
            EXPECT_EQ(7u, GlobalSize(medium.hGlobal));
            {
                CFxGlobalLock lock(medium.hGlobal);
                EXPECT_STREQ("注释ab", lock.GetAs<const char>());
            }
            ReleaseStgMedium(&medium);
        }
    }

    CFxComPtr<IEnumFORMATETC> pEnum;
    ASSERT_EQ(S_OK, pSource->EnumFormatEtc(DATADIR_GET, pEnum.Receive()));
    FORMATETC listed[4] = {};
    ULONG nListed = 0;
    pEnum->Next(4, listed, &nListed);
    pEnum.Close();
    ASSERT_EQ(1u, nListed);
    EXPECT_EQ(CF_TEXT, listed[0].cfFormat);
    EXPECT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), listed[0].tymed);
    EXPECT_EQ(E_NOTIMPL, pSource->EnumFormatEtc(DATADIR_SET, pEnum.Receive()));

    COleDataObject data;
    pSource->AddRef();
    data.Attach(pSource);
    CString strText;
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(data.IsDataAvailable(CF_UNICODETEXT));
    EXPECT_TRUE(data.GetText(strText));
    EXPECT_STREQ("注释ab", strText);
    data.Release();
    EXPECT_EQ(0u, pSource.Close());
}

TEST(OleDragDropTest, DataObjectReadsTextSafely)
{
    struct TextCase
    {
        const char* szName;
        std::vector<char> block;
        const char* szText;
    };
    const TextCase cases[] = {
        {"terminated", {'a', 'b', '\0'}, "ab"},
        {"no terminator: stops at the block's end", {'a', 'b', 'c'}, "abc"},
        {"bytes after the terminator are not text", {'x', '\0', 'y', 'z'}, "x"},
        {"empty text", {'\0'}, ""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CFxGlobalMem mem;
        ASSERT_TRUE(mem.Alloc(GMEM_MOVEABLE, c.block.size()));
        memcpy(CFxGlobalLock(mem).GetData(), c.block.data(), c.block.size());
        COleDataSource* pSource = new COleDataSource;
        pSource->CacheGlobalData(CF_TEXT, mem.Detach());
        COleDataObject data;
        data.Attach(pSource);
        CString strText;
        EXPECT_TRUE(data.GetText(strText));
        EXPECT_STREQ(c.szText, strText);
    }

    COleDataObject empty;
    CString strText = "old";
    EXPECT_FALSE(empty.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(empty.GetText(strText));
    EXPECT_TRUE(strText.IsEmpty());
}

TEST(OleDragDropTest, DropSourceDropsOnReleaseAndCancelsOnEscape)
{
    struct SourceCase
    {
        const char* szName;
        BOOL bEscape;
        DWORD dwKeys;
        HRESULT hr;
    };
    const SourceCase cases[] = {
        {"left button held", FALSE, MK_LBUTTON, S_OK},
        {"left button with Ctrl", FALSE, MK_LBUTTON | MK_CONTROL, S_OK},
        {"right button held", FALSE, MK_RBUTTON, S_OK},
        {"buttons released", FALSE, 0, DRAGDROP_S_DROP},
        {"released with Shift", FALSE, MK_SHIFT, DRAGDROP_S_DROP},
        {"Escape while held", TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
    };
    COleDropSource source;
    IDropSource* pSource = &source;
    for (const SourceCase& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.hr, pSource->QueryContinueDrag(c.bEscape, c.dwKeys));
    }
    EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, pSource->GiveFeedback(DROPEFFECT_COPY));
}

TEST(OleDragDropTest, DropTargetGivesEventsInClientCoordinates)
{
    COleScope ole;
    ASSERT_TRUE(SUCCEEDED(ole.m_hr));
    CTargetWnd wnd;
    ASSERT_TRUE(wnd.Make(40, 30));
    CRecordingTarget target;
    EXPECT_FALSE(target.Register(nullptr));
    ASSERT_TRUE(target.Register(&wnd));
    EXPECT_EQ(&wnd, target.GetRegisteredWnd());
    POINT ptOrigin = {0, 0};
    ::ClientToScreen(wnd.m_hWnd, &ptOrigin);
    const POINTL pt = {ptOrigin.x + 15, ptOrigin.y + 25};

    struct AnswerCase
    {
        const char* szName;
        DROPEFFECT dwAnswer;
        DWORD dwAllowed;
        DWORD dwGiven;
    };
    const AnswerCase cases[] = {
        {"copy allowed", DROPEFFECT_COPY, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {"move not allowed", DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_NONE},
        {"refused", DROPEFFECT_NONE, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE},
        {"scrolling passes", DROPEFFECT_MOVE | DROPEFFECT_SCROLL, DROPEFFECT_MOVE, DROPEFFECT_MOVE | DROPEFFECT_SCROLL},
    };
    CFxComPtr<COleDataSource> pSource(TextSource("Dim x"));
    IDropTarget* pTarget = &target;
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.szName);
        target.m_dwAnswer = c.dwAnswer;
        target.m_events.clear();
        DWORD dwEffect = c.dwAllowed;
        EXPECT_EQ(S_OK, pTarget->DragEnter(pSource, MK_LBUTTON, pt, &dwEffect));
        EXPECT_EQ(c.dwGiven, dwEffect);
        dwEffect = c.dwAllowed;
        EXPECT_EQ(S_OK, pTarget->DragOver(MK_LBUTTON | MK_CONTROL, pt, &dwEffect));
        EXPECT_EQ(c.dwGiven, dwEffect);
        EXPECT_EQ(S_OK, pTarget->DragLeave());
        EXPECT_EQ("enter over leave ", target.m_events);
        EXPECT_EQ(&wnd, target.m_pWnd);
        EXPECT_EQ(CPoint(15, 25), target.m_point);
        EXPECT_EQ(static_cast<DWORD>(MK_LBUTTON | MK_CONTROL), target.m_dwKeyState);
        // Drag-over reads the data that enter was given.
        EXPECT_TRUE(target.m_bHadText);
        EXPECT_EQ("Dim x", target.m_strText);
    }

    struct DropCase
    {
        const char* szName;
        DROPEFFECT dwAnswer;
        BOOL bTake;
        DWORD dwResult;
        const char* szEvents;
    };
    const DropCase drops[] = {
        {"taken as a move", DROPEFFECT_MOVE, TRUE, DROPEFFECT_MOVE, "enter over drop "},
        {"refused by the drop", DROPEFFECT_COPY, FALSE, DROPEFFECT_NONE, "enter over drop "},
        {"refused by drag-over: left, not dropped", DROPEFFECT_NONE, TRUE, DROPEFFECT_NONE, "enter over leave "},
    };
    for (const DropCase& c : drops) {
        SCOPED_TRACE(c.szName);
        target.m_dwAnswer = c.dwAnswer;
        target.m_bTake = c.bTake;
        target.m_events.clear();
        DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        pTarget->DragEnter(pSource, MK_LBUTTON, pt, &dwEffect);
        dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(S_OK, pTarget->Drop(pSource, 0, pt, &dwEffect));
        EXPECT_EQ(c.dwResult, dwEffect);
        EXPECT_EQ(c.szEvents, target.m_events);
        EXPECT_EQ("Dim x", target.m_strText);
    }

    // The target lets go of the data after the drop: only the test's reference is left.
    EXPECT_EQ(0u, pSource.Close());
    target.Revoke();
    EXPECT_EQ(nullptr, target.GetRegisteredWnd());
    EXPECT_EQ(DRAGDROP_E_NOTREGISTERED, ::RevokeDragDrop(wnd.m_hWnd));
}

// A target that scrolls while the point is in its top strip.
class CScrollingTarget : public CRecordingTarget
{
public:
    DROPEFFECT OnDragScroll(CWnd*, DWORD, CPoint point) override
    {
        return point.y < 10 ? DROPEFFECT_SCROLL | DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
};

TEST(OleDragDropTest, DragScrollAnswersInsteadOfEnterAndOver)
{
    COleScope ole;
    ASSERT_TRUE(SUCCEEDED(ole.m_hr));
    CTargetWnd wnd;
    ASSERT_TRUE(wnd.Make(40, 30));
    CScrollingTarget target;
    ASSERT_TRUE(target.Register(&wnd));
    target.m_dwAnswer = DROPEFFECT_MOVE;
    POINT ptOrigin = {0, 0};
    ::ClientToScreen(wnd.m_hWnd, &ptOrigin);
    CFxComPtr<COleDataSource> pSource(TextSource("x"));
    IDropTarget* pTarget = &target;
    struct ScrollCase
    {
        const char* szName;
        int y;
        DWORD dwAllowed;
        DWORD dwGiven;
        const char* szEvents;
    };
    const ScrollCase cases[] = {
        {"in the strip: scrolling", 3, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_SCROLL | DROPEFFECT_COPY, ""},
        {"in the strip, copy not allowed", 3, DROPEFFECT_MOVE, DROPEFFECT_SCROLL, ""},
        {"below it: the target answers", 50, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE, "over "},
    };
    DWORD dwEffect = DROPEFFECT_COPY;
    pTarget->DragEnter(pSource, MK_LBUTTON, POINTL{ptOrigin.x + 5, ptOrigin.y + 50}, &dwEffect);
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.szName);
        target.m_events.clear();
        dwEffect = c.dwAllowed;
        EXPECT_EQ(S_OK, pTarget->DragOver(MK_LBUTTON, POINTL{ptOrigin.x + 5, ptOrigin.y + c.y}, &dwEffect));
        EXPECT_EQ(c.dwGiven, dwEffect);
        EXPECT_EQ(c.szEvents, target.m_events);
    }
    pTarget->DragLeave();
    EXPECT_EQ(0u, pSource.Close());
}

// The real drag loop under Wine follows the cursor, and the source decides when it ends: the
// cursor is put on the target and a scripted source ends the drag after a few questions.
TEST(OleDragDropTest, DragLoopDropsOnTheWindowUnderTheCursor)
{
    COleScope ole;
    ASSERT_TRUE(SUCCEEDED(ole.m_hr));
    CTargetWnd wnd;
    ASSERT_TRUE(wnd.Make(100, 80));
    wnd.UpdateWindow();
    CRecordingTarget target;
    ASSERT_TRUE(target.Register(&wnd));
    POINT ptCursor = {0, 0};
    ::ClientToScreen(wnd.m_hWnd, &ptCursor);
    ptCursor.x += 50;
    ptCursor.y += 40;
    ASSERT_TRUE(::SetCursorPos(ptCursor.x, ptCursor.y));

    struct LoopCase
    {
        const char* szName;
        HRESULT hrEnd;
        DROPEFFECT dwAnswer;
        DROPEFFECT dwResult;
        bool bDropped;
    };
    const LoopCase cases[] = {
        {"dropped as a move", DRAGDROP_S_DROP, DROPEFFECT_MOVE, DROPEFFECT_MOVE, true},
        {"dropped as a copy", DRAGDROP_S_DROP, DROPEFFECT_COPY, DROPEFFECT_COPY, true},
        {"cancelled", DRAGDROP_S_CANCEL, DROPEFFECT_MOVE, DROPEFFECT_NONE, false},
        {"refused by the target", DRAGDROP_S_DROP, DROPEFFECT_NONE, DROPEFFECT_NONE, false},
    };
    for (const LoopCase& c : cases) {
        SCOPED_TRACE(c.szName);
        target.m_events.clear();
        target.m_strText.clear();
        target.m_dwAnswer = c.dwAnswer;
        CScriptedSource dropSource;
        dropSource.m_hrEnd = c.hrEnd;
        CFxComPtr<COleDataSource> pSource(TextSource("注释 moved"));
        EXPECT_EQ(c.dwResult, pSource->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &dropSource));
        EXPECT_GE(dropSource.m_nAsked, 3);
        EXPECT_EQ(c.bDropped, target.m_events.find("drop ") != std::string::npos) << target.m_events;
        if (c.bDropped) {
            EXPECT_EQ("注释 moved", target.m_strText);
            EXPECT_EQ(CPoint(50, 40), target.m_point);
        }
        EXPECT_EQ(0u, pSource.Close());
    }
}
