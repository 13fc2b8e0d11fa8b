#include "reference/chains_reference.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>

namespace belvane::chainref {
namespace {

using Six = std::array<int, 6>;

enum class Kind { All, Positions, OnePosition, Count, Inside };

// What an ID names: the aspect ('N' numbers, 'C' channels, 'S' segments), the rule, how
// many draws the chain spans, the position or the channel/segment, the inside mode.
struct Member {
    char aspect = 'N';
    Kind kind = Kind::All;
    int draws = 2;
    int param = 0;
    int mode = 0;
};

Member decode(const std::string& id)
{
    Member m;
    const std::string head = id.substr(0, 4);
    if (id.size() > 4 && (head == "SC2C" || head == "SC3C" || head == "SS2C" || head == "SS3C")) {
        m.aspect = id[1];
        m.kind = Kind::Count;
        m.draws = id[2] - '0';
        m.param = std::stoi(id.substr(4));
        return m;
    }
    const std::map<std::string, int> inside{{"SDA2", 0}, {"SDG2", 1}, {"SDZ2", 2}, {"SDC2", 3}};
    if (const auto it = inside.find(id); it != inside.end()) {
        m.aspect = 'C';
        m.kind = Kind::Inside;
        m.mode = it->second;
        return m;
    }
    m.aspect = id[1] == 'D' ? 'N' : id[1];
    switch (id[2]) {
    case 'V':
        m.kind = Kind::All;
        break;
    case 'P':
        m.kind = Kind::Positions;
        m.draws = id[3] - '0';
        break;
    case 'N':
    case 'M':
        m.kind = Kind::OnePosition;
        m.draws = id[2] == 'N' ? 2 : 3;
        m.param = std::stoi(id.substr(3));
        break;
    default:
        throw std::runtime_error("chain reference: no member " + id);
    }
    return m;
}

int segmentOf(int n, const Layout& layout)
{
    const size_t at = static_cast<size_t>(n - 1);
    if (at < layout.segments.size() && layout.segments[at] >= '0' && layout.segments[at] <= '9')
        return layout.segments[at] - '0';
    return 1;
}

int channelOf(int n, const Layout& layout)
{
    return (n + layout.channelSize - 1) / layout.channelSize;
}

int aspectOf(char aspect, int n, const Layout& layout)
{
    if (aspect == 'C')
        return channelOf(n, layout);
    if (aspect == 'S')
        return segmentOf(n, layout);
    return n;
}

Key keyOf(const std::vector<int>& parts)
{
    Key k{};
    for (size_t i = 0; i < parts.size(); ++i)
        k[i] = static_cast<int16_t>(parts[i]);
    return k;
}

// The count of numbers of six in channel (segment) k.
int countIn(const Member& m, const Six& numbers, const Layout& layout)
{
    int c = 0;
    for (int n : numbers)
        c += aspectOf(m.aspect, n, layout) == m.param ? 1 : 0;
    return c;
}

bool contains(const Six& numbers, int n)
{
    return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}

std::string part(int v, bool twoDigits)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, twoDigits ? "%02d" : "%d", v);
    return buf;
}

// "a -> b" or "a-b -> c" as the parts.
std::vector<int> partsOfText(const std::string& text)
{
    const size_t arrow = text.find(" -> ");
    if (arrow == std::string::npos)
        throw std::runtime_error("chain reference: no value text " + text);
    std::vector<int> parts;
    const std::string before = text.substr(0, arrow);
    const size_t dash = before.find('-');
    if (dash != std::string::npos) {
        parts.push_back(std::stoi(before.substr(0, dash)));
        parts.push_back(std::stoi(before.substr(dash + 1)));
    } else {
        parts.push_back(std::stoi(before));
    }
    parts.push_back(std::stoi(text.substr(arrow + 4)));
    return parts;
}

} // namespace

