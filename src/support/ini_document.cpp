#include "support/ini_document.h"

#include <algorithm>
#include <fmt/format.h>
#include <system_error>

#include "support/cp1251.h"
#include "support/file_io.h"
#include "support/text.h"

namespace belvane {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr uint64_t kMaxIniSize = 16u << 20;

} // namespace

IniDocument IniDocument::load(const fs::path& path)
{
    std::error_code ec;
    if (!fs::exists(path, ec))
        return {};
    std::string raw = files::readFile(path, kMaxIniSize);
    if (std::string_view(raw).starts_with(kUtf8Bom))
        return parse(std::string_view(raw).substr(kUtf8Bom.size()));
    return parse(cp1251::toUtf8(raw));
}

IniDocument IniDocument::parse(std::string_view utf8)
{
    IniDocument doc;
    Section* current = nullptr;
    for (std::string_view line : text::splitLines(utf8)) {
        line = text::trim(line);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            const std::string_view name =
                text::trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
            current = &doc.sectionForWrite(name);
            continue;
        }
        const size_t eq = line.find('=');
        if (current == nullptr || eq == std::string_view::npos)
            continue; // lines outside any section and lines without "=" carry nothing
        const std::string_view key = text::trim(line.substr(0, eq));
        if (key.empty())
            continue;
        auto& entries = current->entries;
        const bool duplicate = std::any_of(entries.begin(), entries.end(),
                                           [&](const Entry& e) { return text::equalsIgnoreCase(e.key, key); });
        if (!duplicate)
            entries.push_back({std::string(key), std::string(text::trim(line.substr(eq + 1)))});
    }
    return doc;
}

std::string IniDocument::toText() const
{
    std::string out;
    for (const Section& section : sections_) {
        if (!out.empty())
            out += "\r\n";
        out += "[" + section.name + "]\r\n";
        for (const Entry& e : section.entries)
            out += e.key + "=" + e.value + "\r\n";
    }
    return out;
}

void IniDocument::save(const fs::path& path) const
{
    files::writeFileAtomically(path, cp1251::fromUtf8(toText()));
}

bool IniDocument::saveIfChanged(const fs::path& path) const
{
    const std::string bytes = cp1251::fromUtf8(toText());
    // A larger, missing or unreadable file is not this text.
    const files::PartialRead current = files::readFileKeepingPartial(path, bytes.size());
    if (current.error.empty() && current.data == bytes)
        return false;
    files::writeFileAtomically(path, bytes);
    return true;
}

size_t IniDocument::sectionIndex(std::string_view name) const
{
    size_t i = 0;
    while (i < sections_.size() && !text::equalsIgnoreCase(sections_[i].name, name))
        ++i;
    return i;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const
{
    const size_t i = sectionIndex(name);
    return i < sections_.size() ? &sections_[i] : nullptr;
}

IniDocument::Section& IniDocument::sectionForWrite(std::string_view name)
{
    const size_t i = sectionIndex(name);
    if (i < sections_.size())
        return sections_[i];
    sections_.push_back({std::string(name), {}});
    return sections_.back();
}

const std::string* IniDocument::findValue(std::string_view section, std::string_view key) const
{
    const Section* s = findSection(section);
    if (s == nullptr)
        return nullptr;
    for (const Entry& e : s->entries)
        if (text::equalsIgnoreCase(e.key, key))
            return &e.value;
    return nullptr;
}

bool IniDocument::sectionExists(std::string_view section) const
{
    return findSection(section) != nullptr;
}

bool IniDocument::valueExists(std::string_view section, std::string_view key) const
{
    return findValue(section, key) != nullptr;
}

std::vector<std::string> IniDocument::sectionNames() const
{
    std::vector<std::string> names;
    for (const Section& s : sections_)
        names.push_back(s.name);
    return names;
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const
{
    std::vector<std::string> names;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            names.push_back(e.key);
    return names;
}

std::string IniDocument::readString(std::string_view section, std::string_view key, std::string_view def) const
{
    const std::string* v = findValue(section, key);
    return v ? *v : std::string(def);
}

int IniDocument::readInteger(std::string_view section, std::string_view key, int def) const
{
    const std::string* v = findValue(section, key);
    return v ? text::toIntDef(*v, def) : def;
}

bool IniDocument::readBool(std::string_view section, std::string_view key, bool def) const
{
    const std::string* v = findValue(section, key);
    if (v == nullptr)
        return def;
    if (text::equalsIgnoreCase(*v, "true"))
        return true;
    if (text::equalsIgnoreCase(*v, "false"))
        return false;
    return text::toIntDef(*v, def ? 1 : 0) != 0;
}

double IniDocument::readFloat(std::string_view section, std::string_view key, double def) const
{
    const std::string* v = findValue(section, key);
    return v ? text::parseDouble(*v).value_or(def) : def;
}

void IniDocument::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    // A value is one line: line breaks inside it would split the entry.
    std::string clean(value);
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    clean = std::string(text::trim(clean));

    Section& s = sectionForWrite(section);
    for (Entry& e : s.entries) {
        if (text::equalsIgnoreCase(e.key, key)) {
            e.value = std::move(clean);
            return;
        }
    }
    s.entries.push_back({std::string(key), std::move(clean)});
}

void IniDocument::writeInteger(std::string_view section, std::string_view key, long long value)
{
    writeString(section, key, std::to_string(value));
}

void IniDocument::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

void IniDocument::writeFloat(std::string_view section, std::string_view key, double value)
{
    writeString(section, key, fmt::format("{}", value));
}

void IniDocument::eraseSection(std::string_view section)
{
    std::erase_if(sections_, [&](const Section& s) { return text::equalsIgnoreCase(s.name, section); });
}

void IniDocument::deleteKey(std::string_view section, std::string_view key)
{
    const size_t i = sectionIndex(section);
    if (i < sections_.size())
        std::erase_if(sections_[i].entries, [&](const Entry& e) { return text::equalsIgnoreCase(e.key, key); });
}

} // namespace belvane
