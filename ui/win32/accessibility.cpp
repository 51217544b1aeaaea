#include "ui/win32/accessibility.h"

#include <initguid.h>  // defines the annotation GUIDs in this file
#include <oleacc.h>

#include "ui/win32/handles.h"

namespace wagelyn::win32 {

void NameControl(HWND control, const std::wstring& name, const std::wstring& description) {
    IAccPropServices* raw = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&raw)))) {
        return;
    }
    const ComPtr<IAccPropServices> services(raw);
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_NAME, name.c_str());
    if (!description.empty()) {
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_DESCRIPTION, description.c_str());
    }
}

}  // namespace wagelyn::win32
