#!/usr/bin/env python3
"""tsa_server.py WORK: a throwaway RFC 3161 timestamp server for the signing
test. Makes its own self-signed timestamping certificate (WORK/tsa.pem),
listens on a free port of 127.0.0.1, writes the port to WORK/port and
answers every timestamp query (HTTP POST) with OpenSSL's `ts -reply` until
it is stopped."""

import http.server
import os
import subprocess
import sys

CONFIG = """[tsa]
default_tsa = tsa_config
[tsa_config]
serial = {work}/serial
signer_cert = {work}/tsa.pem
signer_key = {work}/tsa.key
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256
accuracy = secs:1
ess_cert_id_alg = sha256
"""


def make_authority(work):
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=Stochal test timestamps", "-addext", "extendedKeyUsage=critical,timeStamping",
                    "-keyout", os.path.join(work, "tsa.key"), "-out", os.path.join(work, "tsa.pem")],
                   check=True, capture_output=True)
    with open(os.path.join(work, "serial"), "w") as serial:
        serial.write("01\n")
    with open(os.path.join(work, "tsa.cnf"), "w") as config:
        config.write(CONFIG.format(work=work))


def handler(work):
    class Reply(http.server.BaseHTTPRequestHandler):
        def do_POST(self):
            query = os.path.join(work, "query.tsq")
            with open(query, "wb") as out:
                out.write(self.rfile.read(int(self.headers["Content-Length"])))
            reply = subprocess.run(["openssl", "ts", "-reply", "-config", os.path.join(work, "tsa.cnf"),
                                    "-queryfile", query], check=True, capture_output=True).stdout
            self.send_response(200)
            self.send_header("Content-Type", "application/timestamp-reply")
            self.send_header("Content-Length", str(len(reply)))
            self.end_headers()
            self.wfile.write(reply)

        def log_message(self, *args):
            pass
    return Reply


def main():
    work = os.path.abspath(sys.argv[1])
    make_authority(work)
    server = http.server.HTTPServer(("127.0.0.1", 0), handler(work))
    with open(os.path.join(work, "port.part"), "w") as port:
        port.write(str(server.server_port))
    os.rename(os.path.join(work, "port.part"), os.path.join(work, "port"))
    server.serve_forever()


if __name__ == "__main__":
    main()
