#pragma once

// The sequence methods (group 6): runs of consecutive numbers inside one draw
// or combination, such as 17 18 19 — the length of every run, how many runs
// of two numbers or more there are, and the longest run.

#include "stats/stat_class.h"

namespace belvane::stats {

extern const MethodClass TstSequenceLenClass;    // SEQL
extern const MethodClass TstSequenceCntClass;    // SEQS
extern const MethodClass TstSequenceLenMaxClass; // LENS

} // namespace belvane::stats
