#include "stakes/pass_progress.h"

#include <fmt/format.h>

namespace belvane::stakes {

PassProgress::PassProgress(Host& host, std::string statusBase) : host_(host), statusBase_(std::move(statusBase))
{
    if (!host_.progressOpen()) {
        host_.openProgress(100, true);
        owner_ = true;
    }
}

PassProgress::~PassProgress()
{
    if (owner_)
        host_.closeProgress();
}

bool PassProgress::operator()(size_t done, size_t total)
{
    const int percent = total > 0 ? static_cast<int>(std::min(done, total) * 100 / total) : 100;
    if (percent != shown_) {
        if (owner_)
            host_.stepProgress(percent - shown_);
        shown_ = percent;
        if (!statusBase_.empty())
            host_.setStatus(fmt::format("{} {}...", statusBase_, CompletedPercentText(percent)));
    }
    return !host_.cancelled();
}

} // namespace belvane::stakes
