#include "app/window_settings.h"

#include "app/setting_keys.h"

#include <array>
#include <fmt/format.h>

#include "model/draws_file.h"
#include "support/error.h"
#include "support/ini_document.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

using K = SettingKind;
using W = SettingWrite;

// Counts of draws: a window over the archive can never be longer than the archive may be.
constexpr int kMaxDraws = static_cast<int>(model::MaxDrawsInFile);

constexpr std::array<SettingKey, 45> kMainWindowKeys = {{
    {key::LeftPanelWidth, K::Integer, DesignSize, W::OnClose},
    {key::DrawsExclude, K::Integer, 0, W::OnClose, 0, kMaxDraws},
    {key::DrawsStatLen, K::Integer, 1000, W::OnClose, 1, kMaxDraws},
    {key::DrawsStatHeight, K::Integer, DesignSize, W::OnClose},
    {key::DrawsGraphLen, K::Integer, 100, W::OnClose, 1, kMaxDraws},
    {key::FiltersHeight, K::Integer, DesignSize, W::OnClose},
    {key::LayoutLen, K::Integer, 100, W::OnClose, 1, kMaxDraws},
    {key::LayoutCompareLen1, K::Integer, 50, W::OnClose, 1, kMaxDraws},
    {key::LayoutCompareLen2, K::Integer, 100, W::OnClose, 1, kMaxDraws},
    {key::LayoutCompareLen3, K::Integer, 200, W::OnClose, 1, kMaxDraws},
    {key::LayoutCompareLen4, K::Integer, 300, W::OnClose, 1, kMaxDraws},
    {key::LayoutCompareLen5, K::Integer, 400, W::OnClose, 1, kMaxDraws},
    {key::WeekLen, K::Integer, 1000, W::OnClose, 1, kMaxDraws},
    {key::WeekHeight, K::Integer, DesignSize, W::OnClose},
    {key::WeekChartMode, K::Integer, 0, W::WhenChanged},
    {key::WeekChartType, K::Boolean, 0, W::WhenChanged},
    {key::AutoUpdates, K::Boolean, 1, W::WhenChanged},
    {key::DownloadDrawsOnStart, K::Integer, 0, W::WhenChanged},
    {key::ScriptLogEnabled, K::Boolean, 0, W::WhenChanged},
    {key::ScriptTestControl, K::Boolean, 0, W::WhenChanged},
    {key::StakesLogEnabled, K::Boolean, 0, W::WhenChanged},
    {key::StakesScrollEnabled, K::Boolean, 1, W::WhenChanged},
    {key::StakesCheckOnLine, K::Boolean, 1, W::WhenChanged},
    {key::ColorDraws, K::Boolean, 1, W::WhenChanged},
    {key::ColorCombs, K::Boolean, 1, W::WhenChanged},
    {key::ColorCard, K::Boolean, 1, W::WhenChanged},
    {key::ColorCardSequences, K::Boolean, 1, W::WhenChanged},
    {key::LayoutGradient, K::Boolean, 1, W::WhenChanged},
    {key::SortedDraws, K::Boolean, 0, W::WhenChanged},
    {key::PrefetchsEnabled, K::Boolean, 0, W::WhenChanged},
    {key::ShowTotalLine, K::Boolean, 1, W::WhenChanged},
    {key::RatingsEffMode, K::Integer, 1, W::WhenChanged},
    {key::LayoutCompareHeight, K::Integer, DesignSize, W::OnClose},
    {key::ScriptLibraryOn, K::Boolean, 1, W::WhenChanged},
    {key::ScriptLibraryHeight, K::Integer, DesignSize, W::OnClose},
    {key::ScriptLibraryFilter, K::Integer, 2, W::OnClose},
    {key::PrefetchsInit, K::Boolean, 0, W::FirstStart},
    {key::TabGraphs, K::Boolean, 1, W::WhenChanged},
    {key::TabCard, K::Boolean, 1, W::WhenChanged},
    {key::TabLayout, K::Boolean, 1, W::WhenChanged},
    {key::TabWeek, K::Boolean, 1, W::WhenChanged},
    {key::TabTables, K::Boolean, 1, W::WhenChanged},
    {key::SystemsEnabled, K::Boolean, 1, W::WhenChanged},
    // The base language until the user chooses another: a module beside the
    // program must not switch a new user away from the program's own texts.
    {key::Language, K::Integer, 1049, W::WhenChanged},
    {key::FirstRun, K::Boolean, 0, W::WhenChanged}, // cleared by the first-run dialog
}};

