#include "ui/win32/screen_reader.h"

#include <initguid.h>  // defines IID_IAccessible here: Wine knows no other copy
#include <oleacc.h>

#include <map>

#include "i18n/translation.h"
#include "ui/forms/spoken_text.h"
#include "ui/win32/handles.h"
#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

struct LibraryFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

// Active Accessibility, loaded from the system folder, and COM, started,
// when the first screen reader asks, not with the program: a user without
// one never pays for them (ole32.dll itself is loaded at start, see main.cpp).
class Accessibility {
public:
    static Accessibility& Instance() {
        static Accessibility instance;
        return instance;
    }
    Accessibility(const Accessibility&) = delete;
    Accessibility& operator=(const Accessibility&) = delete;

    bool Ready() const {
        return com_ && createStandard_ != nullptr && fromObject_ != nullptr && allocate_ != nullptr;
    }
    HRESULT CreateStandard(HWND window, REFIID iid, void** object) const {
        return createStandard_(window, OBJID_CLIENT, iid, object);
    }
    LRESULT FromObject(REFIID iid, WPARAM wParam, IUnknown* object) const {
        return fromObject_(iid, wParam, object);
    }
    // A text for the caller to free (SysAllocStringLen).
    BSTR Text(const std::wstring& text) const {
        return allocate_(text.data(), static_cast<UINT>(text.size()));
    }
    // IAccessible's description from the type library in the system's
    // oleacc.dll, read when a client first asks by name; nullptr without it.
    ITypeInfo* AccessibleType() {
        if (!typeRead_) {
            typeRead_ = true;
            accessibleType_ = ReadAccessibleType();
        }
        return accessibleType_.get();
    }
    HRESULT IdsOfNames(LPOLESTR* names, UINT count, DISPID* ids) {
        ITypeInfo* type = AccessibleType();
        return type != nullptr && idsOfNames_ != nullptr ? idsOfNames_(type, names, count, ids)
                                                         : E_NOTIMPL;
    }
    // Calls the member `id` of `object` as IAccessible's type describes it.
    HRESULT Invoke(IAccessible* object, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argument) {
        ITypeInfo* type = AccessibleType();
        return type != nullptr && invoke_ != nullptr
                   ? invoke_(object, type, id, flags, params, result, exception, argument)
                   : E_NOTIMPL;
    }

private:
    Accessibility()
        : ole_(LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)),
          oleaut_(LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)),
          oleacc_(LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        using Initialize = HRESULT(WINAPI*)(LPVOID, DWORD);
        const auto initialize = reinterpret_cast<Initialize>(Find(ole_.get(), "CoInitializeEx"));
        // Objects handed to other processes are served in this thread's
        // apartment, through its message loop; it stays open to the end.
        com_ = initialize != nullptr &&
               SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
        createStandard_ = reinterpret_cast<decltype(&CreateStdAccessibleObject)>(
            Find(oleacc_.get(), "CreateStdAccessibleObject"));
        fromObject_ = reinterpret_cast<decltype(&LresultFromObject)>(
            Find(oleacc_.get(), "LresultFromObject"));
        allocate_ = reinterpret_cast<decltype(&SysAllocStringLen)>(
            Find(oleaut_.get(), "SysAllocStringLen"));
        idsOfNames_ = reinterpret_cast<decltype(&DispGetIDsOfNames)>(
            Find(oleaut_.get(), "DispGetIDsOfNames"));
        invoke_ = reinterpret_cast<decltype(&DispInvoke)>(Find(oleaut_.get(), "DispInvoke"));
    }
    ComPtr<ITypeInfo> ReadAccessibleType() const {
        const auto load =
            reinterpret_cast<decltype(&LoadTypeLibEx)>(Find(oleaut_.get(), "LoadTypeLibEx"));
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (load == nullptr || length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        // By its full path in the system folder, as the library itself is.
        const std::wstring path = std::wstring(folder, length) + L"\\oleacc.dll";
        ITypeLib* library = nullptr;
        if (FAILED(load(path.c_str(), REGKIND_NONE, &library))) {
            return nullptr;
        }
        const ComPtr<ITypeLib> owned(library);
        ITypeInfo* type = nullptr;
        if (FAILED(library->GetTypeInfoOfGuid(IID_IAccessible, &type))) {
            return nullptr;
        }
        return ComPtr<ITypeInfo>(type);
    }
    static void* Find(HMODULE module, const char* name) {
        return module == nullptr ? nullptr : reinterpret_cast<void*>(GetProcAddress(module, name));
    }

    Library ole_;
    Library oleaut_;
    Library oleacc_;
    bool com_ = false;
    decltype(&CreateStdAccessibleObject) createStandard_ = nullptr;
    decltype(&LresultFromObject) fromObject_ = nullptr;
    decltype(&SysAllocStringLen) allocate_ = nullptr;
    decltype(&DispGetIDsOfNames) idsOfNames_ = nullptr;
    decltype(&DispInvoke) invoke_ = nullptr;
    bool typeRead_ = false;
    ComPtr<ITypeInfo> accessibleType_;
};

