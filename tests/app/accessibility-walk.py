#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The running reader as a screen reader finds it on the accessibility bus (pyatspi), driven by
the keyboard alone (xdotool). Started by desktop-accessibility, which has set up the desktop,
the buses, the sound server and the program:
    accessibility-walk.py --pid PID --app PROGRAM_FOLDER --work SCRATCH_FOLDER

Each window is walked: every control that is showing and focusable, and every showing push
button, must have a name (its own or a label's); a control the keyboard reaches must have a
role that says what it is, and the controls a screen reader relies on their proper roles; Tab
must go round each dialog. One summary line per window; exit status 1 when any window has an
unnamed control or a wrong role, each offender listed with its role, its path in the tree and
its description."""

import argparse
import array
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

MAIN_TITLE = "PARLOVA Text To Speech Reader"
MENUS = ["File", "Edit", "Search", "Playback", "Tools", "Help"]
OPTION_PAGES = ["General", "Conversion", "Prosody", "Interface", "Clipboard", "Alarm", "Reminders"]

# Roles that tell a screen reader nothing of what a control does: a control the keyboard
# reaches must not have one.
BLANK_ROLES = {
    pyatspi.ROLE_INVALID,
    pyatspi.ROLE_UNKNOWN,
    pyatspi.ROLE_FILLER,
    pyatspi.ROLE_PANEL,
    pyatspi.ROLE_REDUNDANT_OBJECT,
}
# The items of a list or a table: what they say is their content, an empty cell included.
ITEM_ROLES = {
    pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_TABLE_CELL,
    pyatspi.ROLE_TREE_ITEM,
}
WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT}
MENU_ROLES = (pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_MENU)


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(condition, seconds, what):
    """The first true value of condition(), polled for at most `seconds`; fails with `what`."""
    end = time.monotonic() + seconds
    while True:
        try:
            value = condition()
        except Exception:  # an object that went away while it was read: try again
            value = None
        if value:
            return value
        if time.monotonic() > end:
            fail(what() if callable(what) else what)
        time.sleep(0.1)


def keys(*names):
    """Key presses for the focused window, one at a time."""
    for k in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", k], check=True, timeout=10)
        time.sleep(0.15)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "8", text], check=True, timeout=60)


def visible_x_windows(pattern):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                       capture_output=True, text=True, timeout=10)
    return r.stdout.split()


# --- The tree ---------------------------------------------------------------------------------


def has(obj, state):
    try:
        return obj.getState().contains(state)
    except Exception:
        return False


def showing(obj):
    return has(obj, pyatspi.STATE_SHOWING)


def enabled(obj):
    return has(obj, pyatspi.STATE_ENABLED) or has(obj, pyatspi.STATE_SENSITIVE)


def children(obj):
    out = []
    for i in range(obj.childCount):
        c = obj.getChildAtIndex(i)
        if c is not None:
            out.append(c)
    return out


def role_name(role):
    return Atspi.role_get_name(role)


class TNode:
    """An object of the tree as one walk read it. `path` is where it is, as read (roles,
    indexes and names); `key` leaves the names out, so that a control whose name follows its
    content is the same control each time."""

    def __init__(self, obj, index, parent=None):
        self.obj = obj
        self.role = obj.getRole()
        self.name = (obj.name or "").strip()
        self.states = obj.getState()
        text = "%s[%d]" % (obj.getRoleName(), index)
        self.key = (parent.key + " > " if parent else "") + text
        if self.name:
            text += ' "%s"' % self.name
        self.path = (parent.path + " > " if parent else "") + text

    def has(self, state):
        return self.states.contains(state)

    def label(self):
        """What a screen reader says for it: its name, else the name of its label."""
        if self.name:
            return self.name
        try:
            for rel in self.obj.getRelationSet():
                if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                    for i in range(rel.getNTargets()):
                        target = rel.getTarget(i)
                        if target is not None and (target.name or "").strip():
                            return target.name.strip()
        except Exception:
            pass
        return ""

    def describe(self):
        out = '%s at %s (description "%s"' % (role_name(self.role), self.path,
                                               self.obj.description or "")
        try:
            ident = self.obj.get_accessible_id() or ""
        except Exception:
            ident = ""
        if ident:
            out += ', id "%s"' % ident
        return out + ")"


def walk(root):
    """The nodes of root and of every showing object under it, depth first."""
    out = []

    def visit(obj, index, parent):
        node = TNode(obj, index, parent)
        out.append(node)
        for i, c in enumerate(children(obj)):
            if showing(c):
                visit(c, i, node)

    visit(root, root.getIndexInParent(), None)
    return out


def action_names(obj):
    try:
        a = obj.queryAction()
    except NotImplementedError:
        return []
    return [a.getName(i).lower() for i in range(a.nActions)]


def pressable(node):
    names = action_names(node.obj)
    if "press" in names or "click" in names:
        return None
    return "has no press action (its actions: %s)" % names


def valued(node):
    try:
        v = node.obj.queryValue()
    except NotImplementedError:
        return "has no value to read or set"
    if v.maximumValue <= v.minimumValue:
        return "its value has no range (%g to %g)" % (v.minimumValue, v.maximumValue)
    return None


def is_menu(obj):
    """A menu of the menu bar: a menu, or (Qt's bridge has no role for a menu) a menu item that
    holds a popup menu."""
    role = obj.getRole()
    if role == pyatspi.ROLE_MENU:
        return True
    return role == pyatspi.ROLE_MENU_ITEM and any(c.getRole() in MENU_ROLES for c in children(obj))


class TWindowCheck:
    """The findings of one window (the pages of the options dialog add up, each control once)."""

    def __init__(self, title):
        self.title = title
        self.focusable = set()
        self.unnamed = {}
        self.wrong = {}

    def add_tree(self, window):
        """Walks window; its nodes, for the checks that follow."""
        tree = walk(window)
        top = tree[0]
        if top.role not in WINDOW_ROLES:
            self.wrong_role(top, "a window should be a frame or a dialog")
        for node in tree:
            focusable = node.has(pyatspi.STATE_FOCUSABLE)
            if focusable:
                self.focusable.add(node.key)
            if (focusable or node.role == pyatspi.ROLE_PUSH_BUTTON) and node.role not in ITEM_ROLES:
                if not node.label():
                    self.unnamed.setdefault(node.key, "unnamed: " + node.describe())
            if focusable and node.role in BLANK_ROLES:
                self.wrong_role(node, "a control of no kind")
        return tree

    def misnamed(self, node, why):
        self.unnamed.setdefault(node.key, "misnamed: %s: %s" % (node.describe(), why))

    def wrong_role(self, node, why):
        self.wrong.setdefault(node.key, node.describe() + ": " + why)

    def missing(self, what, why):
        self.wrong.setdefault(what, "%s: %s" % (what, why))

    def expect(self, tree, name, role, why, test=None):
        """The showing control `name` has `role` (and passes `test`, when given). When no
        control has that name, the window's one control of that role should have had it."""
        found = [n for n in tree if n.name == name and n.role != pyatspi.ROLE_MENU_ITEM]
        if not found:
            others = [n for n in tree if n.role == role]
            if len(others) == 1:
                self.misnamed(others[0], 'should be named "%s" (%s)' % (name, why))
            else:
                self.missing('%s "%s"' % (role_name(role), name),
                             "none showing in the window (%s)" % why)
            return
        for node in found:
            if node.role != role:
                self.wrong_role(node, "should be a %s (%s)" % (role_name(role), why))
            elif test is not None and test(node):
                self.wrong_role(node, test(node))

    def report(self):
        print("accessible: %s: %d focusable controls, %d unnamed, %d wrong roles"
              % (self.title, len(self.focusable), len(self.unnamed), len(self.wrong)))
        for key in sorted(self.unnamed):
            print("  " + self.unnamed[key])
        for key in sorted(self.wrong):
            print("  wrong role: " + self.wrong[key])
        sys.stdout.flush()
        return not self.unnamed and not self.wrong


# --- The program ------------------------------------------------------------------------------


class TReader:
    """The program's application on the bus, and the parts of its main window the steps use."""

    def __init__(self, pid):
        desktop = pyatspi.Registry.getDesktop(0)

        def find():
            for app in children(desktop):
                if app.get_process_id() == pid:
                    return app
            return None

        self.app = wait_for(find, 40, "the program did not appear on the accessibility bus")
        # Every question goes to the program: a toolkit need not announce every change.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self.main = self.wait_window(re.escape(MAIN_TITLE), "the main window is not on the bus")
        self.menus = []  # the menu bar's menus, as found by main_window_check
        self.stop = None
        self.editor = None

    def window(self, title):
        """The showing window of this title (a pattern), or None."""
        for w in children(self.app):
            if showing(w) and re.fullmatch(title, (w.name or "").strip()):
                return w
        return None

    def window_names(self):
        return ", ".join('%s "%s"%s' % (w.getRoleName(), w.name, "" if showing(w) else " (hidden)")
                         for w in children(self.app))

    def wait_window(self, title, what, seconds=20):
        return wait_for(lambda: self.window(title), seconds,
                        lambda: "%s (the program's windows: %s)" % (what, self.window_names()))

    def wait_gone(self, title, x_pattern, what, seconds=10):
        wait_for(lambda: self.window(title) is None and not visible_x_windows(x_pattern), seconds,
                 lambda: "%s (the program's windows: %s)" % (what, self.window_names()))

    def open_menu(self):
        """The name of the menu bar's menu whose popup is showing, None when none is."""
        for item in self.menus:
            if any(c.getRole() in MENU_ROLES and showing(c) for c in children(item)):
                return item.name
        return None

    def editor_text(self):
        t = self.editor.queryText()
        return t.getText(0, t.characterCount)


def main_window_check(reader):
    check = TWindowCheck("main window")
    tree = check.add_tree(reader.main)

    bars = [n for n in tree if n.role == pyatspi.ROLE_MENU_BAR]
    if len(bars) != 1:
        check.missing("menu bar", "%d menu bars showing, not 1" % len(bars))
    else:
        items = [n for n in tree if n.key.rsplit(" > ", 1)[0] == bars[0].key
                 and n.role != pyatspi.ROLE_SEPARATOR]
        names = [n.name for n in items]
        if names != MENUS:
            check.wrong_role(bars[0], "its menus are %s, not %s" % (names, MENUS))
        for item in items:
            if not is_menu(item.obj):
                check.wrong_role(item, "should be a menu")
        reader.menus = [n.obj for n in items]
    # The caption buttons, named by their tooltips; one of Maximize and Restore may be hidden.
    for name in ("Close", "Minimize"):
        check.expect(tree, name, pyatspi.ROLE_PUSH_BUTTON, "a caption button", pressable)
    if not any(n.name in ("Maximize", "Restore") for n in tree):
        check.missing('push button "Maximize" or "Restore"', "none showing in the window")
    for name in ("Maximize", "Restore"):
        if any(n.name == name for n in tree):
            check.expect(tree, name, pyatspi.ROLE_PUSH_BUTTON, "a caption button", pressable)
    for name in ("Volume", "Speed"):
        check.expect(tree, name, pyatspi.ROLE_SLIDER, "the voice's " + name.lower(), valued)
    check.expect(tree, "Progress", pyatspi.ROLE_PROGRESS_BAR, "the reading's progress")
    # On Linux, Qt names a list box and a tab bar by what they show (the voice, the document),
    # as a screen reader expects them; they are there once, with a name.
    for role, why in ((pyatspi.ROLE_COMBO_BOX, "the voice list"),
                      (pyatspi.ROLE_PAGE_TAB_LIST, "the document tabs")):
        shown = [n for n in tree if n.role == role]
        if len(shown) != 1 or not shown[0].name.strip():
            check.missing("one named %s" % role_name(role), why)
    check.expect(tree, "Document text", pyatspi.ROLE_TEXT, "the editor")

    stops = [n for n in tree if n.role == pyatspi.ROLE_PUSH_BUTTON and n.name == "Stop"]
    editors = [n for n in tree if n.role == pyatspi.ROLE_TEXT and n.name == "Document text"]
    if not stops or not editors:
        fail("the main window has no Stop button or no editor named \"Document text\"")
    reader.stop = stops[0].obj
    reader.editor = editors[0].obj
    return check


def dialog_check(reader, title, label, framed=True):
    """A dialog's window walked; `framed`: in the program's own frame, with its Close button."""
    win = reader.wait_window(title, "no %s shown" % label)
    check = TWindowCheck(label)
    tree = check.add_tree(win)
    if framed:
        check.expect(tree, "Close", pyatspi.ROLE_PUSH_BUTTON, "the caption button", pressable)
    return win, check, tree


def focused(nodes):
    """The node of `nodes` with the keyboard focus, None when none has it. Qt's bridge marks the
    current tab of a tab bar focused whether or not the bar has the focus: tabs are left out,
    their bar stands for them."""
    found = None
    for n in nodes:
        if n.role != pyatspi.ROLE_PAGE_TAB and has(n.obj, pyatspi.STATE_FOCUSED):
            found = n
    return found


def tab_round(tree, label):
    """Tab goes from control to control and comes back to where it started: no control keeps
    the focus to itself, and none is a dead end. A control may take a few presses for its own
    parts (the links of a text) before it hands the focus on."""
    nodes = [n for n in tree if n.has(pyatspi.STATE_FOCUSABLE)]
    start = wait_for(lambda: focused(nodes), 10, "nothing has the focus in the %s" % label)
    now = start
    visited = [start.path]
    for _ in range(len(nodes) + 2):
        before = now
        for _ in range(4):
            keys("Tab")
            end = time.monotonic() + 1.5
            while time.monotonic() < end:
                now = focused(nodes) or before
                if now.key != before.key:
                    break
                time.sleep(0.05)
            if now.key != before.key:
                break
        else:
            fail("a focus trap in the %s: four presses of Tab do not leave %s"
                 % (label, before.describe()))
        if now.key == start.key:
            print("keyboard: %s: Tab goes round %d controls" % (label, len(visited)))
            return
        visited.append(now.path)
    fail("in the %s, Tab does not come back to %s; it went to:\n  %s"
         % (label, start.describe(), "\n  ".join(visited)))


# --- The dialogs ------------------------------------------------------------------------------


def selected_page(tabs):
    """The caption of the page shown: its tab is the selected one, or (Qt's bridge marks none
    selected) the one marked focused; the tab list's name when none is either."""
    tabs_now = children(tabs)
    for state in (pyatspi.STATE_SELECTED, pyatspi.STATE_FOCUSED):
        for tab in tabs_now:
            if has(tab, state):
                return tab.name
    return tabs.name


def options_dialog(reader, lexicon_checks):
    """Every page by Ctrl+Tab; on the page Prosody, the lexicon dialog too."""
    keys("ctrl+o")
    win, check, tree = dialog_check(reader, "Options", "options dialog")
    tab_round(tree, "options dialog")
    lists = [n.obj for n in tree if n.role == pyatspi.ROLE_PAGE_TAB_LIST]
    if not lists:
        fail("the options dialog has no page tabs")
    tabs = lists[0]
    seen = []
    page = first = selected_page(tabs)
    for _ in range(len(OPTION_PAGES) + 2):
        if page in OPTION_PAGES and page not in seen:
            seen.append(page)
            if page != first:  # the first was walked as the dialog opened
                check.add_tree(win)
            if page == "Prosody":
                lexicon_checks.append(lexicon_dialog(reader))
        if len(seen) == len(OPTION_PAGES):
            break
        keys("ctrl+Tab")
        before = page
        page = wait_for(lambda: (lambda p: p if p != before else None)(selected_page(tabs)), 10,
                        'Ctrl+Tab did not leave the page "%s"' % before)
    if sorted(seen) != sorted(OPTION_PAGES):
        fail("Ctrl+Tab showed the pages %s, not every one of %s" % (seen, OPTION_PAGES))
    print("accessible: options dialog: pages walked: " + ", ".join(seen))
    keys("Escape")
    reader.wait_gone("Options", "^ Options$", "Escape did not close the options dialog")
    return check


def lexicon_dialog(reader):
    # "Pronunciation Manager" on the page Prosody, by its mnemonic.
    keys("alt+r")
    title = r".*(Lexicon|Pronunciation).*"
    win, check, tree = dialog_check(reader, title, "lexicon dialog")
    tab_round(tree, "lexicon dialog")
    name = win.name
    keys("Escape")
    reader.wait_gone(title, "^" + re.escape(name) + "$", "Escape did not close the lexicon dialog")
    return check


def find_dialog(reader, key, title, label):
    keys(key)
    _, check, tree = dialog_check(reader, title, label, framed=False)
    tab_round(tree, label)
    keys("Escape")
    reader.wait_gone(title, "^%s$" % title, "Escape did not close the %s" % label)
    return check


def about_box(reader):
    # The Help menu by its letter; its last item is "About...".
    keys("alt+h")
    wait_for(lambda: reader.open_menu() == "Help", 10,
             lambda: "Alt+H opened no Help menu (showing: %s)" % reader.open_menu())
    keys("Up", "Return")
    _, check, tree = dialog_check(reader, "About", "about box")
    tab_round(tree, "about box")
    keys("Escape")
    reader.wait_gone("About", "^About$", "Escape did not close the about box")
    return check


# --- The keyboard flows -----------------------------------------------------------------------


class TSound:
    """What the test sound server plays, recorded from its monitor (16-bit stereo, 44.1 kHz)."""

    SECOND = 44100 * 2 * 2

    def __init__(self, work):
        self.path = os.path.join(work, "sound.raw")
        self.file = open(self.path, "wb")
        self.proc = subprocess.Popen(["parec", "-d", "test_null.monitor", "--raw"],
                                     stdout=self.file, stderr=subprocess.DEVNULL)

    def size(self):
        return os.path.getsize(self.path)

    def loudest_since(self, offset):
        with open(self.path, "rb") as f:
            f.seek(max(offset, 0) & ~1)
            data = f.read()
        samples = array.array("h", data[: len(data) & ~1])
        return max((abs(x) for x in samples), default=0)

    def stop(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)
        self.file.close()


def keyboard_flows(reader, app_dir, work):
    sound = TSound(work)
    try:
        flows(reader, app_dir, sound)
    finally:
        sound.stop()


def flows(reader, app_dir, sound):
    stop = reader.stop
    # A new document, its text typed.
    keys("ctrl+n")
    wait_for(lambda: reader.editor_text() == "", 10,
             lambda: "Ctrl+N gave no empty document (the editor holds %r)" % reader.editor_text())
    text = "Every word of this line is read aloud, and then once more into a file of sound."
    type_text(text)
    wait_for(lambda: reader.editor_text() == text, 20,
             lambda: "the typed text is not in the editor: %r" % reader.editor_text())

    # Read aloud, and stop while it is heard.
    start = sound.size()
    keys("shift+ctrl+alt+a")
    wait_for(lambda: enabled(stop) and sound.loudest_since(start) >= 1000, 20,
             lambda: "Read Aloud (Shift+Ctrl+Alt+A) was not heard (Stop %s, loudest sample %d)"
             % ("enabled" if enabled(stop) else "disabled", sound.loudest_since(start)))
    keys("shift+ctrl+alt+s")
    wait_for(lambda: not enabled(stop), 10, "Stop (Shift+Ctrl+Alt+S) did not end the reading")
    # Half a second of silence within a few seconds (what the server had buffered may still be
    # played after the stop).
    half = TSound.SECOND // 2
    stopped = sound.size()
    wait_for(lambda: sound.size() - stopped >= half and
             sound.loudest_since(sound.size() - half) < 300, 4,
             lambda: "the reading was still heard after Stop (loudest sample %d)"
             % sound.loudest_since(sound.size() - half))

    # Into a WAV file, named by the program in its wav folder.
    wav_dir = os.path.join(app_dir, "wav")
    before = set(os.listdir(wav_dir))
    keys("F3")

    def new_wav():
        if enabled(stop):
            return None
        for name in set(os.listdir(wav_dir)) - before:
            path = os.path.join(wav_dir, name)
            if name.lower().endswith(".wav") and os.path.getsize(path) > 1000:
                with open(path, "rb") as f:
                    head = f.read(12)
                if head[:4] == b"RIFF" and head[8:12] == b"WAVE":
                    return path
        return None

    wav = wait_for(new_wav, 30, lambda: "Read to WAV File (F3) left no WAV file in %s (it has %s)"
                   % (wav_dir, sorted(os.listdir(wav_dir))))
    print("accessible: flows: read aloud and stopped, converted into %s (%d bytes)"
          % (os.path.basename(wav), os.path.getsize(wav)))

    # The options, opened and closed.
    keys("ctrl+o")
    reader.wait_window("Options", "Ctrl+O opened no options dialog")
    keys("Escape")
    reader.wait_gone("Options", "^ Options$", "Escape did not close the options dialog")

    # The menus: Alt+F opens File, Right goes on to Edit, Escape closes it.
    keys("alt+f")
    wait_for(lambda: reader.open_menu() == "File", 10,
             lambda: "Alt+F did not open the File menu (showing: %s)" % reader.open_menu())
    keys("Right")
    wait_for(lambda: reader.open_menu() == "Edit", 10,
             lambda: "Right did not go on to the Edit menu (showing: %s)" % reader.open_menu())
    keys("Escape")
    wait_for(lambda: reader.open_menu() is None, 10,
             lambda: "Escape did not close the menu (showing: %s)" % reader.open_menu())
    keys("Escape")  # and leaves the menu bar
    print("accessible: flows: Alt+F opened File, Right went on to Edit, Escape closed it")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--app", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    started = time.monotonic()

    reader = TReader(args.pid)
    wait_for(lambda: visible_x_windows("^%s$" % MAIN_TITLE), 20, "the main window is not shown")
    wid = visible_x_windows("^%s$" % MAIN_TITLE)[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", wid], timeout=10,
                   stderr=subprocess.DEVNULL)
    wait_for(lambda: has(reader.main, pyatspi.STATE_ACTIVE), 10, "the main window is not active")

    checks = [main_window_check(reader)]
    if not reader.menus:
        fail("the main window has no menu bar to open menus from")
    lexicon = []
    checks.append(options_dialog(reader, lexicon))
    if not lexicon:
        fail("the options dialog was not walked on its page Prosody")
    checks.extend(lexicon)
    checks.append(find_dialog(reader, "ctrl+f", "Find", "find dialog"))
    checks.append(find_dialog(reader, "ctrl+r", "Replace", "replace dialog"))
    checks.append(about_box(reader))
    keyboard_flows(reader, args.app, args.work)

    good = True
    for c in checks:
        good = c.report() and good
    print("accessible: walked in %.1f s" % (time.monotonic() - started))
    if not good:
        fail("controls without a name or with a wrong role (listed above)")


if __name__ == "__main__":
    main()
