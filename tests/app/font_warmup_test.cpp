// The font warm-up: it must always be joined, and Qt must still find the
// installed faces through the configuration it loaded.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGuiApplication>

#include "app/font_warmup.h"

namespace {

TEST(FontConfigWarmUp, EndsCleanlyAndLeavesQtTheInstalledFaces) {
    {
        wagelyn::FontConfigWarmUp waitedTwice;
        waitedTwice.Wait();
        waitedTwice.Wait();
    }
    { wagelyn::FontConfigWarmUp neverWaited; }  // joins in its destructor

    // As in the program: Qt takes the loaded configuration over (and
    // releases it when the application ends).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    wagelyn::FontConfigWarmUp fonts;
    int argc = 1;
    char name[] = "font_warmup_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    fonts.Wait();
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        << "fonts-liberation is a build dependency";
}

}  // namespace
