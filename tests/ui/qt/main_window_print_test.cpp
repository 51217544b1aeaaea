// Print against a real print server (tests/print/private_cups.sh): one press
// gives exactly one one-page PDF that shows the main window's client area.
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/process_factor.h"
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

// Mean difference of two images of the same size, 0 (same) to 1.
double Difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue());
        }
    }
    return sum / (3.0 * 255.0 * a.width() * a.height());
}

bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
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
        MainWindow window;
        window.Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* annual = window.findChild<QLineEdit*>("Text1");
        QTest::keyClicks(annual, "52000");
        QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        annual->clearFocus();  // no text cursor in either picture
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

        // Where the window stands on the page: the bounds of what is not white.
        QRect drawn;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (page.pixelColor(x, y) != Qt::white) {
                    drawn |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY(!drawn.isEmpty());
        const double aspect = double(drawn.width()) / drawn.height();
        QVERIFY2(std::abs(aspect - 595.0 / 537.0) < 0.03, qPrintable(QString::number(aspect)));
        QVERIFY(drawn.width() > page.width() / 2);  // scaled up to fit the page

        // Light-blue background left of the frame, the pale-cyan title band.
        auto at = [&](int x, int y) {
            return page.pixelColor(drawn.left() + x * drawn.width() / 595,
                                   drawn.top() + y * drawn.height() / 537);
        };
        QVERIFY(Near(at(3, 300), QColor(128, 128, 255)));
        QVERIFY(Near(at(200, 22), QColor(192, 255, 255)));
        QVERIFY(Near(at(591, 300), QColor(128, 128, 255)));

        // The colour keys print in their colours: some ink in each is clearly
        // blue, and clearly red.
        const auto hasInk = [&](QRect keyOnScreen, auto isInk) {
            for (int y = keyOnScreen.top(); y <= keyOnScreen.bottom(); ++y) {
                for (int x = keyOnScreen.left(); x <= keyOnScreen.right(); ++x) {
                    if (isInk(at(x, y))) {
                        return true;
                    }
                }
            }
            return false;
        };
        QVERIFY(hasInk(QRect(16, 496, 273, 25), [](const QColor& c) {
            return c.blue() > 160 && c.red() < 120 && c.green() < 120;
        }));
        QVERIFY(hasInk(QRect(296, 496, 289, 25), [](const QColor& c) {
            return c.red() > 160 && c.blue() < 120 && c.green() < 120;
        }));

        // And as a whole it is the window on the screen.
        const QImage printed =
            page.copy(drawn).scaled(119, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage shown = screen.convertToFormat(QImage::Format_RGB32)
                                 .scaled(119, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference = Difference(printed, shown);
        QVERIFY2(difference < 0.05, qPrintable(QString::number(difference)));
    }
};

QTEST_MAIN(MainWindowPrintTest)
#include "main_window_print_test.moc"
