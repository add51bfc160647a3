#include "simulator/VornSimulatorDlg.h"

#include "gridkit/GkGridWnd.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxResMgr.h"
#include "platform/win/FxFileDialog.h"
#include "platform/win/MsgBox.h"
#include "platform/base/StringArray.h"
#include "platform/gdi/PaintDC.h"
#include "simulator/SimDataDlg.h"
#include "simulator/res/resource.h"

// After the windows headers.
#include <commdlg.h>

namespace
{
const COLORREF crButtonMask = RGB(192, 192, 192);
// Print style bit: the printer's offset is subtracted.
const long lPrintStyleNoOffset = 4;
// The grid library's start-up options, as the designer passes them.
const UINT nGridOptions = 1536;
// The report control's class, as the dialog template names it.
const char szVornCtlClsid[] = "{F6EA8B34-614A-440F-8ADB-CE180C564FEA}";
} // namespace

FX_IMPLEMENT_DYNAMIC(CVornSimulatorDlg, CKvResizDlg)

FX_BEGIN_MESSAGE_MAP(CVornSimulatorDlg, CKvResizDlg)
FX_ON_BN_CLICKED(IDC_SIM_PRINT, OnPrint)
FX_ON_BN_CLICKED(IDC_SIM_PREVIEW, OnPrintPreview)
FX_ON_BN_CLICKED(IDC_SIM_PREVPAGE, OnPrevPage)
FX_ON_BN_CLICKED(IDC_SIM_NEXTPAGE, OnNextPage)
FX_ON_BN_CLICKED(IDC_SIM_VIEWALL, OnViewAll)
FX_ON_BN_CLICKED(IDC_SIM_ZOOMOUT, OnZoomOut)
FX_ON_BN_CLICKED(IDC_SIM_ZOOMIN, OnZoomIn)
FX_ON_BN_CLICKED(IDC_SIM_ZOOMRANGE, OnZoomRange)
FX_ON_BN_CLICKED(IDC_SIM_DATAINPUT, OnDataInput)
FX_ON_BN_CLICKED(IDC_SIM_EXECSCRIPT, OnExecScript)
FX_ON_BN_CLICKED(IDC_SIM_PRINTSET, OnPrintSet)
FX_ON_BN_CLICKED(IDC_SIM_LOADPRINTSET, OnLoadPrintSet)
FX_ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
FX_END_MESSAGE_MAP()

CVornSimulatorDlg::CVornSimulatorDlg(CWnd* pParent)
    : CKvResizDlg(IDD_VORNSAMPLE_DIALOG, pParent), m_hIcon(nullptr), m_hSmallIcon(nullptr)
{
    SetControlInfo(IDC_SIM_VORNCTL, KVRD_STRETCH_WIDTH | KVRD_STRETCH_HEIGHT);
    SetControlInfo(IDC_SIM_BOTTOMFRAME, KVRD_MOVE_DOWN | KVRD_STRETCH_WIDTH);
    SetControlInfo(IDC_SIM_TOOLFRAME, KVRD_STRETCH_WIDTH);
    for (WORD nID : {IDC_SIM_DATAINPUT, IDC_SIM_SCRIPTS, IDC_SIM_EXECSCRIPT}) {
        SetControlInfo(nID, KVRD_MOVE_DOWN);
    }
    SetControlInfo(IDOK, KVRD_MOVE_RIGHT | KVRD_MOVE_DOWN);
    SetControlInfo(IDCANCEL, KVRD_MOVE_RIGHT | KVRD_MOVE_DOWN);
    SetControlInfo(IDC_SIM_PRINTSET, KVRD_MOVE_RIGHT);
    SetControlInfo(IDC_SIM_LOADPRINTSET, KVRD_MOVE_RIGHT);
}

CVornSimulatorDlg::~CVornSimulatorDlg()
{
}

