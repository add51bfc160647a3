// The tip-of-the-day dialog: tips read from an INI file, shown topic by topic and page by page.
#pragma once

#include "basedlg/VornBaseClsExport.h"
#include "platform/base/StringArray.h"
#include "platform/gdi/Font.h"
#include "platform/win/Dialog.h"
#include "platform/win/Static.h"

class VORNBASECLS_API CTipDayDlg : public CDialog
{
    FX_DECLARE_DYNAMIC(CTipDayDlg)

public:
    explicit CTipDayDlg(CWnd* pParent = nullptr);

    void SetData(CString strTipFile, int bStartup, int nTopicIndex);
    void GetData(int& nTopicIndex, int& bStartup);
    int GetTopicIndex() const { return m_nTopicIndex; }
    int GetStartup() const { return m_bStartup; }

    // Caption and topic count from the file; FALSE when the file names no topic.
    BOOL GetCommData();
    // Name and wrapped lines of one topic, from page 0; FALSE for a topic the file does not hold.
    BOOL GetTopicInfo(int nTopic);
    // Wraps one tip into lines as wide as the tip static, after a four-blank indent.
    void ReformTip(CString strTip);
    // Cuts the first character (one byte, or a GBK pair) off strText into strChar; FALSE when empty.
    BOOL GetItemStr(CString& strText, CString& strChar);
    int GetPageCountOfTopic() const;
    // The white area right of the picture, inside the frame.
    CRect GetWorkRect() const;

    BOOL OnInitDialog() override;
    void OnPaint() override;

    CString m_strTipFile;
    CString m_strCaption;
    int m_nTopicCount;
    BOOL m_bStartup;
    CString m_strTopicName;
    CStringArray m_arrLines;
    int m_nPage;
    int m_nTopicIndex;
    int m_nLinesPerPage;
    CFont m_fontTopic;
    CFont m_fontTip;
    CStatic m_stcTopic;
    CStatic m_stcTip;
    CStatic m_stcWork;
    CStatic m_stcPicture;
    CWnd m_btnNext;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBnNextTip();

    FX_DECLARE_MESSAGE_MAP()

private:
    CRect ItemRect(const CWnd& wnd) const;
};
