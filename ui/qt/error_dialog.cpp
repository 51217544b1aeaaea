#include "ui/qt/error_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/qt/shared_dialog.h"
#include "ui/qt/form_builder.h"

namespace wagelyn {
namespace {

constexpr Colour kDarkGreen = 0x00008000;

// clang-format off
constexpr ControlDef kControls[] = {
    {"OKButton", ControlKind::Button, "OK", 4680, 120, 1215, 375, kSystemColour, kSystemColour,
     {}, 0},
    {"CancelButton", ControlKind::Button, "Cancel", 4680, 600, 1215, 375, kSystemColour,
     kSystemColour, {}, 1},
    // The message stands on the dialog's own face, not on a band of its own.
    {"Label1", ControlKind::Label,
     "You Have entered either invalid value or there is an error on your system.  Please retry "
     "or restart Wagelyn program. ",
     360, 360, 3975, 1215, kDarkGreen, kSystemColour, {Face::SansSerif, 9.75, true}, 2, false,
     false, true},
};
// clang-format on

// Its client area's corner at (2760, 3750) on the screen, 6090 x 1830 twips.
constexpr DialogForm kForm{kControls, {}, 2760, 3750, 6090, 1830};

// Both buttons unload the one shared instance. Cancel has no work of its
// own in the design; closing is what a user expects of it.
void CloseSharedInstance() {
    if (ErrorDialog* dialog = ErrorDialog::Instance()) {
        dialog->close();
    }
}

}  // namespace

ErrorDialog::ErrorDialog() {
    setObjectName(QStringLiteral("errshow"));
    setWindowTitle(QStringLiteral("Error Message"));
    FormSurface* surface = BuildOwnerlessDialog(*this, kForm);

    // A screen reader announcing the dialog reads the message with it.
    setAccessibleDescription(surface->findChild<QLabel*>(QStringLiteral("Label1"))->text());
    for (const char* name : {"OKButton", "CancelButton"}) {
        connect(surface->findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this,
                &CloseSharedInstance);
    }
    surface->findChild<QPushButton*>(QStringLiteral("OKButton"))->setFocus(Qt::OtherFocusReason);
}

void ErrorDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

ErrorDialog* ErrorDialog::Instance() {
    return SharedInstance<ErrorDialog>().data();
}

void ErrorDialog::Show() {
    ShowShared<ErrorDialog>([] { return new ErrorDialog; });
}

}  // namespace wagelyn
