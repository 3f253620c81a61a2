"""Directory servers that misbehave, on 127.0.0.1:8173, for the hostile start-up tests.

A HostileServer accepts connections on a thread of its own and answers every request with one
behaviour (see BEHAVIOURS). It writes each request line ("GET /path") to its log, stops when told
to or when its lifetime is over, and never keeps a connection longer than that lifetime. Large
bodies are generated as they are sent, never stored. Only the standard library is used.
"""

import random
import socket
import threading
import time

PORT = 8173
START_MARKER = "////开始"
END_MARKER = "////结束"
GIB = 1 << 30
CHUNK = 64 * 1024


def gbk_page(entries, before=b"", after=b""):
    """A directory page: `before`, the entries (UTF-8 key, GBK bytes value) between the markers,
    `after`."""
    body = b"<html><body>\r\n" + before + START_MARKER.encode("gbk") + b"\r\n"
    for key, value in entries:
        body += b"<p>" + key.encode("gbk") + b"=" + value + b"</p>\r\n"
    return body + END_MARKER.encode("gbk") + b"\r\n" + after + b"</body></html>\r\n"


def response_head(status, reason, length=None, extra=()):
    lines = [f"HTTP/1.1 {status} {reason}", "Content-Type: text/html; charset=gbk", "Connection: close"]
    if length is not None:
        lines.append(f"Content-Length: {length}")
    lines += list(extra)
    return ("\r\n".join(lines) + "\r\n\r\n").encode("ascii")


# Values that are not GBK: a lone lead byte, a lead byte with a trail byte out of range, 0x80 and
# 0xFF, a pair cut by the entry's end.
INVALID_GBK = [b"\x81", b"\xfe\x7f", b"\x80\xff\x80", b"\xb5\xe7\xca", b"\xa1"]


def invalid_gbk_page(origin):
    """Both switches on, so all three reads run and both extra windows draw invalid texts."""
    bad = b"".join(INVALID_GBK)
    entries = [("水平扫描", b"640" + bad), ("垂直扫描", bad), ("央视综合", origin.encode() + b"/play\xff.htm?" + bad),
               ("智能识别", b"1"), ("解除封印", b"1"), ("施展咒语", origin.encode() + b"/full\x81.htm?x=" + bad),
               ("智能公告", b"notice " + bad), ("智变公告", bad + b" bar notice " + bad)]
    return gbk_page(entries)


