#pragma once

#include <QFont>
#include <QWidget>
#include <span>
#include <vector>

#include "ui/forms/form_data.h"

QT_BEGIN_NAMESPACE
class QColor;
QT_END_NAMESPACE

namespace wagelyn {

// The tables' UTF-8 texts as Qt text.
QString ToQString(std::string_view text);

// A text of the forms' English as the user reads it: in the chosen language.
QString ShownText(std::string_view english);

QColor ToQColor(Colour colour);

// The face for a design font: the installed face closest to it.
QFont FontFor(const FontDef& def, const QFont& formFont);

// The form's default font: MS Sans Serif 8.25 pt, or the closest installed.
QFont DefaultFormFont();

// A label's or text box's text colour as the design now wants it (a kBlue
// source figure, say), shown legibly under the current colour scheme. False,
// with nothing done, when the control wants that colour already: most runs
// repaint red boxes red, and a new palette costs a repaint.
bool SetDesignTextColour(QWidget* control, Colour colour);

// Creates one widget per control on `surface`, named, placed and styled as
// the table says, and chains the focusable ones in tab-index order.
void BuildForm(std::span<const ControlDef> controls, QWidget* surface);

// A form's client area: paints its lines beneath the controls, and keeps
// the controls' design colours legible when the colour scheme changes.
class FormSurface : public QWidget {
    Q_OBJECT
public:
    FormSurface(std::span<const LineDef> lines, int widthTwips, int heightTwips,
                QWidget* parent = nullptr);

    // The colour of lines that take the system's text colour: that colour,
    // or the light design's where it would not show on the form's face.
    QColor LineInk() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::span<const LineDef> lines_;
};

}  // namespace wagelyn
