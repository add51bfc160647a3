// A modal property sheet that code under test opens cannot be answered by the dialog hook: a
// thread timer, started before the command, finds the sheet by its caption once its modal loop
// runs and hands it to the test, once.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/base/String.h"

class CTestSheetTimer
{
public:
    CTestSheetTimer(LPCSTR pszCaption, std::function<void(HWND hSheet)> fnSheet, UINT nElapse = 0);
    ~CTestSheetTimer();
    CTestSheetTimer(const CTestSheetTimer&) = delete;
    CTestSheetTimer& operator=(const CTestSheetTimer&) = delete;

    // How many sheets were handed to the test: 0 or 1.
    int GetAnswered() const { return m_nAnswered; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD);
    void Look();

    CString m_strCaption;
    std::function<void(HWND)> m_fnSheet;
    UINT_PTR m_nTimer;
    int m_nAnswered;
};