std::string rectText(const WindowRect& r)
{
    return fmt::format("{},{},{},{}", r.Left, r.Top, r.Right, r.Bottom);
}

std::optional<WindowRect> parseRect(std::string_view text)
{
    const auto parts = text::split(text, ",", false);
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (size_t i = 0; i < 4; ++i) {
        const auto n = text::parseInt(text::trim(parts[i]));
        if (!n)
            return std::nullopt;
        v[i] = *n;
    }
    return WindowRect{v[0], v[1], v[2], v[3]};
}

} // namespace

std::string WindowStateFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    return IniDocument::load(path_).readString(section, key, def);
}

int WindowStateFile::ReadInteger(std::string_view section, std::string_view key, int def) const
{
    return IniDocument::load(path_).readInteger(section, key, def);
}

bool WindowStateFile::ReadBool(std::string_view section, std::string_view key, bool def) const
{
    return IniDocument::load(path_).readBool(section, key, def);
}

void WindowStateFile::WriteString(std::string_view section, std::string_view key, std::string_view value) const
{
    IniDocument doc = IniDocument::load(path_);
    doc.writeString(section, key, value);
    doc.saveIfChanged(path_);
}

void WindowStateFile::WriteInteger(std::string_view section, std::string_view key, int value) const
{
    WriteString(section, key, std::to_string(value));
}

void WindowStateFile::WriteBool(std::string_view section, std::string_view key, bool value) const
{
    WriteString(section, key, value ? "1" : "0");
}

void WindowStateFile::WriteIntegers(std::string_view section,
                                    const std::vector<std::pair<std::string, int>>& values) const
{
    IniDocument doc = IniDocument::load(path_);
    for (const auto& [key, value] : values)
        doc.writeInteger(section, key, value);
    doc.saveIfChanged(path_);
}

std::span<const SettingKey> MainWindowKeys()
{
    return kMainWindowKeys;
}

const SettingKey* FindMainWindowKey(std::string_view name)
{
    for (const SettingKey& k : MainWindowKeys())
        if (text::equalsIgnoreCase(k.Name, name))
            return &k;
    return nullptr;
}

void MainWindowSettings::Load()
{
    loadFailed_ = true;
    values_.clear();
    const IniDocument doc = IniDocument::load(file_.Path());
    for (const SettingKey& k : MainWindowKeys()) {
        int value = k.Kind == SettingKind::Boolean ? (doc.readBool(MainWindowSection, k.Name, k.Default != 0) ? 1 : 0)
                                                   : doc.readInteger(MainWindowSection, k.Name, k.Default);
        if (value < k.Min || value > k.Max)
            value = k.Default; // a damaged or hand-edited file
        values_[std::string(k.Name)] = value;
    }
    loadFailed_ = false;
}

void MainWindowSettings::SaveOnClose() const
{
    if (readOnly_)
        return;
    std::vector<std::pair<std::string, int>> values;
    for (const SettingKey& k : MainWindowKeys())
        if (k.Write == SettingWrite::OnClose && Get(k.Name) != DesignSize)
            values.emplace_back(std::string(k.Name), Get(k.Name));
    file_.WriteIntegers(MainWindowSection, values);
}

int MainWindowSettings::Get(std::string_view name) const
{
    if (const auto it = values_.find(name); it != values_.end())
        return it->second;
    const SettingKey* k = FindMainWindowKey(name);
    if (k == nullptr)
        return 0;
    if (const auto it = values_.find(k->Name); it != values_.end())
        return it->second;
    return k->Default;
}

void MainWindowSettings::Set(std::string_view name, int value)
{
    const SettingKey* k = FindMainWindowKey(name);
    if (k == nullptr)
        throw Error(support::Message("Неизвестный параметр \"{}\"!", name));
    if (k->Kind == SettingKind::Boolean)
        value = value != 0 ? 1 : 0;
    if (value < k->Min || value > k->Max)
        throw Error(support::Message("Значение параметра {} должно быть от {} до {}!", k->Name, k->Min, k->Max));
    values_[std::string(k->Name)] = value;
    if (k->Write != SettingWrite::OnClose && !readOnly_) {
        if (k->Kind == SettingKind::Boolean)
            file_.WriteBool(MainWindowSection, k->Name, value != 0);
        else
            file_.WriteInteger(MainWindowSection, k->Name, value);
    }
}

