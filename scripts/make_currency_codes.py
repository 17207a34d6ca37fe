#!/usr/bin/python3
"""Writes data/CurrencyCode.dat: every ISO 4217 code that names money, with
its English name, one a line, sorted by code.

Source: Debian's iso-codes 4.15.0 of 27 April 2023, which lists 181 codes
(/usr/share/iso-codes/json/iso_4217.json).

    apt-get install -y iso-codes
    /usr/bin/python3 scripts/make_currency_codes.py

Twelve of those codes name no money anyone converts, and are left out (see
NOT_MONEY).  Names are iso-codes' English names unchanged.  Two pairs share
a name because ISO gives both the same one: SLE and SLL (Leone, the new and
the old), VED and VES (Bolivar Soberano, after and before the 2021
redenomination); the code beside the name tells them apart.

The rate file copied to new users (data/sample/CurRates.dat, written by
make_sample_rates.py) may only use codes of this list, so the script stops
when one of its codes, or one of the currencies the program starts with, is
not here.

Line format: the code, a TAB, the name.  Encoding as data/README.md says:
8-bit when the text is plain ASCII, otherwise UTF-16 little-endian with the
byte-order mark FF FE (iso-codes writes Bolivar with an accent and Pa'anga
with a typographic apostrophe); CR LF line ends.
"""

import json
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "data", "CurrencyCode.dat")
SAMPLE_RATES = os.path.join(ROOT, "data", "sample", "CurRates.dat")
ISO_JSON = "/usr/share/iso-codes/json/iso_4217.json"

EXPECTED_COUNT = 169
LINE_MAX = 128   # the program cuts longer lines
NOT_MONEY = {
    "XAG", "XAU", "XPD", "XPT",   # precious metals
    "XBA", "XBB", "XBC", "XBD",   # bond-market units
    "XTS",                        # reserved for testing
    "XXX",                        # no currency involved
    "XSU", "XUA",                 # units of account (Sucre, ADB)
}
# The currencies the program offers before the user picks any.
STARTING_CODES = {"USD", "CAD", "HKD", "EUR", "CNY"}


def fail(message):
    sys.exit(f"make_currency_codes: {message}")


def sample_rate_codes():
    try:
        with open(SAMPLE_RATES, encoding="ascii") as f:
            lines = f.read().splitlines()
    except OSError as error:
        fail(f"cannot read {SAMPLE_RATES}: {error.strerror}")
    # The date, then "CODE VALUE" lines.
    return {line[:3] for line in lines[1:]}


def build_lines():
    with open(ISO_JSON, encoding="utf-8") as f:
        entries = json.load(f)["4217"]
    names = {e["alpha_3"]: e["name"] for e in entries if e["alpha_3"] not in NOT_MONEY}
    if len(names) != EXPECTED_COUNT:
        fail(f"{len(names)} codes, not {EXPECTED_COUNT}: has iso-codes changed?")
    missing = (STARTING_CODES | sample_rate_codes()) - set(names)
    if missing:
        fail(f"codes the program needs are not in the list: {' '.join(sorted(missing))}")
    for code, name in names.items():
        if "\t" in name or len(code) + 1 + len(name) > LINE_MAX:
            fail(f"{code}: a name that does not fit the line: {name!r}")
    return [f"{code}\t{names[code]}" for code in sorted(names)]


def main():
    lines = build_lines()
    text = "".join(line + "\r\n" for line in lines)
    data = text.encode("ascii") if text.isascii() else b"\xff\xfe" + text.encode("utf-16-le")
    with open(OUT, "wb") as f:
        f.write(data)
    print(f"make_currency_codes: {len(lines)} lines written to {os.path.relpath(OUT, ROOT)}")


if __name__ == "__main__":
    main()
