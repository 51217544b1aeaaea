#pragma once
// What the two dialogs share: one instance each, created on first show,
// shown modelessly without an owner, destroyed when closed.

#include <QDialog>
#include <QPointer>
#include <span>

#include "ui/forms/form_data.h"

namespace wagelyn {

class FormSurface;

// Builds the dialog's client area from its form, in the form's default
// font, and frames it: a fixed, modeless dialog frame with a close box, out
// of the task bar (a tool window), destroyed on close, its client area's
// corner at the form's place on the screen and carrying the application
// icon. Unlike Qt's default for tool windows, it keeps the process alive
// while it is open. Returns the client area, which holds the controls.
FormSurface* BuildOwnerlessDialog(QDialog& dialog, const FormDef& form);

// A dialog framed out of the task bar gains an entry there: an ordinary
// window, no longer a tool window, its client area where it was.
void EnterTaskbar(QDialog& dialog);

// The one open instance of a dialog type, or null.
template <typename Dialog>
QPointer<Dialog>& SharedInstance() {
    static QPointer<Dialog> instance;
    return instance;
}

// Shows the one instance, creating it first if there is none, and brings it
// to the front; returns at once.
template <typename Dialog, typename Create>
void ShowShared(Create create) {
    QPointer<Dialog>& instance = SharedInstance<Dialog>();
    if (instance.isNull()) {
        instance = create();
    }
    instance->show();
    instance->raise();
    instance->activateWindow();
}

}  // namespace wagelyn