std::vector<std::string> methodIds(const Layout& layout)
{
    std::vector<std::string> ids;
    auto positions = [&](const std::string& prefix) {
        for (int p = 1; p <= 6; ++p)
            ids.push_back(prefix + std::to_string(p));
    };
    int channels = (45 + layout.channelSize - 1) / layout.channelSize;
    int lowSegment = 9, highSegment = 1;
    for (int n = 1; n <= 45; ++n) {
        lowSegment = std::min(lowSegment, segmentOf(n, layout));
        highSegment = std::max(highSegment, segmentOf(n, layout));
    }
    ids.insert(ids.end(), {"SDV2", "SDP2"});
    positions("SDN");
    ids.push_back("SDP3");
    positions("SDM");
    ids.insert(ids.end(), {"SCV2", "SCP2"});
    positions("SCN");
    ids.push_back("SCP3");
    positions("SCM");
    for (const char* prefix : {"SC2C", "SC3C"})
        for (int k = 1; k <= channels; ++k)
            ids.push_back(prefix + std::to_string(k));
    ids.insert(ids.end(), {"SDA2", "SDG2", "SDZ2", "SDC2", "SSV2", "SSP2"});
    positions("SSN");
    ids.push_back("SSP3");
    positions("SSM");
    for (const char* prefix : {"SS2C", "SS3C"})
        for (int s = lowSegment; s <= highSegment; ++s)
            ids.push_back(prefix + std::to_string(s));
    return ids;
}

int classPosition(const std::string& id)
{
    // Whole IDs, and prefixes followed by the parameter.
    static const std::vector<std::pair<std::string, bool>> order{
        {"SDV2", true}, {"SDP2", true}, {"SDN", false}, {"SDP3", true},  {"SDM", false},  {"SCV2", true},
        {"SCP2", true}, {"SCN", false}, {"SCP3", true}, {"SCM", false},  {"SC2C", false}, {"SC3C", false},
        {"SDA2", true}, {"SDG2", true}, {"SDZ2", true}, {"SDC2", true},  {"SSV2", true},  {"SSP2", true},
        {"SSN", false}, {"SSP3", true}, {"SSM", false}, {"SS2C", false}, {"SS3C", false}};
    for (size_t i = 0; i < order.size(); ++i) {
        const auto& [name, whole] = order[i];
        if (whole ? id == name : (id.size() > name.size() && id.compare(0, name.size(), name) == 0))
            return 116 + static_cast<int>(i);
    }
    return -1;
}

std::vector<Key> drawValues(const std::string& id, const Layout& layout, const std::vector<Draw>& draws, int index,
                            int last, bool sorted)
{
    const Member m = decode(id);
    auto drawAt = [&](int i) -> std::optional<Six> {
        if (i < 0 || i >= static_cast<int>(draws.size()))
            return std::nullopt;
        return reference::ballsOf(draws[static_cast<size_t>(i)], sorted);
    };
    const auto d0 = drawAt(index), d1 = drawAt(index - 1), r0 = drawAt(last);
    const auto d2 = drawAt(index - 2), r1 = drawAt(last - 1);
    if (!d0 || !d1 || !r0 || (m.draws == 3 && (!d2 || !r1)))
        return {};
    auto a = [&](int n) { return aspectOf(m.aspect, n, layout); };

    std::vector<Key> out;
    switch (m.kind) {
    case Kind::All: {
        std::set<int> reference;
        for (int n : *r0)
            reference.insert(a(n));
        for (int r : *d1)
            if (reference.count(a(r)) != 0)
                for (int x : *d0)
                    out.push_back(keyOf({a(r), a(x)}));
        break;
    }
    case Kind::Positions:
    case Kind::OnePosition:
        for (int i = 0; i < 6; ++i) {
            if (m.kind == Kind::OnePosition && i != m.param - 1)
                continue;
            const auto at = static_cast<size_t>(i);
            if (a((*d1)[at]) != a((*r0)[at]))
                continue;
            if (m.draws == 2) {
                out.push_back(keyOf({a((*d1)[at]), a((*d0)[at])}));
            } else if (a((*d2)[at]) == a((*r1)[at])) {
                out.push_back(keyOf({a((*d2)[at]), a((*d1)[at]), a((*d0)[at])}));
            }
        }
        break;
    case Kind::Count: {
        const int c1 = countIn(m, *d1, layout);
        if (c1 != countIn(m, *r0, layout))
            break;
        if (m.draws == 2) {
            out.push_back(keyOf({c1, countIn(m, *d0, layout)}));
        } else if (const int c2 = countIn(m, *d2, layout); c2 == countIn(m, *r1, layout)) {
            out.push_back(keyOf({c2, c1, countIn(m, *d0, layout)}));
        }
        break;
    }
    case Kind::Inside:
        for (int r : *d1) {
            if (!contains(*r0, r))
                continue;
            std::vector<int> same; // D0's numbers in r's channel, in drawn order
            for (int x : *d0)
                if (channelOf(x, layout) == channelOf(r, layout))
                    same.push_back(x);
            if (m.mode == 3) {
                out.push_back(keyOf({r, static_cast<int>(same.size())}));
                continue;
            }
            if (m.mode != 2)
                for (int x : same)
                    out.push_back(keyOf({r, x}));
            if (same.empty() && m.mode != 1)
                out.push_back(keyOf({r, 0}));
        }
        break;
    }
    return out;
}

