// The main window through its real widgets: its layout (every control's
// kind, name, text, geometry and font; the tax list; the focus order; the
// frame); typing, picking a tax, clicking and reading the texts and colours
// back; whatever is typed or pasted; start-up, reset, print, the About
// command and how long the process lives; and figures read and written with
// the separators of the region LC_ALL names.
#include <string>
#include <string_view>

#include "tests/print/printout.h"
#include "tests/support/worked_examples.h"
#include "ui/forms/main_form.h"
#include "ui/qt/form_builder.h"
#include "window_fixture.h"

using namespace wagelyn;
using testing::kBlueText;
using testing::kRedText;

namespace {

constexpr int kMegabyte = 1 << 20;

struct Region {
    const char* name;   // as Qt reports it; LC_ALL names it NAME.UTF-8
    char decimal;       // the region's decimal mark
    const char* typed;  // 52000 grouped as people type it on a keyboard
};

// The tests' own C.UTF-8 and the four regions CMake runs the window under.
const Region kRegions[] = {
    {"C", '.', "52,000"},     {"en_US", '.', "52,000"}, {"de_DE", ',', "52.000"},
    {"fr_FR", ',', "52 000"}, {"de_CH", '.', "52'000"},
};

const testing::WorkedExample& Example(std::string_view name) {
    const auto* found =
        std::ranges::find(testing::kWorkedExamples, name, &testing::WorkedExample::name);
    if (found == std::end(testing::kWorkedExamples)) {
        qFatal("no worked example is named %s", std::string(name).c_str());
    }
    return *found;
}

// As the user would: through the clipboard, into the focused field.
void Paste(QLineEdit* field, const QString& text) {
    field->clear();
    QApplication::clipboard()->setText(text);
    field->setFocus();
    field->paste();
    if (field->text() != text) {  // a platform without a clipboard
        field->setText(text);
    }
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class MainWindowSuite : public testing::MainWindowTest {
    Q_OBJECT

private:
    void ChooseAbout() const {
        QAction* about = window_->findChild<QAction*>("About");
        QVERIFY(about);
        about->trigger();
    }

    bool waitedAndKeysLost_ = false;

    // What a user meets who types while the page is made, seen the moment the
    // window (which this watches while Print works) gives up input: whether
    // the pointer waits and the keys are lost.
    bool eventFilter(QObject* /*window*/, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange && !window_->isEnabled()) {
            const QCursor* cursor = QApplication::overrideCursor();
            const bool waited = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
            const QString before = Box(1)->text();
            QTest::keyClicks(Box(1), "9");
            waitedAndKeysLost_ = waited && Box(1)->text() == before;
        }
        return false;
    }

    // Runs the application's event loop until it quits by itself; true when a
    // safety timeout had to stop it instead.
    static bool RunEventLoop() {
        QTimer safety;
        safety.setSingleShot(true);
        safety.callOnTimeout(&QCoreApplication::quit);
        safety.start(10000);
        QApplication::exec();
        return !safety.isActive();
    }

private slots:
    // The layout.

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
        // The text a label, button or box shows; the entry a combo box shows.
        const char* shown = qobject_cast<QComboBox*>(control) ? "currentText" : "text";
        QCOMPARE(control->property(shown).toString(), text);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QVERIFY(label->wordWrap());
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            QVERIFY(!button->isDefault());
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
        QVERIFY(Tax()->isEditable());
        QStringList entries;
        for (int i = 0; i < Tax()->count(); ++i) {
            entries << Tax()->itemText(i);
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
        // A close box and a system menu, neither minimize nor maximize box.
        const Qt::WindowFlags close = Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
        QCOMPARE(window_->windowFlags() & (close | Qt::WindowMinMaxButtonsHint), close);
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
        QCOMPARE(QApplication::focusWidget(), Box(1));
        QCOMPARE(Tax()->currentText(), QString("0"));
        QTest::keyClicks(QApplication::focusWidget(), "52");
        QCOMPARE(Box(1)->text(), QString("52"));
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
        QCOMPARE(Box(1)->accessibleName(), QString("Annual Salary"));
        // Named without the caption's stray full stop and dash, which a
        // screen reader would say aloud.
        QCOMPARE(Box(9)->accessibleName(), QString("Minute, 40 hr"));
        QCOMPARE(Box(12)->accessibleName(), QString("Second, 35 hr"));
        QCOMPARE(Tax()->accessibleName(),
                 QString("Enter if any Total Estmated  TAX withheld in %"));
        QVERIFY(Box(1)->accessibleDescription().contains("Gross"));
        QVERIFY(Box(2)->accessibleDescription().contains("Net"));
    }

    void noButtonCarriesAnAccessKey() {
        for (QPushButton* button : window_->findChildren<QPushButton*>()) {
            QVERIFY2(!button->text().contains('&'), qPrintable(button->text()));
        }
    }

    // Conversions.

    void periodButtonsWriteTheWorkedExamples_data() {
        QTest::addColumn<testing::WorkedExample>("example");
        for (const testing::WorkedExample& example : testing::kWorkedExamples) {
            QTest::newRow(example.name) << example;
        }
    }

    void periodButtonsWriteTheWorkedExamples() {
        QFETCH(testing::WorkedExample, example);
        const int source = static_cast<int>(IndexOf(example.source)) + 1;
        TypeTax(QString::fromStdString(example.tax));
        Convert(source, QString::fromStdString(example.figure));
        QCOMPARE(Box(source)->text(), QString::fromStdString(example.figure));  // as typed
        for (const auto& [period, text] : example.texts) {
            QCOMPARE(Box(static_cast<int>(IndexOf(period)) + 1)->text(),
                     QString::fromStdString(text));
        }
        for (int i = 1; i <= 12; ++i) {
            QCOMPARE(TextColour(i), i == source ? kBlueText : kRedText);
        }
        QVERIFY(ErrorDialog::Instance() == nullptr);
    }

    void pickingATaxFromTheListIsUsed() {
        Tax()->setCurrentIndex(Tax()->findText("20"));
        Convert(1, "52000");
        QCOMPARE(Box(2)->text(), QString("3466.67"));
        QCOMPARE(process::TakeHomeFactor, 0.8);
    }

    void typedTaxIsNotCompletedFromTheList_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("factor");
        // Each is the start of a list entry ("16", "20", "30", "0").
        QTest::newRow("1") << "1" << 0.99;
        QTest::newRow("2") << "2" << 0.98;
        QTest::newRow("3") << "3" << 0.97;
        QTest::newRow("2.5") << "2.5" << 0.975;
    }
    void typedTaxIsNotCompletedFromTheList() {
        QFETCH(QString, typed);
        QFETCH(double, factor);
        // Completion only runs in a focused entry, as when a user types.
        window_->activateWindow();
        Tax()->lineEdit()->setFocus();
        QVERIFY(QTest::qWaitFor([this] { return Tax()->lineEdit()->hasFocus(); }));
        TypeTax(typed);
        QCOMPARE(Tax()->currentText(), typed);
        Convert(1, "52000");
        QCOMPARE(process::TakeHomeFactor, factor);
        QCOMPARE(Tax()->currentText(), typed);
    }

