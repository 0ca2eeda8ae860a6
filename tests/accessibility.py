#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Each window as a screen reader meets it: AT-SPI on a private session bus and a virtual display,
accessibility switched on as a desktop does; the keyboard commands typed with xdotool.
Usage: accessibility.py <ovrana>"""
import datetime, os, shutil, signal, subprocess, sys, tempfile, time

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
REGISTRY = "/usr/libexec/at-spi2-registryd"
program = os.path.abspath(sys.argv[1])
work = tempfile.mkdtemp()
# No switch in the program's environment turns accessibility on: only the bus's status does.
env = {k: v for k, v in os.environ.items()
       if not k.startswith(("QT_", "DBUS_", "DISPLAY", "WAYLAND", "AT_SPI"))}
env.update(HOME=work, XDG_CONFIG_HOME=work + "/config", XDG_RUNTIME_DIR=work, LC_ALL="en_GB.UTF-8",
           DBUS_SESSION_BUS_ADDRESS="unix:path=" + work + "/bus")
daemons = []  # stopped by pid, the last started first
signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # a timeout stops them too


def start(*args, **more_env):
    daemons.append(subprocess.Popen(args, cwd=work, env=dict(env, **more_env),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    return daemons[-1]


def start_display():
    """A display of its own, as tests/common.sh starts one: not Xvfb -displayfd, which unlinks
    the sockets of the servers it passes over."""
    for n in range(10 + os.getpid() % 500, 610):
        lock = "/tmp/.X%d-lock" % n
        if os.path.exists(lock):
            continue
        server = start("Xvfb", ":%d" % n, "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                       "-noreset")

        def settled():  # ours once its lock names it; it ends when another server has the number
            try:
                return server.poll() is not None or open(lock).read().strip() == str(server.pid)
            except OSError:
                return False
        wait_for(settled, "the display's lock")
        if server.poll() is None:
            return ":%d" % n
    raise AssertionError("no free display")


def succeeds(*args):
    return subprocess.run(args, env=env, capture_output=True).returncode == 0


def wait_for(check, what):  # a guard against hangs, far above the usual time
    for _ in range(300):
        found = check()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError("timed out: " + what)


def keys(*names, into=None):
    if into:  # without a window manager nobody hands the focus back when a dialog closes
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", into],
                                env=env, capture_output=True, text=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True)
    subprocess.run(["xdotool", "key", "--delay", "150", *names], env=env, check=True)


def tree(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from tree(child)


def has(node, state):
    return node.getState().contains(state)


def window(app, name):
    """The window of `app` named `name` once it shows, read afresh."""
    def shown():
        app.clear_cache()
        return next((w for w in app if w is not None and w.name == name
                     and has(w, pyatspi.STATE_SHOWING)), None)
    return wait_for(shown, "window " + name)


def focused(app, name, role, text):
    """Waits until the focus is on the control named `text`; a table's current cell counts."""
    wait_for(lambda: any(n.name.strip() == text and n.getRole() == role and
                         has(n, pyatspi.STATE_FOCUSED) for n in tree(window(app, name))),
             "the focus on %s in %s" % (text, name))


def check_names(app, name, roles={}):
    """No control the focus can reach without a name; the named ones in their roles."""
    nodes = list(tree(window(app, name)))
    unnamed = [n.getRoleName() for n in nodes if has(n, pyatspi.STATE_FOCUSABLE) and not n.name
               and n.getRole() not in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LABEL)]  # empty text
    assert not unnamed, "%s: controls without a name: %s" % (name, unnamed)
    found = {n.name: n.getRole() for n in nodes if n.name in roles}
    assert found == roles, "%s: roles %s" % (name, found)


def open_app(*args):
    process = start(program, *args)

    def registered():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == process.pid and app.childCount:
                return app
    return process, wait_for(registered, "the program on the accessibility bus")


