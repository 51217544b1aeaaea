// The main window against its layout: every control's kind, name, text,
// geometry and font; the tax list; the focus order; the frame.
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenuBar>

#include "ui/forms/main_form.h"
#include "ui/qt/application.h"
#include "ui/qt/form_builder.h"
#include "window_fixture.h"

using namespace wagelyn;

class MainWindowLayoutTest : public testing::MainWindowTest {
    Q_OBJECT

private:
    QWidget* Control(const char* name) const { return window_->findChild<QWidget*>(name); }

private slots:
    void controlsStandWhereTheLayoutPutsThem_data() {
        // Each row is named after its control.
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        // Pixels are twips / 15; fonts in points.
        // clang-format off
        QTest::newRow("Label2") << "QLabel" << "Wagelyn" << QRect(136, 16, 337, 33) << 18.0 << true;
        QTest::newRow("Label3") << "QLabel" << "Enter if any Total Estmated  TAX withheld in %" << QRect(8, 80, 177, 25) << 8.25 << true;
        QTest::newRow("Combo1") << "QComboBox" << "0" << QRect(192, 80, 81, 28) << 12.0 << true;
        QTest::newRow("Command7") << "QPushButton" << "Reset/Clear All Value" << QRect(288, 80, 113, 25) << 8.25 << false;
        QTest::newRow("Command15") << "QPushButton" << "Print" << QRect(416, 80, 65, 25) << 8.25 << false;
        QTest::newRow("Command14") << "QPushButton" << "Quit" << QRect(496, 80, 81, 25) << 8.25 << false;
        QTest::newRow("Text1") << "QLineEdit" << "" << QRect(32, 136, 89, 33) << 13.5 << false;
        QTest::newRow("Command1") << "QPushButton" << "Annual Salary" << QRect(152, 136, 105, 33) << 8.25 << false;
        QTest::newRow("Text6") << "QLineEdit" << "" << QRect(32, 376, 89, 33) << 13.5 << false;
        QTest::newRow("Command6") << "QPushButton" << "Hourly - 35 hr." << QRect(152, 376, 105, 33) << 8.25 << false;
        QTest::newRow("Text7") << "QLineEdit" << "" << QRect(336, 136, 89, 33) << 13.5 << false;
        QTest::newRow("Command10") << "QPushButton" << "Minute. - 40 hr" << QRect(456, 232, 105, 33) << 8.25 << false;
        QTest::newRow("Text12") << "QLineEdit" << "" << QRect(336, 376, 89, 33) << 13.5 << false;
        QTest::newRow("Command13") << "QPushButton" << "Second. - 35 hr" << QRect(456, 376, 105, 33) << 8.25 << false;
        QTest::newRow("Label1") << "QLabel"
            << "The Left column is most commonly used and more accurate , the right one is for you to find out more interesting number in terms of different time frame.  As you may find out if you get paid by second, you will end up getting more money."
            << QRect(16, 448, 569, 41) << 8.25 << true;
        QTest::newRow("Label4") << "QLabel" << "Blue one is the Gross Pay You Enter" << QRect(16, 496, 273, 25) << 12.0 << false;
        QTest::newRow("Label5") << "QLabel" << "Red ones are the Net/Take Home pay(s)" << QRect(296, 496, 289, 25) << 12.0 << false;
        // clang-format on
    }

