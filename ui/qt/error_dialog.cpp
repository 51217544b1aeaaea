#include "ui/qt/error_dialog.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/forms/error_form.h"
#include "ui/qt/form_builder.h"
#include "ui/qt/shared_dialog.h"

namespace wagelyn {
namespace {

void CloseSharedInstance() {
    if (ErrorDialog* dialog = ErrorDialog::Instance()) {
        dialog->close();
    }
}

}  // namespace

ErrorDialog::ErrorDialog() {
    setObjectName(QStringLiteral("errshow"));
    setWindowTitle(ShownText(error_form::kCaption));
    // Orca reads a dialog's labels when it opens, and then its description:
    // the message label says it once, where Windows' readers need the
    // description. Never set, rather than cleared: Orca may drop the
    // clearing and say the message twice.
    FormDef form = error_form::Form();
    form.accessible = {};
    FormSurface* surface = BuildOwnerlessDialog(*this, form);
    for (std::string_view name : {error_form::kOkButton, error_form::kCancelButton}) {
        connect(surface->findChild<QPushButton*>(ToQString(name)), &QPushButton::clicked, this,
                &CloseSharedInstance);
    }
    surface->findChild<QPushButton*>(ToQString(error_form::kOkButton))
        ->setFocus(Qt::OtherFocusReason);
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
