// Answers the modal dialogs and message boxes a test provokes, so no test waits on a person.
#pragma once

#include <functional>
#include <vector>

#include "platform/base/String.h"

class CDialog;

// The dialog that has just opened, as a handler sees it: controls by id.
class CTestDlg
{
public:
    explicit CTestDlg(CDialog* pDlg);

    CDialog* GetDialog() const { return m_pDlg; }
    HWND GetHwnd() const;
    HWND Item(int nID) const;
    UINT GetTemplateID() const;

    CString GetCaption() const;
    CString GetText(int nID) const;
    // WM_SETTEXT: an edit control tells its parent EN_CHANGE as when the user types.
    void SetText(int nID, LPCSTR pszText);
    BOOL IsEnabled(int nID) const;
    BOOL IsVisible(int nID) const;
    BOOL IsChecked(int nID) const;
    BOOL IsReadOnly(int nID) const;
    // The control that has the focus, 0 when none of the dialog's has it.
    int GetFocusID() const;
    // Caret/selection of an edit control.
    void GetSel(int nID, int& nStart, int& nEnd) const;

    // A click as the user makes it: nothing happens on a disabled button.
    void Click(int nID);
    // Picks an entry as the user does: the selection changes and CBN_SELCHANGE goes to the dialog.
    void SelectCombo(int nID, int nIndex);
    int GetComboCount(int nID) const;
    CString GetComboText(int nID, int nIndex) const;
    // The OK button; Cancel as the Esc key does it (IDCANCEL to the dialog).
    void Ok();
    void Cancel();

    // Shows the dialog (slow without a window manager) and writes what it shows to a PNG under
    // the build's test-images folder, to be looked at.
    BOOL SavePicture(const char* pszName) const;

private:
    CDialog* m_pDlg;
};

typedef std::function<void(CTestDlg&)> TestDlgHandler;

struct PngImage;

// What the screen shows of the window now, children included, without painting it first: what
// stale painting left stays in the picture.
BOOL CaptureWindowShown(HWND hWnd, PngImage& image);
// Writes the image to a PNG under the build's test-images folder.
BOOL SavePngImage(const PngImage& image, const char* pszName);

// Shows the window when hidden, and writes what the screen shows of it (children included) to a
// PNG under the build's test-images folder.
BOOL SaveWindowPicture(HWND hWnd, const char* pszName);

// One per test while dialogs or message boxes may appear. Handlers for a dialog id are used in
// the order given; a dialog without a handler, or left open by its handler, fails the test and
// is cancelled. Message boxes are recorded and answered from a queue (IDOK for a plain OK box
// when nothing is queued; any other unqueued box fails the test and gets IDCANCEL or IDNO).
class CTestUi
{
public:
    CTestUi();
    ~CTestUi();
    CTestUi(const CTestUi&) = delete;
    CTestUi& operator=(const CTestUi&) = delete;

    void OnDialog(UINT nIDTemplate, TestDlgHandler fnHandler);
    void AnswerMessageBox(int nAnswer);

    struct Box
    {
        CString strText;
        CString strCaption; // "(null)" for a null caption
        UINT nType;
    };
    const std::vector<Box>& GetBoxes() const { return m_boxes; }
    // The texts of the boxes shown so far, and forget them.
    std::vector<CString> TakeBoxTexts();
    int GetDialogsOpened() const { return m_nDialogsOpened; }

private:
    static void DialogOpened(CDialog* pDlg, BOOL bModal);
    static int MessageBoxShown(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

    struct Pending
    {
        UINT nID;
        TestDlgHandler fnHandler;
    };
    std::vector<Pending> m_handlers;
    std::vector<int> m_answers;
    std::vector<Box> m_boxes;
    int m_nDialogsOpened;
};
