// The identities the card report control registers; containers and scripts find it by these.
#pragma once

#include <windows.h>

// {F6EA8B34-614A-440F-8ADB-CE180C564FEA}
const CLSID CLSID_VornCtl = {0xF6EA8B34, 0x614A, 0x440F, {0x8A, 0xDB, 0xCE, 0x18, 0x0C, 0x56, 0x4F, 0xEA}};
// {FC8585C1-D340-4137-949F-56E236B52AA0}
const CLSID CLSID_VornCtlPropPage = {0xFC8585C1, 0xD340, 0x4137, {0x94, 0x9F, 0x56, 0xE2, 0x36, 0xB5, 0x2A, 0xA0}};
// {8B8FBC1D-A408-4753-9A3C-0886078B2B97}
const GUID LIBID_VornCtl = {0x8B8FBC1D, 0xA408, 0x4753, {0x9A, 0x3C, 0x08, 0x86, 0x07, 0x8B, 0x2B, 0x97}};
// {1B5A33EB-54D7-403C-B5FF-1366CE1596A6}
const IID DIID_DVornCtl = {0x1B5A33EB, 0x54D7, 0x403C, {0xB5, 0xFF, 0x13, 0x66, 0xCE, 0x15, 0x96, 0xA6}};
// {12972013-3B5C-48B2-8800-5DB534DA4C8A}
const IID DIID_DVornCtlEvents = {0x12972013, 0x3B5C, 0x48B2, {0x88, 0x00, 0x5D, 0xB5, 0x34, 0xDA, 0x4C, 0x8A}};

#define VORNCTL_PROGID "VORNCTL.VornCtlCtrl.1"
#define VORNCTL_PAGE_PROGID "VORNCTL.VornCtlPropPage.1"

// Dispids of the control's dispatch interface.
enum VornCtlDispid {
    dispidZntFileName = 1,
    dispidDrawFrameOnPrint = 2,
    dispidStyleEx = 3,
    dispidSaveToFile = 23,
    dispidOpenZndFile = 25,
    dispidLoadADMLDataFile = 35,
    dispidSetZntFile = 37,
    dispidLoadPrintSet = 42,
    dispidLoadADMLURL = 50,
    dispidGetCtlIDispatch = 52,
    // Host settings beyond the template's own interface; scripts may read them, not set them.
    dispidScriptTimeLimit = 57,
    dispidRunTemplateScripts = 58,
    dispidDownloadLimit = 59,
};
