// A small ruled template opened in the running designer, for the table-line tool's tests, with
// mouse helpers that send real messages to the view at points given in sheet units from the
// frame's corner.
//
// Frame 900 x 700 units at (50, 50). Horizontal: H1 at 100 and H2 at 600 across the frame; H3a and
// H3b at 400, meeting at V1; H4 at 300 from V1 to V2. Vertical: V1 at 300 full height; V2 at 700,
// V3 at 800 and V4 at 850, each from H1 to H2.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "core/CappLine.h"
#include "core/CappSheet.h"
#include "designer/sheet/CappSheetDefChildFrame.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/shell/MainFrame.h"
#include "designer/shell/VornDesignApp.h"
#include "platform/base/Archive.h"
#include "platform/base/MemFile.h"
#include "platform/gdi/ClientDC.h"
#include "platform/win/CmdUI.h"
#include "tests/designer/DesignTestWorkDir.h"
#include "tests/designer/sheet/SheetViewFixture.h"
#include "tests/support/TempFolder.h"

namespace line_sheet
{
// The frame lines' ids (copies: gtest takes its values by reference).
const int kFrameFirst = 0;
const int kFrameLast = 10000;

enum LineKey { keyH1, keyH2, keyH3a, keyH3b, keyH4, keyV1, keyV2, keyV3, keyV4, keyCount };

struct LineDef
{
    int nType;
    int nPos;
    int nStartKey; // -1: the first frame line, -2: the last
    int nEndKey;
    CPoint ptPick; // a point on the line, from the frame's corner, near no other line
};

inline const LineDef& LineDefOf(int nKey)
{
    static const LineDef defs[keyCount] = {
        {1, 100, -1, -2, CPoint(150, 100)},       // H1
        {1, 600, -1, -2, CPoint(200, 600)},       // H2
        {1, 400, -1, keyV1, CPoint(150, 400)},    // H3a
        {1, 400, keyV1, -2, CPoint(500, 400)},    // H3b
        {1, 300, keyV1, keyV2, CPoint(500, 300)}, // H4
        {2, 300, -1, -2, CPoint(300, 200)},       // V1
        {2, 700, keyH1, keyH2, CPoint(700, 200)}, // V2
        {2, 800, keyH1, keyH2, CPoint(800, 350)}, // V3
        {2, 850, keyH1, keyH2, CPoint(850, 350)}, // V4
    };
    return defs[nKey];
}
} // namespace line_sheet

typedef std::vector<BYTE> Bytes;

class CLineProbeCmdUI : public CCmdUI
{
public:
    explicit CLineProbeCmdUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override { m_bEnabled = bOn; }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
};

class CTableLineToolTest : public CSheetViewFixture
{
protected:
    void SetUp() override
    {
        using namespace line_sheet;
        const CString strPath = m_temp.PathOf("lines.znt");
        ASSERT_TRUE(WriteFixture(strPath));
        ASSERT_NO_FATAL_FAILURE(Open(strPath, 1270, 1010));
        ::ShowWindow(m_pChild->m_hWnd, SW_MAXIMIZE);
        // Somewhat over one pixel a unit: a point in sheet units comes back from its pixel exactly.
        m_pView->ZoomPercentByFloat(1.0f);
        const double dPixelsPerUnit = (Dev(1000, 0).x - Dev(0, 0).x) / 1000.0;
        ASSERT_GT(dPixelsPerUnit, 0.0);
        m_pView->ZoomPercentByFloat(static_cast<float>(1.02 / dPixelsPerUnit));
        Idle();
        CRect rcClient;
        m_pView->GetClientRect(&rcClient);
        const CPoint ptFar = Dev(900, 700);
        ASSERT_TRUE(rcClient.PtInRect(ptFar)) << "the frame fits the client: " << ptFar.x << "," << ptFar.y << " in "
                                              << rcClient.right << "x" << rcClient.bottom;
        for (int nKey = 0; nKey < keyCount; ++nKey) {
            ASSERT_NE(nullptr, Line(nKey));
        }
    }
    void TearDown() override
    {
        ::ClipCursor(nullptr);
        CSheetViewFixture::TearDown();
    }

