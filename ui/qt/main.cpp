// Start-up: choose the user's language, build the main window, run its load
// handler, show it with the focus in the Annual box. Everything after that
// answers user events.
#include <QApplication>

#include "ui/qt/application.h"
#include "ui/qt/font_warmup.h"
#include "ui/qt/main_window.h"
#include "ui/qt/user_language.h"

int main(int argc, char* argv[]) {
    wagelyn::FontConfigWarmUp fonts;  // alongside connecting to the display
    QApplication app(argc, argv);
    wagelyn::ConfigureApplication(app);
    wagelyn::UseUserLanguage(app);
    fonts.Wait();

    auto* window = new wagelyn::MainWindow;  // deletes itself when closed
    window->Load();
    window->show();
    // The keyboard goes to the new window: a window manager grants this
    // request of a program just started, and without one (a bare X server,
    // a kiosk) nothing else would give the window the keyboard at all.
    window->activateWindow();
    window->FocusAnnual();
    return QApplication::exec();
}
