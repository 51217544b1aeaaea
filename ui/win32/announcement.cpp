#include "ui/win32/announcement.h"

#include "ui/win32/handles.h"

namespace wagelyn::win32 {
namespace {

// uiautomationcore.h's values, for the functions looked up by name.
constexpr int kActionCompleted = 2;  // NotificationKind_ActionCompleted
constexpr int kMostRecent = 3;       // NotificationProcessing_MostRecent

// UI Automation's provider side and the text allocator, from the system
// folder, looked up once.
class Notifications {
public:
    static Notifications& Instance() {
        static Notifications instance;
        return instance;
    }
    Notifications(const Notifications&) = delete;
    Notifications& operator=(const Notifications&) = delete;

    bool Available() const {
        return listening_ != nullptr && host_ != nullptr && raise_ != nullptr &&
               allocate_ != nullptr && free_ != nullptr;
    }
    bool Listened() const { return listening_() != FALSE; }

    // The notification, raised on the window's own provider.
    bool Raise(HWND window, const std::wstring& message) const {
        IUnknown* provider = nullptr;
        if (FAILED(host_(window, &provider)) || provider == nullptr) {
            return false;
        }
        const ComPtr<IUnknown> owned(provider);
        BSTR text = allocate_(message.c_str());
        BSTR activity = allocate_(L"Wagelyn.Computed");
        const HRESULT raised = raise_(provider, kActionCompleted, kMostRecent, text, activity);
        free_(activity);
        free_(text);
        return SUCCEEDED(raised);
    }

private:
    using ListeningFn = BOOL(WINAPI*)();
    using HostFn = HRESULT(WINAPI*)(HWND, IUnknown**);
    using RaiseFn = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
    using AllocateFn = BSTR(WINAPI*)(const OLECHAR*);
    using FreeFn = void(WINAPI*)(BSTR);

    Notifications()
        : core_(LoadSystemLibrary(L"uiautomationcore.dll")),
          oleaut_(LoadSystemLibrary(L"oleaut32.dll")),
          listening_(Find<ListeningFn>(core_.get(), "UiaClientsAreListening")),
          host_(Find<HostFn>(core_.get(), "UiaHostProviderFromHwnd")),
          raise_(Find<RaiseFn>(core_.get(), "UiaRaiseNotificationEvent")),
          allocate_(Find<AllocateFn>(oleaut_.get(), "SysAllocString")),
          free_(Find<FreeFn>(oleaut_.get(), "SysFreeString")) {}
    template <typename Function>
    static Function Find(HMODULE module, const char* name) {
        return module == nullptr ? nullptr
                                 : reinterpret_cast<Function>(
                                       reinterpret_cast<void*>(GetProcAddress(module, name)));
    }

    Module core_;
    Module oleaut_;
    ListeningFn listening_;
    HostFn host_;
    RaiseFn raise_;
    AllocateFn allocate_;
    FreeFn free_;
};

}  // namespace

void Announcer::Announce(const std::wstring& message) {
    const Notifications& notifications = Notifications::Instance();
    if (notifications.Available()) {
        // Without a listening reader there is nobody to tell.
        if (notifications.Listened()) {
            notifications.Raise(window_, message);
        }
        return;
    }
    Alert(message);
}

void Announcer::Alert(const std::wstring& message) {
    if (alert_ == nullptr) {
        alert_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0,
                                 window_, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (alert_ == nullptr) {
            return;
        }
    }
    SetWindowTextW(alert_, message.c_str());
    NotifyWinEvent(EVENT_SYSTEM_ALERT, alert_, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace wagelyn::win32
