#!/usr/bin/env python3
"""Scheduled power-off, end to end: the shutdown row's fields, typed a few seconds ahead on the
tools panel, lead to exactly one PowerOff call, at that second, on a fake logind on a private
system bus (scripts/logind-mock); no other call reaches it. Nothing here can reach the real
system bus."""

import datetime
import subprocess
import time

import harness
from harness import centre, check

TRANSFORM = centre(592, 240, 64, 23)  # "〓变形〓"
HOUR_FIELD = centre(272, 16, 25, 24)  # 编辑框1
MINUTE_FIELD = centre(320, 16, 25, 24)  # 编辑框2
SECOND_FIELD = centre(368, 16, 25, 24)  # 编辑框3
LEAD_SECONDS = 15  # time between reading the clock and the set moment; typing takes about 4 s


def logind_mock(session, *arguments):
    return subprocess.run([str(session.source / "scripts/logind-mock"), *map(str, arguments)], capture_output=True,
                          text=True, timeout=30)


def start_fake_logind(session):
    if logind_mock(session, "check").returncode != 0:
        raise harness.Skip("dbus-daemon or python3-dbusmock is missing")
    folder = session.out / "logind"
    folder.mkdir(mode=0o700)
    started = logind_mock(session, "start", folder, harness.PROCESS_SECONDS)
    session.closers.append(lambda: logind_mock(session, "stop", folder))
    check(started.returncode == 0, f"logind-mock did not start: {started.stderr.strip()}")
    address = next(line.split("=", 1)[1] for line in started.stdout.splitlines()
                   if line.startswith("DBUS_SYSTEM_BUS_ADDRESS="))
    return folder, address


def logged_calls(folder):
    """(time, call) of each method call the fake logind logged."""
    calls = []
    for line in (folder / "calls.log").read_text().splitlines():
        stamp, _, call = line.partition(" ")
        calls.append((float(stamp), call))
    return calls


def set_field(session, field, text):
    session.press(session.main, *field)
    session.keys("ctrl+a")
    session.type_text(text)


def body(session):
    folder, bus = start_fake_logind(session)
    zone, offset = harness.local_clock_zone("12:30")
    session.extra_env.update({"DBUS_SYSTEM_BUS_ADDRESS": bus, "TZ": zone})

    values = harness.demo_values(session.source)
    values.update({"智能识别": "0", "解除封印": "0"})
    session.serve(values)
    session.start_portal()
    session.press(session.main, *TRANSFORM)
    time.sleep(0.5)

    # The date box holds today (three minutes ago, at about 12:27 local time); only the time is
    # typed. The second goes first and the hour last, so that no half-typed row names the
    # current second.
    now = datetime.datetime.now(datetime.timezone.utc).replace(microsecond=0)
    moment = now + datetime.timedelta(seconds=LEAD_SECONDS)
    local = moment + offset
    set_field(session, SECOND_FIELD, str(local.second))
    set_field(session, MINUTE_FIELD, str(local.minute))
    set_field(session, HOUR_FIELD, str(local.hour))
    session.screenshot("poweroff-1-row-set")
    ahead = moment.timestamp() - time.time()
    check(ahead > 2, f"typing took too long: the set moment is only {ahead:.1f} s ahead")
    check(logged_calls(folder) == [], f"calls before the set moment: {logged_calls(folder)}")

    harness.wait_for(lambda: logged_calls(folder), ahead + 5, f"a PowerOff call at {local:%H:%M:%S} local time")
    time.sleep(2.5)  # a repeated request would come with the next tick
    calls = logged_calls(folder)
    check([call for _, call in calls] == ["PowerOff False"], f"the fake logind got {calls}")
    late = calls[0][0] - moment.timestamp()
    check(0 <= late < 1.5, f"PowerOff came {late:+.2f} s from the set moment")
    print(f"PowerOff {late:.2f} s after the set moment {local:%H:%M:%S} (local time in {zone})")

    check(session.portal_running(), "the portal ended")
    check(not session.links() and not session.tools(), "links or tools were opened")


if __name__ == "__main__":
    harness.run(body, "poweroff", __doc__)