    void emptyTaxEntryFailsAndChangesNothing_data() {
        QTest::addColumn<int>("sourceBox");
        QTest::addColumn<bool>("turnsBlue");
        QTest::newRow("Annual") << 1 << false;
        QTest::newRow("Second40") << 11 << true;
    }

    void emptyTaxEntryFailsAndChangesNothing() {
        QFETCH(int, sourceBox);
        QFETCH(bool, turnsBlue);
        Convert(1, "52000");
        const QStringList before = Texts();
        const double factorBefore = process::TakeHomeFactor;
        TypeInto(sourceBox, "52000");
        TypeTax("");
        Click(testing::PeriodButton(sourceBox));

        QVERIFY(ErrorDialog::Instance() != nullptr);
        QVERIFY(ErrorDialog::Instance()->isVisible());
        QStringList expected = before;
        expected[sourceBox - 1] = "52000";
        QCOMPARE(Texts(), expected);
        QCOMPARE(process::TakeHomeFactor, factorBefore);
        QCOMPARE(TextColour(sourceBox), turnsBlue || sourceBox == 1 ? kBlueText : kRedText);
    }

    void nonNumericSourceTurnsBlueAndShowsTheError() {
        Convert(2, "abc");
        QVERIFY(ErrorDialog::Instance() != nullptr);
        QCOMPARE(TextColour(2), kBlueText);
        QCOMPARE(Box(1)->text(), QString());
    }

    void enterAndEscapeRunNothing() {
        TypeInto(1, "52000");
        QTest::keyClick(Box(1), Qt::Key_Return);
        QTest::keyClick(Box(1), Qt::Key_Escape);
        QTest::keyClick(Tax()->lineEdit(), Qt::Key_Return);
        QTest::keyClick(Tax()->lineEdit(), Qt::Key_Escape);
        QCOMPARE(Box(2)->text(), QString());
        QCOMPARE(Tax()->count(), 16);  // Enter added nothing to the list
        QVERIFY(ErrorDialog::Instance() == nullptr);
    }

