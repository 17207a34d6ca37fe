#!/usr/bin/python3
"""Writes data/CityArea.dat: cities with their region and telephone area code.

Source: the geocoding data of Debian's python3-phonenumbers 8.12.57, which
Debian packaged on 1 November 2022 (descriptions of number prefixes,
phonenumbers.geodata) and its numbering metadata, both of 2022; country
names as in Countries.dat (iso-codes, see make_countries.py).  Nothing here
adds a fact of its own: an entry is written only where the data names the
city for the code.

    apt-get install -y iso-codes python3-phonenumbers
    /usr/bin/python3 scripts/make_city_areas.py

Line format: three fields separated by TABs: city, region, area code.  The
city comes first because the program's letter strip searches the first
column.  The area code is written as it is dialled after the country's
calling code (Countries.dat), so London is 20 and Milan 02.

What is listed:
1. North America (calling code 1), every area code of the United States and
   Canada that the geocoding data describes.  The data describes a prefix
   1NPA either as "City, ST" or only as a state or province, and longer
   prefixes (1NPANXX, one exchange) as "City, ST".  The city of an area code
   is the one that the 1NPA description names, or else the city named for
   the most exchanges of that code (all of them when several tie; none when
   several cities are named and none for more than one exchange).  The
   region is the two-letter state or province abbreviation that the data
   gives.  An area code the data names no city for is left out, and so are
   the few in NANP_LEFT_OUT, where we know the data's city to be wrong.
2. The other territories of calling code 1 (Bermuda, Jamaica, Puerto Rico,
   ...): the territory's name in the first column, the region left empty,
   and each area code that the numbering metadata assigns to it.
3. Elsewhere, the main cities of large countries in MAIN_CITIES below, each
   with the area code we expect for it (the choice of cities is ours).  A
   pair is written only when the data confirms it: among the geocoded
   prefixes inside that code whose numbers have exactly that area code (a
   valid fixed-line number is made from the prefix and phonenumbers gives
   the length of its geographical area code), the city is the name given
   most often (ties included).  The region is the country, named as in
   Countries.dat.  Pairs the data does not confirm are reported and left
   out; so are countries whose plan has no area codes in that sense (Spain,
   Poland, Greece, ...), and cities the data only names together with others
   ("Cairo/Giza/Qalyubia").

Order: by city, compared without regard to case or accents, then region,
then code.

Encoding: UTF-16 little-endian with the byte-order mark FF FE and CR LF line
ends, since several city names are accented.
"""

import collections
import json
import os
import re
import sys
import unicodedata

import phonenumbers
from phonenumbers import PhoneNumberType
from phonenumbers.geodata import GEOCODE_DATA

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_countries  # noqa: E402  (country names, shared with Countries.dat)

ROOT = make_countries.ROOT
OUT = os.path.join(ROOT, "data", "CityArea.dat")

