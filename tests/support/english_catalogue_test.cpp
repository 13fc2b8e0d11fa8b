// The English catalogues of the core's texts (translations/core_*_en.ts):
// every text the sources hand to the translation hook is there and translated,
// and no translation loses a field, a directive or a line break of its source
// (the hook would drop such a translation and show the base text).

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "helpers/build_paths.h"
#include "support/translation.h"

namespace belvane {
namespace {

namespace fs = std::filesystem;

struct CatalogueEntry {
    std::string source;
    std::string translation;
    bool finished = false;
};

std::string unescapeXml(std::string_view s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const size_t end = s.find(';', i);
        const std::string_view name = s.substr(i + 1, end - i - 1);
        if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "amp")
            out += '&';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.starts_with("#x"))
            out += static_cast<char>(std::stoi(std::string(name.substr(2)), nullptr, 16));
        else if (name.starts_with("#"))
            out += static_cast<char>(std::stoi(std::string(name.substr(1))));
        else
            ADD_FAILURE() << "unknown entity &" << name << ";";
        i = end;
    }
    return out;
}

// The messages of a Qt Linguist file as the text collector writes it: one
// <source> and one <translation> (text, or empty and self-closed) per message.
std::vector<CatalogueEntry> readCatalogue(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string xml = buffer.str();
    std::vector<CatalogueEntry> entries;
    for (size_t at = xml.find("<message>"); at != std::string::npos; at = xml.find("<message>", at + 1)) {
        const size_t end = xml.find("</message>", at);
        const std::string_view message = std::string_view(xml).substr(at, end - at);
        CatalogueEntry e;
        const size_t s0 = message.find("<source>") + 8;
        e.source = unescapeXml(message.substr(s0, message.find("</source>") - s0));
        const size_t t0 = message.find("<translation");
        const size_t tagEnd = message.find('>', t0);
        const std::string_view tag = message.substr(t0, tagEnd - t0 + 1);
        if (!tag.ends_with("/>")) {
            const size_t t1 = message.find("</translation>", tagEnd);
            e.translation = unescapeXml(message.substr(tagEnd + 1, t1 - tagEnd - 1));
        }
        e.finished = tag.find("unfinished") == std::string_view::npos && !e.translation.empty();
        entries.push_back(std::move(e));
    }
    return entries;
}

// The directives of a DelphiFormat template ("%d", "%.3d", "%1:s"...), in order.
std::vector<std::string> delphiDirectives(std::string_view s)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%')
            continue;
        size_t j = i + 1;
        while (j < s.size() && std::string_view("0123456789:.-").find(s[j]) != std::string_view::npos)
            ++j;
        if (j < s.size() && std::string_view("dsfx%").find(s[j]) != std::string_view::npos) {
            out.emplace_back(s.substr(i, j - i + 1));
            i = j;
        }
    }
    return out;
}

const fs::path kTranslations = testing::SourceDir() / "translations";

std::vector<fs::path> englishCatalogues()
{
    std::vector<fs::path> files;
    if (!fs::is_directory(kTranslations))
        return files;
    for (const auto& item : fs::directory_iterator(kTranslations)) {
        const std::string name = item.path().filename().string();
        if (name.starts_with("core_") && name.ends_with("_en.ts"))
            files.push_back(item.path());
    }
    return files;
}