    void controlsStandWhereTheLayoutPutsThem() {
        const QString name = QTest::currentDataTag();
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QWidget* control = Control(name.toLatin1());
        QVERIFY2(control, qPrintable(name));
        QVERIFY2(control->inherits(qPrintable(kind)), control->metaObject()->className());
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().bold(), bold);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), text);
            QVERIFY(label->wordWrap());
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), text);
            QVERIFY(!button->isDefault());
        } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(box->text(), text);
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            QCOMPARE(combo->currentText(), text);
        }
    }

    void everyControlOfTheLayoutExists() {
        for (const ControlDef& def : main_form::Controls()) {
            const QString name = ToQString(def.name);
            QVERIFY2(Control(name.toLatin1()), qPrintable(name));
        }
        QCOMPARE(window_->findChildren<QPushButton*>().size(), 15);
        QCOMPARE(window_->findChildren<QLineEdit*>(QRegularExpression("^Text\\d+$")).size(), 12);
    }

    void titleIsCentredWithABorder() {
        auto* title = qobject_cast<QLabel*>(Control("Label2"));
        QVERIFY(title->alignment() & Qt::AlignHCenter);
        QCOMPARE(title->frameShape(), QFrame::Box);
        auto* prompt = qobject_cast<QLabel*>(Control("Label3"));
        QVERIFY(prompt->alignment() & Qt::AlignLeft);
        QCOMPARE(prompt->frameShape(), QFrame::NoFrame);
    }

    void fontsFallBackToAnInstalledSansFace() {
        // Arial's metric twin stands in where Arial and the design's Sans Serif are missing.
        if (!QFontDatabase::families().contains("Liberation Sans")) {
            QSKIP("fonts-liberation is not installed: the stand-in faces cannot be checked");
        }
        const QFontInfo title(Control("Label2")->font());
        const QFontInfo box(Control("Text1")->font());
        QVERIFY2(title.family() == "Arial" || title.family() == "Liberation Sans",
                 qPrintable(title.family()));
        QVERIFY2(box.family() == "Microsoft Sans Serif" || box.family() == "MS Sans Serif" ||
                     box.family() == "Arial" || box.family() == "Liberation Sans",
                 qPrintable(box.family()));
        QVERIFY(title.bold());
    }

    void framesBothColumnsWithThreePixelLines() {
        const QImage client = window_->centralWidget()->grab().toImage();
        const QColor ink = QApplication::palette().color(QPalette::WindowText);
        const QColor background(128, 128, 255);
        // Top edge at y 120 (twips 1800), three pixels from 119 to 121.
        QCOMPARE(client.pixelColor(300, 118), background);
        for (int y = 119; y <= 121; ++y) {
            QCOMPARE(client.pixelColor(300, y), ink);
        }
        QCOMPARE(client.pixelColor(300, 122), background);
        QCOMPARE(client.pixelColor(296, 300), ink);  // the divider, x 296
        QCOMPARE(client.pixelColor(8, 300), ink);    // left edge
        QCOMPARE(client.pixelColor(584, 300), ink);  // right edge
        QCOMPARE(client.pixelColor(300, 432), ink);  // bottom edge
    }

    void taxListHoldsSixteenEntriesInOrder() {
        auto* combo = qobject_cast<QComboBox*>(Control("Combo1"));
        QVERIFY(combo->isEditable());
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i) {
            entries << combo->itemText(i);
        }
        QCOMPARE(entries, QStringList({"0", "16", "17", "18", "19", "20", "21", "22", "23", "24",
                                       "25", "26", "27", "28", "29", "30"}));
    }

    void windowIsFixedWithCaptionAndMenu() {
        QCOMPARE(window_->centralWidget()->size(), QSize(595, 537));
        const QString caption = window_->windowTitle();
        QVERIFY(caption.startsWith("Wagelyn" + QString(37, '.') + "created by "));
        QVERIFY(!caption.contains(QString(38, '.')));
        QVERIFY(caption.endsWith(" 04/02"));
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!window_->windowIcon().isNull());
        QCOMPARE(window_->windowIcon().availableSizes().value(0), QSize(32, 32));

        const QList<QAction*> menus = window_->menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus[0]->text(), QString("Help"));
        const QList<QAction*> items = menus[0]->menu()->actions();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items[0]->text(), QString("About the program"));
        QVERIFY(items[0]->shortcut().isEmpty());
    }

    void opensWithFocusInAnnualAndTaxZero() {
        QCOMPARE(QApplication::focusWidget(), Control("Text1"));
        QCOMPARE(qobject_cast<QComboBox*>(Control("Combo1"))->currentText(), QString("0"));
        QTest::keyClicks(QApplication::focusWidget(), "52");
        QCOMPARE(qobject_cast<QLineEdit*>(Control("Text1"))->text(), QString("52"));
    }

    void tabWalksTheFocusOrderAndWrapsAround() {
        const QStringList order = {"Text1",     "Text2",     "Text3",     "Text4",     "Command1",
                                   "Text5",     "Command2",  "Text6",     "Command3",  "Command4",
                                   "Command5",  "Command6",  "Command7",  "Combo1",    "Text7",
                                   "Text8",     "Command8",  "Command9",  "Text9",     "Text10",
                                   "Command10", "Command11", "Text11",    "Command12", "Command13",
                                   "Text12",    "Command14", "Command15", "Text1"};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // The editable combo's line edit holds the focus on its behalf.
            if (focus && focus->parentWidget() && qobject_cast<QComboBox*>(focus->parentWidget())) {
                focus = focus->parentWidget();
            }
            QVERIFY(focus);
            QCOMPARE(focus->objectName(), order[i]);
        }
    }

    void boxesAndTaxEntryAreNamedForScreenReaders() {
        QCOMPARE(Control("Text1")->accessibleName(), QString("Annual Salary"));
        // Named without the caption's stray full stop and dash, which a
        // screen reader would say aloud.
        QCOMPARE(Control("Text9")->accessibleName(), QString("Minute, 40 hr"));
        QCOMPARE(Control("Text12")->accessibleName(), QString("Second, 35 hr"));
        QCOMPARE(Control("Combo1")->accessibleName(),
                 QString("Enter if any Total Estmated  TAX withheld in %"));
        QVERIFY(Control("Text1")->accessibleDescription().contains("Gross"));
        QVERIFY(Control("Text2")->accessibleDescription().contains("Net"));
    }

    void noButtonCarriesAnAccessKey() {
        for (QPushButton* button : window_->findChildren<QPushButton*>()) {
            QVERIFY2(!button->text().contains('&'), qPrintable(button->text()));
        }
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
