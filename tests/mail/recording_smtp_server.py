#!/usr/bin/python3
"""An SMTP server for the mail tests: aiosmtpd on 127.0.0.1:PORT that keeps
every message it takes as files in FOLDER.

    recording_smtp_server.py PORT FOLDER

For message N it writes message-N.eml (the raw data as received) and then
message-N.json: the envelope, the headers and parts as Python's email package
reads them (decoded), and the defects it found, so that the C++ test checks
the message with a MIME reader other than the one that wrote it.

Refusals, chosen by the addresses a test uses:
  - a recipient containing "refuse" gets 550 to RCPT TO;
  - a sender containing "needauth" gets 530 to MAIL FROM.
"""

import asyncio
import base64
import email
import email.policy
import email.utils
import json
import os
import sys

from aiosmtpd.smtp import SMTP

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
                "data": base64.b64encode(part.get_content()).decode("ascii"),
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


async def serve(port: int, folder: str) -> None:
    loop = asyncio.get_running_loop()
    handler = RecordingHandler(folder)
    server = await loop.create_server(
        lambda: SMTP(handler, hostname="recording.test", loop=loop), "127.0.0.1", port)
    async with server:
        await server.serve_forever()


if __name__ == "__main__":
    asyncio.run(serve(int(sys.argv[1]), sys.argv[2]))
