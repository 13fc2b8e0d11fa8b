#pragma once

// A brute-force filter of the full set of combinations by the number, sum and
// difference methods, written straight from the methods' definitions and
// sharing nothing with the statistics engine. Every C(45,6) combination is
// enumerated in lexicographic order (numbers ascending), its value(s) for the
// method are computed naively and written as the statistics table writes them,
// and a combination matches when one of its value texts is among the selected
// ones. The reference-draw methods (SUMC, SUMV, SUMT) treat the combination as
// the draw that follows the latest draw of the window, whose sum is given.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace belvane::filterref {

inline constexpr int64_t kFullSetSize = 8'145'060;

// The methods covered, in registration order.
const std::vector<std::string>& methodIds();

// Whether the method compares a combination with the latest draw of the window.
bool usesReferenceDraw(const std::string& id);

// The value texts of one ascending combination, in the order they are computed.
std::vector<std::string> valueTexts(const std::string& id, const std::array<int, 6>& comb, int refSum = 0);

// One filter of the full set: the selected value texts and the sum of the
// latest draw of the window. When a list file's bytes are given, the kept
// combinations of that direction are compared with it line by line.
struct FilterCase {
    std::vector<std::string> texts;
    int refSum = 0;
    const std::string* keepList = nullptr;
    const std::string* removeList = nullptr;
};

struct FilterOutcome {
    int64_t matching = 0;        // combinations that have a selected value: what "keep" leaves
    std::string keepListError;   // empty when the keep list is exactly the expected one
    std::string removeListError; // likewise for the remove list
};

// One pass over the full set for all the cases of one method.
std::vector<FilterOutcome> filterFullSet(const std::string& id, const std::vector<FilterCase>& cases);

} // namespace belvane::filterref
