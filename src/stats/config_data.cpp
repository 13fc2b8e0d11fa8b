#include "stats/config_data.h"

#include <algorithm>
#include <fmt/format.h>

#include "support/ini_document.h"
#include "support/text.h"

namespace belvane::stats {
namespace {

constexpr std::string_view kGlobal = "GLOBAL";
constexpr std::string_view kStakes = "STAKES";
constexpr std::string_view kCdl = "CDL";
constexpr std::string_view kShredding = "SHREDDING";
constexpr int kDefaultMaxStake = 6;

Money readMoney(const IniDocument& ini, std::string_view section, std::string_view key)
{
    return ParseMoney(ini.readString(section, key, "0")).value_or(0);
}

long double readExtended(const IniDocument& ini, std::string_view section, std::string_view key, long double def)
{
    const auto v = text::parseDouble(ini.readString(section, key));
    return v ? static_cast<long double>(*v) : def;
}

std::string extendedText(long double v)
{
    return fmt::format("{:.15g}", static_cast<double>(v));
}

// A flag stored as an integer: on when above 0.
bool readFlag(const IniDocument& ini, std::string_view section, std::string_view key)
{
    return ini.readInteger(section, key, 0) > 0;
}

} // namespace

void LoadConfig(const IniDocument& ini, TConfigData& c)
{
    c.MatrixCols =
        std::clamp(ini.readInteger(kGlobal, "MatrixCols", model::DefaultMatrixCols), MinMatrixCols, MaxMatrixCols);
    c.ChannelSize =
        std::clamp(ini.readInteger(kGlobal, "ChannelSize", model::DefaultChannelSize), MinChannelSize, MaxChannelSize);
    c.MatrixSegments = model::ParseMatrixSegments(ini.readString(kGlobal, "MatrixSegments"));

    c.Cost = readMoney(ini, kStakes, "Cost");
    c.MaxStake = ini.readInteger(kStakes, "MaxStake", kDefaultMaxStake);
    const int profits = std::clamp(ini.readInteger(kStakes, "Profits", 0), 0, 256);
    c.Profits.clear();
    for (int i = 0; i < profits; ++i) {
        Prize p;
        p.Overlap =
            static_cast<uint8_t>(std::clamp(ini.readInteger(kStakes, fmt::format("Profit_{}_Overlap", i), 0), 0, 255));
        p.Profit = readMoney(ini, kStakes, fmt::format("Profit_{}_Profit", i));
        c.Profits.push_back(p);
    }

    c.Weights.Count = readExtended(ini, kCdl, "Count", 0);
    c.Weights.Deviation = readExtended(ini, kCdl, "Deviation", -1);
    c.Weights.Level = readExtended(ini, kCdl, "Level", 1);
    c.Weights.UsePercents = readFlag(ini, kCdl, "UsePercents");
    c.Weights.UseAbsValues = readFlag(ini, kCdl, "UseAbsValues");
}

void SaveConfig(IniDocument& ini, const TConfigData& c)
{
    ini.writeInteger(kGlobal, "MatrixCols", c.MatrixCols);
    ini.writeString(kGlobal, "MatrixSegments", model::MatrixSegmentsText(c.MatrixSegments));
    ini.writeInteger(kGlobal, "ChannelSize", c.ChannelSize);

    ini.writeString(kStakes, "Cost", MoneyToText(c.Cost));
    // The game has no extended stakes: a file without the key keeps its
    // section as it was while the value is the default it reads as.
    if (c.MaxStake != kDefaultMaxStake || ini.valueExists(kStakes, "MaxStake"))
        ini.writeInteger(kStakes, "MaxStake", c.MaxStake);
    ini.writeInteger(kStakes, "Profits", static_cast<long long>(c.Profits.size()));
    for (size_t i = 0; i < c.Profits.size(); ++i) {
        ini.writeInteger(kStakes, fmt::format("Profit_{}_Overlap", i), c.Profits[i].Overlap);
        ini.writeString(kStakes, fmt::format("Profit_{}_Profit", i), MoneyToText(c.Profits[i].Profit));
    }

    ini.writeString(kCdl, "Count", extendedText(c.Weights.Count));
    ini.writeString(kCdl, "Deviation", extendedText(c.Weights.Deviation));
    ini.writeString(kCdl, "Level", extendedText(c.Weights.Level));
    ini.writeInteger(kCdl, "UsePercents", c.Weights.UsePercents ? 1 : 0);
    ini.writeInteger(kCdl, "UseAbsValues", c.Weights.UseAbsValues ? 1 : 0);
}

void LoadGenerateSettings(const IniDocument& ini, TConfigData& c)
{
    c.CombsGenerateMode = ini.readInteger(kGlobal, "CombsGenerateMode", 0);
    c.CombsGenerateParameters = ini.readString(kGlobal, "CombsGenerateParameters");
    if (c.CombsGenerateParameters.size() > MaxGenerateParametersLength)
        c.CombsGenerateParameters.resize(MaxGenerateParametersLength);
}

void SaveGenerateSettings(IniDocument& ini, const TConfigData& c)
{
    ini.writeInteger(kGlobal, "CombsGenerateMode", c.CombsGenerateMode);
    ini.writeString(kGlobal, "CombsGenerateParameters", c.CombsGenerateParameters);
}

void LoadShredding(const IniDocument& ini, TConfigData& c)
{
    for (size_t i = 0; i < c.Formulas.size(); ++i) {
        c.Formulas[i] = ini.readString(kShredding, fmt::format("Formula{}", i + 1), DefaultFormulas[i]);
        c.FormulaDigits[i] = std::clamp(ini.readInteger(kShredding, fmt::format("Formula{}Digits", i + 1), 2),
                                        MinFormulaDigits, MaxFormulaDigits);
    }
}

void SaveShredding(IniDocument& ini, const TConfigData& c)
{
    for (size_t i = 0; i < c.Formulas.size(); ++i) {
        ini.writeString(kShredding, fmt::format("Formula{}", i + 1), c.Formulas[i]);
        ini.writeInteger(kShredding, fmt::format("Formula{}Digits", i + 1), c.FormulaDigits[i]);
    }
}

Money SystemStakeCost(const TConfigData& c, int k, int m)
{
    Money cost = -model::Binomial(k, model::BallCount) * c.Cost;
    if (m >= 0) {
        auto it = std::find_if(c.Profits.begin(), c.Profits.end(), [&](const Prize& p) { return p.Overlap == m; });
        if (it != c.Profits.end())
            cost += it->Profit;
    }
    return cost;
}

} // namespace belvane::stats