    static BOOL WriteFixture(const CString& strPath)
    {
        using namespace line_sheet;
        CCappSheet sheet;
        sheet.NewSheetDef(1000, 800, 2, 50, 50, 50, 50, "fixture");
        sheet.m_strName = "lines";
        int ids[keyCount] = {};
        auto fnID = [&](int nKey) { return nKey == -1 ? kFrameFirst : nKey == -2 ? kFrameLast : ids[nKey]; };
        // In an order where each line's crossing lines exist already.
        const int order[] = {keyH1, keyH2, keyV1, keyH3a, keyH3b, keyV2, keyH4, keyV3, keyV4};
        for (int nKey : order) {
            const LineDef& s = LineDefOf(nKey);
            CCappLine* pLine =
                sheet.AddCellLineBySpace(static_cast<UINT>(s.nType), -1, s.nPos, fnID(s.nStartKey), fnID(s.nEndKey), 0);
            if (pLine == nullptr) {
                return FALSE;
            }
            ids[nKey] = pLine->m_nID;
        }
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            sheet.Serialize(ar);
            ar.Close();
        }
        const auto nLength = static_cast<size_t>(file.GetLength());
        BYTE* pData = file.Detach();
        const std::string bytes(reinterpret_cast<const char*>(pData), nLength);
        std::free(pData);
        return DesignWriteBytes(strPath, bytes);
    }

    void Command(UINT nID)
    {
        if (nID != 0) {
            m_pView->SendMessage(WM_COMMAND, nID, 0);
        }
    }
    CLineProbeCmdUI Update(UINT nID)
    {
        CLineProbeCmdUI ui(nID);
        ui.DoUpdate(m_pView, TRUE);
        return ui;
    }

    // The fixture's line by key: found by type, position and crossing lines, as first written.
    CCappLine* Line(int nKey)
    {
        if (m_pLines[nKey] == nullptr) {
            const line_sheet::LineDef& s = line_sheet::LineDefOf(nKey);
            CCappLine* pFound = nullptr;
            CPoint ptFoot;
            const CRect& rc = m_pSheet->m_rcFrame;
            if (m_pSheet->pickLine(CPoint(rc.left + s.ptPick.x, rc.top + s.ptPick.y), pFound, ptFoot) &&
                pFound->m_nType == s.nType && pFound->m_nPos == s.nPos) {
                m_pLines[nKey] = pFound;
            }
        }
        return m_pLines[nKey];
    }
    // A cell line of the type at the position, other than pNot.
    CCappLine* FindLine(int nType, int nPos, const CCappLine* pNot = nullptr)
    {
        const CObList& list = nType == CCappLine::typeHCell ? m_pSheet->m_HCellLineList : m_pSheet->m_VCellLineList;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            auto* p = static_cast<CCappLine*>(list.GetNext(pos));
            if (p->m_nType == nType && p->m_nPos == nPos && p != pNot) {
                return p;
            }
        }
        return nullptr;
    }

    // The grid as the template stores it: detail areas, the line lists and the cells.
    Bytes GridBytes()
    {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            for (CObList* pList : {&m_pSheet->m_MidDataList, &m_pSheet->m_HCellLineList, &m_pSheet->m_VCellLineList,
                                   &m_pSheet->m_LHOutLineList, &m_pSheet->m_OutCellList, &m_pSheet->m_HeadCellList,
                                   &m_pSheet->m_PageCellList}) {
                pList->Serialize(ar);
            }
            ar.Close();
        }
        const auto nLength = static_cast<size_t>(file.GetLength());
        BYTE* pData = file.Detach();
        Bytes bytes(pData, pData + nLength);
        std::free(pData);
        return bytes;
    }

    // A point from the frame's corner in the view's client pixels.
    CPoint Dev(int x, int y)
    {
        CPoint pt(m_pSheet->m_rcFrame.left + x, m_pSheet->m_rcFrame.top + y);
        CClientDC dc(m_pView->m_hWnd);
        m_pView->OnPrepareDC(&dc, nullptr);
        dc.LPtoDP(&pt, 1);
        return pt;
    }
    void Send(UINT nMsg, WPARAM wFlags, int x, int y)
    {
        const CPoint pt = Dev(x, y);
        m_pView->SendMessage(nMsg, wFlags, MAKELPARAM(pt.x, pt.y));
    }
    void Hover(int x, int y) { Send(WM_MOUSEMOVE, 0, x, y); }
    void Press(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
    void Drag(int x, int y) { Send(WM_MOUSEMOVE, MK_LBUTTON, x, y); }
    void Release(int x, int y) { Send(WM_LBUTTONUP, 0, x, y); }

    // The tips pane of the output bar.
    CString Tips()
    {
        char sz[4096] = {};
        ::GetWindowTextA(m_pMain->m_wndOutput.m_editTips.m_hWnd, sz, sizeof sz);
        return sz;
    }
    void ClearTips() { ::SetWindowTextA(m_pMain->m_wndOutput.m_editTips.m_hWnd, ""); }

    // Select mode, nothing selected, no line picked.
    void ResetTool()
    {
        m_pView->m_lineTool.CancelDrag();
        m_pView->m_nEditMode = CCappSheetDefView::editSelect;
        m_pView->m_lineTool.ResetState();
        m_pView->ClearHighlightLine();
        m_pView->ResetSelection();
        // Found again where the fixture put them: undo brings some back as new objects.
        for (int nKey = 0; nKey < line_sheet::keyCount; ++nKey) {
            m_pLines[nKey] = nullptr;
            Line(nKey);
        }
    }
    // In select mode: over the line, then a click on it.
    void SelectByMouse(int nKey)
    {
        const CPoint pt = line_sheet::LineDefOf(nKey).ptPick;
        Hover(pt.x, pt.y);
        Press(pt.x, pt.y);
        Release(pt.x, pt.y);
    }
    static BOOL SameRect(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b); }
    static RECT ClipRect()
    {
        RECT rc = {};
        ::GetClipCursor(&rc);
        return rc;
    }

    CCappLine* m_pLines[line_sheet::keyCount] = {};
};
