#pragma once
// Application-wide facts: title, version and icon, set once on the
// QApplication so that every window and message box reads them from there.

#include <QtCore/qglobal.h>

#include "app/application_info.h"

QT_BEGIN_NAMESPACE
class QApplication;
class QIcon;
QT_END_NAMESPACE

namespace wagelyn {

void ConfigureApplication(QApplication& app);

// The 32 x 32, 16-colour icon that every window carries.
const QIcon& ApplicationIcon();

}  // namespace wagelyn
