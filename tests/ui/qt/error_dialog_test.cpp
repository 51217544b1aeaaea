// The error dialog: its text, one shared instance, and how it closes.
#include "window_fixture.h"

using namespace wagelyn;

class ErrorDialogTest : public QObject {
    Q_OBJECT

private:
    static QPushButton* Button(const char* name) {
        return ErrorDialog::Instance()->findChild<QPushButton*>(name);
    }

private slots:
    void cleanup() { delete ErrorDialog::Instance(); }

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
        ErrorDialog::Show();
        QPointer<ErrorDialog> first = ErrorDialog::Instance();
        ErrorDialog::Show();
        QCOMPARE(ErrorDialog::Instance(), first.data());
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
        ErrorDialog::Show();
        QPointer<ErrorDialog> dialog = ErrorDialog::Instance();
        if (how.isEmpty()) {
            dialog->close();
        } else {
            QTest::mouseClick(Button(how.toLatin1()), Qt::LeftButton);
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
        QTest::keyClick(Button("OKButton"), Qt::Key_Escape);
        QVERIFY(ErrorDialog::Instance() != nullptr);
        QVERIFY(ErrorDialog::Instance()->isVisible());
    }

    void focusStartsOnOk() {
        QVERIFY(testing::ShowActive<ErrorDialog>());
        QCOMPARE(QApplication::focusWidget(), Button("OKButton"));
    }
};

QTEST_MAIN(ErrorDialogTest)
#include "error_dialog_test.moc"
