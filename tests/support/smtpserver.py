#!/usr/bin/python3
"""SMTP server for the tests: plain, STARTTLS and implicit TLS listeners on loopback.

Every accepted mail is saved as NNNN.eml with a NNNN.json beside it (envelope, decoded subject,
HTML body, attachments with their SHA-256). The ports and the certificate go to ports.env.
Login: user "caixa", password "segredo" (required on the STARTTLS and TLS listeners).
"""
import argparse
import asyncio
import email
import email.header
import email.policy
import hashlib
import json
import os
import signal
import socket
import ssl
import subprocess
import threading

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

USER, PASSWORD = b"caixa", b"segredo"
NUMBERING = threading.Lock()


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def authenticator(server, session, envelope, mechanism, auth_data):
    ok = isinstance(auth_data, LoginPassword) and auth_data.login == USER and auth_data.password == PASSWORD
    return AuthResult(success=ok, handled=False)


class Saver:
    def __init__(self, folder, listener):
        self.folder = folder
        self.listener = listener

    def save_raw(self, raw):
        with NUMBERING:
            n = len([f for f in os.listdir(self.folder) if f.endswith(".eml")]) + 1
            base = os.path.join(self.folder, "%04d" % n)
            with open(base + ".eml", "wb") as f:
                f.write(raw)
            return base

    async def handle_DATA(self, server, session, envelope):
        raw = envelope.original_content or envelope.content
        msg = email.message_from_bytes(raw, policy=email.policy.default)
        html = None
        attachments = []
        for part in msg.walk():
            if part.is_multipart():
                continue
            disposition = part.get_content_disposition()
            if disposition in ("attachment", "inline") and part.get_filename():
                data = part.get_payload(decode=True)
                attachments.append({
                    "filename": part.get_filename(),
                    "disposition": disposition,
                    "description": str(part.get("Content-Description", "")),
                    "sha256": hashlib.sha256(data).hexdigest(),
                    "size": len(data),
                })
            elif part.get_content_type() == "text/html" and html is None:
                html = part.get_content()
        info = {
            "listener": self.listener,
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "authenticated": bool(getattr(session, "authenticated", False)),
            "tls": session.ssl is not None or self.listener == "tls",
            "from": str(msg.get("From", "")),
            "to": str(msg.get("To", "")),
            "subject": str(msg.get("Subject", "")),
            "x_priority": str(msg.get("X-Priority", "")),
            "html": html,
            "attachments": attachments,
        }
        base = self.save_raw(raw)
        with open(base + ".json.tmp", "w", encoding="utf-8") as f:
            json.dump(info, f, ensure_ascii=False, indent=1)
        os.replace(base + ".json.tmp", base + ".json")
        return "250 Message accepted"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dir", required=True)
    args = parser.parse_args()
    mail_dir = os.path.join(args.dir, "mail")
    os.makedirs(mail_dir, exist_ok=True)
    cert = os.path.join(args.dir, "cert.pem")
    key = os.path.join(args.dir, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost",
                    "-keyout", key, "-out", cert], check=True, capture_output=True)
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert, key)

    ports = {"PLAIN": free_port(), "STARTTLS": free_port(), "TLS": free_port()}
    controllers = [
        Controller(Saver(mail_dir, "plain"), hostname="127.0.0.1", port=ports["PLAIN"],
                   authenticator=authenticator, auth_require_tls=False),
        Controller(Saver(mail_dir, "starttls"), hostname="127.0.0.1", port=ports["STARTTLS"],
                   tls_context=context, require_starttls=True, authenticator=authenticator,
                   auth_required=True),
        Controller(Saver(mail_dir, "tls"), hostname="127.0.0.1", port=ports["TLS"], ssl_context=context,
                   authenticator=authenticator, auth_required=True, auth_require_tls=False),
    ]
    for c in controllers:
        c.start()
    env = os.path.join(args.dir, "ports.env")
    with open(env + ".tmp", "w") as f:
        for name, port in ports.items():
            f.write("CAIXA_TEST_SMTP_%s_PORT=%d\n" % (name, port))
        f.write("CAIXA_TEST_SMTP_CA=%s\n" % cert)
        f.write("CAIXA_TEST_SMTP_MAILDIR=%s\n" % mail_dir)
    os.replace(env + ".tmp", env)

    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *a: stop.set())
    signal.signal(signal.SIGINT, lambda *a: stop.set())
    stop.wait()
    for c in controllers:
        c.stop()


if __name__ == "__main__":
    main()
