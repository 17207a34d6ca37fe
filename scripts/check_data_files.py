#!/usr/bin/env python3
"""Checks the data files shipped beside the program, reading them the way the
program does, and exits non-zero with one message per fault.

    python3 scripts/check_data_files.py [DATA_DIR [WLABELS_RC]]

DATA_DIR defaults to data/ and WLABELS_RC to resources/wLabels.rc.  Standard
library only.

What is checked:
- every file: readable as the program reads it (UTF-16 little-endian after
  the mark FF FE, otherwise 8-bit text, which must be plain ASCII because the
  program decodes it in whatever ANSI code page the machine has), no NUL and
  no control character but TAB, at most 16 MiB;
- lines: split at every run of CR and LF, blank ones dropped;
- Countries.dat: no line cut by the 127/128 rule, the name within its 41
  characters with a blank before the code, a code of digits, sorted by name;
- CityArea.dat: three TAB-separated fields (exactly two TABs), a city and an
  area code of digits, sorted by city;
- CanVat.dat, UsaVat.dat, EuroVat.dat: a title line first naming a year,
  every line with as many fields as the title, rates written as "7%",
  "9.975%" or "-";
- wLabels.dat: no line cut, numbers right-aligned in characters 1-3 and 4-6,
  the five groups 0 to 4 once each and before any label, every icon id
  present in wLabels.rc, meanings short enough for a row;
- CurrencyCode.dat and Euro.dat: no line cut, each a three-letter upper-case
  code, a TAB and a name; CurrencyCode.dat sorted by code, Euro.dat the euro
  and the 21 currencies it replaced, in the order the program shows them;
- sample/CurRates.dat, the rates copied to a new user: the day of the
  quotations as YYYYMMDD first, then "CODE VALUE" lines, each value a number
  with a point, above 0, the code one of CurrencyCode.dat, EUR worth 1;
- wLabels.rc: every icon file present and holding a 32x32 and a 64x64 image,
  no id twice, no icon that no label uses;
- no entry twice in any file, and the three long lists near the row counts the
  program reserves room for (447 city area codes, 232 countries, 169
  currencies).
"""

import datetime
import math
import os
import re
import struct
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MAX_BYTES = 16 * 1024 * 1024
CUT_LENGTH = 128            # longer lines are cut to 127 characters
NAME_COLUMN = 41
CAPACITY_HINTS = {"Countries.dat": 232, "CityArea.dat": 447, "CurrencyCode.dat": 169}
HINT_TOLERANCE = 0.10       # "near": within 10 % of the hint
MEANING_MAX = 64            # two wrapped lines in a row one icon high
VAT_FILES = {"CanVat.dat": 4, "UsaVat.dat": 2, "EuroVat.dat": 2}
RATE = re.compile(r"(\d+(\.\d+)?%|-)")
CODE_LINE = re.compile(r"([A-Z]{3})\t(.*)")
EURO_CODES = ["EUR", "ATS", "BEF", "FIM", "FRF", "DEM", "GRD", "IEP", "ITL", "LUF", "NLG",
              "PTE", "ESP", "SIT", "CYP", "MTL", "SKK", "EEK", "LVL", "LTL", "HRK", "BGN"]
# What wcstod reads to the end with a point as the decimal separator.
NUMBER = re.compile(r"(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?")
# What iswctype classes as space, as far as our files could contain it.
WHITE_SPACE = " \t\n\v\f\r\u00a0\u3000"


def fold(text):
    """Case- and accent-blind form, the order the generators sort by."""
    return "".join(c for c in unicodedata.normalize("NFKD", text)
                   if not unicodedata.combining(c)).casefold()


# --- Reading as the program does ---------------------------------------------------

def decode(data, faults):
    """The text of a data file, or None when the program could not read it."""
    if len(data) > MAX_BYTES:
        faults.append(f"larger than 16 MiB ({len(data)} bytes): the program reads no line of it")
        return None
    if data[:2] == b"\xff\xfe":
        body = data[2:]
        if body[:2] in (b"", b"\0", b"\0\0"):
            faults.append("byte-order mark and no text: the program reads nothing")
            return None
        if len(body) % 2:
            faults.append("UTF-16 text of an odd number of bytes")
            body = body[:-1]
        try:
            text = body.decode("utf-16-le")
        except UnicodeDecodeError as error:
            faults.append(f"not valid UTF-16: {error}")
            return None
    else:
        bad = sorted({b for b in data if b >= 0x80})
        if bad:
            at = next(i for i, b in enumerate(data) if b >= 0x80)
            faults.append(f"8-bit text with non-ASCII bytes (first at offset {at}): the device's "
                          "ANSI code page decides what they show; write such a file as UTF-16")
        text = data.decode("latin-1")
    if "\0" in text:
        faults.append("a NUL character: the program's text ends there")
        text = text[:text.index("\0")]
    for ch in sorted(set(text)):
        if ch not in "\t\r\n" and unicodedata.category(ch) in ("Cc", "Cs", "Co", "Cn"):
            faults.append(f"control or unassigned character U+{ord(ch):04X}")
    return text


