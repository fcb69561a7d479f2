#!/usr/bin/env python3
"""Local stand-ins for the outside servers the installer talks to.

One process serves every stand-in, each on its own loopback port counted from a
base port (no root needed):

  base+0  archiver publisher's download server, plain HTTP
  base+1  archiver publisher's download server, HTTPS (server.pem, from the test CA)
  base+2  maker's update server, plain HTTP      (serves only .../releases/<file>)
  base+3  maker's update server, HTTPS
  base+4  HTTPS with untrusted.pem: a certificate from a CA nobody trusts
  base+9  never listened on: a closed port for connection failures
The maker's statistics server has a stand-in of its own (stats_server.py, base+60).

Every server answers the same paths, always reached as "localhost" (Wine matches
only the DNS names of a certificate):

  /<anything>/<file>     the file <file> (last path element) of the payload folder;
                         the update servers want "/releases/" somewhere in the path
  .../generated/<n>      n bytes, byte i = (i * 31 + 7) mod 256, with Content-Length
  /echo                  any method: JSON {"method", "path", "headers": [[name, value]...],
                         "body" (latin-1 text), "tls" (protocol version or "")}
  /status/<code>         that status with the body "status <code>"
  /stats/<token>         JSON {"requests": R, "bytes": B, "ranges": [...]} for a token
                         (below): the requests that carried it, the body bytes written
                         for them (error texts, and what went out before a reset,
                         too; not the chunk framing) and their Range headers in order
                         of arrival ("" for a request without one); all zero and empty
                         for a token never seen. Counted across every port of the
                         process.

Faults are chosen per request through the path, so parallel tests never share
state. A fault prefix is "/fault/<kind>/" in front of any path above, and
prefixes can be stacked ("/fault/no-length/fault/slow/generated/100000"):

  /fault/404/...         404 Not Found (likewise /fault/500/..., /fault/407/..., any code)
  /fault/proxy-auth/...  407 with "Proxy-Authenticate: Basic", as a proxy that wants a login
  /fault/no-length/...   body without Content-Length, ended by closing the connection
  /fault/chunked/...     body without Content-Length, chunked transfer encoding
  /fault/bad-length/...  "Content-Length: many" in place of a number
  /fault/negative-length/...  "Content-Length: -1", body ended by closing the connection
  /fault/reset/...       announces the full length, sends half the body, then resets
                         the connection (TCP RST)
  /fault/truncate/...    announces the full length, sends half, then closes cleanly
  /fault/slow/...        the body in 10 pieces about 100 ms apart (about 1 s in all);
                         /fault/slow/<ms>/... spreads it over <ms> milliseconds
  /fault/tampered/...    payload/tampered/<file> when it exists, else the file with one
                         byte changed a third of the way in
  /fault/unsigned/...    payload/unsigned/<file> when it exists, else the file with its
                         Authenticode signature stripped (PE files)
  /fault/other-signer/...  payload/other-signer/<file>: validly signed by a test certificate
                         that is no product's publisher; 404 when there is none
  /fault/cross-signer/...  payload/cross-signer/<file>: signed by the other product's publisher
  /fault/second-ca/...     payload/second-ca/<file>: signed by a certificate named as the
                         publisher, from another CA
  /fault/failing/...       payload/failing/<file> when it exists (a package the Windows
                         Installer refuses), else the file itself
  /fault/retry-after/<seconds>/...  adds "Retry-After: <seconds>" to the answer, as a busy
                         server does ("/fault/retry-after/2/fault/503/...")

Retries and resumed downloads:

  /fault/token-<token>/...   only counts the request for /stats/<token>; <token> is
                         [a-z0-9]+, chosen unique by each test. One token a request.
  /fault/fail-<token>/<n>/...  counts like token-, and every fault prefix after it
                         applies only to the first <n> requests for that token; from
                         request n+1 on they are ignored (the prefixes before it always
                         apply). "/fault/ranges/fault/fail-abc/1/fault/reset/win/x.exe"
                         breaks the first download half-way and serves the next ones.
  /fault/ranges/...      answers with "Accept-Ranges: bytes", a strong ETag made from
                         the content and a Last-Modified date. "Range: bytes=<start>-"
                         (no other form) gets 206 with "Content-Range: bytes
                         <start>-<last>/<total>" and the rest of the body, unless an
                         If-Range names neither the ETag nor the date: then 200 with
                         all of it. A start at or past the end gets 416 with
                         "Content-Range: bytes */<total>". reset, truncate and slow act
                         on the part sent. Without this prefix Range is ignored.
  /fault/changing/...    with ranges: ETag and Last-Modified change on every request,
                         as for a file replaced between attempts, so no If-Range
                         carried over from an earlier answer matches

Commands:
  server.py serve --payload DIR --pki DIR --port-base N      run in the foreground
  server.py start --payload DIR --pki DIR --port-base N --state DIR
                                     start in the background, wait until every port answers
  server.py stop --state DIR         stop the server that start left in DIR
CTest runs start and stop as the fixture "testbed" (tests testbed.start/testbed.stop).
The commands, the serving loop and the background start and stop live in daemon.py.
"""

