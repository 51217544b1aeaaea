#include "ui/win32/main_window.h"

#include <memory>

#include "app/application_info.h"
#include "app/process_factor.h"
#include "conversion/recalculation.h"
#include "ui/win32/accessibility.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/print_window.h"
#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

constexpr UINT_PTR kNamingTimer = 1;

std::unique_ptr<MainWindow>& Instance() {
    static std::unique_ptr<MainWindow> window;
    return window;
}

// The user's regional separators, read at the moment of each run.
NumberFormat RegionalFormat() {
    wchar_t decimal[16] = {};
    wchar_t group[16] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 16);
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, group, 16);
    return {Narrow(decimal), Narrow(group)};
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

HMENU HelpMenu() {
    const HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, kAboutItemId, Widen(main_form::kAboutItem).c_str());
    const HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help),
                Widen(main_form::kHelpMenu).c_str());
    return bar;
}

}  // namespace

MainWindow::MainWindow() : FormWindow(main_form::Form()) {
    // A fixed single border with the system menu and close box, no minimize
    // or maximize box; a task-bar entry.
    Create({WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
            WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, Widen(main_form::kCaption), HelpMenu()});
    if (Handle() == nullptr) {
        return;
    }
    for (const main_form::PeriodControls& info : main_form::kPeriodControls) {
        boxes_[IndexOf(info.period)] = Control(info.box);
    }
    tax_ = Control(main_form::kTaxEntry);
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
    LoadDefaults(window, process::TakeHomeFactor, RegionalFormat());
    window.ShowInFront(window.boxes_[IndexOf(Period::Annual)]);
    // Timers go off only once every paint is done: the names, whose service
    // takes a while to load, come just after the window is first seen.
    SetTimer(window.Handle(), kNamingTimer, 0, nullptr);
    return true;
}

void MainWindow::OnTimer(UINT_PTR id) {
    if (id == kNamingTimer) {
        KillTimer(Handle(), kNamingTimer);
        NameForScreenReaders();
    }
}

void MainWindow::OnDestroyed() {
    Instance().reset();  // deletes this window's object: nothing may follow
}

// A screen reader names each figure box by its period's caption, and the
// tax entry by its prompt.
void MainWindow::NameForScreenReaders() {
    for (const PeriodInfo& info : kPeriods) {
        NameBox(info.period);
    }
    NameControl(tax_, Widen(main_form::kTaxAccessibleName), {});
    named_ = true;
}

void MainWindow::NameBox(Period period) {
    HWND box = boxes_[IndexOf(period)];
    NameControl(box, Widen(main_form::kPeriodControls[IndexOf(period)].caption),
                Widen(main_form::DescriptionFor(TextColour(box))));
}

bool MainWindow::OnCommand(int id, int notification) {
    if (id == kAboutItemId) {
        ShowAbout();
        return true;
    }
    if (notification != BN_CLICKED) {
        return false;  // typing, picking from the list, Enter and Escape run nothing
    }
    const std::string_view clicked = ControlName(id);
    for (const main_form::Binding& binding : main_form::kBindings) {
        if (!clicked.empty() && binding.control == clicked) {
            main_form::Run(binding, *this);
            return true;
        }
    }
    return false;
}

void MainWindow::RecalculateFrom(Period source) {
    Recalculate(source, *this, process::TakeHomeFactor, RegionalFormat());
}

void MainWindow::Reset() {
    ResetBoxes(*this);
}

// Closes only this window: an open dialog keeps the process.
void MainWindow::Quit() {
    DestroyWindow(Handle());
}

void MainWindow::ShowAbout() {
    ShowAboutDialog();
}

std::string MainWindow::BoxText(Period period) const {
    return Narrow(TextOf(boxes_[IndexOf(period)]));
}

void MainWindow::SetBoxText(Period period, std::string_view text) {
    SetWindowTextW(boxes_[IndexOf(period)], Widen(text).c_str());
}

void MainWindow::SetBoxColour(Period period, Colour colour) {
    HWND box = boxes_[IndexOf(period)];
    if (TextColour(box) == colour) {
        return;  // most runs paint red boxes red again
    }
    SetTextColour(box, colour);
    if (named_) {
        NameBox(period);  // gross or net pay now
    }
}

std::string MainWindow::TaxText() const {
    return Narrow(TextOf(tax_));
}

void MainWindow::SetTaxText(std::string_view text) {
    SetWindowTextW(tax_, Widen(text).c_str());
}

void MainWindow::ShowError() {
    ShowErrorDialog();
}

void MainWindow::Print() {
    const PrintOutcome outcome = PrintForm(Handle(), main_form::Form());
    const std::string problem = PrintReport(outcome.result, outcome.printer);
    if (!problem.empty()) {
        MessageBoxW(Handle(), Widen(problem).c_str(), Widen(kApplicationTitle).c_str(),
                    MB_OK | MB_ICONWARNING);
    }
}

}  // namespace wagelyn::win32
