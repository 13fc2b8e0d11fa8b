#pragma once

// The registry of statistic methods: one entry per registered class and
// parameter value, in the fixed order of the class table, with the user's
// favourites and caption overrides. Methods are created from the registry's
// context: the archive and the game configuration, which the owner keeps.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/draws.h"
#include "stats/config_data.h"
#include "stats/method_context.h"
#include "stats/stat_class.h"

namespace belvane::stats {

class TCustomStat;
class TStatList;

struct TStatMethod {
    const MethodClass* StatClass = nullptr;
    int Param = 0;
    bool Favorite = true;
    std::string UserCaption; // empty: the class caption
    std::string Formula;     // shredding methods 1..3: the formula when the entry was built

    std::string ID() const { return StatClass->IDFor(Param); }
    std::string DefaultCaption() const { return StatClass->CaptionFor(Param); }
    // UserCaption or the default caption; a shredding method's caption then takes its formula.
    std::string DisplayCaption() const;
    // What DisplayCaption shows without a caption of the user's.
    std::string DefaultDisplayCaption() const;
    bool ValueFromText() const { return StatClass->ValueFromText(); }
    std::unique_ptr<TCustomStat> CreateStat(const MethodContext& context) const;
};

class TStatList {
public:
    // The archive and the configuration every statistic instance reads; both
    // must outlive the registry and every method it creates.
    explicit TStatList(MethodContext context);

    const MethodContext& Context() const { return context_; }
    const model::TDrawsArray& Draws() const;
    const TConfigData& Config() const { return *context_.Config; }

    // Rebuilds the entries from the class table and the current configuration.
    void BuildMethods();

    int MethodCount() const { return static_cast<int>(items_.size()); }
    const TStatMethod& Item(int i) const { return items_.at(static_cast<size_t>(i)); }
    TStatMethod& Item(int i) { return items_.at(static_cast<size_t>(i)); }

    std::unique_ptr<TCustomStat> CreateStat(int i) const;
    // The entry a drop-down list has chosen; no choice (-1) throws
    // Error("Не выбран метод расчета статистики (cb: <name>)!").
    std::unique_ptr<TCustomStat> CreateStatFromList(int chosenEntry, std::string_view controlName) const;

    // The entry whose ID equals id, ignoring case; -1 when none.
    int FindMethod(std::string_view id) const;

    bool InDrawsStat(int i) const;
    bool HasGraph(int i) const { return Item(i).StatClass->HasGraph(); }
    bool CanPrefetch(int i) const { return Item(i).StatClass->CanPrefetch(); }
    bool ValueFromText(int i) const { return Item(i).StatClass->ValueFromText(); }
    bool IsListed(int i) const { return AllFavorites || Item(i).Favorite; }

    // The text method lists show: "{ num } Числа тиража [ N ]".
    std::string MethodText(int i, bool withFlags) const;
    // "{ num } Числа тиража"; "#ERROR#" outside 0..12.
    static std::string GroupCaption(int group);

    // Favourites.
    std::string FavoritesText() const;
    void SetFavorites(std::string_view text);
    void SelectAll();
    void NormalizeFavorites();

    // The filter-list file (".flt"): favourites, display options and caption
    // overrides. Failures throw Error with the reason; the app layer shows them.
    void LoadFilterList(const std::filesystem::path& path, bool withOptions);
    void SaveFilterList(const std::filesystem::path& path, bool withOptions, bool allCaptions) const;

    bool Ordered = false;
    bool ShowGroupName = true;
    bool ShowMethodFlags = true;
    bool AllFavorites = true;
    std::string LanguageCode = "RUS"; // names the caption section "STRINGS_<code>"
    std::filesystem::path HelpFile;

private:
    MethodContext context_;
    std::vector<TStatMethod> items_;
};

} // namespace belvane::stats
