// Modal dialog that enters a dimension with its deviations and, optionally, its fit code; the
// deviations can be taken from the tolerance and fit tables.
#pragma once

#include "platform/win/Button.h"
#include "platform/win/Dialog.h"
#include "platform/win/Edit.h"
#include "symbols/GlyphworkExport.h"

class CToleranceContSeg;

class GLYPHWORK_API CInputToleranceDlg : public CDialog
{
public:
    explicit CInputToleranceDlg(CWnd* pParent = nullptr);

    CEdit m_editSymbol;
    CButton m_btnOK;
    CButton m_btnTable;
    CString m_strBase; // without the diameter sign
    CString m_strLower;
    CString m_strUpper;
    CString m_strSymbol;
    int m_nDiameter; // 1: the base is preceded by the diameter sign
    int m_nForm;     // 0 without the fit code, 1 with it
    int m_nSymbolFlag;
    CString m_strDataDir; // folder of the tolerance tables

    // The work directory: the tables are in its "Data" folder.
    void SetDataDir(CString strDir);
    // Presets the dialog; a deviation loses its leading "+" or blank, and one that reads as zero
    // shows as "0." so that it is not taken for an empty one.
    void SetData(CToleranceContSeg* pSeg);
    void SetData(int nFlag, CString strSymbol, CString strBase, CString strUpper, CString strLower);
    int GetData(CToleranceContSeg* pSeg);

    BOOL OnInitDialog() override;

    // A deviation as OK stores it: " 0" for zero, an explicit "+" on a positive one, and no
    // trailing zeros after a decimal point.
    static CString NormalizeDeviation(CString strDeviation);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnChangeBaseEdit();
    void OnChangeUpperEdit();
    void OnChangeLowerEdit();
    void OnChangeSymbolEdit();
    void OnNoSymbolRadio();
    void OnWithSymbolRadio();
    void OnDiameterCheck();
    void OnTableButton();

    FX_DECLARE_MESSAGE_MAP()

private:
    static CString PresetDeviation(CString strDeviation);
    CString GetItemText(int nID) const;
    BOOL HasDeviation() const;
    BOOL IsSymbolChosen() const;
    void EnableOK(BOOL bEnable);
};
