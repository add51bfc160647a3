// The base of every object that takes commands: its message map and the command lookup in it.
#pragma once

#include "platform/base/Object.h"
#include "platform/win/MsgMap.h"

// A WM_NOTIFY notification on its way to a handler.
struct FX_NOTIFY
{
    NMHDR* pNMHDR;
    LRESULT* pResult;
};

class FX_API CCmdTarget : public CObject
{
    FX_DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Finds the handler of command nID with notification code nCode in this object's map chain
    // and calls it. pExtra null: a WM_COMMAND (code 0 for menus and accelerators, else the
    // control's notification code); pExtra an FX_NOTIFY*: a WM_NOTIFY; code FX_CN_UPDATE_COMMAND_UI
    // with pExtra a CCmdUI*: a command-UI update. With pHandlerInfo non-null the handler
    // is only looked for, not called. Routing objects (frames, views) override it and pass the
    // command on to the objects behind them.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr, void* pHandlerInfo = nullptr);

protected:
    static const FX_MSGMAP* GetThisMessageMap();
    virtual const FX_MSGMAP* GetMessageMap() const;

    // The first entry of the map chain that takes the message (and, for commands and
    // notifications, its code and id); null when none does.
    static const FX_MSGMAP_ENTRY* FindMessageEntry(const FX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);
};
