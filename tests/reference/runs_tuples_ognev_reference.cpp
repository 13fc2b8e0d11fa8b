#include "reference/runs_tuples_ognev_reference.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>

namespace belvane::seqref {
namespace {

Key keyOf(const std::vector<int>& parts)
{
    Key k{};
    for (size_t i = 0; i < parts.size() && i < 4; ++i)
        k[i] = static_cast<int16_t>(parts[i]);
    return k;
}

// The runs of numbers rising by exactly one, as lists, in position order.
std::vector<std::vector<int>> runsOf(const Six& n)
{
    std::vector<std::vector<int>> runs{{n[0]}};
    for (size_t i = 1; i < 6; ++i) {
        if (n[i] == runs.back().back() + 1)
            runs.back().push_back(n[i]);
        else
            runs.push_back({n[i]});
    }
    return runs;
}

// KNM3, KNS2, KNP32: the rule letter, k and, for KNP, the first position.
struct TupleId {
    char rule = 0; // 'M', 'S' or 'P'
    int k = 0;
    int first = 0;
};

TupleId tupleOf(const std::string& id)
{
    if (id.size() < 4 || id.compare(0, 2, "KN") != 0)
        return {};
    TupleId t;
    t.rule = id[2];
    t.k = id[3] - '0';
    if (t.rule == 'P')
        t.first = id[4] - '0';
    return t;
}

std::vector<std::vector<int>> makePositionSets(const TupleId& t)
{
    std::vector<std::vector<int>> sets;
    if (t.rule == 'M') {
        // Every k-subset of the positions, in lexicographic order of its list.
        for (int mask = 0; mask < 64; ++mask) {
            std::vector<int> s;
            for (int i = 0; i < 6; ++i)
                if (mask & (1 << i))
                    s.push_back(i);
            if (static_cast<int>(s.size()) == t.k)
                sets.push_back(s);
        }
        std::sort(sets.begin(), sets.end());
    } else {
        const int from = t.rule == 'S' ? 0 : t.first - 1;
        const int to = t.rule == 'S' ? 6 - t.k : t.first - 1;
        for (int i = from; i <= to; ++i) {
            std::vector<int> s;
            for (int j = 0; j < t.k; ++j)
                s.push_back(i + j);
            sets.push_back(s);
        }
    }
    return sets;
}

// The position sets of a method, worked out once: the full set asks for them millions of times.
const std::vector<std::vector<int>>& positionSets(const std::string& id, const TupleId& t)
{
    static std::map<std::string, std::vector<std::vector<int>>> known;
    auto it = known.find(id);
    if (it == known.end())
        it = known.emplace(id, makePositionSets(t)).first;
    return it->second;
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts{""};
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// The key a value text stands for.
Key keyOfText(const std::string& id, const std::string& text)
{
    if (id == "HCO3") {
        const size_t blank = text.find(' ');
        if (blank == std::string::npos)
            return keyOf({std::stoi(text)});
        return keyOf({std::stoi(text.substr(0, blank)), std::stoi(text.substr(blank + 2)), 0, 2});
    }
    std::vector<int> parts;
    for (const std::string& p : split(text, ':'))
        parts.push_back(std::stoi(p));
    return keyOf(parts);
}

} // namespace

const std::vector<std::string>& methodIds()
{
    static const std::vector<std::string> ids{"SEQL",  "SEQS",  "LENS",  "KNM2",  "KNM3",  "KNM4",  "KNS2",  "KNS3",
                                              "KNS4",  "KNP21", "KNP22", "KNP23", "KNP24", "KNP25", "KNP31", "KNP32",
                                              "KNP33", "KNP34", "KNP41", "KNP42", "KNP43", "HCO1",  "HCO2",  "HCO3"};
    return ids;
}

int classPosition(const std::string& id)
{
    if (id == "SEQL")
        return 39;
    if (id == "SEQS")
        return 40;
    if (id == "LENS")
        return 41;
    if (id.compare(0, 3, "HCO") == 0)
        return 138 + (id[3] - '0');
    const TupleId t = tupleOf(id);
    if (t.rule == 'M')
        return 60 + t.k;
    if (t.rule == 'S')
        return 63 + t.k;
    return 66 + t.k;
}

bool hasFullSet(const std::string& id)
{
    return id == "SEQL" || id == "SEQS" || id == "LENS" || id == "HCO1" || id == "HCO2";
}

std::vector<int> ognevNumber(const Six& numbers, int mode)
{
    std::vector<int> b(numbers.begin(), numbers.end());
    while (b.size() > 2) {
        std::vector<int> next;
        for (size_t i = 0; i + 1 < b.size(); ++i)
            next.push_back(std::abs(b[i + 1] - b[i]));
        b = next;
    }
    const int x = b[0], y = b[1];
    int d = std::abs(y - x);
    if (mode == 1 && d < 2)
        return {x + y};
    if (mode == 2) {
        if (d == 0)
            d = x + y;
        if (d == 1)
            return {1, x + y};
    }
    return {d};
}

std::vector<Key> numbersValues(const std::string& id, const Six& n)
{
    std::vector<Key> out;
    if (id == "SEQL") {
        for (const auto& run : runsOf(n))
            out.push_back(keyOf({static_cast<int>(run.size())}));
    } else if (id == "SEQS") {
        int runs = 0;
        for (const auto& run : runsOf(n))
            runs += run.size() >= 2 ? 1 : 0;
        out.push_back(keyOf({runs}));
    } else if (id == "LENS") {
        size_t longest = 0;
        for (const auto& run : runsOf(n))
            longest = std::max(longest, run.size());
        out.push_back(keyOf({static_cast<int>(longest)}));
    } else if (id == "HCO1" || id == "HCO2") {
        out.push_back(keyOf({ognevNumber(n, id == "HCO1" ? 0 : 1).front()}));
    } else if (const TupleId t = tupleOf(id); t.k != 0) {
        for (const auto& positions : positionSets(id, t)) {
            std::vector<int> parts;
            for (int p : positions)
                parts.push_back(n[static_cast<size_t>(p)]);
            out.push_back(keyOf(parts));
        }
    } else {
        throw std::runtime_error("no numbers values for " + id);
    }
    return out;
}

std::vector<Key> seeds(const std::string& id)
{
    std::vector<Key> s;
    const int from = id == "SEQS" ? 0 : 1;
    const int to = id == "SEQS" ? 3 : 6;
    if (id == "SEQL" || id == "SEQS" || id == "LENS")
        for (int v = from; v <= to; ++v)
            s.push_back(keyOf({v}));
    return s;
}

std::string valueText(const std::string& id, const Key& key)
{
    if (const TupleId t = tupleOf(id); t.k != 0) {
        std::string text;
        for (int j = 0; j < t.k; ++j)
            text += (j ? ":" : "") + std::to_string(key[static_cast<size_t>(j)]);
        return text;
    }
    if (id == "HCO3" && key[3] == 2)
        return std::to_string(key[0]) + " (" + std::to_string(key[1]) + ")";
    return std::to_string(key[0]);
}

std::vector<Candidate> ognevCandidates(const Six& newest, const Six* next)
{
    auto hit = [&](int v) { return next != nullptr && std::find(next->begin(), next->end(), v) != next->end(); };
    const std::vector<int> number = ognevNumber(newest, 2);
    std::vector<Candidate> out;
    const int f = number.back();
    out.push_back({number.size() == 2 ? keyOf({f, 1, 0, 2}) : keyOf({f}), hit(f)});
    // The multiples of f from f³ (f² when that is above 44) down to 2f, within 1..45.
    const int top = f * f > 44 ? f * f : f * f * f;
    for (int m = top / std::max(f, 1); f > 0 && m >= 2; --m) {
        const int g = m * f;
        if (g >= 1 && g <= 45)
            out.push_back({keyOf({g}), hit(g)});
    }
    return out;
}

Distribution fullSetDistribution(const std::string& id)
{
    return reference::countOverFullSet([&](const Six& c) { return numbersValues(id, c); });
}

std::vector<int64_t> countMatching(const std::string& id, const std::vector<std::vector<std::string>>& selections)
{
    std::vector<std::set<Key>> wanted(selections.size());
    std::vector<std::set<int>> numbers(selections.size());
    for (size_t s = 0; s < selections.size(); ++s)
        for (const std::string& t : selections[s]) {
            wanted[s].insert(keyOfText(id, t));
            numbers[s].insert(keyOfText(id, t)[0]);
        }
    std::vector<int64_t> matching(selections.size(), 0);
    reference::forEachCombination([&](const Six& c) {
        const std::vector<Key> values = id == "HCO3" ? std::vector<Key>{} : numbersValues(id, c);
        for (size_t s = 0; s < selections.size(); ++s) {
            bool any = false;
            if (id == "HCO3") {
                for (int n : c)
                    any = any || numbers[s].count(n) != 0;
            } else {
                for (const Key& k : values)
                    any = any || wanted[s].count(k) != 0;
            }
            matching[s] += any ? 1 : 0;
        }
    });
    return matching;
}

std::vector<TableRow> statisticsTable(const std::string& id, const std::vector<Draw>& draws,
                                      const TableRequest& request, const Distribution* fullSet)
{
    const reference::Window window = reference::windowOf(static_cast<int>(draws.size()), request);
    reference::TableInput input;
    input.seeds = seeds(id);
    input.valuesOf = [&](int index) {
        std::vector<reference::DrawValue> out;
        const Six balls = reference::ballsOf(draws[static_cast<size_t>(index)], request.sorted);
        if (id != "HCO3") {
            // Every value measures a gap, repeats within one draw included.
            for (const Key& key : numbersValues(id, balls))
                out.push_back({key});
            return out;
        }
        // HCO3 speaks only at the newest draw of the window, without gaps.
        if (index != window.last)
            return out;
        Six next{};
        const bool hasNext = static_cast<size_t>(index) + 1 < draws.size();
        if (hasNext)
            next = draws[static_cast<size_t>(index) + 1].balls;
        for (const Candidate& c : ognevCandidates(balls, hasNext ? &next : nullptr))
            out.push_back({c.key, false, c.hit ? 1 : 0});
        return out;
    };
    input.text = [&](const Key& key) { return valueText(id, key); };
    Distribution counted;
    if (request.fullSet && hasFullSet(id)) {
        if (fullSet == nullptr) {
            counted = fullSetDistribution(id);
            fullSet = &counted;
        }
        input.fullSet = fullSet;
    }
    return reference::buildTable(draws, input, request);
}

} // namespace belvane::seqref
