#include "ui/qt/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace wagelyn {
namespace {

QAccessibleInterface* AnnouncerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

// One pixel in the corner, unpainted: a hidden widget is never "showing",
// and showing is what screen readers answer.
Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcer::Announce(const QString& message) {
    hide();
    setAccessibleName(message);
    show();
}

void InstallAccessibleAnnouncers() {
    QAccessible::installFactory(&AnnouncerFactory);
}

}  // namespace wagelyn
