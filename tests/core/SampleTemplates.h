// The bundled sample templates of samples/workdir/Template, built in code: a machining process
// card (master), its continuation card and an inspection card. SampleTemplateTest writes them and
// keeps the committed files equal to what this code makes.
#pragma once

#include <vector>

#include "core/CappCell.h"
#include "core/CappLine.h"
#include "core/CappSheet.h"
#include "tests/core/SheetDrawUtil.h"

namespace sample
{

constexpr const char* kMasterName = "ProcessCard";
constexpr const char* kNextName = "ProcessCardNext";
constexpr const char* kMDName = "工序";
constexpr int kMasterRows = 15;
constexpr int kNextRows = 19;
constexpr const char* kInspectionName = "InspectionCard";
constexpr const char* kInspectionMDName = "检验";
constexpr int kInspectionRows = 15;

// Detail columns: heading, variable, right edge (from the frame's left edge; the last is the
// frame), and whether its values carry notation (tolerances, fits, roughness).
struct Column
{
    const char* pszHeading;
    const char* pszVar;
    int xRight;
    bool bNotation = false;
};

// Cells whose values carry notation draw their segment text through the special edit; without
// the flag the markup would show as text once the cell is left. A head cell takes the display
// flag 0x08. A detail cell keeps display 1, which lays its value out over the grid rows, and
// takes the several-lines flag 0x10, which draws those rows through the special edit.
inline void TakeNotation(CCappCell* pCell, bool bDetail)
{
    if (bDetail) {
        pCell->m_nEditFlags |= 0x10;
    } else {
        pCell->m_nDisplay |= 0x08;
    }
}

inline const std::vector<Column>& InspectionColumns()
{
    static const std::vector<Column> columns = {
        {"序号", "序号", 120},
        {"检验项目", "检验项目", 520},
        {"技术要求", "技术要求", 1150, true},
        {"检验方法", "检验方法", 1550},
        {"量具", "量具", 1900},
        {"实测值", "实测值", 2300, true},
        {"结论", "结论", 0},
    };
    return columns;
}

inline const std::vector<Column>& Columns()
{
    static const std::vector<Column> columns = {
        {"工序号", "工序号", 150}, {"工序名称", "工序名称", 450}, {"工序内容", "工序内容", 1550, true},
        {"车间", "车间", 1750},    {"设备", "设备", 2100},        {"工艺装备", "工艺装备", 2500},
        {"工时", "工时", 0},
    };
    return columns;
}

class CSampleTemplateBuilder
{
public:
    explicit CSampleTemplateBuilder(CCappSheet& sheet) : m_sheet(sheet) {}

    int HLine(int y, int nStart, int nEnd)
    {
        return m_sheet.AddCellLineBySpace(CCappLine::typeHCell, -1, y, nStart, nEnd, 0)->m_nID;
    }
    int VLine(int x, int nStart, int nEnd)
    {
        return m_sheet.AddCellLineBySpace(CCappLine::typeVCell, -1, x, nStart, nEnd, 0)->m_nID;
    }
    CCappCell* Label(CObList& list, int nTop, int nLeft, int nRight, int nBottom, const char* pszText)
    {
        return AddLineCell(list, nTop, nLeft, nRight, nBottom, CCappCell::kindStatic, pszText);
    }
    CCappCell* Var(CObList& list, int nTop, int nLeft, int nRight, int nBottom, const char* pszVar)
    {
        CCappCell* pCell = AddLineCell(list, nTop, nLeft, nRight, nBottom, CCappCell::kindVariable, "", pszVar);
        return pCell;
    }

    // The header's label and value cells between two rows: label x0..x1, value x1..x2, ...
    void HeadPairs(int nTop, int nBottom, const std::vector<int>& cols,
                   const std::vector<std::pair<const char*, const char*>>& pairs, std::vector<CCappCell*>& vars)
    {
        for (size_t i = 0; i < pairs.size(); ++i) {
            Label(m_sheet.m_HeadCellList, nTop, cols[2 * i], cols[2 * i + 1], nBottom, pairs[i].first);
            vars.push_back(
                Var(m_sheet.m_HeadCellList, nTop, cols[2 * i + 1], cols[2 * i + 2], nBottom, pairs[i].second));
        }
    }

