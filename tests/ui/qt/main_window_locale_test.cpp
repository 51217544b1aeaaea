// The real window under a region's settings (LC_ALL, set per test by CMake):
// figures are read and written with that region's separators.
#include <QLocale>

#include "window_fixture.h"

using namespace wagelyn;

namespace {

struct Region {
    const char* locale;   // as LC_ALL names it
    const char* name;     // as Qt reports it
    const char* tax;      // 12.5 %, as the region writes it
    const char* monthly;  // Annual 52000, tax 0
    const char* weekly;   // Annual 52000, tax 12.5
    const char* minute;   // Annual 52000, tax 0: Minute40
    const char* typed;    // 52000 grouped as people type it on a keyboard
};

// clang-format off
const Region kRegions[] = {
    {"en_US.UTF-8", "en_US", "12.5", "4333.33", "875", "0.4167", "52,000"},
    {"de_DE.UTF-8", "de_DE", "12,5", "4333,33", "875", "0,4167", "52.000"},
    {"fr_FR.UTF-8", "fr_FR", "12,5", "4333,33", "875", "0,4167", "52 000"},
    {"de_CH.UTF-8", "de_CH", "12.5", "4333.33", "875", "0.4167", "52'000"},
};
// clang-format on

}  // namespace

class MainWindowLocaleTest : public testing::MainWindowTest {
    Q_OBJECT

private slots:
    void figuresUseTheRegionsSeparators() {
        const QByteArray lcAll = qgetenv("LC_ALL");
        const Region* region = nullptr;
        for (const Region& r : kRegions) {
            if (lcAll == r.locale) {
                region = &r;
            }
        }
        QVERIFY2(region, lcAll.constData());
        const QLocale system = QLocale::system();
        QCOMPARE(system.name(), QString(region->name));

        QLineEdit* annual = Box(1);

        // 52000 as the region groups it: "52,000", "52.000", "52 000", "52’000".
        const QString grouped = "52" + system.groupSeparator() + "000";
        // Typed as an input method would enter it: QTest types ASCII only.
        annual->setFocus();
        annual->insert(grouped);
        Click("Command1");
        QVERIFY(ErrorDialog::Instance() == nullptr);
        QCOMPARE(Box(2)->text(), QString(region->monthly));
        QCOMPARE(Box(9)->text(), QString(region->minute));
        QCOMPARE(annual->text(), grouped);

        // The same figure typed on a keyboard, where a plain space or an
        // apostrophe stands for the region's typographic separator.
        annual->clear();
        QTest::keyClicks(annual, region->typed);
        Click("Command1");
        QVERIFY2(ErrorDialog::Instance() == nullptr, region->typed);
        QCOMPARE(Box(2)->text(), QString(region->monthly));

        Tax()->setEditText(region->tax);
        Click("Command1");
        QCOMPARE(Box(4)->text(), QString(region->weekly));

        // A figure written with the other decimal separator is refused, not misread.
        annual->setText(QString(region->monthly).contains(',') ? "4333.33" : "4333,33");
        Click("Command1");
        QVERIFY(ErrorDialog::Instance() != nullptr);
    }
};

QTEST_MAIN(MainWindowLocaleTest)
#include "main_window_locale_test.moc"
