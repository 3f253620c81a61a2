#!/usr/bin/env python3
"""Channels and popups, end to end: a channel button and a channel popup item make the browser
request exactly the composed player address; the video player page reports that its clip plays;
the transform button reveals the tools panel."""

import subprocess
import time

import harness
from harness import centre, check

# Window-relative layout rectangles of the main window's controls.
CCTV1 = centre(520, 48, 64, 23)
MORE = centre(592, 216, 64, 23)  # "↓更多↑", opens the channel popup
TRANSFORM = centre(592, 240, 64, 23)  # "〓变形〓"
BROWSER = (0, 0, 504, 420)

# Captions of the channel popup, in order; the test chooses one of them with the keyboard.
POPUP_KEYS = (
    "北京卫视 天津卫视 上海卫视 重庆卫视 河北卫视 河南卫视 山西卫视 山东卫视 江苏卫视 江西卫视 安徽卫视 "
    "浙江卫视 湖北卫视 湖南卫视 福建卫视 广东卫视 广西卫视 海南卫视 贵州卫视 四川卫视 云南卫视 甘肃卫视 "
    "宁夏卫视 陕西卫视 黑龙卫视 吉林卫视 辽宁卫视 内蒙卫视 青海卫视 西藏卫视 新疆卫视 "
    "赤 橙 黄 绿 青 蓝 紫 壹 贰 叁 肆 伍 陆 柒"
).split()
CHOSEN_KEY = "紫"  # the item "......紫"


def demo_media(session):
    """The sample clips, made once per build folder by scripts/make-demo-media."""
    folder = session.out.parent / "demo-media"
    clip = folder / "media" / "testcard-1.webm"
    if not clip.is_file():
        subprocess.run([str(session.source / "scripts/make-demo-media"), str(folder)], check=True, timeout=60,
                       stdout=subprocess.DEVNULL)
    return folder / "media"


def body(session):
    values = harness.demo_values(session.source)
    values.update({"智能识别": "0", "解除封印": "0"})  # the main window alone
    cctv1_path = harness.player_path(values, "央视综合")
    check(cctv1_path.startswith("/player/video.html?"), f"CCTV-1 of the sample is not a video channel: {cctv1_path}")
    chosen_path = harness.player_path(values, CHOSEN_KEY)
    check(len({cctv1_path, chosen_path}) == 2, "the two channels must differ")

    session.serve(values, media=demo_media(session))
    session.start_portal()
    time.sleep(1.0)
    session.screenshot("channels-1-start")

    # A channel button: exactly the composed address, and the video page reports playback.
    session.press(session.main, *CCTV1)
    session.wait_request(cctv1_path, 15)
    session.wait_request("/report/playing?ch=cctv1", 30)
    errors = [r for r in session.requests() if r.startswith("/report/error")]
    check(not errors, f"the video page reported errors: {errors}")
    time.sleep(1.0)
    session.screenshot("channels-2-cctv1-playing")

    # The channel popup at the pointer; an item chosen with the keyboard. The pointer is moved off
    # the popup first so that only the keys select: Home selects the first item.
    windows_before = len(session.windows())
    session.press(session.main, *MORE)
    harness.wait_for(lambda: popup_open(session), 10, "the channel popup")
    session.screenshot("channels-3-popup")
    session.move_pointer(2, 2)
    time.sleep(0.3)
    steps = POPUP_KEYS.index(CHOSEN_KEY)
    session.keys("Home", *(["Down"] * steps), "Return", delay_ms=30)
    session.wait_request(chosen_path, 15)
    check(session.request_count(chosen_path) == 1, f"{chosen_path} requested more than once")
    check(len(session.windows()) == windows_before, "a window was left open by the popup")

    # Only the two chosen channels were requested from the player folder.
    players = [r for r in session.requests() if r.startswith("/player/") and ("?" in r)]
    check(players == [cctv1_path, chosen_path], f"unexpected player requests: {players}")

    # The transform button reveals the tools panel where the browser was.
    area = session.screen_rect(session.main, BROWSER)
    before = session.region_signature(*area)
    session.press(session.main, *TRANSFORM)
    time.sleep(1.0)
    after = session.region_signature(*area)
    changed = session.changed_fraction(before, after)
    check(changed > 0.5, f"the browser area hardly changed after 〓变形〓 ({changed:.0%} of its bytes)")
    session.screenshot("channels-4-tools-view")

    check(session.portal_running(), "the portal ended")
    check(not session.links(), f"links were opened: {session.links()}")
    check(not session.tools(), f"tools were started: {session.tools()}")


def popup_open(session):
    """True while an override-redirect popup of the portal is mapped."""
    tree = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True, timeout=10).stdout
    for line in tree.splitlines():
        parts = line.split()
        if not parts or not parts[0].startswith("0x"):
            continue
        attributes = subprocess.run(["xwininfo", "-id", parts[0]], capture_output=True, text=True,
                                    timeout=10).stdout
        if "Override Redirect State: yes" in attributes and "Map State: IsViewable" in attributes:
            if "Width: 1\n" not in attributes:
                return True
    return False


if __name__ == "__main__":
    harness.run(body, "channels", __doc__)
