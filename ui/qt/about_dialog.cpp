#include "ui/qt/about_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVersionNumber>

#include "ui/qt/application.h"
#include "platform/files.h"
#include "platform/programs.h"
#include "ui/qt/shared_dialog.h"
#include "ui/forms/system_info_launcher.h"
#include "ui/qt/form_builder.h"

namespace wagelyn {
namespace {

constexpr Colour kBlack = 0x00000000;
constexpr Colour kSys = kSystemColour;
using K = ControlKind;
constexpr bool kOnFace = true;  // labels stand on the dialog's own face

// Two labels hold texts of this program's own: a credit and a notice.
// clang-format off
constexpr ControlDef kControls[] = {
    {"picIcon", K::Picture, "", 240, 240, 540, 540, kSys, kSys, {}, 1},
    {"cmdOK", K::Button, "OK", 4245, 2625, 1260, 345, kSys, kSys, {}, 0},
    {"cmdSysInfo", K::Button, "&System Info...", 4260, 3075, 1245, 345, kSys, kSys, {}, 2},
    {"Label1", K::Label,
     "Wagelyn is free software under the MIT license: copy it, share it and hand it on freely.",
     240, 3720, 4095, 1095, kSys, kSys, {}, 7, false, false, kOnFace},
    {"lblDescription", K::Label,
     "-------Enter the salary you know, and you will find out if  how much you will/are paid by "
     "monthly, biweekly, weekly and so on."
     "                                                         "
     "-------Specify the est. tax % withheld from the government by either use drop down bar to "
     "pick % or enter it yourself.   ",
     960, 1080, 3885, 1170, kBlack, kSys, {}, 3, false, false, kOnFace},
    {"lblTitle", K::Label, "Application Title", 1080, 240, 3885, 480, kBlack, kSys, {}, 5, false, false, kOnFace},
    {"lblVersion", K::Label, "Version", 1050, 780, 3885, 225, kSys, kSys, {}, 6, false, false, kOnFace},
    {"lblDisclaimer", K::Label,
     "Written by the Wagelyn developers in 2026, so that anyone can see what a pay figure "
     "means for every pay period. Comments and wishes are welcome on the project's issue "
     "tracker.",
     255, 2625, 3870, 825, kBlack, kSys, {}, 4, false, false, kOnFace},
};
// clang-format on

// An etched separator: a grey line with a white double-width one beneath.
constexpr LineDef kLines[] = {
    {90, 2445, 5654, 2445, 1, 0x00808080},
    {105, 2460, 5654, 2460, 2, 0x00FFFFFF},
};

// Its client area's corner at (2340, 1935) on the screen, 5730 x 5115 twips.
constexpr DialogForm kForm{kControls, kLines, 2340, 1935, 5730, 5115};

}  // namespace

AboutDialog::AboutDialog() {
    setObjectName(QStringLiteral("frmAbout"));
    FormSurface* surface = BuildOwnerlessDialog(*this, kForm);

    auto* icon = surface->findChild<QLabel*>(QStringLiteral("picIcon"));
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    icon->setFrameStyle(QFrame::NoFrame);
    icon->setAutoFillBackground(false);
    icon->setAccessibleName(QStringLiteral("Wagelyn icon"));

    auto* ok = surface->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    // OK, Enter and Escape all reject(): with WA_DeleteOnClose that unloads it.
    connect(ok, &QPushButton::clicked, this, &QDialog::reject);
    // Enter presses "&System Info..." while it has the focus, as in any dialog.
    auto* sysInfo = surface->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    sysInfo->setAutoDefault(true);
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::StartSysInfo);
    ok->setFocus(Qt::OtherFocusReason);

    Load();
}

void AboutDialog::Load() {
    const QString title = QApplication::applicationName();
    const QVersionNumber version = QVersionNumber::fromString(QApplication::applicationVersion());
    setWindowTitle(QStringLiteral("About ") + title);
    findChild<QLabel*>(QStringLiteral("lblVersion"))
        ->setText(QStringLiteral("Version %1.%2.%3")
                      .arg(version.majorVersion())
                      .arg(version.minorVersion())
                      .arg(version.microVersion()));
    findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(title);
}

void AboutDialog::StartSysInfo() {
    const SysInfoPlatform system{platform::SystemRegistry(), platform::SystemFiles(),
                                 platform::SystemPrograms()};
    if (LaunchSystemInformation(system) == SysInfoOutcome::Started) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    ToQString(kSysInfoUnavailable), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("SysInfoUnavailable"));
    box.exec();
}

AboutDialog* AboutDialog::Instance() {
    return SharedInstance<AboutDialog>().data();
}

void AboutDialog::Show() {
    ShowShared<AboutDialog>([] { return new AboutDialog; });
}

}  // namespace wagelyn
