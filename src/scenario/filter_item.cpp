#include "scenario/filter_item.h"

#include <fmt/format.h>

#include "scenario/script_codes.h"
#include "stats/stat_list.h"
#include "support/text.h"

namespace belvane::scenario {
namespace {

// The n-th (0-based) ":"-word of a text, trimmed; empty when missing.
std::string_view colonWord(std::string_view text, size_t n)
{
    const auto words = text::split(text, ":", true);
    return n < words.size() ? text::trim(words[n]) : std::string_view{};
}

// A coefficient as written: anything but digits, "-" and "." is passed over;
// 0 when what is left is not a number.
long double readCoefficient(std::string_view text)
{
    std::string kept;
    for (char c : text)
        if ((c >= '0' && c <= '9') || c == '-' || c == '.')
            kept += c;
    return static_cast<long double>(text::parseDouble(kept).value_or(0));
}

// Coefficients are written with "." whatever the locale.
std::string coefficientText(long double v)
{
    return fmt::format("{:.15g}", static_cast<double>(v));
}

std::string flagLetters(bool bottomUp, bool multiSelect, bool keep)
{
    return {bottomUp ? 'B' : 'T', multiSelect ? 'M' : 'S', keep ? 'F' : 'D'};
}

std::string methodId(const stats::TStatList& list, int method)
{
    return method >= 0 && method < list.MethodCount() ? list.Item(method).ID() : std::string{};
}

// "#" condition, "#" stop rule and, with an override, "#" the five coefficients.
void appendTail(std::string& out, uint8_t condition, std::string_view conditionText, uint8_t stopMode,
                int32_t stopValue, bool coefOverride, const stats::WeightCoefficients& w)
{
    out += '#';
    out += CodeTableText(Conditions, condition, CodeForm::Code);
    out += ':';
    out += conditionText;
    out += '#';
    out += CodeTableText(StopModes, stopMode, CodeForm::Code);
    out += ':' + std::to_string(stopValue);
    if (coefOverride) {
        out += '#' + coefficientText(w.Count) + ':' + coefficientText(w.Deviation) + ':' + coefficientText(w.Level) +
               ':' + (w.UsePercents ? '1' : '0') + ':' + (w.UseAbsValues ? '1' : '0');
    }
}

} // namespace

int FindFilterMethod(const stats::TStatList& list, std::string_view methodWord)
{
    // An exact match first: with 12 channels "CHN12" must not read as "CHN1".
    const int exact = list.FindMethod(colonWord(methodWord, 0));
    if (exact >= 0)
        return exact;
    for (int i = 0; i < list.MethodCount(); ++i)
        if (text::startsWithIgnoreCase(methodWord, list.Item(i).ID()))
            return i;
    return -1;
}

TFilterItem ParseFilterItem(const stats::TStatList& list, std::string_view text)
{
    TFilterItem item;
    text = text::trim(text);
    if (text.empty())
        return item;
    item.Active = true;

    const auto words = text::split(text, "#", true);
    auto word = [&](size_t n) { return n < words.size() ? text::trim(words[n]) : std::string_view{}; };

    const std::string_view flags = word(0);
    item.BottomUp = flags.find('B') != std::string_view::npos;
    item.MultiSelect = flags.find('M') != std::string_view::npos;
    item.Keep = flags.find('F') != std::string_view::npos;
    item.SortColumn = flags.size() < 4 ? 1 : text::toIntDef(flags.substr(3), 1);

    item.MethodText = std::string(word(1));
    item.Method = FindFilterMethod(list, item.MethodText);
    if (item.Method >= 0)
        item.DrawsText = std::string(colonWord(item.MethodText, 1));

    const std::string_view condition = word(2);
    if (const int c = FindCodePrefix(Conditions, condition); c >= 0) {
        item.Condition = static_cast<uint8_t>(c);
        item.ConditionText = std::string(colonWord(condition, 1));
    }

    if (words.size() > 3) {
        const std::string_view stop = word(3);
        if (const int s = FindCodePrefix(StopModes, stop); s >= 0) {
            item.StopMode = static_cast<uint8_t>(s);
            item.StopValue = text::toIntDef(colonWord(stop, 1), 1);
        }
    }

    if (const std::string_view coefficients = word(4); !coefficients.empty()) {
        item.CoefOverride = true;
        item.Weights.Count = readCoefficient(colonWord(coefficients, 0));
        item.Weights.Deviation = readCoefficient(colonWord(coefficients, 1));
        item.Weights.Level = readCoefficient(colonWord(coefficients, 2));
        item.Weights.UsePercents = colonWord(coefficients, 3) == "1";
        item.Weights.UseAbsValues = colonWord(coefficients, 4) == "1";
    }
    return item;
}

std::string FilterItemText(const stats::TStatList& list, const TFilterItem& item)
{
    if (!item.Active)
        return {};
    std::string out = flagLetters(item.BottomUp, item.MultiSelect, item.Keep) + std::to_string(item.SortColumn);
    out += '#';
    const std::string id = methodId(list, item.Method);
    out += id.empty() ? item.MethodText : id + ':' + item.DrawsText;
    appendTail(out, item.Condition, item.ConditionText, item.StopMode, item.StopValue, item.CoefOverride, item.Weights);
    return out;
}

std::string FilterPartText(const stats::TStatList& list, const TFilterPart& part)
{
    if (!part.Active)
        return {};
    std::string out = flagLetters(part.BottomUp, part.MultiSelect, part.Keep);
    out += '#' + methodId(list, part.Method) + ':' + std::to_string(part.DrawCount);
    appendTail(out, part.Condition, part.ConditionText, part.StopMode, part.StopValue, part.CoefOverride, part.Weights);
    return out;
}

std::string FilterRecText(const stats::TStatList& list, const TFilterRec& rec)
{
    std::string out;
    for (const TFilterPart& part : rec) {
        if (!part.Active)
            continue;
        if (!out.empty())
            out += " + ";
        out += FilterPartText(list, part);
    }
    return out;
}

TFilterItem NewFilterItem(int method, std::string drawsText, const stats::WeightCoefficients& globalWeights)
{
    TFilterItem item;
    item.Active = true;
    item.Method = method;
    item.DrawsText = std::move(drawsText);
    item.SortColumn = DefaultSortColumn;
    item.StopMode = StopNever;
    item.StopValue = 1;
    item.Weights = globalWeights;
    return item;
}

combs::FilterStepInput FilterStepInputOf(const stats::TStatList& list, const TFilterItem& item)
{
    combs::FilterStepInput input;
    input.DrawsLen = item.DrawsText;
    input.LevelMode = item.Condition;
    input.LevelValue = item.ConditionText;
    input.ValueFromText = item.Method >= 0 && item.Method < list.MethodCount() ? list.ValueFromText(item.Method) : true;
    input.MultiSelect = item.MultiSelect;
    input.StopMode = item.StopMode;
    return input;
}

} // namespace belvane::scenario