BOOL CVornSimulatorDlg::CheckControl(HWND hOwner, LPCSTR pszClsid)
{
    WCHAR wszClsid[64] = {};
    ::MultiByteToWideChar(CP_ACP, 0, pszClsid != nullptr ? pszClsid : szVornCtlClsid, -1, wszClsid, 63);
    CLSID clsid = {};
    HRESULT hr = ::CLSIDFromString(wszClsid, &clsid);
    if (SUCCEEDED(hr)) {
        CFxComPtr<IClassFactory> pFactory;
        hr = ::CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, pFactory.ReceiveVoid());
        if (SUCCEEDED(hr)) {
            return TRUE;
        }
    }
    // The control is built beside this library: that is the file to register.
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(FX_MODULE_INSTANCE(), szPath, MAX_PATH);
    CString strDll(szPath);
    strDll = strDll.Left(strDll.ReverseFind('\\') + 1) + "VornCtl.dll";
    // From this library's own strings, whichever module the caller has made current.
    char szFormat[512] = {};
    ::LoadStringA(FX_MODULE_INSTANCE(), hr == REGDB_E_CLASSNOTREG ? IDS_SIM_CTL_NOT_REGISTERED : IDS_SIM_CTL_NOT_LOADED,
                  szFormat, sizeof szFormat);
    const CString strFormat(szFormat);
    CString strText;
    strText.Format(strFormat, strDll.GetString(), strDll.GetString());
    FxMessageBox(hOwner, strText, "提示", MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

BOOL CVornSimulatorDlg::OnInitDialog()
{
    CKvResizDlg::OnInitDialog();
    m_ctl.BindDlgItem(this, IDC_SIM_VORNCTL);

    // The icon lives in this library, whichever module is the current resource module.
    // Icons loaded at a size of our choosing are ours to free: the owners do.
    m_hIcon.Attach(
        static_cast<HICON>(::LoadImageA(FX_MODULE_INSTANCE(), MAKEINTRESOURCEA(IDR_SIM_MAINFRAME), IMAGE_ICON,
                                        ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0)));
    m_hSmallIcon.Attach(
        static_cast<HICON>(::LoadImageA(FX_MODULE_INSTANCE(), MAKEINTRESOURCEA(IDR_SIM_MAINFRAME), IMAGE_ICON,
                                        ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(static_cast<HICON>(m_hIcon)));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(static_cast<HICON>(m_hSmallIcon)));

    // The start-up order the control expects: templates, card, print style, data, pages.
    m_ctl.SetZntFile(m_strZntFile, "");
    m_ctl.InitVornData();
    m_ctl.ModifyPrintStyle(0, lPrintStyleNoOffset);
    m_ctl.LoadADMLDataFile(m_strDataFile, 0);
    m_ctl.ReSetPageCount(1);
    m_ctl.UpdateCurPageData();
    UpdatePageButtons();
    FillScriptCombo();
    SetUpButtons();
    return TRUE;
}

void CVornSimulatorDlg::SetUpButtons()
{
    const struct
    {
        CKvHotButton* pButton;
        UINT nID;
        int nBitmap;
        const char* pszTip;
    } buttons[] = {
        {&m_btnPrint, IDC_SIM_PRINT, IDB_SIM_PRINT, "打印"},
        {&m_btnPreview, IDC_SIM_PREVIEW, IDB_SIM_PREVIEW, "打印预览"},
        {&m_btnPrevPage, IDC_SIM_PREVPAGE, IDB_SIM_PREVPAGE, "上一页"},
        {&m_btnNextPage, IDC_SIM_NEXTPAGE, IDB_SIM_NEXTPAGE, "下一页"},
        {&m_btnViewAll, IDC_SIM_VIEWALL, IDB_SIM_VIEWALL, "全图显示"},
        {&m_btnZoomOut, IDC_SIM_ZOOMOUT, IDB_SIM_ZOOMOUT, "放大"},
        {&m_btnZoomIn, IDC_SIM_ZOOMIN, IDB_SIM_ZOOMIN, "缩小"},
        {&m_btnZoomRange, IDC_SIM_ZOOMRANGE, IDB_SIM_ZOOMRANGE, "区域放大"},
    };
    for (const auto& b : buttons) {
        b.pButton->SubclassDlgItem(b.nID, this);
        b.pButton->SetBitmap(b.nBitmap, 0, crButtonMask);
        b.pButton->SetTooltipText(CString(b.pszTip));
        b.pButton->SetShowText(FALSE);
        b.pButton->SetFlat(TRUE);
    }
}

void CVornSimulatorDlg::UpdatePageButtons()
{
    const long nCount = m_ctl.GetPageCount();
    const long nCur = m_ctl.GetCurPage();
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SIM_PREVPAGE), nCount > 1 && nCur != 1);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SIM_NEXTPAGE), nCount > 1 && nCur != nCount);
}

