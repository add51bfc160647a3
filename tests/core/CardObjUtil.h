// Cards made of small template sheets for the card object's tests and benchmarks: a head row of
// variable cells, a detail area of a number of grid rows, and a page cell below it.
#pragma once

#include <vector>

#include "core/CappCell.h"
#include "core/CappMDData.h"
#include "core/CappMidRow.h"
#include "core/CappSheet.h"
#include "core/CardObj.h"
#include "platform/base/Archive.h"
#include "platform/base/File.h"
#include "tests/core/SheetDrawUtil.h"

struct CardTemplate
{
    const char* pszName;
    int nRowsPerPage;
    std::vector<const char*> headVars;
    const char* pszMDName;
    std::vector<const char*> mdVars;
    const char* pszPageVar; // may be empty
};

// A new sheet holding the template; the caller owns it.
inline CCappSheet* MakeTemplateSheet(const CardTemplate& t)
{
    auto* pSheet = new CCappSheet;
    std::vector<int> rowPos = {100};
    for (int r = 1; r <= t.nRowsPerPage; ++r) {
        rowPos.push_back(100 + r * 40);
    }
    rowPos.push_back(rowPos.back() + 100);
    const size_t nColumns = std::max(std::max(t.headVars.size(), t.mdVars.size()), static_cast<size_t>(1));
    std::vector<int> colPos;
    for (size_t c = 1; c < nColumns; ++c) {
        colPos.push_back(static_cast<int>(c) * 400);
    }
    const SheetGrid grid = MakeGridSheet(*pSheet, 2970, 2100, 50, 2, rowPos, colPos);
    pSheet->m_strName = t.pszName;
    for (size_t c = 0; c < t.headVars.size(); ++c) {
        AddGridCell(pSheet->m_HeadCellList, grid, 0, static_cast<int>(c), 1, static_cast<int>(c) + 1,
                    CCappCell::kindVariable, "", t.headVars[c]);
    }
    CCappMidData* pMid = AddMidArea(*pSheet, grid, t.pszMDName, 1, 0, 1 + t.nRowsPerPage, static_cast<int>(nColumns));
    for (size_t c = 0; c < t.mdVars.size(); ++c) {
        AddMidCell(*pSheet, grid, *pMid, 1, static_cast<int>(c), static_cast<int>(c) + 1, t.mdVars[c]);
    }
    if (t.pszPageVar != nullptr && *t.pszPageVar != '\0') {
        const int r = 1 + t.nRowsPerPage;
        AddGridCell(pSheet->m_PageCellList, grid, r, 0, r + 1, 1, CCappCell::kindVariable, "", t.pszPageVar);
    }
    pSheet->SetAllCellSeat();
    return pSheet;
}

// Writes the template as "<folder>\<name>.znt".
inline void WriteTemplate(const CString& strFolder, const CardTemplate& t)
{
    CCappSheet* pSheet = MakeTemplateSheet(t);
    CFile file(strFolder + "\\" + t.pszName + ".znt", CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    pSheet->Serialize(ar);
    ar.Close();
    file.Close();
    delete pSheet;
}

// Puts sheets made in memory into the card as a host does with its own templates: the first is
// the master card, the others start at the given pages.
inline void SetCardSheets(CCardObj& card, const std::vector<CardTemplate>& templates,
                          const std::vector<int>& firstPages = {})
{
    card.m_CardData.m_strMasterName = templates.front().pszName;
    card.m_CardData.DetachList("m_listPageMaker");
    card.m_CardData.PageMake(1, -1, templates.front().pszName);
    for (size_t i = 0; i < templates.size(); ++i) {
        card.m_listSheet.AddTail(MakeTemplateSheet(templates[i]));
        if (i > 0) {
            card.m_CardData.PageMake(firstPages[i - 1], -1, templates[i].pszName);
        }
    }
    card.m_bKeepSheets = 1;
    card.InitSheet(nullptr);
}

// Appends rows to the card's detail data, one per line count, the first variable holding the
// given texts (or "r<index>").
inline void AddRows(CCardObj& card, const char* pszMD, const std::vector<int>& lineCounts,
                    const std::vector<const char*>& values = {})
{
    CCappMDData* pMDData = card.m_CardData.GetMDData(pszMD);
    for (size_t i = 0; i < lineCounts.size(); ++i) {
        CCappMidRow* pRow = pMDData->InsertRowData(-1, 0);
        pRow->m_nLineCount = lineCounts[i];
        CString strValue;
        if (i < values.size()) {
            strValue = values[i];
        } else {
            strValue.Format("r%d", static_cast<int>(i));
        }
        const CString strVar = pMDData->GetVarName(0);
        pMDData->SetVarData(pMDData->GetRowCount() - 1, strVar, strValue);
    }
}
