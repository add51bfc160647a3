// Loading XML card data (head values and detail rows) into a card, against MSXML's parse of the
// same text alone: what the card adds on top of the parse is walking the DOM and making a value
// object per cell. Both must grow linearly with the rows.
#include <objbase.h>
#include <msxml2.h>

#include <cstdio>
#include <initializer_list>

#include "bench/BenchStats.h"
#include "core/CardADMLLoader.h"
#include "core/CardXmlText.h"
#include "platform/base/FxComPtr.h"
#include "platform/ole/FxMsXml.h"
#include "platform/ole/FxComScope.h"
#include "core/CellFieldDataItem.h"
#include "tests/core/CardObjUtil.h"

namespace
{

const int kRuns = 5;
const CardTemplate kCard = {"M", 20, {"PartName", "PartNo"}, "MD", {"Op", "Step", "Tool", "Gauge", "Time", "Note"},
                            "PG"};

// nRows detail rows of six values, with GBK text as planners type it.
CString MakeXml(int nRows)
{
    CString strXml = "<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n<DATA><HEAD VARS=\"PartName;PartNo;\">"
                     "<VAL>\xB3\xDD\xC2\xD6\xD6\xE1</VAL><VAL>ZX-100</VAL></HEAD>"
                     "<MD><MDITEM NAME=\"MD\" VARS=\"Op;Step;Tool;Gauge;Time;Note;\">";
    for (int i = 0; i < nRows; ++i) {
        strXml.AppendFormat("<ROW><VAL>%d</VAL><VAL>\xB4\xD6\xB3\xB5 %d</VAL><VAL>T%02d</VAL><VAL>0-25</VAL>"
                            "<VAL>%d.5</VAL><VAL>r%d</VAL></ROW>",
                            i / 10, i, i % 40, i % 7, i);
    }
    strXml += "</MDITEM></MD></DATA>";
    return strXml;
}

bool ParseAlone(const CString& strXml)
{
    CFxComPtr<IXMLDOMDocument> pDoc;
    if (FAILED(CoCreateInstance(kClsidDOMDocument, nullptr, CLSCTX_INPROC_SERVER, kIidXMLDOMDocument,
                                pDoc.ReceiveVoid()))) {
        return false;
    }
    pDoc->put_async(VARIANT_FALSE);
    return CCardXmlText::LoadXml(pDoc, strXml) != FALSE;
}

bool Loaded(const CCardObj& card, int nRows)
{
    const CCappMDData* pMD = card.m_CardData.GetMDData("MD");
    if (pMD == nullptr || pMD->GetRowCount() != nRows) {
        return false;
    }
    CString strLast;
    strLast.Format("r%d", nRows - 1);
    const auto* pRow = static_cast<const CCappMidRow*>(pMD->m_listRowData.GetTail());
    return pRow->m_listVarData.GetCount() == 6 &&
           static_cast<const CCellFieldDataItem*>(pRow->m_listVarData.GetTail())->GetData() == strLast;
}

struct Row
{
    const char* szWhat;
    int nPrevSize = 0;
    double dPrevMedian = 0.0;

    void Print(int nSize, const BenchTimes& t)
    {
        BenchPrintTimes(szWhat, nSize, t);
        if (nPrevSize > 0) {
            std::printf("%-28s          growth %.2f\n", "", BenchGrowth(nPrevSize, dPrevMedian, nSize, t.dMedian));
        }
        nPrevSize = nSize;
        dPrevMedian = t.dMedian;
    }
};

} // namespace

int main()
{
    CFxComScope com;
    int rc = 0;
    Row rowLoad{"card data load"};
    Row rowParse{"  MSXML parse alone"};
    for (int nRows : {2500, 5000, 10000, 20000}) {
        const CString strXml = MakeXml(nRows);
        CCardObj card;
        SetCardSheets(card, {kCard});
        bool bOk = true;
        const BenchTimes load = BenchRepeat(
            kRuns, [&] { bOk = CCardADMLLoader::LoadADMLText(&card, strXml, 0) && Loaded(card, nRows) && bOk; });
        const BenchTimes parse = BenchRepeat(kRuns, [&] { bOk = ParseAlone(strXml) && bOk; });
        if (!bOk) {
            std::printf("%d rows: the data did not load whole\n", nRows);
            rc = 1;
        }
        std::printf("%d rows, %.2f MB of XML\n", nRows, strXml.GetLength() / (1024.0 * 1024.0));
        rowLoad.Print(nRows, load);
        rowParse.Print(nRows, parse);
        std::printf("  ratio %.2f, %.1f MB/s end to end\n", load.dMedian / parse.dMedian,
                    strXml.GetLength() / (1024.0 * 1024.0) / load.dMedian);
    }
    return rc;
}
