#include "ui/win32/dialogs.h"

#include <memory>

#include "app/application_info.h"
#include "i18n/translation.h"
#include "system_info/system_info_launcher.h"
#include "ui/forms/about_form.h"
#include "ui/forms/error_form.h"
#include "ui/win32/form_window.h"
#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

// A fixed dialog frame with a close box, modeless and ownerless; a tool
// window, so that it has no task-bar entry of its own while the main window
// is open.
FormWindow::Frame DialogFrame(std::wstring caption) {
    return {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
            WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
            std::move(caption),
            {}};
}

template <typename Dialog>
std::unique_ptr<Dialog>& Instance() {
    static std::unique_ptr<Dialog> dialog;
    return dialog;
}

template <typename Dialog>
void ShowShared() {
    std::unique_ptr<Dialog>& dialog = Instance<Dialog>();
    if (!dialog) {
        dialog.reset(new Dialog);
        if (dialog->Handle() == nullptr) {
            dialog.reset();
            return;
        }
    }
    dialog->Show();
}

class ErrorDialog final : public FormWindow {
public:
    ErrorDialog() : FormWindow(error_form::Form()) {
        Create(DialogFrame(Widen(Translate(error_form::kCaption))));
    }
    void Show() { ShowInFront(Control(error_form::kOkButton)); }

private:
    bool OnCommand(int id, int notification) override {
        // OK and Cancel close the one shared instance; Escape (IDCANCEL)
        // closes nothing: neither button is marked as the cancel button.
        if (notification == BN_CLICKED && (ControlName(id) == error_form::kOkButton ||
                                           ControlName(id) == error_form::kCancelButton)) {
            DestroyWindow(Handle());
            return true;
        }
        return id == IDCANCEL || id == IDOK;
    }
    void OnDestroyed() override { Instance<ErrorDialog>().reset(); }
};

class AboutDialog final : public FormWindow {
public:
    AboutDialog() : FormWindow(about_form::Form()) {
        if (!Create(DialogFrame({}))) {
            return;
        }
        // cmdOK is the default button: Enter presses it wherever the focus
        // is, but on another button.
        SendMessageW(Handle(), DM_SETDEFID, GetDlgCtrlID(Control(about_form::kOkButton)), 0);
        Load();
    }
    void Show() { ShowInFront(Control(about_form::kOkButton)); }

private:
    // The load handler: caption, version line and title, each from the
    // application object.
    void Load() {
        SetWindowTextW(Handle(), Widen(about_form::Caption(kApplicationTitle)).c_str());
        SetWindowTextW(Control(about_form::kVersionLabel),
                       Widen(about_form::VersionLine()).c_str());
        SetWindowTextW(Control(about_form::kTitleLabel), Widen(kApplicationTitle).c_str());
        FitFonts();  // to the texts just set, not the form's stand-ins
    }

    void StartSysInfo() {
        if (LaunchSystemInformation(ThisSystem()) == SysInfoOutcome::Started) {
            return;
        }
        // Modal to every window of the program, captioned with its title.
        MessageBoxW(nullptr, Widen(Translate(kSysInfoUnavailable)).c_str(),
                    Widen(kApplicationTitle).c_str(), MB_OK | MB_TASKMODAL);
    }

    bool OnCommand(int id, int notification) override {
        // OK is the default and the cancel button: a click, Enter and Escape close.
        if (id == IDCANCEL || id == IDOK ||
            (notification == BN_CLICKED && ControlName(id) == about_form::kOkButton)) {
            DestroyWindow(Handle());
            return true;
        }
        if (notification == BN_CLICKED && ControlName(id) == about_form::kSysInfoButton) {
            StartSysInfo();
            return true;
        }
        return false;
    }
    void OnDestroyed() override { Instance<AboutDialog>().reset(); }
};

}  // namespace

void ShowErrorDialog() {
    ShowShared<ErrorDialog>();
}

void ShowAboutDialog() {
    ShowShared<AboutDialog>();
}

void GiveDialogsTaskbarEntries() {
    if (auto& error = Instance<ErrorDialog>()) {
        error->EnterTaskbar();
    }
    if (auto& about = Instance<AboutDialog>()) {
        about->EnterTaskbar();
    }
}

}  // namespace wagelyn::win32
