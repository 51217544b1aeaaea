#pragma once
// The About dialog: icon, title, version, how to use the calculator, and the
// "&System Info..." button. One shared instance, modeless, no owner; its load
// handler fills the caption, title and version each time it is created.

#include <QDialog>

namespace wagelyn {

class frmAbout final : public QDialog {  // NOLINT(readability-identifier-naming): the form's name
    Q_OBJECT
public:
    // Shows the shared instance, creating (and loading) it if needed; returns at once.
    static void Show();
    // The open instance, or nullptr.
    static frmAbout* Instance();

private:
    frmAbout();
    void Load();
};

}  // namespace wagelyn
