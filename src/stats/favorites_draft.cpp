#include "stats/favorites_draft.h"

#include <algorithm>

#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::stats {

FavoritesDraft::FavoritesDraft(const TStatList& registry)
    : Ordered(registry.Ordered), ShowGroupName(registry.ShowGroupName), ShowMethodFlags(registry.ShowMethodFlags),
      names_(registry)
{
    for (int entry = 0; entry < registry.MethodCount(); ++entry) {
        const TStatMethod& m = registry.Item(entry);
        const int statGroup = m.StatClass->GetGroup();
        auto group = std::find_if(groups_.begin(), groups_.end(),
                                  [&](const FavoritesDraftGroup& g) { return g.StatGroup == statGroup; });
        if (group == groups_.end()) {
            groups_.push_back({statGroup, TStatList::GroupCaption(statGroup), {}});
            group = groups_.end() - 1;
        }
        group->Methods.push_back(static_cast<int>(methods_.size()));
        methods_.push_back({entry, static_cast<int>(group - groups_.begin()), m.Favorite, m.DisplayCaption()});
    }
}

int FavoritesDraft::MethodOfEntry(int entry) const
{
    for (int i = 0; i < MethodCount(); ++i)
        if (methods_[static_cast<size_t>(i)].Entry == entry)
            return i;
    return -1;
}

int FavoritesDraft::MarkedCount() const
{
    return static_cast<int>(
        std::count_if(methods_.begin(), methods_.end(), [](const FavoritesDraftMethod& m) { return m.Marked; }));
}

void FavoritesDraft::Toggle(int method)
{
    SetMarked(method, !Method(method).Marked);
}

void FavoritesDraft::SetMarked(int method, bool marked)
{
    methods_.at(static_cast<size_t>(method)).Marked = marked;
}

void FavoritesDraft::MarkAll(bool marked)
{
    for (FavoritesDraftMethod& m : methods_)
        m.Marked = marked;
}

void FavoritesDraft::MarkGroup(int group, bool marked)
{
    for (int method : groups_.at(static_cast<size_t>(group)).Methods)
        SetMarked(method, marked);
}

void FavoritesDraft::Rename(int method, std::string_view caption)
{
    methods_.at(static_cast<size_t>(method)).Caption = std::string(text::trim(caption));
}

void FavoritesDraft::ResetName(int method)
{
    methods_.at(static_cast<size_t>(method)).Caption = DefaultCaption(method);
}

std::string FavoritesDraft::DefaultCaption(int method) const
{
    return names_.Item(Method(method).Entry).DefaultDisplayCaption();
}

TStatList FavoritesDraft::withCaptions() const
{
    TStatList registry = names_;
    for (const FavoritesDraftMethod& m : methods_) {
        TStatMethod& item = registry.Item(m.Entry);
        item.UserCaption = text::equalsIgnoreCase(m.Caption, item.DefaultDisplayCaption()) ? std::string() : m.Caption;
    }
    return registry;
}

void FavoritesDraft::ApplyTo(TStatList& registry) const
{
    if (registry.MethodCount() != names_.MethodCount())
        throw Error(support::Text("Список методов расчета статистики изменился!"));
    const TStatList edited = withCaptions();
    for (const FavoritesDraftMethod& m : methods_) {
        TStatMethod& item = registry.Item(m.Entry);
        item.Favorite = m.Marked;
        item.UserCaption = edited.Item(m.Entry).UserCaption;
    }
    registry.NormalizeFavorites();
    registry.Ordered = Ordered;
    registry.ShowGroupName = ShowGroupName;
    registry.ShowMethodFlags = ShowMethodFlags;
}

void FavoritesDraft::ImportNames(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw Error(support::Message("Файл \"{}\" не найден!", file.string()));
    TStatList loaded = names_;
    loaded.LoadFilterList(file, false);
    for (FavoritesDraftMethod& m : methods_)
        m.Caption = loaded.Item(m.Entry).DisplayCaption();
}

void FavoritesDraft::ExportNames(const std::filesystem::path& file) const
{
    withCaptions().SaveFilterList(file, false, true);
}

} // namespace belvane::stats
