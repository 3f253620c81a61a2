#!/usr/bin/env python3
"""Start-up, end to end: the portal asks the loopback server for the directory page and shows its
main window centred on a 1024 x 768 screen (176, 174, 671 x 420) with the cover picture over the
browser; the title label drags the window; Esc closes it, which ends the program because no other
window is open. Started again with no server listening, the main window still appears."""

import shutil
import subprocess
import time

import harness
from harness import MAIN_TITLE, PROCESS_SECONDS, centre, check

CENTRED = (176, 174, 671, 420)
TITLE_LABEL = centre(8, 8, 185, 20)  # 标签1: a label, so it drags the window
BROWSER = (0, 0, 504, 420)
DRAG = (40, 30)


def start_without_server(session):
    """Starts the portal as start_portal does, but expects no directory request to be answered."""
    session.runs += 1
    output = open(session.out / f"portal-{session.runs}.out", "w")
    command = [shutil.which("timeout"), "--kill-after=3", str(PROCESS_SECONDS), str(session.portal_program)]
    session.portal = session._start("portal", command, cwd=session.out / "home", env=session.portal_env(),
                                    stdout=output, stderr=subprocess.STDOUT)
    return harness.wait_for(lambda: session.window(MAIN_TITLE), 30, "the main window without a server")


def drag(session, window, start, by):
    left, top, _, _ = session.geometry(window)
    x, y = left + start[0], top + start[1]
    session.move_pointer(x, y)
    time.sleep(0.2)
    session.xdotool("mousedown", 1)
    for step in range(1, 5):
        session.xdotool("mousemove", x + by[0] * step // 4, y + by[1] * step // 4)
        time.sleep(0.1)
    session.xdotool("mouseup", 1)
    time.sleep(0.3)


def body(session):
    values = harness.demo_values(session.source)
    values.update({"智能识别": "0", "解除封印": "0"})  # the main window alone
    session.serve(values)
    session.start_portal()  # waits for the directory request and the main window
    check(session.geometry(session.main) == CENTRED, f"main window at {session.geometry(session.main)}")
    time.sleep(1.0)
    session.screenshot("startup-1-main")

    # The cover picture lies over the empty browser, which would be white.
    white = session.share_of_colour(session.screen_rect(session.main, BROWSER), (255, 255, 255))
    check(white < 0.2, f"{white:.0%} of the player area is white: the browser is not beneath the cover")

    drag(session, session.main, TITLE_LABEL, DRAG)
    moved = (CENTRED[0] + DRAG[0], CENTRED[1] + DRAG[1], CENTRED[2], CENTRED[3])
    harness.wait_for(lambda: session.geometry(session.main) == moved, 5,
                     f"the window to follow the title label to {moved} (it is at {session.geometry(session.main)})")

    # Esc in the focused main window closes it, and with it the program.
    session.focus(session.main)
    session.keys("Escape")
    harness.wait_for(lambda: session.portal.poll() is not None, 10, "the portal to end after Esc")
    check(session.portal.returncode == 0, f"the portal ended with status {session.portal.returncode}")

    # No server: the download fails quietly and the window appears all the same.
    session.end(session.server)
    session.server = None
    harness.wait_for(lambda: not harness.port_open(), 10, "the port to close")
    window = start_without_server(session)
    check(session.geometry(window) == CENTRED, f"main window without a server at {session.geometry(window)}")
    time.sleep(1.0)
    session.screenshot("startup-2-no-server")
    check(session.portal_running(), "the portal ended without a server")


if __name__ == "__main__":
    harness.run(body, "startup", __doc__)