void CVornSimulatorDlg::FillScriptCombo()
{
    CString strNames = m_ctl.GetScriptNames(1);
    if (!strNames.IsEmpty() && strNames.Right(1) != ";") {
        strNames += ";";
    }
    CStringArray arrNames;
    arrNames.Split(strNames, ';', FALSE);
    for (int i = 0; i < arrNames.GetSize(); ++i) {
        ::SendDlgItemMessageA(m_hWnd, IDC_SIM_SCRIPTS, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(arrNames[i].GetString()));
    }
}

void CVornSimulatorDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd)) {
        CKvResizDlg::OnPaint();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect rc;
    GetClientRect(&rc);
    const int x = (rc.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rc.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

BOOL CVornSimulatorDlg::OnEraseBkgnd(CDC* pDC)
{
    // The two frames are children that paint only their edges: the resizable base would leave
    // everything inside them unerased.
    return CDialog::OnEraseBkgnd(pDC);
}

LRESULT CVornSimulatorDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(static_cast<HICON>(m_hIcon));
}

void CVornSimulatorDlg::OnPrint()
{
    m_ctl.PrintData();
}

void CVornSimulatorDlg::OnPrintPreview()
{
    m_ctl.PrintPreview();
}

void CVornSimulatorDlg::OnPrevPage()
{
    const long nCur = m_ctl.GetCurPage();
    if (nCur > 1) {
        m_ctl.SetCurPage(static_cast<short>(nCur - 1));
        m_ctl.UpdateCurPageData();
    }
    UpdatePageButtons();
}

void CVornSimulatorDlg::OnNextPage()
{
    const long nCur = m_ctl.GetCurPage();
    if (nCur < m_ctl.GetPageCount()) {
        m_ctl.SetCurPage(static_cast<short>(nCur + 1));
        m_ctl.UpdateCurPageData();
    }
    UpdatePageButtons();
}

void CVornSimulatorDlg::OnViewAll()
{
    m_ctl.ZoomViewAll();
}

void CVornSimulatorDlg::OnZoomOut()
{
    // The control's ZoomOut makes the picture larger.
    m_ctl.ZoomOut();
}

void CVornSimulatorDlg::OnZoomIn()
{
    m_ctl.ZoomIn();
}

void CVornSimulatorDlg::OnZoomRange()
{
    m_ctl.ZoomRange();
}

void CVornSimulatorDlg::OnDataInput()
{
    GkInitLibrary(nGridOptions, 0, 0);
    CSimDataDlg dlg(this);
    dlg.m_strDataFile = m_strDataFile;
    dlg.m_strHeadVars = m_ctl.GetCardVars(0, "");
    const CString strMDNames = m_ctl.GetMDNames();
    const int nSep = strMDNames.Find(';');
    dlg.m_strMDName = nSep >= 0 ? strMDNames.Left(nSep) : strMDNames;
    dlg.m_strMDVars = m_ctl.GetCardVars(2, dlg.m_strMDName);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    m_ctl.LoadADMLData(dlg.m_strXml, 0);
    // Rows added in the grid may need more pages: the card is paged again from its first page.
    m_ctl.ReSetPageCount(1);
    m_ctl.UpdateCurPageData();
    UpdatePageButtons();
}

void CVornSimulatorDlg::OnExecScript()
{
    const int nSel = static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_SIM_SCRIPTS, CB_GETCURSEL, 0, 0));
    if (nSel == CB_ERR) {
        return;
    }
    CString strName;
    const int nLen = static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_SIM_SCRIPTS, CB_GETLBTEXTLEN, nSel, 0));
    ::SendDlgItemMessageA(m_hWnd, IDC_SIM_SCRIPTS, CB_GETLBTEXT, nSel,
                          reinterpret_cast<LPARAM>(strName.GetBuffer(nLen + 1)));
    strName.ReleaseBuffer();
    m_ctl.ExecScript(1, strName);
    m_ctl.ReSetPageCount(0);
    m_ctl.UpdateCurPageData();
    UpdatePageButtons();
}

void CVornSimulatorDlg::OnPrintSet()
{
    m_ctl.PrintSet();
}

BOOL CVornSimulatorDlg::PromptPrintSetFile(CString& strPath)
{
    FxFileDialogParams params;
    params.pszFilter = "pst File(*.pst)\0*.pst\0";
    params.pszDefExt = "pst";
    params.dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return FxAskFileName(GetSafeHwnd(), TRUE, params, strPath);
}

void CVornSimulatorDlg::OnLoadPrintSet()
{
    CString strPath;
    if (!PromptPrintSetFile(strPath)) {
        return;
    }
    if (!m_ctl.LoadPrintSet(strPath)) {
        MessageBox("Load Error!");
    }
}