def split_lines(text):
    """Lines as the program cuts them: at every run of CR and LF, none empty."""
    return [line for line in re.split(r"[\r\n]+", text) if line]


def tab_fields(line, n):
    """The TAB field rule: n fields from n - 1 searches for TAB."""
    bounds = [-1]
    for _ in range(n - 1):
        bounds.append(line.find("\t", bounds[-1] + 1))
    fields = []
    for k in range(1, n):
        start, length = bounds[k - 1] + 1, bounds[k] - bounds[k - 1] - 1
        fields.append(line[start:start + length] if start <= len(line) and length >= 0 else "")
    fields.append(line[bounds[n - 1] + 1:])
    return fields


def wtol(text):
    """_wtol: leading blanks, an optional sign, decimal digits; 0 when none."""
    m = re.match(r"[ \t\n\v\f\r]*([+-]?)(\d*)", text)
    if not m.group(2):
        return 0
    value = int(m.group(2))
    return -value if m.group(1) == "-" else value


# --- The files ------------------------------------------------------------------------------

def near_hint(name, count, faults):
    hint = CAPACITY_HINTS[name]
    if abs(count - hint) > hint * HINT_TOLERANCE:
        faults.append(f"{count} lines, not near the {hint} the program reserves room for")


def check_order(keys, what, faults):
    for n, (before, after) in enumerate(zip(keys, keys[1:]), 2):
        if after < before:
            faults.append(f"line {n}: out of order by {what}")
            return


def check_countries(lines, faults):
    names = []
    for n, line in enumerate(lines, 1):
        if len(line) > CUT_LENGTH:
            faults.append(f"line {n}: {len(line)} characters, the program cuts it to 127")
        name = line[:NAME_COLUMN].rstrip(WHITE_SPACE)
        code = line[NAME_COLUMN:]
        if not name:
            faults.append(f"line {n}: no name in characters 1 to 41")
        elif len(name) >= NAME_COLUMN:
            faults.append(f"line {n}: the name fills the column with no blank before the code")
        if not re.fullmatch(r"[1-9]\d{0,3}", code):
            faults.append(f"line {n}: the code from character 42 is {code!r}, not a calling code")
        names.append(name)
    report_duplicates(names, "country", faults)
    check_order([fold(name) for name in names], "name", faults)
    near_hint("Countries.dat", len(lines), faults)


def check_city_areas(lines, faults):
    entries = []
    for n, line in enumerate(lines, 1):
        if line.count("\t") != 2:
            faults.append(f"line {n}: {line.count(chr(9))} TABs, city, region and code need 2")
            continue
        city, region, code = tab_fields(line, 3)
        if not city:
            faults.append(f"line {n}: no city, the letter strip could not find the row")
        if any(f != f.strip(WHITE_SPACE) for f in (city, region, code)):
            faults.append(f"line {n}: a field begins or ends with white space")
        if not re.fullmatch(r"\d{1,5}", code):
            faults.append(f"line {n}: area code {code!r} is not digits")
        entries.append((city, region, code))
    report_duplicates(entries, "entry", faults)
    check_order([fold(city) for city, _, _ in entries], "city", faults)
    near_hint("CityArea.dat", len(lines), faults)


def check_vat(lines, n_fields, faults):
    if not lines:
        faults.append("no title line")
        return
    title = lines[0]
    if title.count("\t") != n_fields - 1:
        faults.append(f"title line: {n_fields} TAB-separated titles expected")
    if not all(tab_fields(title, n_fields)):
        faults.append("title line: an empty title")
    if not re.search(r"\b(19|20)\d\d\b", title):
        faults.append("title line: states no year, so the rates have no date")
    if len(lines) < 2:
        faults.append("no rows under the title line")
    regions = []
    for n, line in enumerate(lines[1:], 2):
        if line.count("\t") != n_fields - 1:
            faults.append(f"line {n}: {n_fields} TAB-separated fields expected")
            continue
        fields = tab_fields(line, n_fields)
        if not fields[0]:
            faults.append(f"line {n}: no region")
        for rate in fields[1:]:
            if not RATE.fullmatch(rate):
                faults.append(f"line {n}: {rate!r} is not a rate such as 7% or 9.975% or -")
        regions.append(fields[0])
    report_duplicates(regions, "region", faults)


