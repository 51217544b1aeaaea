#pragma once
// What a printed page of the main window must show, for the Qt program's
// print test and for Wagelyn.exe's under Wine: the window's client area,
// scaled up to fit the page with its aspect kept, in its colours, drawn as
// text in fonts rather than as an image of the screen.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace wagelyn::testing {

// Calls `visit(x, y)` for each pixel of `area`.
template <typename Visit>
void ForEachPixel(const QRect& area, Visit visit) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            visit(x, y);
        }
    }
}

// What is wrong with `page` (rendered at any resolution) as a print of the
// client area `shown` (595 x 537 pixels at 96 DPI); empty when nothing is.
inline QString PrintoutProblem(QImage page, QImage shown) {
    page = page.convertToFormat(QImage::Format_RGB32);
    shown = shown.convertToFormat(QImage::Format_RGB32);
    // Where the window stands on the page: the bounds of what is not white.
    QRect drawn;
    ForEachPixel(page.rect(), [&](int x, int y) {
        if (page.pixelColor(x, y) != Qt::white) {
            drawn |= QRect(x, y, 1, 1);
        }
    });
    if (drawn.isEmpty()) {
        return QStringLiteral("the page is blank");
    }
    const double aspect = double(drawn.width()) / drawn.height();
    if (std::abs(aspect - 595.0 / 537.0) > 0.03) {
        return QStringLiteral("the window's aspect on the page is %1").arg(aspect);
    }
    if (drawn.width() <= page.width() / 2) {
        return QStringLiteral("the window is not scaled up to the page");
    }

    const auto at = [&](int x, int y) {
        return page.pixelColor(drawn.left() + x * drawn.width() / 595,
                               drawn.top() + y * drawn.height() / 537);
    };
    const auto near = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
               std::abs(a.blue() - b.blue()) < 24;
    };
    // Light-blue background left and right of the frame, the pale-cyan title band.
    if (!near(at(3, 300), QColor(128, 128, 255)) || !near(at(591, 300), QColor(128, 128, 255)) ||
        !near(at(200, 22), QColor(192, 255, 255))) {
        return QStringLiteral("the window's colours are not on the page");
    }
    // The colour keys print in their colours: some ink in each is clearly
    // blue, and clearly red.
    const auto hasInk = [&](QRect keyOnScreen, auto isInk) {
        bool found = false;
        ForEachPixel(keyOnScreen, [&](int x, int y) { found = found || isInk(at(x, y)); });
        return found;
    };
    if (!hasInk(
            QRect(16, 496, 273, 25),
            [](const QColor& c) { return c.blue() > 160 && c.red() < 120 && c.green() < 120; }) ||
        !hasInk(QRect(296, 496, 289, 25), [](const QColor& c) {
            return c.red() > 160 && c.blue() < 120 && c.green() < 120;
        })) {
        return QStringLiteral("the colour keys are not printed in blue and red");
    }

    // And as a whole it is the window on the screen.
    const QImage printed =
        page.copy(drawn).scaled(119, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage window = shown.scaled(119, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    ForEachPixel(printed.rect(), [&](int x, int y) {
        const QColor p = printed.pixelColor(x, y);
        const QColor q = window.pixelColor(x, y);
        sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
               std::abs(p.blue() - q.blue());
    });
    const double difference = sum / (3.0 * 255.0 * printed.width() * printed.height());
    if (difference >= 0.05) {
        return QStringLiteral("the page differs from the window by %1").arg(difference);
    }
    return {};
}

// The rows of a poppler tool's table about `pdf`, its two heading lines
// left out; nullopt when the tool could not run.
inline std::optional<QStringList> PdfTable(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    const QString table = QString::fromUtf8(process.readAllStandardOutput());
    return table.split(u'\n', Qt::SkipEmptyParts).mid(2);
}

// What is wrong with the PDF `pdf` as a page drawn at the printer's
// resolution: an image larger than an icon (a picture of the screen) on it,
// or no font (its text was not drawn as text). Empty when nothing is. The
// text itself cannot be read back: the print server's conversion drops the
// fonts' character maps.
inline QString VectorPageProblem(const QString& pdf) {
    const auto images = PdfTable(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    const auto fonts = PdfTable(QStringLiteral("pdffonts"), {pdf});
    if (!images || !fonts) {
        return QStringLiteral("pdfimages or pdffonts cannot read %1").arg(pdf);
    }
    constexpr int kIconSize = 48;
    for (const QString& row : *images) {
        // page, num, type, width, height, …
        const QStringList columns = row.split(u' ', Qt::SkipEmptyParts);
        if (columns.size() > 4 && std::max(columns[3].toInt(), columns[4].toInt()) > kIconSize) {
            return QStringLiteral("the page holds a %1 x %2 image").arg(columns[3], columns[4]);
        }
    }
    if (fonts->isEmpty()) {
        return QStringLiteral("the page uses no font");
    }
    return {};
}

}  // namespace wagelyn::testing