class HostileServer:
    """Serves one behaviour; use in a `with` block, or call start() and stop()."""

    def __init__(self, behaviour, log_path, lifetime=90.0, origin=f"http://127.0.0.1:{PORT}"):
        if behaviour not in BEHAVIOURS:
            raise ValueError(f"unknown behaviour {behaviour}")
        self.behaviour = BEHAVIOURS[behaviour]
        self.log_path = log_path
        self.origin = origin
        self.deadline = time.monotonic() + lifetime
        self.stopping = threading.Event()
        self.lock = threading.Lock()
        self.threads = []
        self.listener = None
        self.sent = 0  # body bytes written, over all connections

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def start(self):
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", PORT))
        self.listener.listen(16)
        self.listener.settimeout(0.2)
        open(self.log_path, "w").close()
        accept = threading.Thread(target=self._accept_loop, daemon=True)
        accept.start()
        self.threads.append(accept)

    def stop(self):
        self.stopping.set()
        for thread in list(self.threads):
            thread.join(timeout=5)
        if self.listener is not None:
            self.listener.close()

    def requests(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            return [line.rstrip("\n") for line in log]

    # -- connections ----------------------------------------------------------------------------

    def running(self):
        return not self.stopping.is_set() and time.monotonic() < self.deadline

    def _accept_loop(self):
        while self.running():
            try:
                conn, _ = self.listener.accept()
            except socket.timeout:
                continue
            except OSError:
                return
            worker = threading.Thread(target=self._serve, args=(conn,), daemon=True)
            worker.start()
            with self.lock:
                self.threads.append(worker)

    def _serve(self, conn):
        with conn:
            conn.settimeout(2.0)
            head = self._read_head(conn)
            if head is None:
                return
            line = head.split(b"\r\n", 1)[0].decode("latin-1")
            method, _, rest = line.partition(" ")
            path = rest.rsplit(" ", 1)[0]
            with self.lock, open(self.log_path, "a", encoding="utf-8") as log:
                log.write(f"{method} {path}\n")
            try:
                self.behaviour(self, conn, path)
            except OSError:
                pass  # the client went away: what a hostile server must live with

    def _read_head(self, conn):
        data = b""
        while b"\r\n\r\n" not in data and len(data) < 65536 and self.running():
            try:
                part = conn.recv(4096)
            except socket.timeout:
                continue
            except OSError:
                return None
            if not part:
                return None
            data += part
        return data if b"\r\n\r\n" in data else None

    # -- building blocks of the behaviours ------------------------------------------------------

    def send(self, conn, data):
        """Sends all of data unless the server stops; returns False once the client is gone."""
        view = memoryview(data)
        while view and self.running():
            try:
                n = conn.send(view)
            except socket.timeout:
                continue
            except OSError:
                return False
            view = view[n:]
            with self.lock:
                self.sent += n
        return not view

    def hold(self, conn, seconds=None):
        """Keeps the connection open, sending nothing, until the client closes it, the server stops
        or `seconds` have passed."""
        until = self.deadline if seconds is None else min(self.deadline, time.monotonic() + seconds)
        conn.settimeout(0.2)
        while self.running() and time.monotonic() < until:
            try:
                if conn.recv(4096) == b"":
                    return
            except socket.timeout:
                continue
            except OSError:
                return


# -- the behaviours ------------------------------------------------------------------------------


def stall(server, conn, path):
    """Accepts and reads the request, then says nothing."""
    server.hold(conn)


def drip(server, conn, path):
    """A well-formed response, one byte a second, status line included."""
    body = gbk_page([("智能识别", b"1")])
    for byte in response_head(200, "OK", len(body)) + body:
        if not server.send(conn, bytes([byte])) or server.stopping.wait(1.0):
            return


def huge_body(server, conn, path):
    """A 1 GiB body announced in full and generated block by block: a page whose start marker is
    near the beginning and whose end marker would come only after the last byte."""
    block = ("<p>填充=" + "频道目录" * 2000 + "</p>\r\n").encode("gbk")
    first = b"<html><body>\r\n" + START_MARKER.encode("gbk") + b"\r\n"
    if not server.send(conn, response_head(200, "OK", GIB) + first):
        return
    left = GIB - len(first)
    while left > 0:
        piece = block if left >= len(block) else block[:left]
        if not server.send(conn, piece):
            return
        left -= len(piece)


def cut_short(server, conn, path):
    """Announces a body, sends half of it and closes: the end marker is in the missing half."""
    body = gbk_page([("智能识别", b"1"), ("解除封印", b"1")], after=b"x" * 20000)
    half = body.index(END_MARKER.encode("gbk")) - 10
    server.send(conn, response_head(200, "OK", len(body)) + body[:half])


def redirect_loop(server, conn, path):
    """Every request is sent back to the directory address itself."""
    server.send(conn, response_head(302, "Found", 0, [f"Location: {server.origin}/directory.htm"]))


def garbage_body(server, conn, path):
    """A 200 response whose body is random bytes with zero bytes among them; a section that would
    switch the notice board on stands after the first zero byte, where no read may look."""
    rng = random.Random(8173)
    noise = bytes(rng.randrange(256) for _ in range(200_000))
    body = noise[:1000].replace(b"\0", b"#") + b"\0" + gbk_page([("智能识别", b"1")]) + noise[1000:] + b"\0" * 5000
    server.send(conn, response_head(200, "OK", len(body)) + body)


def not_http(server, conn, path):
    """Random bytes and zero bytes in place of any HTTP response."""
    rng = random.Random(2048)
    server.send(conn, b"\0\0\0" + bytes(rng.randrange(256) for _ in range(50_000)) + b"\0" * 1000)


def invalid_gbk(server, conn, path):
    """The directory and every other page it names: texts that are not GBK."""
    if path.startswith("/directory.htm"):
        body = invalid_gbk_page(server.origin)
    else:
        body = b"<html><body>\xff\xfe\x81 page</body></html>"
    server.send(conn, response_head(200, "OK", len(body)) + body)


def error_page(server, conn, path):
    """404 with the server's own page, as a missing document gives."""
    body = b"<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1>" + b"<p>gone</p>" * 200
    server.send(conn, response_head(404, "Not Found", len(body)) + body)


BEHAVIOURS = {
    "stall": stall,
    "drip": drip,
    "huge-body": huge_body,
    "cut-short": cut_short,
    "redirect-loop": redirect_loop,
    "garbage-body": garbage_body,
    "not-http": not_http,
    "invalid-gbk": invalid_gbk,
    "error-page": error_page,
}
