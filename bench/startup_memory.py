#!/usr/bin/env python3
"""Start-up time and memory of the portal against the floor of its stack.

Runs build/tvportal and build/bench/floor_window (a bare GTK window with a WebKit view that makes
the same directory request) alternately under a private Xvfb, several times each, against a
loopback directory server on 127.0.0.1:8173. Prints, for each, the median time from launch to
the directory request and the resident memory of the process itself and with its browser helper
processes, and the ratios portal / floor.

Usage: bench/startup_memory.py [--build DIR] [--runs N] [--settle SECONDS]
"""
import argparse
import http.server
import os
import signal
import socket
import statistics
import subprocess
import sys
import threading
import time

PORT = 8173
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def quiet_page():
    # All switches off, so both programs make exactly one request.
    body = "<html><body>////开始<p>水平扫描=640</p><p>智能识别=0</p><p>解除封印=0</p>////结束</body></html>"
    return body.encode("gbk")


class Recorder(http.server.BaseHTTPRequestHandler):
    requests = []
    page = quiet_page()

    def do_GET(self):
        Recorder.requests.append((time.monotonic(), self.path))
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=gbk")
        self.send_header("Content-Length", str(len(self.page)))
        self.end_headers()
        self.wfile.write(self.page)

    def log_message(self, *args):
        pass


def free_display():
    for n in range(90, 140):
        if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return n
    raise RuntimeError("no free X display number")


def descendants(pid):
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                ppid = int(f.read().rsplit(")", 1)[1].split()[1])
            children.setdefault(ppid, []).append(int(entry))
        except (OSError, IndexError, ValueError):
            pass
    out, todo = [], [pid]
    while todo:
        p = todo.pop()
        for c in children.get(p, []):
            out.append(c)
            todo.append(c)
    return out


def rss_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def stop_group(proc):
    """Ends a program started in its own session, with its helper processes: politely, then not."""
    try:
        os.killpg(proc.pid, signal.SIGTERM)
        proc.wait(timeout=5)
    except (ProcessLookupError, subprocess.TimeoutExpired):
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()


def measure(cmd, env, settle):
    Recorder.requests.clear()
    start = time.monotonic()
    proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
    try:
        deadline = start + 30
        while not Recorder.requests and time.monotonic() < deadline and proc.poll() is None:
            time.sleep(0.002)
        if not Recorder.requests:
            raise RuntimeError(f"{cmd[0]} made no request")
        to_request = Recorder.requests[0][0] - start
        time.sleep(settle)
        own = rss_kib(proc.pid)
        total = own + sum(rss_kib(p) for p in descendants(proc.pid))
        return to_request, own, total
    finally:
        stop_group(proc)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", default=os.path.join(ROOT, "build"))
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--settle", type=float, default=3.0)
    args = ap.parse_args()

    programs = {"portal": [os.path.join(args.build, "tvportal")],
                "floor": [os.path.join(args.build, "bench", "floor_window"), f"http://127.0.0.1:{PORT}/directory.htm"]}
    for name, cmd in programs.items():
        if not os.access(cmd[0], os.X_OK):
            sys.exit(f"missing {cmd[0]}: build first")

    server = http.server.ThreadingHTTPServer(("127.0.0.1", PORT), Recorder)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    display = free_display()
    xvfb = subprocess.Popen(["timeout", "900", "Xvfb", f":{display}", "-screen", "0", "1024x768x24", "-nolisten",
                             "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=f":{display}", NO_AT_BRIDGE="1", GDK_BACKEND="x11",
               DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent")
    try:
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display}"):
                break
            time.sleep(0.05)
        results = {name: [] for name in programs}
        measure(programs["floor"], env, 0.5)  # warm the page cache for both
        for _ in range(args.runs):
            for name, cmd in programs.items():
                results[name].append(measure(cmd, env, args.settle))
    finally:
        xvfb.terminate()
        xvfb.wait()
        server.shutdown()

    def med(name, i):
        return statistics.median(r[i] for r in results[name])

    rows = [("launch to directory request (ms)", 0, 1000.0), ("resident memory, own process (MiB)", 1, 1 / 1024),
            ("resident memory, with browser helpers (MiB)", 2, 1 / 1024)]
    print(f"{'figure':48} {'portal':>10} {'floor':>10} {'ratio':>7}")
    for label, i, scale in rows:
        p, f = med("portal", i) * scale, med("floor", i) * scale
        print(f"{label:48} {p:10.1f} {f:10.1f} {p / f:7.2f}")
    print(f"(median of {args.runs} runs each, Xvfb 1024x768, settle {args.settle} s)")


if __name__ == "__main__":
    main()
