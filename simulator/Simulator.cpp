#include "simulator/Simulator.h"

#include "platform/base/Firewall.h"
#include "platform/base/ResMgr.h"
#include "platform/ole/OleControlWnd.h"
#include "simulator/VornSimulatorDlg.h"

void Simulator(LPCSTR pszZntFile, LPCSTR pszDataFile)
{
    // Called across a module boundary by name: nothing may leave by exception.
    try {
        CFxResourceSwitch resources("VornSimulator.dll");
        FxEnableControlContainer();
        CVornSimulatorDlg dlg;
        dlg.m_strZntFile.Format("%s", pszZntFile != nullptr ? pszZntFile : "");
        dlg.m_strDataFile.Format("%s", pszDataFile != nullptr ? pszDataFile : "");
        dlg.DoModal();
    } catch (...) {
        FxReportException("Simulator");
    }
}
