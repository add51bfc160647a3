// The look and behaviour of a cell, or one layer of it: only the fields a style sets take part
// when layers are composed (standard, headings, the cell's own).
#pragma once

#include "gridkit/GridKitExport.h"
#include "platform/base/String.h"
#include "platform/base/StringArray.h"
#include "platform/base/WordArray.h"

// Built-in cell controls; other ids name bitmap controls registered with a grid.
#define GK_CTRL_EDIT 0xCD20
// Text shown, never edited in place.
#define GK_CTRL_STATIC 0xCD21
// A drop-down list of the style's choices, items separated by line feeds.
#define GK_CTRL_DROPLIST 0xCD22
// A two-state mark: the value "1" is checked, anything else unchecked.
#define GK_CTRL_CHECK 0xCD23

class GK_API CGkStyle
{
public:
    CGkStyle();

    CGkStyle& SetValue(LPCSTR pszValue);
    CGkStyle& SetControl(WORD nControl);
    CGkStyle& SetChoiceList(LPCSTR pszChoices);
    CGkStyle& SetReadOnly(BOOL bReadOnly);
    CGkStyle& SetInterior(COLORREF crInterior);
    CGkStyle& SetTextColor(COLORREF crText);
    CGkStyle& SetFontFace(LPCSTR pszFace);
    CGkStyle& SetFontSize(int nPoints);
    CGkStyle& SetFontWeight(int nWeight);
    CGkStyle& SetUserAttribute(WORD nID, LPCSTR pszValue);

    BOOL HasValue() const { return (m_dwSet & SetValueBit) != 0; }
    BOOL HasControl() const { return (m_dwSet & SetControlBit) != 0; }
    BOOL HasInterior() const { return (m_dwSet & SetInteriorBit) != 0; }
    const CString& GetValue() const { return m_strValue; }
    WORD GetControl() const { return m_nControl; }
    const CString& GetChoiceList() const { return m_strChoices; }
    BOOL GetReadOnly() const { return m_bReadOnly; }
    COLORREF GetInterior() const { return m_crInterior; }
    COLORREF GetTextColor() const { return m_crText; }
    const CString& GetFontFace() const { return m_strFace; }
    int GetFontSize() const { return m_nPoints; }
    int GetFontWeight() const { return m_nWeight; }
    // FALSE, and an empty text, when the attribute is not set.
    BOOL GetUserAttribute(WORD nID, CString& strValue) const;
    BOOL IsEmpty() const { return m_dwSet == 0 && m_attrIDs.GetSize() == 0; }

    // Copies every field that style sets over this one; attributes are merged by id.
    void Overlay(const CGkStyle& style);
    void Clear();

private:
    enum : DWORD {
        SetValueBit = 0x01,
        SetControlBit = 0x02,
        SetChoicesBit = 0x04,
        SetReadOnlyBit = 0x08,
        SetInteriorBit = 0x10,
        SetTextColorBit = 0x20,
        SetFaceBit = 0x40,
        SetSizeBit = 0x80,
        SetWeightBit = 0x100,
    };

    DWORD m_dwSet;
    CString m_strValue;
    WORD m_nControl;
    CString m_strChoices;
    BOOL m_bReadOnly;
    COLORREF m_crInterior;
    COLORREF m_crText;
    CString m_strFace;
    int m_nPoints;
    int m_nWeight;
    CWordArray m_attrIDs;
    CStringArray m_attrValues;
};
