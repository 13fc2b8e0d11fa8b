#pragma once

// What a statistic method is before any instance exists: its identity, group,
// flags, parameter range and how to create it. One constant descriptor per
// method class stands in for the class reference the registry walks.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace belvane::stats {

class TCustomStat;
class TCustomGraphStat;
struct MethodContext;
struct TConfigData;

// Flag bits and their letters.
enum : uint8_t {
    FlagS = 1,  // the value depends on the order of the six numbers
    FlagN = 2,  // computable from a combination alone: takes part in the full-set counts
    FlagD = 4,  // depends on the reference draw
    FlagP = 8,  // a period method
    FlagG = 16, // has a graph (never declared: every graph method has it)
};
inline constexpr std::string_view FlagLetters = "SNDPG";

// Groups 0..12.
enum StatGroup : uint8_t {
    GroupNumbers,
    GroupSums,
    GroupDifferences,
    GroupChannels,
    GroupMatrix,
    GroupSegments,
    GroupSequences,
    GroupRepeats,
    GroupSeries,
    GroupPeriods,
    GroupChains,
    GroupOgnev,
    GroupShredding,
    GroupCount
};
std::string_view GroupTag(int group);  // "num"; "" outside 0..12
std::string_view GroupName(int group); // "Числа тиража"; "" outside 0..12

struct ParamRange {
    int Min = 0;
    int Max = 0;
};

struct MethodClass {
    using Factory = std::unique_ptr<TCustomStat> (*)(const MethodClass&, const MethodContext&, int param);
    using RangeOf = ParamRange (*)(const TConfigData&);
    using CaptionOf = std::string (*)(int param);

    std::string_view id;      // "NUMS", "POS%d": four capitals or digits, "%d" for the parameter
    std::string_view caption; // "%0:d" or "%d" for the parameter
    std::string_view helpId;  // empty: the same as id
    uint8_t group = 0;
    uint8_t flags = 0;              // the declared S, N, D, P
    bool available = true;          // a class answering false is never registered
    bool inDrawsStat = true;        // may appear in the statistics table's list
    bool valueFromText = true;      // values can be typed in
    RangeOf paramRange = nullptr;   // set for methods with a parameter
    CaptionOf captionFor = nullptr; // set where the caption takes other arguments than the parameter
    Factory create = nullptr;
    bool graph = false; // a TCustomGraphStat descendant (set by MakeStatClass)

    std::string_view GetID() const { return id; }
    std::string_view GetCaption() const { return caption; }
    std::string_view GetHelpID() const { return helpId.empty() ? id : helpId; }
    uint8_t GetGroup() const { return group; }
    uint8_t GetFlags() const { return flags; }
    uint8_t Flags() const { return static_cast<uint8_t>(flags | (graph ? FlagG : 0)); }
    std::string IDFor(int param) const;
    std::string CaptionFor(int param) const;
    // "ms-its:<file>::/Filters_1049_<help id>.htm", or empty when there is no help file.
    std::string HelpURL(int param, const std::filesystem::path& helpFile) const;
    bool Available() const { return available; }
    bool InDrawsStat() const { return inDrawsStat; }
    bool HasGraph() const { return graph; }
    bool CanPrefetch() const { return (flags & FlagN) != 0; }
    bool ValueFromText() const { return valueFromText; }
    bool HasParam() const { return paramRange != nullptr; }
    ParamRange GetParamRange(const TConfigData& config) const { return paramRange ? paramRange(config) : ParamRange{}; }
};

template <class T>
std::unique_ptr<TCustomStat> CreateStatOf(const MethodClass& c, const MethodContext& context, int param)
{
    return std::make_unique<T>(c, context, param);
}

// Completes a descriptor for class T: its factory and whether it has a graph.
template <class T>
constexpr MethodClass MakeStatClass(MethodClass info)
{
    info.create = &CreateStatOf<T>;
    info.graph = std::is_base_of_v<TCustomGraphStat, T>;
    return info;
}

// The text of a flag set: the letters of the bits set, "SNDPG" order.
std::string FlagsText(uint8_t flags);

} // namespace belvane::stats
