// The data-binding dialog and its property list: the rows a sheet gets, the list's editors,
// notifications and splitter, the option look-up, and row sets made or left by the wizard.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "core/CappDCHelper.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/CardDataRelItem.h"
#include "designer/detail/DataBindDlg.h"
#include "designer/detail/PropertyList.h"
#include "designer/res/resource.h"
#include "gridkit/GkGridWnd.h"
#include "tests/designer/detail/RowSetTestDriver.h"
#include "tests/support/SysDlgDriver.h"
#include "tests/support/UiDriver.h"

namespace
{
CCappMidData* AddMid(CCappSheet& sheet, LPCSTR pszName, int nType = CCappMidData::typeTemplate, int nExtFlag = 0)
{
    auto* pMid = new CCappMidData;
    pMid->m_strName = pszName;
    pMid->m_nType = nType;
    pMid->m_nExtFlag = nExtFlag;
    sheet.m_MidDataList.AddTail(pMid);
    return pMid;
}

CCardDataRelItem* AddRel(CCappSheet& sheet, int nKind, LPCSTR pszName)
{
    auto* pRel = new CCardDataRelItem;
    pRel->m_nKind = nKind;
    pRel->m_strName = pszName;
    sheet.m_CardDataRel.m_listRelItem.AddTail(pRel);
    return pRel;
}

std::vector<CString> RowNames(CDataBindDlg& dlg)
{
    std::vector<CString> names;
    for (int i = 0; i < dlg.m_list.GetItemCount(); ++i) {
        names.push_back(dlg.m_list.GetItem(i)->m_strName);
    }
    return names;
}

void ClickAt(CWnd& wnd, CPoint point)
{
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    wnd.SendMessage(WM_LBUTTONUP, 0, lParam);
}

// Clicks the name of a row (the "..." of an owner-action row shows) and then that button.
void PressRowButton(CPropertyList& list, int nRow)
{
    CRect rc;
    list.GetItemRect(nRow, &rc);
    ClickAt(list, CPoint(rc.left + 4, rc.CenterPoint().y));
    HWND hButton = ::GetDlgItem(list.m_hWnd, IDC_PROPLIST_BUTTON);
    ASSERT_NE(nullptr, hButton);
    // The dialog may not be shown yet: the button's own style tells.
    ASSERT_NE(0, ::GetWindowLongA(hButton, GWL_STYLE) & WS_VISIBLE);
    ::SendMessageA(hButton, BM_CLICK, 0, 0);
}

// Parent and owner of a list under test: records what the list tells its owner.
class CListHost : public CWnd
{
public:
    struct Note
    {
        UINT nMessage;
        int nIndex;
    };
    std::vector<Note> m_notes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_PROPLIST_ACTION && message <= WM_PROPLIST_CHANGED) {
            m_notes.push_back({message, static_cast<int>(wParam)});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class PropertyListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "list", WS_POPUP | WS_VISIBLE, 0, 0, 300, 220, nullptr, nullptr));
        ASSERT_TRUE(m_list.Create(
            "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
            CRect(0, 0, 300, 220), &m_host, 1));
        m_list.SetOwner(&m_host);
        m_list.AddItem("名称", "零件", CPropertyItem::kindEdit);
        m_list.AddItem("方式", "b", CPropertyItem::kindList, "a|b|c");
        m_list.AddItem("颜色", "RGB(255,0,0)", CPropertyItem::kindColor);
        m_list.AddItem("记录集", "", CPropertyItem::kindAction);
    }
    void TearDown() override { m_host.DestroyWindow(); }

    CPoint RowPoint(int nRow)
    {
        CRect rc;
        m_list.GetItemRect(nRow, &rc);
        return CPoint(rc.left + 4, rc.CenterPoint().y);
    }
    BOOL IsShown(int nID) const
    {
        HWND hWnd = ::GetDlgItem(m_list.m_hWnd, nID);
        return hWnd != nullptr && ::IsWindowVisible(hWnd);
    }

    CListHost m_host;
    CPropertyList m_list;
};