def code_list(lines, faults):
    """The codes of a CODE<TAB>name file, in file order."""
    codes = []
    for n, line in enumerate(lines, 1):
        if len(line) > CUT_LENGTH:
            faults.append(f"line {n}: {len(line)} characters, the program cuts it to 127")
        m = CODE_LINE.fullmatch(line)
        if not m:
            faults.append(f"line {n}: not a three-letter upper-case code, a TAB and a name")
            continue
        if not m.group(2).strip(WHITE_SPACE):
            faults.append(f"line {n}: no name after the code")
        codes.append(m.group(1))
    report_duplicates(codes, "code", faults)
    return codes


def check_currency_codes(lines, faults):
    """Returns the codes, which the rate file may use."""
    codes = code_list(lines, faults)
    check_order(codes, "code", faults)
    near_hint("CurrencyCode.dat", len(lines), faults)
    return set(codes)


def check_euro(lines, faults):
    codes = code_list(lines, faults)
    if codes != EURO_CODES:
        faults.append(f"codes {' '.join(codes)}, not {' '.join(EURO_CODES)}")


def check_rates(lines, known_codes, faults):
    """known_codes: those of CurrencyCode.dat, or None when it could not be read."""
    if not lines:
        faults.append("empty: no date line")
        return
    try:
        if not re.fullmatch(r"\d{8}", lines[0]):
            raise ValueError
        datetime.date(int(lines[0][:4]), int(lines[0][4:6]), int(lines[0][6:]))
    except ValueError:
        faults.append(f"line 1: {lines[0]!r} is not the day of the rates as YYYYMMDD")
    rates = {}
    for n, line in enumerate(lines[1:], 2):
        code, separator, text = line[:3], line[3:4], line[4:]
        if not re.fullmatch(r"[A-Z]{3}", code) or separator not in (" ", "\t"):
            faults.append(f"line {n}: not a three-letter upper-case code, a blank and a value")
            continue
        value = float(text) if NUMBER.fullmatch(text) else math.nan
        if not 0 < value < math.inf:
            faults.append(f"line {n}: {text!r} is not a number above 0 with a point for decimals")
        if code in rates:
            faults.append(f"code {code!r} twice")
        elif known_codes is not None and code not in known_codes:
            faults.append(f"line {n}: {code} is not in CurrencyCode.dat")
        rates[code] = value
    if rates.get("EUR") != 1:
        faults.append("EUR is not listed as worth 1")


def check_labels(lines, icon_ids, faults):
    """Returns the icon ids the labels use."""
    used, groups, labels = set(), [], []
    for n, line in enumerate(lines, 1):
        if len(line) > CUT_LENGTH:
            faults.append(f"line {n}: {len(line)} characters, the program cuts it to 127")
        if not re.fullmatch(r" *\d+", line[0:3]) or not re.fullmatch(r" *\d+", line[3:6]):
            faults.append(f"line {n}: characters 1-3 and 4-6 must hold right-aligned numbers")
            continue
        a, b = wtol(line[0:3]), wtol(line[3:6])
        text = line[6:].rstrip(WHITE_SPACE)
        if not text or text != text.lstrip(WHITE_SPACE):
            faults.append(f"line {n}: the text from character 7 is empty or starts with a blank")
        if a < 100:
            if a > 4:
                faults.append(f"line {n}: group {a}: the program has groups 0 to 4 only")
            if b != 0:
                faults.append(f"line {n}: a group line with a second number {b}")
            if a in groups:
                faults.append(f"line {n}: group {a} a second time")
            groups.append(a)
            continue
        if not groups:
            faults.append(f"line {n}: a label before the first group line")
        for icon in (a, b) if b else (a,):
            used.add(icon)
            if icon not in icon_ids:
                faults.append(f"line {n}: icon {icon} is not in wLabels.rc")
        if b and b < 100:
            faults.append(f"line {n}: second icon {b} is not an icon id")
        if len(text) > MEANING_MAX:
            faults.append(f"line {n}: a meaning of {len(text)} characters does not fit its row")
        labels.append((groups[-1] if groups else 0, text))
    if sorted(groups) != [0, 1, 2, 3, 4]:
        faults.append(f"groups {sorted(groups)}, not the five groups 0 to 4")
    report_duplicates(labels, "label", faults)
    return used


