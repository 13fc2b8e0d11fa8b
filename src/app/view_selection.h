#pragma once

// What the front end knows and the core does not: how many rows of each list
// are selected and whether the clipboard holds text. The services decide from
// it which of their actions are enabled.

#include <cstddef>

namespace belvane::app {

struct ViewSelection {
    size_t DrawRows = 0;    // lvDraws
    size_t CombRows = 0;    // lvCombs
    size_t StatRows = 0;    // lvDrawsStat
    size_t StakeRows = 0;   // sgStakes (data rows)
    size_t RatingRows = 0;  // lvRatings
    size_t ScriptRows = 0;  // lvScript
    int ScriptCurrent = -1; // the current (first selected) line of lvScript
    size_t TableRows = 0;   // lvTables
    int TableCurrent = -1;  // the current (first selected) row of lvTables
    // lvSystems: selected rows that hold a listed system (not the placeholder
    // row), and whether the current (first selected) one is the user's own.
    size_t SystemRows = 0;
    bool SystemCurrentOwn = false;
    // lvOnlineScripts: selected entries; the current (first selected) one's flags.
    size_t LibraryRows = 0;
    bool LibraryCurrentUsable = false;
    bool LibraryCurrentEditable = false;
    bool ClipboardHasText = false;
    // The selected cell rectangles' first and last columns of sgCard,
    // sgLayout and sgWeek (-1: no selection).
    int CardFirstColumn = -1, CardLastColumn = -1;
    int LayoutFirstColumn = -1, LayoutLastColumn = -1;
    int WeekFirstColumn = -1, WeekLastColumn = -1;
    // The columns sgCard and sgLayout show now (0 while they show nothing).
    int CardColumns = 0, LayoutColumns = 0;
};

} // namespace belvane::app
