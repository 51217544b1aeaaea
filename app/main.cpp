// Start-up: build the main window, run its load handler, show it with the
// focus in the Annual box. Everything after that answers user events.
#include <QApplication>

#include "app/application.h"
#include "app/font_warmup.h"
#include "ui/main/main_window.h"

int main(int argc, char* argv[]) {
    wagelyn::FontConfigWarmUp fonts;  // alongside connecting to the display
    QApplication app(argc, argv);
    wagelyn::ConfigureApplication(app);
    fonts.Wait();

    auto* window = new wagelyn::MainWindow;  // deletes itself when closed
    window->Load();
    window->show();
    window->FocusAnnual();
    return QApplication::exec();
}
