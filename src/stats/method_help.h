#pragma once

// What a user reads about a statistic method: per method class, in the
// program's own words, what it computes, the values and their texts, what the
// parameter changes and what keeping or removing a row does to a list. Each
// family keeps its table in a source file of its own (<family>_help.cpp), so
// a new method is described in one place; the texts are base-language texts
// translated where they are handed out.

#include <span>
#include <string_view>

#include "stats/stat_class.h"

namespace belvane::stats {

struct MethodHelp {
    std::string_view Id;         // the class's ID template, as registered ("KNP2%d")
    const char* Computes;        // what a draw and a combination give
    const char* Values;          // the values, with their texts in quotes «...»
    const char* Param = nullptr; // what the parameter changes; nullptr for a class without one
    const char* Keep = nullptr;  // what keeping or removing a row does to a list
};

// The families' tables.
std::span<const MethodHelp> NumbersHelp();
std::span<const MethodHelp> SumsHelp();
std::span<const MethodHelp> DifferencesHelp();
std::span<const MethodHelp> ChannelsHelp();
std::span<const MethodHelp> MatrixHelp();
std::span<const MethodHelp> SegmentsHelp();
std::span<const MethodHelp> SequencesHelp();
std::span<const MethodHelp> RepeatsHelp();
std::span<const MethodHelp> SerialHelp();
std::span<const MethodHelp> PeriodsHelp();
std::span<const MethodHelp> ShreddingHelp();
std::span<const MethodHelp> CombValuesHelp();
std::span<const MethodHelp> OgnevHelp();
std::span<const MethodHelp> ChainsHelp();

// The description of a class; nullptr when its family has none for it yet.
const MethodHelp* FindMethodHelp(const MethodClass& c);

} // namespace belvane::stats
