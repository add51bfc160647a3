// A multi-row detail area of a sheet: its seats on the grid, its cells and index fields.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"

class CCappMDData;

class VORNCARD_API CCappMidData : public CObject
{
    FX_DECLARE_SERIAL(CCappMidData)
public:
    enum {
        typeTemplate = 1,  // an area of the template
        typeRunTime = 2,   // added at run time
        typeTemporary = 4, // never stored, never drawn
    };
    // Lists for DetachList.
    enum {
        listAll = 0,
        listSeat = 1,
        listCell = 2,
        listIndex = 3,
        listSub = 4,
    };

    CCappMidData();
    ~CCappMidData() override;
    CCappMidData(const CCappMidData&) = delete;
    CCappMidData& operator=(const CCappMidData&) = delete;

    void Serialize(CArchive& ar) override;

    // Frees the entries of one list (listIndex: the index items), or of all of them.
    void DetachList(int nWhich);
    // Appends a seat of the four line ids, in the order given.
    void AddSeatItem(int nTopLineID, int nLeftLineID, int nRightLineID, int nBottomLineID);
    // Splits the hiding text ("1$@$keys$@$hidden", names separated by ";") into the key and
    // hidden name arrays.
    void SetHideDataInfo();

    CString m_strVersion;
    int m_nMidFlags; // 0x01 sort automatically, 0x02 merge automatically, 0x04 merge the rows
    CString m_strName;
    CString m_strSortInfo;
    CString m_strSrcName;
    int m_nExtFlag; // 1: the area continues m_strSrcName
    int m_nExtOrder;
    CString m_strMDText1;
    CString m_strHideInfo;
    CString m_strMDText2;
    int m_nMDInt2;
    CObList m_listSeatItem;  // CCappMDSeatItem, owned
    CObList m_listMidCell;   // CCappCell, owned
    CObList m_listIndexItem; // CCellIndexItem, owned
    CObList m_listSubItem;   // owned; nothing of ours fills it

    // Run time only.
    int m_nType;
    CStringArray m_arrKeyName;
    CStringArray m_arrHideName;
    CCappMDData* m_pMDData; // the card's detail data shown here; not owned
};
