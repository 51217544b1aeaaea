#include "app/application.h"

#include <QApplication>
#include <QIcon>
#include <QString>

#include "app/version.h"

namespace wagelyn {

void ConfigureApplication(QApplication& app) {
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(version::kText));
    QApplication::setOrganizationName(QStringLiteral("Wagelyn"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.wagelyn.Wagelyn"));
    app.setWindowIcon(ApplicationIcon());
}

const QIcon& ApplicationIcon() {
    static const QIcon icon(QStringLiteral(":/wagelyn/wagelyn.xpm"));
    return icon;
}

}  // namespace wagelyn