import email.utils
import hashlib
import http.server
import itertools
import json
import os
import re
import socket
import ssl
import struct
import sys
import threading
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import daemon

DOWNLOAD_HTTP, DOWNLOAD_HTTPS, UPDATE_HTTP, UPDATE_HTTPS, UNTRUSTED_HTTPS = range(5)
CLOSED_PORT_OFFSET = 9
# Faults served only from a copy the payload build prepared.
PREPARED_ONLY = ("other-signer", "cross-signer", "second-ca")
FAULT = re.compile(r"^/fault/([a-z0-9-]+)(/\d+)?(/.*)$")
TOKEN = re.compile(r"^(fail|token)-([a-z0-9]+)$")
OPEN_RANGE = re.compile(r"^bytes=(\d+)-$")
COPY_CHUNK = 1 << 20
# A changing file is a new version on every request, anywhere in the process.
VERSIONS = itertools.count(1)
STARTED = int(time.time())  # the date of bodies made in memory
DIGESTS = {}


def generated_bytes(count):
    pattern = bytes((i * 31 + 7) % 256 for i in range(256))
    whole, rest = divmod(count, 256)
    return pattern * whole + pattern[:rest]


def strip_signature(data):
    """A PE file without its Authenticode signature (certificate table emptied)."""
    if len(data) < 0x40 or data[:2] != b"MZ":
        return data
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    magic = struct.unpack_from("<H", data, pe + 24)[0]
    directories = pe + 24 + (96 if magic == 0x10B else 112)
    entry = directories + 4 * 8  # the security directory
    offset, size = struct.unpack_from("<II", data, entry)
    if offset == 0 or size == 0:
        return data
    out = bytearray(data[:offset])
    struct.pack_into("<II", out, entry, 0, 0)
    return bytes(out)


def size_of(body):
    return body.size if isinstance(body, on_disk) else len(body)


def validators(body, changing):
    """ETag and Last-Modified of a body; a changing one is a new version each time."""
    if isinstance(body, on_disk):
        digest, modified = file_digest(body.path), os.path.getmtime(body.path)
    else:
        digest, modified = hashlib.sha1(body).hexdigest()[:16], STARTED
    if not changing:
        return '"%s"' % digest, email.utils.formatdate(modified, usegmt=True)
    version = next(VERSIONS)
    return '"%s-%d"' % (digest, version), email.utils.formatdate(modified + version, usegmt=True)


def file_digest(path):
    # Remembered per version of the file, as every ranged request needs it.
    stat = os.stat(path)
    key = (path, stat.st_mtime_ns, stat.st_size)
    if key not in DIGESTS:
        with open(path, "rb") as f:
            DIGESTS[key] = hashlib.sha1(f.read()).hexdigest()[:16]
    return DIGESTS[key]


class faults:
    def __init__(self):
        self.status = None
        self.length = "normal"   # normal | none | chunked | bad
        self.ending = "normal"   # normal | reset | truncate
        self.slow_ms = None
        self.content = "normal"  # normal | tampered | unsigned | failing | one of PREPARED_ONLY
        self.proxy_auth = False
        self.retry_after = None
        self.ranges = False
        self.changing = False
        self.token = None        # whose counters this request adds to
        self.seen = 0            # this request's number among the token's requests


