#pragma once

// The draws a view looks at: the archive up to the draws offset, the last L
// of them, and the numbers of the draw right after that window.

#include <vector>

#include "model/draws.h"

namespace belvane::views {

// Array positions First..Last of the archive (oldest first); empty when Last < First.
struct DrawWindow {
    int First = 0;
    int Last = -1;
    bool Empty() const { return Last < First; }
    int Size() const { return Empty() ? 0 : Last - First + 1; }
};

// The window of `length` draws ending `offset` draws before the newest one.
DrawWindow WindowAt(int drawCount, int offset, int length);

// The numbers of the draw right after the window (array position count -
// offset) when 0 < offset < count; empty otherwise.
std::vector<int> NextDrawSet(const model::TDrawsArray& draws, int offset);

// The numbers a view counts for a draw: those of 1..45 among its six.
template <class F>
void ForEachNumber(const model::TDraw& draw, F&& f)
{
    for (int n : draw.Balls)
        if (model::isValidNumber(n))
            f(n);
}

} // namespace belvane::views
