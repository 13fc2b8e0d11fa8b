#pragma once

// The favourites dialog's working copy: a mark and a caption per registry
// entry, grouped as the dialog's tree shows them, and the three display
// options. The registry changes only when the copy is applied; dropping the
// copy (Cancel) leaves everything as it was, names imported into it included.

#include <filesystem>
#include <string>
#include <vector>

#include "stats/stat_list.h"

namespace belvane::stats {

struct FavoritesDraftMethod {
    int Entry = -1;      // the registry entry
    int Group = 0;       // index into Groups()
    bool Marked = true;  // a favourite
    std::string Caption; // the caption shown (the display caption at first)
};

struct FavoritesDraftGroup {
    int StatGroup = 0;        // 0..12
    std::string Caption;      // TStatList::GroupCaption
    std::vector<int> Methods; // indexes into Methods(), in registry order
};

class FavoritesDraft {
public:
    // Groups in the order the registry first meets them, methods in registry order.
    explicit FavoritesDraft(const TStatList& registry);

    const std::vector<FavoritesDraftGroup>& Groups() const { return groups_; }
    const std::vector<FavoritesDraftMethod>& Methods() const { return methods_; }
    const FavoritesDraftMethod& Method(int i) const { return methods_.at(static_cast<size_t>(i)); }
    int MethodCount() const { return static_cast<int>(methods_.size()); }
    // The draft's method of a registry entry; -1 when none.
    int MethodOfEntry(int entry) const;
    int MarkedCount() const;

    void Toggle(int method);
    void SetMarked(int method, bool marked);
    void MarkAll(bool marked);
    void MarkGroup(int group, bool marked);
    void Rename(int method, std::string_view caption);
    // Back to the method's own caption (a shredding method's with its formula).
    void ResetName(int method);
    // The caption the method shows without one of the user's.
    std::string DefaultCaption(int method) const;

    // OK: marks become favourites, captions that equal the method's own
    // caption (ignoring case) store nothing, favourites are normalised (none
    // marked means all), and the three options are stored.
    void ApplyTo(TStatList& registry) const;

    // The captions of a filter-list file, favourites and options untouched; a
    // method the file does not name shows its own caption. Throws Error.
    void ImportNames(const std::filesystem::path& file);
    // Every method's caption into a filter-list file, without favourites and
    // options; the registry keeps its captions. Throws Error.
    void ExportNames(const std::filesystem::path& file) const;

    bool Ordered = false;
    bool ShowGroupName = true;
    bool ShowMethodFlags = true;

private:
    // The registry's entries with the draft's captions as user captions.
    TStatList withCaptions() const;

    TStatList names_; // a copy of the registry as the draft was made: the filter-list file goes through it
    std::vector<FavoritesDraftGroup> groups_;
    std::vector<FavoritesDraftMethod> methods_;
};

} // namespace belvane::stats