// Whether every brace group of a text is a format field ("{}", "{0}", "{:>3}"):
// a fixed text such as "{...Выделенные комбинации...}" has braces of its own.
bool hasOnlyFormatFields(std::string_view text)
{
    for (size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
        if (open + 1 < text.size() && text[open + 1] == '{') {
            ++open;
            continue;
        }
        const size_t close = text.find('}', open);
        if (close == std::string_view::npos)
            return false;
        const std::string_view field = text.substr(open + 1, close - open - 1);
        const std::string_view index = field.substr(0, field.find(':'));
        if (!std::all_of(index.begin(), index.end(),
                         [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            return false;
    }
    return true;
}

TEST(EnglishCoreCatalogue, EveryTranslationKeepsTheFieldsAndLineBreaksOfItsSource)
{
    const auto files = englishCatalogues();
    if (files.empty())
        GTEST_SKIP() << "no translations folder";
    for (const fs::path& file : files) {
        for (const CatalogueEntry& e : readCatalogue(file)) {
            SCOPED_TRACE(file.filename().string() + ": " + e.source);
            EXPECT_TRUE(e.finished);
            // The hook drops a translation whose fields differ: it would silently show Russian.
            if (hasOnlyFormatFields(e.source)) {
                EXPECT_TRUE(support::SamePlaceholders(e.source, e.translation)) << e.translation;
            }
            EXPECT_EQ(delphiDirectives(e.source), delphiDirectives(e.translation)) << e.translation;
            EXPECT_EQ(std::count(e.source.begin(), e.source.end(), '\r'),
                      std::count(e.translation.begin(), e.translation.end(), '\r'))
                << e.translation;
        }
    }
}

// The texts in «...» are what the program prints (value texts of the methods,
// which no language module changes): a translation quotes the same ones, in order.
std::vector<std::string> quotedTexts(std::string_view text)
{
    std::vector<std::string> out;
    constexpr std::string_view open = "«", close = "»";
    for (size_t at = text.find(open); at != std::string_view::npos; at = text.find(open, at + 1)) {
        const size_t end = text.find(close, at);
        if (end == std::string_view::npos)
            break;
        out.emplace_back(text.substr(at + open.size(), end - at - open.size()));
    }
    return out;
}

TEST(EnglishCoreCatalogue, EveryTranslationQuotesTheValueTextsOfItsSource)
{
    const auto files = englishCatalogues();
    if (files.empty())
        GTEST_SKIP() << "no translations folder";
    int quoting = 0;
    for (const fs::path& file : files) {
        for (const CatalogueEntry& e : readCatalogue(file)) {
            const auto forms = quotedTexts(e.source);
            EXPECT_EQ(quotedTexts(e.translation), forms) << file.filename().string() << ": " << e.source;
            quoting += forms.empty() ? 0 : 1;
        }
    }
    EXPECT_GT(quoting, 50); // the methods' descriptions
}

// The texts the collector finds in a folder: the literal first arguments of
// Text(...), Message(...) and BELVANE_TEXT(...), adjacent literals joined.
std::set<std::string> collectedTexts(const fs::path& folder)
{
    std::set<std::string> texts;
    for (const auto& item : fs::directory_iterator(folder)) {
        std::ifstream in(item.path(), std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string code = buffer.str();
        for (const std::string_view call : {"Text(", "Message(", "BELVANE_TEXT("}) {
            for (size_t at = code.find(call); at != std::string::npos; at = code.find(call, at + 1)) {
                const char before = at > 0 ? code[at - 1] : ' ';
                if (std::isalnum(static_cast<unsigned char>(before)) || before == '_' || before == '.' ||
                    before == '>' || (before == ':' && code.compare(at >= 9 ? at - 9 : 0, 9, "support::") != 0))
                    continue;
                std::string text;
                size_t i = at + call.size();
                for (;;) {
                    while (i < code.size() && std::isspace(static_cast<unsigned char>(code[i])))
                        ++i;
                    if (i >= code.size() || code[i] != '"')
                        break;
                    for (++i; i < code.size() && code[i] != '"'; ++i) {
                        if (code[i] != '\\') {
                            text += code[i];
                            continue;
                        }
                        const char e = code[++i];
                        text += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
                    }
                    ++i;
                }
                if (!text.empty())
                    texts.insert(text);
            }
        }
    }
    return texts;
}

TEST(EnglishCoreCatalogue, EveryTextOfTheCoreIsTranslated)
{
    if (!fs::is_directory(kTranslations))
        GTEST_SKIP() << "no translations folder";
    for (const auto& item : fs::directory_iterator(testing::SourceDir() / "src")) {
        if (!item.is_directory())
            continue;
        const std::string folder = item.path().filename().string();
        const std::set<std::string> texts = collectedTexts(item.path());
        if (texts.empty())
            continue;
        SCOPED_TRACE(folder);
        std::map<std::string, CatalogueEntry> catalogue;
        for (CatalogueEntry& e : readCatalogue(kTranslations / ("core_" + folder + "_en.ts")))
            catalogue[e.source] = std::move(e);
        // A text missing here was added without running scripts/extract_core_texts.py.
        for (const std::string& text : texts) {
            const auto it = catalogue.find(text);
            if (it == catalogue.end())
                ADD_FAILURE() << "not in the catalogue: " << text;
            else
                EXPECT_TRUE(it->second.finished) << "not translated: " << text;
        }
    }
}

} // namespace
} // namespace belvane
