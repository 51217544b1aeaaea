// The error dialog: its text, one shared instance, and how it closes.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "ui/dialogs/errshow.h"

using namespace wagelyn;

class ErrshowTest : public QObject {
    Q_OBJECT

private:
    static QPushButton* Button(const char* name) {
        return errshow::Instance()->findChild<QPushButton*>(name);
    }

private slots:
    void cleanup() { delete errshow::Instance(); }

    void showsTheExactMessageInBoldDarkGreen() {
        errshow::Show();
        errshow* dialog = errshow::Instance();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Error Message"));
        auto* label = dialog->findChild<QLabel*>("Label1");
        QCOMPARE(label->text(),
                 QString("You Have entered either invalid value or there is an error on your "
                         "system.  Please retry or restart Wagelyn program. "));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->geometry(), QRect(24, 24, 265, 81));
        QCOMPARE(Button("OKButton")->geometry(), QRect(312, 8, 81, 25));
        QCOMPARE(Button("CancelButton")->geometry(), QRect(312, 40, 81, 25));
        QCOMPARE(dialog->size(), QSize(406, 122));
        QCOMPARE(dialog->geometry().topLeft(), QPoint(184, 250));
        QVERIFY(dialog->windowFlags() & Qt::Tool);  // no task-bar entry
        QVERIFY(dialog->parentWidget() == nullptr);
        QVERIFY(!dialog->isModal());
        QVERIFY(!dialog->windowIcon().isNull());
    }

    void twoFailuresLeaveOneDialogInFront() {
        errshow::Show();
        QPointer<errshow> first = errshow::Instance();
        errshow::Show();
        QCOMPARE(errshow::Instance(), first.data());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return w->objectName() == "errshow"; }),
                 1);
    }

    void okCloseBoxAndCancelDestroyIt_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "OKButton";
        QTest::newRow("Cancel") << "CancelButton";
        QTest::newRow("close box") << "";
    }

    void okCloseBoxAndCancelDestroyIt() {
        QFETCH(QString, how);
        errshow::Show();
        QPointer<errshow> dialog = errshow::Instance();
        if (how.isEmpty()) {
            dialog->close();
        } else {
            QTest::mouseClick(Button(how.toLatin1()), Qt::LeftButton);
        }
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(errshow::Instance() == nullptr);
        // The next show builds it afresh.
        errshow::Show();
        QVERIFY(errshow::Instance() != nullptr);
    }

    void escapeDoesNotCloseIt() {
        errshow::Show();
        QVERIFY(QTest::qWaitForWindowExposed(errshow::Instance()));
        QTest::keyClick(errshow::Instance(), Qt::Key_Escape);
        QTest::keyClick(Button("OKButton"), Qt::Key_Escape);
        QVERIFY(errshow::Instance() != nullptr);
        QVERIFY(errshow::Instance()->isVisible());
    }

    void focusStartsOnOk() {
        errshow::Show();
        QVERIFY(QTest::qWaitForWindowActive(errshow::Instance()));
        QCOMPARE(QApplication::focusWidget(), Button("OKButton"));
    }
};

QTEST_MAIN(ErrshowTest)
#include "errshow_test.moc"