    // A written figure too long for its box shows its first characters, as
    // the Windows build's boxes do, while the typed source keeps its caret.
    void longFiguresShowTheirLeadingDigits_data() {
        QTest::addColumn<int>("box");
        QTest::newRow("Monthly") << 2;
        QTest::newRow("Second40") << 11;
    }
    void longFiguresShowTheirLeadingDigits() {
        QFETCH(int, box);
        const QString typed = "999999999999999999999";
        Convert(1, typed);
        QLineEdit* written = Box(box);
        const QFontMetrics metrics(written->font());
        QString lead = written->text();
        QVERIFY2(metrics.horizontalAdvance(lead) > written->width(), qPrintable(lead));
        while (metrics.horizontalAdvance(lead) > written->width() / 2) {
            lead.chop(1);
        }
        // The same box holding only those first characters, which fit.
        QLineEdit reference(lead, written->parentWidget());
        reference.setFont(written->font());
        reference.setPalette(written->palette());
        reference.resize(written->size());
        const QRect start(0, 0, metrics.horizontalAdvance(lead), written->height());
        QCOMPARE(written->grab().toImage().copy(start), reference.grab().toImage().copy(start));
        QCOMPARE(Box(1)->cursorPosition(), typed.size());
    }

    // Whatever is typed or pasted into a figure box or the tax entry: no
    // crash, no hang, and either a clean failure or the right figure.

