#!/usr/bin/env python3
"""Full-window mode, end to end: with both directory switches on, start-up downloads the page
three times and then loads the 施展咒语 page into a browser of 671 x 420; the notice board, the
remote-control bar and the main window stand where their placement rules put them on a 1024 x 768
screen, and the enlarged browser covers every control of the main window but the title label.
Pressing the lucky-number title label twice opens one remote-control window only."""

import time

import harness
from harness import MAIN_TITLE, NOTICE_TITLE, REMOTE_TITLE, centre, check

TRANSFORM = centre(592, 240, 64, 23)  # "〓变形〓"
HIDE_PICTURE = centre(24, 176, 40, 40)  # "财富软件"
TITLE_LABEL = centre(136, 128, 233, 45)  # 透明标签7, "七 星 彩 选 号 机"

EXPECTED_PLACES = {
    MAIN_TITLE: (176, 174, 671, 420),  # centred
    NOTICE_TITLE: (871, 506, 150, 220),  # screen width - 153, screen height - 262
    REMOTE_TITLE: (176, 600, 672, 125),  # screen width - 848, screen height - 168
}

# The 施展咒语 page: reports the size the browser gives it, at load and after every resize.
PROBE_NAME = "fullwindow-probe.html"
PROBE_PAGE = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>probe</title>
<style>html, body { margin: 0; height: 100%; overflow: hidden; background: #123a6b; color: #fff; }
#size { position: absolute; left: 8px; bottom: 6px; font: bold 24px sans-serif; }</style></head>
<body><div id="size"></div>
<script>
function report() {
    const w = window.innerWidth, h = window.innerHeight;
    document.getElementById("size").textContent = "全屏 " + w + " × " + h;
    fetch("/report/size?w=" + w + "&h=" + h, { cache: "no-store" }).catch(() => {});
}
window.addEventListener("resize", report);
report();
</script></body></html>
"""
FULL_SIZE_REPORT = "/report/size?w=671&h=420"
PROBE_BACKGROUND = (0x12, 0x3A, 0x6B)

# Controls of the main window that the enlarged browser must hide, where the probe page shows
# nothing but its background (its text stands in the bottom-left corner).
COVERED = [
    ("图片框1", "picture-box", (72, 64, 365, 262)),
    ("the channel buttons", "channel-buttons", (520, 48, 136, 215)),
    ("time", "clock", (512, 288, 150, 25)),
    ("日期", "calendar", (512, 320, 150, 88)),
]


def probe_media(session):
    folder = session.out / "media"
    folder.mkdir(exist_ok=True)
    (folder / PROBE_NAME).write_text(PROBE_PAGE, encoding="utf-8")
    return folder, f"/media/{PROBE_NAME}"


def page(session, probe_path, switches):
    values = harness.demo_values(session.source)
    values.update({"智能识别": switches, "解除封印": switches, "施展咒语": harness.ORIGIN + probe_path})
    return values


def start_up_with_both_switches(session, media, probe):
    session.serve(page(session, probe, "1"), media=media)
    session.start_portal()
    session.wait_request(probe, 20)
    session.wait_request(FULL_SIZE_REPORT, 15)

    directory_and_probe = [r for r in session.requests() if r in ("/directory.htm", probe)]
    check(directory_and_probe[:4] == ["/directory.htm"] * 3 + [probe],
          f"expected three directory requests, then {probe}: {directory_and_probe}")
    check(session.request_count("/directory.htm") == 3, f"directory requests: {session.requests()}")

    for title, expected in EXPECTED_PLACES.items():
        window = harness.wait_for(lambda: session.window(title), 10, f"the window {title}")
        harness.wait_for(lambda: session.geometry(window) == expected, 5,
                         f"{title} at {expected} (it is at {session.geometry(window)})")
    time.sleep(1.0)
    session.screenshot("fullwindow-3-three-windows")

    # The clock and calendar repaint every second, so look a few times.
    for attempt in range(3):
        for name, label, rect in COVERED:
            share = session.share_of_colour(session.screen_rect(session.main, rect), PROBE_BACKGROUND)
            if share < 0.99:
                session.screenshot(f"fullwindow-4-{label}-shows-through")
                raise harness.Failure(f"{name} shows through the full-window browser: only {share:.0%} of "
                                      "its area shows the page")
        time.sleep(1.0)


def title_label_twice(session, media, probe):
    session.serve(page(session, probe, "0"), media=media)
    session.start_portal()
    check(session.window(REMOTE_TITLE) is None, "a remote-control window without full-window mode")

    # Tools view, picture hidden: the title label is uncovered. 〓变形〓 is clicked last so that
    # it holds the keyboard focus, for reaching it again once the enlarged browser covers it.
    session.press(session.main, *TRANSFORM)
    session.press(session.main, *HIDE_PICTURE)
    session.press(session.main, *TRANSFORM)

    session.press(session.main, *TITLE_LABEL)
    session.wait_request(probe, 15)
    remote = harness.wait_for(lambda: session.window(REMOTE_TITLE), 10, "the remote-control window")
    check(session.geometry(remote) == EXPECTED_PLACES[REMOTE_TITLE], f"remote bar at {session.geometry(remote)}")
    session.wait_request(FULL_SIZE_REPORT, 15)
    reads = session.request_count("/directory.htm")
    check(reads >= 2, f"the remote-control window did not read the directory: {session.requests()}")
    session.screenshot("fullwindow-1-title-label-pressed")

    # Back to the tools view through the focused 〓变形〓, then the title label once more.
    session.focus(session.main)
    session.keys("space")
    time.sleep(0.8)
    session.press(session.main, *TITLE_LABEL)
    session.wait_request(probe, 15, count=2)
    time.sleep(1.5)  # a second window and its directory read would have shown by now
    check(len(session.windows(REMOTE_TITLE)) == 1, f"remote-control windows: {session.windows(REMOTE_TITLE)}")
    check(session.request_count("/directory.htm") == reads,
          f"the second press read the directory again: {session.requests()}")
    session.screenshot("fullwindow-2-title-label-pressed-twice")


def body(session):
    media, probe = probe_media(session)
    title_label_twice(session, media, probe)
    start_up_with_both_switches(session, media, probe)
    check(session.portal_running(), "the portal ended")
    check(not session.links(), f"links were opened: {session.links()}")
    check(not session.tools(), f"tools were started: {session.tools()}")


if __name__ == "__main__":
    harness.run(body, "fullwindow", __doc__)
