#!/usr/bin/env python3
"""Serves the site (build/web/site) as docs/deploying.md asks of any host, for ./run.sh --web and
the browser tests: each file's type, its brotli or gzip form where the browser takes one, the
headers that keep it from being framed or sniffed, cache headers for a site whose engine carries
its content's hash in its name, and with the page, a preload of that engine. Logs one line per
request: method, path, status, bytes of the body.

Usage: serve.py <folder> [port] [address]   (port 0: one the system picks; it prints the address)
"""
import email.utils
import html
import os
import re
import sys
import threading
import urllib.parse
from http import HTTPStatus
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".svg": "image/svg+xml",
    ".png": "image/png",
}
# Preferred first: the forms that the site holds beside each compressible file.
ENCODINGS = (("br", ".br"), ("gzip", ".gz"))
HASHED = re.compile(r"\.[0-9a-f]{10}\.[a-z]+$")
# Each page holds its own policy in a meta tag (the site's build puts the hashes of the page's
# inline style and script there); a header adds what only a header can say: no framing, and none
# of the browser's powerful features, which the site never uses. On every answer, errors and
# redirects too.
SITE_HEADERS = {
    "Content-Security-Policy": "frame-ancestors 'none'",
    "X-Content-Type-Options": "nosniff",
    "Referrer-Policy": "same-origin",
    "Permissions-Policy": "camera=(), microphone=(), geolocation=(), payment=(), usb=(), "
                          "serial=(), hid=(), midi=(), display-capture=()",
}


def accepted_encodings(header):
    accepted = set()
    for item in header.split(","):
        name, _, parameters = item.strip().partition(";")
        quality = re.search(r"q=([0-9.]+)", parameters)
        if not quality or float(quality.group(1)) > 0:
            accepted.add(name.strip().lower())
    return accepted


def engine_preload(folder):
    """The page asks for its engine first thing; this header lets the browser ask as soon as the
    page's headers arrive, before the page is parsed."""
    engines = [name for name in os.listdir(folder)
               if name.endswith(".wasm") and HASHED.search(name)]
    if len(engines) != 1:
        return {}
    return {"Link": f"<{engines[0]}>; rel=preload; as=fetch; crossorigin"}


# One request's log line at a time.
LOG_LOCK = threading.Lock()


class SiteHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    # Headers and body go out as separate writes; without this each would wait for an ACK.
    disable_nagle_algorithm = True
    server_version = "schattwerk-serve"
    sys_version = ""

    def do_GET(self):
        self.answer(with_body=True)

    def do_HEAD(self):
        self.answer(with_body=False)

    def answer(self, with_body):
        path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
        parts = [part for part in path.split("/") if part not in ("", ".")]
        if ".." in parts or any(os.sep in part or "\0" in part for part in parts):
            return self.refuse(HTTPStatus.NOT_FOUND, with_body)
        file = os.path.join(self.server.folder, *parts)
        if os.path.isdir(file):
            if not path.endswith("/"):
                return self.redirect(urllib.parse.quote(path + "/"), with_body)
            file = os.path.join(file, "index.html")
        extension = os.path.splitext(file)[1]
        if not os.path.isfile(file) or extension not in TYPES:
            return self.refuse(HTTPStatus.NOT_FOUND, with_body)

        accepted = accepted_encodings(self.headers.get("Accept-Encoding", ""))
        encoding, sent = None, file
        for name, suffix in ENCODINGS:
            if name in accepted and os.path.isfile(file + suffix):
                encoding, sent = name, file + suffix
                break
        stat = os.stat(sent)
        tag = f'"{stat.st_mtime_ns:x}-{stat.st_size:x}"'
        headers = {"Content-Type": TYPES[extension], "ETag": tag}
        headers.update(SITE_HEADERS)
        if any(os.path.isfile(file + suffix) for _, suffix in ENCODINGS):
            headers["Vary"] = "Accept-Encoding"
        if encoding:
            headers["Content-Encoding"] = encoding
        headers["Cache-Control"] = (
            "public, max-age=31536000, immutable" if HASHED.search(file) else "no-cache"
        )
        if os.path.basename(file) == "index.html":
            headers.update(engine_preload(os.path.dirname(file)))
        if self.headers.get("If-None-Match") == tag:
            return self.send(HTTPStatus.NOT_MODIFIED, headers, b"", with_body)
        with open(sent, "rb") as opened:
            body = opened.read()
        headers["Last-Modified"] = email.utils.formatdate(stat.st_mtime, usegmt=True)
        self.send(HTTPStatus.OK, headers, body, with_body)

    def redirect(self, location, with_body):
        # As nginx answers a folder's address without its slash.
        self.refuse(HTTPStatus.MOVED_PERMANENTLY, with_body,
                    {"Location": location, "Content-Type": "text/html"})

    def refuse(self, status, with_body, more_headers=None):
        """An error or a redirect: a line of HTML that names the status, with the site's headers."""
        body = f"<!DOCTYPE html><title>{status.value}</title><p>{html.escape(status.phrase)}</p>"
        headers = {"Content-Type": TYPES[".html"], "Cache-Control": "no-cache"}
        headers.update(SITE_HEADERS)
        headers.update(more_headers or {})
        self.send(status, headers, body.encode(), with_body)

    def send(self, status, headers, body, with_body):
        self.send_response_only(status)
        self.send_header("Date", self.date_time_string())
        for name, value in headers.items():
            self.send_header(name, value)
        if status != HTTPStatus.NOT_MODIFIED:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if with_body:
            self.wfile.write(body)
        # The line and its end are separate writes, which answers on other threads could split.
        with LOG_LOCK:
            print(f"{self.command} {self.path} {status.value} {len(body)}", flush=True)

    def log_message(self, format, *args):
        pass


class SiteServer(ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A browser that drops a connection it no longer needs is no fault of the server's.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = os.path.abspath(sys.argv[1])
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8080
    address = sys.argv[3] if len(sys.argv) > 3 else "127.0.0.1"
    server = SiteServer((address, port), SiteHandler)
    server.folder = folder
    print(f"Serving {folder} on http://{address}:{server.server_port}/", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
