#!/usr/bin/env python3
"""Tools, end to end: on the tools panel "数学计算" starts the calculator (a recording stub on a
private PATH) exactly once; "财富软件" hides the animation; "幸运开始" fills the seven digit boxes
with one decimal digit each."""

import time

import harness
from harness import centre, check

TRANSFORM = centre(592, 240, 64, 23)  # "〓变形〓"
CALCULATOR = centre(72, 336, 77, 23)  # "数学计算"
HIDE_PICTURE = centre(24, 176, 40, 40)  # "财富软件"
LUCKY = centre(144, 224, 218, 30)  # " 幸    运     开    始 "
PICTURE = (72, 64, 365, 262)  # 图片框1
DIGIT_BOXES = [(144 + 32 * i, 184, 25, 24) for i in range(7)]  # 编辑框4 .. 编辑框10
DIGITS_ROW = (144, 184, 217, 24)


def calculator_programs(session):
    """The programs that stand in for "calc", in order of preference."""
    header = (session.source / "src/platform/linux/tool_programs.h").read_text(encoding="utf-8")
    line = next(line for line in header.splitlines() if '{"calc",' in line)
    return line.split("{", 2)[2].replace('"', "").replace("}", "").replace(" ", "").rstrip(",").split(",")


def read_digit_boxes(session):
    """The seven boxes' texts, read by selecting each box's text; None without GTK bindings."""
    texts = []
    for box in DIGIT_BOXES:
        session.press(session.main, *centre(*box))
        session.keys("ctrl+a")
        time.sleep(0.2)
        text = session.read_primary_selection()
        if text is None:
            return None
        texts.append(text)
    return texts


def body(session):
    values = harness.demo_values(session.source)
    values.update({"智能识别": "0", "解除封印": "0"})
    session.serve(values)
    session.start_portal()

    session.press(session.main, *TRANSFORM)
    time.sleep(0.5)

    # The calculator: the first program of the "calc" row that is on PATH, started once.
    session.press(session.main, *CALCULATOR)
    harness.wait_for(session.tools, 10, "the calculator stub to start")
    time.sleep(1.5)  # a second start would have shown by now
    expected = calculator_programs(session)[0]
    check(session.tools() == [expected], f"started {session.tools()}, expected [{expected}] once")

    # "财富软件" hides the animated picture box, uncovering the picker.
    picture = session.screen_rect(session.main, PICTURE)
    before = session.region_signature(*picture)
    session.press(session.main, *HIDE_PICTURE)
    time.sleep(0.6)
    after = session.region_signature(*picture)
    check(session.changed_fraction(before, after) > 0.3, "the picture box area did not change after 财富软件")
    session.screenshot("tools-1-picture-hidden")

    # "幸运开始" writes one digit into each of the seven boxes.
    row = session.screen_rect(session.main, DIGITS_ROW)
    before = session.region_signature(*row)
    session.press(session.main, *LUCKY)
    time.sleep(0.6)
    after = session.region_signature(*row)
    check(session.changed_fraction(before, after) > 0.02, "the digit boxes did not change after 幸运开始")
    session.screenshot("tools-2-lucky-digits")
    digits = read_digit_boxes(session)
    if digits is None:
        print("note: GTK bindings for Python are missing; the digits were not read back")
    else:
        print(f"lucky digits: {' '.join(digits)}")
        check(len(digits) == 7 and all(len(d) == 1 and d.isdigit() for d in digits),
              f"the boxes do not hold one digit each: {digits}")

    check(session.tools() == [expected], f"programs started: {session.tools()}")
    check(not session.links(), f"links were opened: {session.links()}")
    check(session.portal_running(), "the portal ended")


if __name__ == "__main__":
    harness.run(body, "tools", __doc__)
