#!/usr/bin/env python3
"""end_to_end.py WORKBENCH PLUGIN: the workbench in a real window under Xvfb, used as a person
uses it, found through the accessibility tree (AT-SPI) by name and role, with real mouse clicks.
Exits 0 when it passed, 1 with the failed step, 77 (skipped) without Xvfb, D-Bus or AT-SPI."""
import importlib.util
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")


WORKBENCH_LOG = []  # the file the workbench writes its output to, once it runs


def fail(why, code=1):
    print(f"end-to-end test {'skipped' if code == 77 else 'failed'}: {why}")
    if WORKBENCH_LOG:
        with open(WORKBENCH_LOG[0], encoding="utf-8", errors="replace") as log:
            print("the workbench's output:\n" + log.read())
    sys.exit(code)


def wait(what, condition, timeout=90):
    """Polls the condition until it gives something true; the tree changes under us, so an
    error in between counts as not yet."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            result = condition()
            if result:
                return result
        except Exception:  # noqa: BLE001 - objects vanish while the window changes
            pass
        time.sleep(0.2)
    fail(f"no {what} within {timeout} s")


def start(command, env, what=None):
    """Starts a process; with what, reads the first line it prints (display, bus address)."""
    process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, text=True,
                               stdout=subprocess.PIPE if what else None)
    line = process.stdout.readline().strip() if what else ""
    if what and not line:
        fail(f"{what} did not start")
    return process, line


def accepting(display, env, server, timeout=30):
    """Waits until the X server answers a client (xdpyinfo where it is installed), or at least
    takes connections on its socket (abstract, then the file); False when the server ended first."""
    end = time.monotonic() + timeout
    xdpyinfo = shutil.which("xdpyinfo")
    while time.monotonic() < end:
        if server.poll() is not None:
            return False
        if xdpyinfo:
            if subprocess.run([xdpyinfo, "-display", ":" + display], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, check=False).returncode == 0:
                return server.poll() is None
        else:
            for address in ("\0/tmp/.X11-unix/X" + display, "/tmp/.X11-unix/X" + display):
                with socket.socket(socket.AF_UNIX) as probe:
                    try:
                        probe.connect(address)
                        return server.poll() is None
                    except OSError:
                        pass
        time.sleep(0.1)
    fail(f"the X server on :{display} takes no connections")


def own_x_server(env, processes):
    """Starts an X server of the test's own and returns its display once it answers."""
    # -noreset: by default the server starts afresh whenever its last client leaves (the probe
    # below, the accessibility launcher) and refuses connections meanwhile; a workbench started
    # then could not open the display, most often on a loaded machine.
    xvfb, display = start(["Xvfb", "-displayfd", "1", "-noreset", "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                          env, "Xvfb")
    processes.append(xvfb)
    if not accepting(display, env, xvfb):
        fail(f"the X server on :{display} ended at its start")
    return display


def x_answers():
    return subprocess.run(["xdpyinfo"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          check=False).returncode == 0 if shutil.which("xdpyinfo") else True


def launch(command, env, scratch):
    """Starts the workbench once, its output in a file: a workbench that ends early fails the
    test with what it printed (a crash at start-up must not hide behind a second try)."""
    WORKBENCH_LOG.append(os.path.join(scratch, "workbench.log"))
    with open(WORKBENCH_LOG[0], "w", encoding="utf-8") as log:
        return subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)


def main():
    workbench, plugin = sys.argv[1], sys.argv[2]
    launcher = next((path for path in LAUNCHERS if os.access(path, os.X_OK)), None)
    for missing, why in ((not shutil.which("Xvfb"), "Xvfb is not installed (package xvfb)"),
                         (not shutil.which("dbus-daemon"), "dbus-daemon is not installed"),
                         (not launcher, "the AT-SPI bus is not installed (package at-spi2-core)"),
                         (not importlib.util.find_spec("pyatspi"), "pyatspi is not installed (package python3-pyatspi)")):
        if missing:
            fail(why, 77)

    processes = []
    with tempfile.TemporaryDirectory() as scratch:
        env = dict(os.environ, XDG_RUNTIME_DIR=scratch, HOME=scratch, XDG_CONFIG_HOME=os.path.join(scratch, "config"))
        try:
            env["DISPLAY"] = ":" + own_x_server(env, processes)
            bus, env["DBUS_SESSION_BUS_ADDRESS"] = start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env,
                                                         "the D-Bus session")
            processes += [bus, start([launcher, "--launch-immediately"], env)[0]]
            os.environ.update(env)
            # The workbench's own output is shown only when it fails: with the platform's messages,
            # which say why it could not open the display.
            app = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            app.pop("QT_LOGGING_RULES", None)
            processes.append(launch([workbench, "--plugin", plugin], app, scratch))
            drive(processes[-1])
        finally:
            for process in reversed(processes):
                process.terminate()
                try:
                    process.wait(timeout=20)
                except subprocess.TimeoutExpired:
                    process.kill()


def drive(workbench):
    import pyatspi  # only now: it connects to the session bus started above

    def descendants(root):  # breadth first over what is shown: the hidden pages stay out
        queue = [root]
        while queue:
            node = queue.pop(0)
            yield node
            for index in range(node.childCount):
                child = node.getChildAtIndex(index)
                if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
                    queue.append(child)

    def find(root, roles, name, start=False):
        for node in descendants(root):
            if node.getRoleName() in roles and (node.name.startswith(name) if start else node.name == name):
                return node
        return None

    def click(node):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, pyatspi.MOUSE_B1C)

    def checked(node):
        return node.getState().contains(pyatspi.STATE_CHECKED)

    def text(node):
        return node.queryText().getText(0, -1)

    def application():
        if workbench.poll() is not None:
            fail(f"the workbench ended with {workbench.returncode}"
                 f" (the X server on {os.environ['DISPLAY']} {'answers' if x_answers() else 'does not answer'})")
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            candidate = desktop.getChildAtIndex(index)
            if candidate is not None and candidate.name == "brevane-workbench" and candidate.childCount:
                return candidate
        return None

    window = wait("the workbench window", lambda: find(application(), {"frame"}, "", True))
    buttons = {"push button", "toggle button", "check box"}

    def labelled(caption):  # a box is named by its entry; its label tells what it is for
        label = find(window, {"label"}, caption, True)
        for relation in label.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
                return relation.getTarget(0)
        return None

    def choose(caption, item, start=False):
        print(f"choosing {item} in {caption}")
        click(wait(f"box {caption}", lambda: labelled(caption)))
        click(wait(f"entry {item}", lambda: find(application(), {"list item", "menu item"}, item, start)))

    def select_page(name):
        print(f"selecting the page {name}")
        click(wait(f"page {name} in the tree", lambda: find(window, {"table cell", "tree item"}, name)))

    panel_page = "Motion block control panel"
    choose("Sprache", "English")  # the window starts in German, as the pages do
    wait("English page names", lambda: find(window, {"table cell", "tree item"}, panel_page))
    choose("Device", "KP2", start=True)
    wait("device KP2 in the status bar", lambda: find(window, {"label"}, "online", True).name.find("KP2") >= 0)

    select_page(panel_page)
    panel = wait("the panel switch", lambda: find(window, buttons, "Control panel on"))
    if checked(panel):
        fail("the panel holds the axis before it was asked to")
    print("taking the axis over")
    click(panel)
    click(wait("the warning's OK", lambda: find(application(), {"push button"}, "OK")))
    wait("the panel holding the axis", lambda: checked(panel))

    print("enabling")
    click(wait("Enable", lambda: find(window, buttons, "Enable")))
    choose("J311", "0", start=True)
    start_button = wait("Start", lambda: find(window, buttons, "Start"))
    wait("Start enabled", lambda: start_button.getState().contains(pyatspi.STATE_ENABLED))
    position = wait("the actual position", lambda: find(window, {"text"}, "I80", True))
    before = text(position)
    print(f"starting block 0 at position {before}")
    click(start_button)
    wait("the position to change", lambda: text(position) != before and text(position))
    print(f"moved to {text(position)}")

    select_page("Motion block operating mode")
    # The log may lie in a dock tabbed behind another: it is read where it is, shown or not.
    log = wait("the host log", lambda: next(child for child in window if child.name == "Host log"))
    wait("the axis handed back", lambda: "stopControlPanel()" in text(pyatspi.findDescendant(log, lambda n: n.getRoleName() == "text")))
    select_page(panel_page)
    panel = wait("the panel switch", lambda: find(window, buttons, "Control panel on"))
    if checked(panel):
        fail("the panel still holds the axis after the page was left")
    print("the axis was handed back")
    keyboard_journey(pyatspi, application, window, descendants, find, checked, panel_page)


