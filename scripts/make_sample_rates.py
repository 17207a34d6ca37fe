#!/usr/bin/python3
"""Writes data/sample/CurRates.dat: the exchange rates a new user starts with,
copied into the user's documents folder (scripts/run.sh does it for the
project's Wine prefix).  The program only reads the file.

Source: the euro foreign exchange reference rates the European Central Bank
published for 1 October 2019, as the Official Journal of the European Union
printed them (C 331/5 of 2 October 2019,
https://eur-lex.europa.eu/legal-content/EN/TXT/HTML/?uri=CELEX:C2019/331/05).
QUOTED below holds them as printed: units of the currency per euro.  The 31
currencies are the whole table of that day.

    /usr/bin/python3 scripts/make_sample_rates.py

Line format: the first line the day of the quotations as YYYYMMDD; then one
line a currency, sorted by code, "CODE VALUE" with one blank between, VALUE
being what one unit of the currency is worth in euros (1 / the quoted rate,
to 10 significant digits, written with a point and no exponent).  EUR is
listed as 1.0.  Plain ASCII, 8-bit, CR LF line ends.
"""

import decimal
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "data", "sample", "CurRates.dat")

DAY = "20191001"
QUOTED = {
    "USD": "1.0898", "JPY": "118.00", "DKK": "7.4655", "GBP": "0.88955",
    "SEK": "10.8043", "CHF": "1.0906", "ISK": "135.30", "NOK": "9.9463",
    "BGN": "1.9558", "CZK": "25.740", "HUF": "334.79", "PLN": "4.3774",
    "RON": "4.7511", "TRY": "6.1979", "AUD": "1.6274", "CAD": "1.4466",
    "HKD": "8.5449", "NZD": "1.7528", "SGD": "1.5108", "KRW": "1310.56",
    "ZAR": "16.6700", "CNY": "7.7903", "HRK": "7.4111", "IDR": "15505.67",
    "MYR": "4.5712", "PHP": "56.610", "RUB": "71.0815", "THB": "33.430",
    "BRL": "4.5384", "MXN": "21.5587", "INR": "77.4920",
}


def euro_value(quoted):
    """1 / quoted to 10 significant digits, in plain decimal notation."""
    with decimal.localcontext() as context:
        context.prec = 10
        return format(1 / decimal.Decimal(quoted), "f")


def build_lines():
    values = {code: euro_value(rate) for code, rate in QUOTED.items()}
    values["EUR"] = "1.0"
    return [DAY] + [f"{code} {values[code]}" for code in sorted(values)]


def main():
    lines = build_lines()
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with open(OUT, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("ascii"))
    print(f"make_sample_rates: {len(lines)} lines written to {os.path.relpath(OUT, ROOT)}")


if __name__ == "__main__":
    main()
