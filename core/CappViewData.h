// The cards of one view.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/ObList.h"

class CCardObj;
class CView;

class VORNCARD_API CCappViewData : public CObject
{
    FX_DECLARE_SERIAL(CCappViewData)
public:
    CCappViewData();
    ~CCappViewData() override;
    CCappViewData(const CCappViewData&) = delete;
    CCappViewData& operator=(const CCappViewData&) = delete;

    // Sets up the sheets of every card for the view.
    void InitData(CView* pView);
    CCardObj* GetCurCardObj() const;
    // Frees the cards when the view owns them, and empties the list.
    void DetachList();
    // The version, then the list.
    void Serialize(CArchive& ar) override;

    CString m_strVersion;
    int m_bOwnCards;
    CObList m_listCardObj; // CCardObj
};
