"""Tests of scripts/check_data_files.py: it reads files as the program does,
it finds each kind of fault in small files of ours, and its report names
each broken file. That the shipped files pass is the data_files test's.

    python3 -m unittest discover -s tests/data -p '*_test.py'
"""

import contextlib
import io
import os
import shutil
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
import check_data_files as check  # noqa: E402


def utf16(text):
    return b"\xff\xfe" + text.encode("utf-16-le")


def lines_of(data):
    faults = []
    text = check.decode(data, faults)
    return (None if text is None else check.split_lines(text)), faults


class ReadingAsTheProgramDoes(unittest.TestCase):
    def test_both_encodings_and_any_line_ends_give_the_same_lines(self):
        text = "Alberta\t5%\r\nYukon\t5%\r\n"
        self.assertEqual(lines_of(text.encode("ascii")), lines_of(utf16(text)))
        self.assertEqual(lines_of(utf16(text))[0], ["Alberta\t5%", "Yukon\t5%"])
        for text in ("one\rtwo\rthree", "\r\n\r\none\n\n\ntwo\r\r\nthree\n\n"):
            self.assertEqual(lines_of(text.encode("ascii")), (["one", "two", "three"], []), repr(text))

    def test_unreadable_or_code_page_dependent_text_is_a_fault(self):
        self.assertIsNone(lines_of(b"\xff\xfe")[0])               # mark and no text
        self.assertIsNone(lines_of(b"\xff\xfe\0\0abc")[0])       # mark, then a terminator
        for data in ("Curaçao".encode("cp1252"), b"abc\0def"):   # 8-bit, not ASCII; a NUL
            self.assertTrue(lines_of(data)[1], data)
        self.assertEqual(lines_of(b"abc\0def")[0], ["abc"])  # the program's text ends at a NUL
        self.assertEqual(lines_of(utf16("Curaçao")), (["Curaçao"], []))

    def test_tab_field_rule_with_too_few_and_too_many_tabs(self):
        self.assertEqual(check.tab_fields("A", 3), ["", "", "A"])
        self.assertEqual(check.tab_fields("A\tB", 4), ["A", "", "A", "B"])
        self.assertEqual(check.tab_fields("A\tB\tC", 4), ["A", "B", "", "A\tB\tC"])
        self.assertEqual(check.tab_fields("A\tB\tC\tD", 3), ["A", "B", "C\tD"])


def countries(names_and_codes):
    return [name.ljust(41) + code for name, code in names_and_codes]


def labels(extra=(), where=5):
    groups = ["  0  0Washing", "  1  0Bleaching", "  2  0Drying", "  3  0Ironing", "  4  0Professional care"]
    return groups[:where] + list(extra) + groups[where:]


def faults_of(check_function, lines, *args):
    faults = []
    check_function(lines, *args, faults)
    return faults


COUNTRIES = [(f"Country {i:03d}", str(100 + i)) for i in range(232)]
CITIES = [f"City {i:03d}\tST\t{200 + i}" for i in range(447)]
VAT = ["Province (Jan 2025)\tGST\tPST\tHST", "Alberta\t5%\t-\t-", "Quebec\t5%\t9.975%\t-"]
CODES = [f"{a}{b}{c}\tMoney {a}{b}{c}" for a in "ABCDEFG" for b in "ABCDE" for c in "ABCDE"][:169]
EURO = [f"{code}\tName" for code in check.EURO_CODES]
RATES = ["20191001", "EUR 1.0", "IDR 0.00006449253725", "USD\t0.9175995596", "JPY 2."]
LABELS = labels(["130131Tumble dry, low heat", "100  0Machine wash  \t"], 3)  # one icon and two