std::vector<Key> seeds(const std::string& id, const Layout& layout, const std::vector<Draw>& draws, int last)
{
    const Member m = decode(id);
    const int size = static_cast<int>(draws.size());
    if (m.kind != Kind::Count || last < 0 || last >= size || (m.draws == 3 && last < 1))
        return {};
    const int r0 = countIn(m, draws[static_cast<size_t>(last)].balls, layout);
    const int top = m.aspect == 'C' ? layout.channelSize : 0;
    std::vector<Key> out;
    for (int t = 0; t <= top; ++t) {
        if (m.draws == 2)
            out.push_back(keyOf({r0, t}));
        else
            out.push_back(keyOf({countIn(m, draws[static_cast<size_t>(last - 1)].balls, layout), r0, t}));
    }
    return out;
}

std::string valueText(const std::string& id, const Key& key)
{
    const Member m = decode(id);
    const bool twoDigits =
        (m.aspect == 'C' && m.kind != Kind::Count && m.kind != Kind::Inside) || (m.kind == Kind::Inside && m.mode != 3);
    if (m.draws == 2)
        return part(key[0], twoDigits) + " -> " + part(key[1], twoDigits);
    return part(key[0], twoDigits) + "-" + part(key[1], twoDigits) + " -> " + part(key[2], twoDigits);
}

std::vector<int64_t> countMatching(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                   int last, const std::vector<std::vector<std::string>>& selections)
{
    const Member m = decode(id);
    std::vector<std::vector<std::vector<int>>> wanted;
    for (const auto& texts : selections) {
        wanted.emplace_back();
        for (const auto& t : texts)
            wanted.back().push_back(partsOfText(t));
    }
    const bool references = last >= 0 && last < static_cast<int>(draws.size()) && (m.draws == 2 || last >= 1);
    const Six newest = references ? draws[static_cast<size_t>(last)].balls : Six{};

    std::vector<int64_t> matching(selections.size(), 0);
    if (!references)
        return matching;
    reference::forEachCombination([&](const Six& c) {
        for (size_t s = 0; s < wanted.size(); ++s) {
            bool any = false;
            for (const auto& v : wanted[s]) {
                const int successor = v.back();
                switch (m.kind) {
                case Kind::Count:
                    any = any || countIn(m, c, layout) == successor;
                    break;
                case Kind::Inside: {
                    const int p = v[0];
                    if (!contains(newest, p))
                        break;
                    int inChannel = 0;
                    for (int q : c)
                        inChannel += channelOf(q, layout) == channelOf(p, layout) ? 1 : 0;
                    if (m.mode == 3)
                        any = any || inChannel == successor;
                    else if (successor == 0)
                        any = any || inChannel == 0;
                    else
                        any = any || contains(c, successor);
                    break;
                }
                default:
                    for (int q : c)
                        any = any || aspectOf(m.aspect, q, layout) == successor;
                }
            }
            matching[s] += any ? 1 : 0;
        }
    });
    return matching;
}

std::vector<TableRow> statisticsTable(const std::string& id, const Layout& layout, const std::vector<Draw>& draws,
                                      const TableRequest& request)
{
    const reference::Window window = reference::windowOf(static_cast<int>(draws.size()), request);
    reference::TableInput input;
    input.seeds = seeds(id, layout, draws, window.last);
    // Every value measures a gap, repeats within one draw included.
    input.valuesOf = [&](int index) {
        std::vector<reference::DrawValue> out;
        for (const Key& key : drawValues(id, layout, draws, index, window.last, request.sorted))
            out.push_back({key});
        return out;
    };
    input.text = [&](const Key& key) { return valueText(id, key); };
    return reference::buildTable(draws, input, request);
}

} // namespace belvane::chainref
