#include "simulator/Simulator.h"

#include <ole2.h>

#include "platform/base/Firewall.h"
#include "platform/base/FxResourceSwitch.h"
#include "platform/frame/WinApp.h"
#include "platform/ole/OleControlWnd.h"
#include "simulator/VornSimulatorDlg.h"

namespace
{
// The designer has OLE up already; any other caller gets it for the dialog's lifetime.
class OleScope
{
public:
    OleScope() : m_hr(OleInitialize(nullptr)) {}
    ~OleScope()
    {
        if (SUCCEEDED(m_hr)) {
            OleUninitialize();
        }
    }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;

private:
    HRESULT m_hr;
};
} // namespace

void Simulator(LPCSTR pszZntFile, LPCSTR pszDataFile)
{
    // Called across a module boundary by name: nothing may leave by exception.
    FxCallbackEntry("Simulator", FALSE, [&]() -> BOOL {
        // Declared first: the dialog lets go of the control before OLE goes down.
        OleScope ole;
        CFxResourceSwitch resources("VornSimulator.dll");
        FxEnableControlContainer();
        // Modal against the caller's main window, also when none of its windows is active;
        // without one, against the active window.
        CWnd* pMain = FxGetMainWnd();
        CWnd* pOwner = pMain != nullptr && pMain->IsWindow() ? pMain : nullptr;
        // Without its control the dialog would not open and the user would hear nothing.
        if (!CVornSimulatorDlg::CheckControl(pOwner != nullptr ? pOwner->GetSafeHwnd() : ::GetActiveWindow())) {
            return FALSE;
        }
        CVornSimulatorDlg dlg(pOwner);
        dlg.m_strZntFile.Format("%s", pszZntFile != nullptr ? pszZntFile : "");
        dlg.m_strDataFile.Format("%s", pszDataFile != nullptr ? pszDataFile : "");
        dlg.DoModal();
        return TRUE;
    });
}
