#!/usr/bin/env python3
"""Checks the window's translations (i18n/zorv_*.ts); exits 1 on any fault, naming each.

- Every text the program marks (tr, ZORV_TEXT, ZORV_NOOP; read by Qt's lupdate exactly as
  scripts/update-translations.sh reads them) is in every .ts file, and nothing else is: no
  unfinished, obsolete or vanished entry.
- A translation equal to its source counts as unfinished, unless the source is already in that
  language, holds no letters, or stands on the allow-list i18n/same-as-source.txt.
- A translation keeps its source's %1..%9, its "|" marks (scales, file filters, with the same
  patterns) and, for scales spaced with blanks, its number of marks.

Usage: scripts/check-translations.py [lupdate]
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LANGS = {"en": "en", "ru": "ru", "zh_CN": "zh"}
MESSAGE = re.compile(
    r"<context>\s*<name>(?P<ctx>[^<]*)</name>|<message>\s*<source>(?P<src>.*?)</source>\s*"
    r"(?:<comment>.*?</comment>\s*)?(?P<tr><translation(?P<attrs>[^>]*?)(?:/>|>(?P<text>.*?)</translation>))",
    re.S)


def decode(s):
    s = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda m: "\x00%s\x00" % m.group(1), s or "")
    s = html.unescape(s)
    return re.sub("\x00([0-9a-fA-F]+)\x00", lambda m: chr(int(m.group(1), 16)), s)


def entries(path):
    """(context, source) -> (attributes, translation), in file order."""
    out = {}
    ctx = None
    with open(path, encoding="utf-8") as f:
        for m in MESSAGE.finditer(f.read()):
            if m.group("ctx") is not None:
                ctx = m.group("ctx")
                continue
            out[(ctx, decode(m.group("src")))] = (m.group("attrs") or "", decode(m.group("text")))
    return out


def language_of(text):
    latin = len(re.findall(r"[A-Za-z]", text))
    cyrillic = len(re.findall(r"[\u0400-\u04ff]", text))
    cjk = len(re.findall(r"[\u3400-\u9fff\uf900-\ufaff]", text))
    if latin + cyrillic + cjk == 0:
        return None
    best = max((latin, "en"), (cyrillic, "ru"), (2 * cjk, "zh"))
    return best[1]


def scale_marks(text):
    """Marks of a scale spaced with blanks ("L   M   H"): two or more blanks between marks."""
    if "\r" in text or "\n" in text:
        return None
    marks = re.split(r" {2,}", text.strip())
    return len(marks) if len(marks) > 1 and all(" " not in m for m in marks) else None


def allowed_same():
    allowed = set()
    path = os.path.join(ROOT, "i18n", "same-as-source.txt")
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            lang, _, source = line.partition("\t")
            allowed.add((lang, source.replace("\\r", "\r").replace("\\n", "\n")))
    return allowed


def main():
    lupdate = sys.argv[1] if len(sys.argv) > 1 else None
    faults = []
    allowed = allowed_same()
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, "fresh.ts")
        env = dict(os.environ)
        if lupdate:
            env["LUPDATE"] = lupdate
        subprocess.run(["bash", os.path.join(ROOT, "scripts", "update-translations.sh"), fresh], check=True, env=env,
                       stderr=subprocess.DEVNULL)
        used = set(entries(fresh))
    if not used:
        faults.append("lupdate found no marked texts at all")
    for file_lang, lang in LANGS.items():
        name = "i18n/zorv_%s.ts" % file_lang
        have = entries(os.path.join(ROOT, name))
        for key in sorted(used - set(have)):
            faults.append("%s: not translated (new text, run scripts/update-translations.sh): %s: %r" % (name, *key))
        for key in sorted(set(have) - used):
            faults.append("%s: obsolete (no longer in the program): %s: %r" % (name, *key))
        for (ctx, src), (attrs, text) in have.items():
            where = "%s: %s: %r" % (name, ctx, src)
            if "unfinished" in attrs or "obsolete" in attrs or "vanished" in attrs or not text:
                faults.append("%s: unfinished" % where)
                continue
            if text == src and language_of(src) not in (None, lang) and (lang, src) not in allowed:
                faults.append("%s: translation equals the source (add it to i18n/same-as-source.txt if meant)" % where)
            if sorted(re.findall(r"%\d", src)) != sorted(re.findall(r"%\d", text)):
                faults.append("%s: the translation %r does not keep the placeholders" % (where, text))
            if src.count("|") != text.count("|"):
                faults.append("%s: the translation %r does not keep the %d marks split at |" % (where, text, src.count("|") + 1))
            elif "|" in src and "(*." in src and src.split("|")[1::2] != text.split("|")[1::2]:
                faults.append("%s: the file filter %r changes its patterns" % (where, text))
            if scale_marks(src) is not None and scale_marks(src) != len(text.split()):
                faults.append("%s: the scale %r does not keep its %d marks" % (where, text, scale_marks(src)))
    for f in faults:
        print("check-translations:", f, file=sys.stderr)
    if faults:
        print("check-translations: %d fault(s)" % len(faults), file=sys.stderr)
        return 1
    print("check-translations: %d texts, each translated in %d languages" % (len(used), len(LANGS)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
