// What a screen reader hears of another process's windows over Active
// Accessibility, against the forms' tables, and what it is told of a run.
#include "tests/ui/win32/driver.h"

#include <initguid.h>  // IID_IAccessible defined here: Wine rejects the import library's
#include <oleacc.h>

#include <iterator>

#include "ui/forms/spoken_text.h"

namespace wagelyn::drive {
namespace {

using win32::Narrow;

// A button's or label's own text as a name: the access key's "&" is not said.
std::string Spoken(std::string text) {
    if (const std::size_t amp = text.find('&'); amp != std::string::npos) {
        text.erase(amp, 1);
    }
    return text;
}

// Each ControlKind's role, in the order of its values.
constexpr long kRoles[] = {ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_TEXT, ROLE_SYSTEM_COMBOBOX,
                           ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_GRAPHIC};
static_assert(std::size(kRoles) == static_cast<std::size_t>(ControlKind::Picture) + 1,
              "a role for every kind of control");

struct Heard {
    bool read = false;
    std::string name, description;
    std::string lateBoundName;  // asked through IDispatch, as scripts and some readers do
    long role = 0;
};

std::string LateBoundName(IAccessible* object, VARIANT self) {
    OLECHAR member[] = L"accName";
    LPOLESTR names[] = {member};
    DISPID id = 0;
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
        return "(no accName member)";
    }
    DISPPARAMS params{&self, nullptr, 1, 0};
    VARIANT result{};
    if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params,
                              &result, nullptr, nullptr))) {
        return "(accName fails)";
    }
    std::string name =
        result.vt == VT_BSTR && result.bstrVal != nullptr ? Narrow(result.bstrVal) : std::string();
    VariantClear(&result);
    return name;
}

// What the window's client object says: the one the window answers with,
// or the system's own for its class, made here.
Heard Hear(HWND window, bool systemOwn = false) {
    Heard heard;
    IAccessible* object = nullptr;
    const HRESULT made =
        systemOwn ? CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                              reinterpret_cast<void**>(&object))
                  : AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                               IID_IAccessible, reinterpret_cast<void**>(&object));
    if (FAILED(made)) {
        return heard;
    }
    const win32::ComPtr<IAccessible> owned(object);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const auto text = [&](auto get) {
        BSTR value = nullptr;
        const HRESULT result = (object->*get)(self, &value);
        std::string s = result == S_OK && value != nullptr ? Narrow(value) : std::string();
        SysFreeString(value);
        return s;
    };
    heard.name = text(&IAccessible::get_accName);
    heard.description = text(&IAccessible::get_accDescription);
    heard.lateBoundName = LateBoundName(object, self);
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) {
        heard.role = role.lVal;
    }
    heard.read = true;
    return heard;
}

std::map<DWORD, std::set<HWND>> raisedEvents;

void CALLBACK OnEvent(HWINEVENTHOOK /*hook*/, DWORD event, HWND window, LONG object, LONG child,
                      DWORD /*thread*/, DWORD /*time*/) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) {
        raisedEvents[event].insert(window);
    }
}

// The windows of the program that raised each event during `act` and a
// second after, as screen readers are told: an event is a key of the map
// if it could be hooked. Collected before anything asks the program for
// its objects: no hook stands while a cross-process call waits.
std::map<DWORD, std::set<HWND>> RaisedDuring(HWND main, const std::function<void()>& act) {
    raisedEvents.clear();
    std::vector<HWINEVENTHOOK> hooks;
    for (const DWORD event : {EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_SYSTEM_ALERT}) {
        hooks.push_back(SetWinEventHook(event, event, nullptr, OnEvent, ProcessOf(main), 0,
                                        WINEVENT_OUTOFCONTEXT));
        if (hooks.back() != nullptr) {
            raisedEvents[event];
        }
    }
    act();
    const ULONGLONG end = GetTickCount64() + 1000;
    for (MSG message{}; GetTickCount64() < end; Sleep(10)) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    for (const HWINEVENTHOOK hook : hooks) {
        UnhookWinEvent(hook);  // a hook not set is refused, harmlessly
    }
    return raisedEvents;
}

}  // namespace

