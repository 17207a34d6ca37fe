#!/usr/bin/python3
"""Writes the sales tax and VAT tables: data/CanVat.dat, data/UsaVat.dat and
data/EuroVat.dat, with the rates in force on 1 January 2026.

    /usr/bin/python3 scripts/make_tax_rates.py

Sources.  The figures are copied by hand from what the tax authorities and
the European Commission publish; every row below names its sources (keys of
SOURCES), and each source gives the day its figures are of:
- European Commission, "VAT rates applied in the Member States of the
  European Union", situation at 1 January 2026: the standard rate of each of
  the 27 member states.  Two changed in 2025: Estonia 22 % to 24 % on 1 July
  (Estonian Tax and Customs Board), Romania 19 % to 21 % on 1 August
  (Law 141/2025).
- Canada Revenue Agency, "GST/HST rates", at 1 January 2026: GST 5 %; HST
  13 % in Ontario, 14 % in Nova Scotia (15 % until 31 March 2025, Nova
  Scotia's Department of Finance and Treasury Board), 15 % in New Brunswick,
  Newfoundland and Labrador and Prince Edward Island.
- The provinces' own sales taxes at 1 January 2026, from their finance
  ministries: British Columbia PST 7 %, Manitoba RST 7 %, Quebec QST
  9.975 % (Revenu Québec), Saskatchewan PST 6 %.
- Tax Foundation, "State and Local Sales Tax Rates, 2026", rates as of
  1 January 2026, and the states' revenue departments: the rate levied
  throughout each state.  The District of Columbia's rose from 6 % to 6.5 %
  on 1 October 2025 (its Office of Tax and Revenue).  South Dakota's 4.2 %
  runs until 30 June 2027.
Rates change: when they do, check every figure again, then change the tables,
the sources' dates and the titles together.

What is listed.  Canada: each province and territory with GST, PST (or
Manitoba's RST, Quebec's QST) and HST; "-" for a tax it does not levy.  USA:
the 50 states and the District of Columbia, the state rate only; in
California (7.25 %), Utah (6.1 %) and Virginia (5.3 %) that includes a local
rate levied everywhere in the state, and local sales taxes come on top in
most states.  The five states without a state sales tax are listed at 0 %.
Europe: the standard rate of each member state; reduced rates are not listed.

Line format (read by the program with its TAB rule): a title line, then one
line a region, sorted by name; fields separated by a TAB; a rate written as
digits with a point for decimals and a percent sign (7%, 9.975%), or "-".
The titles name the day of the rates and keep the length the program's
columns show whole.  Encoding as data/README.md says: 8-bit when the text is
plain ASCII (it is), otherwise UTF-16 little-endian with the byte-order mark
FF FE; CR LF line ends.
"""

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")

SOURCES = {
    "EC": ("European Commission, VAT rates applied in the Member States of the European Union",
           "situation at 1 January 2026"),
    "EE": ("Estonian Tax and Customs Board, standard VAT rate 24 %", "from 1 July 2025"),
    "RO": ("Romania, Law 141/2025, standard VAT rate 21 %", "from 1 August 2025"),
    "CRA": ("Canada Revenue Agency, GST/HST rates", "1 January 2026"),
    "NS": ("Nova Scotia Department of Finance and Treasury Board, HST 14 %", "from 1 April 2025"),
    "BC": ("British Columbia Ministry of Finance, provincial sales tax 7 %", "1 January 2026"),
    "MB": ("Manitoba Finance, retail sales tax 7 %", "1 January 2026"),
    "QC": ("Revenu Québec, Quebec sales tax 9.975 %", "1 January 2026"),
    "SK": ("Saskatchewan Ministry of Finance, provincial sales tax 6 %", "1 January 2026"),
    "TF": ("Tax Foundation, State and Local Sales Tax Rates, 2026", "rates as of 1 January 2026"),
    "DC": ("District of Columbia Office of Tax and Revenue, sales tax 6.5 %", "from 1 October 2025"),
}

