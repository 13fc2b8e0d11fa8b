#pragma once

// The game configuration the statistics registry holds: the number layouts,
// the money side of stakes, the weight coefficients of the statistics table,
// the combination generator settings and the shredding formulas. Each group
// is read from and written to the configuration file at its own moment.

#include <array>
#include <string>
#include <vector>

#include "model/layout.h"
#include "support/money.h"

namespace belvane {
class IniDocument;
}

namespace belvane::stats {

struct Prize {
    uint8_t Overlap = 0; // matched numbers
    Money Profit = 0;    // prize for that match
};

// The coefficients of the statistics table's "Вес" column.
struct WeightCoefficients {
    long double Count = 0;
    long double Deviation = -1;
    long double Level = 1;
    bool UsePercents = false;
    bool UseAbsValues = false;

    friend bool operator==(const WeightCoefficients&, const WeightCoefficients&) = default;
};

inline constexpr int MinMatrixCols = 1;
inline constexpr int MaxMatrixCols = 45;
inline constexpr int MinChannelSize = 3;
inline constexpr int MaxChannelSize = 45;
inline constexpr int MinFormulaDigits = 1;
inline constexpr int MaxFormulaDigits = 4; // 10^4 - 1 is the largest value a key part holds
inline constexpr size_t MaxGenerateParametersLength = 255;

inline constexpr std::array<std::string_view, 3> DefaultFormulas = {"(n1+n2+n3)/(n4+n5+n6)", "(n4+n5+n6)/(n1+n2+n3)",
                                                                    "(n1+n3+n5)/(n2+n4+n6)"};

struct TConfigData {
    // Layout (section GLOBAL).
    int MatrixCols = model::DefaultMatrixCols;
    int ChannelSize = model::DefaultChannelSize;
    model::SegmentMap MatrixSegments = model::DefaultSegments;
    // Stakes (section STAKES).
    Money Cost = 0;
    int MaxStake = 6;
    std::vector<Prize> Profits;
    // Weights (section CDL) and the copy SaveWeights keeps.
    WeightCoefficients Weights;
    WeightCoefficients SavedWeights;
    // Combination generator (section GLOBAL).
    int CombsGenerateMode = 0;
    std::string CombsGenerateParameters;
    // Shredding formulas (section SHREDDING).
    std::array<std::string, 3> Formulas = {std::string(DefaultFormulas[0]), std::string(DefaultFormulas[1]),
                                           std::string(DefaultFormulas[2])};
    std::array<int, 3> FormulaDigits = {2, 2, 2};

    int MatrixRows() const { return model::CeilDiv(model::MaxNumber, MatrixCols); }

    // Weight coefficients: keep a copy, take it back, or take a scenario
    // step's own coefficients when it overrides them.
    void SaveWeights() { SavedWeights = Weights; }
    void RestoreWeights() { Weights = SavedWeights; }
    void ApplyWeights(bool override, const WeightCoefficients& weights)
    {
        if (override)
            Weights = weights;
        else
            RestoreWeights();
    }
    int ChannelCount() const { return model::CeilDiv(model::MaxNumber, ChannelSize); }
};

// The layout, stakes and weights groups. Values a hand-edited file holds
// outside what the configuration dialog allows are brought into range:
// MatrixCols to 1..45, ChannelSize to 3..45.
void LoadConfig(const IniDocument& ini, TConfigData& config);
void SaveConfig(IniDocument& ini, const TConfigData& config);

void LoadGenerateSettings(const IniDocument& ini, TConfigData& config);
void SaveGenerateSettings(IniDocument& ini, const TConfigData& config);

// Digit counts outside 1..4 are brought into that range.
void LoadShredding(const IniDocument& ini, TConfigData& config);
void SaveShredding(IniDocument& ini, const TConfigData& config);

// Cost of a stake of k numbers that matched m of the draw: minus the cost of
// its Binomial(k, 6) combinations, plus the prize for m matches when m >= 0
// and the profit table has it.
Money SystemStakeCost(const TConfigData& config, int k, int m);

} // namespace belvane::stats
