#include "ui/qt/print_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

#include "ui/forms/print_command.h"
#include "ui/qt/form_builder.h"
#include "ui/qt/legible_colours.h"

namespace wagelyn {
namespace {

// The text a control shows and the palette roles it draws it with.
page::ControlLook LookOfControl(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QPalette& palette = label->palette();
        return {label->text().toStdString(), ToColour(palette.color(label->foregroundRole())),
                ToColour(palette.color(label->backgroundRole()))};
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        return {box->text().toStdString(), ToColour(box->palette().color(QPalette::Text)),
                ToColour(box->palette().color(QPalette::Base))};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        const QPalette& palette =
            combo->lineEdit() != nullptr ? combo->lineEdit()->palette() : combo->palette();
        return {combo->currentText().toStdString(), ToColour(palette.color(QPalette::Text)),
                ToColour(palette.color(QPalette::Base))};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return {button->text().toStdString(),
                ToColour(button->palette().color(QPalette::ButtonText)),
                ToColour(button->palette().color(QPalette::Button))};
    }
    return {};
}

// The page in the printer's own device pixels, the form scaled to `target`.
class PrinterCanvas final : public page::Canvas {
public:
    PrinterCanvas(QPainter& painter, const QRectF& target, const FormDef& form)
        : painter_(painter), origin_(target.topLeft()), scale_(target.width() / form.clientWidth) {}

    void Fill(const page::Area& area, Colour colour) override {
        painter_.fillRect(OnPage(area), ToQColor(colour));
    }

    void Text(const page::Area& area, std::string_view text, const FontDef& font, Colour colour,
              page::TextStyle style) override {
        // Sized in the printer's pixels: a point size would be scaled twice.
        QFont printed = FontFor(font, QFont());
        printed.setPixelSize(
            std::max(1, static_cast<int>(std::lround(font.points * 20.0 * scale_))));
        const QRectF box = OnPage(area);
        int flags = style.align == page::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
        flags |=
            style.wrap ? Qt::AlignTop | Qt::TextWordWrap : Qt::AlignVCenter | Qt::TextSingleLine;
        painter_.save();
        painter_.setClipRect(box);
        painter_.setFont(printed);
        painter_.setPen(ToQColor(colour));
        painter_.drawText(box, flags, ToQString(text));
        painter_.restore();
    }

private:
    QRectF OnPage(const page::Area& area) const {
        return {origin_.x() + area.left * scale_, origin_.y() + area.top * scale_,
                area.width * scale_, area.height * scale_};
    }

    QPainter& painter_;
    QPointF origin_;
    double scale_;  // printer pixels per twip
};

page::FormLook LookOf(const FormSurface& surface, const FormDef& form) {
    page::FormLook look;
    look.form = &form;
    look.face = ToColour(surface.palette().color(QPalette::Window));
    look.lineInk = ToColour(surface.LineInk());
    const QPalette system = QApplication::palette();
    look.edge = ToColour(system.color(QPalette::Dark));
    look.buttonFace = ToColour(system.color(QPalette::Button));
    for (const ControlDef& def : form.controls) {
        look.controls.push_back(LookOfControl(
            surface.findChild<QWidget*>(ToQString(def.name), Qt::FindDirectChildrenOnly)));
    }
    return look;
}

PrintOutcome PrintOnDefaultPrinter(const page::FormLook& look) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return {PrintResult::NoDefaultPrinter, {}};
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        return {PrintResult::Failed, info.printerName().toStdString()};
    }
    printer.setDocName(QApplication::applicationName());

    QPainter painter;
    if (!painter.begin(&printer)) {
        return {PrintResult::Failed, info.printerName().toStdString()};
    }
    // As large as the printable area allows, its aspect kept, from the top left.
    const QRectF page = painter.viewport();
    const QSizeF fitted = QSizeF(look.form->clientWidth, look.form->clientHeight)
                              .scaled(page.size(), Qt::KeepAspectRatio);
    PrinterCanvas canvas(painter, QRectF(page.topLeft(), fitted), *look.form);
    page::PaintForm(look, canvas);
    if (!painter.end()) {
        return {PrintResult::Failed, info.printerName().toStdString()};
    }
    const bool troubled = info.state() == QPrinter::Error;
    return {troubled ? PrintResult::PrintedWithWarning : PrintResult::Printed,
            info.printerName().toStdString()};
}

// The main window as the Print command sees it.
class PrintingWindow final : public PrintableWindow {
public:
    PrintingWindow(QWidget& window, const FormSurface& surface, const FormDef& form)
        : window_(window), surface_(surface), form_(form) {}

    page::FormLook CurrentLook() const override { return LookOf(surface_, form_); }

    void SetBusy(bool busy) override {
        if (busy) {
            focus_ = QApplication::focusWidget();
            QApplication::setOverrideCursor(Qt::WaitCursor);
            window_.setEnabled(false);
            return;
        }
        window_.setEnabled(true);
        if (focus_ != nullptr) {
            focus_->setFocus(Qt::OtherFocusReason);
        }
        QApplication::restoreOverrideCursor();
    }

    PrintOutcome PrintLook(const page::FormLook& look) override {
        return PrintOnDefaultPrinter(look);
    }

    void ShowPrintProblem(std::string_view message) override {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), ToQString(message),
                        QMessageBox::Ok, &window_);
        box.setObjectName(QStringLiteral("PrintProblem"));
        box.exec();
    }

private:
    QWidget& window_;
    const FormSurface& surface_;
    const FormDef& form_;
    QPointer<QWidget> focus_;
};

}  // namespace

void PrintForm(QWidget& window, const FormSurface& surface, const FormDef& form) {
    PrintingWindow printing(window, surface, form);
    RunPrintCommand(printing);
}

}  // namespace wagelyn
