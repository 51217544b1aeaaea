// The main window through its real widgets: type, pick a tax, click, read
// the texts and colours back.
#include "tests/support/worked_examples.h"
#include "window_fixture.h"

using namespace wagelyn;
using testing::kBlueText;
using testing::kRedText;

class MainWindowBehaviourTest : public testing::MainWindowTest {
    Q_OBJECT

private slots:
    void periodButtonsWriteTheWorkedExamples_data() {
        QTest::addColumn<int>("sourceBox");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QStringList>("expected");  // Text1 .. Text12; null: not given
        for (const testing::WorkedExample& example : testing::kWorkedExamples) {
            const int source = static_cast<int>(IndexOf(example.source)) + 1;
            QStringList expected(12, QString());
            expected[source - 1] = QString::fromStdString(example.figure);  // kept as typed
            for (const auto& [period, text] : example.texts) {
                expected[static_cast<int>(IndexOf(period))] = QString::fromStdString(text);
            }
            QTest::newRow(example.name) << source << QString::fromStdString(example.figure)
                                        << QString::fromStdString(example.tax) << expected;
        }
    }

    void periodButtonsWriteTheWorkedExamples() {
        QFETCH(int, sourceBox);
        QFETCH(QString, figure);
        QFETCH(QString, tax);
        QFETCH(QStringList, expected);
        TypeTax(tax);
        TypeInto(sourceBox, figure);
        Click(testing::PeriodButton(sourceBox));
        for (int i = 1; i <= 12; ++i) {
            if (!expected[i - 1].isNull()) {
                QCOMPARE(Box(i)->text(), expected[i - 1]);
            }
            QCOMPARE(TextColour(i), i == sourceBox ? kBlueText : kRedText);
        }
        QVERIFY(ErrorDialog::Instance() == nullptr);
    }

    void pickingATaxFromTheListIsUsed() {
        Tax()->setCurrentIndex(Tax()->findText("20"));
        TypeInto(1, "52000");
        Click("Command1");
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
        TypeInto(1, "52000");
        Click("Command1");
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
        TypeInto(1, "52000");
        Click("Command1");
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
        TypeInto(2, "abc");
        Click("Command2");
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
        TypeInto(1, typed);
        Click("Command1");
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
};

QTEST_MAIN(MainWindowBehaviourTest)
#include "main_window_behaviour_test.moc"
