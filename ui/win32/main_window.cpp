#include "ui/win32/main_window.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "app/application_info.h"
#include "app/process_factor.h"
#include "conversion/recalculation.h"
#include "i18n/translation.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/print_window.h"
#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

std::unique_ptr<MainWindow>& Instance() {
    static std::unique_ptr<MainWindow> window;
    return window;
}

// One of the user's regional settings, or `fallback` where it cannot be read.
std::string LocaleText(LCTYPE item, std::string_view fallback) {
    wchar_t text[16] = {};  // a separator is at most 3 characters and the end
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, 16) == 0) {
        return std::string(fallback);
    }
    return Narrow(text);
}

// The user's regional separators, read at the moment of each run; the
// invariant ones where the region cannot be read, so that figures still
// read and show.
NumberFormat ReadRegionalFormat() {
    std::string decimal = LocaleText(LOCALE_SDECIMAL, ".");
    if (decimal.empty()) {
        // No figure could carry a fraction. (Appended rather than assigned:
        // g++ 12 warns falsely, -Wrestrict, on assigning a literal here.)
        decimal.push_back('.');
    }
    return {std::move(decimal), LocaleText(LOCALE_STHOUSAND, ",")};
}

// The menu's items and the names the binding table knows them by.
struct MenuItem {
    int id;
    std::string_view name;
};
constexpr MenuItem kMenuItems[] = {{kAboutItemId, main_form::kAboutItemName}};

Menu HelpMenu() {
    Menu help(CreatePopupMenu());
    Menu bar(CreateMenu());
    if (!help || !bar ||
        !AppendMenuW(help.get(), MF_STRING, kAboutItemId,
                     Widen(Translate(main_form::kAboutItem)).c_str())) {
        return {};  // a window without its menu rather than none
    }
    if (AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(help.get()),
                    Widen(Translate(main_form::kHelpMenu)).c_str())) {
        help.release();  // the bar's now
    }
    return bar;
}

}  // namespace

MainWindow::MainWindow() : FormWindow(main_form::Form()) {
    // A fixed single border with the system menu and close box, no minimize
    // or maximize box; a task-bar entry.
    if (!Create({WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                 WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, Widen(Translate(main_form::kCaption)),
                 HelpMenu()})) {
        return;
    }
    for (const main_form::PeriodControls& info : main_form::kPeriodControls) {
        boxes_[IndexOf(info.period)] = Control(info.box);
    }
    tax_ = Control(main_form::kTaxEntry);
    announcer_ = Announcer(Handle());
    for (std::string_view entry : main_form::kTaxList) {
        SendMessageW(tax_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
    }
}

bool MainWindow::Open() {
    Instance().reset(new MainWindow);
    MainWindow& window = *Instance();
    if (window.Handle() == nullptr) {
        Instance().reset();
        return false;
    }
    LoadDefaults(window, process::TakeHomeFactor, ReadRegionalFormat());
    window.ShowInFront(window.boxes_[IndexOf(Period::Annual)]);
    return true;
}

void MainWindow::OnDestroyed() {
    GiveDialogsTaskbarEntries();
    Instance().reset();  // deletes this window's object: nothing may follow
}

// A button's click or a menu item's choice, by the name the binding table
// knows it by; typing, picking from the list, Enter and Escape name nothing.
std::string_view MainWindow::CommandName(int id, int notification) const {
    for (const MenuItem& item : kMenuItems) {
        if (item.id == id) {
            return notification == 0 ? item.name : std::string_view{};
        }
    }
    return notification == BN_CLICKED ? ControlName(id) : std::string_view{};
}

bool MainWindow::OnCommand(int id, int notification) {
    const std::string_view name = CommandName(id, notification);
    for (const main_form::Binding& binding : main_form::kBindings) {
        if (!name.empty() && binding.control == name) {
            main_form::Run(binding, *this);
            return true;
        }
    }
    return false;
}

// A run that fails says so through the error dialog; one that succeeds
// moves no focus, so screen readers are told in words.
WindowOperations& MainWindow::Operations() {
    return *this;
}

NumberFormat MainWindow::RegionalFormat() const {
    return ReadRegionalFormat();
}

void MainWindow::Announce(std::string_view message) {
    announcer_.Announce(Widen(message));
}

// Closes only this window: an open dialog keeps the process.
void MainWindow::Quit() {
    DestroyWindow(Handle());
}

void MainWindow::ShowAbout() {
    ShowAboutDialog();
}

std::string MainWindow::BoxText(Period period) const {
    return Narrow(WindowText(boxes_[IndexOf(period)]));
}

void MainWindow::SetBoxText(Period period, std::string_view text) {
    SetWindowTextW(boxes_[IndexOf(period)], Widen(text).c_str());
}

void MainWindow::SetBoxColour(Period period, Colour colour) {
    HWND box = boxes_[IndexOf(period)];
    if (TextColour(box) == colour) {
        return;  // most runs paint red boxes red again
    }
    SetTextColour(box, colour);  // its description, gross or net, follows
}

std::string MainWindow::TaxText() const {
    return Narrow(WindowText(tax_));
}

void MainWindow::SetTaxText(std::string_view text) {
    SetWindowTextW(tax_, Widen(text).c_str());
}

void MainWindow::ShowError() {
    ShowErrorDialog();
}

void MainWindow::Print() {
    PrintForm(Handle(), main_form::Form());
}

}  // namespace wagelyn::win32
