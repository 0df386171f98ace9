#!/usr/bin/env python3
# The six windows through the real accessibility stack: the program on a
# virtual X display, registered with the AT-SPI bus of a private D-Bus
# session (CTest runs this under dbus-run-session), read as a screen reader
# reads it and driven by the keyboard alone, through AT-SPI's own key
# synthesis. Checks in every window: each control a user can reach has a
# role and a name (or a label that names it), no two are spoken the same,
# none is a window inside the window; the link is a link named "MMS Setting"
# with an action; Tab and Return open the wireless window from the main
# window and press Generate, which writes MMS.INI; Esc ends the program. The
# newer-settings link is read as a link, and its question whole.
#
# Usage: tst_atspi.py [--language CODE] PROGRAM SHOW_FORM [SPOKEN]
#   CODE       run the windows in this language (LANGUAGE=CODE) and expect
#              the names of translations/rx20_CODE.ts
#   PROGRAM    rx20-setting-tools
#   SHOW_FORM  rx20-show-form, which shows one window directly
#   SPOKEN     also write what a screen reader says, per window, into this file
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

SKIP = 77
TIMEOUT = 30.0

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib
except (ImportError, ValueError) as error:
    print(f"SKIP: no AT-SPI client ({error}); scripts/install-deps.sh a11y installs it")
    sys.exit(SKIP)

KEY_TAB, KEY_RETURN, KEY_ESCAPE, KEY_RIGHT, KEY_DOWN = 0xFF09, 0xFF0D, 0xFF1B, 0xFF53, 0xFF54
# Roles that hold controls; the walk goes into these only.
CONTAINERS = {Atspi.Role.PANEL, Atspi.Role.FILLER, Atspi.Role.GROUPING, Atspi.Role.FRAME}


class Failure(Exception):
    pass