NONE = None  # a tax the province does not levy, written "-"

# (province or territory, GST, PST, HST, sources)
CANADA_TITLES = ("Province (Jan 2026)", "GST", "PST", "HST")
CANADA = [
    ("Alberta",                   "5", NONE,    NONE, ("CRA",)),
    ("British Columbia",          "5", "7",     NONE, ("CRA", "BC")),
    ("Manitoba",                  "5", "7",     NONE, ("CRA", "MB")),  # RST
    ("New Brunswick",             NONE, NONE,   "15", ("CRA",)),
    ("Newfoundland and Labrador", NONE, NONE,   "15", ("CRA",)),
    ("Northwest Territories",     "5", NONE,    NONE, ("CRA",)),
    ("Nova Scotia",               NONE, NONE,   "14", ("CRA", "NS")),  # 15 until 31 March 2025
    ("Nunavut",                   "5", NONE,    NONE, ("CRA",)),
    ("Ontario",                   NONE, NONE,   "13", ("CRA",)),
    ("Prince Edward Island",      NONE, NONE,   "15", ("CRA",)),
    ("Quebec",                    "5", "9.975", NONE, ("CRA", "QC")),  # QST
    ("Saskatchewan",              "5", "6",     NONE, ("CRA", "SK")),
    ("Yukon",                     "5", NONE,    NONE, ("CRA",)),
]

# (state, rate, sources)
USA_TITLES = ("State (1 Jan 2026)", "Rate")
USA = [
    ("Alabama",              "4",     ("TF",)),
    ("Alaska",               "0",     ("TF",)),  # local taxes only
    ("Arizona",              "5.6",   ("TF",)),
    ("Arkansas",             "6.5",   ("TF",)),
    ("California",           "7.25",  ("TF",)),  # with the local rate levied statewide
    ("Colorado",             "2.9",   ("TF",)),
    ("Connecticut",          "6.35",  ("TF",)),
    ("Delaware",             "0",     ("TF",)),
    ("District of Columbia", "6.5",   ("TF", "DC")),  # 6 until 30 September 2025
    ("Florida",              "6",     ("TF",)),
    ("Georgia",              "4",     ("TF",)),
    ("Hawaii",               "4",     ("TF",)),  # general excise tax
    ("Idaho",                "6",     ("TF",)),
    ("Illinois",             "6.25",  ("TF",)),
    ("Indiana",              "7",     ("TF",)),
    ("Iowa",                 "6",     ("TF",)),
    ("Kansas",               "6.5",   ("TF",)),
    ("Kentucky",             "6",     ("TF",)),
    ("Louisiana",            "5",     ("TF",)),  # 4.45 until 31 December 2024
    ("Maine",                "5.5",   ("TF",)),
    ("Maryland",             "6",     ("TF",)),
    ("Massachusetts",        "6.25",  ("TF",)),
    ("Michigan",             "6",     ("TF",)),
    ("Minnesota",            "6.875", ("TF",)),
    ("Mississippi",          "7",     ("TF",)),
    ("Missouri",             "4.225", ("TF",)),
    ("Montana",              "0",     ("TF",)),
    ("Nebraska",             "5.5",   ("TF",)),
    ("Nevada",               "6.85",  ("TF",)),
    ("New Hampshire",        "0",     ("TF",)),
    ("New Jersey",           "6.625", ("TF",)),
    ("New Mexico",           "4.875", ("TF",)),  # gross receipts tax
    ("New York",             "4",     ("TF",)),
    ("North Carolina",       "4.75",  ("TF",)),
    ("North Dakota",         "5",     ("TF",)),
    ("Ohio",                 "5.75",  ("TF",)),
    ("Oklahoma",             "4.5",   ("TF",)),
    ("Oregon",               "0",     ("TF",)),
    ("Pennsylvania",         "6",     ("TF",)),
    ("Rhode Island",         "7",     ("TF",)),
    ("South Carolina",       "6",     ("TF",)),
    ("South Dakota",         "4.2",   ("TF",)),  # until 30 June 2027
    ("Tennessee",            "7",     ("TF",)),
    ("Texas",                "6.25",  ("TF",)),
    ("Utah",                 "6.1",   ("TF",)),  # with the 1.25 % local rate levied statewide
    ("Vermont",              "6",     ("TF",)),
    ("Virginia",             "5.3",   ("TF",)),  # with the 1 % local rate levied statewide
    ("Washington",           "6.5",   ("TF",)),
    ("West Virginia",        "6",     ("TF",)),
    ("Wisconsin",            "5",     ("TF",)),
    ("Wyoming",              "4",     ("TF",)),
]

