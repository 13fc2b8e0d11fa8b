#include <gtest/gtest.h>

#include "helpers/temp_dir.h"
#include "support/error.h"
#include "support/ini_document.h"

namespace belvane {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(IniDocument, SectionsAndKeysIgnoreCase)
{
    const auto doc = IniDocument::parse("[Global]\nMatrixCols = 7 \n[STAKES]\nCost=1.5\n");
    EXPECT_EQ(doc.readInteger("GLOBAL", "matrixcols", 5), 7);
    EXPECT_EQ(doc.readString("stakes", "COST"), "1.5");
    EXPECT_TRUE(doc.sectionExists("global"));
    EXPECT_FALSE(doc.valueExists("GLOBAL", "ChannelSize"));
}

TEST(IniDocument, TypedReadsFallBackToDefaults)
{
    const auto doc = IniDocument::parse("[S]\nI=12x\nB1=1\nB0=0\nBt=true\nBx=maybe\nF=2,5\nG=3.25\nE=\n");
    EXPECT_EQ(doc.readInteger("S", "I", -1), -1);
    EXPECT_EQ(doc.readInteger("S", "missing", 42), 42);
    EXPECT_TRUE(doc.readBool("S", "B1", false));
    EXPECT_FALSE(doc.readBool("S", "B0", true));
    EXPECT_TRUE(doc.readBool("S", "Bt", false));
    EXPECT_TRUE(doc.readBool("S", "Bx", true));
    EXPECT_FALSE(doc.readBool("S", "Bx", false));
    EXPECT_DOUBLE_EQ(doc.readFloat("S", "F", 0), 2.5);
    EXPECT_DOUBLE_EQ(doc.readFloat("S", "G", 0), 3.25);
    EXPECT_EQ(doc.readString("S", "E", "def"), ""); // present but empty is not missing
}

TEST(IniDocument, FirstDuplicateWinsAndJunkIsIgnored)
{
    const auto doc =
        IniDocument::parse("orphan=1\n; comment\n[A]\nk=first\nK=second\nnot a pair\n=novalue\n[a]\nz=9\n");
    EXPECT_EQ(doc.readString("A", "k"), "first");
    EXPECT_EQ(doc.sectionNames().size(), 1u); // [a] merged into [A]
    EXPECT_EQ(doc.keyNames("A"), (std::vector<std::string>{"k", "z"}));
}

TEST(IniDocument, WritesReplaceInPlaceAndEraseWorks)
{
    IniDocument doc;
    doc.writeInteger("FILTERS", "Ordered", 0);
    doc.writeBool("FILTERS", "ShowGroupName", true);
    doc.writeString("STRINGS_RUS", "NUMS", "Числа\r\nтиража");
    doc.writeInteger("filters", "ORDERED", 1);
    EXPECT_EQ(doc.toText(), "[FILTERS]\r\nOrdered=1\r\nShowGroupName=1\r\n\r\n[STRINGS_RUS]\r\nNUMS=Числа  тиража\r\n");
    doc.deleteKey("Filters", "ordered");
    EXPECT_FALSE(doc.valueExists("FILTERS", "Ordered"));
    doc.eraseSection("strings_rus");
    EXPECT_FALSE(doc.sectionExists("STRINGS_RUS"));
}

TEST(IniDocument, FileIsWindows1251WithCrLf)
{
    TempDir dir;
    const auto path = dir / "Belvane_6x45.flt";
    IniDocument doc;
    doc.writeString("STRINGS_RUS", "NUMS", "Числа тиража");
    doc.save(path);
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes, "[STRINGS_RUS]\r\nNUMS=\xD7\xE8\xF1\xEB\xE0 \xF2\xE8\xF0\xE0\xE6\xE0\r\n");
    EXPECT_EQ(IniDocument::load(path).readString("strings_rus", "nums"), "Числа тиража");
}

TEST(IniDocument, Utf8WithByteOrderMarkIsReadAsUtf8)
{
    TempDir dir;
    const auto path = dir / "x.ini";
    writeBytes(path, "\xEF\xBB\xBF[A]\nName=Числа\n");
    EXPECT_EQ(IniDocument::load(path).readString("A", "Name"), "Числа");
}

TEST(IniDocument, MissingFileIsEmptyAndUnreadableOneThrows)
{
    TempDir dir;
    EXPECT_TRUE(IniDocument::load(dir / "none.ini").sectionNames().empty());
    std::filesystem::create_directory(dir / "folder.ini");
    EXPECT_THROW(IniDocument::load(dir / "folder.ini"), Error);
}

TEST(IniDocument, LfOnlyFilesAndValueWithEquals)
{
    const auto doc = IniDocument::parse("[SHREDDING]\nFormula1=(n1+n2)=x\r\n[B]\rk=v");
    EXPECT_EQ(doc.readString("SHREDDING", "Formula1"), "(n1+n2)=x");
    EXPECT_EQ(doc.readString("B", "k"), "v");
}

} // namespace
} // namespace belvane
