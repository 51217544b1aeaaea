// Whatever is typed or pasted into a figure box or the tax entry: no crash,
// no hang, and either a clean failure or the right figure.
#include <QClipboard>

#include "window_fixture.h"

using namespace wagelyn;

constexpr int kMegabyte = 1 << 20;

class MainWindowHostileInputTest : public testing::MainWindowTest {
    Q_OBJECT

private:
    // As the user would: through the clipboard, into the focused field.
    static void Paste(QLineEdit* field, const QString& text) {
        field->clear();
        QApplication::clipboard()->setText(text);
        field->setFocus();
        field->paste();
        if (field->text() != text) {  // a platform without a clipboard
            field->setText(text);
        }
    }

private slots:
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
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "52000"
                                        << "";
        QTest::newRow("embedded NUL") << QString("52") + QChar(0) + "000"
                                      << "";
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
        if (monthly.isEmpty()) {
            QVERIFY(ErrorDialog::Instance() != nullptr);
            QCOMPARE(Box(2)->text(), QString());
        } else {
            QVERIFY(ErrorDialog::Instance() == nullptr);
            QCOMPARE(Box(2)->text(), monthly);
        }
        QCOMPARE(Box(1)->text(), text);  // the source stays as typed
    }

    void taxEntryTakesAnythingCleanly_data() {
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("monthly");
        QTest::newRow("a megabyte of blanks around 20")
            << QString(kMegabyte / 2, ' ') + "20" + QString(kMegabyte / 2, ' ') << "3466.67";
        QTest::newRow("a megabyte of letters") << QString(kMegabyte, 'x') << "";
        QTest::newRow("embedded NUL") << QString("2") + QChar(0) + "0"
                                      << "";
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
};

QTEST_MAIN(MainWindowHostileInputTest)
#include "main_window_hostile_input_test.moc"
