#include "ui/qt/print_window.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace wagelyn {

PrintOutcome PrintOnDefaultPrinter(QWidget& client) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return {PrintOutcome::Kind::NoDefaultPrinter, {}};
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        return {PrintOutcome::Kind::Failed, info.printerName()};
    }
    printer.setDocName(QApplication::applicationName());

    QPainter painter;
    if (!painter.begin(&printer)) {
        return {PrintOutcome::Kind::Failed, info.printerName()};
    }
    const QRect page = painter.viewport();
    const QSize fitted = client.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(QRect(page.topLeft(), fitted));
    painter.setWindow(client.rect());
    // Drawn at the printer's own resolution, so text stays sharp on paper.
    client.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (!painter.end()) {
        return {PrintOutcome::Kind::Failed, info.printerName()};
    }
    const bool troubled = info.state() == QPrinter::Error;
    return {troubled ? PrintOutcome::Kind::PrintedWithWarning : PrintOutcome::Kind::Printed,
            info.printerName()};
}

QString DescribePrintOutcome(const PrintOutcome& outcome) {
    switch (outcome.kind) {
        case PrintOutcome::Kind::Printed:
            return {};
        case PrintOutcome::Kind::PrintedWithWarning:
            return QStringLiteral(
                       "The page was sent to the default printer \"%1\", but that printer "
                       "reports a problem. It will print once the printer is ready.")
                .arg(outcome.printer);
        case PrintOutcome::Kind::NoDefaultPrinter:
            return QStringLiteral(
                "Nothing was printed: no default printer is set up on this computer.\n\n"
                "Set up a printer and make it the default, then press Print again.");
        case PrintOutcome::Kind::Failed:
            return QStringLiteral(
                       "Nothing was printed: the default printer \"%1\" could not take the page.")
                .arg(outcome.printer);
    }
    return {};
}

}  // namespace wagelyn
