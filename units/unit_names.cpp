#include "units/unit_names.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>

#include "units/unit_tables.h"

namespace tv {
namespace {

// A name that means different amounts where people differ (ton, pint,
// horsepower in a trade) is left out, or given only its qualified forms.
constexpr TypedUnitNames kTypedNames[] = {
    // Temperature
    {L"C", L"\u00B0C|degC|deg C|celsius|centigrade|degree C|degrees C|degree celsius|degrees celsius"},
    {L"F", L"\u00B0F|degF|deg F|fahrenheit|degree F|degrees F|degree fahrenheit|degrees fahrenheit"},
    {L"K", L"kelvin|kelvins"},
    // Mass
    {L"kg", L"kilogram|kilograms|kilogramme|kilogrammes|kilo|kilos|kgs"},
    {L"g", L"gram|grams|gramme|grammes"},
    {L"mg", L"milligram|milligrams|milligramme|milligrammes"},
    {L"lb", L"lbs|pound|pounds"},
    {L"oz", L"ounce|ounces"},
    {L"t", L"tonne|tonnes|metric ton|metric tons"},
    {L"carats (metric)", L"carat|carats|ct"},
    {L"tons (UK)", L"long ton|long tons|ton (UK)"},
    {L"tons (US)", L"short ton|short tons|ton (US)"},
    // Length, and the lengths of Astronomical
    {L"mm", L"millimetre|millimeter|millimetres|millimeters"},
    {L"cm", L"centimetre|centimeter|centimetres|centimeters"},
    {L"m", L"metre|meter|metres|meters"},
    {L"km", L"kilometre|kilometer|kilometres|kilometers"},
    {L"mi", L"mile|miles"},
    {L"yd", L"yard|yards|yds"},
    {L"ft", L"foot|feet"},
    {L"in", L"inch|inches"},
    // Volume
    {L"l", L"L|litre|liter|litres|liters"},
    {L"ml", L"mL|millilitre|milliliter|millilitres|milliliters"},
    {L"cu m", L"m\u00B3|cubic metre|cubic meter|cubic metres|cubic meters"},
    {L"cu cm", L"cm\u00B3|cc|cubic centimetre|cubic centimeter|cubic centimetres|cubic centimeters"},
    {L"gal", L"gallon|gallons|US gal|US gallon|US gallons|gal (US)"},
    {L"gal (Dry)", L"dry gallon|dry gallons"},
    {L"qt", L"quart|quarts|US qt|US quart|US quarts|qt (US)"},
    {L"qt (Dry)", L"dry quart|dry quarts"},
    {L"cu in", L"in\u00B3|cubic inch|cubic inches"},
    {L"fl oz", L"floz|fluid ounce|fluid ounces|US fl oz|fl oz (US)"},
    {L"cup", L"cups"},
    {L"table spoon", L"tbsp|tablespoon|tablespoons"},
    {L"tea spoon", L"tsp|teaspoon|teaspoons"},
    {L"gal (UK)", L"UK gal|UK gallon|UK gallons|imperial gallon|imperial gallons"},
    {L"qt (UK)", L"UK qt|UK quart|UK quarts|imperial quart|imperial quarts"},
    {L"pt (UK)", L"UK pt|UK pint|UK pints|imperial pint|imperial pints"},
    {L"fl oz (UK)", L"UK fl oz|imperial fluid ounce|imperial fluid ounces"},
    {L"bushels (US)", L"bushel|bushels|bu|US bushel|US bushels"},
    {L"bushels (UK)", L"UK bushel|UK bushels|imperial bushel|imperial bushels"},
    {L"barrels (oil)", L"barrel|barrels|bbl"},
    // Area
    {L"cm\u00B2", L"sq cm|square centimetre|square centimeter|square centimetres|square centimeters"},
    {L"m\u00B2", L"sq m|square metre|square meter|square metres|square meters"},
    {L"km\u00B2", L"sq km|square kilometre|square kilometer|square kilometres|square kilometers"},
    {L"hectares", L"ha|hectare"},
    {L"in\u00B2", L"sq in|square inch|square inches"},
    {L"ft\u00B2", L"sq ft|square foot|square feet"},
    {L"mi\u00B2", L"sq mi|square mile|square miles"},
    {L"acres", L"acre|ac"},
    // Computer: the lists' multiples are of 1024
    {L"Bits", L"bit"},
    {L"Bytes", L"byte|B"},
    {L"Kilobytes (KB)", L"KB|KiB|kilobyte"},
    {L"Megabytes (MB)", L"MB|MiB|megabyte"},
    {L"Gigabytes (GB)", L"GB|GiB|gigabyte"},
    {L"Terabytes", L"TB|TiB|terabyte"},
    {L"Petabytes", L"PB|PiB|petabyte"},
    // Speed ("mps" is the list's miles per second)
    {L"m/s", L"metres per second|meters per second"},
    {L"cm/s", L"centimetres per second|centimeters per second"},
    {L"km/s", L"kilometres per second|kilometers per second"},
    {L"km/h", L"kph|kmh|kmph|km/hr|kilometres per hour|kilometers per hour"},
    {L"ft/s", L"fps|feet per second"},
    {L"mps", L"mi/s|miles per second"},
    {L"mph", L"mi/h|miles per hour"},
    {L"knot", L"knots|kn|kt|kts"},
    {L"speed of light", L"light speed"},
    // Power
    {L"kW", L"kilowatt|kilowatts"},
    {L"W", L"watt|watts"},
    {L"MW", L"megawatt|megawatts"},
    {L"GW", L"gigawatt|gigawatts"},
    {L"hp", L"electric horsepower"},
    {L"BTU/h", L"BTU/hr|BTUH"},
    {L"joules/h", L"J/h"},
    {L"hp (mech)", L"mechanical horsepower"},
    {L"ft lb-f/h", L"ft lbf/h"},
    {L"ft lb-f/m", L"ft lbf/min"},
    {L"ft lb-f/s", L"ft lbf/s"},
    {L"km-f m/h", L"kgf m/h"},
    {L"km-f m/m", L"kgf m/min"},
    {L"km-f m/s", L"kgf m/s"},
    {L"pferdestarke", L"PS|Pferdest\u00E4rke|metric horsepower"},
    // Torque
    {L"Nm", L"N m|N\u00B7m|newton metre|newton meter|newton metres|newton meters"},
    {L"kg-m", L"kgf m|kgf\u00B7m"},
    {L"g-cm", L"gf cm|gf\u00B7cm"},
    {L"lb-ft", L"lbf ft|lbf\u00B7ft|ft lb|foot pound|foot pounds|pound foot|pound feet"},
    {L"lb-in", L"lbf in|lbf\u00B7in|in lb|inch pound|inch pounds"},
    // Force
    {L"N", L"newton|newtons"},
    {L"kN", L"kilonewton|kilonewtons"},
    {L"MN", L"meganewton|meganewtons"},
    {L"kgf", L"kilogram-force|kilograms-force|kp|kilopond|kiloponds"},
    {L"lbf", L"pound-force|pounds-force"},
    {L"dynes", L"dyne|dyn"},
    // Pressure
    {L"Pa", L"pascal|pascals"},
    {L"kPa", L"kilopascal|kilopascals"},
    {L"PSI (lb-f/in\u00B2)", L"psi|lbf/in\u00B2|lb/in\u00B2"},
    {L"atm", L"atmosphere|atmospheres"},
    {L"bar", L"bars"},
    {L"in Hg (32F)", L"inHg|in Hg|inches of mercury"},
    {L"cm Hg (0C)", L"cmHg|cm Hg"},
    {L"MPa", L"megapascal|megapascals"},
    {L"GPa", L"gigapascal|gigapascals"},
    {L"kip/in\u00B2", L"ksi"},
    {L"kip/ft\u00B2", L"ksf"},
    {L"microbar", L"\u00B5bar|ubar|microbars"},
    {L"millibar", L"mbar|hPa|millibars"},
    {L"mm Hg", L"mmHg"},
    {L"in of water (39.2F)", L"inH2O|in H2O|inches of water"},
    {L"kg-f/m\u00B2", L"kgf/m\u00B2"},
    // Energy
    {L"J", L"joule|joules"},
    {L"kJ", L"kilojoule|kilojoules"},
    {L"MJ", L"megajoule|megajoules"},
    {L"kWh", L"kW h|kW\u00B7h|kilowatt hour|kilowatt hours|kilowatt-hour|kilowatt-hours"},
    {L"cal (IT)", L"cal|calorie|calories"},
    {L"cal (food)", L"kcal|kilocalorie|kilocalories|food calorie|food calories"},
    {L"eV", L"electronvolt|electronvolts|electron volt|electron volts"},
    {L"therms", L"therm|thm"},
    // Astronomical
    {L"Astronomical unit (A.U.)", L"AU|A.U.|astronomical unit|astronomical units"},
    {L"light-year", L"ly|light-years|light year|light years|lightyear|lightyears"},
    {L"parsec", L"pc|parsecs"},
    // Frequency
    {L"mHz", L"millihertz"},
    {L"Hz", L"hertz"},
    {L"khz", L"kHz|kilohertz"},
    {L"MHz", L"megahertz"},
    {L"GHz", L"gigahertz"},
    {L"\u00B0/h", L"deg/h|degrees per hour"},
    {L"\u00B0/m", L"\u00B0/min|deg/min|degrees per minute"},
    {L"\u00B0/s", L"deg/s|degrees per second"},
    {L"rad/h", L"radians per hour"},
    {L"rad/m", L"rad/min|radians per minute"},
    {L"rad/s", L"radians per second"},
    {L"revolution/h", L"rph|rev/h|revolutions per hour"},
    {L"revolution/m", L"rpm|rev/min|revolutions per minute"},
    {L"revolution/s", L"rps|rev/s|revolutions per second"},
    {L"fresnel", L"fresnels"},
};

using Index = std::unordered_map<std::wstring, std::vector<UnitPlace>>;

void Add(Index& index, std::wstring name, UnitPlace place) {
    std::vector<UnitPlace>& places = index[std::move(name)];
    if (std::find(places.begin(), places.end(), place) == places.end()) places.push_back(place);
}

// Every name of every unit, exactly and by key; made once, on the first lookup.
struct Indexes {
    Index exact, keyed;
    Indexes() {
        for (int id = 0; id < kCategoryCount; ++id) {
            const UnitTable& table = UnitTableFor(id);
            for (int i = 0; i < table.count; ++i) {
                const UnitPlace place{id, i};
                const std::wstring_view listName = table.names[i];
                std::vector<std::wstring_view> names = {listName};
                for (const TypedUnitNames& typed : kTypedNames) {
                    if (typed.listName != listName) continue;
                    for (std::wstring_view rest = typed.names; !rest.empty();) {
                        const size_t bar = rest.find(L'|');
                        names.push_back(rest.substr(0, bar));
                        rest = bar == std::wstring_view::npos ? std::wstring_view() : rest.substr(bar + 1);
                    }
                }
                for (std::wstring_view name : names) {
                    Add(exact, std::wstring(name), place);
                    Add(keyed, UnitNameKey(name), place);
                }
            }
        }
    }
};

}  // namespace

std::span<const TypedUnitNames> TypedNamesOfUnits() { return kTypedNames; }

std::wstring UnitNameKey(std::wstring_view name) {
    std::wstring key;
    for (size_t i = 0; i < name.size(); ++i) {
        wchar_t c = name[i];
        if (c == L'^' && i + 1 < name.size() && (name[i + 1] == L'2' || name[i + 1] == L'3')) continue;
        if (c == L' ' || c == L'\t') {
            if (!key.empty() && key.back() != L' ') key += L' ';
            continue;
        }
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c == L'\u00B2') c = L'2';
        if (c == L'\u00B3') c = L'3';
        if (c == L'\u03BC') c = L'\u00B5';  // Greek mu, the micro sign
        if (c == L'\u00BA') c = L'\u00B0';  // the ordinal indicator typed for a degree
        key += c;
    }
    if (!key.empty() && key.back() == L' ') key.pop_back();
    return key;
}

std::vector<UnitPlace> FindUnitsNamed(std::wstring_view name, int onlyCategory) {
    static const Indexes indexes;
    for (const auto& [index, lookup] : {std::pair{&indexes.exact, std::wstring(name)}, {&indexes.keyed, UnitNameKey(name)}}) {
        const auto found = index->find(lookup);
        if (found == index->end()) continue;
        std::vector<UnitPlace> places;
        std::copy_if(found->second.begin(), found->second.end(), std::back_inserter(places),
                     [&](const UnitPlace& p) { return onlyCategory < 0 || p.category == onlyCategory; });
        if (!places.empty()) return places;
    }
    return {};
}

}  // namespace tv
