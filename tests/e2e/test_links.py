#!/usr/bin/env python3
"""Links, end to end: pressing the credit label hands the 官网论坛 value to the desktop's default
handler (here a recording stub), the extras popup's "作者" hands over the chat link, and a
官网论坛 value that is a local file address never reaches any handler."""

import time

import harness
from harness import centre, check

CREDIT = centre(512, 264, 150, 24)  # "听松小筑·出品"
CALENDAR = centre(512, 320, 150, 88)  # 日期: the personal-space page
EXTRAS = centre(504, 16, 167, 20)  # "频道选择": the extras popup (关闭, 最小, 作者)
CHAT_ITEM = 2  # "作者", counted from the first item
FILE_ADDRESS = "file:///etc/passwd"


def page(session, forum):
    values = harness.demo_values(session.source)
    values.update({"智能识别": "0", "解除封印": "0", "官网论坛": forum})
    return values


def wait_links(session, count, what):
    return harness.wait_for(lambda: len(session.links()) >= count and session.links(), 10, what)


def body(session):
    # The credit label opens the web address of 官网论坛 with the default handler, which is not
    # the portal's own browser: the server never sees that page requested.
    forum = harness.demo_values(session.source)["官网论坛"]
    session.serve(page(session, forum))
    session.start_portal()
    session.press(session.main, *CREDIT)
    links = wait_links(session, 1, "the credit link at the recording handler")
    check(links == [forum], f"the handler got {links}, expected [{forum}]")
    check(harness.local_path(forum) not in session.requests(), "the portal loaded the credit link itself")

    # The extras popup opens on a press of 频道选择; its third item opens the chat link.
    session.press(session.main, *EXTRAS)
    time.sleep(0.8)
    session.screenshot("links-1-extras-popup")
    session.move_pointer(2, 2)
    time.sleep(0.3)
    session.keys("Home", *(["Down"] * CHAT_ITEM), "Return")
    links = wait_links(session, 2, "the chat link at the recording handler")
    chat = links[1]
    prefix = "tencent://message/?uin="
    check(chat.startswith(prefix) and chat[len(prefix):].isdigit(), f"not a chat link: {chat}")
    check(len(links) == 2, f"more links than pressed: {links}")
    check(session.window(harness.MAIN_TITLE), "the main window is gone after the extras popup")

    # With a local file as 官网论坛 the press hands nothing over. The calendar label pressed next
    # proves that the presses were handled: its link arrives, and alone.
    session.links_file.unlink()
    session.serve(page(session, FILE_ADDRESS))
    session.start_portal()
    session.press(session.main, *CREDIT)
    session.press(session.main, *CALENDAR)
    links = wait_links(session, 1, "the calendar label's link")
    time.sleep(1.0)
    links = session.links()
    check(len(links) == 1 and links[0].startswith(("http://", "https://")),
          f"expected only the personal-space page after pressing the credit label, got {links}")
    session.screenshot("links-2-file-address-ignored")

    check(session.portal_running(), "the portal ended")
    check(not session.tools(), f"tools were started: {session.tools()}")


if __name__ == "__main__":
    harness.run(body, "links", __doc__)
