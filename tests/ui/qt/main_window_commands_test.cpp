// Start-up, reset, print without a printer, the About command, and how long
// the process lives: through the real widgets.
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>

#include "window_fixture.h"

using namespace wagelyn;
using testing::kBlueText;
using testing::kRedText;

class MainWindowCommandsTest : public testing::MainWindowTest {
    Q_OBJECT

private:
    void ChooseAbout() const {
        QAction* about = window_->findChild<QAction*>("About");
        QVERIFY(about);
        about->trigger();
    }

private slots:
    void loadSetsTaxZeroAndFactorOne() {
        QCOMPARE(Tax()->currentText(), QString("0"));
        QCOMPARE(process::TakeHomeFactor, 1.0);
        QCOMPARE(Texts(), QStringList(12, QString()));
        QCOMPARE(TextColour(1), kBlueText);
    }

    void resetEmptiesBoxesAndKeepsColoursTaxAndFactor() {
        Tax()->setEditText("20");
        TypeInto(1, "52000");
        Click("Command1");
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
        TypeInto(1, "52000");
        Click("Command1");
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

    void printWithoutAPrinterTellsTheUserAndChangesNothing() {
        // CUPS_SERVER points at a socket nobody listens on (see CMake).
        TypeInto(1, "52000");
        Click("Command1");
        // The click gives Print the focus (and the focused button's frame)
        // before Print runs: that much of the change is the click's.
        window_->findChild<QPushButton*>("Command15")->setFocus(Qt::MouseFocusReason);
        const QImage before = window_->centralWidget()->grab().toImage();
        const auto message = testing::AnswerNextMessage(this);
        Click("Command15");
        QVERIFY2(message->text.contains("no default printer"), qPrintable(message->text));
        window_->activateWindow();  // as the window system does once the box is gone
        QTRY_COMPARE(window_->centralWidget()->grab().toImage(), before);
        QCOMPARE(process::TakeHomeFactor, 1.0);
        QVERIFY(window_->isVisible());
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
            TypeInto(1, "abc");
            Click("Command1");
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

private:
    // Runs the application's event loop until it quits by itself; true when a
    // safety timeout had to stop it instead.
    bool RunEventLoop() {
        bool timedOut = false;
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, qApp, [&timedOut] {
            timedOut = true;
            QCoreApplication::quit();
        });
        safety.start(10000);
        QApplication::exec();
        return timedOut;
    }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "main_window_commands_test.moc"
