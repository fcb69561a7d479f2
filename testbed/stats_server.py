#!/usr/bin/env python3
"""Local stand-in for the maker's statistics server (HTTPS, test CA's server.pem).

Paths:
  POST /installerstats.php          records the body, answers {"type":"success"}
  GET  /ombrelast/getstatsnew.php   the protection counters:
                                    {"result":{"total":41234567,"added5days":4321,"removed5days":765}}
  GET  /_received                   every report recorded so far, oldest first, as a JSON
                                    array of {"user_agent", "content_type", "headers", "body"}
                                    (body as latin-1 text, exactly as received)
  GET  /_requests                   every request line seen, as a JSON array of
                                    {"method", "target"}
  GET  /_hold/<n>                   the next n reports are held, silent and unrecorded,
                                    as by a server that is down for a while; 0 ends it

On the next port (--port + 1) a silent listener takes every connection and
never reads or sends a byte: a statistics server that hangs before its first
byte, so the client's TLS handshake never completes. Its connections are held
until the client closes them or the stand-in stops.

Like the usual production servers it refuses (400) a request target that does
not start with "/".

The answer is chosen per request, so tests running in parallel share no state:
  - a report whose events carry an "id" starting with "qel-reply-" picks the answer
    named by the rest:
      success        200 {"type":"success"} (also the default)
      rejected       200 {"type":"error","text":"unknown product"}
      rejected-bare  200 {"type":"error"}
      html           200 an HTML error page
      empty          200 with an empty body
      500-success    500 {"type":"success"}
      silent         no answer at all: the connection is held open, silent,
                     until the client closes it (or HOLD_SECONDS pass), as a
                     server that takes a report and then hangs
  - a counters request whose User-Agent holds "qel-counters=<kind>" picks:
      no-result      200 the three counters at the top level, without "result"
      text-total     200 "total" as a word
      404            404
Commands:
  stats_server.py serve --pki DIR --port N               (N and N + 1, the silent listener)
  stats_server.py start --pki DIR --port N --state DIR   (background; waits until both answer)
  stats_server.py stop --state DIR
CTest runs start and stop as the fixture "testbed_stats" (testbed_stats.start/.stop).
The commands, the serving loop and the background start and stop live in daemon.py.
"""
import http.server
import json
import os
import re
import socket
import ssl
import sys
import threading

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import daemon

COUNTERS = {"total": 41234567, "added5days": 4321, "removed5days": 765}

REPORT_ANSWERS = {
    "success": (200, "application/json", b'{"type":"success"}'),
    "rejected": (200, "application/json", b'{"type":"error","text":"unknown product"}'),
    "rejected-bare": (200, "application/json", b'{"type":"error"}'),
    "html": (200, "text/html", b"<html><head><title>502 Bad Gateway</title></head>"
                               b"<body><h1>Bad Gateway</h1></body></html>"),
    "empty": (200, "text/plain", b""),
    "500-success": (500, "application/json", b'{"type":"success"}'),
}

HOLD_SECONDS = 120

COUNTER_ANSWERS = {
    "normal": (200, {"result": COUNTERS}),
    "no-result": (200, COUNTERS),
    "text-total": (200, {"result": {"total": "many", "added5days": 1, "removed5days": 2}}),
    "404": (404, {"error": "not found"}),
}


def report_kind(body):
    match = re.search(rb'"id":"qel-reply-([a-z0-9-]+)"', body)
    return match.group(1).decode() if match else "success"


def counters_kind(user_agent):
    match = re.search(r"qel-counters=([a-z0-9-]+)", user_agent or "")
    return match.group(1) if match else "normal"


class handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "qel-stats/1"

    def log_message(self, format, *args):
        sys.stderr.write("%s %s\n" % (self.address_string(), format % args))

    def do_GET(self):
        self.answer()

    def do_POST(self):
        self.answer()

    def answer(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length > 0 else b""
        with self.server.lock:
            self.server.requests.append({"method": self.command, "target": self.path})
        if not self.path.startswith("/"):
            return self.send(400, "text/plain", b"the request target must start with /")
        path = self.path.split("?", 1)[0]
        if self.command == "POST" and path == "/installerstats.php":
            return self.report(body)
        if self.command == "GET" and path == "/ombrelast/getstatsnew.php":
            status, document = COUNTER_ANSWERS.get(counters_kind(self.headers.get("User-Agent")),
                                                   COUNTER_ANSWERS["normal"])
            return self.send(status, "application/json", json.dumps(document).encode())
        hold = re.fullmatch(r"/_hold/([0-9]+)", path)
        if self.command == "GET" and hold:
            with self.server.lock:
                self.server.holds_left = int(hold.group(1))
            return self.send(200, "application/json", b"{}")
        if self.command == "GET" and path in ("/_received", "/_requests"):
            with self.server.lock:
                records = list(self.server.reports if path == "/_received" else self.server.requests)
            return self.send(200, "application/json", json.dumps(records).encode())
        self.send(404, "text/plain", b"not found")

    def report(self, body):
        with self.server.lock:
            held = self.server.holds_left > 0
            if held:
                self.server.holds_left -= 1
            else:
                self.server.reports.append({
                    "user_agent": self.headers.get("User-Agent", ""),
                    "content_type": self.headers.get("Content-Type", ""),
                    "headers": [[k, v] for k, v in self.headers.items()],
                    "body": body.decode("latin-1"),
                })
        kind = report_kind(body)
        if held or kind == "silent":
            return self.hold()
        status, content_type, answer = REPORT_ANSWERS.get(kind, REPORT_ANSWERS["success"])
        self.send(status, content_type, answer)

    def hold(self):
        self.close_connection = True
        self.connection.settimeout(HOLD_SECONDS)
        try:
            while self.connection.recv(1):
                pass
        except OSError:
            pass  # the client reset the connection, or the hold ran out

    def send(self, status, content_type, body):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


class stats_server(daemon.loopback_server):
    def __init__(self, port, tls):
        self.lock = threading.Lock()
        self.reports = []
        self.requests = []
        self.holds_left = 0
        super().__init__(port, handler, tls)


class silent_listener:
    """Takes connections on 127.0.0.1:port and never says a word. Serves like the
    servers of daemon.serve_until_signalled (serve_forever, shutdown, server_close)."""

    HELD = 256  # the oldest connection is let go beyond this many

    def __init__(self, port):
        self.socket = socket.create_server(("127.0.0.1", port), backlog=64)
        self.held = []
        self.stopping = threading.Event()

    def serve_forever(self, poll_interval=0.1):
        self.socket.settimeout(poll_interval)
        while not self.stopping.is_set():
            try:
                connection, _ = self.socket.accept()
            except socket.timeout:
                continue
            except OSError:
                break
            self.held.append(connection)
            if len(self.held) > self.HELD:
                self.held.pop(0).close()

    def shutdown(self):
        self.stopping.set()

    def server_close(self):
        self.socket.close()
        for connection in self.held:
            connection.close()


def serve(args):
    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(os.path.join(args.pki, "server.pem"), os.path.join(args.pki, "server.key"))
    daemon.serve_until_signalled([stats_server(args.port, tls), silent_listener(args.port + 1)],
                                 "statistics stand-in on port %d, silent listener on %d" % (args.port, args.port + 1))


def add_options(command):
    command.add_argument("--pki", required=True)
    command.add_argument("--port", type=int, required=True)


def serve_options(args):
    return ["--pki", args.pki, "--port", args.port], [args.port, args.port + 1]


if __name__ == "__main__":
    sys.exit(daemon.main(__file__, "stats_server", "Local stand-in for the installer's statistics server.",
                         add_options, serve, serve_options))
