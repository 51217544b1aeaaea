#include "ui/qt/accessible_texts.h"

#include <QWidget>

#include "ui/qt/form_builder.h"

namespace wagelyn {

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
            target->setAccessibleName(ShownText(def.name));
        }
        target->setAccessibleDescription(ShownText(DescriptionOf(def, colour)));
    }
}

void DescribeByColour(const FormDef& form, QWidget* control, Colour colour) {
    if (const AccessibleDef* def =
            FindAccessible(form.accessible, control->objectName().toStdString())) {
        control->setAccessibleDescription(ShownText(DescriptionOf(*def, colour)));
    }
}

}  // namespace wagelyn