TEST_F(PropertyListTest, EachKindGetsItsEditorAndTheOwnerHearsOfIt)
{
    struct EditorCase
    {
        const char* szName;
        int nRow;
        int nEditor;
    };
    const EditorCase cases[] = {
        {"edit box", 0, IDC_PROPLIST_EDIT},
        {"drop-down list", 1, IDC_PROPLIST_COMBO},
        {"colour button", 2, IDC_PROPLIST_BUTTON},
        {"owner-action button", 3, IDC_PROPLIST_BUTTON},
    };
    const int editors[] = {IDC_PROPLIST_EDIT, IDC_PROPLIST_COMBO, IDC_PROPLIST_BUTTON};
    for (const EditorCase& c : cases) {
        SCOPED_TRACE(c.szName);
        m_host.m_notes.clear();
        ClickAt(m_list, RowPoint(c.nRow));
        EXPECT_EQ(c.nRow, m_list.GetCurIndex());
        ASSERT_FALSE(m_host.m_notes.empty());
        EXPECT_EQ(static_cast<UINT>(WM_PROPLIST_SELCHANGE), m_host.m_notes.back().nMessage);
        EXPECT_EQ(c.nRow, m_host.m_notes.back().nIndex);
        for (int nEditor : editors) {
            EXPECT_EQ(nEditor == c.nEditor, IsShown(nEditor)) << nEditor;
        }
    }
    ::RedrawWindow(m_host.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "property-list.png"));

    // The list row shows the value it holds; the combo starts on it and a pick is stored.
    ClickAt(m_list, RowPoint(1));
    HWND hCombo = ::GetDlgItem(m_list.m_hWnd, IDC_PROPLIST_COMBO);
    EXPECT_EQ(1, ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0));
    m_host.m_notes.clear();
    ::SendMessageA(hCombo, CB_SETCURSEL, 2, 0);
    m_list.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PROPLIST_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
    EXPECT_STREQ("c", m_list.GetItem(1)->m_strValue);
    ASSERT_EQ(1u, m_host.m_notes.size());
    EXPECT_EQ(static_cast<UINT>(WM_PROPLIST_CHANGED), m_host.m_notes[0].nMessage);

    // Typing in the edit box stores the text; filling it on selection does not count as an edit.
    ClickAt(m_list, RowPoint(0));
    ::RedrawWindow(m_host.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveWindowPicture(m_host.m_hWnd, "property-list-edit.png"));
    m_host.m_notes.clear();
    ::SetWindowTextA(::GetDlgItem(m_list.m_hWnd, IDC_PROPLIST_EDIT), "螺栓");
    EXPECT_STREQ("螺栓", m_list.GetItem(0)->m_strValue);
    ASSERT_EQ(1u, m_host.m_notes.size());
    EXPECT_EQ(static_cast<UINT>(WM_PROPLIST_CHANGED), m_host.m_notes[0].nMessage);

    // The "..." of an owner-action row asks the owner.
    ClickAt(m_list, RowPoint(3));
    m_host.m_notes.clear();
    ::SendMessageA(::GetDlgItem(m_list.m_hWnd, IDC_PROPLIST_BUTTON), BM_CLICK, 0, 0);
    ASSERT_EQ(1u, m_host.m_notes.size());
    EXPECT_EQ(static_cast<UINT>(WM_PROPLIST_ACTION), m_host.m_notes[0].nMessage);
    EXPECT_EQ(3, m_host.m_notes[0].nIndex);
}

TEST_F(PropertyListTest, ClickBelowTheLastRowLeavesNoRowCurrent)
{
    ClickAt(m_list, RowPoint(0));
    ASSERT_EQ(0, m_list.GetCurIndex());
    m_host.m_notes.clear();
    CRect rcLast;
    m_list.GetItemRect(3, &rcLast);
    ClickAt(m_list, CPoint(10, rcLast.bottom + 30));
    EXPECT_EQ(-1, m_list.GetCurIndex());
    EXPECT_EQ(LB_ERR, m_list.GetCurSel());
    ASSERT_FALSE(m_host.m_notes.empty());
    EXPECT_EQ(static_cast<UINT>(WM_PROPLIST_SELCHANGE), m_host.m_notes.back().nMessage);
    EXPECT_EQ(-1, m_host.m_notes.back().nIndex);
    EXPECT_FALSE(IsShown(IDC_PROPLIST_EDIT));
}