# Main cities of large countries outside North America, with the area code
# that we expect for each, the city spelled as the geocoding data spells it.
# The data must confirm every pair (see world_entries).
MAIN_CITIES = {
    "GB": [("London", "20"), ("Birmingham", "121"), ("Manchester", "161"),
           ("Leeds", "113"), ("Glasgow", "141"), ("Liverpool", "151"),
           ("Edinburgh", "131"), ("Bristol", "117")],
    "IE": [("Dublin", "1")],
    "DE": [("Berlin", "30"), ("Hamburg", "40"), ("Munich", "89"), ("Cologne", "221"),
           ("Frankfurt am Main", "69"), ("Stuttgart", "711"), ("Düsseldorf", "211"),
           ("Hannover", "511")],
    "FR": [("Paris", "1"), ("Lyon", "4"), ("Toulouse", "5"), ("Lille", "3"),
           ("Nantes", "2")],
    "IT": [("Rome", "06"), ("Milan", "02"), ("Naples", "081"), ("Turin", "011"),
           ("Palermo", "091"), ("Genoa", "010"), ("Bologna", "051"), ("Florence", "055")],
    "NL": [("Amsterdam", "20"), ("Rotterdam", "10"), ("The Hague", "70")],
    "BE": [("Brussels", "2"), ("Antwerp", "3")],
    "CH": [("Zurich", "44"), ("Zurich", "43"), ("Geneva", "22"), ("Basel", "61"),
           ("Berne", "31")],
    "AT": [("Vienna", "1"), ("Graz", "316")],
    "SE": [("Stockholm", "8"), ("Gothenburg", "31")],
    "RU": [("Moscow", "495"), ("Moscow", "499"), ("St Petersburg", "812"),
           ("Novosibirsk", "383"), ("Ekaterinburg", "343")],
    "UA": [("Kyiv city", "44"), ("Kharkiv", "57")],
    "TR": [("Istanbul (Europe)", "212"), ("Istanbul (Anatolia)", "216"),
           ("Ankara", "312"), ("Izmir", "232")],
    "IL": [("Jerusalem", "2"), ("Tel Aviv", "3")],
    "EG": [("Alexandria", "3")],
    "ZA": [("Johannesburg", "11"), ("Johannesburg", "10"), ("Durban", "31")],
    "NG": [("Lagos", "1"), ("Abuja", "9")],
    "IN": [("New Delhi", "11"), ("Mumbai", "22"), ("Kolkata", "33"), ("Chennai", "44"),
           ("Bangalore", "80"), ("Pune", "20")],
    "PK": [("Karachi", "21"), ("Lahore", "42")],
    "CN": [("Beijing", "10"), ("Shanghai", "21"), ("Guangzhou", "20"), ("Tianjin", "22"),
           ("Chongqing", "23"), ("Shenzhen", "755"), ("Wuhan", "27"), ("Nanjing", "25")],
    "JP": [("Tokyo", "3"), ("Osaka", "6"), ("Yokohama", "45"), ("Nagoya", "52"),
           ("Sapporo", "11"), ("Kobe", "78"), ("Kyoto", "75"), ("Fukuoka", "92")],
    "KR": [("Seoul", "2"), ("Busan", "51"), ("Incheon", "32"), ("Daegu", "53")],
    "TW": [("Taipei", "2"), ("Kaohsiung", "7")],
    "VN": [("Hanoi City", "24"), ("Ho Chi Minh City", "28")],
    "ID": [("Greater Jakarta", "21"), ("Surabaya", "31")],
    "AU": [("Sydney", "2"), ("Melbourne", "3"), ("Brisbane", "7"), ("Perth", "8")],
    "NZ": [("Auckland", "9"), ("Wellington", "4")],
    "MX": [("Mexico City", "55"), ("Guadalajara", "33"), ("Monterrey", "81")],
    "BR": [("São Paulo", "11"), ("Rio de Janeiro", "21"), ("Brasília", "61"),
           ("Salvador", "71"), ("Fortaleza", "85"), ("Curitiba", "41")],
    "AR": [("Córdoba", "351"), ("Rosario", "341")],
    "CO": [("Medellín", "604"), ("Cali", "602")],
}

# North American area codes whose description in the data is wrong, with what
# we know instead; left out rather than corrected.
NANP_LEFT_OUT = {
    "934": "described as New York City; it serves Suffolk County, Long Island",
}

CITY_STATE = re.compile(r"^([^,]+), ([A-Z]{2})$")


def fold(text):
    return "".join(c for c in unicodedata.normalize("NFKD", text)
                   if not unicodedata.combining(c)).casefold()


def english_descriptions(prefix):
    """{prefix: description} of every geocoded prefix that starts with prefix."""
    return {key: names["en"] for key, names in GEOCODE_DATA.items()
            if key.startswith(prefix) and names.get("en")}


# --- North America -----------------------------------------------------------

def other_nanp_territories():
    """{NPA: region code} for the calling-code-1 territories besides US and CA."""
    npas = {}
    for region in phonenumbers.COUNTRY_CODE_TO_REGION_CODE[1]:
        pattern = phonenumbers.PhoneMetadata.metadata_for_region(region).leading_digits
        if region in ("US", "CA") or not pattern:
            continue
        for npa in range(200, 1000):
            if re.fullmatch(pattern, str(npa)):
                npas[str(npa)] = region
    return npas