# (member state, standard rate, sources)
EUROPE_TITLES = ("EU member state (1 Jan 2026)", "VAT")
EUROPE = [
    ("Austria",     "20",   ("EC",)),
    ("Belgium",     "21",   ("EC",)),
    ("Bulgaria",    "20",   ("EC",)),
    ("Croatia",     "25",   ("EC",)),
    ("Cyprus",      "19",   ("EC",)),
    ("Czechia",     "21",   ("EC",)),
    ("Denmark",     "25",   ("EC",)),
    ("Estonia",     "24",   ("EC", "EE")),  # 22 until 30 June 2025
    ("Finland",     "25.5", ("EC",)),  # since 1 September 2024
    ("France",      "20",   ("EC",)),
    ("Germany",     "19",   ("EC",)),
    ("Greece",      "24",   ("EC",)),
    ("Hungary",     "27",   ("EC",)),
    ("Ireland",     "23",   ("EC",)),
    ("Italy",       "22",   ("EC",)),
    ("Latvia",      "21",   ("EC",)),
    ("Lithuania",   "21",   ("EC",)),
    ("Luxembourg",  "17",   ("EC",)),
    ("Malta",       "18",   ("EC",)),
    ("Netherlands", "21",   ("EC",)),
    ("Poland",      "23",   ("EC",)),
    ("Portugal",    "23",   ("EC",)),  # the mainland; the Azores and Madeira levy less
    ("Romania",     "21",   ("EC", "RO")),  # 19 until 31 July 2025
    ("Slovakia",    "23",   ("EC",)),  # since 1 January 2025
    ("Slovenia",    "22",   ("EC",)),
    ("Spain",       "21",   ("EC",)),  # the mainland and the Balearics; not the Canaries, Ceuta, Melilla
    ("Sweden",      "25",   ("EC",)),
]


def fail(message):
    sys.exit("make_tax_rates: " + message)


def rate_text(rate):
    return "-" if rate is None else rate + "%"


def table_lines(titles, rows):
    """The title line, then one line a row; each row's last item its sources."""
    lines = ["\t".join(titles)]
    for row in rows:
        *fields, sources = row
        unknown = [key for key in sources if key not in SOURCES]
        if not sources or unknown:
            fail(f"{fields[0]}: no source, or one not in SOURCES: {list(sources)}")
        if len(fields) != len(titles):
            fail(f"{fields[0]}: {len(fields)} fields under {len(titles)} titles")
        lines.append("\t".join([fields[0]] + [rate_text(rate) for rate in fields[1:]]))
    names = [row[0] for row in rows]
    if names != sorted(names) or len(set(names)) != len(names):
        fail(f"{titles[0]}: the rows are not sorted by name, each once")
    return lines


def write(name, lines):
    text = "".join(line + "\r\n" for line in lines)
    data = text.encode("ascii") if text.isascii() else b"\xff\xfe" + text.encode("utf-16-le")
    with open(os.path.join(DATA, name), "wb") as f:
        f.write(data)
    print(f"make_tax_rates: {len(lines)} lines written to data/{name}")


def main():
    write("CanVat.dat", table_lines(CANADA_TITLES, CANADA))
    write("UsaVat.dat", table_lines(USA_TITLES, USA))
    write("EuroVat.dat", table_lines(EUROPE_TITLES, EUROPE))


if __name__ == "__main__":
    main()