// The font chooser opens on the row's face under the name the text is drawn with (the machine maps
// "宋体" to another family), lists no vertical faces, and OK stores the chosen face.
TEST_F(PropertyListTest, FontChooserOpensOnTheRowsFaceWithoutVerticalFaces)
{
    const int nRow = m_list.AddItem("字体", "宋体", CPropertyItem::kindFont);
    LOGFONTA lfDrawn = {};
    lstrcpynA(lfDrawn.lfFaceName, "宋体", LF_FACESIZE);
    lfDrawn.lfCharSet = DEFAULT_CHARSET;
    CCappDCHelper::UseDrawnFamily(lfDrawn);
    ASSERT_STRNE("宋体", lfDrawn.lfFaceName) << "this machine has the face itself; the case needs a mapped one";
    CString strDialogFace;
    std::vector<CString> faces;
    CTestSysDialogs sysDialogs;
    sysDialogs.OnDialog([&](CTestSysDlg& d) {
        strDialogFace = d.GetText(1136); // the face box
        faces = d.GetListItems(1136);
        d.Ok();
    });
    ClickAt(m_list, RowPoint(nRow));
    m_host.m_notes.clear();
    ::SendMessageA(::GetDlgItem(m_list.m_hWnd, IDC_PROPLIST_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(1, sysDialogs.GetDialogsOpened());
    EXPECT_STREQ(lfDrawn.lfFaceName, strDialogFace);
    EXPECT_FALSE(faces.empty());
    for (const CString& strFace : faces) {
        EXPECT_NE('@', strFace[0]) << "a vertical face is listed: " << strFace.GetString();
    }
    EXPECT_STREQ(lfDrawn.lfFaceName, m_list.GetItem(nRow)->m_strValue);
    ASSERT_FALSE(m_host.m_notes.empty());
    EXPECT_EQ(static_cast<UINT>(WM_PROPLIST_CHANGED), m_host.m_notes.back().nMessage);
}

TEST_F(PropertyListTest, SplitterMovesWhereTheButtonIsReleased)
{
    m_list.UpdateWindow();
    const int nSplit = m_list.GetSplitPos();
    ASSERT_GT(nSplit, 0) << "drawing sets the split at half the width";
    const int y = RowPoint(0).y;
    m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(nSplit + 3, y));
    m_list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(nSplit - 40, y));
    m_list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(nSplit - 50, y));
    EXPECT_EQ(nSplit - 50, m_list.GetSplitPos());
    EXPECT_EQ(nullptr, ::GetCapture());
    // A press away from the split selects as usual.
    ClickAt(m_list, CPoint(nSplit - 50 + 20, y));
    EXPECT_EQ(nSplit - 50, m_list.GetSplitPos());
    EXPECT_EQ(0, m_list.GetCurIndex());
}

TEST(PropertyListOptionTest, OptionLookUp)
{
    struct OptionCase
    {
        const char* szName;
        const char* szOptions;
        char chSeparator;
        const char* szKey;
        BOOL bFound;
        const char* szValue;
    };
    const OptionCase cases[] = {
        {"second entry", "Filter=*.znt;Title=打开", ';', "Title", TRUE, "打开"},
        {"key case and blanks ignored", " filter = \"*.txt\" ;x=1", ';', "FILTER", TRUE, "*.txt"},
        {"first match wins", "a=1;a=2", ';', "a", TRUE, "1"},
        {"value keeps its own equals sign", "Filter=a=b", ';', "Filter", TRUE, "a=b"},
        {"equals at position 0 is no entry", "=x;Title=t", ';', "", FALSE, ""},
        {"other separator", "Title=t|Filter=f", '|', "Filter", TRUE, "f"},
        {"missing key", "Title=t", ';', "Filter", FALSE, ""},
        {"entry without equals", "Title", ';', "Title", FALSE, ""},
        {"GBK key and value", "零件=螺栓;x=1", ';', "零件", TRUE, "螺栓"},
        {"GBK trail byte 0x7C is no separator", "Title=\x81|x|Filter=f", '|', "Title", TRUE, "\x81|x"},
        {"empty options", "", ';', "Title", FALSE, ""},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strValue = "stale";
        EXPECT_EQ(c.bFound, CPropertyList::GetOption(c.szOptions, c.chSeparator, c.szKey, strValue));
        EXPECT_STREQ(c.szValue, strValue);
    }
}

