#!/usr/bin/env python3
"""Fills the site folder afresh for the web build. The page's style and script go into index.html
itself, so that a first visit needs no further round trip before the engine, with the hashes of
all its inline scripts and styles in place of 'self' in the page's Content-Security-Policy; the
engine's module gets a name that carries its content's hash, so that a host may keep it for good.
The build's version, drawn from every file, goes into index.html and the service worker, with the
list of the help's files that the worker keeps; nginx-preload.conf names the engine for the nginx
example's preload header; every file that compresses gets a brotli and a gzip form beside it, for
servers that send them as they are.

Usage: assemble_site.py SITE --index F --script F --style F --module F --worker F --brotli EXE
                        [--file SOURCE FOLDER]...
"""
import argparse
import base64
import gzip
import hashlib
import json
import re
import shutil
import subprocess
from pathlib import Path

COMPRESSIBLE = {".html", ".js", ".css", ".wasm", ".svg", ".webmanifest"}

# For web/nginx.conf, which includes it: the header that preloads this build's engine with the page.
NGINX_PRELOAD = """\
# Written by the site's build for web/nginx.conf: the page's engine, which the browser may ask for
# as soon as the page's headers arrive. nginx reads it when it starts or reloads.
map $uri $schattwerk_preload {{
    ~(^|/)(index\\.html)?$ "<{module}>; rel=preload; as=fetch; crossorigin";
}}
"""


def replace_once(text, old, new):
    if text.count(old) != 1:
        raise SystemExit(f"assemble_site: expected {old!r} once")
    return text.replace(old, new)


def inline(page, tag, element, text):
    """The page with `tag` replaced by `text` in `element`."""
    if f"</{element}" in text:
        raise SystemExit(f"assemble_site: the inlined text must not close its <{element}>")
    return replace_once(page, tag, f"<{element}>{text}</{element}>")


def allow_inline(page, element, directive):
    """The page whose policy allows each of its inline `element`s by its hash in `directive`."""
    texts = re.findall(rf"<{element}>(.*?)</{element}>", page, re.DOTALL)
    digests = [base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() for text in texts]
    sources = " ".join(f"'sha256-{digest}'" for digest in digests)
    return replace_once(page, f"{directive} 'self'", f"{directive} {sources}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("site", type=Path)
    for name in ("index", "script", "style", "module", "worker", "brotli"):
        parser.add_argument(f"--{name}", required=True)
    parser.add_argument("--file", nargs=2, action="append", default=[],
                        metavar=("SOURCE", "FOLDER"))
    arguments = parser.parse_args()
    site = arguments.site
    shutil.rmtree(site, ignore_errors=True)
    site.mkdir(parents=True)
    for source, folder in arguments.file:
        (site / folder).mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, site / folder / Path(source).name)

    engine = Path(arguments.module).read_bytes()
    module = f"schattwerk.{hashlib.sha256(engine).hexdigest()[:10]}.wasm"
    (site / module).write_bytes(engine)
    page = Path(arguments.index).read_text()
    page = replace_once(page, "'schattwerk.wasm'", f"'{module}'")
    page = inline(page, '<link rel="stylesheet" href="style.css">', "style",
                  Path(arguments.style).read_text())
    page = inline(page, '<script src="page.js"></script>', "script",
                  Path(arguments.script).read_text())
    page = allow_inline(page, "style", "style-src")
    page = allow_inline(page, "script", "script-src")
    (site / "index.html").write_text(page)

    worker = Path(arguments.worker).read_text()
    fingerprints = hashlib.sha256(worker.encode())
    for file in sorted(path for path in site.rglob("*") if path.is_file()):
        digest = hashlib.sha256(file.read_bytes()).hexdigest()
        fingerprints.update(f"{file.relative_to(site)} {digest}\n".encode())
    version = fingerprints.hexdigest()[:16]
    (site / "index.html").write_text(replace_once(page, "@SITE_VERSION@", version))
    worker = replace_once(worker, "@SITE_VERSION@", version)
    worker = replace_once(worker, "@ENGINE@", module)
    help_files = sorted(str(path.relative_to(site)) for path in (site / "help").iterdir())
    (site / "sw.js").write_text(replace_once(worker, "@HELP_FILES@", json.dumps(help_files)))
    (site / "nginx-preload.conf").write_text(NGINX_PRELOAD.format(module=module))

    for file in [path for path in site.rglob("*") if path.suffix in COMPRESSIBLE]:
        subprocess.run([arguments.brotli, "--quality=11", "--keep", "--force", str(file)],
                       check=True)
        file.with_name(file.name + ".gz").write_bytes(
            gzip.compress(file.read_bytes(), compresslevel=9, mtime=0))


if __name__ == "__main__":
    main()
