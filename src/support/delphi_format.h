#pragma once

// The format-string dialect the program's caption and message templates are
// written in: "%d", "%s", "%f", "%x" with an optional argument index ("%1:s"),
// left alignment ("-"), width and precision ("%.2d" pads with zeros to two
// digits, "%.3f" keeps three decimals); "%%" is a percent sign. Templates are
// formatted in stages, so "%%d" survives one stage as "%d" for the next.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace belvane {

using FormatArg = std::variant<int64_t, double, std::string>;

// A template that names an argument it is not given, or gives one of the wrong
// kind, formats that item as "#?" instead of failing: templates are data.
std::string DelphiFormat(std::string_view pattern, std::initializer_list<FormatArg> args);

} // namespace belvane
