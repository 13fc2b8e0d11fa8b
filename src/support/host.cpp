#include "support/host.h"

#include <algorithm>

#include "support/error.h"
#include "support/translation.h"

namespace belvane {

void Host::openProgress(int64_t maximum, bool cancellable)
{
    if (progressOpen_)
        throw Error(support::Text(ProgressAlreadyOpenMessage));
    progressOpen_ = true;
    progressMax_ = std::max<int64_t>(maximum, 0);
    progressPos_ = 0;
    if (held_)
        return; // a step of the held operation: its "Отмена" counts for the whole
    cancel_ = false;
    progressOpened(progressMax_, cancellable);
}

void Host::stepProgress(int64_t by)
{
    if (!progressOpen_)
        return;
    progressPos_ = std::clamp<int64_t>(progressPos_ + by, 0, progressMax_);
    if (!held_)
        progressMoved(progressPos_, progressMax_);
}

void Host::closeProgress()
{
    if (!progressOpen_)
        return;
    progressOpen_ = false;
    if (!held_)
        progressClosed();
}

void Host::holdProgress(int64_t maximum, bool cancellable)
{
    if (progressOpen_ || held_)
        throw Error(support::Text(ProgressAlreadyOpenMessage));
    held_ = true;
    heldMax_ = std::max<int64_t>(maximum, 0);
    progressOpened(heldMax_, cancellable);
}

void Host::moveHeldProgress(int64_t position)
{
    if (held_)
        progressMoved(std::clamp<int64_t>(position, 0, heldMax_), heldMax_);
}

void Host::releaseProgress()
{
    if (!held_)
        return;
    held_ = false;
    progressOpen_ = false;
    progressClosed();
}

std::string CompletedPercentText(double percent)
{
    return support::Message("( завершено {:.0f} % )", percent);
}

std::string DeleteRowsQuestion(size_t rows)
{
    return rows == 1 ? support::Text("Удалить выделенную запись?")
                     : support::Message("Удалить все выделенные записи (всего будет удалено {} записи(ей))?", rows);
}

} // namespace belvane
