// At every scale factor the desktop may set (QT_SCALE_FACTOR), under the
// styles Linux desktops give Qt programs (QT_STYLE_OVERRIDE,
// QT_QPA_PLATFORMTHEME), and in English and every language the program has
// a catalogue for, no label or button of the three windows clips its text:
// the text's ink, laid out and rendered the way the widget draws it, falls
// inside the widget's text room. Every figure a conversion writes shows
// whole, or visibly cut with the whole figure in its tooltip and in what a
// screen reader reads; the tax entry shows its frame and drop-down arrow.
#include <cmath>
#include <string>

#include "i18n/embedded_catalogues.h"
#include "i18n/translation.h"
#include "window_fixture.h"

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
        QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        // A framed label indents its text on its aligned sides by half an
        // "x", unless told otherwise.
        int indent = label->indent();
        if (indent < 0 && label->frameWidth() > 0) {
            indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
        }
        indent = std::max(indent, 0);
        const Qt::Alignment align = label->alignment();
        room.adjust(align & Qt::AlignLeft ? indent : 0, align & Qt::AlignTop ? indent : 0,
                    align & Qt::AlignRight ? -indent : 0, align & Qt::AlignBottom ? -indent : 0);
        return {room, static_cast<int>(align) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    }
    auto* button = qobject_cast<QPushButton*>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
            Qt::AlignCenter | Qt::TextShowMnemonic};
}

// The bounds of the pixels in `area` that `isInk` picks out.
template <class IsInkAt>
QRect Bounds(const QRect& area, IsInkAt isInk) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// The text's ink, drawn as the widget lays it out at the screen's pixel
// ratio but without clipping, in the room's coordinates.
QRectF InkOf(const QWidget* widget, const QString& text, const TextRoom& room) {
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
    const QRect ink = Bounds(image.rect(), [&](int x, int y) { return qAlpha(image.pixel(x, y)); });
    return QRectF(QPointF(ink.topLeft()) / ratio, QSizeF(ink.size()) / ratio)
        .translated(canvas.topLeft());
}

// The row's language, as the program would choose it from the user's.
void UseRowLanguage() {
    QFETCH(QString, language);
    const std::string preferred[] = {language.toStdString()};
    QCOMPARE(QString::fromUtf8(UseLanguage(preferred).data()),
             language == QStringLiteral("C") ? QString() : language);
}

// Where a line edit draws its text: the style's contents rectangle less the
// text margins.
QRect TextAreaOf(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    option.state |= QStyle::State_Sunken;
    return box->style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, box)
        .marginsRemoved(box->textMargins());
}

// Whether a pixel stands out from the colour around it.
bool IsInk(const QImage& image, QRgb fill, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return std::abs(qRed(pixel) - qRed(fill)) + std::abs(qGreen(pixel) - qGreen(fill)) +
               std::abs(qBlue(pixel) - qBlue(fill)) >
           120;
}

// The bounds of the ink in `area`.
QRect InkIn(const QImage& image, const QRect& area) {
    const QRgb fill = testing::FillColour(image, area).rgb();
    return Bounds(area, [&](int x, int y) { return IsInk(image, fill, x, y); });
}

// The box's whole text, drawn in its font and colours without any
// clipping: its ink, in device pixels.
QRect WholeInkOf(const QLineEdit* box) {
    const qreal ratio = box->devicePixelRatioF();
    const QFontMetrics metrics(box->font());
    const QSize size(metrics.horizontalAdvance(box->text()) * 2, metrics.height() * 2);
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(box->palette().color(QPalette::Base));
    {
        QPainter painter(&image);
        painter.setFont(box->font());
        painter.setPen(box->palette().color(QPalette::Text));
        painter.drawText(QRect(QPoint(size.width() / 4, 0), size), Qt::AlignLeft | Qt::AlignVCenter,
                         box->text());
    }
    return InkIn(image, image.rect());
}

