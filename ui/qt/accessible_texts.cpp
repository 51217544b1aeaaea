#include "ui/qt/accessible_texts.h"

#include <QLabel>
#include <QWidget>
#include <string_view>

#include "ui/forms/spoken_text.h"
#include "ui/qt/form_builder.h"

namespace wagelyn {
namespace {

// A label of the form that shows the control's name labels it: on Linux a
// screen reader names an editable combo box by its text, and says what it
// is for by the label that labels it.
void LabelBy(const FormDef& form, std::string_view name, QWidget* surface, QWidget* target) {
    for (const ControlDef& control : form.controls) {
        if (control.kind == ControlKind::Label && control.text == name) {
            if (auto* label = surface->findChild<QLabel*>(ToQString(control.name))) {
                label->setBuddy(target);
            }
        }
    }
}

}  // namespace

void ApplyAccessibleTexts(const FormDef& form, QWidget* window, QWidget* surface) {
    for (const AccessibleDef& def : form.accessible) {
        QWidget* target = window;
        Colour colour = kSystemColour;
        if (!def.control.empty()) {
            target = surface->findChild<QWidget*>(ToQString(def.control));
            const ControlDef* control = FindControl(form.controls, def.control);
            if (target == nullptr || control == nullptr) {
                continue;
            }
            colour = control->foreground;
        }
        if (!def.name.empty()) {
            target->setAccessibleName(ToQString(ScreenReaderText(def.name)));
            LabelBy(form, def.name, surface, target);
        }
        target->setAccessibleDescription(ToQString(ScreenReaderText(DescriptionOf(def, colour))));
    }
}

void DescribeByColour(const FormDef& form, QWidget* control, Colour colour) {
    if (const AccessibleDef* def =
            FindAccessible(form.accessible, control->objectName().toStdString())) {
        control->setAccessibleDescription(ToQString(ScreenReaderText(DescriptionOf(*def, colour))));
    }
}

}  // namespace wagelyn
