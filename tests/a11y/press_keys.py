"""Presses keys at Wagelyn's windows as a keyboard user does: real key
events from the accessibility registry (XTEST on X) with the focus on a
button, and reads what they did through AT-SPI."""
import time

import pyatspi

from atspi_client import (ABOUT, BUTTON, ERROR, FRAME, TEXT, check, fail_a_run, find, finish,
                          main_window, open_about, set_text, text_of, top_level, wait_for)

KEYS = {0xFF0D: "Return", 0xFF8D: "keypad Enter", 0xFF1B: "Escape"}
RETURN, ENTER, ESCAPE = KEYS


def window(title=None):  # the main window when no title is given
    return top_level(None, title) if title else top_level((FRAME,))


def fill(box, figure):  # a set-up: the main window's box holds the figure
    return lambda main: set_text(find(main, TEXT, box), figure)


def reads(box, figure):
    return lambda: wait_for(lambda: text_of(find(window(), TEXT, box)) == figure)


def stays_open(title):  # the key must do nothing: the window is still open a second later
    return lambda: time.sleep(1) or window(title) is not None


def closes(title):
    return lambda: wait_for(lambda: window(title) is None)


# window, set-up given the main window, button given the focus (None: the
# one focused on opening), key, what follows (never true before the key).
ROWS = [
    (None, fill("Annual Salary", "52000"), "Annual Salary", RETURN, reads("Monthly", "4333.33")),
    (None, fill("Bi Weekly", "1000"), "Bi Weekly", ENTER, reads("Annual Salary", "26000")),
    (None, lambda _: None, "Reset Clear All Value", RETURN, reads("Bi Weekly", "")),
    (ERROR, fail_a_run, None, RETURN, closes(ERROR)),
    (ERROR, fail_a_run, None, ENTER, closes(ERROR)),
    (ERROR, fail_a_run, "Cancel", RETURN, closes(ERROR)),
    (ERROR, fail_a_run, None, ESCAPE, stays_open(ERROR)),
    (ERROR, lambda _: None, "OK", RETURN, closes(ERROR)),
    (ABOUT, open_about, None, RETURN, closes(ABOUT)),
    (ABOUT, open_about, None, ESCAPE, closes(ABOUT)),
]

main_window()
for title, prepare, button, key, follows in ROWS:
    what = f"{KEYS[key]} on {button or 'the first focus'} in {title or 'the main window'}"
    prepare(window())
    shown = wait_for(lambda: window(title))
    if shown and button:
        shown.queryComponent().grabFocus()
        find(shown, BUTTON, button).queryComponent().grabFocus()
    target = shown and wait_for(
        lambda: (b := find(shown, BUTTON, focused=True)) and (not button or b.name == button) and b)
    if target:
        pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)
    check(what + ("" if target else ": the button never had the focus"), target and follows())
finish()
