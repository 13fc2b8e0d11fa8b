#pragma once

// An INI document held whole in memory, with the semantics of the program's
// settings files: sections and keys match without regard to case, the first
// of duplicate keys wins, values are trimmed, and a save replaces the file
// atomically. On disk the text is Windows-1251 with CR LF line ends (a UTF-8
// byte-order mark is honoured when reading); in memory it is UTF-8.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

class IniDocument {
public:
    IniDocument() = default;

    // A missing file gives an empty document; an unreadable one throws Error.
    static IniDocument load(const std::filesystem::path& path);
    static IniDocument parse(std::string_view utf8);

    void save(const std::filesystem::path& path) const;
    // The same, unless the file already holds exactly this text: settings
    // written again with the values they have cost no write and no disk
    // flush. Returns whether the file was written.
    bool saveIfChanged(const std::filesystem::path& path) const;
    std::string toText() const; // UTF-8, CR LF line ends

    bool sectionExists(std::string_view section) const;
    bool valueExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;

    std::string readString(std::string_view section, std::string_view key, std::string_view def = {}) const;
    // A value that is not a decimal integer gives the default.
    int readInteger(std::string_view section, std::string_view key, int def) const;
    // Integers (non-zero is true) and the words true/false.
    bool readBool(std::string_view section, std::string_view key, bool def) const;
    // "." or "," as decimal point.
    double readFloat(std::string_view section, std::string_view key, double def) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, long long value);
    void writeBool(std::string_view section, std::string_view key, bool value); // "1" / "0"
    void writeFloat(std::string_view section, std::string_view key, double value);

    void eraseSection(std::string_view section);
    void deleteKey(std::string_view section, std::string_view key);

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    // Position of the section in sections_, or sections_.size() when absent.
    size_t sectionIndex(std::string_view name) const;
    const Section* findSection(std::string_view name) const;
    Section& sectionForWrite(std::string_view name);
    const std::string* findValue(std::string_view section, std::string_view key) const;

    std::vector<Section> sections_;
};

} // namespace belvane
