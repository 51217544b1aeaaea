// Print against a real print server (tests/print/private_cups.sh): one press
// gives exactly one one-page PDF that shows the main window's client area,
// its text in fonts.
#include "tests/print/printout.h"
#include "window_fixture.h"

using namespace wagelyn;

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What a user meets who types while the page is made: whether the pointer
// waited and the keys were lost, seen the moment the window gives up input.
class TypingWhilePrinting : public QObject {
public:
    TypingWhilePrinting(QWidget& window, QLineEdit& box) : box_(box) {
        window.installEventFilter(this);
    }
    bool seen = false;
    bool waited = false;
    bool keysLost = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange &&
            !static_cast<QWidget*>(watched)->isEnabled()) {
            seen = true;
            const QCursor* cursor = QApplication::overrideCursor();
            waited = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
            const QString before = box_.text();
            QTest::keyClicks(&box_, "9");
            keysLost = box_.text() == before;
        }
        return false;
    }

private:
    QLineEdit& box_;
};

}  // namespace

class MainWindowPrintTest : public testing::MainWindowTest {
    Q_OBJECT

private slots:
    void printsOnePageShowingTheWindow() {
        const QString out = qEnvironmentVariable("WAGELYN_PRINT_OUT");
        if (out.isEmpty()) {
            QSKIP("needs the private print server of tests/print/private_cups.sh");
        }
        for (const char* tool : {"pdfinfo", "pdftoppm", "pdfimages", "pdffonts"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty()) {
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

        const auto problem = testing::AnswerNextMessage(this);
        TypingWhilePrinting typing(*window_, *Box(1));
        QTest::mouseClick(print, Qt::LeftButton);
        QVERIFY2(problem->text.isEmpty(), qPrintable(problem->text));
        QVERIFY2(typing.seen && typing.waited && typing.keysLost,
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
        QImage page(base + ".png");
        QVERIFY(!page.isNull());
        page = page.convertToFormat(QImage::Format_RGB32);
        const QString keep = qEnvironmentVariable("WAGELYN_KEEP_PRINTOUT");
        if (!keep.isEmpty()) {
            page.save(keep);
        }

        const QString wrong = testing::PrintoutProblem(page, screen);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        const QString raster = testing::VectorPageProblem(pdf);
        QVERIFY2(raster.isEmpty(), qPrintable(raster));
    }
};

QTEST_MAIN(MainWindowPrintTest)
#include "main_window_print_test.moc"
