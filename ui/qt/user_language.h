#pragma once
// The windows' words in the user's language: the program's own catalogue,
// and Qt's translations of its own texts (a line edit's context menu, a
// message box's buttons) in that same language.

#include <QtCore/qglobal.h>

QT_BEGIN_NAMESPACE
class QApplication;
QT_END_NAMESPACE

namespace wagelyn {

// Chooses the catalogue from the user's languages and, when one was chosen,
// installs Qt's translations into it on `app`. Under English nothing is
// loaded. Call before any window is built.
void UseUserLanguage(QApplication& app);

}  // namespace wagelyn