def nanp_entries(country_names):
    territories = other_nanp_territories()
    entries = [(country_names[region], "", npa) for npa, region in territories.items()]

    by_npa = collections.defaultdict(dict)
    for key, desc in english_descriptions("1").items():
        if len(key) >= 4:
            by_npa[key[1:4]][key] = desc
    for npa, descs in sorted(by_npa.items()):
        if npa in territories or npa in NANP_LEFT_OUT:
            continue
        whole = CITY_STATE.match(descs.get("1" + npa, ""))
        if whole:
            entries.append((whole.group(1), whole.group(2), npa))
            continue
        counts = collections.Counter()
        for key, desc in descs.items():
            m = CITY_STATE.match(desc)
            if len(key) > 4 and m:
                counts[m.groups()] += 1
        if not counts:
            continue
        top = max(counts.values())
        if top == 1 and len(counts) > 1:
            continue    # several cities, none named for more than one exchange
        for (city, state), n in counts.items():
            if n == top:
                entries.append((city, state, npa))
    return entries


# --- Other countries ---------------------------------------------------------

FILL_DIGITS = ("0", "1", "2", "5", "9", "23456789")


def area_code_of_prefix(calling_code, national_prefix, metadata):
    """The area code of the numbers that start with national_prefix, "" when
    the plan has none, None when no valid fixed-line number starts with it."""
    lengths = sorted(set(metadata.fixed_line.possible_length
                         or metadata.general_desc.possible_length))
    for total in lengths:
        missing = total - len(national_prefix)
        if missing < 0:
            continue
        for digits in FILL_DIGITS:
            fill = (digits * total)[:missing]
            try:
                number = phonenumbers.parse(f"+{calling_code}{national_prefix}{fill}")
            except phonenumbers.NumberParseException:
                continue
            if not phonenumbers.is_valid_number(number):
                continue
            if phonenumbers.number_type(number) not in (
                    PhoneNumberType.FIXED_LINE, PhoneNumberType.FIXED_LINE_OR_MOBILE):
                continue
            length = phonenumbers.length_of_geographical_area_code(number)
            return phonenumbers.national_significant_number(number)[:length]
    return None


def city_part(desc):
    """"Sapporo, Hokkaido" and "Curitiba - PR" name the cities Sapporo and Curitiba."""
    return re.split(r", | - ", desc, maxsplit=1)[0]


def names_within_code(region, code):
    """How often each city is named by the geocoded prefixes that lie inside
    the area code and whose numbers have exactly that area code."""
    calling_code = phonenumbers.country_code_for_region(region)
    metadata = phonenumbers.PhoneMetadata.metadata_for_region(region)
    cc = str(calling_code)
    counts = collections.Counter()
    for key, desc in english_descriptions(cc + code).items():
        national = key[len(cc):]
        if area_code_of_prefix(calling_code, national, metadata) == code:
            counts[city_part(desc)] += 1
    return counts


def world_entries(country_names):
    """A listed city is written with its code when the data names it most
    often within that code (ties included)."""
    entries, missing = [], []
    for region, pairs in MAIN_CITIES.items():
        for city, code in pairs:
            counts = names_within_code(region, code)
            if counts and counts[city] == max(counts.values()):
                entries.append((city, country_names[region], code))
            else:
                missing.append(f"{city} {code} ({region})")
    return entries, missing


def main():
    country_names = {}
    with open(make_countries.ISO_JSON, encoding="utf-8") as f:
        for entry in json.load(f)["3166-1"]:
            country_names[entry["alpha_2"]] = make_countries.display_name(entry)

    entries = nanp_entries(country_names)
    world, missing = world_entries(country_names)
    entries += world
    if len(set(entries)) != len(entries):
        sys.exit("make_city_areas: duplicate entries")
    entries.sort(key=lambda e: (fold(e[0]), fold(e[1]), e[2]))
    text = "".join(f"{city}\t{region}\t{code}\r\n" for city, region, code in entries)
    with open(OUT, "wb") as f:
        f.write(b"\xff\xfe" + text.encode("utf-16-le"))
    print(f"make_city_areas: {len(entries)} lines written to {os.path.relpath(OUT, ROOT)}")
    if missing:
        print("make_city_areas: not confirmed by the data, left out: " + ", ".join(missing))


if __name__ == "__main__":
    main()
