#pragma once
// Printing an image of a window's client area as one page on the system's
// default printer, with no dialog. Printers are asked about only here, when
// the user prints: never at start-up.

#include <QString>

#include "ui/forms/print_report.h"

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace wagelyn {

struct PrintOutcome {
    PrintResult kind;
    QString printer;  // the default printer's name, when there is one
};

// Renders `client` (its background and every child) scaled to fit the page
// with its aspect kept. A missing default printer is reported as such: Qt
// would otherwise silently pick the first printer or write a nameless PDF.
PrintOutcome PrintOnDefaultPrinter(QWidget& client);

// What to tell the user about an outcome; empty when there is nothing to say.
QString DescribePrintOutcome(const PrintOutcome& outcome);

}  // namespace wagelyn
