// At every scale factor the desktop may set (QT_SCALE_FACTOR), and in English
// and every language the program has a catalogue for, no label or button of
// the three windows clips its text: the text's ink, laid out and rendered the
// way the widget draws it, falls inside the widget's text room.
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <string>

#include "open_main_window.h"
#include "ui/forms/embedded_catalogues.h"
#include "ui/forms/translation.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/error_dialog.h"

using namespace wagelyn;

namespace {

// The room a label or button gives its text, and how it lays the text out.
struct TextRoom {
    QRect room;
    int flags;
};

TextRoom RoomOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const int margin = label->margin();
        return {label->contentsRect().adjusted(margin, margin, -margin, -margin),
                static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    }
    auto* button = qobject_cast<QPushButton*>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
            Qt::AlignCenter | Qt::TextShowMnemonic};
}

// The text's ink, drawn as the widget lays it out at the screen's pixel
// ratio but without clipping, in the room's coordinates.
QRectF InkOf(QWidget* widget, const QString& text, const TextRoom& room) {
    const qreal ratio = widget->devicePixelRatioF();
    // The room, with as much space again on every side for ink to spill into.
    const QRect canvas = room.room.adjusted(-room.room.width(), -room.room.height(),
                                            room.room.width(), room.room.height());
    QImage image((canvas.size() * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.translate(-canvas.topLeft());
        painter.setFont(widget->font());
        painter.setPen(Qt::black);
        painter.drawText(room.room, room.flags | Qt::TextDontClip, text);
    }
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return QRectF(left / ratio, top / ratio, (right - left + 1) / ratio, (bottom - top + 1) / ratio)
        .translated(canvas.topLeft());
}

// One row per language: the design's English ("C") and each catalogue.
void AddLanguageRows() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QStringLiteral("C");
    for (const EmbeddedCatalogue& catalogue : EmbeddedCatalogues()) {
        const QString language = QString::fromUtf8(
            catalogue.language.data(), static_cast<qsizetype>(catalogue.language.size()));
        QTest::newRow(qPrintable(language)) << language;
    }
}

// The row's language, as the program would choose it from the user's.
void UseRowLanguage() {
    QFETCH(QString, language);
    const std::string preferred[] = {language.toStdString()};
    QCOMPARE(QString::fromUtf8(UseLanguage(preferred).data()),
             language == QStringLiteral("C") ? QString() : language);
}

}  // namespace

class TextFitsTest : public QObject {
    Q_OBJECT

private:
    static void CheckEveryText(QWidget* window) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        int checked = 0;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(widget);
            if ((label == nullptr || label->text().isEmpty()) &&
                qobject_cast<QPushButton*>(widget) == nullptr) {
                continue;
            }
            const QString text = label ? label->text() : qobject_cast<QPushButton*>(widget)->text();
            const TextRoom room = RoomOf(widget);
            const QRectF ink = InkOf(widget, text, room);
            ++checked;
            // One device pixel of a stroke's antialiased fringe may fall on
            // the edge (a bold capital's negative side bearing does).
            const qreal fringe = 1.0 / widget->devicePixelRatioF();
            QVERIFY2(
                QRectF(room.room).adjusted(-fringe, -fringe, fringe, fringe).contains(ink),
                qPrintable(QStringLiteral("%1 (%9) at scale %2: ink %3,%4 %5 x %6 in room %7 x %8")
                               .arg(widget->objectName())
                               .arg(widget->devicePixelRatioF())
                               .arg(ink.x() - room.room.x())
                               .arg(ink.y() - room.room.y())
                               .arg(ink.width())
                               .arg(ink.height())
                               .arg(room.room.width())
                               .arg(room.room.height())
                               .arg(text)));
        }
        QVERIFY(checked > 0);
    }

private slots:
    void initTestCase() {
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        QCOMPARE(QApplication::primaryScreen() ? qApp->devicePixelRatio() : 0.0,
                 scale.isEmpty() ? 1.0 : scale.toDouble());
    }

    void mainWindow_data() { AddLanguageRows(); }
    void mainWindow() {
        UseRowLanguage();
        std::unique_ptr<MainWindow> window(testing::OpenMainWindow());
        CheckEveryText(window.get());
    }

    void errorDialog_data() { AddLanguageRows(); }
    void errorDialog() {
        UseRowLanguage();
        ErrorDialog::Show();
        std::unique_ptr<ErrorDialog> dialog(ErrorDialog::Instance());
        CheckEveryText(dialog.get());
    }

    void aboutDialog_data() { AddLanguageRows(); }
    void aboutDialog() {
        UseRowLanguage();
        AboutDialog::Show();
        std::unique_ptr<AboutDialog> dialog(AboutDialog::Instance());
        CheckEveryText(dialog.get());
    }
};

QTEST_MAIN(TextFitsTest)
#include "text_fits_test.moc"
