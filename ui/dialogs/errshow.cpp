#include "ui/dialogs/errshow.h"

#include <QPointer>
#include <QPushButton>

#include "app/application.h"
#include "ui/form/form_builder.h"

namespace wagelyn {
namespace {

constexpr int kClientLeft = 2760;  // twips, on the screen
constexpr int kClientTop = 3750;
constexpr int kClientWidth = 6090;
constexpr int kClientHeight = 1830;
constexpr Colour kDarkGreen = 0x00008000;

constexpr ControlDef kControls[] = {
    {"OKButton", ControlKind::Button, "OK", 4680, 120, 1215, 375, kSystemColour, kSystemColour,
     {}, 0},
    {"CancelButton", ControlKind::Button, "Cancel", 4680, 600, 1215, 375, kSystemColour,
     kSystemColour, {}, 1},
    {"Label1", ControlKind::Label,
     "You Have entered either invalid value or there is an error on your system.  Please retry "
     "or restart Wagelyn program. ",
     360, 360, 3975, 1215, kDarkGreen, kSystemColour, {Face::SansSerif, 9.75, true}, 2},
};

QPointer<errshow>& SharedInstance() {
    static QPointer<errshow> instance;
    return instance;
}

}  // namespace

errshow::errshow() {
    setObjectName(QStringLiteral("errshow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Error Message"));
    setWindowIcon(ApplicationIcon());
    // A tool window keeps it out of the task bar; fixed frame with a close box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Qt lets tool windows die with the main window; this one keeps the process
    // alive until it is closed, like any other window of the program.
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    // The client area's corner, not the frame's, stands at the given place.
    setGeometry(TwipsToPixels(kClientLeft), TwipsToPixels(kClientTop), width(), height());
    setFont(DefaultFormFont());

    BuildForm(kControls, this);
    // The message stands on the dialog's own face, not on a band of its own.
    findChild<QWidget*>(QStringLiteral("Label1"))->setAutoFillBackground(false);
    auto* ok = findChild<QPushButton*>(QStringLiteral("OKButton"));
    connect(ok, &QPushButton::clicked, this, [] {
        if (errshow* dialog = Instance()) {
            dialog->close();
        }
    });
    // Cancel dismisses the message too: that is what a user expects of it.
    connect(findChild<QPushButton*>(QStringLiteral("CancelButton")), &QPushButton::clicked, this,
            &QWidget::close);
    ok->setFocus(Qt::OtherFocusReason);
}

errshow* errshow::Instance() { return SharedInstance().data(); }

void errshow::Show() {
    QPointer<errshow>& instance = SharedInstance();
    if (instance.isNull()) {
        instance = new errshow;
    }
    instance->show();
    instance->raise();
    instance->activateWindow();
}

}  // namespace wagelyn
