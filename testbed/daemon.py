"""What the stand-in servers of testbed/ share: the loopback HTTP server, serving
until a signal, and the life of the background copy that CTest starts and stops.

A stand-in script (server.py, stats_server.py) has the commands serve, start and
stop. start runs the script itself again as "<script> serve ..." in a session of
its own, its output appended to <state>/<name>.log and its pid in
<state>/<name>.pid, and returns once every port answers; stop ends the process
that pid file names, but only while it still runs that script, so a pid reused
by another program is never signalled.

main() gives a script those three commands; the script adds only its own options,
its servers and the ports start waits for. Python 3 standard library only;
imported by the scripts next to it (a script run by path has its own folder on
sys.path).
"""

import argparse
import http.server
import os
import signal
import socket
import socketserver
import ssl
import subprocess
import sys
import threading
import time

START_POLLS, POLL_SECONDS = 200, 0.05  # start waits about 10 s for the ports
STOP_POLLS = 100                       # stop waits about 5 s before SIGKILL


class loopback_server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    """An HTTP server on 127.0.0.1:port, one thread a connection, HTTPS when tls
    (an ssl.SSLContext) is given. Connections the client drops or refuses are
    not errors."""

    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, port, handler, tls=None):
        self.tls = tls
        super().__init__(("127.0.0.1", port), handler)

    def finish_request(self, request, client_address):
        # The handshake runs on the request's own thread, so a client that
        # refuses the certificate never holds up the others.
        if self.tls is not None:
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


def serve_until_signalled(servers, banner):
    """Runs every server until SIGTERM or SIGINT, then closes them all. banner goes
    to stderr (the log) once they listen."""
    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    signal.signal(signal.SIGINT, lambda *_: stop.set())
    for server in servers:
        threading.Thread(target=server.serve_forever, kwargs={"poll_interval": 0.1}, daemon=True).start()
    sys.stderr.write(banner + "\n")
    sys.stderr.flush()
    stop.wait()
    for server in servers:
        server.shutdown()
        server.server_close()


def ports_answer(ports):
    """True when every loopback port in ports accepts a connection."""
    for port in ports:
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.5).close()
        except OSError:
            return False
    return True


def describe(ports):
    """The words for ports in messages: port N, or ports A-B for a consecutive run."""
    return "port %d" % ports[0] if len(ports) == 1 else "ports %d-%d" % (ports[0], ports[-1])


class background:
    """The background copy of one stand-in script. name prefixes the messages and
    names the pid and log files in the folder state."""

    def __init__(self, script, name, state):
        self.script = os.path.abspath(script)
        self.name = name
        self.state = state
        self.pid_file = os.path.join(state, name + ".pid")
        self.log_file = os.path.join(state, name + ".log")

    def is_ours(self, pid):
        try:
            with open("/proc/%d/cmdline" % pid, "rb") as f:
                return self.script.encode() in f.read().split(b"\0")
        except OSError:
            return False

    def send(self, pid, number):
        try:
            os.kill(pid, number)
        except ProcessLookupError:
            pass  # it ended on its own meanwhile

    def stop(self):
        """Ends the server the pid file names and removes the file; 0 also when
        there is none."""
        try:
            with open(self.pid_file) as f:
                pid = int(f.read().strip())
        except (OSError, ValueError):
            return 0
        if self.is_ours(pid):
            self.send(pid, signal.SIGTERM)
            for _ in range(STOP_POLLS):
                if not self.is_ours(pid):
                    break
                time.sleep(POLL_SECONDS)
            else:
                self.send(pid, signal.SIGKILL)
        os.remove(self.pid_file)
        return 0

    def start(self, serve_arguments, ports):
        """Starts "<script> <serve_arguments...>" and returns 0 once all ports
        answer; exits with a message when they are taken already, the server ends
        at once or the ports stay silent."""
        os.makedirs(self.state, exist_ok=True)
        self.stop()  # a server left behind by an interrupted run
        plural = len(ports) > 1
        if ports_answer(ports):
            sys.exit("%s: %s %s already in use by another program"
                     % (self.name, describe(ports), "are" if plural else "is"))
        command = [sys.executable, self.script] + [str(a) for a in serve_arguments]
        with open(self.log_file, "ab") as log:
            # A session of its own and no inherited output, so CTest does not wait for it.
            child = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                     start_new_session=True)
        with open(self.pid_file, "w") as f:
            f.write(str(child.pid))
        for _ in range(START_POLLS):
            if child.poll() is not None:
                sys.exit("%s: the server ended at once; see %s" % (self.name, self.log_file))
            if ports_answer(ports):
                print("%s: serving on %s (pid %d)" % (self.name, describe(ports), child.pid))
                return 0
            time.sleep(POLL_SECONDS)
        self.stop()
        sys.exit("%s: the %s did not answer within 10 s" % (self.name, "ports" if plural else "port"))


def main(script, name, description, add_options, serve, serve_options):
    """Parses the command line of a stand-in script and runs its command; returns
    the exit status. add_options(parser) adds the script's own options to serve
    and start; serve(args) serves in the foreground; serve_options(args) gives
    the options start hands on to serve and the ports it waits for."""
    parser = argparse.ArgumentParser(description=description)
    commands = parser.add_subparsers(dest="command", required=True)
    for command_name in ("serve", "start"):
        command = commands.add_parser(command_name)
        add_options(command)
        if command_name == "start":
            command.add_argument("--state", required=True)
    commands.add_parser("stop").add_argument("--state", required=True)
    args = parser.parse_args()
    if args.command == "serve":
        return serve(args) or 0
    stand_in = background(script, name, args.state)
    if args.command == "stop":
        return stand_in.stop()
    options, ports = serve_options(args)
    return stand_in.start(["serve"] + options, ports)
