// The tree control's own style words and the behaviour flags (multiple selection, wrapping
// labels, header, info tips) they give the list under it.
#pragma once

#include <windows.h>

class FwTreeStyles
{
public:
    DWORD GetStyle() const { return m_dwStyle; }
    DWORD GetExStyle() const { return m_dwExStyle; }
    UINT GetBehaviour() const { return m_nBehaviour; }
    // Takes the tree's bits out of creation style words; the behaviour follows the extended word.
    void TakeFrom(DWORD& dwStyle, DWORD& dwExStyle);
    // The words only: the behaviour stays as it is.
    void Set(DWORD dwStyle, DWORD dwExStyle);
    void SetBehaviour(UINT nFlag, BOOL bOn);
    // Sets or clears the list style bits the behaviour decides.
    void ApplyBehaviour(DWORD& dwListStyle, DWORD& dwListExStyle) const;

private:
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    UINT m_nBehaviour = 0;
};
