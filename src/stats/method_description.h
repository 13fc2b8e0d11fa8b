#pragma once

// The page the method description window shows: there are no compiled help
// files on this platform, so the page is made from what the registry knows
// about the method.

#include <string>

#include "stats/stat_list.h"

namespace belvane::stats {

// An HTML page: the caption, the identifier, the group, the parameter, the
// formula of a shredding method, the feature letters explained and what the
// method offers. An entry outside the registry gives an empty text.
std::string MethodDescriptionPage(const TStatList& registry, int entry);

// Escapes the characters HTML reserves.
std::string EscapeHtml(std::string_view text);

} // namespace belvane::stats