# Each check with a well-formed file, the check's other arguments, and files
# holding one fault each, with words of the message that must report it.
FILE_CHECKS = [
    (check.check_countries, countries(COUNTRIES), (), [
        ("cuts it", countries(COUNTRIES[:-1]) + ["x" * 41 + "1" * 90]),
        ("fills the column", countries(COUNTRIES[:-1]) + ["Z" * 41 + "7"]),
        ("not a calling code", countries(COUNTRIES[:-1] + [("Zed", " 44")])),
        ("out of order", countries(COUNTRIES[1:] + COUNTRIES[:1])),
        ("twice", countries(COUNTRIES[:-1] + COUNTRIES[-2:-1])),
        ("not near", countries(COUNTRIES[:150]))]),
    (check.check_city_areas, CITIES, (), [
        ("1 TABs", CITIES + ["Zz\t212"]), ("3 TABs", CITIES + ["Zz\tNY\t212\tx"]), ("twice", CITIES + CITIES[-1:]),
        ("not digits", CITIES + ["Zz\tNY\tabc"]), ("no city", CITIES + ["\tNY\t212"])]),
    (check.check_vat, VAT, (4,), [
        ("no year", ["Province\tGST\tPST\tHST"] + VAT[1:]), ("4 TAB-separated fields", VAT + ["Ontario\t13%"]),
        ("not a rate", VAT + ["Ontario\t-\t-\t13"]), ("twice", VAT + VAT[1:2]), ("no rows", VAT[:1])]),
    (check.check_currency_codes, CODES, (), [
        ("a TAB and a name", CODES + ["Usd\tUS Dollar"]), ("a TAB and a name", CODES + ["USD US Dollar"]),
        ("no name", CODES + ["ZZZ\t "]), ("cuts it", CODES + ["ZZZ\t" + "x" * 130]), ("twice", CODES + CODES[-1:]),
        ("out of order", CODES + ["ABF\tBetween ABE and ACA"]), ("not near", CODES[:150])]),
    (check.check_euro, EURO, (), [
        ("not EUR ATS", EURO[1:]), ("not EUR ATS", EURO[:1] + EURO[2:3] + EURO[1:2] + EURO[3:]),
        ("not EUR ATS", EURO + ["XEU\tEcu"])]),
    (check.check_rates, RATES, ({"EUR", "IDR", "JPY", "USD"},), [
        ("YYYYMMDD", ["20190229"] + RATES[1:]), ("YYYYMMDD", ["2019-10-01"] + RATES[1:]),
        ("a blank and a value", RATES + ["usd 0.9"]), ("a blank and a value", RATES + ["USD=0.9"]),
        ("above 0 with a point", RATES + ["JPY 0,0084"]), ("above 0 with a point", RATES + ["JPY 0"]),
        ("above 0 with a point", RATES + ["JPY 1e999"]), ("twice", RATES + ["USD 0.92"]),
        ("not in CurrencyCode.dat", RATES + ["CHF 0.91"]),
        ("EUR is not", RATES[:1] + RATES[2:]), ("EUR is not", ["20191001", "EUR 1.01"])]),
    (check.check_labels, LABELS, ({100, 130, 131},), [
        ("not in wLabels.rc", labels(["132  0Tumble dry"], 3)),
        ("before the first group", labels(["100  0Machine wash"], 0)),
        ("groups 0 to 4 only", labels(["  5  0Extra"])), ("not the five groups", labels()[:4]),
        ("right-aligned", labels(["1000  Machine wash"], 1)), ("does not fit", labels(["100  0" + "word " * 20], 1)),
        ("twice", labels(["100  0Wash", "100  0Wash"], 1)), ("starts with a blank", labels(["100  0 Wash"], 1))]),
]


class EachFileCheck(unittest.TestCase):
    def test_a_well_formed_file_passes_and_each_fault_is_found(self):
        for check_function, good, args, bad_files in FILE_CHECKS:
            self.assertEqual(faults_of(check_function, good, *args), [], check_function.__name__)
            for words, lines in bad_files:
                faults = faults_of(check_function, lines, *args)
                self.assertTrue(any(words in fault for fault in faults),
                                f"{check_function.__name__}, {words}: {faults}")

    def test_accents_and_case_do_not_break_the_order_of_names(self):
        names = [("Afghanistan", "93"), ("Åland Islands", "358"), ("albania", "355")]
        self.assertEqual(faults_of(check.check_countries, countries(names + COUNTRIES[:229])), [])

    def test_labels_give_the_icons_they_use(self):
        self.assertEqual(check.check_labels(LABELS, {100, 130, 131}, []), {100, 130, 131})


class Report(unittest.TestCase):
    def run_main(self, *args):
        with contextlib.redirect_stderr(io.StringIO()) as err, \
                contextlib.redirect_stdout(io.StringIO()):
            status = check.main(["check_data_files.py", *args])
        return status, err.getvalue()

    def test_a_broken_copy_fails_and_names_each_fault(self):
        with tempfile.TemporaryDirectory() as tmp:
            data, rc = os.path.join(tmp, "data"), os.path.join(tmp, "resources", "wLabels.rc")
            shutil.copytree(os.path.join(ROOT, "data"), data)
            shutil.copytree(os.path.join(ROOT, "resources"), os.path.dirname(rc))
            with open(rc, "a", encoding="utf-8") as f:
                f.write('999 ICON "../data/labels/none.ico"\n')
            os.remove(os.path.join(data, "EuroVat.dat"))
            with open(os.path.join(data, "sample", "CurRates.dat"), "ab") as f:
                f.write(b"XYZ 1.5\r\n")
            status, errors = self.run_main(data, rc)
        self.assertEqual(status, 1)
        for name in ("EuroVat.dat: cannot be read", "wLabels.rc: line", "icon 999", "CurRates.dat: line 34: XYZ"):
            self.assertIn(name, errors)


if __name__ == "__main__":
    unittest.main()
