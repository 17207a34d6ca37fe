// The electrical, circle and area/volume calculators: one dialog driven by
// a table each. A formula list sets which fields take input; Calculate reads
// them as numbers and shows the chosen formula's result.
#pragma once

#include <span>

#include "settings/app_settings.h"
#include "tools/calculator_common.h"
#include "tools/formula_dialog.h"

namespace tv {

struct CalculatorTable {
    int templateId;
    const wchar_t* helpTopic;
    int toolName;  // string id: what a screen reader calls the tool
    std::span<const int> fields;  // the input fields, in the formulas' field order
    int fieldLimit;               // characters each field takes
    int formulaCount;
    ResourceString (*name)(int formula);
    FieldState (*fieldState)(int formula, int field);
    // The result from the fields' numbers; `choice` is the second list's
    // position (the angle unit), 0 without one.
    CalcResult (*compute)(int formula, std::span<const double> values, int choice);
    // The field the result goes to, selected and focused; nullptr: the
    // read-only Result, emptied whenever a formula is chosen.
    int (*outputField)(int formula) = nullptr;
    // A second list (0: none), its entries, the one chosen at first, and
    // whether a formula uses it.
    int choiceList = 0;
    std::span<const ResourceString> choices = {};
    int firstChoice = 0;
    bool (*choiceEnabled)(int formula) = nullptr;
    // A read-only field with fixed text (0: none).
    int fixedField = 0;
    const wchar_t* fixedText = nullptr;
};

extern const CalculatorTable kElectricalCalculator;
extern const CalculatorTable kCircleCalculator;
extern const CalculatorTable kAreaVolumeCalculator;

class CalculatorDialog final : public FormulaDialog {
public:
    // Results show with the record's decimal places and grouping.
    CalculatorDialog(const CalculatorTable& table, const AppSettings& settings)
        : FormulaDialog(table.templateId, table.helpTopic), table_(table), settings_(settings) {}

protected:
    bool OnInitDialog() override;
    std::vector<ReaderName> ReaderNames() const override;
    void ApplyFieldStates() override;
    void Calculate() override;

private:
    const CalculatorTable& table_;
    const AppSettings& settings_;
};

}  // namespace tv
