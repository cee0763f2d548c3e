#!/usr/bin/python3
"""A loopback SMTP server for the tests.

Usage: smtp_server.py PORT DIR [--auth USER PASSWORD] [--starttls CERT KEY]

Writes each delivered message to DIR/NNN.json as {"from", "to", "data"}. A recipient whose
local part starts with "reject" is refused with 550. With USER and PASSWORD, AUTH is
required (over plain text, loopback only). With --starttls, STARTTLS is offered with that
certificate and required before mail is accepted. Prints READY when listening and stops when its
standard input closes.
"""
import argparse
import json
import os
import ssl
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
    parser = argparse.ArgumentParser()
    parser.add_argument("port", type=int)
    parser.add_argument("folder")
    parser.add_argument("--auth", nargs=2)
    parser.add_argument("--starttls", nargs=2)
    args = parser.parse_args()
    kwargs = {}
    if args.auth:
        user, password = args.auth[0].encode(), args.auth[1].encode()

        def authenticator(server, session, envelope, mechanism, auth_data):
            ok = isinstance(auth_data, LoginPassword) and auth_data.login == user and auth_data.password == password
            # Not "handled": aiosmtpd then answers a refusal with 535 instead of staying silent.
            return AuthResult(success=ok, handled=False)

        kwargs.update(authenticator=authenticator, auth_required=True, auth_require_tls=False)
    if args.starttls:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.starttls[0], args.starttls[1])
        kwargs.update(tls_context=context, require_starttls=True)
    controller = Controller(Mailbox(args.folder), hostname="127.0.0.1", port=args.port, **kwargs)
    controller.start()
    print("READY", flush=True)
    sys.stdin.read()
    controller.stop()


if __name__ == "__main__":
    main()
