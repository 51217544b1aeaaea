"""Works Wagelyn's window through AT-SPI alone, as a screen reader user
would: finds the figure boxes and buttons by their accessible names, types
an annual salary and presses its button, reads the eleven net figures;
meets the error dialog and closes it; opens and closes the About dialog."""
import re

import pyatspi

from atspi_client import (ABOUT, BUTTON, DIALOGS, ERROR, TEXT, check, fail_a_run, find, finish,
                          main_window, open_about, output, press, set_text, text_of, top_level,
                          wait_for)

# Each box by its name: its button's caption as screen readers should say
# it, without stray full stops and dashes.
EXPECTED = {
    "Monthly": "4333.33", "Bi Weekly": "2000", "Weekly": "1000",
    "Hourly, 40 hr": "25", "Hourly, 35 hr": "28.57",
    "Daily, 40 hr": "200", "Daily, 35 hr": "199.99",
    "Minute, 40 hr": "0.4167", "Minute, 35 hr": "0.4762",
    "Second, 40 hr": "0.0069", "Second, 35 hr": "0.0079",
}
ROLES = {ERROR: DIALOGS, ABOUT: (pyatspi.ROLE_DIALOG,)}


def x_window(title):
    """The mapped X window of that title, as the task bar meets it."""
    tree = output("xwininfo", "-root", "-tree")
    return next((wid for wid in re.findall(r'(0x[0-9a-f]+) "' + re.escape(title) + '"', tree)
                 if "IsViewable" in output("xwininfo", "-id", wid)), None)


def in_taskbar(title):
    """Whether a task bar lists the window: an ordinary window, transient
    for none, not asking to be skipped."""
    wid = x_window(title)
    if wid is None:
        return None
    props = output("xprop", "-id", wid, "_NET_WM_WINDOW_TYPE", "WM_TRANSIENT_FOR", "_NET_WM_STATE")
    kind = re.search(r"_NET_WM_WINDOW_TYPE\(ATOM\) = (\w+)", props)
    return ((kind is None or kind.group(1) == "_NET_WM_WINDOW_TYPE_NORMAL")
            and "WM_TRANSIENT_FOR(WINDOW)" not in props
            and "_NET_WM_STATE_SKIP_TASKBAR" not in props)


main = main_window()
if not check("the main window is a frame", main is not None):
    finish()

annual = find(main, TEXT, "Annual Salary")
check("the Annual box is found by its name", annual is not None)
set_text(annual, "52000")
press(find(main, BUTTON, "Annual Salary"))
for name, figure in EXPECTED.items():
    box = find(main, TEXT, name)
    got = wait_for(lambda: text_of(box) == figure and figure) if box else None
    check(f"{name} reads {figure}", bool(got), f"read {text_of(box) if box else 'no box'!r}")

for title, opens in ((ERROR, fail_a_run), (ABOUT, open_about)):
    opens(main)
    dialog = wait_for(lambda: top_level(ROLES[title], title))
    if not check(f"{title} opens as a dialog", dialog is not None):
        continue
    if title == ERROR:
        message = find(dialog, pyatspi.ROLE_LABEL)
        check("its message is readable",
              message is not None and message.name.startswith("You Have entered either invalid value"))
    press(find(dialog, BUTTON, "OK"))
    check(f"OK closes {title}", wait_for(lambda: top_level(ROLES[title], title) is None))

# Quit with both dialogs open: they keep the program, and enter the task bar.
fail_a_run(main)
open_about(main)
for title, roles in ROLES.items():
    wait_for(lambda: top_level(roles, title) and x_window(title))
    check(f"{title} is out of the task bar beside the main window", in_taskbar(title) is False)
press(find(main, BUTTON, "Quit"))
for title, roles in ROLES.items():
    check(f"{title} enters the task bar once the main window has closed",
          wait_for(lambda: in_taskbar(title), 5) is True)
    dialog = wait_for(lambda: top_level(roles, title))
    if dialog is not None:
        press(find(dialog, BUTTON, "OK"))
finish()
