#include "ui/qt/about_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "system_info/system_info_launcher.h"
#include "ui/forms/about_form.h"
#include "ui/qt/application.h"
#include "ui/qt/form_builder.h"
#include "ui/qt/shared_dialog.h"

namespace wagelyn {

AboutDialog::AboutDialog() {
    setObjectName(QStringLiteral("frmAbout"));
    FormSurface* surface = BuildOwnerlessDialog(*this, about_form::Form());

    auto* icon = surface->findChild<QLabel*>(ToQString(about_form::kIcon));
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    icon->setFrameStyle(QFrame::NoFrame);
    icon->setAutoFillBackground(false);

    auto* ok = surface->findChild<QPushButton*>(ToQString(about_form::kOkButton));
    ok->setDefault(true);
    // OK, Enter and Escape all reject(): with WA_DeleteOnClose that unloads it.
    connect(ok, &QPushButton::clicked, this, &QDialog::reject);
    // Enter presses "&System Info..." while it has the focus, as in any dialog.
    auto* sysInfo = surface->findChild<QPushButton*>(ToQString(about_form::kSysInfoButton));
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::StartSysInfo);
    ok->setFocus(Qt::OtherFocusReason);

    Load();
}

void AboutDialog::Load() {
    const QString title = QApplication::applicationName();
    setWindowTitle(ToQString(about_form::Caption(title.toStdString())));
    const QString versionLine = ToQString(about_form::VersionLine());
    findChild<QLabel*>(ToQString(about_form::kVersionLabel))->setText(versionLine);
    // Orca reads a dialog's labels of three words or more when it opens, and
    // then its description: the version line has two.
    setAccessibleDescription(versionLine);
    findChild<QLabel*>(ToQString(about_form::kTitleLabel))->setText(title);
}

void AboutDialog::StartSysInfo() {
    if (LaunchSystemInformation(ThisSystem()) == SysInfoOutcome::Started) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    ShownText(kSysInfoUnavailable), QMessageBox::Ok, this);
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
