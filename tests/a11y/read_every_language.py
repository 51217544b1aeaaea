"""Starts Wagelyn in English and in every language it has a catalogue for,
and reads its three windows and the unavailable message through AT-SPI, as a
screen reader does: every caption, button, label and accessible name and
description must be the catalogue's translation of what English shows, and a
conversion must write figures the way the region, not the language, says.
The catalogues are the build's own compiled ones (WAGELYN_CATALOGUES), so a
new language is read without a change here."""
import gettext
import glob
import os
import re
from collections import Counter

import pyatspi

from atspi_client import (BUTTON, DIALOGS, FRAME, TEXT, application, check, fail_a_run, find,
                          finish, open_about, output, press, set_text, start, stop, text_of,
                          top_level, wait_for, without_locale)
from qt_catalogue import QtTranslation

# AT-SPI names the push button role "push button"; newer versions, "button".
BUTTON_ROLES = ("push button", "button")


def labels_of(element):
    return " ".join(target.name for relation in element.getRelationSet()
                    if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                    for target in (relation.getTarget(i) for i in range(relation.getNTargets())))


def texts_of(window):
    """What a screen reader can say of a window: its title, then each
    element's role, name, description and the label that labels it."""
    said = Counter({("title", window.name, "", ""): 1})
    for element in pyatspi.findAllDescendants(window, lambda a: a.name or a.description):
        said[(element.getRoleName(), element.name, element.description, labels_of(element))] += 1
    return said


def spoken(text):
    """A caption as the program names a control by it for screen readers:
    no brackets, slashes, dashes or word-ending full stops."""
    text = re.sub(r"[()\[\]]", "", text).replace("/", " ")
    text = re.sub(r"(?<=[^\W\d_])\.(?= |$)", "", text)
    text = re.sub(r" +- ", ", ", text)
    return re.sub(r"(?<=[^\W\d_])-(?=[^\W\d_])", " ", text)


class Words:
    """A catalogue's translation of what English shows: a text as it
    stands, a button's text whose access-key "&" Qt leaves out of its name,
    or a text made from a "%s" form."""

    def __init__(self, mo=None):
        messages = gettext.GNUTranslations(open(mo, "rb"))._catalog if mo else {}
        self.exact = {k: v for k, v in messages.items() if k}
        self.exact.update({k.replace("&", ""): v.replace("&", "") for k, v in self.exact.items()})
        self.captions = set(self.exact)
        for k, v in list(self.exact.items()):  # a caption as a name
            self.exact.setdefault(spoken(k), v)
        self.forms = [(re.compile("^" + re.escape(k).replace("%s", "(.*)") + "$"), v)
                      for k, v in self.exact.items() if "%s" in k]

    def __call__(self, english):
        if english in self.exact:
            return self.exact[english]
        for form, translation in self.forms:
            if match := form.match(english):
                for argument in match.groups():
                    translation = translation.replace("%s", argument, 1)
                return translation
        return english

    def said(self, english_said):
        """What the translated windows say: labels, and buttons named by
        their own captions, show the translation as it stands; names the
        program gives and descriptions are said as spoken."""
        def translated(role, name, description, labels):
            own = role == "label" or (role in BUTTON_ROLES and name in self.captions)
            name = self(name) if own else spoken(self(name))
            return role, name, spoken(self(description)), self(labels)
        return Counter({translated(*key): n for key, n in english_said.items()})


def dialog(roles=DIALOGS):  # the dialog that opens, and what it says
    shown = wait_for(lambda: top_level(roles))
    return shown, texts_of(shown) if shown else Counter()


def read_windows(T):
    """Works the windows in the language `T` translates into; returns what
    each window and the unavailable message say, and the Monthly figure of
    a conversion."""
    frame = wait_for(lambda: top_level((FRAME,)))
    if frame is None:
        return None
    said = {"main": texts_of(frame), "message": Counter()}
    set_text(find(frame, TEXT, T("Annual Salary")), "52000")
    press(find(frame, BUTTON, T("Annual Salary")))
    said["figure"] = wait_for(lambda: text_of(find(frame, TEXT, T("Monthly"))))

    fail_a_run(frame, T)
    error, said["error"] = dialog()
    if error:
        press(find(error, BUTTON, T("OK")))
        wait_for(lambda: top_level(DIALOGS) is None)

    open_about(frame, T)
    about, said["about"] = dialog()
    if about:
        press(find(about, BUTTON, T("System Info...")))
        said["message"] = dialog((pyatspi.ROLE_ALERT,))[1]
    return said


catalogues = sorted(glob.glob(os.path.join(os.environ["WAGELYN_CATALOGUES"], "*.mo")))
check("the build has catalogues to read", bool(catalogues))
by_language = {os.path.basename(mo)[:-3]: Words(mo) for mo in catalogues}
# Where this Qt looks for its own translations, as the program asks it.
qt_folder = output(os.environ["WAGELYN_QTPATHS"], "--query", "QT_INSTALL_TRANSLATIONS").strip()

# Each row: the locale variables, the language whose words must show, and
# how a figure of 4333.33 must read.
rows = [({"LC_ALL": "C.UTF-8"}, "", "4333.33")]
rows += [({"LANGUAGE": language, "LANG": "en_US.UTF-8"}, language, "4333.33")
         for language in by_language]
rows += [({"LANGUAGE": "en", "LC_ALL": "de_DE.UTF-8"}, "", "4333,33"),
         ({"LANG": "de_DE.UTF-8"}, "de", "4333,33"),
         ({"LC_MESSAGES": "de_DE.UTF-8", "LC_NUMERIC": "en_US.UTF-8"}, "de", "4333.33")]

# No system-information tool on the program's PATH, in the session's own
# folder (run_a11y_test.sh removes it).
no_tools = os.path.join(os.environ["XDG_RUNTIME_DIR"], "no-tools")
os.makedirs(no_tools, exist_ok=True)
base = without_locale(PATH=no_tools)
# run_a11y_test.sh shows the program's log when a check fails.
log = os.path.join(os.environ["XDG_RUNTIME_DIR"], "program.log")
english_said = None
for variables, language, figure in rows:
    where = " ".join(f"{k}={v}" for k, v in variables.items())
    words = by_language.get(language) or Words()  # no language: English
    process = start([os.environ["WAGELYN_PROGRAM"]], {**base, **variables}, log)
    said = read_windows(words)
    stop(process)
    wait_for(lambda: application() is None)
    if not check(f"{where}: the main window appears", said is not None):
        if english_said is None:
            break  # nothing to translate from
        continue
    if english_said is None:  # the first row: the design's English
        english_said = said
        check(f"{where}: every window and the message are read",
              all(said[w] for w in ("main", "error", "about", "message")))
    for window in ("main", "error", "about", "message"):
        want = words.said(english_said[window])
        got = said[window]
        if window == "message":  # its buttons are Qt's own: Qt's translations say them
            qt = QtTranslation(qt_folder, language) if language else None
            want = Counter({(r, qt("QPlatformTheme", n) if qt and r in BUTTON_ROLES else n, d, l): c
                            for (r, n, d, l), c in want.items()})
        check(f"{where}: the {window} window reads in {language or 'English'}", got == want,
              f"missing {dict(want - got)}, unexpected {dict(got - want)}")
    if language:
        changed = sum(1 for (_, n, *_) in english_said["main"] if words(n) != n)
        check(f"{where}: the catalogue changes the main window's words ({changed})", changed > 10)
    check(f"{where}: Monthly reads {figure} (read {said['figure']!r})", said["figure"] == figure)

finish()
