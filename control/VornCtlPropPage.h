// The control's property page: the template list, the printed frame and the scroll-bar style.
// The list text ("position;main;extra") is edited through a picker of the first-page or
// continuation-page template and its path; the two check boxes edit the scroll-bar bits.
#pragma once

#include "platform/base/StringArray.h"
#include "platform/ole/OlePropertyPage.h"

class CVornCtlPropPage : public COlePropertyPage
{
public:
    CVornCtlPropPage();

protected:
    void OnObjectsLoaded() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CString ItemText(int nID) const;
    // Edit 208 shows the path at the position being edited.
    void ShowEditedPath();
    // The list text from the position and the two paths.
    void RebuildZntFileName();
    void OnBrowse();
    void OnScrollBarCheck(int nID, long lBit);

    CStringArray m_arrPaths;
    int m_nEdited;
    // Set while the page itself writes into its controls.
    BOOL m_bUpdating;
};
