#include "SimTestCard.h"

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappMidData.h"
#include "core/CappSheet.h"
#include "core/ScriptItem.h"
#include "platform/base/Archive.h"
#include "platform/base/File.h"
#include "platform/base/StringArray.h"
#include "support/ProcAddress.h"

const SimTestTemplate kTemplateAB = {"A;B;", "M", "X;Y;", "", ""};

HRESULT RegisterVornCtl()
{
    static HRESULT hrRegistered = E_PENDING;
    if (hrRegistered != E_PENDING) {
        return hrRegistered;
    }
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    char* pSlash = strrchr(szPath, '\\');
    if (pSlash != nullptr) {
        pSlash[1] = '\0';
    }
    HMODULE hCtl = LoadLibraryA((CString(szPath) + "VornCtl.dll").GetString());
    if (hCtl == nullptr) {
        return hrRegistered = HRESULT_FROM_WIN32(GetLastError());
    }
    typedef HRESULT(STDAPICALLTYPE * PFNREGISTER)();
    auto pfnRegister = TestProcAddress<PFNREGISTER>(hCtl, "DllRegisterServer");
    return hrRegistered = pfnRegister != nullptr ? pfnRegister() : E_NOINTERFACE;
}

namespace
{
CCappCell* VarCell(CCappSheet& sheet, const CString& strVar, int nTop, int nLeft, int nRight, int nBottom)
{
    auto* pCell = new CCappCell;
    pCell->m_nCellID = sheet.GetNewCellID();
    pCell->m_nContentKind = CCappCell::kindVariable;
    pCell->m_strVarName = strVar;
    pCell->m_nTopLineID = nTop;
    pCell->m_nLeftLineID = nLeft;
    pCell->m_nRightLineID = nRight;
    pCell->m_nBottomLineID = nBottom;
    return pCell;
}
} // namespace

void WriteTestTemplate(const CString& strPath, const SimTestTemplate& t)
{
    CCappSheet sheet;
    sheet.NewSheetDef(2100, 2970, 10, 100, 100, 100, 100, "A4");
    sheet.m_strName = "SimTest";
    const int nRight = 10000; // the frame's right line
    CCappLine* pHeadBottom = sheet.AddCellLineBySpace(1, -1, 300, 0, nRight, 0);
    int arrRowLines[5] = {pHeadBottom->m_nID, 0, 0, 0, 0};
    for (int i = 1; i < 5; ++i) {
        arrRowLines[i] = sheet.AddCellLineBySpace(1, -1, 300 + 150 * i, 0, nRight, 0)->m_nID;
    }

    CStringArray arrHead;
    arrHead.Split(t.pszHeadVars, ';', FALSE);
    const int nHead = static_cast<int>(arrHead.GetSize());
    int nLeft = 0;
    for (int i = 0; i < nHead; ++i) {
        const int nNext =
            i + 1 < nHead
                ? sheet.AddCellLineBySpace(2, -1, 100 + 1900 * (i + 1) / nHead, 0, pHeadBottom->m_nID, 0)->m_nID
                : nRight;
        sheet.m_HeadCellList.AddTail(VarCell(sheet, arrHead[i], 0, nLeft, nNext, pHeadBottom->m_nID));
        nLeft = nNext;
    }

    if (t.pszArea != nullptr) {
        auto* pArea = new CCappMidData;
        pArea->m_strName = t.pszArea;
        pArea->AddSeatItem(pHeadBottom->m_nID, 0, nRight, arrRowLines[4]);
        CStringArray arrCols;
        arrCols.Split(t.pszAreaVars, ';', FALSE);
        const int nCols = static_cast<int>(arrCols.GetSize());
        nLeft = 0;
        for (int i = 0; i < nCols; ++i) {
            const int nNext = i + 1 < nCols ? sheet
                                                  .AddCellLineBySpace(2, -1, 100 + 1900 * (i + 1) / nCols,
                                                                      pHeadBottom->m_nID, arrRowLines[4], 0)
                                                  ->m_nID
                                            : nRight;
            pArea->m_listMidCell.AddTail(VarCell(sheet, arrCols[i], pHeadBottom->m_nID, nLeft, nNext, arrRowLines[1]));
            nLeft = nNext;
        }
        sheet.m_MidDataList.AddTail(pArea);
    }

    CStringArray arrScripts;
    arrScripts.Split(t.pszScripts, ';', FALSE);
    for (int i = 0; i < arrScripts.GetSize(); ++i) {
        auto* pScript = new CScriptItem;
        pScript->m_nKind = 1;
        pScript->m_strName = arrScripts[i];
        pScript->m_strScript = t.pszScriptText;
        sheet.m_listScript.AddTail(pScript);
    }

    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    sheet.Serialize(ar);
    ar.Close();
    file.Close();
}
