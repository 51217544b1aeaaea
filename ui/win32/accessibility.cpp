#include "ui/win32/accessibility.h"

#include <initguid.h>  // defines the annotation GUIDs in this file
#include <oleacc.h>

#include "ui/win32/handles.h"

namespace wagelyn::win32 {
namespace {

// COM, loaded on first use rather than with the program: none of it is
// needed to show the window.
class Com {
public:
    static Com& Instance() {
        static Com com;
        return com;
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;

    // The annotation service, created once; nullptr where there is none.
    IAccPropServices* AnnotationService() {
        if (!services_ && started_) {
            using Create = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
            const auto create = reinterpret_cast<Create>(
                reinterpret_cast<void*>(GetProcAddress(module_, "CoCreateInstance")));
            IAccPropServices* services = nullptr;
            if (create != nullptr &&
                SUCCEEDED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
                services_.reset(services);
            }
        }
        return services_.get();
    }

private:
    Com() : module_(LoadSystemLibrary(L"ole32.dll").release()) {
        using Initialize = HRESULT(WINAPI*)(LPVOID, DWORD);
        const auto initialize = reinterpret_cast<Initialize>(
            module_ == nullptr
                ? nullptr
                : reinterpret_cast<void*>(GetProcAddress(module_, "CoInitializeEx")));
        started_ =
            initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }
    // Left loaded and initialised to the end of the process: the annotations
    // live in it.

    HMODULE module_;
    bool started_ = false;
    ComPtr<IAccPropServices> services_;
};

}  // namespace

void NameControl(HWND control, const std::wstring& name, const std::wstring& description) {
    IAccPropServices* services = Com::Instance().AnnotationService();
    if (services == nullptr) {
        return;
    }
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_NAME, name.c_str());
    if (!description.empty()) {
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_DESCRIPTION, description.c_str());
    }
}

}  // namespace wagelyn::win32
