#include "core/CardCodeItem.h"

#include <cstdlib>

namespace
{
const char kSeparator[] = "<,>";
} // namespace

CCardCodeItem::CCardCodeItem() : m_nCodeNumber(0)
{
}

CCardCodeItem::~CCardCodeItem() = default;

CCardCodeItem::CCardCodeItem(const CCardCodeItem& src) : m_nCodeNumber(0)
{
    *this = src;
}

CCardCodeItem& CCardCodeItem::operator=(const CCardCodeItem& src)
{
    if (this != &src) {
        m_strVersion = src.m_strVersion;
        m_strCode = src.m_strCode;
        m_arrCardName.Copy(src.m_arrCardName);
        m_nCodeNumber = src.m_nCodeNumber;
        m_arrSubFileName.Copy(src.m_arrSubFileName);
    }
    return *this;
}

CString CCardCodeItem::SaveToString()
{
    m_strVersion = "1.0";
    CString strText;
    strText.Format("%s<,>%s<,>%d<,>%s<,>%s", m_strVersion.GetString(), m_strCode.GetString(), m_nCodeNumber,
                   StringArrayToString(m_arrCardName).GetString(), StringArrayToString(m_arrSubFileName).GetString());
    return strText;
}

BOOL CCardCodeItem::LoadFromString(const CString& strText)
{
    m_arrSubFileData.RemoveAll();
    CString strList = strText;
    CString strItem;
    GetElementItem(strList, m_strVersion, kSeparator);
    GetElementItem(strList, m_strCode, kSeparator);
    strItem.Empty();
    GetElementItem(strList, strItem, kSeparator);
    m_nCodeNumber = std::atoi(strItem);
    strItem.Empty();
    GetElementItem(strList, strItem, kSeparator);
    StringToStringArray(strItem, m_arrCardName);
    strItem.Empty();
    GetElementItem(strList, strItem, kSeparator);
    StringToStringArray(strItem, m_arrSubFileName);
    return TRUE;
}

BOOL CCardCodeItem::GetElementItem(CString& strList, CString& strOut, const CString& strDelimiter)
{
    if (strList.IsEmpty()) {
        return FALSE;
    }
    // The delimiters are plain ASCII; a GBK trail byte can never start "<,>" or "\n".
    const int nAt = strList.Find(strDelimiter);
    if (nAt < 0) {
        strOut = strList;
        strList.Empty();
        return TRUE;
    }
    strOut = strList.Left(nAt);
    strList = strList.Mid(nAt + strDelimiter.GetLength());
    return TRUE;
}

void CCardCodeItem::StringToStringArray(const CString& strText, CStringArray& arr)
{
    // One pass: cutting the front off the rest for every name made a long list quadratic.
    arr.Split(strText, '\n', FALSE);
}

CString CCardCodeItem::StringArrayToString(const CStringArray& arr)
{
    CString strText;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
        if (i > 0) {
            strText += "\n";
        }
        strText += arr[i];
    }
    return strText;
}

CString CCardCodeItem::GetCardName(int /*nIndex*/) const
{
    return m_arrCardName.GetSize() > 0 ? m_arrCardName[0] : CString();
}

CString CCardCodeItem::GetSubFileData(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_arrSubFileData.GetSize() ? m_arrSubFileData[nIndex] : CString();
}
