#pragma once
// What screen readers hear of a form's widgets: the names and descriptions
// of the form's table, given to Qt's accessibility bridge.

#include <QtGlobal>

#include "ui/forms/form_data.h"

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace wagelyn {

// Names and describes `window` and the controls built on `surface` as the
// form says, with each control's design text colour.
void ApplyAccessibleTexts(const FormDef& form, QWidget* window, QWidget* surface);

// The control's text is drawn in `colour` now: its description follows.
void DescribeByColour(const FormDef& form, QWidget* control, Colour colour);

}  // namespace wagelyn
