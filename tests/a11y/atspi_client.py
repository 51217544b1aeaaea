"""What every screen-reader test client needs: the program's accessible
application, a patient look for something in its tree, and a running tally
of checks."""
import time

import pyatspi

failures = []


def check(what, ok):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def wait_for(find, seconds=15, pause=0.1):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            if found := find():
                return found
        except Exception:  # the tree changes while it is walked
            pass
        time.sleep(pause)
    return None


def application():
    """The program as AT-SPI lists it, or None."""
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "wagelyn"), None)
