#pragma once

// The window-state file ("Belvane_6x45.frm"): one section per window class,
// the main window's in "TFormMain". Every read or write opens the whole
// document, changes one value and writes it back at once; a write that
// changes nothing in the file leaves it alone (no rewrite, no disk flush).

#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::app {

inline constexpr std::string_view MainWindowSection = "TFormMain";

// One value of the window-state file, read and written on its own.
class WindowStateFile {
public:
    explicit WindowStateFile(std::filesystem::path path) : path_(std::move(path)) {}

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // Writes throw Error with the reason when the file cannot be written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value) const;
    void WriteInteger(std::string_view section, std::string_view key, int value) const;
    void WriteBool(std::string_view section, std::string_view key, bool value) const;
    // Several values in one rewrite of the file.
    void WriteIntegers(std::string_view section, const std::vector<std::pair<std::string, int>>& values) const;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

enum class SettingKind { Integer, Boolean };
enum class SettingWrite {
    OnClose,     // written when the program closes
    WhenChanged, // written at once when toggled or chosen
    FirstStart,  // written once, at the first start
};

struct SettingKey {
    std::string_view Name;
    SettingKind Kind;
    int Default; // booleans: 0 or 1; DesignSize: the front end's own size
    SettingWrite Write;
    // The values the key may take; a stored value outside them reads as the default.
    int Min = std::numeric_limits<int>::min();
    int Max = std::numeric_limits<int>::max();
};

// A default that the front end supplies (a width or height of its layout).
inline constexpr int DesignSize = -1;

// The main window's keys, with their defaults and when they are written.
std::span<const SettingKey> MainWindowKeys();
const SettingKey* FindMainWindowKey(std::string_view name); // ignoring case

// The main window's settings as read at creation; changes of WhenChanged keys
// are written at once, the others when the window closes.
class MainWindowSettings {
public:
    explicit MainWindowSettings(WindowStateFile file) : file_(std::move(file)) {}

    // Reads every key (missing ones and values outside a key's range take
    // their defaults). After a failure every key keeps its default and
    // LoadFailed() tells the front end, which then reads nothing more of the
    // file (the failure has been reported once).
    void Load();
    bool LoadFailed() const { return loadFailed_; }
    // Writes the keys written on close (nothing when the file has them all as they are).
    void SaveOnClose() const;

    int Get(std::string_view name) const;
    bool Flag(std::string_view name) const { return Get(name) != 0; }
    // Stores the value; a key written when changed goes to the file at once
    // (an unchanged value writes nothing). Throws Error for a name that is no
    // key, a value outside the key's range, or when the file cannot be written.
    void Set(std::string_view name, int value);

    const WindowStateFile& File() const { return file_; }
    // A session that only reads the data folder: values change in memory, nothing is written.
    void SetReadOnly() { readOnly_ = true; }
    bool ReadOnly() const { return readOnly_; }

private:
    WindowStateFile file_;
    std::map<std::string, int, std::less<>> values_;
    bool loadFailed_ = false;
    bool readOnly_ = false;
};

// The window placement: show state and the normal and min/max positions
// ("%d,%d,%d,%d": left, top, right, bottom).
struct WindowRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};
struct WindowPlacement {
    int Flags = 0;
    int ShowCmd = 1;
    WindowRect MinMaxPos;
    WindowRect NormPos;
};
enum class ShowState { Normal, Minimised, Maximised };
ShowState ShowStateOf(int showCmd); // 2, 6, 7 minimised; 3 maximised

// Writes the placement, under the plain keys and under the keys of the screen size.
void SavePlacement(const WindowStateFile& file, std::string_view section, const WindowPlacement& placement,
                   int pixelsPerInch, int screenWidth, int screenHeight);
// The saved placement, or nullopt when there is none or it was saved at another density.
std::optional<WindowPlacement> LoadPlacement(const WindowStateFile& file, std::string_view section, int pixelsPerInch,
                                             int screenWidth, int screenHeight);

// Column widths of a list ("<control>.Column<n>") and its sort ("<control>.SortType": column, direction).
std::vector<int> LoadColumnWidths(const WindowStateFile& file, std::string_view section, std::string_view control,
                                  std::span<const int> defaults);
void SaveColumnWidths(const WindowStateFile& file, std::string_view section, std::string_view control,
                      std::span<const int> widths);
struct ListSort {
    int Column = 0;
    int Direction = 0;
};
std::optional<ListSort> LoadListSort(const WindowStateFile& file, std::string_view section, std::string_view control);
void SaveListSort(const WindowStateFile& file, std::string_view section, std::string_view control, ListSort sort);

} // namespace belvane::app