    // The heading row and the detail area from yHeading down, nRows rows of 80; returns the line
    // under the last row. The third column's text is left-aligned (long texts).
    int DetailArea(int nHeadingTop, int yHeading, int nRows)
    {
        return DetailArea(nHeadingTop, yHeading, nRows, Columns(), kMDName);
    }
    int DetailArea(int nHeadingTop, int yHeading, int nRows, const std::vector<Column>& columns, const char* pszMDName)
    {
        const int nFirst = CCappSheet::kFrameFirstID;
        const int nLast = CCappSheet::kFrameLastID;
        SheetGrid grid;
        grid.rows.push_back(nHeadingTop);
        for (int r = 0; r <= nRows; ++r) {
            grid.rows.push_back(HLine(yHeading + 80 + r * 80, nFirst, nLast));
        }
        grid.cols.push_back(nFirst);
        for (const Column& c : columns) {
            grid.cols.push_back(c.xRight > 0 ? VLine(c.xRight, nHeadingTop, grid.rows.back()) : nLast);
        }
        CCappMidData* pMid = AddMidArea(m_sheet, grid, pszMDName, 1, 0, 1 + nRows, static_cast<int>(columns.size()));
        for (size_t c = 0; c < columns.size(); ++c) {
            const int n = static_cast<int>(c);
            AddGridCell(m_sheet.m_HeadCellList, grid, 0, n, 1, n + 1, CCappCell::kindStatic, columns[c].pszHeading);
            CCappCell* pCell = AddMidCell(m_sheet, grid, *pMid, 1, n, n + 1, columns[c].pszVar);
            if (c == 2) {
                pCell->m_nTextFormat = 0x24; // left, centred vertically
            }
            if (columns[c].bNotation) {
                TakeNotation(pCell, true);
            }
        }
        return grid.rows.back();
    }

