// Modal dialog that builds or edits a geometric tolerance frame; for the characteristics that
// have one it fills the tolerance value in from the table of grades and base lengths.
#pragma once

#include "platform/base/ObList.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Dialog.h"
#include "platform/win/Edit.h"
#include "symbols/BmpButton.h"
#include "symbols/GpTolContSeg.h"

class GLYPHWORK_API CGpTolDlg : public CDialog
{
public:
    // Records of the table file: grade index plus the offset of the characteristic's group.
    enum { nRecords = 49, nSlots = 17 };

    explicit CGpTolDlg(CWnd* pParent = nullptr);
    ~CGpTolDlg() override;

    CComboBox m_comboGrade;
    CComboBox m_comboBaseLen;
    CBmpButton m_btnGpTolType;
    int m_nGpTolType;
    CBmpButton m_btnPerTol;
    int m_nPerTol;
    CBmpButton m_btnSpeSym;
    int m_nSpeSym;
    CBmpButton m_btnPostBase1;
    int m_nPostBase1;
    CBmpButton m_btnPostBase2;
    int m_nPostBase2;
    CBmpButton m_btnPostBase3;
    int m_nPostBase3;
    CString m_strTolVal;
    CString m_strBase1;
    CString m_strBase2;
    CString m_strBase3;
    CEdit m_editBase1;
    CEdit m_editBase2;
    CEdit m_editBase3;
    int m_nGrade;       // position in the grade list
    int m_nBaseLen;     // position in the base-length list
    double m_dBaseLen;  // upper bound of the chosen base-length range, in millimetres
    int m_nLoadedGroup; // which base-length list the combos hold: 1 to 3, 0 none
    CGpTolContSeg m_segGpTol;
    CObList m_listGpTol; // one record per line of the table file, owned
    CString m_strDataFile;

    // The work directory: the table is its "Data\Gptol.dat".
    void SetDataFile(CString strDir);
    void SetData(CGpTolContSeg* pSeg);
    // FALSE without a characteristic or a tolerance value.
    int GetData(CGpTolContSeg* pSeg);

    // The tolerance in millimetres and the upper bound of the base-length range; FALSE when the
    // characteristic has no table or an index lies outside it.
    int QueryGpTolVal(int nType, int nGrade, int nBaseLen, double& dValue, double& dBaseLen);
    // FALSE for a missing or empty file; each value of a line ends with ",".
    int LoadGpTol(CString strPath);
    void DetachGpTolList();
    static int CmpDouble(double a, double b, double dEps);

    void SetGpTolType(int nType);
    void SetPerTol(int nPerTol);
    void SetSpeSym(int nSpeSym);
    void SetPostBase(int nBase, int nCode);
    static int GetGpTolTypeResID(int nType);
    static int GetPerTolResID(int nPerTol);
    static int GetSpeSymResID(int nSpeSym);
    static int GetPostBaseResID(int nCode);
    void SetPostBaseState(int nType);
    void SetGpTolBaseLenList(int nType);
    void PutToBaseLenComBox(int nCount, const int* pBounds);
    void SetTolBaseVal();

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnSelchangeTolvalCombo();
    void OnSelchangeBaselenCombo();
    void OnTolType();
    void OnPerTolVal();
    void OnPostTolVal();
    void OnPostBase1();
    void OnPostBase2();
    void OnPostBase3();
    void OnChangeBase1Edit();
    void OnChangeBase2Edit();
    void OnChangeBase3Edit();

    FX_DECLARE_MESSAGE_MAP()

private:
    void InitData();
    void OnPostBase(int nBase);
    // Datums fill from the first: emptying one empties those after it and their codes.
    void ApplyDatumRules(int nChanged);
    void SetItemTextIfChanged(int nID, const CString& strText);

    // The datum rules change the edits they watch: the outer change does the whole work.
    BOOL m_bInDatumRules;
};
