"""Shared harness of the end-to-end tests: the real portal on a private X server.

Every test script runs under scripts/xvfb-run-test (which gives it its own Xvfb and sets DISPLAY)
and uses one Session, which prepares everything else around the portal:
  - a scratch folder in the build tree for logs, records and screenshots, emptied at the start;
  - a private PATH holding only recording stubs named like the desktop tools the portal starts;
  - private XDG folders whose default handler for every link scheme is a recording stub;
  - a private HOME, no session bus and no system bus unless a test brings its own (logind mock);
  - the sample server scripts/serve-demo on 127.0.0.1:8173 with a page the test writes;
  - the portal itself, bounded in time by `timeout`.
Processes are ended by their own process ids when the session closes. A missing tool makes the
test exit with 77, which CTest reports as skipped.
"""

import argparse
import datetime
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import time
from pathlib import Path

SKIP = 77
PORT = 8173
ORIGIN = f"http://127.0.0.1:{PORT}"
DIRECTORY_ADDRESS = f"{ORIGIN}/directory.htm"
START_MARKER = "////开始"
END_MARKER = "////结束"
SCREEN = (1024, 768)

# Longest life of any process a test starts; CTest ends each test after 90 s.
PROCESS_SECONDS = 80

# Window titles, as the window definitions give them.
MAIN_TITLE = "QQ：100001"
NOTICE_TITLE = "智能云公告栏"
REMOTE_TITLE = "电视机遥控器"


class Skip(Exception):
    """The test cannot run here; reported to CTest as skipped."""


