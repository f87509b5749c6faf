#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

"""An SMTP server for the mail tests: aiosmtpd on 127.0.0.1:PORT that keeps
every message it takes as files in FOLDER.

    recording_smtp_server.py PORT FOLDER [--tls starttls|implicit --cert PEM --key PEM]
                                         [--user NAME --password SECRET]

For message N it writes message-N.eml (the raw data as received) and then
message-N.json: the envelope, the headers and parts as Python's email package
reads them (decoded), and the defects it found, so that the C++ test checks
the message with a MIME reader other than the one that wrote it.

With --tls starttls the server offers STARTTLS and takes no mail before it;
with --tls offered it offers STARTTLS but takes mail without it too; with
--tls implicit it speaks TLS from the first byte. With --user it offers
AUTH PLAIN and LOGIN and takes only that user name and password - without
--tls it offers them in clear text, as a careless server would.

Every AUTH, MAIL and STARTTLS command is logged as it arrives, with whether
the connection was encrypted then, as a line of JSON in FOLDER/commands.jsonl:
{"connection": N, "command": "AUTH", "encrypted": false}. A test reads it to
tell that nothing was sent in clear.

Refusals, chosen by the addresses a test uses:
  - a recipient containing "refuse" gets 550 to RCPT TO;
  - a sender containing "needauth" gets 530 to MAIL FROM.
"""

import argparse
import asyncio
import base64
import email
import email.policy
import email.utils
import json
import itertools
import os
import ssl

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

REFUSED_RECIPIENT_REPLY = "550 5.1.1 Mailbox unavailable: no such user here"
AUTH_REQUIRED_REPLY = "530 5.7.0 Authentication required"


def describe(raw: bytes) -> dict:
    message = email.message_from_bytes(raw, policy=email.policy.default)
    body_part = message.get_body(preferencelist=("plain",))
    try:
        date = email.utils.parsedate_to_datetime(str(message["Date"])).isoformat()
    except (TypeError, ValueError):
        date = None
    defects = [repr(defect) for part in message.walk() for defect in part.defects]
    for name in ("From", "To", "Subject", "Date", "Content-Type", "Content-Disposition"):
        for part in message.walk():
            header = part.get(name)
            if header is not None:
                defects += [f"{name}: {defect!r}" for defect in header.defects]
    return {
        "from": str(message["From"]),
        "to": str(message["To"]),
        "subject": str(message["Subject"]),
        "date": date,
        "message_id": message["Message-ID"],
        "mime_version": message["MIME-Version"],
        "content_type": message.get_content_type(),
        "body_content_type": body_part.get_content_type() if body_part else None,
        "body_charset": body_part.get_content_charset() if body_part else None,
        # Line breaks as "\n": CR LF is how MIME carries them, not text.
        "body": body_part.get_content().replace("\r\n", "\n") if body_part else None,
        "attachments": [
            {
                "filename": part.get_filename(),
                "content_type": part.get_content_type(),
                "data": base64.b64encode(part.get_payload(decode=True)).decode("ascii"),
            }
            for part in message.iter_attachments()
        ],
        "defects": defects,
        "longest_line": max((len(line) for line in raw.split(b"\r\n")), default=0),
        "bare_line_feeds": raw.replace(b"\r\n", b"").count(b"\n"),
        "eight_bit": any(byte > 127 for byte in raw),
    }


class RecordingHandler:
    def __init__(self, folder: str):
        self.folder = folder
        self.count = 0

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        if "needauth" in address:
            return AUTH_REQUIRED_REPLY
        envelope.mail_from = address
        envelope.mail_options.extend(mail_options)
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if "refuse" in address:
            return REFUSED_RECIPIENT_REPLY
        envelope.rcpt_tos.append(address)
        envelope.rcpt_options.extend(rcpt_options)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        stem = os.path.join(self.folder, f"message-{self.count}")
        raw = envelope.original_content
        with open(stem + ".eml", "wb") as file:
            file.write(raw)
        record = {"mail_from": envelope.mail_from, "rcpt_tos": envelope.rcpt_tos}
        record.update(describe(raw))
        # Written whole under another name first: a reader never sees half.
        with open(stem + ".json.part", "w", encoding="utf-8") as file:
            json.dump(record, file, ensure_ascii=False, indent=1)
        os.replace(stem + ".json.part", stem + ".json")
        return "250 OK: message stored"


class LoggingSMTP(SMTP):
    """aiosmtpd's server, logging the commands that must not go in clear."""

    numbers = itertools.count(1)

    def __init__(self, *args, log_path: str, **kwargs):
        super().__init__(*args, **kwargs)
        self.log_path = log_path
        self.number = next(self.numbers)

    def log(self, command: str) -> None:
        encrypted = self.transport is not None and self.transport.get_extra_info("ssl_object") is not None
        with open(self.log_path, "a", encoding="utf-8") as file:
            file.write(json.dumps({"connection": self.number, "command": command, "encrypted": encrypted}) + "\n")

    async def smtp_AUTH(self, arg):
        self.log("AUTH")
        return await super().smtp_AUTH(arg)

    async def smtp_MAIL(self, arg):
        self.log("MAIL")
        return await super().smtp_MAIL(arg)

    async def smtp_STARTTLS(self, arg):
        self.log("STARTTLS")
        return await super().smtp_STARTTLS(arg)

    # HELP and EHLO find a command by the attributes its decorator sets.
    smtp_AUTH.__dict__.update(SMTP.smtp_AUTH.__dict__)
    smtp_MAIL.__dict__.update(SMTP.smtp_MAIL.__dict__)
    smtp_STARTTLS.__dict__.update(SMTP.smtp_STARTTLS.__dict__)


def password_check(user: str, password: str):
    def authenticate(server, session, envelope, mechanism, auth_data):
        good = (isinstance(auth_data, LoginPassword) and auth_data.login == user.encode()
                and auth_data.password == password.encode())
        # Not "handled": aiosmtpd then answers 535 itself.
        return AuthResult(success=good, handled=False, auth_data=auth_data)
    return authenticate


async def serve(options) -> None:
    loop = asyncio.get_running_loop()
    handler = RecordingHandler(options.folder)
    context = None
    if options.tls:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(options.cert, options.key)
    settings = {"hostname": "recording.test", "loop": loop,
                "log_path": os.path.join(options.folder, "commands.jsonl")}
    if options.user is not None:
        settings.update(authenticator=password_check(options.user, options.password),
                        # aiosmtpd knows of STARTTLS only; with implicit TLS
                        # the connection is encrypted from the first byte.
                        auth_require_tls=options.tls in ("starttls", "offered"))
    if options.tls in ("starttls", "offered"):
        settings.update(tls_context=context, require_starttls=options.tls == "starttls")
    server = await loop.create_server(lambda: LoggingSMTP(handler, **settings), "127.0.0.1", options.port,
                                      ssl=context if options.tls == "implicit" else None)
    async with server:
        await server.serve_forever()


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("port", type=int)
    parser.add_argument("folder")
    parser.add_argument("--tls", choices=("starttls", "offered", "implicit"))
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user")
    parser.add_argument("--password", default="")
    asyncio.run(serve(parser.parse_args()))
