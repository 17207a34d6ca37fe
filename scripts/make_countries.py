#!/usr/bin/python3
"""Writes data/Countries.dat: every country and territory with its
international dialing code, one a line, sorted by name.

Sources, both Debian packages (the script runs with Debian's own python3,
which is where python3-phonenumbers installs):
- iso-codes 4.15.0 of 27 April 2023: the English names and two-letter codes
  of ISO 3166-1 (/usr/share/iso-codes/json/iso_3166-1.json);
- python3-phonenumbers 8.12.57, which Debian packaged on 1 November 2022 (its
  numbering metadata date from 2022): the calling code of each two-letter
  code (phonenumbers.country_code_for_region), and the regions it numbers
  that ISO 3166-1 has no code for (phonenumbers.SUPPORTED_REGIONS).

    apt-get install -y iso-codes python3-phonenumbers
    /usr/bin/python3 scripts/make_countries.py

Names.  The ISO name is used unless it is long or written inside out:
1. where iso-codes gives a common name (Bolivia, Iran, Laos, ...), that one;
2. then the few names in SHORT_NAMES below: inverted ISO names that have a
   short everyday form (Micronesia, Palestine), names over the column width
   (Saint Helena), and the two Koreas written "Korea, North" and
   "Korea, South" so that both stay under K where the ISO names put them.
A name must fit 40 characters, so that at least one blank stands between the
name and the code.

Regions outside ISO 3166-1.  phonenumbers numbers a few places under codes of
its own that ISO 3166-1 does not list: Ascension Island (AC, 247), Tristan da
Cunha (TA, 290, the code it shares with Saint Helena) and Kosovo (XK, 383).
They are listed too, with the names in OTHER_REGIONS; phonenumbers names none
of them.  The script stops when phonenumbers gives such a region that
OTHER_REGIONS does not name, or no longer gives one that it does, so that a
newer phonenumbers cannot drop or add a row unseen.

Line format (read by the program as fixed columns): the name padded with
blanks to 41 characters, then the calling code in digits without a plus sign.
Regions for which phonenumbers has no calling code (Antarctica, Bouvet Island,
French Southern Territories, Heard Island and McDonald Islands, Pitcairn,
South Georgia and the South Sandwich Islands, United States Minor Outlying
Islands) are left out.

Order: by name, compared without regard to case or accents, so that Åland
Islands files among the A's and Côte d'Ivoire beside Costa Rica.

Encoding: UTF-16 little-endian with the byte-order mark FF FE and CR LF line
ends, so that accented names read the same whatever the ANSI code page of the
machine that shows them.
"""

import json
import os
import sys
import unicodedata

import phonenumbers

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "data", "Countries.dat")
ISO_JSON = "/usr/share/iso-codes/json/iso_3166-1.json"

NAME_COLUMN = 41   # characters 0 to 40 hold the name
NAME_MAX = 40      # one blank at least before the code

SHORT_NAMES = {
    "BN": "Brunei",                      # Brunei Darussalam
    "CD": "Congo, Democratic Republic",  # Congo, The Democratic Republic of the
    "FK": "Falkland Islands",            # Falkland Islands (Malvinas)
    "FM": "Micronesia",                  # Micronesia, Federated States of
    "KP": "Korea, North",                # Korea, Democratic People's Republic of
    "KR": "Korea, South",                # Korea, Republic of
    "PS": "Palestine",                   # Palestine, State of
    "RU": "Russia",                      # Russian Federation
    "SH": "Saint Helena",                # Saint Helena, Ascension and Tristan da Cunha (44)
    "VA": "Vatican City",                # Holy See (Vatican City State)
}

# Regions of phonenumbers that have no ISO 3166-1 code.
OTHER_REGIONS = {
    "AC": "Ascension Island",
    "TA": "Tristan da Cunha",
    "XK": "Kosovo",
}


def display_name(entry):
    code = entry["alpha_2"]
    if code in SHORT_NAMES:
        return SHORT_NAMES[code]
    return entry.get("common_name", entry["name"])


def sort_key(name):
    """Case- and accent-blind order; the name itself breaks ties."""
    folded = "".join(c for c in unicodedata.normalize("NFKD", name)
                     if not unicodedata.combining(c))
    return (folded.casefold(), name)


def other_regions(iso_codes):
    """(code, name) of the regions phonenumbers numbers outside ISO 3166-1."""
    outside = set(phonenumbers.SUPPORTED_REGIONS) - iso_codes
    if outside != set(OTHER_REGIONS):
        sys.exit("make_countries: phonenumbers' regions outside ISO 3166-1 are "
                 f"{sorted(outside)}, OTHER_REGIONS names {sorted(OTHER_REGIONS)}")
    return sorted(OTHER_REGIONS.items())


def build_lines():
    with open(ISO_JSON, encoding="utf-8") as f:
        entries = json.load(f)["3166-1"]
    iso = [(entry["alpha_2"], display_name(entry)) for entry in entries]
    rows = []
    for code, name in iso + other_regions({code for code, _ in iso}):
        calling_code = phonenumbers.country_code_for_region(code)
        if calling_code == 0:
            continue
        if len(name) > NAME_MAX:
            sys.exit(f"make_countries: name too long for the column: {name!r}")
        rows.append((name, str(calling_code)))
    rows.sort(key=lambda row: sort_key(row[0]))
    return [name.ljust(NAME_COLUMN) + code for name, code in rows]


def main():
    lines = build_lines()
    text = "".join(line + "\r\n" for line in lines)
    with open(OUT, "wb") as f:
        f.write(b"\xff\xfe" + text.encode("utf-16-le"))
    print(f"make_countries: {len(lines)} lines written to {os.path.relpath(OUT, ROOT)}")


if __name__ == "__main__":
    main()
