"""Runs the Orca screen reader headless against Wagelyn, in English and in
German, presses real keys (xdotool) as a blind user does, and checks what
Orca says, read from the utterances it writes to its debug log: each figure
heard whole when its box takes the focus, a period button's result, the error
message once, the menu reached by F10, the About dialog's version line, and
no bracket, slash, dash or dot noise in names. Exit 77 (skipped) without Orca
and its helpers, or while another Orca of this user runs past a minute."""
import os
import re
import shutil
import subprocess
import time
from pathlib import Path

from atspi_client import (TEXT, application, check, find, finish, output, skip, start, stop,
                          text_of, wait_for, without_locale)

# Speech Dispatcher says these aloud at Orca's default punctuation level
# ("most"); a full stop only where it neither ends a sentence nor stands in a
# number.
NOISE = re.compile(r"[()\[\]{}/\\|_~^*#@&<>=+]|(?<![\d\s])-|-(?![\d\s])| - |\.(?=[^\s\d])")
# An utterance in Orca's log runs to the last quote before the next entry.
ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ", re.M)
SAID = re.compile(r"SPEECH OUTPUT: '(.*)' ?(?:\{.*\}|None)?\s*$", re.S)

# What each language's user hears: the figures as the region writes them.
LANGUAGES = {
    "en": dict(LANG="C.UTF-8", monthly="4333.33", second="0.0079", selected="selected",
               computed="Figures computed", error="You Have entered", menu="Help.",
               about="About the program.", version="Version 1.0.0"),
    "de": dict(LANG="de_DE.UTF-8", monthly="4333,33", second="0,0079", selected="ausgewählt",
               computed="Zahlen berechnet", error="Sie haben einen", menu="Hilfe.",
               about="Über das Programm.", version="Version 1.0.0"),
}


def heard_whole(figure):
    """The box that takes the focus is heard with its whole figure, from the
    selection and with the focus, and with nothing shorter."""
    def check(said, words):
        figures = [m.group(1) for s in said
                   if (m := re.fullmatch(rf"(\S+) {words['selected']}\.", s))]
        return figures == [words[figure] if figure in words else figure]
    return check


def heard(key, times=None):  # in any number of utterances, or in exactly `times`
    def check(said, words):
        count = sum(words[key] in s for s in said)
        return count == times if times else count > 0
    return check


def box_kept(figure):  # read over AT-SPI: the box still holds the figure alone
    return lambda said, words: text_of(find(application(), TEXT, focused=True)) == words[figure]


# Keys pressed, in order, and what Orca must say after them. Tab order from
# the Annual box: Monthly, Bi-Weekly, Weekly, then the Annual button; back
# from the Annual box: Print, Quit, then the last per-second box. Alt+H may
# open the menu by Qt's Alt navigation: Escape twice closes it again.
STEPS = [
    ("type 52000", None, None),
    ("Tab Tab Tab Tab", None, None),
    ("space", "the period button's result", heard("computed")),
    ("shift+Tab shift+Tab", None, None),
    ("shift+Tab", "4333.33 whole", heard_whole("monthly")),
    ("shift+Tab", "52000 whole", heard_whole("52000")),
    ("shift+Tab shift+Tab shift+Tab", "0.0079 whole", heard_whole("second")),
    ("alt+h Escape Escape", "Alt+H typing nothing", box_kept("second")),
    ("type abc", None, None),
    ("shift+Tab space", "the error message once", heard("error", times=1)),
    ("Return", None, None),
    ("F10", "F10 opening the menu", heard("menu")),
    ("Down", "its item", heard("about")),
    ("Return", "the About version line", heard("version")),
    ("Escape", None, None),
]
# Steps whose utterances are design texts read out (dialogs opening): names
# and descriptions everywhere else must carry no punctuation noise.
READS_DIALOG = {"shift+Tab space", "Return"}


def no_orca_running():  # Orca refuses to start beside another of this user
    return not output("pgrep", "-x", "-u", str(os.getuid()), "orca")


