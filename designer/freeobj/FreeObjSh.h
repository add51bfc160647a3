// The property sheet of one free drawing object. Its pages edit a working copy only; the caller
// copies it back after OK, so Cancel changes nothing.
#pragma once

#include "common/KvPropertySheet.h"
#include "designer/freeobj/FOLinePg.h"
#include "designer/freeobj/FreeObjBasePg.h"
#include "designer/freeobj/FreeObjTextPg.h"

class CCappFreeObj;

class CFreeObjSh : public CKvPropertySheet
{
    FX_DECLARE_DYNAMIC(CFreeObjSh)

public:
    // Lines and lines with an arrow get the line page; every other kind the base and text pages.
    CFreeObjSh(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, int nKind);
    CFreeObjSh(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage, int nKind);
    ~CFreeObjSh() override;

    // A working copy of kinds 1 to 10; nothing for any other kind (m_pObj stays null).
    void CreateWorkObj(const CCappFreeObj* pObj);
    // The working copy assigned to the object, which then re-derives its points. 1 when copied.
    int CopyWorkObjTo(CCappFreeObj* pObj) const;

    // The frame of a cell's variable, edited without its text (the cell gives the text); on OK
    // the working copy is written back. TRUE when written.
    static BOOL EditFrameObj(CWnd* pParentWnd, CCappFreeObj* pFrameObj);

    // For the pages: the working copy of the sheet holding the page (null outside one), the colour
    // button set up on the object's line colour, and a chosen colour taken into the working copy.
    static CCappFreeObj* WorkObjOf(const CWnd* pPage);
    static void SetUpColorButton(CKvColorButton& button, CWnd* pPage, const CCappFreeObj* pObj);
    static void TakeLineColor(const CWnd* pPage, WPARAM wParam, LPARAM lParam);

    // The sheet that holds a page, found as the page's parent window.
    static CFreeObjSh* FromPage(const CWnd* pPage);

    CFreeObjBasePg m_pageBase;
    CFreeObjTextPg m_pageText;
    CFOLinePg m_pageLine;
    // The working copy, owned by the sheet.
    CCappFreeObj* m_pObj = nullptr;
    int m_nKind;

private:
    void AddPages();
};
