#pragma once
// Printing a form as one page on the system's default printer, with no
// dialog, drawn at the printer's resolution as vector text and shapes.
// Printers are asked about only here, when the user prints: never at
// start-up.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace wagelyn {

class FormSurface;
struct FormDef;

// Prints the form on `surface`, built from `form`, scaled to fill the page
// with its aspect kept, while `window` is busy; a problem is told in a
// message box over `window`. A missing default printer is reported as such:
// Qt would otherwise silently pick the first printer or write a nameless PDF.
void PrintForm(QWidget& window, const FormSurface& surface, const FormDef& form);

}  // namespace wagelyn
