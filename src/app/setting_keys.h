#pragma once

// The names of the main window's settings in the window-state file.

#include <string_view>

namespace belvane::app::key {

inline constexpr std::string_view LeftPanelWidth = "LeftPanelWidth";
inline constexpr std::string_view DrawsExclude = "DrawsExclude";
inline constexpr std::string_view DrawsStatLen = "DrawsStatLen";
inline constexpr std::string_view DrawsStatHeight = "DrawsStatHeight";
inline constexpr std::string_view DrawsGraphLen = "DrawsGraphLen";
inline constexpr std::string_view FiltersHeight = "FiltersHeight";
inline constexpr std::string_view LayoutLen = "LayoutLen";
inline constexpr std::string_view LayoutCompareLen1 = "LayoutCompareLen1";
inline constexpr std::string_view LayoutCompareLen2 = "LayoutCompareLen2";
inline constexpr std::string_view LayoutCompareLen3 = "LayoutCompareLen3";
inline constexpr std::string_view LayoutCompareLen4 = "LayoutCompareLen4";
inline constexpr std::string_view LayoutCompareLen5 = "LayoutCompareLen5";
inline constexpr std::string_view WeekLen = "WeekLen";
inline constexpr std::string_view WeekHeight = "WeekHeight";
inline constexpr std::string_view WeekChartMode = "WeekChartMode";
inline constexpr std::string_view WeekChartType = "WeekChartType";
inline constexpr std::string_view AutoUpdates = "AutoUpdates";
inline constexpr std::string_view DownloadDrawsOnStart = "DownloadDrawsOnStart";
inline constexpr std::string_view ScriptLogEnabled = "ScriptLogEnabled";
// "Тест" stakes the control's random stakes beside the scenario's.
inline constexpr std::string_view ScriptTestControl = "ScriptTestControl";
inline constexpr std::string_view StakesLogEnabled = "StakesLogEnabled";
inline constexpr std::string_view StakesScrollEnabled = "StakesScrollEnabled";
inline constexpr std::string_view StakesCheckOnLine = "StakesCheckOnLine";
inline constexpr std::string_view ColorDraws = "ColorDraws";
inline constexpr std::string_view ColorCombs = "ColorCombs";
inline constexpr std::string_view ColorCard = "ColorCard";
inline constexpr std::string_view ColorCardSequences = "ColorCardSequences";
inline constexpr std::string_view LayoutGradient = "LayoutGradient";
inline constexpr std::string_view SortedDraws = "SortedDraws";
inline constexpr std::string_view PrefetchsEnabled = "PrefetchsEnabled";
inline constexpr std::string_view ShowTotalLine = "ShowTotalLine";
inline constexpr std::string_view RatingsEffMode = "RatingsEffMode";
inline constexpr std::string_view LayoutCompareHeight = "LayoutCompareHeight";
inline constexpr std::string_view ScriptLibraryOn = "ScriptLibraryOn";
inline constexpr std::string_view ScriptLibraryHeight = "ScriptLibraryHeight";
inline constexpr std::string_view ScriptLibraryFilter = "ScriptLibraryFilter";
inline constexpr std::string_view PrefetchsInit = "PrefetchsInit";
inline constexpr std::string_view TabGraphs = "TabGraphs";
inline constexpr std::string_view TabCard = "TabCard";
inline constexpr std::string_view TabLayout = "TabLayout";
inline constexpr std::string_view TabWeek = "TabWeek";
inline constexpr std::string_view TabTables = "TabTables";
inline constexpr std::string_view SystemsEnabled = "SystemsEnabled";
inline constexpr std::string_view Language = "Language";
inline constexpr std::string_view FirstRun = "FirstRun";

// The repeats window's own section and keys.
inline constexpr std::string_view RepeatsSection = "TFormRepeats";
inline constexpr std::string_view RepeatsLength = "DrawsLength";
inline constexpr std::string_view RepeatsDepth = "DrawsDeep";
inline constexpr std::string_view RepeatsGraphHeight = "GraphHeight";
inline constexpr std::string_view RepeatsList = "lvRepeats"; // its column widths

} // namespace belvane::app::key
