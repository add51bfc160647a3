// The card report control: shows one process card in any ActiveX container. It keeps one or two
// card templates, persists them with its properties, and draws the template (before the card's
// data are initialised) or the card's current sheet, zoomed by its display base.
//
// Kept as the existing scripts and the simulator use it: ZoomIn divides the zoom factor by 1.25
// (the picture shrinks) and ZoomOut multiplies it.
#pragma once

#include "control/ZoomOleControl.h"
#include "core/CappObj.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"

class CCappSheet;

class CVornCtlCtrl : public CZoomOleControl
{
public:
    CVornCtlCtrl();
    ~CVornCtlCtrl() override;

    // Templates persist as "Sheet%d" blobs: a 32-bit archive length, then the sheet's archive.
    // The block holds exactly the archive; null when it cannot be stored.
    static HGLOBAL StoreSheetBlob(CCappSheet* pSheet);
    // A new sheet from a blob's bytes; null when the stored length exceeds the bytes or the
    // archive is damaged.
    static CCappSheet* LoadSheetBlob(const BYTE* pBytes, DWORD cbBytes);

protected:
    void OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& rcInvalid) override;
    void DoPropExchange(CPropExchange* pPX) override;
    const CLSID* GetPropPageIDs(ULONG& nPages) override;

    // Dispatch handlers, in dispid order.
    CString GetZntFileName() const;
    void SetZntFileName(LPCSTR pszZntFileName);
    BOOL GetDrawFrameOnPrint() const;
    void SetDrawFrameOnPrint(BOOL bDraw);
    long GetStyleEx() const;
    void SetStyleEx(long lStyle);

    FX_DECLARE_DISPATCH_MAP()

private:
    CObList& Templates() { return m_CappObj.m_CardObj.m_listSheet; }
    // The template at the shown index, else the first; null without templates.
    CCappSheet* GetShownTemplate();
    void LayOut(CDC* pDC);
    // The template list as ZntFileName gives it after loading: "0", or "1;name;name".
    void RebuildZntFileName();

    BOOL m_bPreviewOpen;
    HWND m_hPreviewFrame;
    BOOL m_bLaidOut;
    BOOL m_bFirstPaintDone;
    CCappObj m_CappObj;
    CString m_strMasterCardName;
    BOOL m_bDataInitialised;
    short m_nSheetCount;
    double m_dPixelsPerUnit;
    long m_lStyleEx;
    CStringArray m_arrTemplateNames;
    int m_nShownTemplate;
    CStringArray m_arrPopupPrompts;
    CUIntArray m_arrPopupCommands;
    CString m_strZntFileName;
    BOOL m_bDrawFrameOnPrint;
};
