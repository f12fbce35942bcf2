#!/usr/bin/python3
"""A real FTP server on a loopback address for the upload tests (pyftpdlib).

It serves one folder to one user, writes the port it listens on to a file once it is
ready, and logs every command it receives (passwords hidden), every login and every
file it stored with the transfer type in force, each before its reply goes out. It can also misbehave on purpose:
receive slowly, cut the data connection, or stop reading it, after a number of bytes.
"""

import argparse
import logging
import os
import socket
import struct

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True, help="the folder the user sees")
    parser.add_argument("--port-file", required=True, help="receives the port when ready")
    parser.add_argument("--log", required=True, help="one line per event")
    parser.add_argument("--wire", help="folder receiving the raw bytes of each upload")
    parser.add_argument("--host", default="127.0.0.1", help="the loopback address to listen on")
    parser.add_argument("--port", type=int, default=0, help="0: a port the system chooses")
    parser.add_argument("--user", default="kelmora")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--throttle", type=int, default=0, help="bytes per second received")
    parser.add_argument("--drop-after", type=int, default=0,
                        help="cut the data connection after this many bytes")
    parser.add_argument("--stall-after", type=int, default=0,
                        help="stop reading the data connection after this many bytes")
    return parser.parse_args()


def main():
    arguments = parse_arguments()
    log = open(arguments.log, "a", buffering=1, encoding="utf-8", errors="backslashreplace")
    uploads = [0]

    def record(line):
        log.write(line + "\n")

    class DataChannel(ThrottledDTPHandler):
        read_limit = arguments.throttle

        def __init__(self, sock, cmd_channel):
            super().__init__(sock, cmd_channel)
            self._received = 0
            self._wire = None
            if arguments.wire:
                uploads[0] += 1
                self._wire = open(os.path.join(arguments.wire, str(uploads[0])), "wb")

        def recv(self, buffer_size):
            chunk = super().recv(buffer_size)
            if self._wire:
                self._wire.write(chunk)
                self._wire.flush()
            self._received += len(chunk)
            if arguments.drop_after and self._received >= arguments.drop_after:
                record("dropped data connection")
                # A reset, as a broken network would give, not an orderly close.
                self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER,
                                       struct.pack("ii", 1, 0))
                self._resp = ("426 Connection closed; transfer aborted.", logging.info)
                self.close()
                return b""
            if arguments.stall_after and self._received >= arguments.stall_after:
                record("stopped reading")
                self.del_channel()
            return chunk

        def close(self):
            if self._wire:
                self._wire.close()
                self._wire = None
            # Logged before the reply goes out, so a client that has its reply finds it.
            if not self._closed and self.receive and self.file_obj is not None:
                path = os.path.relpath(self.file_obj.name, arguments.root)
                if self.transfer_finished:
                    record("received %s %s" % (path, self.cmd_channel._current_type.upper()))
                else:
                    record("incomplete " + path)
            super().close()

    class Handler(FTPHandler):
        dtp_handler = DataChannel
        auth_failed_timeout = 0

        def pre_process_command(self, line, cmd, arg):
            record("PASS ******" if cmd == "PASS" else line)
            super().pre_process_command(line, cmd, arg)

        # Logins are logged before the reply goes out.
        def handle_auth_success(self, home, password, msg_login):
            record("login " + self.username)
            super().handle_auth_success(home, password, msg_login)

        def handle_auth_failed(self, msg, password):
            record("login failed " + self.username)
            super().handle_auth_failed(msg, password)

    authorizer = DummyAuthorizer()
    authorizer.add_user(arguments.user, arguments.password, arguments.root, perm="elradfmwMT")
    Handler.authorizer = authorizer

    logging.basicConfig(level=logging.CRITICAL)
    server = FTPServer((arguments.host, arguments.port), Handler)
    port = server.socket.getsockname()[1]
    ready = arguments.port_file + ".part"
    with open(ready, "w") as port_file:
        port_file.write(str(port))
    os.replace(ready, arguments.port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
