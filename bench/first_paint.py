#!/usr/bin/env python3
"""Time from launch to the main window's first paint, portal against the floor of its stack.

Runs build/tvportal and build/bench/floor_window alternately under a private Xvfb with a black
root window, against the quiet loopback directory page of startup_memory.py. For each launch,
build/bench/paint_watch reports when a 671 x 420 window is mapped and when at least half of its
pixels are no longer black, i.e. when the toolkit's first frame has reached the screen (both
programs map their window without a background, so it shows the black root until then).
Prints the medians and the ratios portal / floor; --json prints one JSON object instead.

Usage: bench/first_paint.py [--build DIR] [--runs N] [--json]
"""
import argparse
import http.server
import json
import os
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_memory import PORT, ROOT, Recorder, free_display, stop_group  # noqa: E402

WIDTH, HEIGHT = 671, 420


def launch_and_watch(cmd, watch, env):
    """(seconds to map, seconds to first paint) of one launch."""
    watcher = subprocess.Popen([watch, str(WIDTH), str(HEIGHT), "30"], env=env, stdout=subprocess.PIPE, text=True)
    try:
        if watcher.stdout.readline().strip() != "ready":
            raise RuntimeError("paint_watch did not start")
        start = time.monotonic()
        proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)
        try:
            moments = {}
            for line in watcher.stdout:
                what, _, value = line.partition(" ")
                moments[what] = float(value) - start
                if what == "paint":
                    break
            if "paint" not in moments:
                raise RuntimeError(f"{cmd[0]}: no painted {WIDTH} x {HEIGHT} window within 30 s")
            return moments["map"], moments["paint"]
        finally:
            stop_group(proc)
    finally:
        watcher.kill()
        watcher.wait()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", default=os.path.join(ROOT, "build"))
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--json", action="store_true")
    args = ap.parse_args()

    watch = os.path.join(args.build, "bench", "paint_watch")
    programs = {"portal": [os.path.join(args.build, "tvportal")],
                "floor": [os.path.join(args.build, "bench", "floor_window"), f"http://127.0.0.1:{PORT}/directory.htm"]}
    for path in [watch] + [cmd[0] for cmd in programs.values()]:
        if not os.access(path, os.X_OK):
            sys.exit(f"missing {path}: build first")

    server = http.server.ThreadingHTTPServer(("127.0.0.1", PORT), Recorder)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    display = free_display()
    xvfb = subprocess.Popen(["timeout", "900", "Xvfb", f":{display}", "-screen", "0", "1024x768x24", "-br",
                             "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=f":{display}", NO_AT_BRIDGE="1", GDK_BACKEND="x11",
               DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent")
    try:
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display}"):
                break
            time.sleep(0.05)
        launch_and_watch(programs["floor"], watch, env)  # warm the page cache for both
        results = {name: [] for name in programs}
        for _ in range(args.runs):
            for name, cmd in programs.items():
                results[name].append(launch_and_watch(cmd, watch, env))
    finally:
        xvfb.terminate()
        xvfb.wait()
        server.shutdown()

    medians = {name: [statistics.median(r[i] * 1000 for r in runs) for i in (0, 1)] for name, runs in results.items()}
    if args.json:
        print(json.dumps({"map_ms": {n: m[0] for n, m in medians.items()},
                          "paint_ms": {n: m[1] for n, m in medians.items()}, "runs": args.runs}))
        return
    print(f"{'figure':48} {'portal':>10} {'floor':>10} {'ratio':>7}")
    for label, i in (("launch to main window mapped (ms)", 0), ("launch to main window first paint (ms)", 1)):
        p, f = medians["portal"][i], medians["floor"][i]
        print(f"{label:48} {p:10.1f} {f:10.1f} {p / f:7.2f}")
    print(f"(median of {args.runs} runs each, Xvfb 1024x768 with a black root)")


if __name__ == "__main__":
    main()
