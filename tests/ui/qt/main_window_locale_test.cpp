// The real window under a region's settings (LC_ALL, set per test by CMake):
// figures are read and written with that region's separators.
#include <QLocale>

#include <algorithm>
#include <string>
#include <string_view>

#include "tests/support/worked_examples.h"
#include "window_fixture.h"

using namespace wagelyn;

namespace {

struct Region {
    const char* locale;  // as LC_ALL names it
    const char* name;    // as Qt reports it
    char decimal;        // the region's decimal mark
    const char* typed;   // 52000 grouped as people type it on a keyboard
};

const Region kRegions[] = {
    {"en_US.UTF-8", "en_US", '.', "52,000"},
    {"de_DE.UTF-8", "de_DE", ',', "52.000"},
    {"fr_FR.UTF-8", "fr_FR", ',', "52 000"},
    {"de_CH.UTF-8", "de_CH", '.', "52'000"},
};

const testing::WorkedExample& Example(std::string_view name) {
    const auto found =
        std::find_if(std::begin(testing::kWorkedExamples), std::end(testing::kWorkedExamples),
                     [name](const testing::WorkedExample& e) { return e.name == name; });
    if (found == std::end(testing::kWorkedExamples)) {
        qFatal("no worked example is named %s", std::string(name).c_str());
    }
    return *found;
}

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
        // The worked examples' texts, written with the region's decimal mark.
        const auto local = [region](const std::string& text) {
            return QString::fromStdString(text).replace('.', region->decimal);
        };
        const QString monthly = local(Example("Annual52000").texts.at(Period::Monthly));

        // 52000 as the region groups it: "52,000", "52.000", "52 000", "52’000".
        const QString grouped = "52" + system.groupSeparator() + "000";
        // Typed as an input method would enter it: QTest types ASCII only.
        annual->setFocus();
        annual->insert(grouped);
        Click("Command1");
        QVERIFY(ErrorDialog::Instance() == nullptr);
        QCOMPARE(Box(2)->text(), monthly);
        QCOMPARE(Box(9)->text(), local(Example("Annual52000").texts.at(Period::Minute40)));
        QCOMPARE(annual->text(), grouped);

        // The same figure typed on a keyboard, where a plain space or an
        // apostrophe stands for the region's typographic separator.
        annual->clear();
        QTest::keyClicks(annual, region->typed);
        Click("Command1");
        QVERIFY2(ErrorDialog::Instance() == nullptr, region->typed);
        QCOMPARE(Box(2)->text(), monthly);

        Tax()->setEditText(local(Example("AnnualTax12Point5").tax));
        Click("Command1");
        QCOMPARE(Box(4)->text(), local(Example("AnnualTax12Point5").texts.at(Period::Weekly)));

        // A figure written with the other decimal separator is refused, not misread.
        annual->setText(region->decimal == ',' ? "4333.33" : "4333,33");
        Click("Command1");
        QVERIFY(ErrorDialog::Instance() != nullptr);
    }
};

QTEST_MAIN(MainWindowLocaleTest)
#include "main_window_locale_test.moc"
