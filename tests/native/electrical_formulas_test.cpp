#include "tools/electrical_formulas.h"

#include <gtest/gtest.h>

#include <string>

using tv::CalcStatus;
using tv::ElectricalValues;

namespace {

tv::CalcResult Calc(int formula, double p, double v, double r, double i) {
    return tv::CalculateElectrical(formula, ElectricalValues{p, v, r, i});
}

}  // namespace

TEST(ElectricalFormulas, EachFormulaSolvesOneCircuitFromItsNamedInputs) {
    // 12 V across 4 ohms: 3 A and 36 W. Fields the formula clears read 0.
    const ElectricalValues circuit{36, 12, 4, 3};
    const wchar_t* const kWords[] = {L"Watts", L"Volts", L"Ohms", L"Amperes"};
    for (int f = 0; f < tv::kElectricalFormulaCount; ++f) {
        const tv::ElectricalFormula& formula = tv::kElectricalFormulas[f];
        const std::wstring name = formula.name.text;  // "<output> using <input> and <input>"
        EXPECT_EQ(formula.name.id, 250 + f);
        EXPECT_EQ(name.find(kWords[formula.output]), 0u) << f;
        ElectricalValues typed = circuit;
        for (int q = 0; q < tv::kElectricalQuantityCount; ++q) {
            const bool input = formula.fields[q] == tv::FieldState::kEditable;
            EXPECT_EQ(name.find(kWords[q], 1) != std::wstring::npos, input) << f << " " << q;
            if (!input) typed[q] = 0.0;
        }
        const tv::CalcResult result = tv::CalculateElectrical(f, typed);
        ASSERT_EQ(result.status, CalcStatus::kOk) << f;
        EXPECT_DOUBLE_EQ(result.value, circuit[formula.output]) << f;
    }
}

TEST(ElectricalFormulas, RejectionsOverflowAndUnknownFormulas) {
    EXPECT_EQ(Calc(0, 0, 0, 5, 0).value, 0.0);
    EXPECT_EQ(Calc(0, -1, 0, 5, 0).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Calc(0, -1, 0, -1, 0).status, CalcStatus::kInvalidValue);  // although P × R > 0
    EXPECT_EQ(Calc(1, 10, 0, 0, 2).value, 5.0);
    EXPECT_EQ(Calc(1, 10, 0, 0, 0).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Calc(2, 0, 0, 2, -3).value, -6.0);  // the products take any sign
    EXPECT_EQ(Calc(4, 0, 12, 0, 0).status, CalcStatus::kInvalidValue);  // an empty P
    EXPECT_EQ(Calc(8, 0, 0, 4, 0).value, 0.0);
    EXPECT_EQ(Calc(8, 4, 0, 0, 0).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Calc(11, 0, 12, 4, 0).value, 36.0);
    EXPECT_EQ(Calc(11, 0, 12, -0.0, 0).status, CalcStatus::kInvalidValue);
    EXPECT_EQ(Calc(11, 0, 12, -4, 0).value, -36.0);  // only zero is refused
    EXPECT_EQ(Calc(2, 0, 0, 1e200, 1e200).status, CalcStatus::kTooLarge);
    EXPECT_EQ(Calc(10, 0, 0, 0, 1e200).status, CalcStatus::kTooLarge);  // inf × 0
    EXPECT_EQ(Calc(-1, 1, 1, 1, 1).status, CalcStatus::kNoFormula);
    EXPECT_EQ(Calc(tv::kElectricalFormulaCount, 1, 1, 1, 1).status, CalcStatus::kNoFormula);
}
