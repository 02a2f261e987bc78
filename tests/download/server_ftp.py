#!/usr/bin/env python3
"""Loopback FTP server for the download tests.

Serves a folder to anonymous users on 127.0.0.1 at a free port, which it prints as
"PORTA <n>" once it listens, and misbehaves on request: --taglia NAME sends half of that file
and then drops the connection, --blocca NAME sends half and then goes silent, --goccia NAME
sends one byte every --pausa-goccia seconds. It ends by itself after --durata seconds, so a
test that forgets it cannot leave it behind for long.
"""
import argparse
import os
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class Meta:
    """Produces the first half of a file, then cuts the session or stalls."""

    def __init__(self, dati, gestore, modo, pausa):
        self.dati = dati[: len(dati) // 2]
        self.gestore = gestore
        self.modo = modo
        self.pausa = pausa

    def more(self):
        if self.dati:
            dati, self.dati = self.dati, b""
            return dati
        if self.modo == "blocca":
            time.sleep(self.pausa)
        self.gestore.close()
        return b""


class Goccia:
    """Keeps a transfer alive with one byte at a time."""

    def __init__(self, dati, pausa):
        self.dati = dati
        self.pausa = pausa

    def more(self):
        if not self.dati:
            return b""
        time.sleep(self.pausa)
        byte, self.dati = self.dati[:1], self.dati[1:]
        return byte


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("radice")
    ap.add_argument("--taglia", action="append", default=[])
    ap.add_argument("--blocca", action="append", default=[])
    ap.add_argument("--goccia", action="append", default=[])
    ap.add_argument("--pausa", type=float, default=8.0)
    ap.add_argument("--pausa-goccia", type=float, default=0.2)
    ap.add_argument("--rifiuta", action="store_true", help="refuse every log-in")
    ap.add_argument("--durata", type=float, default=120.0)
    a = ap.parse_args()

    autorizzazioni = DummyAuthorizer()
    if not a.rifiuta:
        autorizzazioni.add_anonymous(os.path.abspath(a.radice))

    class Gestore(FTPHandler):
        authorizer = autorizzazioni
        banner = "Sirvela test"
        auth_failed_timeout = 0.1

        def ftp_RETR(self, file):
            nome = os.path.basename(file)
            if nome in a.goccia:
                with open(file, "rb") as f:
                    dati = f.read()
                self.push_dtp_data(Goccia(dati, a.pausa_goccia), isproducer=True, cmd="RETR")
                return file
            modo = "taglia" if nome in a.taglia else "blocca" if nome in a.blocca else None
            if modo is None:
                return FTPHandler.ftp_RETR(self, file)
            with open(file, "rb") as f:
                dati = f.read()
            self.push_dtp_data(Meta(dati, self, modo, a.pausa), isproducer=True, cmd="RETR")
            return file

    Gestore.log_prefix = ""
    import logging

    logging.basicConfig(level=logging.CRITICAL)
    server = FTPServer(("127.0.0.1", 0), Gestore)
    print("PORTA", server.address[1], flush=True)
    server.ioloop.call_later(a.durata, server.close_all)
    server.serve_forever(timeout=0.5)


if __name__ == "__main__":
    sys.exit(main())
