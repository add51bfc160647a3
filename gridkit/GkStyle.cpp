#include "gridkit/GkStyle.h"

CGkStyle::CGkStyle()
    : m_dwSet(0), m_nControl(GK_CTRL_EDIT), m_bReadOnly(FALSE), m_crInterior(RGB(255, 255, 255)),
      m_crText(RGB(0, 0, 0)), m_nPoints(9), m_nWeight(FW_NORMAL)
{
}

CGkStyle& CGkStyle::SetValue(LPCSTR pszValue)
{
    m_strValue = pszValue != nullptr ? pszValue : "";
    m_dwSet |= SetValueBit;
    return *this;
}

CGkStyle& CGkStyle::SetControl(WORD nControl)
{
    m_nControl = nControl;
    m_dwSet |= SetControlBit;
    return *this;
}

CGkStyle& CGkStyle::SetChoiceList(LPCSTR pszChoices)
{
    m_strChoices = pszChoices != nullptr ? pszChoices : "";
    m_dwSet |= SetChoicesBit;
    return *this;
}

CGkStyle& CGkStyle::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly;
    m_dwSet |= SetReadOnlyBit;
    return *this;
}

CGkStyle& CGkStyle::SetInterior(COLORREF crInterior)
{
    m_crInterior = crInterior;
    m_dwSet |= SetInteriorBit;
    return *this;
}

CGkStyle& CGkStyle::SetTextColor(COLORREF crText)
{
    m_crText = crText;
    m_dwSet |= SetTextColorBit;
    return *this;
}

CGkStyle& CGkStyle::SetFontFace(LPCSTR pszFace)
{
    m_strFace = pszFace != nullptr ? pszFace : "";
    m_dwSet |= SetFaceBit;
    return *this;
}

CGkStyle& CGkStyle::SetFontSize(int nPoints)
{
    m_nPoints = nPoints;
    m_dwSet |= SetSizeBit;
    return *this;
}

CGkStyle& CGkStyle::SetFontWeight(int nWeight)
{
    m_nWeight = nWeight;
    m_dwSet |= SetWeightBit;
    return *this;
}

CGkStyle& CGkStyle::SetUserAttribute(WORD nID, LPCSTR pszValue)
{
    const CString strValue(pszValue != nullptr ? pszValue : "");
    for (INT_PTR i = 0; i < m_attrIDs.GetSize(); i++) {
        if (m_attrIDs.GetAt(i) == nID) {
            m_attrValues.SetAt(i, strValue);
            return *this;
        }
    }
    m_attrIDs.Add(nID);
    m_attrValues.Add(strValue);
    return *this;
}

BOOL CGkStyle::GetUserAttribute(WORD nID, CString& strValue) const
{
    for (INT_PTR i = 0; i < m_attrIDs.GetSize(); i++) {
        if (m_attrIDs.GetAt(i) == nID) {
            strValue = m_attrValues.GetAt(i);
            return TRUE;
        }
    }
    strValue.Empty();
    return FALSE;
}

void CGkStyle::Overlay(const CGkStyle& style)
{
    if (style.m_dwSet & SetValueBit) {
        m_strValue = style.m_strValue;
    }
    if (style.m_dwSet & SetControlBit) {
        m_nControl = style.m_nControl;
    }
    if (style.m_dwSet & SetChoicesBit) {
        m_strChoices = style.m_strChoices;
    }
    if (style.m_dwSet & SetReadOnlyBit) {
        m_bReadOnly = style.m_bReadOnly;
    }
    if (style.m_dwSet & SetInteriorBit) {
        m_crInterior = style.m_crInterior;
    }
    if (style.m_dwSet & SetTextColorBit) {
        m_crText = style.m_crText;
    }
    if (style.m_dwSet & SetFaceBit) {
        m_strFace = style.m_strFace;
    }
    if (style.m_dwSet & SetSizeBit) {
        m_nPoints = style.m_nPoints;
    }
    if (style.m_dwSet & SetWeightBit) {
        m_nWeight = style.m_nWeight;
    }
    m_dwSet |= style.m_dwSet;
    for (INT_PTR i = 0; i < style.m_attrIDs.GetSize(); i++) {
        SetUserAttribute(style.m_attrIDs.GetAt(i), style.m_attrValues.GetAt(i));
    }
}

void CGkStyle::Clear()
{
    *this = CGkStyle();
}
