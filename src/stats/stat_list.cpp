#include "stats/stat_list.h"

#include <algorithm>
#include <fmt/format.h>

#include "stats/class_table.h"
#include "stats/custom_stat.h"
#include "support/delphi_format.h"
#include "support/error.h"
#include "support/ini_document.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

constexpr std::string_view kFilters = "FILTERS";

const model::TDrawsArray kNoDraws;

} // namespace

namespace {

std::string withFormula(const TStatMethod& m, std::string caption)
{
    if (m.StatClass->GetGroup() == GroupShredding)
        caption = DelphiFormat(caption, {m.Formula});
    return caption;
}

} // namespace

std::string TStatMethod::DisplayCaption() const
{
    return withFormula(*this, UserCaption.empty() ? DefaultCaption() : UserCaption);
}

std::string TStatMethod::DefaultDisplayCaption() const
{
    return withFormula(*this, DefaultCaption());
}

std::unique_ptr<TCustomStat> TStatMethod::CreateStat(const MethodContext& context) const
{
    return StatClass->create(*StatClass, context, Param);
}

TStatList::TStatList(MethodContext context) : context_(context) {}

const model::TDrawsArray& TStatList::Draws() const
{
    return context_.Draws ? *context_.Draws : kNoDraws;
}

void TStatList::BuildMethods()
{
    items_.clear();
    Ordered = false;
    ShowGroupName = true;
    ShowMethodFlags = true;
    AllFavorites = true;
    for (const MethodClass* c : StatClassTable()) {
        if (c == nullptr || !c->Available())
            continue;
        auto add = [&](int param) {
            TStatMethod m;
            m.StatClass = c;
            m.Param = param;
            if (c->GetGroup() == GroupShredding && param >= 1 && param <= 3)
                m.Formula = Config().Formulas[static_cast<size_t>(param - 1)];
            items_.push_back(std::move(m));
        };
        if (c->HasParam()) {
            const ParamRange range = c->GetParamRange(Config());
            for (int p = range.Min; p <= range.Max; ++p)
                add(p);
        } else {
            add(0);
        }
    }
}

std::unique_ptr<TCustomStat> TStatList::CreateStat(int i) const
{
    return Item(i).CreateStat(context_);
}

std::unique_ptr<TCustomStat> TStatList::CreateStatFromList(int chosenEntry, std::string_view controlName) const
{
    if (chosenEntry < 0 || chosenEntry >= MethodCount())
        throw Error(support::Message("Не выбран метод расчета статистики (cb: {})!", controlName));
    return CreateStat(chosenEntry);
}

int TStatList::FindMethod(std::string_view id) const
{
    for (int i = 0; i < MethodCount(); ++i)
        if (text::equalsIgnoreCase(Item(i).ID(), id))
            return i;
    return -1;
}

bool TStatList::InDrawsStat(int i) const
{
    const MethodClass* c = Item(i).StatClass;
    return c->Available() && c->InDrawsStat();
}

std::string TStatList::MethodText(int i, bool withFlags) const
{
    const TStatMethod& m = Item(i);
    std::string text = m.DisplayCaption();
    if (ShowGroupName)
        text = fmt::format("{{ {} }} {}", GroupTag(m.StatClass->GetGroup()), text);
    if (withFlags && ShowMethodFlags) {
        const std::string letters = FlagsText(m.StatClass->Flags());
        if (!letters.empty())
            text = fmt::format("{} [ {} ]", text, letters);
    }
    return text;
}

std::string TStatList::GroupCaption(int group)
{
    if (group < 0 || group >= GroupCount)
        return "#ERROR#";
    return fmt::format("{{ {} }} {}", GroupTag(group), support::Text(GroupName(group)));
}

std::string TStatList::FavoritesText() const
{
    if (AllFavorites)
        return {};
    std::string text;
    for (const TStatMethod& m : items_) {
        if (!m.Favorite)
            continue;
        if (!text.empty())
            text += ',';
        text += m.ID();
    }
    return text;
}

void TStatList::SetFavorites(std::string_view favorites)
{
    if (text::trim(favorites).empty()) {
        SelectAll();
        return;
    }
    AllFavorites = false;
    // Words are compared exactly as they stand between the commas (blanks included).
    const auto words = text::split(favorites, ",", false);
    for (TStatMethod& m : items_) {
        const std::string id = m.ID();
        m.Favorite =
            std::any_of(words.begin(), words.end(), [&](std::string_view w) { return text::equalsIgnoreCase(w, id); });
    }
}

void TStatList::SelectAll()
{
    AllFavorites = true;
    for (TStatMethod& m : items_)
        m.Favorite = true;
}

void TStatList::NormalizeFavorites()
{
    const bool allSame = std::all_of(items_.begin(), items_.end(),
                                     [&](const TStatMethod& m) { return m.Favorite == items_.front().Favorite; });
    if (!allSame) {
        AllFavorites = false;
        return;
    }
    AllFavorites = true;
    if (!items_.empty() && !items_.front().Favorite)
        for (TStatMethod& m : items_)
            m.Favorite = true;
}

void TStatList::LoadFilterList(const std::filesystem::path& path, bool withOptions)
{
    const IniDocument ini = IniDocument::load(path);
    if (withOptions) {
        SetFavorites(ini.readString(kFilters, "Favorites", FavoritesText()));
        Ordered = ini.readBool(kFilters, "Ordered", Ordered);
        ShowGroupName = ini.readBool(kFilters, "ShowGroupName", ShowGroupName);
        ShowMethodFlags = ini.readBool(kFilters, "ShowMethodFlags", ShowMethodFlags);
    }
    const std::string strings = "STRINGS_" + LanguageCode;
    for (TStatMethod& m : items_) {
        const std::string caption = ini.readString(strings, m.ID());
        m.UserCaption = std::string(text::trim(caption));
    }
}

void TStatList::SaveFilterList(const std::filesystem::path& path, bool withOptions, bool allCaptions) const
{
    IniDocument ini = IniDocument::load(path);
    if (withOptions) {
        ini.writeString(kFilters, "Favorites", FavoritesText());
        ini.writeBool(kFilters, "Ordered", Ordered);
        ini.writeBool(kFilters, "ShowGroupName", ShowGroupName);
        ini.writeBool(kFilters, "ShowMethodFlags", ShowMethodFlags);
    }
    const std::string strings = "STRINGS_" + LanguageCode;
    ini.eraseSection(strings);
    for (const TStatMethod& m : items_) {
        const std::string caption = m.UserCaption.empty() ? m.DefaultCaption() : m.UserCaption;
        if (allCaptions)
            ini.writeString(strings, m.ID(), caption);
        else if (!m.UserCaption.empty())
            ini.writeString(strings, m.ID(), m.UserCaption);
    }
    ini.saveIfChanged(path);
}

} // namespace belvane::stats