def keyboard_journey(pyatspi, application, window, descendants, find, checked, panel_page):
    """The same way without a mouse event: the tree, a diagram link on the overview to the
    panel, the axis taken over with the warning answered, and handed back."""
    keysyms = {"Tab": 0xFF09, "Return": 0xFF0D, "space": 0x20, "Home": 0xFF50, "F6": 0xFFC3}

    def key(name):
        pyatspi.Registry.generateKeyboardEvent(keysyms[name], None, pyatspi.KEY_SYM)
        time.sleep(0.3)

    def focused():  # in the active window, the deepest: a dock's current tab reports the focus too
        app = application()
        windows = [app.getChildAtIndex(index) for index in range(app.childCount)]
        active = next((w for w in windows if w is not None and w.getState().contains(pyatspi.STATE_ACTIVE)), app)
        found = [node for node in descendants(active) if node.getState().contains(pyatspi.STATE_FOCUSED)]
        return found[-1] if found else None

    def current_page(name):
        item = find(window, {"table cell", "tree item"}, name)
        return item is not None and item.getState().contains(pyatspi.STATE_SELECTED)

    print("keyboard: F6 to the page tree")
    panes = []
    for _ in range(8):
        node = focused()
        if node is not None and node.getRoleName() in {"tree table", "tree", "table cell", "tree item"}:
            break
        panes.append(f"{node.getRoleName()} '{node.name}'" if node is not None else "nothing")
        key("F6")
    else:
        fail("F6 never reached the page tree; the focus was on: " + ", ".join(panes))
    key("Home")
    wait("the overview as the current page", lambda: current_page("Drive Based application"))
    print("keyboard: Tab into the page, to the motion block control panel's link")
    seen = []
    for _ in range(80):
        key("Tab")
        node = focused()
        name = node.name if node is not None else ""
        seen.append(name)
        if "SteuertafelApplikation" in name or "Motion block control panel" in name:
            break
    else:
        fail("Tab never reached the link to the panel; reached: " + ", ".join(seen))
    key("space")
    wait("the panel as the current page", lambda: current_page(panel_page))
    panel = wait("the panel switch", lambda: find(window, {"push button", "toggle button", "check box"}, "Control panel on"))
    for _ in range(40):
        if panel.getState().contains(pyatspi.STATE_FOCUSED):
            break
        key("Tab")
    else:
        fail("Tab never reached the panel switch")
    def switch(wanted):
        # Each warning shows until it has once been accepted: the mouse journey accepted the
        # activation warning, so here the switch-off warning is the one answered by key.
        key("space")
        warning = wait("a warning or the switch", lambda: find(application(), {"push button"}, "OK")
                       or (checked(panel) == wanted and "switched"))
        if warning != "switched":
            print("keyboard: answering the warning: Tab to OK, Space")
            for _ in range(6):  # a warning's default may be Cancel, so Return alone proves nothing
                node = focused()
                if node is not None and node.getRoleName() == "push button" and node.name == "OK":
                    break
                key("Tab")
            else:
                fail("Tab never reached the warning's OK")
            key("space")
        wait("the panel switched", lambda: checked(panel) == wanted)

    print("keyboard: taking the axis over")
    switch(True)
    print("keyboard: handing the axis back")
    switch(False)
    print("the keyboard journey went through")


if __name__ == "__main__":
    main()
