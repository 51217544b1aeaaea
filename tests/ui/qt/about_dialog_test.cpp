// The About dialog: its texts, one shared instance, when its load handler
// runs, and the keys that close it.
#include "app/version.h"
#include "ui/qt/application.h"
#include "window_fixture.h"

using namespace wagelyn;
using testing::ShowActive;

class AboutDialogTest : public QObject {
    Q_OBJECT

private:
    static QLabel* Label(const char* name) {
        return AboutDialog::Instance()->findChild<QLabel*>(name);
    }
    static QPushButton* Button(const char* name) {
        return AboutDialog::Instance()->findChild<QPushButton*>(name);
    }

private slots:
    void initTestCase() {
        QApplication::setApplicationName("Wagelyn");
        QApplication::setApplicationVersion("1.0.0");
    }
    void cleanup() { delete AboutDialog::Instance(); }

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
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