class Orca:
    def __init__(self, home, language, lang):
        """Orca in a home of its own: it starts with its defaults, speech goes
        nowhere, and its log is written line by line."""
        os.makedirs(f"{home}/data/orca")
        Path(f"{home}/.libao").write_text("default_driver=null\n")
        speechd = shutil.copytree("/etc/speech-dispatcher", f"{home}/config/speech-dispatcher")
        with open(f"{speechd}/speechd.conf", "a") as conf:
            conf.write(f'\nAudioOutputMethod "libao"\nDefaultModule espeak-ng\nLogDir "{home}"\n')
        Path(f"{home}/data/orca/orca-customizations.py").write_text(
            "from orca import debug\n"
            "if debug.debugFile:\n"
            "    debug.debugFile.reconfigure(line_buffering=True)\n")
        self.env = without_locale(HOME=home, XDG_CONFIG_HOME=f"{home}/config",
                                  XDG_DATA_HOME=f"{home}/data", XDG_CACHE_HOME=f"{home}/cache",
                                  GSETTINGS_BACKEND="memory", LANGUAGE=language, LANG=lang)
        self.log = Path(home, "orca.log")
        # Speech Dispatcher stops on a locale the C library lacks.
        start(["speech-dispatcher", "--run-single", "--config-dir",
               f"{home}/config/speech-dispatcher", "--timeout", "0"],
              dict(self.env, LANG="C.UTF-8"), f"{home}/speechd.out")
        socket = f"{os.environ['XDG_RUNTIME_DIR']}/speech-dispatcher/speechd.sock"
        wait_for(lambda: os.path.exists(socket), 10)
        self.process = start(["orca", "--debug-file", self.log], self.env, f"{home}/orca.out")
        self.seen = 0

    def utterances(self):
        entries = ENTRY.split(self.log.read_text(errors="replace")) if self.log.exists() else []
        return [m.group(1) for e in entries if (m := SAID.match(e.split("\n\n")[0]))]

    def new(self, quiet=1.0, longest=10.0):
        """What Orca says from now until its log has been still for `quiet` s:
        after a period button it works through the run's events for a second
        or more before it speaks."""
        start_at = changed = time.monotonic()
        size = os.path.getsize(self.log)
        while time.monotonic() - changed < quiet and time.monotonic() - start_at < longest:
            time.sleep(0.1)
            if (now := os.path.getsize(self.log)) != size:
                size, changed = now, time.monotonic()
        said = self.utterances()
        new, self.seen = said[self.seen:], len(said)
        # Without the echo of each key ("tab ", "left shift ").
        return [s for s in new if s.strip() and not (s.endswith(" ") and len(s.split()) <= 2)]


def run(work, language, words):
    home = f"{work}/{language}"
    wait_for(no_orca_running, 10)
    orca = Orca(home, language, words["LANG"])
    if not check(f"{language}: Orca speaks", wait_for(orca.utterances, 30)):
        return
    orca.new()
    program = start([os.environ["WAGELYN_PROGRAM"]], orca.env, f"{home}/program.log")
    wait_for(lambda: len(orca.utterances()) > orca.seen, 30)  # the window appears
    said = orca.new(quiet=1.5, longest=15)
    print(f"[{language}] opening: {said}")
    check(f"{language}: the window is heard by its name alone",
          bool(said) and said[0].rstrip(".") == "Wagelyn frame", f"heard {said!r}")
    for keys, what, heard_right in STEPS:
        verb, presses = ("type", [keys[5:]]) if keys.startswith("type ") else ("key", keys.split())
        for press in presses:  # typed 60 ms a letter, a key every 0.2 s
            subprocess.run(["xdotool", verb, "--delay", "60", press], env=orca.env, check=True)
            time.sleep(0.2)
        said = orca.new()
        print(f"[{language}] {keys}: {said}")
        if heard_right:
            check(f"{language}: {what}", wait_for(lambda: heard_right(said, words), 1),
                  f"heard {said!r}")
        if keys not in READS_DIALOG:
            noisy = [s for s in said if NOISE.search(s)]
            check(f"{language}: {keys} heard without punctuation noise", not noisy,
                  f"heard {noisy!r}")
    stop(program)
    stop(orca.process)


for tool in ("orca", "openbox", "xdotool", "xprop", "speech-dispatcher"):
    if not shutil.which(tool):
        skip(f"{tool} is missing")
# Another test's Orca may be running: wait up to a minute for it to end.
if not wait_for(no_orca_running, 60):
    skip("another Orca of this user kept running")
work = os.environ["XDG_RUNTIME_DIR"]  # run_a11y_test.sh removes it
# Without a window manager the focus is lost once a dialog closes.
start(["openbox", "--sm-disable"], dict(os.environ, HOME=work), f"{work}/openbox.log")
wait_for(lambda: "window id" in output("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
for language, words in LANGUAGES.items():
    run(work, language, words)
finish()