try:
    if not os.path.exists(LAUNCHER):
        sys.exit(77)
    env["DISPLAY"] = start_display()
    # A session bus that starts no service of its own: every daemon here is started by pid.
    with open("/usr/share/dbus-1/session.conf") as standard, open(work + "/bus.conf", "w") as conf:
        conf.write(standard.read().replace("<standard_session_servicedirs />", "").replace(
            "<listen>unix:tmpdir=/tmp</listen>", "<listen>%s</listen>" % env["DBUS_SESSION_BUS_ADDRESS"]))
    start("dbus-daemon", "--nofork", "--config-file=" + work + "/bus.conf")
    wait_for(lambda: os.path.exists(work + "/bus") and succeeds("xdotool", "getmouselocation"),
             "display and bus")
    # The switch as the desktop's settings hold it, kept in memory rather than in a dconf service.
    start(LAUNCHER, "--launch-immediately", GSETTINGS_BACKEND="memory")
    bus = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus"]
    wait_for(lambda: succeeds(*bus, "org.a11y.Bus.GetAddress"), "the accessibility bus")
    reply = subprocess.run(bus + ["org.a11y.Bus.GetAddress"], env=env, capture_output=True, text=True)
    a11y_bus = reply.stdout.split('"')[1]
    start(REGISTRY)  # here rather than activated by that bus, so that it is stopped with the rest
    wait_for(lambda: succeeds("dbus-send", "--bus=" + a11y_bus, "--print-reply",
                              "--dest=org.freedesktop.DBus", "/", "org.freedesktop.DBus.GetNameOwner",
                              "string:org.a11y.atspi.Registry"), "the registry")
    assert succeeds(*bus, "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                    "string:IsEnabled", "variant:boolean:true")
    os.environ.clear()
    os.environ.update(env)
    import pyatspi

    today = datetime.date.today()
    with open(work + "/ovras.ini", "w") as data:
        data.write("# header\nAnna Lindqvist,%02d%02d1976,2,-1,14,0,0,,\n" % (today.day, today.month)
                   + "Car insurance,01092015,16,-1,20,1,0,,\n")
    with open(work + "/c.vcf", "w") as cards:
        cards.write("BEGIN:VCARD\nVERSION:3.0\nFN:Zoe Young\nBDAY:1990-05-01\nEND:VCARD\n")

    # The reminder: read on arrival from its first sentence; Return is still OK.
    process, app = open_app()
    check_names(app, " Ovrana", {"Reminders": pyatspi.ROLE_TREE, "OK": pyatspi.ROLE_PUSH_BUTTON})
    focused(app, " Ovrana", pyatspi.ROLE_TABLE_CELL, "Anna Lindqvist is %d today" % (today.year - 1976))
    keys("Return")
    assert process.wait(30) == 0

    # The Options dialog, the rows as records, and its keys.
    process, app = open_app("--options")
    check_names(app, "Options", {"Filter": pyatspi.ROLE_TEXT, "Records": pyatspi.ROLE_TABLE,
                                 "Ovrana user guide": pyatspi.ROLE_LINK,
                                 "Question mark": pyatspi.ROLE_LIST_ITEM})
    table = next(n for n in tree(window(app, "Options")) if n.name == "Records").queryTable()
    anna = table.getAccessibleAt(0, 0)
    assert anna.name == "Anna Lindqvist" and "Warn: 14, Age today: " in anna.description
    keys("ctrl+f", into="^Options$")
    focused(app, "Options", pyatspi.ROLE_TEXT, "Filter")
    keys("Return", "F2")  # from the filter to the first row, then edit it
    check_names(app, "Anna Lindqvist - properties", {"Year unknown": pyatspi.ROLE_CHECK_BOX})
    keys("Escape")
    keys("Return", into="^Options$")
    window(app, "Anna Lindqvist - properties")
    keys("Escape")
    keys("ctrl+n", into="^Options$")
    focused(app, "No name", pyatspi.ROLE_TEXT, "Name:")
    keys("Escape")
    keys("Delete", into="^Options$")
    wait_for(lambda: table.nRows == 1, "Delete")
    keys("alt+i")
    window(app, "Import contacts")  # the file dialog first
    subprocess.run(["xdotool", "type", work + "/c.vcf"], env=env, check=True)
    keys("Return")
    wait_for(lambda: sum(w.name == "Import contacts" for w in app) == 1 and
             any(n.name == "New records:" for n in tree(window(app, "Import contacts"))),
             "the import preview")
    check_names(app, "Import contacts", {"Import 1 record": pyatspi.ROLE_PUSH_BUTTON})
    keys("Escape")
    keys("alt+a", into="^Options$")
    check_names(app, "Address books", {"Address books": pyatspi.ROLE_TREE})
    wait_for(lambda: not any(n.name == "Add..." and not has(n, pyatspi.STATE_ENABLED)
                             for n in tree(window(app, "Address books"))), "the books listed")
    keys("alt+a")
    check_names(app, "Add address books", {"Address books found": pyatspi.ROLE_TREE})
    keys("Escape")
    wait_for(lambda: any(n.name == "Publish..." and has(n, pyatspi.STATE_ENABLED)
                         for n in tree(window(app, "Address books"))), "Publish")
    keys("alt+p", into="^Address books$")
    check_names(app, "Publish the dates to a calendar", {"Publish": pyatspi.ROLE_PUSH_BUTTON})
    print("ok")
finally:
    for daemon in reversed(daemons):
        daemon.terminate()
        daemon.wait()
    shutil.rmtree(work)
