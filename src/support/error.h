#pragma once

#include <stdexcept>

namespace belvane {

// A failure whose text is meant for the user (UTF-8, the program's own wording).
// Every layer throws this; the front end that started the action shows what().
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace belvane
