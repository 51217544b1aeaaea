"""What every screen-reader test client shares: the program's accessible
application, windows and dialogs, a patient look for something in its tree,
the processes a client starts, and a tally of named checks."""
import atexit
import contextlib
import os
import subprocess
import sys
import time

import pyatspi

BUTTON, TEXT, FRAME = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_FRAME
DIALOGS = (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
ERROR, ABOUT = "Error Message", "About Wagelyn"
results = []
processes = []


def check(what, ok, detail=None):  # tallied; returns whether it passed
    print(("ok   " if ok else "FAIL ") + what + ("" if ok or detail is None else f"; {detail}"))
    results.append(bool(ok))
    return results[-1]


def finish():
    print(f"{results.count(True)} passed, {results.count(False)} failed")
    sys.exit(0 if all(results) else 1)


def skip(why):
    print(f"{why}; skipped", file=sys.stderr)
    sys.exit(77)


def wait_for(find, seconds=15, pause=0.1):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        with contextlib.suppress(Exception):  # the tree changes while it is walked
            if found := find():
                return found
        time.sleep(pause)
    return None


def application():
    """The program as AT-SPI lists it, or None."""
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "wagelyn"), None)


def main_window():  # the client ends if the program never shows on the bus
    if wait_for(application, 20) is None:
        sys.exit("FAIL the program never appeared on the accessibility bus")
    return wait_for(lambda: top_level((FRAME,)))


def top_level(roles=None, name=None):
    """The program's first window of one of `roles` (any) named `name` (any)."""
    app = application()
    return next((w for w in app if w and (roles is None or w.getRole() in roles)
                 and (name is None or w.name == name)), None) if app else None


def find(root, role, name=None, focused=False):
    return pyatspi.findDescendant(root, lambda a: a.getRole() == role and (
        name is None or a.name == name) and (
        not focused or a.getState().contains(pyatspi.STATE_FOCUSED)))


def press(accessible):
    accessible.queryAction().doAction(0)


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def set_text(accessible, text):
    accessible.queryEditableText().setTextContents(text)


def fail_a_run(main, T=str):  # an empty Monthly box, then its button, named as `T` says
    set_text(find(main, TEXT, T("Monthly")), "")
    press(find(main, BUTTON, T("Monthly")))


def open_about(main, T=str):
    press(find(main, pyatspi.ROLE_MENU_ITEM, T("About the program")))


def output(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def without_locale(**variables):  # this environment without its locale, with `variables`
    environment = {k: v for k, v in os.environ.items() if not k.startswith(("LC_", "LANG"))}
    return dict(environment, **variables)


def start(command, env, log):
    """`command` in the background, its output in `log`; stopped at exit."""
    with open(log, "ab") as out:
        processes.append(subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                                          stdout=out, stderr=subprocess.STDOUT))
    return processes[-1]


def stop(process):
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


@atexit.register
def stop_all():
    for process in reversed(processes):
        stop(process)
