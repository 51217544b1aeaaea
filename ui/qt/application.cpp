#include "ui/qt/application.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include "ui/qt/accessible_line_edit.h"
#include "ui/qt/announcer.h"
#include "ui/qt/startup_style.h"

// The icon as compiled-in XPM data: reading it needs no image-format plugin,
// so none is looked for or loaded at start-up.
#include "packaging/icon/wagelyn.xpm"

namespace wagelyn {

void ConfigureApplication(QApplication& app) {
    QApplication::setApplicationName(QString::fromLatin1(
        kApplicationTitle.data(), static_cast<qsizetype>(kApplicationTitle.size())));
    QApplication::setApplicationVersion(QString::fromLatin1(version::kText));
    QApplication::setOrganizationName(QStringLiteral("Wagelyn"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.wagelyn.Wagelyn"));
    app.setWindowIcon(ApplicationIcon());
    InstallAccessibleLineEdits();
    InstallAccessibleAnnouncers();
    InstallStartupStyle();
}

const QIcon& ApplicationIcon() {
    static const QIcon icon{QPixmap(wagelyn_icon)};
    return icon;
}

}  // namespace wagelyn
