#pragma once

// Base64 (the standard alphabet, "=" padding) for the long texts of the
// exchange service. Decoding is strict: only the alphabet, padding where it
// belongs, and line breaks between groups; anything else is refused.

#include <string>
#include <string_view>

namespace belvane::exchange {

std::string EncodeBase64(std::string_view bytes);
// Throws Error("Некорректные данные Base64") for anything that is not Base64.
std::string DecodeBase64(std::string_view text);

} // namespace belvane::exchange
