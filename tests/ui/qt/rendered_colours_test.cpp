// The colours a person sees, read off the rendered windows: the main window
// after a conversion, the error dialog and the About dialog. WAGELYN_SCHEME
// names the colour scheme the test's environment sets up:
//   light        the usual light scheme: every colour exactly as designed;
//   dark-runtime a dark palette given to the running program, as Plasma does;
//   qt6ct, gtk3  a dark scheme from that platform theme, from the start.
// Under a dark scheme every text and line keeps a contrast of at least
// min(4.5, its contrast in the light design), and fixed colours stay.

#include "window_fixture.h"

using namespace wagelyn;
using testing::ContrastRatio;
using testing::kBlueText;
using testing::kRedText;

namespace {

const QColor kSystem;  // invalid: the control leaves this colour to the system
const QColor kBlack(0, 0, 0);
const QColor kFormBlue(128, 128, 255);

// A control of a form (or a named region of the form's face) as rendered:
// its design colours, the system roles that stand in where the design names
// none, and whether it is a text field.
struct Seen {
    const char* tag;
    const char* form;  // "main", "error" or "about"
    const char* name;
    QColor text;
    QColor background;
    QPalette::ColorRole textRole;
    QPalette::ColorRole backgroundRole;
    bool field = false;
    QRect region = {};  // empty: the whole control
};

// Each window as shown, the main one after a conversion.
using R = QPalette;
const Seen kSeen[] = {
    {"title band", "main", "Label2", kSystem, QColor(192, 255, 255), R::ButtonText, R::Button},
    {"tax prompt", "main", "Label3", kSystem, kFormBlue, R::ButtonText, R::Button},
    {"column note", "main", "Label1", kSystem, kSystem, R::ButtonText, R::Button},
    {"blue key", "main", "Label4", kBlueText, kSystem, R::ButtonText, R::Button},
    {"red key", "main", "Label5", kRedText, kSystem, R::ButtonText, R::Button},
    {"source figure", "main", "Text1", kBlueText, kSystem, R::Text, R::Base, true},
    {"net figure left", "main", "Text2", kRedText, kSystem, R::Text, R::Base, true},
    {"net figure right", "main", "Text12", kRedText, kSystem, R::Text, R::Base, true},
    // The top edge of the frame, three pixels at y 119..121, with the form's
    // face above and below it.
    {"frame line", "main", "Pay1Client", kSystem, kFormBlue, R::WindowText, R::Window, false,
     QRect(200, 112, 200, 17)},
    {"message", "error", "Label1", QColor(0, 128, 0), kSystem, R::WindowText, R::Window},
    {"title", "about", "lblTitle", kBlack, kSystem, R::WindowText, R::Window},
    {"version", "about", "lblVersion", kSystem, kSystem, R::WindowText, R::Window},
    {"description", "about", "lblDescription", kBlack, kSystem, R::WindowText, R::Window},
    {"credit", "about", "lblDisclaimer", kBlack, kSystem, R::WindowText, R::Window},
    {"notice", "about", "Label1", kSystem, kSystem, R::WindowText, R::Window},
};

QString Scheme() {
    return qEnvironmentVariable("WAGELYN_SCHEME", QStringLiteral("light"));
}

// Text is antialiased: where strokes are thinner than a pixel, the inkiest
// pixel may miss the text colour by a shade.
bool NearlyEqual(const QColor& a, const QColor& b) {
    constexpr int kShade = 8;
    return std::abs(a.red() - b.red()) <= kShade && std::abs(a.green() - b.green()) <= kShade &&
           std::abs(a.blue() - b.blue()) <= kShade;
}

bool IsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

// A dark palette as a desktop hands it to running programs.
QPalette DarkPalette() {
    QPalette dark;
    const QColor face(49, 54, 59), text(239, 240, 241), field(35, 38, 41);
    dark.setColor(QPalette::Window, face);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Button, face);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Base, field);
    dark.setColor(QPalette::Text, text);
    return dark;
}

}  // namespace

