#include "designer/sheet/CappSheetDefDoc.h"

#include "designer/sheet/CappSheetDefView.h"
#include "designer/template/TemplateFile.h"
#include "designer/res/resource.h"

FX_IMPLEMENT_DYNCREATE(CCappSheetDefDoc, CDocument)

FX_BEGIN_MESSAGE_MAP(CCappSheetDefDoc, CDocument)
FX_ON_COMMAND(ID_DESIGN_SAVE, OnTemplateSave)
FX_ON_COMMAND(ID_TEMPLATE_SAVE_AS, OnTemplateSaveAs)
FX_ON_COMMAND(ID_TEMPLATE_PAGE_SETUP, OnPageSetup)
FX_END_MESSAGE_MAP()

CCappSheetDefDoc::CCappSheetDefDoc() : m_pSheet(std::make_unique<CCappSheet>())
{
}

CCappSheetDefDoc::~CCappSheetDefDoc()
{
}

BOOL CCappSheetDefDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

BOOL CCappSheetDefDoc::OnOpenDocument(LPCSTR lpszPathName)
{
    CCappSheetDefView* pView = GetSheetDefView();
    return pView != nullptr && pView->LoadTemplate(lpszPathName, FALSE);
}

std::unique_ptr<CCappSheet> CCappSheetDefDoc::ReadSheet(LPCSTR lpszPath, CString& strError)
{
    auto pSheet = std::make_unique<CCappSheet>();
    if (!CTemplateFile::Load(lpszPath, *pSheet, strError)) {
        return nullptr;
    }
    return pSheet;
}

void CCappSheetDefDoc::ReplaceSheet(std::unique_ptr<CCappSheet> pSheet)
{
    if (pSheet != nullptr) {
        m_pSheet = std::move(pSheet);
    }
}

void CCappSheetDefDoc::Serialize(CArchive&)
{
}

CCappSheetDefView* CCappSheetDefDoc::GetSheetDefView() const
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        if (auto* pView = dynamic_cast<CCappSheetDefView*>(GetNextView(pos))) {
            return pView;
        }
    }
    return nullptr;
}

BOOL CCappSheetDefDoc::SaveModified()
{
    CCappSheetDefView* pView = GetSheetDefView();
    return pView == nullptr || pView->QueryCloseTemplate();
}

BOOL CCappSheetDefDoc::DoSave(LPCSTR lpszPathName, BOOL)
{
    CCappSheetDefView* pView = GetSheetDefView();
    if (pView == nullptr) {
        return FALSE;
    }
    const int nMode = lpszPathName != nullptr ? CCappSheetDefView::saveModeSave : CCappSheetDefView::saveModeSaveAs;
    return pView->SaveTemplate(nMode);
}

void CCappSheetDefDoc::OnTemplateSave()
{
    if (CCappSheetDefView* pView = GetSheetDefView()) {
        pView->SaveTemplate(CCappSheetDefView::saveModeSave);
    }
}

void CCappSheetDefDoc::OnTemplateSaveAs()
{
    if (CCappSheetDefView* pView = GetSheetDefView()) {
        pView->SaveTemplate(CCappSheetDefView::saveModeSaveAs);
    }
}

void CCappSheetDefDoc::OnPageSetup()
{
    if (CCappSheetDefView* pView = GetSheetDefView()) {
        pView->SetupPage();
    }
}
