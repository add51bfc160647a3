#include "simulator/Simulator.h"

#include <ole2.h>

#include "platform/base/Firewall.h"
#include "platform/base/ResMgr.h"
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
    try {
        // Declared first: the dialog lets go of the control before OLE goes down.
        OleScope ole;
        CFxResourceSwitch resources("VornSimulator.dll");
        FxEnableControlContainer();
        // Without its control the dialog would not open and the user would hear nothing.
        if (!CVornSimulatorDlg::CheckControl(::GetActiveWindow())) {
            return;
        }
        CVornSimulatorDlg dlg;
        dlg.m_strZntFile.Format("%s", pszZntFile != nullptr ? pszZntFile : "");
        dlg.m_strDataFile.Format("%s", pszDataFile != nullptr ? pszDataFile : "");
        dlg.DoModal();
    } catch (...) {
        FxReportException("Simulator");
    }
}
