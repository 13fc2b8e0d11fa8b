#pragma once

// Progress of one pass over many records: the progress window in 100 steps
// (opened here unless an outer operation already shows one, like a scenario
// run) and, when given a base text, the status line's "( завершено N % )"
// once per per cent. Cancelling is polled through the host.

#include <optional>
#include <string>

#include "support/host.h"

namespace belvane::stakes {

class PassProgress {
public:
    // statusBase: "Проверка результатов ставок" gives "Проверка результатов
    // ставок ( завершено 45 % )..."; empty: no status texts.
    PassProgress(Host& host, std::string statusBase);
    PassProgress(const PassProgress&) = delete;
    PassProgress& operator=(const PassProgress&) = delete;
    ~PassProgress();

    // `done` of `total`; returns false when the operation is to stop.
    bool operator()(size_t done, size_t total);

private:
    Host& host_;
    std::string statusBase_;
    bool owner_ = false;
    int shown_ = 0;
};

} // namespace belvane::stakes
