"""Presses keys at Wagelyn's windows as a keyboard user does: real key
events from the accessibility registry (XTEST on X) with the focus on a
button, and reads what they did through AT-SPI."""
import sys
import time

import pyatspi

from atspi_client import application, wait_for

RETURN, ENTER, ESCAPE = 0xFF0D, 0xFF8D, 0xFF1B  # keypad Enter
BUTTON, TEXT = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT
ERROR, ABOUT = "Error Message", "About Wagelyn"


def window(title=None):  # the main window when no title is given
    app = application()
    return next((w for w in app
                 if (w.name == title if title else w.getRole() == pyatspi.ROLE_FRAME)), None)


def find(root, role, name=None):
    return pyatspi.findDescendant(root, lambda a: a.getRole() == role and (
        a.name == name if name else a.getState().contains(pyatspi.STATE_FOCUSED)))


def text(box):
    t = find(window(), TEXT, box).queryText()
    return t.getText(0, t.characterCount)


def fill(box, figure):
    return lambda: find(window(), TEXT, box).queryEditableText().setTextContents(figure)


def fail_a_run():
    fill("Monthly", "")()
    find(window(), BUTTON, "Monthly").queryAction().doAction(0)


def open_about():
    find(window(), pyatspi.ROLE_MENU_ITEM, "About the program").queryAction().doAction(0)


def stays_open(title):  # the key must do nothing: the window is still open a second later
    return lambda: time.sleep(1) or window(title) is not None


def closes(title):
    return lambda: wait_for(lambda: window(title) is None)


# window, set-up, button given the focus (None: the one focused on opening),
# key, what follows (never true before the key).
ROWS = [
    (None, fill("Annual Salary", "52000"), "Annual Salary", RETURN,
     lambda: wait_for(lambda: text("Monthly") == "4333.33")),
    (None, fill("Bi Weekly", "1000"), "Bi Weekly", ENTER,
     lambda: wait_for(lambda: text("Annual Salary") == "26000")),
    (None, lambda: None, "Reset Clear All Value", RETURN,
     lambda: wait_for(lambda: text("Bi Weekly") == "")),
    (ERROR, fail_a_run, None, RETURN, closes(ERROR)),
    (ERROR, fail_a_run, None, ENTER, closes(ERROR)),
    (ERROR, fail_a_run, "Cancel", RETURN, closes(ERROR)),
    (ERROR, fail_a_run, None, ESCAPE, stays_open(ERROR)),
    (ERROR, lambda: None, "OK", RETURN, closes(ERROR)),
    (ABOUT, open_about, None, RETURN, closes(ABOUT)),
    (ABOUT, open_about, None, ESCAPE, closes(ABOUT)),
]

if not wait_for(window, 20):
    sys.exit("FAIL the program never appeared on the accessibility bus")
failures = 0
for title, prepare, button, key, follows in ROWS:
    what = (f"{ {RETURN: 'Return', ENTER: 'keypad Enter', ESCAPE: 'Escape'}[key]} on "
            f"{button or 'the first focus'} in {title or 'the main window'}")
    prepare()
    shown = wait_for(lambda: window(title))
    if shown and button:
        shown.queryComponent().grabFocus()
        find(shown, BUTTON, button).queryComponent().grabFocus()
    target = shown and wait_for(
        lambda: (b := find(shown, BUTTON)) and (not button or b.name == button) and b)
    if not target:
        ok = False
        what += ": the button never had the focus"
    else:
        pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)
        ok = bool(follows())
    print(("ok   " if ok else "FAIL ") + what)
    failures += not ok
print(f"{failures} failed" if failures else "all keys pressed their buttons")
sys.exit(1 if failures else 0)
