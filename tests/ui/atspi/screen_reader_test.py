#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running game through AT-SPI as a screen reader does, and plays a
whole deal with AT-SPI actions and key presses only.

Checks: every shown window and dialog has a name, every control a name and a
role; player 1's hand cards are buttons named by card, in reading order,
focusable, and their action plays them; the table's cards and counters read
as words and numbers; after each play the status line's name changes and the
change is announced. Run by run_screen_reader_test.sh inside a private
D-Bus session on its own X server. Usage: screen_reader_test.py GAME [LOG]
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

GAME = sys.argv[1]
LOG = sys.argv[2] if len(sys.argv) > 2 else None

RANKS = "آس|اثنان|ثلاثة|أربعة|خمسة|ستة|سبعة|ثمانية|تسعة|عشرة|شب|بنت|شايب"
SUITS = "بستوني|ديناري|كبة|سباتي"
CARD_NAME = re.compile(rf"^({RANKS}) ({SUITS})$")
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SCROLL_BAR,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TOGGLE_BUTTON,
}
WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT}

failures = []
heard = []  # what a screen reader was told, in order


def fail(message):
    failures.append(message)
    print("FAIL:", message, flush=True)


def pump(seconds=0.0):
    """Lets AT-SPI events arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, condition, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        try:
            found = condition()
        except Exception:  # objects come and go while windows change
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise SystemExit(f"FAIL: timed out waiting for {what}")


def states(obj):
    return obj.getState()


def showing(obj):
    return states(obj).contains(pyatspi.STATE_SHOWING)


def children(obj):
    return [c for c in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if c is not None]


def walk(obj):
    yield obj
    for c in children(obj):
        yield from walk(c)


def actions(obj):
    try:
        a = obj.queryAction()
    except NotImplementedError:
        return {}
    return {a.getName(i): i for i in range(a.nActions)}


def act(obj, name):
    a = obj.queryAction()
    if not a.doAction(actions(obj)[name]):
        fail(f"action {name} on {obj.name!r} refused")


def text_of(obj):
    try:
        t = obj.queryText()
        return t.getText(0, -1)
    except NotImplementedError:
        return ""


def windows(app):
    return [w for w in children(app) if w.getRole() in WINDOW_ROLES and showing(w)]


def window_named(app, pattern):
    for w in windows(app):
        if re.search(pattern, w.name or ""):
            return w
    return None


def check_window(w):
    """The window has a name; each of its shown controls a name and a role."""
    if not (w.name or "").strip():
        fail(f"a shown {w.getRoleName()} has no name")
    for obj in walk(w):
        role = obj.getRole()
        if role not in CONTROL_ROLES or not showing(obj):
            continue
        name = (obj.name or "").strip() or (text_of(obj).strip() if role == pyatspi.ROLE_LIST_ITEM else "")
        if not name:
            fail(f"{w.name!r}: a {obj.getRoleName()} has no name")
        if role == pyatspi.ROLE_UNKNOWN:
            fail(f"{w.name!r}: {obj.name!r} has no role")


def find(root, role, pattern=None):
    for obj in walk(root):
        if obj.getRole() == role and showing(obj) and (pattern is None or re.search(pattern, obj.name or "")):
            return obj
    return None


def press_key(keysym_name):
    """A key press on the table window, which has the keyboard focus."""
    subprocess.run(["xdotool", "search", "--name", r"^Qorza\.\.\.$", "windowfocus", "--sync",
                    "key", keysym_name], check=True)


def on_name_changed(event):
    source = event.source
    try:
        if source.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATUS_BAR) and source.parent is not None \
                and source.parent.getRole() == pyatspi.ROLE_STATUS_BAR:
            heard.append(("status", source.name))
    except Exception:
        pass


def on_focus(event):
    try:
        if event.detail1:
            heard.append(("focus", f"{event.source.name} ({event.source.getRoleName()}) {event.source.description}"))
    except Exception:
        pass


def main():
    home = tempfile.mkdtemp(prefix="qorza-atspi-")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QORZA_TEST="1", HOME=home, XDG_CONFIG_HOME=f"{home}/config",
               XDG_DATA_HOME=f"{home}/data")
    # The accessibility bus and its registry run before the game looks for them.
    pyatspi.Registry.getDesktop(0)
    pyatspi.Registry.registerEventListener(on_name_changed, "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    game = subprocess.Popen([GAME], env=env)
    try:
        run(game)
    finally:
        game.kill()
        game.wait()
        shutil.rmtree(home, ignore_errors=True)
        if LOG:
            with open(LOG, "w", encoding="utf-8") as f:
                for kind, text in heard:
                    f.write(f"{kind}: {text}\n")
    if failures:
        print(f"{len(failures)} failures", flush=True)
        sys.exit(1)
    print("screen reader test passed", flush=True)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app.name == "qorza":
            return app
    return None


def run(game):
    app = wait_for("the game on the accessibility bus",
                   lambda: application() or (game.poll() is not None and sys.exit(f"FAIL: the game ended with {game.returncode}")),
                   seconds=60)

    # The new-game dialog: read it whole, then its OK.
    dialog = wait_for("the new-game dialog", lambda: find(app, pyatspi.ROLE_DIALOG))
    check_window(dialog)
    four = find(dialog, pyatspi.ROLE_RADIO_BUTTON, "أربع")
    if four is None:
        fail("no option for four-card hands")
    else:
        act(four, "Toggle")
    act(wait_for("its OK", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON)), "Press")

    table_window = wait_for("the table window", lambda: window_named(app, r"Qorza"))
    pane = wait_for("the table", lambda: find(table_window, pyatspi.ROLE_PANEL, "طاولة"))
    wait_for("the dealt hand", lambda: hand_cards(pane))

    # The further options: every control named; the fastest play for the test.
    press_key("F5")
    options = wait_for("the further options", lambda: window_named(app, "خيارات"))
    check_window(options)
    speed = find(options, pyatspi.ROLE_SCROLL_BAR)
    if speed is None:
        fail("no speed bar in the further options")
    else:
        speed.queryValue().currentValue = speed.queryValue().minimumValue
    backs = [o for o in walk(options) if o.getRole() == pyatspi.ROLE_RADIO_BUTTON and "ظهر" in o.name]
    if len(backs) != 8 or any("Press" not in actions(b) for b in backs):
        fail(f"the card backs are not eight choices with a press: {[b.name for b in backs]}")
    else:
        act(backs[3], "Press")
        pump(0.3)
        chosen = [b.name for b in backs if states(b).contains(pyatspi.STATE_CHECKED)]
        if chosen != [backs[3].name]:
            fail(f"pressing {backs[3].name!r} chose {chosen}")
    act(find(options, pyatspi.ROLE_PUSH_BUTTON, "مواف"), "Press")
    wait_for("the options to close", lambda: window_named(app, "خيارات") is None)
    check_window(table_window)

    press_key("F9")
    statistics = wait_for("the statistics", lambda: window_named(app, "الإحصاءات"))
    check_window(statistics)
    act(find(statistics, pyatspi.ROLE_PUSH_BUTTON, "مواف"), "Press")
    wait_for("the statistics to close", lambda: window_named(app, "الإحصاءات") is None)

    status = find(table_window, pyatspi.ROLE_STATUS_BAR)
    if status is None:
        raise SystemExit("FAIL: no status line")
    plays = children(status)[0]
    player2 = "الحاسوب"

    # Tab brings the keyboard focus onto a hand card, and the reader says which.
    press_key("Tab")
    wait_for("a hand card to take the focus", lambda: any(
        kind == "focus" and "(push button)" in text and CARD_NAME.match(text.split(" (")[0])
        for kind, text in heard))

    turn = 0
    while True:
        cards = hand_cards(pane)
        if not cards:
            break
        check_hand(pane, cards)
        check_table(pane)
        before = plays.name
        heard_before = len(heard)
        turn += 1
        card = cards[0]
        if turn % 2:
            act(card, "Press")
        else:
            # The digit shown over the card, typed as a key.
            press_key(re.search(r"(\d)\s*$", card.description).group(1))
        ended = wait_for(f"turn {turn} to end",
                         lambda: plays.name != before and plays.name or window_named(app, "النتائج"))
        pump(0.3)
        if window_named(app, "النتائج"):
            results = window_named(app, "النتائج")
            check_window(results)
            act(find(results, pyatspi.ROLE_PUSH_BUTTON), "Press")
            break
        computer = re.search(rf"{player2}: (.*)$", plays.name)
        if not computer or not CARD_NAME.match(computer.group(1).split(" أكل ")[0].split(" على ")[0]):
            fail(f"turn {turn}: the status line does not name the computer's card: {plays.name!r}")
        if not any(kind == "status" and text == plays.name for kind, text in heard[heard_before:]):
            fail(f"turn {turn}: the status line's change was not announced")
        print(f"turn {turn}: {plays.name}", flush=True)
        if turn == 3:
            check_history(app, plays.name)
    if turn < 6:
        fail(f"the deal ended after {turn} turns")


def check_history(app, status):
    """The deal's plays, newest first, in a named window of their own."""
    press_key("F6")
    history = wait_for("the deal's history", lambda: window_named(app, "لعبات"))
    check_window(history)
    items = [o for o in walk(history) if o.getRole() == pyatspi.ROLE_LIST_ITEM]
    if len(items) != 6 or not status.endswith(items[0].name):
        fail(f"the history does not list the three turns newest first: {[i.name for i in items]}")
    act(find(history, pyatspi.ROLE_PUSH_BUTTON), "Press")
    wait_for("the history to close", lambda: window_named(app, "لعبات") is None)


def hand_cards(pane):
    return [c for c in children(pane) if c.getRole() == pyatspi.ROLE_PUSH_BUTTON]


def check_hand(pane, cards):
    previous = None
    for card in cards:
        if not CARD_NAME.match(card.name or ""):
            fail(f"a hand card is named {card.name!r}")
        if "Press" not in actions(card):
            fail(f"hand card {card.name!r} has no action")
        if not states(card).contains(pyatspi.STATE_FOCUSABLE):
            fail(f"hand card {card.name!r} cannot take the focus")
        x = card.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x
        if previous is not None and x >= previous:
            fail("the hand cards are not in reading order (right to left)")
        previous = x


def check_table(pane):
    for item in children(pane):
        if item.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            continue
        if not (item.name or "").strip():
            fail(f"a table {item.getRoleName()} has no name")
        if item.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            if not re.match(r"^-?\d+(\.\d+)?$", text_of(item) or ""):
                fail(f"counter {item.name!r} reads {text_of(item)!r}")


if __name__ == "__main__":
    main()
