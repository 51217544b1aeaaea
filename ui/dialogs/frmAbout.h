#pragma once
// The About dialog: icon, title, version, how to use the calculator, and the
// "&System Info..." button. One shared instance, modeless, no owner; its load
// handler fills the caption, title and version each time it is created.

#include <QDialog>
#include <string>

#include "platform/registry.h"

namespace wagelyn {

class frmAbout final : public QDialog {  // NOLINT(readability-identifier-naming): the form's name
    Q_OBJECT
public:
    // Shows the shared instance, creating (and loading) it if needed; returns at once.
    static void Show();
    // The open instance, or nullptr.
    static frmAbout* Instance();

    // "&System Info...": starts the system-information tool, or tells the
    // user that it is unavailable.
    void StartSysInfo();
    // Reads one registry value; see GetKeyValue in sysinfo_launcher.h.
    bool GetKeyValue(platform::KeyHandle KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal);

private:
    frmAbout();
    void Load();
};

}  // namespace wagelyn
