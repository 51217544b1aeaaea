// Print against a real print server (tests/print/private_cups.sh): one press
// gives exactly one one-page PDF that shows the main window's client area,
// its text in fonts.
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/process_factor.h"
#include "tests/print/printout.h"
#include "ui/qt/main_window.h"

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

}  // namespace

class MainWindowPrintTest : public QObject {
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
        MainWindow window;
        window.Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* annual = window.findChild<QLineEdit*>("Text1");
        QTest::keyClicks(annual, "52000");
        QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        annual->clearFocus();  // no text cursor in either picture
        // Clicking Print gives it the focus, and the focused button's frame,
        // before it prints: that much change is the click's.
        window.findChild<QPushButton*>("Command15")->setFocus(Qt::MouseFocusReason);
        const QImage screen = window.centralWidget()->grab().toImage();

        QString problem;
        QTimer::singleShot(0, this, [&problem] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                problem = box->text();
                box->accept();
            }
        });
        QTest::mouseClick(window.findChild<QPushButton*>("Command15"), Qt::LeftButton);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(window.centralWidget()->grab().toImage(), screen);  // the window is unchanged

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