TEST(DataBindDlgTest, RowsFollowTheSheetsDetailAreas)
{
    struct RowsCase
    {
        const char* szName;
        std::vector<const char*> mids; // "name" plain, "*name" temporary, "+name" extension
        std::vector<CString> rows;
    };
    const RowsCase cases[] = {
        {"no detail areas", {}, {"表头", "页面"}},
        {"plain areas in order", {"工序", "工步"}, {"表头", "页面", "表中(工序)", "表中(工步)"}},
        {"temporary and extension areas get no row", {"*临时", "工序", "+续表"}, {"表头", "页面", "表中(工序)"}},
    };
    for (const RowsCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappSheet sheet;
        for (const char* pszMid : c.mids) {
            if (pszMid[0] == '*') {
                AddMid(sheet, pszMid + 1, CCappMidData::typeTemporary);
            } else if (pszMid[0] == '+') {
                AddMid(sheet, pszMid + 1, CCappMidData::typeTemplate, 1);
            } else {
                AddMid(sheet, pszMid);
            }
        }
        CTestUi ui;
        CDataBindDlg dlg;
        dlg.m_pSheet = &sheet;
        ui.OnDialog(IDD_DATA_BIND, [&](CTestDlg& d) {
            EXPECT_STREQ("数据绑定", d.GetCaption());
            EXPECT_EQ(c.rows, RowNames(dlg));
            EXPECT_EQ(static_cast<int>(c.rows.size()), dlg.m_list.GetCount());
            if (&c == &cases[2]) {
                EXPECT_TRUE(d.SavePicture("data-bind-dialog.png"));
            }
            d.Ok();
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
    }
}

TEST(DataBindDlgTest, RowsPointAtTheRowSetsOfTheirKindAndName)
{
    CCappSheet sheet;
    AddMid(sheet, "工序");
    AddMid(sheet, "工步");
    CCardDataRelItem* pMidRel = AddRel(sheet, 2, "工步");
    CCardDataRelItem* pHeadRel = AddRel(sheet, 0, "");
    AddRel(sheet, 2, "工序 ");
    CTestUi ui;
    CDataBindDlg dlg;
    dlg.m_pSheet = &sheet;
    ui.OnDialog(IDD_DATA_BIND, [&](CTestDlg& d) {
        EXPECT_EQ(reinterpret_cast<DWORD_PTR>(pHeadRel), dlg.m_list.GetItemData(0));
        EXPECT_EQ(0u, dlg.m_list.GetItemData(1)) << "no page row set";
        EXPECT_EQ(0u, dlg.m_list.GetItemData(2)) << "names match exactly";
        EXPECT_EQ(reinterpret_cast<DWORD_PTR>(pMidRel), dlg.m_list.GetItemData(3));
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
}

// A wizard that ends with Finish adds the row set of the row's kind and area name, which the row
// then shows and uses again; a cancelled one adds nothing.
TEST(DataBindDlgTest, WizardAddsOneFindableRowSetOnlyOnFinish)
{
    struct WizardCase
    {
        const char* szName;
        int nRow;
        BOOL bFinish;
        int nKind;
        const char* szArea;
    };
    const WizardCase cases[] = {
        {"head finished", 0, TRUE, 0, ""},
        {"page finished", 1, TRUE, 1, ""},
        {"detail area finished", 2, TRUE, 2, "工序"},
        {"head cancelled", 0, FALSE, 0, ""},
    };
    ASSERT_TRUE(GkInitLibrary(1536, 0, 0));
    for (const WizardCase& c : cases) {
        SCOPED_TRACE(c.szName);
        CCappSheet sheet;
        AddMid(sheet, "工序");
        CTestUi ui;
        CRowSetTestDriver driver;
        CDataBindDlg dlg;
        dlg.m_pSheet = &sheet;
        ui.OnDialog(IDD_DATA_BIND, [&](CTestDlg& d) {
            for (int nRun = 0; nRun < 2; ++nRun) {
                SCOPED_TRACE(nRun);
                driver.Start({
                    [&](CRowSetSheet& sh) {
                        sh.GetPage(0)->SetDlgItemText(IDC_ROWSET_CONNECT, "DSN=capp");
                        CRowSetTestDriver::Press(sh, PSBTN_NEXT);
                    },
                    [&](CRowSetSheet& sh) { CRowSetTestDriver::Press(sh, PSBTN_NEXT); },
                    [&](CRowSetSheet& sh) { CRowSetTestDriver::Press(sh, c.bFinish ? PSBTN_FINISH : PSBTN_CANCEL); },
                });
                PressRowButton(dlg.m_list, c.nRow);
                EXPECT_TRUE(driver.IsDone());
            }
            d.Ok();
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        const CObList& list = sheet.m_CardDataRel.m_listRelItem;
        if (!c.bFinish) {
            EXPECT_TRUE(list.IsEmpty());
            EXPECT_FALSE(dlg.m_bChanged);
            continue;
        }
        ASSERT_EQ(1, list.GetCount()) << "the second run edits the row set of the first";
        const auto* pRel = static_cast<const CCardDataRelItem*>(list.GetHead());
        EXPECT_EQ(c.nKind, pRel->m_nKind);
        EXPECT_STREQ(c.szArea, pRel->m_strName);
        EXPECT_STREQ("DSN=capp", pRel->m_strConnect);
        EXPECT_EQ(pRel, sheet.m_CardDataRel.GetRelItem(c.nKind, c.szArea));
        EXPECT_TRUE(dlg.m_bChanged);
    }
}

// What Next stored stays even when the wizard is cancelled: the template counts as changed.
TEST(DataBindDlgTest, ExistingRowSetEditedInPlaceCountsAsAChange)
{
    ASSERT_TRUE(GkInitLibrary(1536, 0, 0));
    CCappSheet sheet;
    CCardDataRelItem* pRel = AddRel(sheet, 1, "");
    pRel->m_strConnect = "DSN=old";
    CTestUi ui;
    CRowSetTestDriver driver;
    CDataBindDlg dlg;
    dlg.m_pSheet = &sheet;
    ui.OnDialog(IDD_DATA_BIND, [&](CTestDlg& d) {
        driver.Start({
            [&](CRowSetSheet& sh) {
                EXPECT_EQ(pRel, sh.m_pRelItem);
                sh.GetPage(0)->SetDlgItemText(IDC_ROWSET_CONNECT, "DSN=new");
                CRowSetTestDriver::Press(sh, PSBTN_NEXT);
            },
            [&](CRowSetSheet& sh) { CRowSetTestDriver::Press(sh, PSBTN_CANCEL); },
        });
        PressRowButton(dlg.m_list, 1);
        EXPECT_TRUE(driver.IsDone());
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.m_bChanged);
    EXPECT_EQ(1, sheet.m_CardDataRel.m_listRelItem.GetCount());
    EXPECT_STREQ("DSN=new", pRel->m_strConnect);
}

TEST(DataBindDlgTest, RowActionWithoutSheetDoesNothing)
{
    CTestUi ui;
    CDataBindDlg dlg;
    ui.OnDialog(IDD_DATA_BIND, [&](CTestDlg& d) {
        EXPECT_EQ((std::vector<CString>{"表头", "页面"}), RowNames(dlg));
        PressRowButton(dlg.m_list, 0);
        EXPECT_EQ(nullptr, CRowSetTestDriver::FindWizard());
        d.Ok();
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, ui.GetDialogsOpened());
}
} // namespace