    void figureBoxTakesAnythingCleanly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("monthly");  // empty: the run fails
        QTest::newRow("a megabyte of digits") << QString(kMegabyte, '1') << "";
        QTest::newRow("a megabyte of blanks around a figure")
            << QString(kMegabyte / 2, ' ') + "52000" + QString(kMegabyte / 2, ' ') << "4333.33";
        QTest::newRow("a megabyte of letters") << QString(kMegabyte, 'a') << "";
        QTest::newRow("control character") << QString("52\u0001000") << "";
        QTest::newRow("right-to-left mark") << QString("\u200F52000") << "";
        QTest::newRow("emoji") << QString("52000") + QString::fromUtf8("\xF0\x9F\x92\xB0") << "";
        QTest::newRow("lone surrogate") << (QString(QChar(0xD800)) + "52000") << "";
        QTest::newRow("embedded NUL") << (QString("52") + QChar(0) + "000") << "";
        QTest::newRow("tabs around") << QString("\t52000\t") << "4333.33";
        QTest::newRow("no-break spaces around") << QString("\u00A052000\u00A0") << "4333.33";
        QTest::newRow("full-width digits") << QString("\uFF15\uFF12") << "";
    }

    void figureBoxTakesAnythingCleanly() {
        QFETCH(QString, text);
        QFETCH(QString, monthly);
        Paste(Box(1), text);
        QCOMPARE(Box(1)->text().size(), text.size());  // kept whole, never cut
        Click("Command1");
        QCOMPARE(ErrorDialog::Instance() != nullptr, monthly.isEmpty());
        QCOMPARE(Box(2)->text(), monthly);
        QCOMPARE(Box(1)->text(), text);  // the source stays as typed
    }

    void taxEntryTakesAnythingCleanly_data() {
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("monthly");
        QTest::newRow("a megabyte of blanks around 20")
            << QString(kMegabyte / 2, ' ') + "20" + QString(kMegabyte / 2, ' ') << "3466.67";
        QTest::newRow("a megabyte of letters") << QString(kMegabyte, 'x') << "";
        QTest::newRow("embedded NUL") << (QString("2") + QChar(0) + "0") << "";
        QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x92\xB0") << "";
    }

    void taxEntryTakesAnythingCleanly() {
        QFETCH(QString, tax);
        QFETCH(QString, monthly);
        Box(1)->setText("52000");
        Paste(Tax()->lineEdit(), tax);
        QCOMPARE(Tax()->lineEdit()->text().size(), tax.size());
        Click("Command1");
        QCOMPARE(Box(2)->text(), monthly);
        QCOMPARE(ErrorDialog::Instance() != nullptr, monthly.isEmpty());
    }

    // The region's separators (CMake sets LC_ALL per run).

    void figuresUseTheRegionsSeparators() {
        const QByteArray lcAll = qgetenv("LC_ALL");
        const Region* region = std::ranges::find_if(
            kRegions, [&](const Region& r) { return lcAll == r.name + QByteArray(".UTF-8"); });
        QVERIFY2(region != std::end(kRegions), lcAll.constData());
        const QLocale system = QLocale::system();
        QCOMPARE(system.name(), QString(region->name));

        QLineEdit* annual = Box(1);
        // The worked examples' texts, written with the region's decimal mark.
        const auto local = [region](const std::string& text) {
            return QString::fromStdString(text).replace('.', region->decimal);
        };
        const QString monthly = local(Example("Annual52000").texts.at(Period::Monthly));

        // 52000 as the region groups it: "52,000", "52.000", "52 000", "52’000".
        const QString grouped = "52" + system.groupSeparator() + "000";
        // Typed as an input method would enter it: QTest types ASCII only.
        annual->setFocus();
        annual->insert(grouped);
        Click("Command1");
        QVERIFY(ErrorDialog::Instance() == nullptr);
        QCOMPARE(Box(2)->text(), monthly);
        QCOMPARE(Box(9)->text(), local(Example("Annual52000").texts.at(Period::Minute40)));
        QCOMPARE(annual->text(), grouped);

        // The same figure typed on a keyboard, where a plain space or an
        // apostrophe stands for the region's typographic separator.
        annual->clear();
        QTest::keyClicks(annual, region->typed);
        Click("Command1");
        QVERIFY2(ErrorDialog::Instance() == nullptr, region->typed);
        QCOMPARE(Box(2)->text(), monthly);

        Tax()->setEditText(local(Example("AnnualTax12Point5").tax));
        Click("Command1");
        QCOMPARE(Box(4)->text(), local(Example("AnnualTax12Point5").texts.at(Period::Weekly)));

        // A figure written with the other decimal separator is refused, not misread.
        annual->setText(region->decimal == ',' ? "4333.33" : "4333,33");
        Click("Command1");
        QVERIFY(ErrorDialog::Instance() != nullptr);
    }

    // The commands.

    void loadSetsTaxZeroAndFactorOne() {
        QCOMPARE(Tax()->currentText(), QString("0"));
        QCOMPARE(process::TakeHomeFactor, 1.0);
        QCOMPARE(Texts(), QStringList(12, QString()));
        QCOMPARE(TextColour(1), kBlueText);
    }

    void resetEmptiesBoxesAndKeepsColoursTaxAndFactor() {
        Tax()->setEditText("20");
        Convert(1, "52000");
        Click("Command7");
        QCOMPARE(Texts(), QStringList(12, QString()));
        QCOMPARE(Tax()->currentText(), QString("20"));
        QCOMPARE(process::TakeHomeFactor, 0.8);
        // Typed text keeps the colours of the last run.
        QTest::keyClicks(Box(1), "1");
        QTest::keyClicks(Box(2), "2");
        QCOMPARE(TextColour(1), kBlueText);
        QCOMPARE(TextColour(2), kRedText);
        // The next run still uses 20.
        Convert(1, "52000");
        QCOMPARE(Box(2)->text(), QString("3466.67"));
    }

    void resetOnEmptyBoxesChangesNothing() {
        Click("Command7");
        for (int i = 1; i <= 12; ++i) {
            QCOMPARE(Box(i)->text(), QString());
            QCOMPARE(TextColour(i),
                     i == 1 ? kBlueText : QApplication::palette().color(QPalette::Text));
        }
        QCOMPARE(Tax()->currentText(), QString("0"));
        QVERIFY(ErrorDialog::Instance() == nullptr);
    }

    // Print, as CMake runs it. With no print server (CUPS_SERVER names a
    // socket nobody listens on), the user is told and nothing changes. Against
    // the private one of tests/print/private_cups.sh, which names
    // WAGELYN_PRINT_OUT, one press gives exactly one one-page PDF that shows
    // the client area, its text in fonts.
    void printsOnePageOrTellsTheUserWhyNot() {
        const QString out = qEnvironmentVariable("WAGELYN_PRINT_OUT");
        for (const char* tool : {"pdfinfo", "pdftoppm", "pdfimages", "pdffonts"}) {
            if (!out.isEmpty() && QStandardPaths::findExecutable(tool).isEmpty()) {
                QSKIP(qPrintable(QStringLiteral("needs %1").arg(tool)));
            }
        }
        Convert(1, "52000");
        Box(1)->clearFocus();  // no text cursor in either picture
        // Clicking Print gives it the focus, and the focused button's frame,
        // before it prints: that much change is the click's.
        QPushButton* print = Button("Command15");
        print->setFocus(Qt::MouseFocusReason);
        const QImage screen = window_->centralWidget()->grab().toImage();
        const auto message = testing::AnswerNextMessage(this);
        if (out.isEmpty()) {
            QTest::mouseClick(print, Qt::LeftButton);
            QVERIFY2(message->text.contains("no default printer"), qPrintable(message->text));
            window_->activateWindow();  // as the window system does once the box is gone
            QTRY_COMPARE(window_->centralWidget()->grab().toImage(), screen);
            QCOMPARE(process::TakeHomeFactor, 1.0);
            QVERIFY(window_->isVisible());
            return;
        }
        waitedAndKeysLost_ = false;
        window_->installEventFilter(this);
        QTest::mouseClick(print, Qt::LeftButton);
        QVERIFY2(message->text.isEmpty(), qPrintable(message->text));
        QVERIFY2(waitedAndKeysLost_,
                 "the window takes no input, and the pointer waits, while the page is made");
        QVERIFY(window_->isEnabled());
        QCOMPARE(QApplication::focusWidget(), print);
        QCOMPARE(window_->centralWidget()->grab().toImage(), screen);  // the window is unchanged

        // The PDF is complete only once its job is.
        QTRY_VERIFY_WITH_TIMEOUT(!Run("lpstat", {"-W", "completed", "-o"}).trimmed().isEmpty(),
                                 30000);
        const QStringList pdfs = QDir(out).entryList({"*.pdf"}, QDir::Files);
        QCOMPARE(pdfs.size(), 1);
        const QString pdf = QDir(out).filePath(pdfs[0]);
        QVERIFY(Run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));

        QTemporaryDir temporary;
        const QString base = temporary.filePath("page");
        Run("pdftoppm", {"-r", "60", "-png", "-singlefile", pdf, base});
        const QImage page(base + ".png");
        QVERIFY(!page.isNull());
        const QString keep = qEnvironmentVariable("WAGELYN_KEEP_PRINTOUT");
        if (!keep.isEmpty()) {
            page.save(keep);
        }

        const QString wrong = testing::PrintoutProblem(page, screen);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        const QString raster = testing::VectorPageProblem(pdf);
        QVERIFY2(raster.isEmpty(), qPrintable(raster));
    }

    void aboutTwiceShowsOneDialog() {
        ChooseAbout();
        QPointer<AboutDialog> first = AboutDialog::Instance();
        QVERIFY(first);
        ChooseAbout();
        QCOMPARE(AboutDialog::Instance(), first.data());
        QVERIFY(first->isVisible());
        QVERIFY(window_->isEnabled());  // the main window stays usable
    }

    // The process ends when its event loop does, once no dialog is open: run
    // the real loop, with the user's actions scripted on timers.
    void quitEndsTheProcessOnceNoDialogIsOpen_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<QString>("dialog");  // open when the user quits
        QTest::newRow("Quit") << false << "";
        QTest::newRow("close box") << true << "";
        QTest::newRow("Quit, About dialog open") << false << "about";
        QTest::newRow("Quit, error dialog open") << false << "error";
    }

    void quitEndsTheProcessOnceNoDialogIsOpen() {
        QFETCH(bool, closeBox);
        QFETCH(QString, dialog);
        if (dialog == "about") {
            ChooseAbout();
        } else if (dialog == "error") {
            Convert(1, "abc");
        }
        QPointer<QWidget> open = dialog == "about" ? static_cast<QWidget*>(AboutDialog::Instance())
                                                   : ErrorDialog::Instance();
        QVERIFY(dialog.isEmpty() || (open && QTest::qWaitForWindowExposed(open)));

        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        bool aliveAfterQuit = dialog.isEmpty();
        QTimer::singleShot(0, this, [this, closeBox] {
            if (closeBox) {
                window_->close();
            } else {
                Click("Command14");
            }
        });
        if (open) {
            QTimer::singleShot(200, this, [&] {
                aliveAfterQuit = window_.isNull() && open && open->isVisible();
                if (open) {
                    open->close();
                }
            });
        }
        QVERIFY(!RunEventLoop());
        QVERIFY2(aliveAfterQuit, "the process ended with a dialog still open");
        QVERIFY(window_.isNull());
        QVERIFY(open.isNull());
        QCOMPARE(lastClosed.count(), 1);
    }
};

QTEST_MAIN(MainWindowSuite)
#include "main_window_test.moc"
