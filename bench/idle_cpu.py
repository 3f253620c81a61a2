#!/usr/bin/env python3
"""Idle CPU time of the portal with all three windows open and ticking, against the floor.

Serves on 127.0.0.1:8173 a directory page with both switches on, so the portal opens the notice
board and full-window mode with the remote-control bar (the main browser shows a plain static
page). Once the three directory reads are done and the windows have settled, the CPU time
(utime + stime from /proc) of the portal and of its whole process tree (the browser's helper
processes) is read at the start and at the end of a quiet period of --seconds (default 60; the
notice board closes itself after 100 s, so keep it below ~90). The floor window (a bare GTK window
with a WebKit view that makes the same directory request) is measured the same way. Prints both
and the ratio; --json prints one JSON object instead.

Usage: bench/idle_cpu.py [--build DIR] [--seconds N] [--settle N] [--json]
"""
import argparse
import http.server
import json
import os
import shutil
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_memory import PORT, ROOT, descendants, free_display, stop_group  # noqa: E402

ORIGIN = f"http://127.0.0.1:{PORT}"
TICKS = os.sysconf("SC_CLK_TCK")
WINDOW_TITLES = ("QQ：100001", "智能云公告栏", "电视机遥控器")


def switches_on_page():
    entries = {"水平扫描": "640", "垂直扫描": "480", "智能识别": "1", "解除封印": "1", "施展咒语": f"{ORIGIN}/full.htm",
               "智能公告": "今晚八点：新闻联播", "智变公告": "遥控器公告"}
    section = "".join(f"<p>{k}={v}</p>" for k, v in entries.items())
    return f"<html><body>////开始{section}////结束</body></html>".encode("gbk")


FULL_PAGE = b"<html><body style='background:#203040;color:#fff'><h1>full window</h1></body></html>"


class Pages(http.server.BaseHTTPRequestHandler):
    directory_requests = []

    def do_GET(self):
        if self.path.startswith("/directory.htm"):
            Pages.directory_requests.append(time.monotonic())
            body, status = switches_on_page(), 200
        elif self.path.startswith("/full.htm"):
            body, status = FULL_PAGE, 200
        else:
            body, status = b"not here", 404
        self.send_response(status)
        self.send_header("Content-Type", "text/html; charset=gbk")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def cpu_seconds(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / TICKS  # utime, stime
    except (OSError, IndexError, ValueError):
        return 0.0


def tree_cpu(pid):
    return cpu_seconds(pid), cpu_seconds(pid) + sum(cpu_seconds(p) for p in descendants(pid))


def visible_windows(env):
    if shutil.which("xdotool") is None:
        return None
    found = []
    for title in WINDOW_TITLES:
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], env=env,
                                capture_output=True, text=True, timeout=10)
        if result.stdout.split():
            found.append(title)
    return found


def measure(cmd, env, reads, settle, seconds):
    Pages.directory_requests.clear()
    proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
    try:
        deadline = time.monotonic() + 40
        while len(Pages.directory_requests) < reads and time.monotonic() < deadline and proc.poll() is None:
            time.sleep(0.05)
        if len(Pages.directory_requests) < reads:
            raise RuntimeError(f"{cmd[0]} made {len(Pages.directory_requests)} directory requests, expected {reads}")
        time.sleep(settle)
        windows = visible_windows(env)
        own0, all0 = tree_cpu(proc.pid)
        time.sleep(seconds)
        own1, all1 = tree_cpu(proc.pid)
        if proc.poll() is not None:
            raise RuntimeError(f"{cmd[0]} ended during the measurement")
        return {"own_s": own1 - own0, "tree_s": all1 - all0, "windows": windows}
    finally:
        stop_group(proc)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", default=os.path.join(ROOT, "build"))
    ap.add_argument("--seconds", type=float, default=60.0)
    ap.add_argument("--settle", type=float, default=5.0)
    ap.add_argument("--json", action="store_true")
    args = ap.parse_args()

    programs = {"portal": ([os.path.join(args.build, "tvportal")], 3),
                "floor": ([os.path.join(args.build, "bench", "floor_window"), f"{ORIGIN}/directory.htm"], 1)}
    for cmd, _ in programs.values():
        if not os.access(cmd[0], os.X_OK):
            sys.exit(f"missing {cmd[0]}: build first")

    server = http.server.ThreadingHTTPServer(("127.0.0.1", PORT), Pages)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    display = free_display()
    xvfb = subprocess.Popen(["timeout", str(int(3 * args.seconds + 200)), "Xvfb", f":{display}", "-screen", "0",
                             "1024x768x24", "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=f":{display}", NO_AT_BRIDGE="1", GDK_BACKEND="x11",
               DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent")
    try:
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display}"):
                break
            time.sleep(0.05)
        results = {name: measure(cmd, env, reads, args.settle, args.seconds)
                   for name, (cmd, reads) in programs.items()}
    finally:
        xvfb.terminate()
        xvfb.wait()
        server.shutdown()

    if args.json:
        print(json.dumps({"seconds": args.seconds, **results}))
        return
    print(f"{'CPU time over ' + str(args.seconds) + ' s idle (s)':48} {'portal':>10} {'floor':>10} {'ratio':>7}")
    for label, key in (("own process", "own_s"), ("with browser helpers", "tree_s")):
        p, f = results["portal"][key], results["floor"][key]
        ratio = f"{p / f:7.2f}" if f > 0 else "    n/a"
        print(f"{label:48} {p:10.2f} {f:10.2f} {ratio}")
    print(f"portal windows open: {results['portal']['windows']}")


if __name__ == "__main__":
    main()