def report_duplicates(items, what, faults):
    seen = set()
    for item in items:
        if item in seen:
            faults.append(f"{what} {item!r} twice")
        seen.add(item)


# --- wLabels.rc and the icons ----------------------------------------------------------------

def icon_sizes(data):
    """The (width, height) of each image in an .ico file, or None if it is not one."""
    if len(data) < 6:
        return None
    reserved, kind, count = struct.unpack_from("<HHH", data)
    if reserved != 0 or kind != 1 or count == 0 or len(data) < 6 + 16 * count:
        return None
    sizes = []
    for i in range(count):
        w, h, _, _, _, _, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        if offset + length > len(data):
            return None
        sizes.append((w or 256, h or 256))
    return sizes


def read_rc(rc_path, faults):
    """{icon id: .ico path} from the resource script."""
    icons = {}
    rc_dir = os.path.dirname(rc_path)
    with open(rc_path, encoding="utf-8") as f:
        for n, raw in enumerate(f, 1):
            line = raw.split("//", 1)[0].strip()
            if not line:
                continue
            m = re.fullmatch(r'(\d+)\s+ICON\s+"([^"]+)"', line)
            if not m:
                faults.append(f"line {n}: not an icon resource: {line}")
                continue
            icon_id, path = int(m.group(1)), os.path.normpath(os.path.join(rc_dir, m.group(2)))
            if icon_id in icons:
                faults.append(f"line {n}: icon id {icon_id} twice")
            if not 100 <= icon_id <= 999:
                faults.append(f"line {n}: icon id {icon_id} does not fit wLabels.dat's 3 characters")
            icons[icon_id] = path
            if not os.path.exists(path):
                faults.append(f"line {n}: no file {m.group(2)}")
                continue
            with open(path, "rb") as icon_file:
                sizes = icon_sizes(icon_file.read())
            if sizes is None:
                faults.append(f"line {n}: {m.group(2)} is not an icon file")
            else:
                for needed in ((32, 32), (64, 64)):
                    if needed not in sizes:
                        faults.append(f"line {n}: {m.group(2)} has no {needed[0]}x{needed[1]} image")
    return icons


# --- Running ------------------------------------------------------------------------------------

def check_file(path, check, *args):
    """(faults, what check returned) for one data file."""
    faults = []
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as error:
        return [f"cannot be read: {error.strerror}"], None
    text = decode(data, faults)
    if text is None:
        return faults, None
    return faults, check(split_lines(text), *args, faults)


def main(argv):
    data_dir = argv[1] if len(argv) > 1 else os.path.join(ROOT, "data")
    rc_path = argv[2] if len(argv) > 2 else os.path.join(ROOT, "resources", "wLabels.rc")
    report = {}
    report["Countries.dat"], _ = check_file(os.path.join(data_dir, "Countries.dat"),
                                            check_countries)
    report["CityArea.dat"], _ = check_file(os.path.join(data_dir, "CityArea.dat"),
                                           check_city_areas)
    for name, n_fields in VAT_FILES.items():
        report[name], _ = check_file(os.path.join(data_dir, name), check_vat, n_fields)
    report["CurrencyCode.dat"], codes = check_file(os.path.join(data_dir, "CurrencyCode.dat"),
                                                   check_currency_codes)
    report["Euro.dat"], _ = check_file(os.path.join(data_dir, "Euro.dat"), check_euro)
    report["sample/CurRates.dat"], _ = check_file(
        os.path.join(data_dir, "sample", "CurRates.dat"), check_rates, codes)

    rc_faults = []
    try:
        icons = read_rc(rc_path, rc_faults)
    except OSError as error:
        icons = {}
        rc_faults.append(f"cannot be read: {error.strerror}")
    report["wLabels.dat"], used = check_file(os.path.join(data_dir, "wLabels.dat"),
                                             check_labels, set(icons))
    if used is not None:
        for icon_id in sorted(set(icons) - used):
            rc_faults.append(f"icon {icon_id} is used by no label in wLabels.dat")
    report["wLabels.rc"] = rc_faults

    total = 0
    for name, faults in report.items():
        for fault in faults:
            print(f"{name}: {fault}", file=sys.stderr)
        total += len(faults)
    if total:
        print(f"check_data_files: {total} faults", file=sys.stderr)
        return 1
    print(f"check_data_files: {len(report)} files checked, no faults")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
