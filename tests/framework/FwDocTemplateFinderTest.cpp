#include <gtest/gtest.h>

#include "framework/FwDocTemplateFinder.h"
#include "platform/doc/DocTemplate.h"
#include "platform/doc/Document.h"
#include "platform/doc/MultiDocTemplate.h"
#include "platform/doc/View.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "tests/framework/res/fwtest_resource.h"

namespace
{
class CFinderDoc : public CDocument
{
    FX_DECLARE_DYNCREATE(CFinderDoc)
};
FX_IMPLEMENT_DYNCREATE(CFinderDoc, CDocument)

class CFinderOtherDoc : public CDocument
{
    FX_DECLARE_DYNCREATE(CFinderOtherDoc)
};
FX_IMPLEMENT_DYNCREATE(CFinderOtherDoc, CDocument)

class CFinderView : public CView
{
    FX_DECLARE_DYNCREATE(CFinderView)

public:
    void OnDraw(CDC*) override {}
};
FX_IMPLEMENT_DYNCREATE(CFinderView, CView)

// A frame as LoadFrame leaves it, without making a window.
class CFinderFrame : public CFrameWnd
{
    FX_DECLARE_DYNCREATE(CFinderFrame)

public:
    void SetLoadedFrom(UINT nID) { m_nIDResource = nID; }
};
FX_IMPLEMENT_DYNCREATE(CFinderFrame, CFrameWnd)

class CTemplateDoc : public CFinderDoc
{
public:
    void SetTemplate(CDocTemplate* pTemplate) { m_pDocTemplate = pTemplate; }
};

class FwDocTemplateFinderTest : public testing::Test
{
protected:
    CDocTemplate* Add(UINT nID, CRuntimeClass* pDocClass)
    {
        CDocTemplate* pTemplate =
            new CMultiDocTemplate(nID, pDocClass, FX_RUNTIME_CLASS(CFinderFrame), FX_RUNTIME_CLASS(CFinderView));
        m_app.AddDocTemplate(pTemplate);
        return pTemplate;
    }

    CWinApp m_app{"FwFinderTest"};
    FwDocTemplateFinder m_finder;
};

TEST_F(FwDocTemplateFinderTest, OrdinalsCountTemplatesOfOneFileTypeName)
{
    CDocTemplate* pCard = Add(IDR_FWTEST_CARD, FX_RUNTIME_CLASS(CFinderDoc));
    CDocTemplate* pScript = Add(IDR_FWTEST_SCRIPT, FX_RUNTIME_CLASS(CFinderDoc));
    CDocTemplate* pCard2 = Add(IDR_FWTEST_CARD2, FX_RUNTIME_CLASS(CFinderDoc));
    EXPECT_EQ(0, m_finder.GetTemplateOrdinal(pCard, "CardType"));
    EXPECT_EQ(1, m_finder.GetTemplateOrdinal(pCard2, "CardType"));
    EXPECT_EQ(0, m_finder.GetTemplateOrdinal(pScript, "ScriptType"));
    EXPECT_EQ(-1, m_finder.GetTemplateOrdinal(nullptr, "CardType"));
    EXPECT_EQ(pCard, m_finder.GetTemplateByOrdinal("CardType", 0));
    EXPECT_EQ(pCard2, m_finder.GetTemplateByOrdinal("CardType", 1));
    EXPECT_EQ(pCard2, m_finder.GetTemplateByOrdinal("CardType", 5));
    EXPECT_EQ(nullptr, m_finder.GetTemplateByOrdinal("cardtype", 0));
}

TEST_F(FwDocTemplateFinderTest, FindTemplateNarrowsByViewFrameResourceAndDocument)
{
    CDocTemplate* pCard = Add(IDR_FWTEST_CARD, FX_RUNTIME_CLASS(CFinderDoc));
    CDocTemplate* pScript = Add(IDR_FWTEST_SCRIPT, FX_RUNTIME_CLASS(CFinderDoc));
    CDocTemplate* pOther = Add(IDR_FWTEST_SCRIPT, FX_RUNTIME_CLASS(CFinderOtherDoc));
    CDocTemplate* pTwin = Add(IDR_FWTEST_SCRIPT, FX_RUNTIME_CLASS(CFinderDoc));
    CFinderView view;
    CFinderFrame frame;
    CTemplateDoc doc;
    doc.m_bAutoDelete = FALSE;
    CFinderOtherDoc otherDoc;
    otherDoc.m_bAutoDelete = FALSE;

    EXPECT_EQ(nullptr, m_finder.FindTemplate(nullptr, &view, &frame));
    frame.SetLoadedFrom(IDR_FWTEST_CARD);
    EXPECT_EQ(pCard, m_finder.FindTemplate(&doc, &view, &frame));
    frame.SetLoadedFrom(IDR_FWTEST_SCRIPT);
    EXPECT_EQ(pOther, m_finder.FindTemplate(&otherDoc, &view, &frame));
    // Two equal candidates: the document's own template, else the first.
    doc.SetTemplate(pTwin);
    EXPECT_EQ(pTwin, m_finder.FindTemplate(&doc, &view, &frame));
    doc.SetTemplate(pCard);
    EXPECT_EQ(pScript, m_finder.FindTemplate(&doc, &view, &frame));
    frame.SetLoadedFrom(9999);
    EXPECT_EQ(nullptr, m_finder.FindTemplate(&doc, &view, &frame));
    doc.SetTemplate(nullptr);
}

TEST_F(FwDocTemplateFinderTest, ResourceIdOfAWindowAndTheSmallSteps)
{
    CFinderFrame frame;
    CWnd plain;
    EXPECT_EQ(0u, m_finder.GetFrameResourceID(nullptr));
    EXPECT_EQ(0u, m_finder.GetFrameResourceID(&frame));
    EXPECT_EQ(0u, m_finder.GetFrameResourceID(&plain));
    frame.SetLoadedFrom(IDR_FWTEST_CARD);
    EXPECT_EQ(static_cast<UINT>(IDR_FWTEST_CARD), m_finder.GetFrameResourceID(&frame));

    CPtrList templates;
    CDocTemplate* pTemplate = reinterpret_cast<CDocTemplate*>(1);
    EXPECT_TRUE(m_finder.GetSingle(templates, pTemplate));
    EXPECT_EQ(nullptr, pTemplate);
    EXPECT_FALSE(m_finder.NarrowByDocument(templates, nullptr));
    EXPECT_FALSE(m_finder.NarrowByFrameResource(templates, nullptr));
    CDocTemplate* pCard = Add(IDR_FWTEST_CARD, FX_RUNTIME_CLASS(CFinderDoc));
    Add(IDR_FWTEST_SCRIPT, FX_RUNTIME_CLASS(CFinderDoc));
    EXPECT_TRUE(m_finder.GetAllTemplates(templates));
    EXPECT_FALSE(m_finder.GetSingle(templates, pTemplate));
    EXPECT_TRUE(m_finder.NarrowByFrameResource(templates, &frame));
    EXPECT_TRUE(m_finder.GetSingle(templates, pTemplate));
    EXPECT_EQ(pCard, pTemplate);
    EXPECT_EQ(nullptr, m_finder.GetFrameClassSubstitute(FX_RUNTIME_CLASS(CFinderFrame)));
    EXPECT_EQ(nullptr, m_finder.GetTemplateFrameClass(pCard, FX_RUNTIME_CLASS(CFrameWnd)));
}
} // namespace
