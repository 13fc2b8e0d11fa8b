#pragma once

// Who an author is to the exchange service: the contact address in one
// normal form, and the author's secret key that proves a request comes from
// the same person who published first under that contact.

#include <string>
#include <string_view>

namespace belvane::exchange {

// The contact as the service compares it: invisible characters (zero-width
// spaces and joiners, direction marks, the soft hyphen, the byte-order mark)
// dropped, blanks trimmed, ASCII letters in lower case, and for an e-mail
// address the "+tag" of the local part dropped ("Ivan+club@X.org" is
// "ivan@x.org"). Other letters are compared as they are.
std::string ContactKey(std::string_view contact);

// The length of an author key in hexadecimal digits (128 bits).
inline constexpr size_t AuthorKeyDigits = 32;
// A new author key from the system's random source. Throws Error when the
// system gives no random bytes.
std::string NewAuthorKey();
// Whether a text has the form of an author key: 32 to 128 hexadecimal digits.
bool IsAuthorKey(std::string_view key);
// A new request id for a change, so that a retried request is recognised.
std::string NewRequestId();

} // namespace belvane::exchange