class RenderedColoursTest : public QObject {
    Q_OBJECT

private:
    // Checks the row's control in the rendered `window`.
    static void CheckRow(QWidget* window, const Seen& row) {
        const QString name = row.name;
        QWidget* control =
            window->objectName() == name ? window : window->findChild<QWidget*>(name);
        QVERIFY2(control, row.name);
        const QImage image = testing::Grab(control);
        const QRect region =
            row.region.isEmpty() ? control->rect().adjusted(3, 3, -3, -3) : row.region;
        const QColor fill = testing::FillColour(image, region);
        const QColor ink = testing::InkColour(image, region, fill);

        if (qEnvironmentVariableIsSet("WAGELYN_REPORT_CONTRAST")) {
            qInfo("contrast %s %s %s on %s %.2f", qPrintable(Scheme()), QTest::currentDataTag(),
                  qPrintable(ink.name()), qPrintable(fill.name()), ContrastRatio(ink, fill));
        }
        const QPalette system = QApplication::palette(control);
        if (!IsDark(system)) {
            // The light design, exactly.
            QCOMPARE(fill,
                     row.background.isValid() ? row.background : system.color(row.backgroundRole));
            const QColor designed = row.text.isValid() ? row.text : system.color(row.textRole);
            QVERIFY2(NearlyEqual(ink, designed),
                     qPrintable(name + ": ink " + ink.name() + " for " + designed.name()));
            return;
        }
        // Fixed colours stay; the rest keeps the light design's legibility.
        if (row.text.isValid()) {
            QVERIFY2(NearlyEqual(ink, row.text), qPrintable(name + ": ink " + ink.name()));
        }
        if (row.background.isValid()) {
            QCOMPARE(fill, row.background);
        }
        const QColor lightText = row.text.isValid() ? row.text : kBlack;
        const QColor lightFill = row.background.isValid()
                                     ? row.background
                                     : (row.field ? QColor(255, 255, 255) : QColor(239, 239, 239));
        const double wanted = std::min(4.5, ContrastRatio(lightText, lightFill));
        const double shown = ContrastRatio(ink, fill);
        QVERIFY2(shown >= wanted - 0.05,
                 qPrintable(QString::asprintf("%s: %.2f:1 where %.2f:1 is wanted", qPrintable(name),
                                              shown, wanted)));
    }

private slots:
    void initTestCase() {
        const QString missing = testing::MissingLook();
        if (!missing.isEmpty()) {
            QSKIP(qPrintable(missing));
        }
        // Light at the start, unless a platform theme's dark scheme is set up.
        const bool dark = Scheme() == QLatin1String("qt6ct") || Scheme() == QLatin1String("gtk3");
        QVERIFY2(IsDark(QApplication::palette()) == dark,
                 qPrintable("the " + Scheme() + " scheme's palette at the start"));
    }

    void contrastRatiosMatchWcag_data() {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("red on white") << kRedText << QColor(Qt::white) << 4.0;
        QTest::newRow("blue on white") << kBlueText << QColor(Qt::white) << 8.59;
        QTest::newRow("black on the form") << kBlack << kFormBlue << 6.45;
        QTest::newRow("white on the form") << QColor(Qt::white) << kFormBlue << 3.26;
        QTest::newRow("black on white") << kBlack << QColor(Qt::white) << 21.0;
    }

    void contrastRatiosMatchWcag() {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY(std::abs(ContrastRatio(a, b) - ratio) < 0.01);
        QCOMPARE(ContrastRatio(b, a), ContrastRatio(a, b));
    }

    void coloursAsSeen_data() {
        QTest::addColumn<Seen>("row");
        for (const Seen& row : kSeen) {
            QTest::newRow(row.tag) << row;
        }
    }

    void coloursAsSeen() {
        QFETCH(Seen, row);
        const std::unique_ptr<QWidget> window = testing::OpenForm(row.form);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (row.form == std::string_view("main")) {
            testing::FigureBox(window.get(), 1)->setText("52000");
            QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        }
        // The scheme that is switched on while the program runs.
        if (Scheme() == QLatin1String("dark-runtime")) {
            QApplication::setPalette(DarkPalette());
            QCoreApplication::sendPostedEvents();
        }
        // Saved for a person to look at where WAGELYN_GRAB_DIR names a folder.
        const QString grabs = qEnvironmentVariable("WAGELYN_GRAB_DIR");
        if (!grabs.isEmpty()) {
            window->grab().save(
                QDir(grabs).filePath(Scheme() + '-' + window->objectName() + ".png"));
        }
        CheckRow(window.get(), row);
    }

    void cleanup() { QApplication::setPalette(QPalette()); }
};

QTEST_MAIN(RenderedColoursTest)
#include "rendered_colours_test.moc"
