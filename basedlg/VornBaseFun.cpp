#include "basedlg/VornBaseFun.h"

#include "common/KvRegKey.h"
#include "platform/win/MsgBox.h"

BOOL CVornBaseFun::IsPdmView()
{
    CKvRegKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Saelo\\CAPP")) {
        FxMessageBox(nullptr, "没有找到 CAPP 的注册表!", "系统提示", MB_OK | MB_ICONQUESTION);
        return FALSE;
    }
    int nValue = 0;
    if (!key.GetIntValue("IsPdmVer", nValue)) {
        FxMessageBox(nullptr, "在 CAPP 的注册表中，没找到 Capp的版本类型 !", "系统提示", MB_OK | MB_ICONQUESTION);
        key.Close();
        return FALSE;
    }
    key.Close();
    return nValue;
}
