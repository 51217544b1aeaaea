// The two dialogs. The error dialog: its text, one shared instance, and how
// it closes. The About dialog: its texts, one shared instance, when its load
// handler runs, the keys that close it, and "&System Info..." on this
// system: a system-information program found on PATH starts detached, or the
// user reads that none is available.
#include "app/version.h"
#include "window_fixture.h"

using namespace wagelyn;
using testing::ShowActive;

class DialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir bin_;

    static QLabel* Label(const char* name) {
        return AboutDialog::Instance()->findChild<QLabel*>(name);
    }
    // The named button of the dialog that is open.
    template <class Dialog = AboutDialog>
    static QPushButton* Button(const char* name) {
        return Dialog::Instance()->template findChild<QPushButton*>(name);
    }

private slots:
    void initTestCase() {
        QApplication::setApplicationName("Wagelyn");
        QApplication::setApplicationVersion("1.0.0");
        QVERIFY(bin_.isValid());
        // Only the test's own folder: no real tool of this machine is found.
        qputenv("PATH", bin_.path().toUtf8());
    }
    void cleanup() {
        qDeleteAll(findChildren<QTimer*>());
        delete ErrorDialog::Instance();
        delete AboutDialog::Instance();
        QFile::remove(bin_.filePath("hardinfo"));
    }

    // The error dialog.

    void showsTheExactMessageInBold() {
        ErrorDialog::Show();
        ErrorDialog* dialog = ErrorDialog::Instance();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Error Message"));
        auto* label = dialog->findChild<QLabel*>("Label1");
        QCOMPARE(label->text(),
                 QString("You Have entered either invalid value or there is an error on your "
                         "system.  Please retry or restart Wagelyn program. "));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->geometry(), QRect(24, 24, 265, 81));
        QCOMPARE(Button<ErrorDialog>("OKButton")->geometry(), QRect(312, 8, 81, 25));
        QCOMPARE(Button<ErrorDialog>("CancelButton")->geometry(), QRect(312, 40, 81, 25));
        QCOMPARE(dialog->size(), QSize(406, 122));
        QCOMPARE(dialog->geometry().topLeft(), QPoint(184, 250));
        QVERIFY(dialog->windowFlags() & Qt::Tool);  // no task-bar entry
        QVERIFY(dialog->parentWidget() == nullptr);
        QVERIFY(!dialog->isModal());
        QVERIFY(!dialog->windowIcon().isNull());
    }

    void twoFailuresLeaveOneDialogInFront() {
        ErrorDialog::Show();
        QPointer<ErrorDialog> first = ErrorDialog::Instance();
        ErrorDialog::Show();
        QCOMPARE(ErrorDialog::Instance(), first.data());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::ranges::count(windows, QString("errshow"), &QObject::objectName), 1);
    }

    void okCloseBoxAndCancelDestroyIt_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "OKButton";
        QTest::newRow("Cancel") << "CancelButton";
        QTest::newRow("close box") << "";
    }

    void okCloseBoxAndCancelDestroyIt() {
        QFETCH(QString, how);
        ErrorDialog::Show();
        QPointer<ErrorDialog> dialog = ErrorDialog::Instance();
        if (how.isEmpty()) {
            dialog->close();
        } else {
            QTest::mouseClick(Button<ErrorDialog>(how.toLatin1()), Qt::LeftButton);
        }
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(ErrorDialog::Instance() == nullptr);
        // The next show builds it afresh.
        ErrorDialog::Show();
        QVERIFY(ErrorDialog::Instance() != nullptr);
    }

    void escapeDoesNotCloseIt() {
        ErrorDialog::Show();
        QVERIFY(QTest::qWaitForWindowExposed(ErrorDialog::Instance()));
        QTest::keyClick(ErrorDialog::Instance(), Qt::Key_Escape);
        QTest::keyClick(Button<ErrorDialog>("OKButton"), Qt::Key_Escape);
        QVERIFY(ErrorDialog::Instance() != nullptr);
        QVERIFY(ErrorDialog::Instance()->isVisible());
    }

    void focusStartsOnOk() {
        QVERIFY(ShowActive<ErrorDialog>());
        QCOMPARE(QApplication::focusWidget(), Button<ErrorDialog>("OKButton"));
    }

    // The About dialog.

    void loadFillsCaptionTitleAndVersion() {
        AboutDialog* dialog = ShowActive<AboutDialog>();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("About Wagelyn"));
        QCOMPARE(Label("lblTitle")->text(), QString("Wagelyn"));
        QCOMPARE(Label("lblVersion")->text(), QString("Version 1.0.0"));
        QCOMPARE(Label("lblDescription")->text(),
                 "-------Enter the salary you know, and you will find out if  how much you "
                 "will/are paid by monthly, biweekly, weekly and so on." +
                     QString(57, ' ') +
                     "-------Specify the est. tax % withheld from the government by either use "
                     "drop down bar to pick % or enter it yourself." +
                     QString(3, ' '));
        QVERIFY(!Label("picIcon")->pixmap().isNull());
        QCOMPARE(Label("picIcon")->geometry(), QRect(16, 16, 36, 36));
        QCOMPARE(Button("cmdOK")->geometry(), QRect(283, 175, 84, 23));
        QCOMPARE(Button("cmdSysInfo")->text(), QString("&System Info..."));
        QCOMPARE(dialog->size(), QSize(382, 341));
        QCOMPARE(dialog->geometry().topLeft(), QPoint(156, 129));
        QVERIFY(dialog->windowFlags() & Qt::Tool);
        QVERIFY(!dialog->isModal());
        QVERIFY(dialog->parentWidget() == nullptr);
        QVERIFY(Button("cmdOK")->isDefault());
        QCOMPARE(QApplication::focusWidget(), Button("cmdOK"));
    }

    void separatorIsEtched() {
        AboutDialog* dialog = ShowActive<AboutDialog>();
        const QImage client = dialog->grab().toImage();
        // Grey at y 163, white at 164 and 165, from x 7 across.
        QCOMPARE(client.pixelColor(200, 163), QColor(128, 128, 128));
        QCOMPARE(client.pixelColor(200, 164), QColor(255, 255, 255));
        QCOMPARE(client.pixelColor(200, 165), QColor(255, 255, 255));
        QVERIFY(client.pixelColor(200, 166) != QColor(255, 255, 255));
    }

    void versionComesFromTheApplicationObject() {
        ShowActive<AboutDialog>();
        QCOMPARE(Label("lblVersion")->text(), QString("Version ") + wagelyn::version::kText);
    }

    void loadRunsAgainOnlyAfterTheDialogClosed() {
        ShowActive<AboutDialog>();
        QPointer<AboutDialog> first = AboutDialog::Instance();
        Label("lblVersion")->setText("changed since load");
        AboutDialog::Show();
        QCOMPARE(AboutDialog::Instance(), first.data());
        QCOMPARE(Label("lblVersion")->text(), QString("changed since load"));
        QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(first.isNull());
        ShowActive<AboutDialog>();
        QCOMPARE(Label("lblVersion")->text(), QString("Version 1.0.0"));
    }

    void keysAndCloseBoxUnloadIt_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Escape on OK") << int(Qt::Key_Escape) << "cmdOK";
        QTest::newRow("Escape on System Info") << int(Qt::Key_Escape) << "cmdSysInfo";
        QTest::newRow("Enter on OK") << int(Qt::Key_Return) << "cmdOK";
        QTest::newRow("close box") << 0 << "cmdOK";
    }

    void keysAndCloseBoxUnloadIt() {
        QFETCH(int, key);
        QFETCH(QString, focus);
        QPointer<AboutDialog> dialog = ShowActive<AboutDialog>();
        QVERIFY(dialog);
        QPushButton* target = Button(focus.toLatin1());
        target->setFocus();
        if (key == 0) {
            dialog->close();
        } else {
            QTest::keyClick(target, Qt::Key(key));
        }
        QTRY_VERIFY(dialog.isNull());
    }

    void enterOnSystemInfoDoesNotClose() {
        QPointer<AboutDialog> dialog = ShowActive<AboutDialog>();
        Button("cmdSysInfo")->setFocus();
        bool pressed = false;
        connect(Button("cmdSysInfo"), &QPushButton::clicked, this, [&pressed] { pressed = true; });
        // Whatever the machine has, answer the message that may follow.
        testing::AnswerNextMessage(this);
        QTest::keyClick(Button("cmdSysInfo"), Qt::Key_Return);
        QVERIFY(pressed);
        QVERIFY(!dialog.isNull());
    }

    void withNoToolTheUserIsTold() {
        QPointer<AboutDialog> dialog = ShowActive<AboutDialog>();
        QVERIFY(dialog);
        auto seen = testing::AnswerNextMessage(this);
        // Alt+S is the button's access key.
        QCOMPARE(Button("cmdSysInfo")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
        // The access key presses the button as a click would, after a moment.
        QTest::keyClick(dialog->windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(seen->text, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(seen->title, QString("Wagelyn"));
        QCOMPARE(seen->icon, QMessageBox::NoIcon);
        QCOMPARE(seen->buttons, 1);
        QVERIFY(!dialog.isNull());
        QVERIFY(dialog->isVisible());
    }

    // The tool is found only in absolute PATH folders: never in the current
    // folder or one relative to it, where anyone could have put a "hardinfo".
    void aToolOnPathStartsDetached_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("started");
        QTest::newRow("absolute folder") << bin_.path() << true;
        QTest::newRow("current folder") << "." << false;
        QTest::newRow("relative folder") << "./" + QDir(bin_.path()).dirName() << false;
        QTest::newRow("relative without a dot") << QDir(bin_.path()).dirName() << false;
    }
    void aToolOnPathStartsDetached() {
        QFETCH(QString, path);
        QFETCH(bool, started);
        const QDir dir(bin_.path());
        QFile tool(dir.filePath("hardinfo"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        // Starts, then waits for the test's word before it finishes: the
        // dialog must not wait for it. "started" appears whole, written first
        // under another name. It keeps no output of the test's open
        // and ends with the test's folder, whatever becomes of the test.
        tool.write(
            QStringLiteral("#!/bin/sh\n"
                           "exec >/dev/null 2>&1 </dev/null\n"
                           "echo \"$#\" > '%1/arguments'\n"
                           "/bin/mv '%1/arguments' '%1/started'\n"
                           "while [ ! -e '%1/release' ] && [ -d '%1' ]; do /bin/sleep 0.05; done\n"
                           "echo done > '%1/finished'\n")
                .arg(dir.path())
                .toUtf8());
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString savedFolder = QDir::currentPath();
        QDir::setCurrent(path == "." ? dir.path() : dir.filePath(".."));
        qputenv("PATH", path.toUtf8());
        const auto restore = qScopeGuard([&] {
            QDir::setCurrent(savedFolder);
            qputenv("PATH", bin_.path().toUtf8());
            for (const char* name : {"started", "release", "finished"}) {
                QFile::remove(dir.filePath(name));
            }
        });

        QPointer<AboutDialog> dialog = ShowActive<AboutDialog>();
        QVERIFY(dialog);
        auto seen = testing::AnswerNextMessage(this);
        QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        if (!started) {
            QTRY_COMPARE(seen->text, QString("System Information Is Unavailable At This Time"));
            QVERIFY(!QFile::exists(dir.filePath("started")));
            return;
        }
        QVERIFY2(seen->text.isEmpty(), qPrintable(seen->text));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("started")), 10000);
        QVERIFY(!QFile::exists(dir.filePath("finished")));  // still running: not waited for
        QFile startedFile(dir.filePath("started"));
        QVERIFY(startedFile.open(QIODevice::ReadOnly));
        QCOMPARE(startedFile.readAll().trimmed(), QByteArray("0"));  // no arguments

        QVERIFY(QFile(dir.filePath("release")).open(QIODevice::WriteOnly));  // closed at once
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("finished")), 10000);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