// For the window and every control of its form (and a combo box's edit
// field), the name, description and role read through
// AccessibleObjectFromWindow(OBJID_CLIENT) against the form's data in the
// language in use.
void CheckHeard(const std::string& when, HWND window, const FormDef& form,
                const std::function<Colour(const ControlDef&)>& colourOf) {
    // `texts`: the form's accessible texts for the control, if any; the
    // window's own name is not asked for through IDispatch.
    const auto compare = [&](const std::string& control, HWND hwnd, const AccessibleDef* texts,
                             Colour colour, long role, bool isWindow = false) {
        const bool ownName = texts != nullptr && !texts->name.empty();
        const std::string name = ownName ? ScreenReaderText(texts->name) : Spoken(TextOf(hwnd));
        const std::string description =
            texts != nullptr ? ScreenReaderText(DescriptionOf(*texts, colour)) : std::string();
        const std::string what = when + ": " + control;
        const Heard heard = Hear(hwnd);
        if (!Check(heard.read, what + " gives an accessible object")) {
            return;
        }
        CheckSame(heard.name, name, what + " is named");
        // The program's own name, whichever way it is asked for; the system
        // answers for the rest.
        Check(!ownName || isWindow || heard.lateBoundName == name,
              Said(what, " is named \"", heard.lateBoundName, "\" through IDispatch, not \"", name,
                   '"'));
        CheckSame(heard.description, description, what + " is described");
        // Screen readers would say these marks aloud in a name of the
        // program's own ("left paren", "slash", "dash").
        for (const std::string& text : {heard.name, heard.description}) {
            Check(texts == nullptr || (text.find_first_of("()[]/") == std::string::npos &&
                                       text.find(" - ") == std::string::npos),
                  Said(what, " is heard with no punctuation noise: \"", text, '"'));
        }
        // Where the system has no object for the class (Wine 8), every
        // window is a plain client; the program's object must not differ.
        Check(
            heard.role == role ||
                (heard.role == ROLE_SYSTEM_CLIENT && Hear(hwnd, true).role == heard.role),
            what + " has the role " + std::to_string(heard.role) + ", not " + std::to_string(role));
    };
    // The window itself: named by its caption, described as the form says.
    compare("the window", window, FindAccessible(form.accessible, ""), kSystemColour,
            ROLE_SYSTEM_CLIENT, true);
    for (const ControlDef& def : form.controls) {
        HWND control = ControlAt(window, form.controls, def.name);
        const AccessibleDef* texts = FindAccessible(form.accessible, def.name);
        compare(std::string(def.name), control, texts, colourOf(def),
                kRoles[static_cast<int>(def.kind)]);
        if (def.kind == ControlKind::ComboBox) {
            // Where the focus is when the user is in it.
            compare(std::string(def.name) + "'s field",
                    FindWindowExW(control, nullptr, L"Edit", nullptr), texts, colourOf(def),
                    ROLE_SYSTEM_TEXT);
        }
    }
}

// What a screen reader hears of every control before a conversion and
// after it, and that it is told of each box whose description changed.
void CheckHeardAcrossAConversion(HWND main) {
    // The default text colour in the boxes before any run.
    const auto opening = BoxColours(Period::Annual, 0);
    CheckHeard("before a conversion", main, main_form::Form(), opening);
    const Period source = Period::Hourly35;
    const auto converted = BoxColours(source, kRed);
    std::set<HWND> describedAnew;
    for (const AccessibleDef& def : main_form::Form().accessible) {
        const ControlDef* control = FindControl(main_form::Controls(), def.control);
        // Not the window itself, whose description never changes.
        if (control != nullptr &&
            DescriptionOf(def, opening(*control)) != DescriptionOf(def, converted(*control))) {
            describedAnew.insert(MainControl(main, def.control));
        }
    }
    auto events = RaisedDuring(main, [&] { Convert(main, source, "28", "0"); });
    CheckHeard("after a conversion", main, main_form::Form(), converted);
    Check(events.contains(EVENT_OBJECT_DESCRIPTIONCHANGE) &&
              events[EVENT_OBJECT_DESCRIPTIONCHANGE] == describedAnew,
          "screen readers hear of the " + std::to_string(describedAnew.size()) +
              " boxes whose description changed, and no others");

    // The run's result in words: a UI Automation notification where the
    // system has them, which Wine gives this driver no way to hear;
    // otherwise an alert, heard here.
    const win32::Module automation = win32::LoadSystemLibrary(L"uiautomationcore.dll");
    if (automation && GetProcAddress(automation.get(), "UiaRaiseNotificationEvent") != nullptr) {
        std::printf(
            "SKIPPED: the result is told by a UI Automation notification: not heard here\n");
        return;
    }
    const std::string told(Translate(main_form::kComputedAnnouncement));
    const std::set<HWND>& alerted = events[EVENT_SYSTEM_ALERT];
    Check(alerted.size() == 1 && Hear(*alerted.begin()).name == told,
          "screen readers are told \"" + told + "\" once when a period button has run");
}

}  // namespace wagelyn::drive
