#pragma once
// Printing a form as one page on the system's default printer, with no
// dialog, drawn at the printer's resolution as vector text and shapes.
// Printers are asked about only here, when the user prints: never at
// start-up.

#include <QString>

#include "ui/forms/page_painter.h"
#include "ui/forms/print_report.h"

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace wagelyn {

class FormSurface;

struct PrintOutcome {
    PrintResult kind;
    QString printer;  // the default printer's name, when there is one
};

// How the form on `surface` looks now: each control's text and colours,
// in the order of the form's table.
page::FormLook LookOf(const FormSurface& surface, const FormDef& form);

// Prints `look` scaled to fill the page with its aspect kept. A missing
// default printer is reported as such: Qt would otherwise silently pick the
// first printer or write a nameless PDF.
PrintOutcome PrintOnDefaultPrinter(const page::FormLook& look);

// What to tell the user about an outcome; empty when there is nothing to say.
QString DescribePrintOutcome(const PrintOutcome& outcome);

}  // namespace wagelyn
