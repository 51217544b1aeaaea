// "planted": only uses what loads libraries at run time (a screen reader's
// request, Print, About, System Info) and quits: run_wagelyn.sh checks that
// none was taken from beside the program.
#include "tests/ui/win32/driver.h"

namespace wagelyn::drive {

void Planted(const Run& run) {
    // The readers' libraries.
    CheckHeard("at start", run.main, main_form::Form(), &ControlDef::foreground);
    PressPrint(run);  // whatever it says: what it loads counts
    CheckAboutAndSystemInfo(run);
    Click(MainControl(run.main, "Command14"));
    CloseDialog(run.program.Window(about_form::Caption(kApplicationTitle), 2000),
                about_form::Form());
    Check(run.program.Ended(10000), "the process ends with its last window");
}

}  // namespace wagelyn::drive