class Failure(Exception):
    """A checked behaviour did not hold."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def centre(left, top, width, height):
    """Window-relative centre of a control given by its layout rectangle."""
    return left + width // 2, top + height // 2


# ---------------------------------------------------------------------------------------------
# Directory pages


def demo_values(source_dir):
    """The entries of the sample directory (demo/directory.utf8.htm), in page order."""
    text = (Path(source_dir) / "demo" / "directory.utf8.htm").read_text(encoding="utf-8")
    section = text.split(START_MARKER, 1)[1].split(END_MARKER, 1)[0]
    return dict(re.findall(r"<p>([^=<]+)=(.*?)</p>", section))


def directory_page(values):
    """A GBK directory page holding the given entries between the two markers."""
    lines = ["<html><head><meta charset=\"gbk\"><title>e2e</title></head><body>", START_MARKER]
    lines += [f"<p>{key}={value}</p>" for key, value in values.items()]
    lines += [END_MARKER, "</body></html>", ""]
    return "\r\n".join(lines).encode("gbk")


def player_path(values, key):
    """Path and query the browser requests for channel `key`: value & scan & scan &."""
    address = f"{values[key]}&{values['水平扫描']}&{values['垂直扫描']}&"
    check(address.startswith(ORIGIN + "/"), f"{key} is not served by the sample server: {address}")
    return address[len(ORIGIN):]


def local_path(value):
    check(value.startswith(ORIGIN + "/"), f"not served by the sample server: {value}")
    return value[len(ORIGIN):]


# ---------------------------------------------------------------------------------------------
# Small helpers


def wait_for(predicate, seconds, what, interval=0.1):
    """Polls predicate until it returns a true value, which is returned; Failure after seconds."""
    deadline = time.monotonic() + seconds
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {seconds} s waiting for {what}")
        time.sleep(interval)


def port_open(port=PORT):
    with socket.socket() as s:
        s.settimeout(0.2)
        return s.connect_ex(("127.0.0.1", port)) == 0


def tool_program_names(source_dir):
    """Every program name the portal may start for a tool (src/platform/linux/tool_programs.h)."""
    header = (Path(source_dir) / "src/platform/linux/tool_programs.h").read_text(encoding="utf-8")
    names = set()
    for block in re.findall(r"\{([^{}]*)\}", header):
        names.update(re.findall(r'"([A-Za-z0-9._+-]+)"', block))
    check(names, "no program names found in tool_programs.h")
    return sorted(names)


def local_clock_zone(target="12:30"):
    """A fixed-offset TZ value under which the local time is now about `target` (hh:mm).

    Tests that type a time of day run in such a zone, so that neither midnight nor the full hour
    falls inside the test, whatever the real time is."""
    hours, minutes = (int(part) for part in target.split(":"))
    now = datetime.datetime.now(datetime.timezone.utc)
    offset = (hours * 60 + minutes) - (now.hour * 60 + now.minute)
    offset = (offset + 12 * 60) % (24 * 60) - 12 * 60  # -12:00 .. +11:59
    # POSIX TZ offsets count west of Greenwich: "TST-5:30" is five and a half hours east.
    sign = "-" if offset >= 0 else "+"
    return f"TST{sign}{abs(offset) // 60}:{abs(offset) % 60:02d}", datetime.timedelta(minutes=offset)


# ---------------------------------------------------------------------------------------------
# The session


class Session:
    """Everything one test needs around the portal; use it in a `with` block."""

    def __init__(self, name, description):
        parser = argparse.ArgumentParser(description=description)
        parser.add_argument("--portal", required=True, help="the tvportal executable")
        parser.add_argument("--source", required=True, help="the source tree")
        parser.add_argument("--out", required=True, help="scratch folder in the build tree")
        parser.add_argument("--address", default=DIRECTORY_ADDRESS, help="directory address built into the portal")
        self.args = parser.parse_args()
        self.name = name
        self.source = Path(self.args.source).resolve()
        self.portal_program = Path(self.args.portal).resolve()
        self.out = Path(self.args.out).resolve()
        self.children = []  # (what, Popen), ended in reverse order
        self.portal = None
        self.server = None
        self.runs = 0
        self.extra_env = {}
        self.closers = []  # called after the processes have ended, last added first

    # -- set-up ---------------------------------------------------------------------------------

    def __enter__(self):
        self._check_tools()
        if self.out.exists():
            shutil.rmtree(self.out)
        for folder in ("home", "runtime", "stubs", "screenshots"):
            (self.out / folder).mkdir(parents=True)
        (self.out / "runtime").chmod(0o700)
        self.links_file = self.out / "links.txt"
        self.tools_file = self.out / "tools.txt"
        self.server_log = self.out / "server.log"
        self._make_tool_stubs()
        self._make_link_recorder()
        return self

    def __exit__(self, kind, value, trace):
        self.end_all()
        return False

    def _check_tools(self):
        if self.args.address != DIRECTORY_ADDRESS:
            raise Skip(f"the portal was built for {self.args.address}; only {DIRECTORY_ADDRESS} is served here")
        if not os.environ.get("DISPLAY"):
            raise Skip("no DISPLAY; run under scripts/xvfb-run-test")
        for tool in ("xdotool", "import", "timeout"):
            if shutil.which(tool) is None:
                raise Skip(f"{tool} is not installed")
        if not self.portal_program.is_file():
            raise Failure(f"no portal at {self.portal_program}")
        for script in ("serve-demo", "xdg-recorder-setup"):
            if not (self.source / "scripts" / script).is_file():
                raise Failure(f"scripts/{script} is missing")

    def _make_tool_stubs(self):
        """A private PATH: one stub per tool program, each recording its name when started."""
        stubs = self.out / "stubs"
        for program in tool_program_names(self.source):
            stub = stubs / program
            stub.write_text(f"#!/bin/sh\nprintf '%s\\n' \"${{0##*/}}\" >> '{self.tools_file}'\n")
            stub.chmod(0o755)

    def _make_link_recorder(self):
        result = subprocess.run(
            [str(self.source / "scripts/xdg-recorder-setup"), str(self.out / "xdg"), str(self.links_file)],
            capture_output=True, text=True, timeout=20, check=True)
        self.xdg_env = dict(line.split("=", 1) for line in result.stdout.splitlines() if "=" in line)
        # Local files would go to the recorder too, so that a file address that slipped through
        # would be seen rather than opened by whatever the system offers for it.
        mimeapps = Path(self.xdg_env["XDG_CONFIG_HOME"]) / "mimeapps.list"
        text = mimeapps.read_text()
        extra = ["text/plain", "application/octet-stream", "inode/directory"]
        text = text.replace("[Default Applications]\n",
                            "[Default Applications]\n" + "".join(f"{t}=tv-link-recorder.desktop\n" for t in extra))
        text = text.replace("[Added Associations]\n",
                            "[Added Associations]\n" + "".join(f"{t}=tv-link-recorder.desktop;\n" for t in extra))
        mimeapps.write_text(text)

    # -- processes ------------------------------------------------------------------------------

    def _start(self, what, command, **kwargs):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, **kwargs)
        self.children.append((what, process))
        return process

    def end(self, process, seconds=5):
        """Ends one process this session started, by its process id."""
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(seconds)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(seconds)
        self.children = [(w, p) for (w, p) in self.children if p is not process]

    def end_all(self):
        for _, process in reversed(list(self.children)):
            self.end(process)
        while self.closers:
            self.closers.pop()()

    def serve(self, values=None, page_name="directory.htm", media=None, seconds=PROCESS_SECONDS):
        """Starts the sample server with a page built from `values` (default: the sample page)."""
        if self.server is not None:
            self.end(self.server)
        command = [sys.executable, str(self.source / "scripts/serve-demo"), "--port", str(PORT),
                   "--log", str(self.server_log), "--seconds", str(seconds)]
        if values is not None:
            page = self.out / page_name
            page.write_bytes(directory_page(values))
            command += ["--page", str(page)]
        if media is not None:
            command += ["--media", str(media)]
        # Outside CTest (which never runs two users of the port at once) another program may hold
        # the port for a while: wait for it, and start again when the server could not listen.
        deadline = time.monotonic() + 40
        while True:
            wait_for(lambda: not port_open(), max(1, deadline - time.monotonic()), f"port {PORT} to be free")
            self.server_log.write_text("")
            output_path = self.out / "server.out"
            output_path.write_text("")
            with open(output_path, "a") as output:
                self.server = self._start("server", command, stdout=output, stderr=subprocess.STDOUT)
            wait_for(lambda: self.server.poll() is not None or "serving" in output_path.read_text(), 10,
                     "serve-demo to start")
            if self.server.poll() is None:
                return self.server
            self.end(self.server)
            if time.monotonic() > deadline:
                raise Failure(f"serve-demo could not listen: {output_path.read_text().strip()}")
            time.sleep(0.5)

    def portal_env(self):
        env = {
            "PATH": str(self.out / "stubs"),
            "HOME": str(self.out / "home"),
            "XDG_CACHE_HOME": str(self.out / "home/.cache"),
            "XDG_RUNTIME_DIR": str(self.out / "runtime"),
            "DISPLAY": os.environ["DISPLAY"],
            "LANG": "C.UTF-8",
            "NO_AT_BRIDGE": "1",
            "GSETTINGS_BACKEND": "memory",
            # Neither bus exists: nothing reaches a desktop session or the real system.
            "DBUS_SESSION_BUS_ADDRESS": f"unix:path={self.out}/no-session-bus",
            "DBUS_SYSTEM_BUS_ADDRESS": f"unix:path={self.out}/no-system-bus",
        }
        env.update(self.xdg_env)
        env.update(self.extra_env)
        return env

    def start_portal(self):
        """Starts the portal and waits for its start-up directory request and its main window."""
        if self.portal is not None:
            self.end(self.portal)
            wait_for(lambda: not self.windows(), 10, "the previous portal's windows to go")
        self.runs += 1
        output = open(self.out / f"portal-{self.runs}.out", "w")
        # `timeout` ends the portal by itself should the test be killed before it can.
        command = [shutil.which("timeout"), "--kill-after=3", str(PROCESS_SECONDS), str(self.portal_program)]
        self.portal = self._start("portal", command, cwd=self.out / "home", env=self.portal_env(), stdout=output,
                                  stderr=subprocess.STDOUT)
        self.wait_request("/directory.htm", 20)
        self.main = wait_for(lambda: self.window(MAIN_TITLE), 20, "the main window")
        return self.portal

    def portal_running(self):
        return self.portal is not None and self.portal.poll() is None

    # -- the server's log -----------------------------------------------------------------------

    def requests(self):
        """Paths (with query) the sample server was asked for, in order."""
        lines = self.server_log.read_text(encoding="utf-8", errors="replace").splitlines()
        return [line.split(" ", 1)[1] for line in lines if line.startswith("GET ")]

    def request_count(self, path):
        return self.requests().count(path)

    def wait_request(self, path, seconds=15, count=1):
        wait_for(lambda: self.request_count(path) >= count, seconds,
                 f"request #{count} for {path} (server saw: {self.requests()[-6:]})")

    # -- records of the stubs -------------------------------------------------------------------

    def links(self):
        return self.links_file.read_text().splitlines() if self.links_file.exists() else []

    def tools(self):
        return self.tools_file.read_text().splitlines() if self.tools_file.exists() else []

    # -- windows and input ----------------------------------------------------------------------

    def xdotool(self, *arguments, check_result=True):
        result = subprocess.run(["xdotool", *map(str, arguments)], capture_output=True, text=True, timeout=15)
        if check_result and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(map(str, arguments))} failed: {result.stderr.strip()}")
        return result.stdout

    def windows(self, title=None):
        """Visible top-level windows of the portal, optionally only those with the given title."""
        if not self.portal_running():
            return []
        pattern = f"^{re.escape(title)}$" if title else "."
        found = self.xdotool("search", "--onlyvisible", "--name", pattern, check_result=False).split()
        return [w for w in found if self.geometry(w) is not None]

    def window(self, title):
        found = self.windows(title)
        return found[0] if len(found) == 1 else None

    def geometry(self, window):
        """(left, top, width, height) of a window, or None once it is gone."""
        result = subprocess.run(["xdotool", "getwindowgeometry", "--shell", str(window)], capture_output=True,
                                text=True, timeout=10)
        if result.returncode != 0:
            return None
        values = dict(line.split("=", 1) for line in result.stdout.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def press(self, window, x, y):
        """Moves the pointer to window-relative (x, y) and clicks the left button there."""
        left, top, _, _ = self.geometry(window)
        self.move_pointer(left + x, top + y)
        time.sleep(0.15)
        self.xdotool("click", 1)
        time.sleep(0.3)

    def move_pointer(self, x, y):
        """Moves the pointer to screen position (x, y) and waits until it is there. (xdotool's own
        wait never ends when the pointer already stands at the target.)"""
        location = dict(pair.split(":", 1) for pair in self.xdotool("getmouselocation").split() if ":" in pair)
        if (int(location["x"]), int(location["y"])) != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def keys(self, *names, delay_ms=40):
        self.xdotool("key", "--delay", delay_ms, *names)

    def type_text(self, text):
        self.xdotool("type", "--delay", 60, text)

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", window)
        time.sleep(0.2)

    def screenshot(self, label):
        """Saves the whole screen as screenshots/<label>.png in the scratch folder."""
        path = self.out / "screenshots" / f"{label}.png"
        subprocess.run(["import", "-window", "root", str(path)], check=True, timeout=20,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        print(f"screenshot: {path}")
        return path

    def region_signature(self, left, top, width, height):
        """The screen's pixels in a rectangle, as raw RGB bytes (for comparing before and after)."""
        result = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "+repage",
                                 "-depth", "8", "rgb:-"], capture_output=True, timeout=20, check=True)
        return result.stdout

    def changed_fraction(self, before, after):
        """Share of bytes that differ between two region signatures of the same rectangle."""
        return sum(1 for a, b in zip(before, after) if a != b) / max(1, len(before))

    def share_of_colour(self, rect, colour, tolerance=8):
        """Share of the pixels in a screen rectangle that have the given (r, g, b) colour."""
        data = self.region_signature(*rect)
        pixels = [data[i:i + 3] for i in range(0, len(data) - 2, 3)]
        near = sum(1 for p in pixels if all(abs(p[c] - colour[c]) <= tolerance for c in range(3)))
        return near / max(1, len(pixels))

    def screen_rect(self, window, rect):
        """A window-relative rectangle in screen coordinates."""
        left, top, _, _ = self.geometry(window)
        return left + rect[0], top + rect[1], rect[2], rect[3]

    def read_primary_selection(self):
        """The text of the PRIMARY selection (what is selected on the display), or None when
        GTK's Python bindings are not available to read it."""
        program = ("import gi, sys\n"
                   "gi.require_version('Gdk', '3.0')\n"
                   "gi.require_version('Gtk', '3.0')\n"
                   "from gi.repository import Gdk, Gtk\n"
                   "text = Gtk.Clipboard.get(Gdk.SELECTION_PRIMARY).wait_for_text()\n"
                   "sys.stdout.write(text or '')\n")
        result = subprocess.run([sys.executable, "-c", program], capture_output=True, text=True, timeout=15)
        return result.stdout if result.returncode == 0 else None


def run(body, name, description):
    """Runs body(session) and turns the outcome into the exit status CTest expects."""
    try:
        with Session(name, description) as session:
            body(session)
    except Skip as reason:
        print(f"SKIPPED: {reason}")
        sys.exit(SKIP)
    except Failure as reason:
        print(f"FAILED: {reason}", file=sys.stderr)
        sys.exit(1)
    print(f"{name}: passed")
    sys.exit(0)
