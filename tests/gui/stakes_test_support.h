#pragma once

// What the stakes and ratings tests share: stakes made straight through the
// service (as an operation of the window), the pages, cells.

#include <QTabWidget>
#include <QTableView>
#include <algorithm>
#include <string>

#include "app/configuration_service.h"
#include "app/stakes_service.h"
#include "gui/ratings_page.h"
#include "gui/stakes_page.h"
#include "gui_test_support.h"

namespace belvane::guitest {

inline gui::StakesPage* stakesPage(gui::MainWindow& w)
{
    return w.findChild<gui::StakesPage*>();
}

inline gui::RatingsPage* ratingsPage(gui::MainWindow& w)
{
    return w.findChild<gui::RatingsPage*>();
}

inline QString cellText(const QTableView* view, int row, int column, int role = Qt::DisplayRole)
{
    return view->model()->index(row, column).data(role).toString();
}

// Gives the keyboard back to the main window. The offscreen platform leaves
// it with the hidden progress window, which still counts as the main
// window's own for qWaitForWindowActive.
inline bool activate(gui::MainWindow& w)
{
    w.activateWindow();
    return QTest::qWaitFor([&w] { return QGuiApplication::focusWindow() == w.windowHandle(); });
}

// A manual stake for `draw`, checked at once when the draw is in the archive.
inline void addStake(gui::MainWindow& w, int draw, model::TComb numbers, const std::string& comment, int drawsCount = 1)
{
    app::Workspace& ws = w.workspace();
    std::sort(numbers.begin(), numbers.end());
    w.run([&ws, draw, numbers, comment, drawsCount] {
        stakes::StakeRecord stake = ws.Stakes().PrepareManualStake(numbers);
        stake.DrawNumber = draw;
        stake.Comment = comment;
        ws.Stakes().AddStake(stake, drawsCount);
    });
    w.waitUntilIdle();
}

// Six numbers that share exactly `matches` numbers with `drawn`.
inline model::TComb combMatching(const model::TComb& drawn, int matches)
{
    model::TComb comb{};
    size_t n = 0;
    for (int i = 0; i < matches; ++i)
        comb[n++] = drawn[static_cast<size_t>(i)];
    for (int number = 1; n < comb.size(); ++number)
        if (std::find(drawn.begin(), drawn.end(), number) == drawn.end())
            comb[n++] = static_cast<model::Ball>(number);
    return comb;
}

// Stake cost 2, prizes 3 -> 10, 4 -> 100.
inline void setPrizes(gui::MainWindow& w)
{
    stats::TConfigData config = w.workspace().Configuration().Data();
    config.Cost = 2 * MoneyScale;
    config.Profits = {{3, 10 * MoneyScale}, {4, 100 * MoneyScale}};
    w.run([&w, config] { w.workspace().Configuration().Apply(config); });
    w.waitUntilIdle();
}

} // namespace belvane::guitest