class tally:
    """The counters behind /stats/<token>, shared by every port of the process."""

    def __init__(self):
        self.lock = threading.Lock()
        self.tokens = {}

    def counters(self, token):
        return self.tokens.setdefault(token, {"requests": 0, "bytes": 0, "ranges": []})

    def arrive(self, token, range_header):
        """Counts a request for token; returns its number, 1 for the first."""
        with self.lock:
            counters = self.counters(token)
            counters["requests"] += 1
            counters["ranges"].append(range_header)
            return counters["requests"]

    def sent(self, token, count):
        with self.lock:
            self.counters(token)["bytes"] += count

    def report(self, token):
        with self.lock:
            return json.dumps(self.counters(token))


class on_disk:
    """A file sent from disk without reading it into memory (files may be large),
    from byte start on."""

    def __init__(self, path, start=0):
        self.path = path
        self.start = start
        self.size = os.path.getsize(path) - start


def parse_faults(path, arrive):
    """The faults a path asks for and the path behind them; None for an unknown
    fault. arrive(token) counts a request for token and returns its number."""
    chosen = faults()
    target = chosen  # a spent fail- prefix sends the prefixes after it nowhere
    while True:
        match = FAULT.match(path)
        if not match:
            return chosen, path
        kind, number, path = match.group(1), match.group(2), match.group(3)
        token = TOKEN.match(kind)
        if token:
            if chosen.token not in (None, token.group(2)):
                return None, path
            if chosen.token is None:
                chosen.token, chosen.seen = token.group(2), arrive(token.group(2))
            if token.group(1) == "token":
                path = (number or "") + path
            elif not number:
                return None, path
            elif chosen.seen > int(number[1:]):
                target = faults()
        elif not add_fault(target, kind, number):
            return None, path
        elif number and kind != "slow" and kind != "retry-after":
            path = number + path


def add_fault(chosen, kind, number):
    """Sets the fault kind (with its /<number>, when it takes one) in chosen;
    False for an unknown kind."""
    if kind.isdigit():
        chosen.status = int(kind)
    elif kind == "slow":
        chosen.slow_ms = int(number[1:]) if number else 1000
    elif kind == "retry-after":
        if not number:
            return False
        chosen.retry_after = int(number[1:])
    elif kind == "no-length":
        chosen.length = "none"
    elif kind == "chunked":
        chosen.length = "chunked"
    elif kind == "bad-length":
        chosen.length = "bad"
    elif kind == "negative-length":
        chosen.length = "negative"
    elif kind in ("reset", "truncate"):
        chosen.ending = kind
    elif kind in ("tampered", "unsigned", "failing") + PREPARED_ONLY:
        chosen.content = kind
    elif kind == "proxy-auth":
        chosen.status, chosen.proxy_auth = 407, True
    elif kind == "ranges":
        chosen.ranges = True
    elif kind == "changing":
        chosen.changing = True
    else:
        return False
    return True


class handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "qel-testbed/1"

    def log_message(self, format, *args):
        sys.stderr.write("%s :%d %s\n" % (self.log_date_time_string(), self.server.server_address[1], format % args))

    def do_GET(self):
        self.answer()

    def do_POST(self):
        self.answer()

    def do_PUT(self):
        self.answer()

    def do_HEAD(self):
        self.answer()

    def read_request_body(self):
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length) if length > 0 else b""

    def answer(self):
        request_body = self.read_request_body()
        chosen, path = parse_faults(self.path.split("?", 1)[0], self.arrive)
        if chosen is None:
            return self.reply_text(400, "unknown fault in " + self.path)
        if chosen.status is not None:
            return self.reply_text(chosen.status, "status %d" % chosen.status, chosen)
        body, status = self.resolve(path, request_body, chosen)
        if body is None:
            return self.reply_text(status, "status %d" % status, chosen)
        headers = []
        if chosen.ranges and status == 200:
            body, status, headers = self.ranged(body, chosen)
        self.send_body(status, body, chosen, headers)

    def arrive(self, token):
        return self.server.tally.arrive(token, self.headers.get("Range") or "")

    def resolve(self, path, request_body, chosen):
        role = self.server.role
        if path == "/echo":
            return self.echo(request_body), 200
        match = re.match(r"^/stats/([a-z0-9]+)$", path)
        if match:
            return self.server.tally.report(match.group(1)).encode(), 200
        match = re.match(r"^/status/(\d+)$", path)
        if match:
            code = int(match.group(1))
            return ("status %d" % code).encode(), code
        match = re.search(r"(?:^|/)generated/(\d+)$", path)
        if match:
            return generated_bytes(int(match.group(1))), 200
        if role == "update" and "/releases/" not in path:
            return None, 404
        return self.payload(path, chosen)

    def payload(self, path, chosen):
        name = path.rsplit("/", 1)[-1]
        folder = self.server.payload
        if not name or name in (".", "..") or not os.path.isfile(os.path.join(folder, name)):
            return None, 404
        # The payload build leaves ready-made copies in unsigned/ and tampered/.
        prepared = os.path.join(folder, chosen.content, name)
        if chosen.content != "normal" and os.path.isfile(prepared):
            name = os.path.join(chosen.content, name)
            chosen.content = "normal"
        elif chosen.content in PREPARED_ONLY:
            return None, 404  # only a prepared copy is made that way
        file_path = os.path.join(folder, name)
        if chosen.content == "normal" and chosen.ending == "normal" and chosen.slow_ms is None:
            return on_disk(file_path), 200
        with open(file_path, "rb") as f:
            data = f.read()
        if chosen.content == "unsigned":
            data = strip_signature(data)
        elif chosen.content == "tampered" and data:
            changed = bytearray(data)
            changed[len(data) // 3] ^= 0x55
            data = bytes(changed)
        return data, 200

    def ranged(self, body, chosen):
        """The answer to a Range request for the whole body: status 206 with the
        part asked for, 200 with all of it or 416, with their headers."""
        tag, modified = validators(body, chosen.changing)
        headers = [("Accept-Ranges", "bytes"), ("ETag", tag), ("Last-Modified", modified)]
        asked = OPEN_RANGE.match((self.headers.get("Range") or "").replace(" ", ""))
        condition = self.headers.get("If-Range")
        if not asked or condition not in (None, tag, modified):
            return body, 200, headers
        start, total = int(asked.group(1)), size_of(body)
        if start >= total:
            headers.append(("Content-Range", "bytes */%d" % total))
            return b"status 416", 416, headers
        headers.append(("Content-Range", "bytes %d-%d/%d" % (start, total - 1, total)))
        part = on_disk(body.path, body.start + start) if isinstance(body, on_disk) else body[start:]
        return part, 206, headers

    def echo(self, request_body):
        tls = self.connection.version() if isinstance(self.connection, ssl.SSLSocket) else ""
        return json.dumps({
            "method": self.command,
            "path": self.path,
            "headers": [[k, v] for k, v in self.headers.items()],
            "body": request_body.decode("latin-1"),
            "tls": tls or "",
        }).encode()

    def reply_text(self, status, text, chosen=None):
        self.send_body(status, text.encode(), chosen or faults())

    def send_body(self, status, body, chosen, headers=()):
        size = size_of(body)
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        if chosen.proxy_auth:
            self.send_header("Proxy-Authenticate", 'Basic realm="qel"')
        if chosen.retry_after is not None:
            self.send_header("Retry-After", str(chosen.retry_after))
        for name, value in headers:
            self.send_header(name, value)
        if chosen.length == "normal":
            self.send_header("Content-Length", str(size))
        elif chosen.length == "bad":
            self.send_header("Content-Length", "many")
        elif chosen.length == "negative":
            self.send_header("Content-Length", "-1")
        elif chosen.length == "chunked":
            self.send_header("Transfer-Encoding", "chunked")
        if chosen.length in ("none", "bad", "negative"):
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        if self.command == "HEAD":
            return
        if isinstance(body, on_disk):
            return self.send_file(body, chosen)
        if chosen.ending != "normal":
            body = body[: len(body) // 2]
        self.send_pieces(body, chosen)
        if chosen.ending == "reset":
            # A reset throws away whatever the client has not read yet: give it
            # time to take the headers and the first half, so the break falls in
            # the body as announced, not in the headers.
            self.wfile.flush()
            time.sleep(0.5)
            self.reset_connection()
        elif chosen.ending == "truncate":
            self.close_connection = True

    def send_file(self, body, chosen):
        with open(body.path, "rb") as f:
            f.seek(body.start)
            if chosen.length == "chunked":
                while piece := f.read(COPY_CHUNK):
                    self.write_piece(piece, True, chosen)
                return self.wfile.write(b"0\r\n\r\n")
            if isinstance(self.connection, ssl.SSLSocket):
                while piece := f.read(COPY_CHUNK):
                    self.wfile.write(piece)
                    self.count_sent(chosen, len(piece))
                return
            # A piece at a time, so the counters hold what went out before a
            # client that gave up.
            offset = body.start
            while sent := self.connection.sendfile(f, offset, COPY_CHUNK):
                offset += sent
                self.count_sent(chosen, sent)

    def send_pieces(self, body, chosen):
        chunked = chosen.length == "chunked"
        if chosen.slow_ms is None:
            pieces, pause = [body], 0
        else:
            step = max(1, -(-len(body) // 10))
            pieces = [body[i:i + step] for i in range(0, len(body), step)] or [b""]
            pause = chosen.slow_ms / 1000.0 / max(1, len(pieces))
        for index, piece in enumerate(pieces):
            if index and pause:
                time.sleep(pause)
            self.write_piece(piece, chunked, chosen)
        if chunked and chosen.ending == "normal":
            self.wfile.write(b"0\r\n\r\n")

    def write_piece(self, piece, chunked, chosen):
        if chunked:
            if piece:
                self.wfile.write(b"%x\r\n" % len(piece) + piece + b"\r\n")
        else:
            self.wfile.write(piece)
        self.wfile.flush()
        self.count_sent(chosen, len(piece))

    def count_sent(self, chosen, count):
        if chosen.token is not None:
            self.server.tally.sent(chosen.token, count)

    def reset_connection(self):
        # Linger 0 turns the close into a reset; detaching first keeps the server
        # from sending an orderly shutdown before it.
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        os.close(self.connection.detach())
        self.close_connection = True


class stand_in(daemon.loopback_server):
    def __init__(self, port, role, payload, counters, tls_context=None):
        self.role = role
        self.payload = payload
        self.tally = counters
        super().__init__(port, handler, tls_context)


def tls_context(pki, name):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(pki, name + ".pem"), os.path.join(pki, name + ".key"))
    return context


def make_servers(args):
    pki, payload, base = args.pki, args.payload, args.port_base
    trusted = tls_context(pki, "server")
    counters = tally()
    return [
        stand_in(base + DOWNLOAD_HTTP, "download", payload, counters),
        stand_in(base + DOWNLOAD_HTTPS, "download", payload, counters, trusted),
        stand_in(base + UPDATE_HTTP, "update", payload, counters),
        stand_in(base + UPDATE_HTTPS, "update", payload, counters, trusted),
        stand_in(base + UNTRUSTED_HTTPS, "download", payload, counters, tls_context(pki, "untrusted")),
    ]


def serve(args):
    os.makedirs(args.payload, exist_ok=True)
    daemon.serve_until_signalled(make_servers(args), "serving %s on ports %d-%d" % (
        args.payload, args.port_base, args.port_base + UNTRUSTED_HTTPS))


def add_options(command):
    command.add_argument("--payload", required=True)
    command.add_argument("--pki", required=True)
    command.add_argument("--port-base", type=int, required=True)


def serve_options(args):
    ports = [args.port_base + offset for offset in range(UNTRUSTED_HTTPS + 1)]
    return ["--payload", args.payload, "--pki", args.pki, "--port-base", args.port_base], ports


if __name__ == "__main__":
    sys.exit(daemon.main(__file__, "testbed", "Local stand-ins for the installer's outside servers.",
                         add_options, serve, serve_options))