// Whether the ink ends in an ellipsis: its last columns, an ellipsis wide,
// hold only dots on the baseline, where a cut digit reaches up.
bool EndsInEllipsis(const QImage& image, const QRect& area, const QRect& ink, int ellipsisWidth) {
    const QRgb fill = testing::FillColour(image, area).rgb();
    const QRect aboveTheDots(QPoint(ink.right() - ellipsisWidth + 1, ink.top()),
                             QPoint(ink.right(), ink.bottom() - ink.height() / 3 - 1));
    return Bounds(aboveTheDots, [&](int x, int y) { return IsInk(image, fill, x, y); }).isNull();
}

}  // namespace

class TextFitsTest : public QObject {
    Q_OBJECT

private:
    static void CheckEveryText(QWidget* window) {
        QVERIFY(QTest::qWaitForWindowExposed(window));
        int checked = 0;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            // Every button, and every label that shows a text.
            const QString text = widget->property("text").toString();
            if (!qobject_cast<QPushButton*>(widget) &&
                (!qobject_cast<QLabel*>(widget) || text.isEmpty())) {
                continue;
            }
            const TextRoom room = RoomOf(widget);
            const QRectF ink = InkOf(widget, text, room);
            ++checked;
            // One device pixel of a stroke's antialiased fringe may fall on
            // the edge (a bold capital's negative side bearing does).
            const qreal fringe = 1.0 / widget->devicePixelRatioF();
            QString where;
            QDebug(&where).nospace()
                << widget->objectName() << " (" << text << ") at scale "
                << widget->devicePixelRatioF() << ": ink " << ink.translated(-room.room.topLeft())
                << " in room " << room.room.size();
            QVERIFY2(QRectF(room.room).adjusted(-fringe, -fringe, fringe, fringe).contains(ink),
                     qPrintable(where));
        }
        QVERIFY(checked > 0);
    }

    // Each figure box shows its whole figure, or shows it cut with an
    // ellipsis and gives the whole figure in its tooltip and to a screen
    // reader.
    static void CheckEveryFigure(QWidget* window) {
        for (int n = 1; n <= 12; ++n) {
            QLineEdit* box = testing::FigureBox(window, n);
            const QString figure = box->text();
            QVERIFY2(!figure.isEmpty(), qPrintable(box->objectName()));
            const qreal ratio = box->devicePixelRatioF();
            const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
            // The line the box draws its text on, clear of its frame.
            const QRect text = TextAreaOf(box);
            const int lineHeight = box->fontMetrics().height();
            const QRect logical = QRect(text.x(), text.y() + (text.height() - lineHeight + 1) / 2,
                                        text.width(), lineHeight) &
                                  box->rect().adjusted(2, 2, -2, -2);
            // Whole device pixels only: a partly covered one at the edge is clipped.
            const QRect area(QPoint(qCeil(logical.left() * ratio), qCeil(logical.top() * ratio)),
                             QPoint(qFloor((logical.right() + 1) * ratio) - 1,
                                    qFloor((logical.bottom() + 1) * ratio) - 1));
            const QRect shown = InkIn(image, area);
            const QRect whole = WholeInkOf(box);
            QString where;
            QDebug(&where).nospace()
                << box->objectName() << ' ' << figure << " under " << QApplication::style()->name()
                << " at scale " << ratio << ": " << shown.width() << " of " << whole.width()
                << " pixels shown";
            if (shown.width() + 1 >= whole.width()) {
                continue;  // all of it shows
            }
            const int ellipsis =
                qRound(box->fontMetrics().horizontalAdvance(QChar(0x2026)) * ratio * 0.6);
            QVERIFY2(EndsInEllipsis(image, area, shown, ellipsis),
                     qPrintable(where + QStringLiteral(", cut without an ellipsis")));
            QVERIFY2(box->toolTip() == figure,
                     qPrintable(where + QStringLiteral(", tooltip ") + box->toolTip()));
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
            QAccessibleTextInterface* reader = accessible->textInterface();
            const QString heard = reader ? reader->text(0, reader->characterCount())
                                         : accessible->text(QAccessible::Value);
            QVERIFY2(heard == figure, qPrintable(where + QStringLiteral(", heard ") + heard));
        }
    }

    // The tax entry shows it is a drop-down: a frame set apart from the
    // form, and an arrow.
    static void CheckTaxEntryLook(QWidget* window) {
        QComboBox* combo = testing::TaxEntry(window);
        const qreal ratio = combo->devicePixelRatioF();
        const QImage image = combo->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        option.frame = combo->hasFrame();
        option.subControls = QStyle::SC_All;
        const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxArrow, combo);
        const QRect arrowArea(arrow.topLeft() * ratio, arrow.size() * ratio);
        const QRect arrowInk = InkIn(image, arrowArea & image.rect());
        const QString where =
            QStringLiteral(" under %1 at scale %2").arg(QApplication::style()->name()).arg(ratio);
        QVERIFY2(arrowInk.width() >= 3 * ratio && arrowInk.height() >= 2 * ratio,
                 qPrintable("no drop-down arrow" + where));
        // The frame: the left edge's pixels, halfway down, differ from the
        // form behind the box and from the field inside it.
        const QRgb form = combo->parentWidget()->palette().color(QPalette::Window).rgb();
        const QRgb field = testing::FillColour(image, QRect(image.width() / 4, image.height() / 3,
                                                            image.width() / 4, image.height() / 3))
                               .rgb();
        const QRect edge(0, image.height() / 2, qCeil(3 * ratio), 1);
        const QRect frame = Bounds(edge, [&](int x, int y) {
            return IsInk(image, form, x, y) && IsInk(image, field, x, y);
        });
        QVERIFY2(!frame.isNull(), qPrintable("no frame around the tax entry" + where));
    }

