#include "ui/dialogs/errshow.h"

#include <QPointer>
#include <QPushButton>

#include "ui/dialogs/shared_dialog.h"
#include "ui/form/form_builder.h"

namespace wagelyn {
namespace {

constexpr int kClientLeft = 2760;  // twips, on the screen
constexpr int kClientTop = 3750;
constexpr int kClientWidth = 6090;
constexpr int kClientHeight = 1830;
constexpr Colour kDarkGreen = 0x00008000;

// clang-format off
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
// clang-format on

QPointer<errshow>& SharedInstance() {
    static QPointer<errshow> instance;
    return instance;
}

}  // namespace

errshow::errshow() {
    setObjectName(QStringLiteral("errshow"));
    setWindowTitle(QStringLiteral("Error Message"));
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    SetUpOwnerlessDialog(*this, kClientLeft, kClientTop);
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

errshow* errshow::Instance() {
    return SharedInstance().data();
}

void errshow::Show() {
    ShowShared(SharedInstance(), [] { return new errshow; });
}

}  // namespace wagelyn
