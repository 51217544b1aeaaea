// "&System Info..." on this system: a system-information program found on
// PATH starts detached, or the user reads that none is available.
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "window_fixture.h"

using namespace wagelyn;

class AboutDialogSysInfoTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir bin_;
    QByteArray savedPath_;

private slots:
    void initTestCase() {
        QApplication::setApplicationName("Wagelyn");
        QVERIFY(bin_.isValid());
        savedPath_ = qgetenv("PATH");
        // Only the test's own folder: no real tool of this machine is found.
        qputenv("PATH", bin_.path().toUtf8());
    }
    void cleanupTestCase() { qputenv("PATH", savedPath_); }
    void cleanup() {
        qDeleteAll(findChildren<QTimer*>());
        delete AboutDialog::Instance();
        QFile::remove(bin_.filePath("hardinfo"));
    }

    void withNoToolTheUserIsTold() {
        QPointer<AboutDialog> dialog = testing::ShowActive<AboutDialog>();
        QVERIFY(dialog);
        auto seen = testing::AnswerNextMessage(this);
        // Alt+S is the button's access key.
        QCOMPARE(dialog->findChild<QPushButton*>("cmdSysInfo")->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_S));
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
        // dialog must not wait for it. It keeps no output of the test's open
        // and ends with the test's folder, whatever becomes of the test.
        tool.write(
            QStringLiteral("#!/bin/sh\n"
                           "exec >/dev/null 2>&1 </dev/null\n"
                           "echo \"$#\" > '%1/started'\n"
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

        QPointer<AboutDialog> dialog = testing::ShowActive<AboutDialog>();
        QVERIFY(dialog);
        auto seen = testing::AnswerNextMessage(this);
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
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

        QFile release(dir.filePath("release"));
        QVERIFY(release.open(QIODevice::WriteOnly));
        release.close();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("finished")), 10000);
    }
};

QTEST_MAIN(AboutDialogSysInfoTest)
#include "about_dialog_sysinfo_test.moc"