private slots:
    void initTestCase() {
        const QString missing = testing::MissingLook();
        if (!missing.isEmpty()) {
            QSKIP(qPrintable(missing));
        }
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        QCOMPARE(QApplication::primaryScreen() ? qApp->devicePixelRatio() : 0.0,
                 scale.isEmpty() ? 1.0 : scale.toDouble());
    }

    // Every form in English and each language.
    void everyTextFits_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("language");
        for (const char* form : {"main", "error", "about"}) {
            // The design's English ("C") and each catalogue.
            QTest::addRow("%s English", form) << QString(form) << QStringLiteral("C");
            for (const EmbeddedCatalogue& catalogue : EmbeddedCatalogues()) {
                const QString language = QString::fromUtf8(catalogue.language);
                QTest::addRow("%s %s", form, qPrintable(language)) << QString(form) << language;
            }
        }
    }
    void everyTextFits() {
        UseRowLanguage();
        QFETCH(QString, form);
        const std::unique_ptr<QWidget> window = testing::OpenForm(form);
        CheckEveryText(window.get());
        if (form == QLatin1String("main")) {
            CheckTaxEntryLook(window.get());
        }
    }

    // Annual salaries whose figures run from 4 to 14 characters, converted
    // in English and in a long language.
    void figures_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("annual");
        for (const char* language : {"C", "de"}) {
            for (const char* annual : {"52000", "130000", "1250000", "5200000", "520000000000"}) {
                QTest::addRow("%s %s", language, annual) << language << annual;
            }
        }
    }
    void figures() {
        UseRowLanguage();
        QFETCH(QString, annual);
        std::unique_ptr<MainWindow> window(testing::OpenMainWindow());
        // Active, as under the user's hands: the focus leaves the typed box.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClicks(testing::FigureBox(window.get(), 1), annual);
        auto* convert = window->findChild<QPushButton*>(QStringLiteral("Command1"));
        convert->click();
        // No box keeps the focus: each shows its figure as a reader sees it.
        convert->setFocus(Qt::OtherFocusReason);
        CheckEveryFigure(window.get());
    }
};

QTEST_MAIN(TextFitsTest)
#include "text_fits_test.moc"
