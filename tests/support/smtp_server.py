#!/usr/bin/python3
"""A loopback SMTP server for the tests.

Usage: smtp_server.py PORT DIR [USER PASSWORD]

Writes each delivered message to DIR/NNN.json as {"from", "to", "data"}. A recipient whose
local part starts with "reject" is refused with 550. With USER and PASSWORD, AUTH is
required (over plain text, loopback only). Prints READY when listening and stops when its
standard input closes.
"""
import json
import os
import sys

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


class Mailbox:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.split("@")[0].startswith("reject"):
            return "550 5.1.1 No such user here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        path = os.path.join(self.folder, "%03d.json" % self.count)
        with open(path + ".tmp", "w", encoding="utf-8") as f:
            json.dump({"from": envelope.mail_from, "to": envelope.rcpt_tos,
                       "data": envelope.original_content.decode("latin-1")}, f)
        os.rename(path + ".tmp", path)
        return "250 Message accepted"


def main():
    port = int(sys.argv[1])
    folder = sys.argv[2]
    kwargs = {}
    if len(sys.argv) > 4:
        user, password = sys.argv[3].encode(), sys.argv[4].encode()

        def authenticator(server, session, envelope, mechanism, auth_data):
            ok = isinstance(auth_data, LoginPassword) and auth_data.login == user and auth_data.password == password
            return AuthResult(success=ok)

        kwargs = {"authenticator": authenticator, "auth_required": True, "auth_require_tls": False}
    controller = Controller(Mailbox(folder), hostname="127.0.0.1", port=port, **kwargs)
    controller.start()
    print("READY", flush=True)
    sys.stdin.read()
    controller.stop()


if __name__ == "__main__":
    main()
