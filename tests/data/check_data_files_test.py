"""Tests of scripts/check_data_files.py: it reads files as the program does,
it finds each kind of fault in small files of ours, and the shipped files
pass.

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
    def test_utf16_with_mark_and_ascii_give_the_same_lines(self):
        text = "Alberta\t5%\r\nYukon\t5%\r\n"
        self.assertEqual(lines_of(text.encode("ascii")), lines_of(utf16(text)))
        self.assertEqual(lines_of(utf16(text))[0], ["Alberta\t5%", "Yukon\t5%"])

    def test_any_line_end_and_blank_lines_anywhere_give_the_same_lines(self):
        expected = ["one", "two", "three"]
        for text in ("one\r\ntwo\r\nthree\r\n", "one\ntwo\nthree", "one\rtwo\rthree",
                     "\r\n\r\none\n\n\ntwo\r\r\nthree\n\n"):
            self.assertEqual(lines_of(text.encode("ascii")), (expected, []), repr(text))

    def test_unreadable_or_code_page_dependent_text_is_a_fault(self):
        self.assertIsNone(lines_of(b"\xff\xfe")[0])               # mark and no text
        self.assertIsNone(lines_of(b"\xff\xfe\0\0abc")[0])       # mark, then a terminator
        _, faults = lines_of("Curaçao".encode("cp1252"))        # 8-bit, not ASCII
        self.assertTrue(faults)
        _, faults = lines_of(b"abc\0def")
        self.assertTrue(faults)
        self.assertEqual(lines_of(utf16("Curaçao")), (["Curaçao"], []))

    def test_tab_field_rule_with_none_one_two_and_three_tabs(self):
        self.assertEqual(check.tab_fields("A", 3), ["", "", "A"])
        self.assertEqual(check.tab_fields("A\tB", 3), ["A", "", "A\tB"])
        self.assertEqual(check.tab_fields("A\tB\tC", 3), ["A", "B", "C"])
        self.assertEqual(check.tab_fields("A\tB\tC\tD", 3), ["A", "B", "C\tD"])
        self.assertEqual(check.tab_fields("A\tB", 4), ["A", "", "A", "B"])
        self.assertEqual(check.tab_fields("A\tB\tC", 4), ["A", "B", "", "A\tB\tC"])
        self.assertEqual(check.tab_fields("A\tB\tC", 2), ["A", "B\tC"])


def countries(names_and_codes):
    return [name.ljust(41) + code for name, code in names_and_codes]


def faults_of(check_function, lines, *args):
    faults = []
    check_function(lines, *args, faults)
    return faults


def assert_found(test, faults, words, what):
    test.assertTrue(any(words in fault for fault in faults), f"{what}: {faults}")


class Countries(unittest.TestCase):
    GOOD = [(f"Country {i:03d}", str(100 + i)) for i in range(232)]

    def test_a_well_formed_list_passes(self):
        self.assertEqual(faults_of(check.check_countries, countries(self.GOOD)), [])

    def test_each_fault_is_found(self):
        cases = {
            "cuts it": countries(self.GOOD[:-1]) + ["x" * 41 + "1" * 90],
            "fills the column": countries(self.GOOD[:-1]) + ["Z" * 41 + "7"],
            "not a calling code": countries(self.GOOD[:-1] + [("Zed", " 44")]),
            "out of order": countries(self.GOOD[1:] + self.GOOD[:1]),
            "twice": countries(self.GOOD[:-1] + self.GOOD[-2:-1]),
            "not near": countries(self.GOOD[:150]),
        }
        for words, lines in cases.items():
            assert_found(self, faults_of(check.check_countries, lines), words, words)

    def test_accents_and_case_do_not_break_the_order(self):
        names = [("Afghanistan", "93"), ("Åland Islands", "358"), ("albania", "355")]
        lines = countries(names + self.GOOD[:229])
        self.assertEqual(faults_of(check.check_countries, lines), [])


class CityAreasAndRates(unittest.TestCase):
    GOOD = [f"City {i:03d}\tST\t{200 + i}" for i in range(447)]

    def test_city_area_faults_are_found(self):
        self.assertEqual(faults_of(check.check_city_areas, self.GOOD), [])
        for words, bad in {"1 TABs": "Zz\t212", "3 TABs": "Zz\tNY\t212\tx",
                           "not digits": "Zz\tNY\tabc", "no city": "\tNY\t212",
                           "twice": self.GOOD[-1]}.items():
            assert_found(self, faults_of(check.check_city_areas, self.GOOD + [bad]), words, bad)

    def test_rate_file_faults_are_found(self):
        good = ["Province (Jan 2025)\tGST\tPST\tHST", "Alberta\t5%\t-\t-", "Quebec\t5%\t9.975%\t-"]
        self.assertEqual(faults_of(check.check_vat, good, 4), [])
        cases = {
            "no year": ["Province\tGST\tPST\tHST"] + good[1:],
            "4 TAB-separated fields": good + ["Ontario\t13%"],
            "not a rate": good + ["Ontario\t-\t-\t13"],
            "twice": good + [good[1]],
            "no rows": good[:1],
        }
        for words, lines in cases.items():
            assert_found(self, faults_of(check.check_vat, lines, 4), words, words)


class Money(unittest.TestCase):
    CODES = [f"{a}{b}{c}" for a in "ABCDEFG" for b in "ABCDE" for c in "ABCDE"][:169]
    GOOD = [f"{code}\tMoney {code}" for code in CODES]
    RATES = ["20191001", "EUR 1.0", "IDR 0.00006449253725", "USD\t0.9175995596", "JPY 2."]

    def test_code_list_faults_are_found(self):
        self.assertEqual(faults_of(check.check_currency_codes, self.GOOD), [])
        cases = {
            "a TAB and a name": ["Usd\tUS Dollar", "USD US Dollar", "US\tDollar"],
            "no name": ["ZZZ\t "],
            "cuts it": ["ZZZ\t" + "x" * 130],
            "twice": [self.GOOD[-1]],
            "out of order": ["ABF\tBetween ABE and ACA"],
        }
        for words, extras in cases.items():
            for extra in extras:
                faults = faults_of(check.check_currency_codes, self.GOOD + [extra])
                assert_found(self, faults, words, extra)
        assert_found(self, faults_of(check.check_currency_codes, self.GOOD[:150]), "not near",
                     "150 rows")

    def test_euro_list_is_the_thirteen_codes_in_their_order(self):
        good = [f"{code}\tName" for code in check.EURO_CODES]
        self.assertEqual(faults_of(check.check_euro, good), [])
        for bad in (good[1:], good[:1] + good[2:3] + good[1:2] + good[3:], good + ["XEU\tEcu"]):
            assert_found(self, faults_of(check.check_euro, bad), "not EUR ATS", bad)

    def test_rate_file_faults_are_found(self):
        known = {"EUR", "IDR", "JPY", "USD"}
        self.assertEqual(faults_of(check.check_rates, self.RATES, known), [])
        cases = {
            "YYYYMMDD": (["20190229"], ["2019-10-01"], ["191001"]),
            "a blank and a value": (["usd 0.9"], ["USD=0.9"], ["US 0.9"], ["JPY"]),
            "above 0 with a point": (["JPY 0,0084"], ["JPY 0"], ["JPY -1.5"], ["JPY  0.5"],
                                     ["JPY 1e999"]),
            "twice": (["USD 0.92"],),
            "not in CurrencyCode.dat": (["CHF 0.91"],),
        }
        for words, changes in cases.items():
            for change in changes:
                lines = (change + self.RATES[1:]) if words == "YYYYMMDD" else self.RATES + change
                assert_found(self, faults_of(check.check_rates, lines, known), words, change)
        for lines in (self.RATES[:1] + self.RATES[2:], self.RATES + ["EUR 1.1"],
                      ["20191001", "EUR 1.01"]):
            assert_found(self, faults_of(check.check_rates, lines, known), "EUR is not", lines)


class CareLabels(unittest.TestCase):
    GROUPS = ["  0  0Washing", "  1  0Bleaching", "  2  0Drying", "  3  0Ironing",
              "  4  0Professional care"]

    def labels(self, extra=(), where=5):
        lines = self.GROUPS[:where] + list(extra) + self.GROUPS[where:]
        faults = []
        used = check.check_labels(lines, {100, 130, 131}, faults)
        return faults, used

    def test_labels_with_one_and_two_icons_pass(self):
        faults, used = self.labels(["130131Tumble dry, low heat", "100  0Machine wash  \t"], 3)
        self.assertEqual(faults, [])
        self.assertEqual(used, {100, 130, 131})

    def test_each_fault_is_found(self):
        cases = {
            "not in wLabels.rc": (["132  0Tumble dry"], 3),
            "before the first group": (["100  0Machine wash"], 0),
            "groups 0 to 4 only": (["  5  0Extra"], 5),
            "right-aligned": (["1000  Machine wash"], 1),
            "does not fit": (["100  0" + "word " * 20], 1),
            "twice": (["100  0Wash", "100  0Wash"], 1),
            "starts with a blank": (["100  0 Wash"], 1),
        }
        for words, (extra, where) in cases.items():
            assert_found(self, self.labels(extra, where)[0], words, words)
        faults = []
        check.check_labels(self.GROUPS[:4], set(), faults)
        assert_found(self, faults, "not the five groups", "a group missing")


class ShippedFiles(unittest.TestCase):
    def run_main(self, *args):
        with contextlib.redirect_stderr(io.StringIO()) as err, \
                contextlib.redirect_stdout(io.StringIO()):
            status = check.main(["check_data_files.py", *args])
        return status, err.getvalue()

    def test_the_shipped_files_pass(self):
        status, errors = self.run_main()
        self.assertEqual((status, errors), (0, ""))

    def test_a_broken_copy_fails_and_names_each_fault(self):
        with tempfile.TemporaryDirectory() as tmp:
            data = os.path.join(tmp, "data")
            shutil.copytree(os.path.join(ROOT, "data"), data)
            res = os.path.join(tmp, "resources")
            os.mkdir(res)
            with open(os.path.join(ROOT, "resources", "wLabels.rc"), encoding="utf-8") as f:
                rc = f.read()
            with open(os.path.join(res, "wLabels.rc"), "w", encoding="utf-8") as f:
                f.write(rc + '999 ICON "../data/labels/none.ico"\n')
            with open(os.path.join(data, "UsaVat.dat"), "ab") as f:
                f.write(b"Caf\xe9\t6%\r\n")
            os.remove(os.path.join(data, "EuroVat.dat"))
            with open(os.path.join(data, "sample", "CurRates.dat"), "ab") as f:
                f.write(b"XYZ 1.5\r\n")
            status, errors = self.run_main(data, os.path.join(res, "wLabels.rc"))
        self.assertEqual(status, 1)
        for name in ("UsaVat.dat", "EuroVat.dat", "wLabels.rc: line", "icon 999",
                     "CurRates.dat: line 34: XYZ"):
            self.assertIn(name, errors)


if __name__ == "__main__":
    unittest.main()
