#!/usr/bin/python3
"""What a screen reader gets from Termalo's entry screens, through the real AT-SPI bus.

    tools/screen_reader.py BUILD/app/termalo [Form2|Form3 ...]

Starts the program on a private X server (xvfb-run) and a private D-Bus session
with its own accessibility bus, opens the basic information screen with the main
window's "Start" button (and the stays screen with "Dalej..."), and prints for
each screen asked for:

  - the tree of roles and names, with each text's characters and caret;
  - the text events while a field is typed into, edited and selected, as they
    arrive (insert, delete, caret, selection), and what the field holds after.

Needs the Debian packages xvfb, xauth, dbus-daemon, dbus-bin, at-spi2-core,
python3-pyatspi and xdotool.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SCREENS = {
    # Window, its caption, the button of the window before it that opens it.
    "Form2": ("Moduł informacji podstawowej", "Start"),
    "Form3": ("Moduł pobytów kontraktowych i komercyjnych", "Dalej..."),
}
NEEDED = {
    "xvfb-run": "xvfb",
    "xauth": "xauth",
    "dbus-run-session": "dbus-daemon",
    "dbus-send": "dbus-bin",
    "xdotool": "xdotool",
    "/usr/libexec/at-spi-bus-launcher": "at-spi2-core",
}


def fail(message):
    print(f"screen_reader: {message}", file=sys.stderr)
    sys.exit(2)


def check_tools():
    missing = [package for tool, package in NEEDED.items()
               if not (os.access(tool, os.X_OK) if tool.startswith("/") else shutil.which(tool))]
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("python3-pyatspi")
    if missing:
        fail("missing Debian packages: " + " ".join(sorted(set(missing))))


def outer(argv):
    """Runs this script again inside its own X server and D-Bus session."""
    # The Debian package python3-pyatspi belongs to Debian's own Python.
    debian_python = "/usr/bin/python3"
    if os.path.realpath(sys.executable) != os.path.realpath(debian_python) and os.access(debian_python, os.X_OK):
        os.execv(debian_python, [debian_python, os.path.abspath(__file__)] + argv[1:])
    if len(argv) < 2:
        fail(__doc__.strip().splitlines()[2].strip())
    binary = os.path.abspath(argv[1])
    if not os.access(binary, os.X_OK):
        fail(f"not a program: {binary}")
    forms = argv[2:] or ["Form2"]
    for form in forms:
        if form not in SCREENS:
            fail(f"unknown screen {form}; choose from {', '.join(SCREENS)}")
    check_tools()
    env = dict(os.environ, TERMALO_SCREEN_READER_INNER="1")
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    env.pop("AT_SPI_BUS_ADDRESS", None)
    command = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24",
               "dbus-run-session", "--", debian_python, os.path.abspath(__file__), binary] + forms
    sys.exit(subprocess.call(command, env=env))


# ---- Inside the private session --------------------------------------------

def start_accessibility_bus():
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + 10
    while time.time() < deadline:
        probe = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                               capture_output=True, text=True)
        if probe.returncode == 0 and "string" in probe.stdout:
            return launcher
        time.sleep(0.1)
    fail("the accessibility bus did not start")


def start_program(binary):
    env = dict(os.environ,
               QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LANG="pl_PL.UTF-8",
               LC_ALL="pl_PL.UTF-8")
    # Its messages go to a file, read only if it fails to start.
    log = tempfile.TemporaryFile()
    program = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=log)
    program.log = log
    return program


def shorten(text, most=60):
    if text is None or len(text) <= most:
        return repr(text)
    return repr(text[:most]) + f"... ({len(text)} characters sent)"


class Reader:
    def __init__(self, pyatspi, program):
        self.pyatspi = pyatspi
        self.program = program
        self.app = None
        self.recording = False
        self.typed_into = None
        self.lines = []

    # -- finding things --------------------------------------------------

    def pump(self, seconds):
        """Lets AT-SPI events arrive for a while."""
        from gi.repository import GLib
        context = GLib.MainContext.default()
        deadline = time.time() + seconds
        while time.time() < deadline:
            while context.pending():
                context.iteration(False)
            time.sleep(0.01)

    def wait_for(self, what, find, seconds=15):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if self.program.poll() is not None:
                self.program.log.seek(0)
                fail(f"the program ended while waiting for {what}: "
                     + self.program.log.read().decode(errors="replace"))
            found = find()
            if found is not None:
                return found
            self.pump(0.1)
        fail(f"{what} did not appear")

    def find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name and app.name.lower().startswith("termalo"):
                return app
        return None

    def window(self, caption):
        if self.app is None:
            return None
        for i in range(self.app.childCount):
            w = self.app.getChildAtIndex(i)
            if w is not None and w.name == caption and w.getState().contains(self.pyatspi.STATE_SHOWING):
                return w
        return None

    @staticmethod
    def descendants(node):
        yield node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from Reader.descendants(child)

    def find(self, root, role, name):
        for node in self.descendants(root):
            if node.getRoleName() == role and node.name == name:
                return node
        return None

    def press(self, window, name):
        button = self.find(window, "push button", name)
        if button is None:
            fail(f'no button "{name}" in "{window.name}"')
        action = button.queryAction()
        for i in range(action.nActions):
            if action.getName(i) == "Press":
                action.doAction(i)
                return
        fail(f'the button "{name}" offers no Press action')

    # -- what is read ------------------------------------------------------

    @staticmethod
    def text_of(node):
        try:
            text = node.queryText()
        except NotImplementedError:
            return None
        return text

    def describe(self, node):
        role = node.getRoleName()
        line = f'{role} "{node.name}"'
        text = self.text_of(node)
        if text is not None and role != "label":
            content = text.getText(0, -1)
            line += f" text={content!r} ({text.characterCount} characters, caret {text.caretOffset})"
        return line

    def print_tree(self, node, depth=0):
        if node.getRoleName() == "list":
            # A list's items on one line.
            items = [node.getChildAtIndex(i).name for i in range(node.childCount)]
            print("  " * depth + f'{self.describe(node)} of {len(items)} items: ' + ", ".join(items))
            return
        print("  " * depth + self.describe(node))
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                self.print_tree(child, depth + 1)

    def on_event(self, event):
        if not self.recording:
            return
        source = event.source
        # Events of the field being typed into are shown plainly; others say whose they are.
        who = "" if source == self.typed_into else f'  [{source.getRoleName()} "{source.name}"]'
        kind = event.type
        if kind.startswith("object:text-changed"):
            what = "insert" if kind.endswith("insert") else "delete"
            self.lines.append(f"  {what} at {event.detail1}, {event.detail2} characters {shorten(event.any_data)}{who}")
        elif kind.startswith("object:text-caret-moved"):
            self.lines.append(f"  caret {event.detail1}{who}")
        elif kind.startswith("object:text-selection-changed"):
            text = self.text_of(source)
            selected = ""
            if text is not None and text.getNSelections() > 0:
                start, end = text.getSelection(0)
                selected = f" {start}..{end} {text.getText(start, end)!r}"
            self.lines.append(f"  selection{selected}{who}")

    def flush(self):
        for line in self.lines:
            print(line)
        self.lines.clear()

    def key(self, *keys, typed=None):
        if typed is not None:
            subprocess.run(["xdotool", "type", "--delay", "80", typed], check=True)
        else:
            subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)
        self.pump(0.6)

    def type_into_focus(self, window):
        field = None
        for node in self.descendants(window):
            if node.getRoleName() == "text" and node.getState().contains(self.pyatspi.STATE_FOCUSED):
                field = node
                break
        if field is None:
            fail(f'no focused field in "{window.name}"')
        print(f'Typing into {self.describe(field)}:')
        self.typed_into = field
        self.recording = True
        steps = [
            ("types 'Zdrój 7'", dict(typed="Zdrój 7")),
            ("BackSpace", dict(keys=("BackSpace",))),
            ("Home", dict(keys=("Home",))),
            ("Right", dict(keys=("Right",))),
            ("Shift+End", dict(keys=("shift+End",))),
            ("Delete", dict(keys=("Delete",))),
            ("types 'drój'", dict(typed="drój")),
            ("Shift+Home", dict(keys=("shift+Home",))),
            ("types 'U' over the selection", dict(typed="U")),
            ("types 'stroń'", dict(typed="stroń")),
        ]
        for label, step in steps:
            self.lines.append(f"- {label}")
            if "typed" in step:
                self.key(typed=step["typed"])
            else:
                self.key(*step["keys"])
        # A screen reader's own edits, and a text of two million characters.
        editable = field.queryEditableText()
        huge = "7" * 2_000_000
        for label, edit in [
            ("the screen reader inserts ' Zdrój' at the end", lambda: editable.insertText(6, " Zdrój", 6)),
            ("the screen reader sets a text of 2000000 characters", lambda: editable.setTextContents(huge)),
            ("the screen reader deletes all but the first 6 characters", lambda: editable.deleteText(6, 2_000_000)),
        ]:
            self.lines.append(f"- {label}")
            edit()
            self.pump(0.6)
            if len(huge) == field.queryText().characterCount:
                text = field.queryText()
                self.lines.append(f"  reads 10 characters at 1000000: {text.getText(1_000_000, 1_000_010)!r}")
                huge = ""
        self.pump(0.5)
        self.recording = False
        self.flush()
        print(f"Afterwards: {self.describe(field)}")


def inner(argv):
    import pyatspi

    binary, forms = argv[1], argv[2:]
    launcher = start_accessibility_bus()
    program = start_program(binary)
    reader = Reader(pyatspi, program)
    for kind in ("object:text-changed", "object:text-caret-moved", "object:text-selection-changed"):
        pyatspi.Registry.registerEventListener(reader.on_event, kind)
    try:
        reader.app = reader.wait_for("the program on the accessibility bus", reader.find_app)
        main = reader.wait_for("the main window", lambda: reader.window("Termalo 1.0"))
        previous = main
        for form in ["Form2", "Form3"]:
            caption, button = SCREENS[form]
            reader.press(previous, button)
            window = reader.wait_for(f'"{caption}"', lambda: reader.window(caption))
            reader.pump(1.0)
            if form in forms:
                print(f"=== {form}: {caption}")
                reader.print_tree(window)
                print()
                reader.type_into_focus(window)
                print()
            previous = window
            if form == forms[-1]:
                break
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
        launcher.terminate()


if __name__ == "__main__":
    if os.environ.get("TERMALO_SCREEN_READER_INNER"):
        inner(sys.argv)
    else:
        outer(sys.argv)
