// Modal dialog that looks up limit deviations in the tolerance and fit tables: shaft and hole zones
// and plastic-part tolerances in tolerance mode, hole-basis and shaft-basis fits in fit mode.
#pragma once

#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"
#include "platform/win/Dialog.h"
#include "symbols/GlyphworkExport.h"

class CGCData;

class GLYPHWORK_API CSelectTolFitDlg : public CDialog
{
public:
    enum { nItBounds = 21, nDevBounds = 43, nItValues = 25, nShaftRows = 25, nHoleRows = 49 };

    explicit CSelectTolFitDlg(CWnd* pParent = nullptr);
    ~CSelectTolFitDlg() override;

    // The folder of the six data files; nFitMode non-zero shows the fit tabs.
    void SetData(CString strDataDir, double dSize, int nFitMode);

    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;

    // The table files: 1 when all six loaded. A line with more items than its table holds makes
    // the file count as damaged.
    int LoadTolerancesData();
    int LoadToleranceIt(CString strPath);
    int LoadEsOrEi(CString strPath, CObList& rows, CStringArray& header, CString strEs, CString strEi);
    static int LoadGCPHIndex(CString strPath, CStringArray& arr);
    // Every item of the line into pBounds; 0 when there are more than nMax.
    static int ReadRangeSize(CString strLine, double* pBounds, int nMax);
    static void InitIndex(CString strLine, CStringArray& header);
    static int InitGCValue(CString strLine, CGCData* pData, CString strEs, CString strEi);
    // 0 when the line has more items than a row holds.
    static int InitGCData(CString strLine, CGCData* pData);
    void DetachTolerancesData();

    // Look-ups; deviations and tolerance in millimetres, 1 when found.
    int GetItVal(double dSize, int nGradeIndex, double& dValue);
    int ZGCTab(short bHole, int nGrade, double dSize, CString strLetters, CObList& rows, double& dUpper, double& dLower,
               double& dTol);
    int Query_GCTab(short bHole, int nGrade, double dSize, CString strLetters, CObList& rows, double& dUpper,
                    double& dLower, double& dTol);
    // A zone code such as "H7" or "js6": uppercase letters are a hole, lowercase a shaft. The code
    // keeps its letters only.
    int QueryEsEi(CString& strCode, double dSize, double& dUpper, double& dLower);
    static int ProceTolSymbol(CString strCode, CString& strLetters, int& nGrade);
    // Shows the largest and smallest clearance of a fit through the deviation texts.
    void ProcePHEsEi(CString strHoleCode, CString strShaftCode, double dSize);

    // The grids of offered cells, chosen by the basic size (below 500 mm, or 500 and above).
    static bool IsZoneOffered(bool bHole, double dSize, int nCol, int nRow);
    static bool IsFitOffered(bool bHoleBasis, double dSize, int nCol, int nRow);
    // The band of the plastic-part table for grade 1 to 10; FALSE when no row holds the size.
    static BOOL GetPlasticTolerance(int nGrade, double dSize, double& dTol);

    // Cell clicks: column and row of the table's grid.
    int DoWithShaftTolPos(int nCol, int nRow);
    int DoWithHoleTolPos(int nCol, int nRow);
    int DoWithHoleFitPos(int nCol, int nRow);
    int DoWithShaftFitPos(int nCol, int nRow);
    // The picture of the current table, at the picture area's position.
    int DrawToleranceBitmap(CDC* pDC);

    CString m_strCode;
    double m_dSize;
    CString m_strUpper;
    CString m_strLower;
    int m_nPicLeft;
    int m_nPicTop;
    int m_nPicWidth;
    int m_nPicHeight;
    // 0 shaft zones, 1 hole zones, 2 hole-basis fits (the plastic tab in tolerance mode), 3
    // shaft-basis fits; -1 before the first tab is chosen.
    int m_nTableKind;
    double m_dPlasticTol;
    int m_nFitMode;
    // The last pick: a zone's upper and lower deviation, or a fit's hole and shaft deviations.
    double m_dLastResult[4];
    CString m_strDataDir;
    // The table file the last load could not read; empty after a load that worked.
    CString m_strUnreadFile;
    double m_dItBounds[nItBounds];
    double m_dDevBounds[nDevBounds];
    CStringArray m_arrJkph;
    CStringArray m_arrJzph2;
    CStringArray m_arrJzph;
    CStringArray m_arrHoleHeader;
    CStringArray m_arrShaftHeader;
    CObList m_listIt;
    CObList m_listShaft;
    CObList m_listHole;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

    void OnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelchangeCombo1();
    void OnKillfocusEdtUptol();
    void OnKillfocusEdtDowntol();
    void OnChangeSize();

    FX_DECLARE_MESSAGE_MAP()

private:
    bool IsPlasticTab() const { return m_nFitMode == 0 && m_nTableKind == 2; }
    void SelectTab();
    int DoWithZonePos(bool bHole, int nCol, int nRow);
    int DoWithFitPos(bool bHoleBasis, int nCol, int nRow);
    // The deviation texts: "0" for zero, else signed decimals.
    void SetEsEiText(double dUpper, double dLower);
    void SetOKState();
    void RedrawPicture();

    // A fit pick found both members: OK may close the dialog with the fit's code.
    bool m_bFitFound;
};