// Each annotated window's texts, and the window procedure ours stands in
// front of, until the window is destroyed. Used on the windows' own thread
// only: other processes' calls arrive through its apartment.
struct Annotation {
    ScreenReaderTexts::Texts* texts;  // nullptr once the texts are gone
    WNDPROC original;
};

std::map<HWND, Annotation>& Annotated() {
    static std::map<HWND, Annotation> annotated;
    return annotated;
}

// The texts a window carries now, or nullptr once it is gone.
const ScreenReaderTexts::Texts* TextsOf(HWND window) {
    const auto found = Annotated().find(window);
    return found == Annotated().end() ? nullptr : found->second.texts;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's object for the control, with the form's name and description.
class AnnotatedObject final : public IAccessible, public IOleWindow {
public:
    AnnotatedObject(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
    AnnotatedObject(const AnnotatedObject&) = delete;
    AnnotatedObject& operator=(const AnnotatedObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, IID_IAccessible)) {
            *object = static_cast<IAccessible*>(this);
        } else if (IsEqualIID(iid, IID_IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) {
            return E_POINTER;
        }
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL /*enter*/) override { return E_NOTIMPL; }

    // IDispatch: late-bound clients reach this object's own members, through
    // IAccessible's type, not the system object's behind it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = Accessibility::Instance().AccessibleType() != nullptr ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID /*locale*/, ITypeInfo** info) override {
        if (info == nullptr) {
            return E_POINTER;
        }
        *info = index == 0 ? Accessibility::Instance().AccessibleType() : nullptr;
        if (*info == nullptr) {
            return DISP_E_BADINDEX;
        }
        (*info)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count,
                                            LCID /*locale*/, DISPID* ids) override {
        if (!IsEqualIID(iid, IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        return Accessibility::Instance().IdsOfNames(names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID /*locale*/, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        if (!IsEqualIID(iid, IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        return Accessibility::Instance().Invoke(this, id, flags, params, result, exception,
                                                argument);
    }

    // IAccessible: the name and the description of the control itself are
    // the form's; everything else is the system's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const ScreenReaderTexts::Texts* texts = TextsOf(window_);
        if (name != nullptr && IsSelf(child) && texts != nullptr && !texts->name.empty()) {
            return Give(texts->name, name);
        }
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        const ScreenReaderTexts::Texts* texts = TextsOf(window_);
        if (description != nullptr && IsSelf(child) && texts != nullptr &&
            !texts->description.empty()) {
            return Give(texts->description, description);
        }
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~AnnotatedObject() = default;  // only Release deletes

    static HRESULT Give(const std::wstring& text, BSTR* out) {
        *out = Accessibility::Instance().Text(text);
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    LONG references_ = 1;
    HWND window_;
    ComPtr<IAccessible> standard_;
};

// The answer to WM_GETOBJECT for the client object, or 0 to let the system
// answer (then without the form's texts).
LRESULT AnswerFor(HWND window, WPARAM wParam) {
    const Accessibility& accessibility = Accessibility::Instance();
    if (!accessibility.Ready()) {
        return 0;
    }
    IAccessible* standard = nullptr;
    if (FAILED(accessibility.CreateStandard(window, IID_IAccessible,
                                            reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    const ComPtr<IAccessible> annotated(new AnnotatedObject(window, standard));
    const LRESULT answer = accessibility.FromObject(IID_IAccessible, wParam, annotated.get());
    return answer > 0 ? answer : 0;
}

// Stands in front of the control's own procedure. Not SetWindowSubclass:
// Wine's comctl32 looks its subclass list up as a window property, a round
// trip to the server, on every message the control gets, and the controls
// get hundreds before the window first shows.
LRESULT CALLBACK AnnotatedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Annotated().find(window);
    if (found == Annotated().end()) {
        // Not reached: a window leaves the list only as ours steps aside.
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const Annotation annotation = found->second;
    if (message == WM_GETOBJECT && annotation.texts != nullptr &&
        static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT answer = AnswerFor(window, wParam)) {
            return answer;
        }
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(annotation.original));
        Annotated().erase(found);
    }
    return CallWindowProcW(annotation.original, window, message, wParam, lParam);
}

}  // namespace

ScreenReaderTexts::~ScreenReaderTexts() {
    for (HWND window : annotated_) {
        const auto found = Annotated().find(window);
        if (found == Annotated().end()) {
            continue;
        }
        // Another procedure put in front of ours later would be cut off by
        // restoring the original: then ours stays, passing everything on.
        if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AnnotatedProc)) {
            SetWindowLongPtrW(window, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(found->second.original));
            Annotated().erase(found);
        } else {
            found->second.texts = nullptr;
        }
    }
}

void ScreenReaderTexts::Attach(const FormDef& form, HWND window, std::span<const HWND> controls) {
    for (const AccessibleDef& def : form.accessible) {
        HWND target = window;
        Colour colour = kSystemColour;
        if (!def.control.empty()) {
            const ControlDef* control = FindControl(form.controls, def.control);
            if (control == nullptr) {
                continue;
            }
            target = controls[static_cast<std::size_t>(control - form.controls.data())];
            colour = control->foreground;
        }
        auto& texts = *texts_.emplace_back(
            std::make_unique<Texts>(Texts{&def, Widen(ScreenReaderText(def.name)),
                                          Widen(ScreenReaderText(DescriptionOf(def, colour)))}));
        Annotate(target, texts);
        // The focus of a combo box is in its edit field: it says the same.
        COMBOBOXINFO combo{};
        combo.cbSize = sizeof combo;
        if (GetComboBoxInfo(target, &combo) && combo.hwndItem != nullptr) {
            Annotate(combo.hwndItem, texts);
        }
    }
}

void ScreenReaderTexts::Annotate(HWND window, Texts& texts) {
    const auto found = Annotated().find(window);
    if (found != Annotated().end()) {
        found->second.texts = &texts;
        annotated_.push_back(window);
        return;
    }
    const LONG_PTR original =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AnnotatedProc));
    if (original != 0) {
        Annotated()[window] = Annotation{&texts, reinterpret_cast<WNDPROC>(original)};
        annotated_.push_back(window);
    }
}

void ScreenReaderTexts::ColourChanged(HWND control, Colour colour) {
    const auto found = Annotated().find(control);
    if (found == Annotated().end()) {
        return;
    }
    Texts* texts = found->second.texts;
    if (texts == nullptr) {
        return;
    }
    std::wstring description = Widen(ScreenReaderText(DescriptionOf(*texts->def, colour)));
    if (description != texts->description) {
        texts->description = std::move(description);
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    }
}

}  // namespace wagelyn::win32
