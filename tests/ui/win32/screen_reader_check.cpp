// What a screen reader hears of another process's windows over Active
// Accessibility, against the forms' tables.
#include "tests/ui/win32/driver.h"

#include <initguid.h>  // IID_IAccessible defined here: Wine rejects the import library's
#include <oleacc.h>

#include <iterator>

#include "ui/forms/spoken_text.h"

namespace wagelyn::drive {
namespace {

using win32::Narrow;

// A button's or label's own text as a name: the access key's "&" is not said.
std::string Spoken(std::wstring text) {
    if (const std::size_t amp = text.find(L'&'); amp != std::wstring::npos) {
        text.erase(amp, 1);
    }
    return Narrow(text);
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

std::string Quoted(std::string_view text) {
    return Said('"', text, '"');
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
        Check(heard.name == name,
              what + " is named " + Quoted(heard.name) + ", not " + Quoted(name));
        // The program's own name, whichever way it is asked for; the system
        // answers for the rest.
        Check(!ownName || isWindow || heard.lateBoundName == name,
              what + " is named " + Quoted(heard.lateBoundName) + " through IDispatch, not " +
                  Quoted(name));
        Check(heard.description == description,
              what + " is described " + Quoted(heard.description) + ", not " + Quoted(description));
        // Screen readers would say these marks aloud in a name of the
        // program's own ("left paren", "slash", "dash").
        for (const std::string& text : {heard.name, heard.description}) {
            Check(texts == nullptr || (text.find_first_of("()[]/") == std::string::npos &&
                                       text.find(" - ") == std::string::npos),
                  what + " is heard with no punctuation noise: " + Quoted(text));
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

std::string NameHeard(HWND window) {
    return Hear(window).name;
}

}  // namespace wagelyn::drive
