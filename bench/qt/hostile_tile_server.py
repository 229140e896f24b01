#!/usr/bin/env python3
"""A tile server on 127.0.0.1 that answers every tile with what should cost a
tile viewer its memory: `huge`, a 2 GiB body without a length, or `bomb`, a
PNG of about 70 KB that declares 5000 x 5000 pixels (100 MB decoded).

Usage: hostile_tile_server.py huge|bomb PORT"""
import http.server
import socketserver
import struct
import sys
import zlib


def black_png(width, height):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    rows = zlib.compress((b"\0" * (1 + 3 * width)) * height, 9)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", rows) + chunk(b"IEND", b"")


MODE = sys.argv[1]
BOMB = black_png(5000, 5000) if MODE == "bomb" else b""


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Type", "image/png")
        if MODE == "bomb":
            self.send_header("Content-Length", str(len(BOMB)))
            self.end_headers()
            self.wfile.write(BOMB)
            return
        self.end_headers()
        block = b"\0" * (1 << 20)
        try:
            for _ in range(2048):
                self.wfile.write(block)
        except OSError:
            pass


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


Server(("127.0.0.1", int(sys.argv[2])), Handler).serve_forever()
