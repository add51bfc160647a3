// Linux programs run from a test under Wine (ln, rm, python3, gs), found on the Unix PATH and
// given Unix paths. A run waits for the program to end, then, should its changes not be seen yet,
// for the change notifications of the folder it changes until the test's condition holds.
#pragma once

#include <functional>
#include <string>

#include "platform/base/String.h"

// Wine's name of a file for Unix programs (UTF-8); empty outside Wine.
std::string UnixPathOf(const CString& strPath);
// The Windows name of a Unix file (UTF-8 in, GBK out); empty when Wine has none.
CString DosPathOf(const std::string& strUnix);
// "\"str\"", for a path among a tool's arguments.
std::string UnixQuoted(const std::string& str);

// Runs the tool with its arguments (UTF-8) and waits, on name changes in strFolder, until isDone
// holds; a wait of dwQuietMs without a change gives up, so a tool that failed fails the test
// instead of hanging it. FALSE when the tool is nowhere on the PATH or isDone never held.
BOOL RunUnixTool(LPCSTR pszTool, const std::string& strArgs, const CString& strFolder,
                 const std::function<BOOL()>& isDone, DWORD dwQuietMs = 30000);
