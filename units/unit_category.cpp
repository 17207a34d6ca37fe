#include "units/unit_category.h"

namespace tv {

void FillUnitList(UnitList& list, const wchar_t* const* names, int count, int index) {
    list.Reset();
    for (int i = 0; i < count; ++i) list.Add(names[i]);
    list.Select(index >= 0 && index < count ? index : 0);
}

UnitCategory::UnitCategory(SettingsHome& home, CategoryId id)
    : UnitSelection_(home.record.Selection[id]), home_(home), id_(id) {}

UnitCategory::~UnitCategory() {
    home_.record.Selection[id_] = UnitSelection_;
    home_.Save();
}

void UnitCategory::FillList(UnitList& list, int index) const {
    const UnitTable& t = UnitTableFor(id_);
    FillUnitList(list, t.names, t.count, index);
}

void UnitCategory::Record(int& from, int& to, int count) {
    if (from < 0 || from >= count) from = 0;
    if (to < 0 || to >= count) to = 0;
    UnitSelection_ = WithUnits(UnitSelection_, from, to);
}

namespace {

// The thirteen categories that convert through a factor table.
template <CategoryId kId>
class FactorCategory final : public UnitCategory {
public:
    explicit FactorCategory(SettingsHome& home) : UnitCategory(home, kId) {}
    ~FactorCategory() override = default;

    void FillFromList(UnitList& list) override { FillList(list, SelectionFrom(UnitSelection_)); }
    void FillToList(UnitList& list) override { FillList(list, SelectionTo(UnitSelection_)); }
    double Convert(double value, int from, int to) override {
        const UnitTable& t = UnitTableFor(kId);
        Record(from, to, t.count);
        // Multiplication first, even for the same unit: results depend on it.
        return (t.factors[from] * value) / t.factors[to];
    }
};

class TemperatureCategory final : public UnitCategory {
public:
    explicit TemperatureCategory(SettingsHome& home) : UnitCategory(home, kTemperature) {}
    ~TemperatureCategory() override = default;

    void FillFromList(UnitList& list) override { FillList(list, SelectionFrom(UnitSelection_)); }
    void FillToList(UnitList& list) override { FillList(list, SelectionTo(UnitSelection_)); }
    double Convert(double value, int from, int to) override {
        Record(from, to, UnitTableFor(kTemperature).count);
        // The order of the operations fixes the bits of every result.
        constexpr double Z = -273.15;
        constexpr double kNinth = 0.1111111111111111;
        enum { C, F, K };
        if (from == to) return value;
        if (from == C && to == F) return ((value * 9.0) * 0.2) + 32.0;
        if (from == C && to == K) return value - Z;
        if (from == F && to == C) return ((value - 32.0) * 5.0) * kNinth;
        if (from == F && to == K) return (((value - 32.0) * 5.0) * kNinth) - Z;
        if (from == K && to == C) return Z + value;
        if (from == K && to == F) return (((Z + value) * 9.0) * 0.2) + 32.0;
        return 0.0;
    }
};

using MassCategory = FactorCategory<kMass>;
using LengthCategory = FactorCategory<kLength>;
using VolumeCategory = FactorCategory<kVolume>;
using AreaCategory = FactorCategory<kArea>;
using ComputerCategory = FactorCategory<kComputer>;
using SpeedCategory = FactorCategory<kSpeed>;
using PowerCategory = FactorCategory<kPower>;
using TorqueCategory = FactorCategory<kTorque>;
using ForceCategory = FactorCategory<kForce>;
using PressureCategory = FactorCategory<kPressure>;
using EnergyCategory = FactorCategory<kEnergy>;
using AstronomicalCategory = FactorCategory<kAstronomical>;
using FrequencyCategory = FactorCategory<kFrequency>;

}  // namespace

std::unique_ptr<UnitCategory> CreateUnitCategory(int id, SettingsHome& home) {
    switch (id) {
        case kTemperature: return std::make_unique<TemperatureCategory>(home);
        case kMass: return std::make_unique<MassCategory>(home);
        case kLength: return std::make_unique<LengthCategory>(home);
        case kVolume: return std::make_unique<VolumeCategory>(home);
        case kArea: return std::make_unique<AreaCategory>(home);
        case kComputer: return std::make_unique<ComputerCategory>(home);
        case kSpeed: return std::make_unique<SpeedCategory>(home);
        case kPower: return std::make_unique<PowerCategory>(home);
        case kTorque: return std::make_unique<TorqueCategory>(home);
        case kForce: return std::make_unique<ForceCategory>(home);
        case kPressure: return std::make_unique<PressureCategory>(home);
        case kEnergy: return std::make_unique<EnergyCategory>(home);
        case kAstronomical: return std::make_unique<AstronomicalCategory>(home);
        case kFrequency: return std::make_unique<FrequencyCategory>(home);
        default: return nullptr;
    }
}

}  // namespace tv