    // The sign row under the detail area: page values of each page, signed by pszSigner.
    void SignRow(int nTop, const char* pszSigner = "编制")
    {
        const int nFirst = CCappSheet::kFrameFirstID;
        const int nLast = CCappSheet::kFrameLastID;
        std::vector<int> cols = {nFirst};
        for (int x : {250, 800, 1050, 1600}) {
            cols.push_back(VLine(x, nTop, nLast));
        }
        Label(m_sheet.m_PageCellList, nTop, cols[0], cols[1], nLast, pszSigner);
        Var(m_sheet.m_PageCellList, nTop, cols[1], cols[2], nLast, pszSigner);
        Label(m_sheet.m_PageCellList, nTop, cols[2], cols[3], nLast, "日期");
        Var(m_sheet.m_PageCellList, nTop, cols[3], cols[4], nLast, "日期");
    }

private:
    CCappSheet& m_sheet;
};

inline void FinishSheet(CCappSheet& sheet, const char* pszName)
{
    sheet.m_strName = pszName;
    sheet.SetAllCellSeat();
    sheet.SetCellID();
    sheet.SetNewLineID();
}

// A4 landscape: a title, part name and drawing number, material and blank size (the cell roles
// the card reads), 15 operations and a sign row. The caller owns the sheet.
inline CCappSheet* MakeProcessCardMaster()
{
    auto* pSheet = new CCappSheet;
    pSheet->NewSheetDef(2970, 2100, 5, 100, 100, 100, 100, "A4");
    CSampleTemplateBuilder b(*pSheet);
    const int nFirst = CCappSheet::kFrameFirstID;
    const int nLast = CCappSheet::kFrameLastID;
    const int h240 = b.HLine(240, nFirst, nLast);
    const int v900 = b.VLine(900, nFirst, h240);
    const int h120 = b.HLine(120, v900, nLast);
    const std::vector<int> cols = {v900, b.VLine(1150, nFirst, h240), b.VLine(1650, nFirst, h240),
                                   b.VLine(1900, nFirst, h240), nLast};
    CCappCell* pTitle = b.Label(pSheet->m_HeadCellList, nFirst, nFirst, v900, h240, "机械加工工艺过程卡片");
    pTitle->m_nFontHeight = -70;
    std::vector<CCappCell*> vars;
    b.HeadPairs(nFirst, h120, cols, {{"零件名称", "零件名称"}, {"零件图号", "零件图号"}}, vars);
    b.HeadPairs(h120, h240, cols, {{"材料牌号", "材料牌号"}, {"毛坯尺寸", "毛坯尺寸"}}, vars);
    vars[2]->m_nCellRole = CCappCell::roleMaterialName;
    vars[3]->m_nCellRole = CCappCell::roleMaterialSize;
    TakeNotation(vars[3], false);
    b.SignRow(b.DetailArea(h240, 240, kMasterRows));
    FinishSheet(*pSheet, kMasterName);
    return pSheet;
}

// The continuation: a lower header with part name and drawing number, 19 operations a page.
inline CCappSheet* MakeProcessCardNext()
{
    auto* pSheet = new CCappSheet;
    pSheet->NewSheetDef(2970, 2100, 5, 100, 100, 100, 100, "A4");
    CSampleTemplateBuilder b(*pSheet);
    const int nFirst = CCappSheet::kFrameFirstID;
    const int nLast = CCappSheet::kFrameLastID;
    const int h120 = b.HLine(120, nFirst, nLast);
    const int v900 = b.VLine(900, nFirst, h120);
    const std::vector<int> cols = {v900, b.VLine(1150, nFirst, h120), b.VLine(1650, nFirst, h120),
                                   b.VLine(1900, nFirst, h120), nLast};
    b.Label(pSheet->m_HeadCellList, nFirst, nFirst, v900, h120, "机械加工工艺过程卡片（续）")->m_nFontHeight = -50;
    std::vector<CCappCell*> vars;
    b.HeadPairs(nFirst, h120, cols, {{"零件名称", "零件名称"}, {"零件图号", "零件图号"}}, vars);
    b.SignRow(b.DetailArea(h120, 120, kNextRows));
    FinishSheet(*pSheet, kNextName);
    return pSheet;
}

// A4 landscape: a title, part name and drawing number, material and the operation inspected,
// 15 inspection items (what, requirement, method, gauge, measured value, verdict) and the
// inspector's sign row.
inline CCappSheet* MakeInspectionCard()
{
    auto* pSheet = new CCappSheet;
    pSheet->NewSheetDef(2970, 2100, 5, 100, 100, 100, 100, "A4");
    CSampleTemplateBuilder b(*pSheet);
    const int nFirst = CCappSheet::kFrameFirstID;
    const int nLast = CCappSheet::kFrameLastID;
    const int h240 = b.HLine(240, nFirst, nLast);
    const int v900 = b.VLine(900, nFirst, h240);
    const int h120 = b.HLine(120, v900, nLast);
    const std::vector<int> cols = {v900, b.VLine(1150, nFirst, h240), b.VLine(1650, nFirst, h240),
                                   b.VLine(1900, nFirst, h240), nLast};
    b.Label(pSheet->m_HeadCellList, nFirst, nFirst, v900, h240, "零件检验卡片")->m_nFontHeight = -70;
    std::vector<CCappCell*> vars;
    b.HeadPairs(nFirst, h120, cols, {{"零件名称", "零件名称"}, {"零件图号", "零件图号"}}, vars);
    b.HeadPairs(h120, h240, cols, {{"材料牌号", "材料牌号"}, {"检验工序", "检验工序"}}, vars);
    vars[2]->m_nCellRole = CCappCell::roleMaterialName;
    b.SignRow(b.DetailArea(h240, 240, kInspectionRows, InspectionColumns(), kInspectionMDName), "检验");
    FinishSheet(*pSheet, kInspectionName);
    return pSheet;
}

} // namespace sample
