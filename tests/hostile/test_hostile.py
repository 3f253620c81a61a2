#!/usr/bin/env python3
"""The real portal against one misbehaving directory server on 127.0.0.1:8173.

    test_hostile.py CASE --portal build/tvportal --out DIR

For every case: the main window appears; start-up finishes within the HTTP client's time-outs
(10 s to connect, 30 s in all), seen as the clock label starting to change once a second; the
clock keeps changing afterwards; the process is still running; its own resident memory stays
under 300 MiB throughout. Each case adds what its server makes checkable: which windows open,
how many requests were made.
"""

import argparse
import socket
import sys
import threading
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from hostile_server import PORT, HostileServer  # noqa: E402
from portal_session import (CLOCK_RECT, NOTICE_TITLE, REMOTE_CLOCK_RECT, REMOTE_TITLE, SKIP,  # noqa: E402
                            Failure, PortalSession, Skip, check, rss_kib, wait_for)

RSS_LIMIT_KIB = 300 * 1024
TOTAL_TIMEOUT_S = 30  # the HTTP client's bound on one whole request
# Start-up on a server that answers at once (or refuses at once) takes a few seconds at most;
# one that keeps the request open ends at the total time-out. Both get slack for a loaded machine.
QUICK_BOUND_S = 15
SLOW_BOUND_S = TOTAL_TIMEOUT_S + 12


def directory_requests(server):
    return [r for r in server.requests() if r.startswith("GET /directory.htm")]


def no_extra_windows(session):
    for title in (NOTICE_TITLE, REMOTE_TITLE):
        check(not session.windows(title), f"the window {title} opened, but no switch may be read as on")


def main_only(session, server):
    """Nothing readable came back: both switches read as off, and the page was asked for once."""
    no_extra_windows(session)
    requests = directory_requests(server)
    check(len(requests) == 1, f"expected one directory request, got {server.requests()}")


def all_three_windows(session, server):
    wait_for(lambda: session.windows(NOTICE_TITLE), 10, "the notice board")
    wait_for(lambda: session.windows(REMOTE_TITLE), 10, "the remote-control bar")
    count = len(directory_requests(server))
    check(count == 3, f"expected three directory reads, got {count}: {server.requests()}")


def bounded_redirects(session, server):
    no_extra_windows(session)
    count = len(directory_requests(server))
    check(1 < count <= 6, f"expected the redirect loop to be followed at most 5 times, got {count} requests")


def huge_body_cut_early(session, server):
    main_only(session, server)
    check(server.sent < 256 << 20, f"the server sent {server.sent >> 20} MiB; the transfer should stop near 8 MiB")


def main_clock(session):
    return session.main_window(), CLOCK_RECT


def remote_clock(session):
    found = session.windows(REMOTE_TITLE)
    return (found[0], REMOTE_CLOCK_RECT) if found else (None, None)


# case: (server behaviour or None for no listener, start-up bound in seconds, extra check, the clock
# to watch). With both switches on, full-window mode covers the main clock: watch the bar's.
CASES = {
    "no-listener": (None, QUICK_BOUND_S, lambda session, _: no_extra_windows(session), main_clock),
    "stall": ("stall", SLOW_BOUND_S, main_only, main_clock),
    "drip": ("drip", SLOW_BOUND_S, main_only, main_clock),
    "huge-body": ("huge-body", QUICK_BOUND_S, huge_body_cut_early, main_clock),
    "cut-short": ("cut-short", QUICK_BOUND_S, main_only, main_clock),
    "redirect-loop": ("redirect-loop", QUICK_BOUND_S, bounded_redirects, main_clock),
    "garbage-body": ("garbage-body", QUICK_BOUND_S, main_only, main_clock),
    "not-http": ("not-http", QUICK_BOUND_S, main_only, main_clock),
    "invalid-gbk": ("invalid-gbk", QUICK_BOUND_S, all_three_windows, remote_clock),
    "error-page": ("error-page", QUICK_BOUND_S, main_only, main_clock),
}


class MemoryWatch:
    """Samples the portal's own resident memory every 0.1 s on a thread of its own."""

    def __init__(self, pid):
        self.pid = pid
        self.peak_kib = 0
        self.stopping = threading.Event()
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()

    def _run(self):
        while not self.stopping.wait(0.1):
            self.peak_kib = max(self.peak_kib, rss_kib(self.pid))

    def stop(self):
        self.stopping.set()
        self.thread.join(timeout=2)
        return self.peak_kib


def wait_until_ticking(session, clock, bound):
    """Seconds from launch until the clock label has changed twice, at least 0.8 s apart: the first
    change can be the window's first paint, the second is a tick. Failure after `bound`."""
    window, rect = wait_for(lambda: clock(session)[0] and clock(session), bound, "the window with the clock")
    changes = []
    last = session.pixels(window, rect)
    while session.since_launch() < bound:
        check(session.running(), f"the portal ended during start-up: {session.exit_report()}")
        time.sleep(0.2)
        now = session.pixels(window, rect)
        if now != last:
            changes.append(session.since_launch())
            last = now
            if len(changes) >= 2 and changes[-1] - changes[0] >= 0.8:
                return changes[-1], window, rect
    session.save_screen("not-ticking")
    raise Failure(f"the clock did not tick within {bound} s of launch (changes at {changes})")


def run_case(name, args):
    behaviour, bound, extra_check, clock = CASES[name]
    # Every process and connection ends by itself a little after the case's own checks would.
    lifetime = bound + 30
    with PortalSession(args.portal, args.out, lifetime) as session:
        wait_for(lambda: not port_in_use(), 20, f"port {PORT} to be free")
        server = HostileServer(behaviour, session.out / "server.log", lifetime) if behaviour else None
        if server is not None:
            server.start()
        try:
            session.launch()
            watch = MemoryWatch(session.portal_pid)
            wait_for(session.main_window, bound, "the main window at 671 x 420")
            shown = session.since_launch()
            ticking, window, rect = wait_until_ticking(session, clock, bound)
            # Afterwards the clock keeps going: two crops a little over two seconds apart differ.
            before = session.pixels(window, rect)
            time.sleep(2.2)
            check(session.pixels(window, rect) != before, "the clock stopped after start-up")
            extra_check(session, server)
            check(session.running(), f"the portal ended: {session.exit_report()}")
            peak = watch.stop()
            session.save_screen("end")
        finally:
            if server is not None:
                server.stop()
        check(peak < RSS_LIMIT_KIB, f"resident memory peaked at {peak // 1024} MiB (limit {RSS_LIMIT_KIB // 1024})")
        print(f"{name}: window shown at {shown:.1f} s, clock ticking at {ticking:.1f} s (bound {bound} s), "
              f"peak resident memory {peak // 1024} MiB")


def port_in_use():
    with socket.socket() as probe:
        probe.settimeout(0.2)
        return probe.connect_ex(("127.0.0.1", PORT)) == 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("case", choices=sorted(CASES))
    parser.add_argument("--portal", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    try:
        run_case(args.case, args)
    except Skip as reason:
        print(f"SKIPPED: {reason}")
        sys.exit(SKIP)
    except Failure as reason:
        print(f"FAILED: {args.case}: {reason}", file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
