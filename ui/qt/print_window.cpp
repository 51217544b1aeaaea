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
        return {PrintResult::NoDefaultPrinter, {}};
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        return {PrintResult::Failed, info.printerName()};
    }
    printer.setDocName(QApplication::applicationName());

    QPainter painter;
    if (!painter.begin(&printer)) {
        return {PrintResult::Failed, info.printerName()};
    }
    const QRect page = painter.viewport();
    const QSize fitted = client.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(QRect(page.topLeft(), fitted));
    painter.setWindow(client.rect());
    // Drawn at the printer's own resolution, so text stays sharp on paper.
    client.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (!painter.end()) {
        return {PrintResult::Failed, info.printerName()};
    }
    const bool troubled = info.state() == QPrinter::Error;
    return {troubled ? PrintResult::PrintedWithWarning : PrintResult::Printed, info.printerName()};
}

QString DescribePrintOutcome(const PrintOutcome& outcome) {
    return QString::fromStdString(PrintReport(outcome.kind, outcome.printer.toStdString()));
}

}  // namespace wagelyn
