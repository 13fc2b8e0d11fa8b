#pragma once

// The page the method description window shows and the text the terminal
// prints: there are no compiled help files on this platform, so the page is
// made from the method's description, a worked example the method computes on
// the archive, and what the registry knows about the method.

#include <string>

#include "stats/method_example.h"
#include "stats/stat_list.h"

namespace belvane::stats {

// An HTML page (Qt's rich text): the caption, what the method computes, its
// values, its parameter, the worked example as a table, what keeping or
// removing a row does, then the identifier, the group, the parameter value,
// the formula of a shredding method and the feature letters explained. An
// entry outside the registry gives an empty text. sorted and window: how the
// statistics table reads the draws (see ComputeMethodExample).
std::string MethodDescriptionPage(const TStatList& registry, int entry, bool sorted = false,
                                  int window = DefaultExampleWindow);

// The same in plain text, for the terminal.
std::string MethodDescriptionText(const TStatList& registry, int entry, bool sorted = false,
                                  int window = DefaultExampleWindow);

// The first sentence of what the method computes (its caption when it has no
// description yet); empty outside the registry.
std::string MethodSummary(const TStatList& registry, int entry);

// Escapes the characters HTML reserves.
std::string EscapeHtml(std::string_view text);

} // namespace belvane::stats
