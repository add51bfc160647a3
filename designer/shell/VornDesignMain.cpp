// The program's entry: the one application object and the message loop. Compiled into the
// program alone (the library's copy is empty), so that the tests make their own application.
#ifdef VORN_DESIGN_PROGRAM

#include <windows.h>

#include "designer/shell/VornDesignApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CVornDesignApp app;
    app.m_strCmdLine = lpCmdLine;
    app.m_nCmdShow = nCmdShow;
    if (!app.InitInstance()) {
        app.ExitInstance();
        return 0;
    }
    return app.Run();
}

#endif
