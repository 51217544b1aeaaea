// The font warm-up: its loader runs on a second thread and has finished
// whenever the warm-up is waited for or ends; Qt then still finds the
// installed faces through the configuration the real loader read.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <atomic>
#include <chrono>
#include <thread>

#include "ui/qt/font_warmup.h"

namespace {

std::atomic<std::thread::id> loadedOn;  // none until the load ends
std::thread::id mainThread;

// Slow enough that a warm-up that did not wait would be seen.
void SlowLoader() {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    loadedOn = std::this_thread::get_id();
}

TEST(FontConfigWarmUp, LoadsOnASecondThreadAndIsAlwaysWaitedFor) {
    mainThread = std::this_thread::get_id();
    for (const bool waitExplicitly : {true, false}) {
        loadedOn = std::thread::id();
        {
            wagelyn::FontConfigWarmUp warmUp(&SlowLoader);
            if (waitExplicitly) {
                warmUp.Wait();
                EXPECT_NE(loadedOn.load(), std::thread::id())
                    << "Wait returned before the load ended";
                warmUp.Wait();  // a second wait is harmless
            }
        }
        EXPECT_NE(loadedOn.load(), std::thread::id()) << "the warm-up ended before the load";
        EXPECT_NE(loadedOn.load(), mainThread);
    }
}

TEST(FontConfigWarmUp, LeavesQtTheInstalledFaces) {
    // As in the program: Qt takes the loaded configuration over (and
    // releases it when the application ends).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    wagelyn::FontConfigWarmUp fonts;
    int argc = 1;
    char name[] = "font_warmup_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    fonts.Wait();
    if (!QFile::exists(
            QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"))) {
        GTEST_SKIP() << "fonts-liberation is not installed";
    }
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("Liberation Sans")));
}

}  // namespace