ShowState ShowStateOf(int showCmd)
{
    if (showCmd == 2 || showCmd == 6 || showCmd == 7)
        return ShowState::Minimised;
    if (showCmd == 3)
        return ShowState::Maximised;
    return ShowState::Normal;
}

void SavePlacement(const WindowStateFile& file, std::string_view section, const WindowPlacement& p, int pixelsPerInch,
                   int screenWidth, int screenHeight)
{
    IniDocument doc = IniDocument::load(file.Path());
    doc.writeInteger(section, "Flags", p.Flags);
    doc.writeInteger(section, "ShowCmd", p.ShowCmd);
    doc.writeInteger(section, "PixelsPerInch", pixelsPerInch);
    doc.writeString(section, "MinMaxPos", rectText(p.MinMaxPos));
    doc.writeString(section, "NormPos", rectText(p.NormPos));
    doc.writeString(section, fmt::format("MinMaxPos_{}x{}", screenWidth, screenHeight), rectText(p.MinMaxPos));
    doc.writeString(section, fmt::format("NormPos_{}x{}", screenWidth, screenHeight), rectText(p.NormPos));
    doc.saveIfChanged(file.Path());
}

std::optional<WindowPlacement> LoadPlacement(const WindowStateFile& file, std::string_view section, int pixelsPerInch,
                                             int screenWidth, int screenHeight)
{
    const IniDocument doc = IniDocument::load(file.Path());
    if (doc.readInteger(section, "PixelsPerInch", 0) != pixelsPerInch)
        return std::nullopt; // saved at another screen density: the window opens centred
    auto rect = [&](std::string_view name) {
        std::string text = doc.readString(section, fmt::format("{}_{}x{}", name, screenWidth, screenHeight));
        if (text.empty())
            text = doc.readString(section, name);
        return parseRect(text);
    };
    const auto norm = rect("NormPos");
    if (!norm)
        return std::nullopt;
    WindowPlacement p;
    p.Flags = doc.readInteger(section, "Flags", 0);
    p.ShowCmd = doc.readInteger(section, "ShowCmd", 1);
    p.NormPos = *norm;
    p.MinMaxPos = rect("MinMaxPos").value_or(WindowRect{});
    return p;
}

std::vector<int> LoadColumnWidths(const WindowStateFile& file, std::string_view section, std::string_view control,
                                  std::span<const int> defaults)
{
    const IniDocument doc = IniDocument::load(file.Path());
    std::vector<int> widths;
    for (size_t i = 0; i < defaults.size(); ++i)
        widths.push_back(doc.readInteger(section, fmt::format("{}.Column{}", control, i), defaults[i]));
    return widths;
}

void SaveColumnWidths(const WindowStateFile& file, std::string_view section, std::string_view control,
                      std::span<const int> widths)
{
    std::vector<std::pair<std::string, int>> values;
    for (size_t i = 0; i < widths.size(); ++i)
        values.emplace_back(fmt::format("{}.Column{}", control, i), widths[i]);
    file.WriteIntegers(section, values);
}

std::optional<ListSort> LoadListSort(const WindowStateFile& file, std::string_view section, std::string_view control)
{
    const std::string stored = file.ReadString(section, fmt::format("{}.SortType", control), "");
    const auto parts = text::split(stored, ",", false);
    if (parts.size() != 2)
        return std::nullopt;
    const auto column = text::parseInt(text::trim(parts[0]));
    const auto direction = text::parseInt(text::trim(parts[1]));
    if (!column || !direction)
        return std::nullopt;
    return ListSort{*column, *direction};
}

void SaveListSort(const WindowStateFile& file, std::string_view section, std::string_view control, ListSort sort)
{
    file.WriteString(section, fmt::format("{}.SortType", control), fmt::format("{},{}", sort.Column, sort.Direction));
}

} // namespace belvane::app