def poll(what, check, timeout=TIMEOUT):
    """Asks again until check() gives something, or fails after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = check()
        except GLib.Error:
            value = None  # an object that went away while it was asked
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.02)


def start_display():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-dpi", "96",
         "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + TIMEOUT
    while not number.endswith(b"\n"):
        if not select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))[0]:
            raise Failure("Xvfb did not start")
        chunk = os.read(read_end, 16)
        if not chunk:
            raise Failure("Xvfb ended at start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def start_window_manager(display, folder):
    # It gives the focus to a window as it opens and back to its window when a
    # message closes, as on a desktop.
    ready = os.path.join(folder, "window-manager-ready")
    manager = subprocess.Popen(["openbox", "--sm-disable", "--startup", "touch " + ready],
                               env=dict(os.environ, DISPLAY=display),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    poll("the window manager", lambda: os.path.exists(ready) or manager.poll() is not None)
    if manager.poll() is not None:
        raise Failure("openbox ended at start")
    return manager


def tell_session_bus(display):
    # The AT-SPI bus and its registry are started by D-Bus on first use; they
    # need the display to synthesize keys on it.
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "UpdateActivationEnvironment",
                  GLib.Variant("(a{ss})", ({"DISPLAY": display},)), None,
                  Gio.DBusCallFlags.NONE, -1, None)


def press(keysym):
    if not Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM):
        raise Failure(f"key {keysym:#x} could not be sent")


def type_text(text):
    if not Atspi.generate_keyboard_event(0, text, Atspi.KeySynthType.STRING):
        raise Failure(f"text {text!r} could not be typed")


def states(node):
    return node.get_state_set()


def showing(node):
    return states(node).contains(Atspi.StateType.SHOWING)


def children(node):
    return [c for c in (node.get_child_at_index(i) for i in range(node.get_child_count())) if c]


def walk(node):
    """Every object inside a window that is on the screen, controls whole."""
    found = []
    for child in children(node):
        if not showing(child):
            continue
        found.append(child)
        if child.get_role() in CONTAINERS:
            found.extend(walk(child))
    return found


def labelled_by(node):
    targets = []
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            targets.extend(relation.get_target(i) for i in range(relation.get_n_targets()))
    return targets


def labels_of(node):
    return [target.get_name() for target in labelled_by(node)]


def spoken_as(node):
    """The name a reader says: a drop-down is named by its label, since Qt
    gives its text as its name on Linux (the frame around it names it too)."""
    if node.get_role() == Atspi.Role.COMBO_BOX:
        for target in labelled_by(node):
            if target.get_role() == Atspi.Role.LABEL:
                return target.get_name()
    return node.get_name()


def focused(window):
    def find(node):
        for child in children(node):
            if not showing(child):
                continue
            if states(child).contains(Atspi.StateType.FOCUSED):
                return child
            found = find(child)
            if found:
                # An editable drop-down's text part has the focus for it.
                return child if child.get_role() == Atspi.Role.COMBO_BOX else found
        return None

    return find(window)


def focused_name(window):
    node = focused(window)
    return spoken_as(node) if node else None


class Program:
    def __init__(self, command, environment, folder):
        self.process = subprocess.Popen(command, env=environment, cwd=folder)
        self.app = poll(f"{command[-1]} on the AT-SPI bus", self.find_app)
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def find_app(self):
        desktop = Atspi.get_desktop(0)
        for app in children(desktop):
            if app.get_process_id() == self.process.pid:
                return app
        if self.process.poll() is not None:
            raise Failure(f"the program ended early ({self.process.returncode})")
        return None

    def window(self, title):
        def active():
            for window in children(self.app):
                if window.get_name() == title and states(window).contains(
                        Atspi.StateType.ACTIVE):
                    return window
            return None

        return poll(f'the window "{title}" active', active)

    def ended(self):
        try:
            return self.process.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise Failure("the program did not end")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


class Translation:
    """The names the windows show in a language: a form's caption as its
    translation gives it, the caption itself in English."""

    def __init__(self, language):
        self.texts = {}
        if language:
            path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "translations", f"rx20_{language}.ts")
            for context in ElementTree.parse(path).getroot().iter("context"):
                for message in context.iter("message"):
                    self.texts[(context.findtext("name"), message.findtext("source"))] = \
                        message.findtext("translation")

    def __call__(self, form, text):
        return self.texts.get((form, text)) or text


class Session:
    def __init__(self, program, show_form, language=None):
        self.program_path = program
        self.show_form = show_form
        self.language = language
        self.tr = Translation(language)
        self.problems = []
        self.spoken = []

    def environment(self, display):
        env = dict(os.environ)
        env.pop("WAYLAND_DISPLAY", None)
        env.update({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb",
                    "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_IM_MODULE": "none",
                    "LC_ALL": "C.UTF-8", "LANG": "C.UTF-8"})
        if self.language:
            env["LANGUAGE"] = self.language
        return env

    def check(self, condition, message):
        if not condition:
            self.problems.append(message)
            print("FAIL: " + message)

    def read_window(self, window, title):
        """What a screen reader finds in the window, checked and noted."""
        nodes = walk(window)
        said = {}
        lines = []
        for node in nodes:
            role = node.get_role_name()
            name = spoken_as(node)
            labels = labels_of(node)
            if node.get_role() == Atspi.Role.LABEL:
                continue  # read with the control it names, or as text
            reachable = states(node).contains(Atspi.StateType.FOCUSABLE) or node.get_role() in {
                Atspi.Role.IMAGE, Atspi.Role.LINK}
            if node.get_role() in CONTAINERS and not name:
                continue  # a frame without a caption is not spoken
            self.check(node.get_role() != Atspi.Role.FRAME,
                       f"{title}: \"{name}\" is a frame, the role of a window")
            if reachable:
                self.check(role not in ("", "unknown", "invalid"), f"{title}: \"{name}\" has no role")
                self.check(bool(name) or any(labels), f"{title}: a {role} has neither name nor label")
            if name:
                self.check((role, name) not in said, f"{title}: two of {role} \"{name}\"")
                said[(role, name)] = True
            line = f"- {role}: \"{name}\""
            if name != node.get_name():
                line += f", showing \"{node.get_name()}\""
            if labels:
                line += " (labelled by " + ", ".join(f"\"{label}\"" for label in labels) + ")"
            if not states(node).contains(Atspi.StateType.ENABLED):
                line += " (disabled)"
            lines.append(line)
        self.spoken.append((title, lines))
        print(f"{title}:")
        for line in lines:
            print("  " + line)
        return nodes

    def tab_to(self, window, name, limit=40):
        def stop():
            node = focused(window)
            return (node.get_role(), spoken_as(node)) if node else None

        for _ in range(limit):
            now = stop()
            if now and now[1] == name:
                return
            press(KEY_TAB)
            poll(f"Tab to move on from {now}", lambda: stop() != now)
        raise Failure(f"Tab never reached \"{name}\"")

    def type_into(self, window, name, text):
        self.tab_to(window, name)
        type_text(text)
        node = focused(window)
        poll(f"\"{name}\" to hold {text}", lambda: Atspi.Text.get_text(node, 0, -1) == text)

    def main_task(self, env, card):
        program = Program([self.program_path], env, card)
        try:
            tr = self.tr
            main = program.window(tr("Form1", "Camera Setting Tool"))
            link_name = tr("Form1", "MMS Setting")
            links = [n for n in self.read_window(main, "Main window (Form1)")
                     if n.get_name() == link_name]
            if len(links) != 1:
                raise Failure(f"the main window has {len(links)} controls named \"{link_name}\"")
            link = links[0]
            self.check(link.get_role() == Atspi.Role.LINK, f"the link is a {link.get_role_name()}")
            names = [Atspi.Action.get_action_name(link, i).lower()
                     for i in range(Atspi.Action.get_n_actions(link))]
            self.check("press" in names, f"the link's actions are {names}")
            poll("the link to have the focus", lambda: focused_name(main) == link_name)

            press(KEY_RETURN)
            wireless = program.window(tr("Form5", "GPRS SETTINGS"))
            self.check(not showing(main), "the main window is still shown")
            self.read_window(wireless, "Wireless settings window (Form5), Setting Mode Auto")
            self.type_into(wireless, tr("Form5", "Phone 1"), "5551234")
            self.type_into(wireless, tr("Form5", "Email 1"), "5551234")
            self.tab_to(wireless, tr("Form5", "Generate"))
            press(KEY_RETURN)
            message = program.window("RX20 Setting Tools")
            texts = [n.get_name() for n in walk(message)]
            success = tr("rx20::WirelessSettingsWindow", "Create configure file success.")
            self.check(success in texts, f"Generate said {texts}")
            press(KEY_RETURN)
            poll("the message to close", lambda: not showing(message))
            path = os.path.join(card, "MMS.INI")
            with open(path, "rb") as written:
                self.check(b"Phone1=5551234\r\n" in written.read(), "MMS.INI lacks the phone")

            poll("the focus back on Generate",
                 lambda: focused_name(wireless) == tr("Form5", "Generate"))
            self.tab_to(wireless, tr("Form5", "Exit"))
            press(KEY_RETURN)
            main = program.window(tr("Form1", "Camera Setting Tool"))
            poll("the link to have the focus again", lambda: focused_name(main) == link_name)
            press(KEY_ESCAPE)
            self.check(program.ended() == 0, "Esc in the main window did not end the program")
        finally:
            program.stop()

    def other_window(self, env, card, form, title, heading, manual=None):
        """A window shown directly; manual: (first stop, the arrow keys that pick
        Manual there, a control that Manual shows)."""
        program = Program([self.show_form, form], env, card)
        tr = self.tr
        try:
            window = program.window(tr(form, title))
            self.read_window(window, heading)
            if manual:
                first, keys, shown = manual
                first, shown = tr(form, first), tr(form, shown)
                poll(f"the focus on \"{first}\"", lambda: focused_name(window) == first)
                for key in keys:
                    press(key)
                poll(f"Manual to show \"{shown}\"",
                     lambda: shown in [spoken_as(n) for n in walk(window)
                                       if n.get_role() != Atspi.Role.LABEL])
                self.read_window(window, heading.replace("Auto", "Manual"))
            if form in ("Form5", "Form7"):
                press(KEY_ESCAPE)
                self.check(program.ended() == 0, f"Esc did not end the program in {form}")
            else:
                self.tab_to(window, tr(form, "Exit"))
                press(KEY_RETURN)
                self.check(program.ended() == 0, f"Return on Exit did not close {form}")
        finally:
            program.stop()

    def newer_link(self, env, card):
        """Canada's preselected operator (Roger) has a later proxy: the link beside the operators
        appears, is read as a link, and Return on it opens a question a screen reader reads
        whole; Esc closes it and changes nothing."""
        program = Program([self.show_form, "Form5"], env, card)
        tr = self.tr
        try:
            window = program.window(tr("Form5", "GPRS SETTINGS"))
            self.tab_to(window, tr("Form5", "Country"))
            for _ in range(5):  # Australia, Austria, Brazil, Bulgaria, Canada
                press(KEY_DOWN)
            link_name = tr("Form5", "Newer settings…")
            links = poll("the newer-settings link",
                         lambda: [n for n in walk(window) if spoken_as(n) == link_name])
            self.check(links[0].get_role() == Atspi.Role.LINK,
                       f"the newer-settings link is a {links[0].get_role_name()}")
            self.read_window(window, "Wireless settings window (Form5), Canada / Roger")
            self.tab_to(window, link_name)
            press(KEY_RETURN)
            question = program.window("RX20 Setting Tools")
            texts = [n.get_name() for n in walk(question)]
            intro = tr("rx20::ui::NewerSettingsLink",
                       "Later public lists give other settings for %1 (%2):")
            intro = intro.replace("%1", "Roger").replace("%2", "Canada")
            self.check(any(t.startswith(intro) and "mmsproxy.rogers.com" in t for t in texts),
                       f"the question said {texts}")
            use = tr("rx20::ui::NewerSettingsLink", "Use them")
            self.check(use in texts, f"the question's buttons are {texts}")
            press(KEY_ESCAPE)
            poll("the question to close", lambda: not showing(question))
            poll("the focus back on the link", lambda: focused_name(window) == link_name)
            press(KEY_ESCAPE)
            self.check(program.ended() == 0, "Esc did not end the program in Form5")
        finally:
            program.stop()

    def run(self, display, card):
        env = self.environment(display)
        # The selectors start with no item picked: the first Down picks "Auto".
        self.main_task(env, card)
        self.other_window(env, card, "Form5", "GPRS SETTINGS",
                          "Wireless settings window (Form5), Setting Mode Auto",
                          ("Setting Mode", [KEY_DOWN, KEY_DOWN], "APN"))
        self.newer_link(env, card)
        self.other_window(env, card, "Form7", "RX12",
                          "Mail-and-phone settings window (Form7), Setting Mode Auto",
                          ("Setting Mode", [KEY_DOWN, KEY_DOWN], "APN"))
        self.other_window(env, card, "Form3", "MMS Setting",
                          "MMS settings window (Form3), Auto Setting",
                          ("Auto Setting", [KEY_RIGHT], "URL"))
        self.other_window(env, card, "Form4", "SMTP Setting", "SMTP settings window (Form4)")
        self.other_window(env, card, "Form2", "RX31", "Camera settings window (Form2)")


def write_spoken(path, spoken):
    with open(path, "w", encoding="utf-8") as out:
        out.write("# What a screen reader says, per window\n\n")
        out.write("Role and name of every object on the screen, in the order AT-SPI gives "
                  "them (labels are read with the control they name).\n")
        for title, lines in spoken:
            out.write(f"\n## {title}\n\n" + "\n".join(lines) + "\n")


def main():
    arguments = sys.argv[1:]
    language = None
    if arguments[:1] == ["--language"] and len(arguments) > 1:
        language, arguments = arguments[1], arguments[2:]
    if len(arguments) < 2:
        print("usage: tst_atspi.py [--language CODE] PROGRAM SHOW_FORM [SPOKEN]", file=sys.stderr)
        return 2
    if not shutil.which("Xvfb") or not shutil.which("openbox"):
        print("SKIP: needs Xvfb and openbox (scripts/install-deps.sh a11y installs them)")
        return SKIP
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        print("SKIP: needs a D-Bus session (run under dbus-run-session)")
        return SKIP
    session = Session(os.path.abspath(arguments[0]), os.path.abspath(arguments[1]), language)
    server, display = start_display()
    manager = None
    folder = tempfile.mkdtemp(prefix="rx20-atspi-")
    try:
        manager = start_window_manager(display, folder)
        tell_session_bus(display)
        os.environ["DISPLAY"] = display
        Atspi.init()
        session.run(display, folder)
    except Failure as failure:
        session.problems.append(str(failure))
        print("FAIL: " + str(failure))
    finally:
        for process in (manager, server):
            if process:
                process.terminate()
                process.wait()
        shutil.rmtree(folder, ignore_errors=True)
    if len(arguments) > 2:
        write_spoken(arguments[2], session.spoken)
    print(f"{len(session.problems)} problem(s)")
    return 1 if session.problems else 0


if __name__ == "__main__":
    sys.exit(main())
