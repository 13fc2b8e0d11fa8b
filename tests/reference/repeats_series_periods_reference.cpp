#include "reference/repeats_series_periods_reference.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

namespace belvane::repref {
namespace {

constexpr int kLongestPeriod = 32767; // what a 16-bit key part holds

Key keyOf(int a, int b = 0)
{
    return Key{static_cast<int16_t>(a), static_cast<int16_t>(b), 0, 0};
}

bool contains(const std::vector<int>& list, int n)
{
    return std::find(list.begin(), list.end(), n) != list.end();
}

// n moved by s around the circle 1..45.
int shifted(int n, int s)
{
    return ((n - 1 + s) % 45 + 45) % 45 + 1;
}

// ---- the repeat members --------------------------------------------------------------

struct Repeat {
    bool values = false; // the numbers that repeat, else how many
    int shift = 0;
    int distance = 1; // the earlier draw read (two-draw members)
    int third = 0;    // three-draw members: 1 the third draw has the number too, 2 it has not
};

const std::map<std::string, Repeat>& repeats()
{
    static const std::map<std::string, Repeat> table{
        {"RPV2", {true, 0, 1, 0}},    {"RPV3", {true, 0, 0, 1}},    {"PRL2", {true, 0, 0, 2}},
        {"PRV2O1", {true, 0, 2, 0}},  {"PRV2O2", {true, 0, 3, 0}},  {"PRV2O3", {true, 0, 4, 0}},
        {"PRV+1", {true, 1, 1, 0}},   {"PRV-1", {true, -1, 1, 0}},  {"PRV+2", {true, 2, 1, 0}},
        {"PRV-2", {true, -2, 1, 0}},  {"RPC2", {false, 0, 1, 0}},   {"RPC3", {false, 0, 0, 1}},
        {"PRB2", {false, 0, 0, 2}},   {"RPO1", {false, 0, 2, 0}},   {"PRC2O2", {false, 0, 3, 0}},
        {"PRC2O3", {false, 0, 4, 0}}, {"PRC+1", {false, 1, 1, 0}},  {"PRC-1", {false, -1, 1, 0}},
        {"PRC+2", {false, 2, 1, 0}},  {"PRC-2", {false, -2, 1, 0}},
    };
    return table;
}

bool isRepeat(const std::string& id)
{
    return repeats().count(id) != 0;
}
bool isSeries(const std::string& id)
{
    return id.size() == 4 && id.compare(0, 2, "GR") == 0;
}

// The numbers of a draw, in drawn or ascending order, shifted.
std::vector<int> numbersAt(const std::vector<Draw>& draws, int index, bool sorted, int shift = 0)
{
    std::vector<int> out;
    for (int n : reference::ballsOf(draws[static_cast<size_t>(index)], sorted))
        out.push_back(shifted(n, shift));
    return out;
}

std::vector<Key> repeatValues(const Repeat& m, const std::vector<Draw>& draws, int index, int last, bool sorted)
{
    std::vector<Key> out;
    const std::vector<int> current = numbersAt(draws, index, sorted);
    if (m.third != 0) {
        if (index < 2)
            return out;
        const auto previous = numbersAt(draws, index - 1, sorted);
        const auto third = numbersAt(draws, index - 2, sorted);
        const auto newest = numbersAt(draws, last, sorted);
        int count = 0;
        for (int r : current) {
            const bool repeated = contains(previous, r) && contains(third, r) == (m.third == 1);
            if (m.values && repeated && contains(newest, r))
                out.push_back(keyOf(r));
            count += repeated ? 1 : 0;
        }
        if (!m.values)
            out.push_back(keyOf(count));
        return out;
    }
    if (index < m.distance)
        return out;
    const auto earlier = numbersAt(draws, index - m.distance, sorted, m.shift);
    if (m.values) {
        const auto newest = numbersAt(draws, last, sorted, m.shift);
        for (int r : earlier)
            if (contains(newest, r) && contains(current, r))
                out.push_back(keyOf(r));
        return out;
    }
    int count = 0;
    for (int r : earlier)
        count += contains(current, r) ? 1 : 0;
    out.push_back(keyOf(count));
    return out;
}

std::vector<Key> repeatSeeds(const Repeat& m, const std::vector<Draw>& draws, int last)
{
    std::vector<Key> seeds;
    if (!m.values) {
        for (int v = 1; v <= 6; ++v)
            seeds.push_back(keyOf(v));
    } else if (last >= 0) {
        for (int n : numbersAt(draws, last, false, m.shift))
            seeds.push_back(keyOf(n));
    }
    return seeds;
}

// ---- what the series and periods follow ---------------------------------------------------

int segmentOf(const Layout& layout, int n)
{
    const size_t i = static_cast<size_t>(n - 1);
    if (i < layout.segments.size() && layout.segments[i] >= '0' && layout.segments[i] <= '9')
        return layout.segments[i] - '0';
    return 1;
}

char followedKind(const std::string& id)
{
    return isSeries(id) ? id[2] : id[3]; // P numbers, C channels, S / G segments
}

std::pair<int, int> followedRange(const std::string& id, const Layout& layout)
{
    switch (followedKind(id)) {
    case 'P':
    case 'V':
        return {1, 45};
    case 'C':
        return {1, (45 + layout.channelSize - 1) / layout.channelSize};
    default: {
        int lo = 9, hi = 1;
        for (int n = 1; n <= 45; ++n) {
            lo = std::min(lo, segmentOf(layout, n));
            hi = std::max(hi, segmentOf(layout, n));
        }
        return {lo, hi};
    }
    }
}

bool drawFollows(const std::string& id, const Layout& layout, const Draw& d, int v)
{
    for (int n : d.balls)
        if (followed(id, layout, n) == v)
            return true;
    return false;
}

// ---- series: runs cut out of the presence sequence of each value ---------------------------

// What the series of draws from..to record, at the position where each is recorded, in
// the order of the values; `last` is the newest draw of the window. Only `onlyValue`, when
// it is not -1.
std::map<int, std::vector<reference::DrawValue>> seriesRecords(const std::string& id, const Layout& layout,
                                                               const std::vector<Draw>& draws, int from, int to,
                                                               int last, int onlyValue = -1)
{
    std::map<int, std::vector<reference::DrawValue>> at;
    const bool groups = id[3] == 'V';
    const auto [lo, hi] = followedRange(id, layout);
    for (int v = lo; v <= hi; ++v) {
        if ((onlyValue >= 0 && v != onlyValue) || last < 0 ||
            !drawFollows(id, layout, draws[static_cast<size_t>(last)], v))
            continue;
        auto continues = [&](int i) { return drawFollows(id, layout, draws[static_cast<size_t>(i)], v) == groups; };
        for (int start = from; start <= to;) {
            if (!continues(start)) {
                ++start;
                continue;
            }
            int end = start;
            while (end + 1 <= to && continues(end + 1))
                ++end;
            auto record = [&](int where, int lastOfSeries) {
                reference::DrawValue value;
                value.key = keyOf(v, std::min(lastOfSeries - start + 1, kLongestPeriod));
                value.lastDraw = draws[static_cast<size_t>(lastOfSeries)].number;
                value.ago = last - lastOfSeries + 1;
                at[where].push_back(value);
            };
            if (start <= last && last <= end)
                record(last, last); // still running at the newest draw
            if (end < to)
                record(end + 1, end); // ended by the draw after it
            start = end + 1;
        }
    }
    for (auto& [where, values] : at)
        std::stable_sort(values.begin(), values.end(),
                         [](const auto& a, const auto& b) { return a.key[0] < b.key[0]; });
    return at;
}

// ---- periods: back to the value's previous draw ----------------------------------------------

std::vector<Key> periodValues(const std::string& id, const Layout& layout, const std::vector<Draw>& draws, int index,
                              int first, bool sorted)
{
    std::vector<Key> out;
    const Draw& d = draws[static_cast<size_t>(index)];
    std::vector<int> seen;
    for (int n : reference::ballsOf(d, sorted)) {
        const int v = followed(id, layout, n);
        if (contains(seen, v))
            continue; // the draw's own earlier number
        seen.push_back(v);
        for (int k = index - 1; k >= first; --k) {
            if (!drawFollows(id, layout, draws[static_cast<size_t>(k)], v))
                continue;
            const int period = d.number - draws[static_cast<size_t>(k)].number;
            if (period > 0 && period <= kLongestPeriod)
                out.push_back(keyOf(v, period));
            break;
        }
    }
    return out;
}

Key keyOfText(const std::string& id, const std::string& text)
{
    const size_t x = text.find(" x ");
    if (isRepeat(id) || x == std::string::npos)
        return keyOf(std::stoi(text));
    return keyOf(std::stoi(text.substr(0, x)), std::stoi(text.substr(x + 3)));
}

} // namespace

const std::vector<std::string>& methodIds()
{
    static const std::vector<std::string> ids{
        "RPV2", "RPV3", "PRL2", "PRV2O1", "PRV2O2", "PRV2O3", "PRV+1", "PRV-1", "PRV+2", "PRV-2",
        "RPC2", "RPC3", "PRB2", "RPO1",   "PRC2O2", "PRC2O3", "PRC+1", "PRC-1", "PRC+2", "PRC-2",
        "GRPV", "GRPP", "GRCV", "GRCP",   "GRSV",   "GRSP",   "PRDV",  "PRDC",  "PRDG"};
    return ids;
}

int classPosition(const std::string& id)
{
    const auto& ids = methodIds();
    const int i = static_cast<int>(std::find(ids.begin(), ids.end(), id) - ids.begin());
    return i < 20 ? 42 + i : 107 + (i - 20);
}

int followed(const std::string& id, const Layout& layout, int n)
{
    if (n < 1 || n > 45)
        return -1;
    switch (followedKind(id)) {
    case 'P':
    case 'V':
        return n;
    case 'C':
        return (n + layout.channelSize - 1) / layout.channelSize;
    default:
        return segmentOf(layout, n);
    }
}

std::string valueText(const std::string& id, const Key& key)
{
    if (isRepeat(id))
        return std::to_string(key[0]);
    std::string first = std::to_string(key[0]);
    if (followedKind(id) == 'C' && first.size() < 2)
        first = "0" + first;
    return first + " x " + std::to_string(key[1]);
}

std::vector<TableRow> statisticsTable(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                      const TableRequest& request)
{
    const reference::Window window = reference::windowOf(static_cast<int>(draws.size()), request);
    const int last = window.last;
    const int high = static_cast<int>(draws.size()) - 1;
    reference::TableInput input;
    input.text = [&](const Key& key) { return valueText(id, key); };

    std::map<int, std::vector<reference::DrawValue>> series;
    if (isRepeat(id)) {
        const Repeat m = repeats().at(id);
        input.seeds = repeatSeeds(m, draws, last);
        input.valuesOf = [&, m](int index) {
            std::vector<reference::DrawValue> out;
            for (const Key& k : repeatValues(m, draws, index, last, request.sorted))
                out.push_back({k});
            return out;
        };
    } else if (isSeries(id)) {
        if (window.size > 0)
            series = seriesRecords(id, layout, draws, window.first, last, last);
        input.valuesOf = [&](int index) {
            const auto it = series.find(index);
            return it == series.end() ? std::vector<reference::DrawValue>{} : it->second;
        };
        // The search starts afresh after the value's draw, with the window's newest draw
        // still the one series are listed for.
        input.nextOccurrence = [&](const Key& key, int afterNumber) {
            int start = -1;
            for (int i = 0; i <= high; ++i)
                if (draws[static_cast<size_t>(i)].number == afterNumber)
                    start = i;
            if (start < 0)
                return -1;
            for (const auto& [where, values] : seriesRecords(id, layout, draws, start + 1, high, last, key[0]))
                for (const auto& v : values)
                    if (v.key == key)
                        return *v.lastDraw;
            return -1;
        };
    } else {
        input.valuesOf = [&](int index) {
            std::vector<reference::DrawValue> out;
            for (const Key& k : periodValues(id, layout, draws, index, window.first, request.sorted))
                out.push_back({k});
            return out;
        };
    }
    return reference::buildTable(draws, input, request);
}

std::vector<int64_t> countMatching(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                   int last, const std::vector<std::vector<std::string>>& selections)
{
    // Per selection: the numbers that count (the count members) or that match alone.
    struct Test {
        std::set<int> numbers;
        std::set<int> counts;
        bool byCount = false;
    };
    std::vector<Test> tests(selections.size());
    for (size_t s = 0; s < selections.size(); ++s) {
        Test& t = tests[s];
        std::vector<Key> keys;
        for (const std::string& text : selections[s])
            keys.push_back(keyOfText(id, text));
        if (isRepeat(id) && !repeats().at(id).values) {
            const Repeat m = repeats().at(id);
            t.byCount = true;
            for (const Key& k : keys)
                t.counts.insert(k[0]);
            if (m.third != 0) {
                // Against the newest draw and the one before it (none before the archive).
                for (int n : last >= 0 ? numbersAt(draws, last, false) : std::vector<int>{}) {
                    const bool inThird = last >= 1 && contains(numbersAt(draws, last - 1, false), n);
                    if (inThird == (m.third == 1))
                        t.numbers.insert(n);
                }
            } else if (last - m.distance + 1 >= 0) {
                for (int n : numbersAt(draws, last - m.distance + 1, false, m.shift))
                    t.numbers.insert(n);
            }
            continue;
        }
        std::set<int> wanted;
        for (const Key& k : keys) {
            if (isRepeat(id) || isSeries(id)) {
                wanted.insert(k[0]);
                continue;
            }
            // A period: the draw numbered k[1] before the one after `last` must hold the value.
            const int target = draws[static_cast<size_t>(last)].number + 1 - k[1];
            for (int j = 0; j <= last; ++j)
                if (draws[static_cast<size_t>(j)].number == target &&
                    drawFollows(id, layout, draws[static_cast<size_t>(j)], k[0]))
                    wanted.insert(k[0]);
        }
        for (int n = 1; n <= 45; ++n)
            if (wanted.count(isRepeat(id) ? n : followed(id, layout, n)) != 0)
                t.numbers.insert(n);
    }

    std::vector<int64_t> matching(selections.size(), 0);
    reference::forEachCombination([&](const Six& c) {
        for (size_t s = 0; s < tests.size(); ++s) {
            int in = 0;
            for (int n : c)
                in += tests[s].numbers.count(n) != 0 ? 1 : 0;
            matching[s] += (tests[s].byCount ? tests[s].counts.count(in) != 0 : in > 0) ? 1 : 0;
        }
    });
    return matching;
}

} // namespace belvane::repref
