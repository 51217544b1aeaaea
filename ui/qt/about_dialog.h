#pragma once
// The About dialog: icon, title, version, how to use the calculator, and the
// "&System Info..." button. One shared instance, modeless, no owner; its load
// handler fills the caption, title and version each time it is created.

#include <QDialog>

namespace wagelyn {

class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    // Shows the shared instance, creating (and loading) it if needed; returns at once.
    static void Show();
    // The open instance, or nullptr.
    static AboutDialog* Instance();

    // "&System Info...": starts the system-information tool, or tells the
    // user that it is unavailable.
    void StartSysInfo();

private:
    AboutDialog();
    void Load();
};

}  // namespace wagelyn
