#!/usr/bin/env python3
"""Makes the page's site from its parts, so that a build is taken whole or not at all.

Usage: version_site.py PARTS SITE NAME...
PARTS holds the site's files NAME... under their plain names (the program as Emscripten links it, the
page, its style, loader, manifest, service worker and pictures). SITE receives:
- the program, the style, the loader and the icons under names carrying the first hex digits of
  their SHA-256 (velmora.1a2b3c4d5e.wasm): a name is never reused for other content, so any HTTP
  cache may keep them for ever and no cache can hand back an old one;
- index.html and manifest.webmanifest, which keep their names (a page's address, an installed
  app's manifest), and the pictures that the program asks for by name, under their plain names;
  the first two have their references rewritten to the new names;
- sw.js with this build's version (a hash of every file above and its name) and the SHA-256 of
  each file, so a new build is a new service worker that can check every byte it keeps.
Files of earlier builds are removed from SITE. Only the standard library.
"""
import hashlib
import json
import pathlib
import re
import sys

# Kept under their own names: the page's address, the manifest an installed app is known by,
# and the pictures the program loads by name.
PLAIN = ('index.html', 'manifest.webmanifest', 'banner.gif', 'strip.jpg', 'hand.cur')
# Referring to the versioned files by name; their own names never change.
REFERRING = ('index.html', 'manifest.webmanifest')
WORKER = 'sw.js'
HASH_DIGITS = 10


def sha256(data):
    return hashlib.sha256(data).hexdigest()


def versioned_name(name, data):
    stem, dot, extension = name.partition('.')
    return f'{stem}.{sha256(data)[:HASH_DIGITS]}.{extension}'


def rewrite(text, renames, where):
    """Replaces every quoted plain name by its versioned one."""
    for plain, versioned in renames.items():
        text = re.sub(r'(?<=["\'])' + re.escape(plain) + r'(?=["\'])', versioned, text)
    # A reference left to a plain name that the site no longer has is a broken page.
    for plain in renames:
        if re.search(r'["\']' + re.escape(plain) + r'["\']', text):
            raise SystemExit(f'{where} still refers to {plain}')
    return text


def fill(template, version, files):
    for placeholder, value in (("'@VERSION@'", json.dumps(version)),
                               ('@FILES@', json.dumps(files, indent=4, sort_keys=True))):
        if template.count(placeholder) != 1:
            raise SystemExit(f'{WORKER} needs {placeholder} exactly once')
        template = template.replace(placeholder, value)
    return template


def main(parts, site, names):
    sources = {name: (parts / name).read_bytes() for name in sorted(names)}
    for name in PLAIN + (WORKER,):
        if name not in sources:
            raise SystemExit(f'{parts} has no {name}')
    renames, out = {}, {}
    for name, data in sources.items():
        if name not in PLAIN and name != WORKER:
            renames[name] = versioned_name(name, data)
            out[renames[name]] = data
    for name in PLAIN:
        data = sources[name]
        if name in REFERRING:
            data = rewrite(data.decode('utf-8'), renames, name).encode('utf-8')
        out[name] = data
    # The service worker keeps the page under its address, './'.
    files = {('./' if name == 'index.html' else name): sha256(data) for name, data in out.items()}
    version = sha256(json.dumps(files, sort_keys=True).encode('ascii'))[:HASH_DIGITS]
    out[WORKER] = fill(sources[WORKER].decode('utf-8'), version, files).encode('utf-8')

    site.mkdir(parents=True, exist_ok=True)
    for path in site.iterdir():
        if path.is_file() and path.name not in out:
            path.unlink()
    for name, data in out.items():
        path = site / name
        # Unchanged files keep their times, so a server's validators stay good.
        if not path.exists() or path.read_bytes() != data:
            path.write_bytes(data)
    print(f'site version {version}')


if __name__ == '__main__':
    if len(sys.argv) < 4:
        raise SystemExit(__doc__)
    main(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3:])
