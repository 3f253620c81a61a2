"""The real portal on a private virtual X server, watched from outside: its windows, the pixels of
its clock, its resident memory.

A PortalSession starts Xvfb (it picks a free display number itself), then the portal bounded by
`timeout`, with a private HOME, private XDG folders, an empty PATH and no session or system bus,
so nothing it does can reach the desktop of whoever runs the test. Everything it started is ended
by process id when the `with` block closes.
"""

import os
import re
import select
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

# The window titles, the skip code and the small checking helpers are the end-to-end harness's.
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "e2e"))
from harness import MAIN_TITLE, NOTICE_TITLE, REMOTE_TITLE, SKIP, Failure, Skip, check, wait_for  # noqa: E402,F401

MAIN_SIZE = (671, 420)
# The clock labels, window-relative (left, top, width, height): the main window's, and the
# remote-control bar's (in full-window mode the main window's browser covers the main clock).
CLOCK_RECT = (512, 288, 150, 25)
REMOTE_CLOCK_RECT = (184, 16, 120, 23)


def rss_kib(pid):
    """Resident memory of one process in KiB; 0 once it is gone."""
    try:
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


class PortalSession:
    def __init__(self, portal, out, lifetime=120):
        self.portal_program = Path(portal).resolve()
        self.out = Path(out).resolve()
        self.lifetime = lifetime
        self.children = []
        self.env = None
        self.portal = None
        self.launched_at = None

    def __enter__(self):
        for tool in ("Xvfb", "xdotool", "import", "timeout"):
            if shutil.which(tool) is None:
                raise Skip(f"{tool} is not installed")
        check(self.portal_program.is_file(), f"no portal at {self.portal_program}")
        if self.out.exists():
            shutil.rmtree(self.out)
        for folder in ("home", "runtime", "path", "xdg/config", "xdg/data"):
            (self.out / folder).mkdir(parents=True)
        (self.out / "runtime").chmod(0o700)
        self._start_display()
        return self

    def __exit__(self, *exc):
        for process in reversed(self.children):
            self._end(process)
        return False

    # -- processes ------------------------------------------------------------------------------

    def _end(self, process):
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(5)

    def _start_display(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["timeout", str(self.lifetime + 30), "Xvfb", "-displayfd", str(write_end), "-screen",
                                 "0", "1024x768x24", "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=open(self.out / "xvfb.log", "w"))
        os.close(write_end)
        self.children.append(xvfb)
        # Xvfb writes the number and the newline separately and ends if the pipe is gone in
        # between, so read up to the newline before closing.
        number = b""
        deadline = time.monotonic() + 10
        try:
            while not number.endswith(b"\n") and time.monotonic() < deadline:
                readable, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
                part = os.read(read_end, 64) if readable else b""
                if not part:
                    break
                number += part
        finally:
            os.close(read_end)
        number = number.decode().strip()
        check(number, "Xvfb did not start within 10 s")
        self.display = f":{number}"

    def launch(self):
        """Starts the portal; returns at once."""
        self.env = {
            "PATH": str(self.out / "path"),
            "HOME": str(self.out / "home"),
            "XDG_CACHE_HOME": str(self.out / "home/.cache"),
            "XDG_CONFIG_HOME": str(self.out / "xdg/config"),
            "XDG_DATA_HOME": str(self.out / "xdg/data"),
            "XDG_DATA_DIRS": "/usr/share",
            "XDG_RUNTIME_DIR": str(self.out / "runtime"),
            "DISPLAY": self.display,
            "LANG": "C.UTF-8",
            "NO_AT_BRIDGE": "1",
            "GSETTINGS_BACKEND": "memory",
            "DBUS_SESSION_BUS_ADDRESS": f"unix:path={self.out}/no-session-bus",
            "DBUS_SYSTEM_BUS_ADDRESS": f"unix:path={self.out}/no-system-bus",
        }
        output = open(self.out / "portal.out", "w")
        self.launched_at = time.monotonic()
        self.portal = subprocess.Popen([shutil.which("timeout"), "--kill-after=3", str(self.lifetime),
                                        str(self.portal_program)], cwd=self.out / "home", env=self.env,
                                       stdin=subprocess.DEVNULL, stdout=output, stderr=subprocess.STDOUT)
        self.children.append(self.portal)
        self.portal_pid = wait_for(self._portal_child, 5, "the portal process")

    def _portal_child(self):
        try:
            children = Path(f"/proc/{self.portal.pid}/task/{self.portal.pid}/children").read_text().split()
        except OSError:
            return None
        return int(children[0]) if children else None

    def since_launch(self):
        return time.monotonic() - self.launched_at

    def running(self):
        return self.portal is not None and self.portal.poll() is None

    def exit_report(self):
        """What the portal printed last, for failure messages."""
        text = (self.out / "portal.out").read_text(errors="replace")
        return text[-600:] if text else "(no output)"

    # -- windows and pixels ---------------------------------------------------------------------

    def _x(self, *arguments):
        result = subprocess.run([*map(str, arguments)], capture_output=True, timeout=20,
                                env=dict(os.environ, DISPLAY=self.display))
        return result

    def windows(self, title):
        """Visible top-level windows with exactly this title."""
        result = self._x("xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$")
        return result.stdout.decode().split() if result.returncode == 0 else []

    def geometry(self, window):
        result = self._x("xdotool", "getwindowgeometry", "--shell", window)
        if result.returncode != 0:
            return None
        values = dict(line.split("=", 1) for line in result.stdout.decode().splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def main_window(self):
        """The portal's main window once it is mapped at its size, else None."""
        for window in self.windows(MAIN_TITLE):
            geometry = self.geometry(window)
            if geometry is not None and geometry[2:] == MAIN_SIZE:
                return window
        return None

    def pixels(self, window, rect):
        """Raw RGB bytes of a window-relative rectangle as the screen shows it."""
        left, top, _, _ = self.geometry(window)
        x, y, width, height = rect
        result = self._x("import", "-window", "root", "-crop", f"{width}x{height}+{left + x}+{top + y}", "+repage",
                         "-depth", "8", "rgb:-")
        check(result.returncode == 0, f"import failed: {result.stderr.decode(errors='replace')}")
        return result.stdout

    def save_screen(self, label):
        self._x("import", "-window", "root", str(self.out / f"{label}.png"))
