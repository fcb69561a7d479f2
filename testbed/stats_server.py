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
  - a counters request whose User-Agent holds "qel-counters=<kind>" picks:
      no-result      200 the three counters at the top level, without "result"
      text-total     200 "total" as a word
      404            404
Commands:
  stats_server.py serve --pki DIR --port N
  stats_server.py start --pki DIR --port N --state DIR   (background; waits until it answers)
  stats_server.py stop --state DIR
CTest runs start and stop as the fixture "testbed_stats" (testbed_stats.start/.stop).
"""
import argparse
import http.server
import json
import os
import re
import signal
import socket
import socketserver
import ssl
import subprocess
import sys
import threading
import time

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
        if self.command == "GET" and path in ("/_received", "/_requests"):
            with self.server.lock:
                records = list(self.server.reports if path == "/_received" else self.server.requests)
            return self.send(200, "application/json", json.dumps(records).encode())
        self.send(404, "text/plain", b"not found")

    def report(self, body):
        with self.server.lock:
            self.server.reports.append({
                "user_agent": self.headers.get("User-Agent", ""),
                "content_type": self.headers.get("Content-Type", ""),
                "headers": [[k, v] for k, v in self.headers.items()],
                "body": body.decode("latin-1"),
            })
        status, content_type, answer = REPORT_ANSWERS.get(report_kind(body), REPORT_ANSWERS["success"])
        self.send(status, content_type, answer)

    def send(self, status, content_type, body):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


class stats_server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, port, tls):
        self.tls = tls
        self.lock = threading.Lock()
        self.reports = []
        self.requests = []
        super().__init__(("127.0.0.1", port), handler)

    def finish_request(self, request, client_address):
        # The handshake runs on the request's own thread, so a client that
        # refuses the certificate holds up nobody.
        try:
            request = self.tls.wrap_socket(request, server_side=True)
        except (ssl.SSLError, OSError):
            return
        super().finish_request(request, client_address)

    def handle_error(self, request, client_address):
        kind = sys.exc_info()[0]
        if kind is not None and issubclass(kind, OSError):
            return
        super().handle_error(request, client_address)


def serve(args):
    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(os.path.join(args.pki, "server.pem"), os.path.join(args.pki, "server.key"))
    server = stats_server(args.port, tls)
    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    signal.signal(signal.SIGINT, lambda *_: stop.set())
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stderr.write("statistics stand-in on port %d\n" % args.port)
    sys.stderr.flush()
    stop.wait()
    server.shutdown()
    server.server_close()


def port_answers(port):
    try:
        socket.create_connection(("127.0.0.1", port), timeout=0.5).close()
        return True
    except OSError:
        return False


def pid_file(state):
    return os.path.join(state, "stats_server.pid")


def is_our_server(pid):
    try:
        with open("/proc/%d/cmdline" % pid, "rb") as f:
            return os.path.basename(__file__).encode() in f.read()
    except OSError:
        return False


def stop(args):
    path = pid_file(args.state)
    try:
        with open(path) as f:
            pid = int(f.read().strip())
    except (OSError, ValueError):
        return 0
    if is_our_server(pid):
        os.kill(pid, signal.SIGTERM)
        for _ in range(100):
            if not is_our_server(pid):
                break
            time.sleep(0.05)
        else:
            os.kill(pid, signal.SIGKILL)
    os.remove(path)
    return 0


def start(args):
    os.makedirs(args.state, exist_ok=True)
    stop(args)  # a server left behind by an interrupted run
    if port_answers(args.port):
        sys.exit("stats_server: port %d is already in use by another program" % args.port)
    log = open(os.path.join(args.state, "stats_server.log"), "ab")
    command = [sys.executable, os.path.abspath(__file__), "serve", "--pki", args.pki, "--port", str(args.port)]
    # A session of its own and no inherited output, so CTest does not wait for it.
    child = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    with open(pid_file(args.state), "w") as f:
        f.write(str(child.pid))
    for _ in range(200):
        if child.poll() is not None:
            sys.exit("stats_server: the server ended at once; see " + os.path.join(args.state, "stats_server.log"))
        if port_answers(args.port):
            print("stats_server: serving on port %d (pid %d)" % (args.port, child.pid))
            return 0
        time.sleep(0.05)
    stop(args)
    sys.exit("stats_server: the port did not answer within 10 s")


def main():
    parser = argparse.ArgumentParser(description="Local stand-in for the installer's statistics server.")
    commands = parser.add_subparsers(dest="command", required=True)
    for name in ("serve", "start"):
        command = commands.add_parser(name)
        command.add_argument("--pki", required=True)
        command.add_argument("--port", type=int, required=True)
        if name == "start":
            command.add_argument("--state", required=True)
    commands.add_parser("stop").add_argument("--state", required=True)
    args = parser.parse_args()
    return {"serve": serve, "start": start, "stop": stop}[args.command](args)


if __name__ == "__main__":
    sys.exit(main() or 0)
