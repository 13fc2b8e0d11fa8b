#include <gtest/gtest.h>

#include "helpers/temp_dir.h"
#include "systems/system_file.h"
#include "systems/system_guarantee.h"

namespace belvane::systems {
namespace {

using testing::TempDir;
using testing::writeBytes;

SystemGuarantee guarantee(std::array<int, 7> byCondition)
{
    SystemGuarantee g;
    g.ByCondition = byCondition;
    return g;
}

TEST(SystemGuarantee, TextsOfAMetAndAnUnmetBlock)
{
    const SystemGuarantee g = guarantee({0, 1, 2, 2, 3, 3, 3});
    EXPECT_EQ(g.ConditionFor(3), 4);
    EXPECT_EQ(g.ConditionFor(2), 2);
    EXPECT_FALSE(g.ConditionFor(4));
    EXPECT_EQ(GuaranteeText(g, 3), "3 из 4");
    EXPECT_EQ(GuaranteeText(g, 4), "не выполняется (3 из 6)");
    EXPECT_TRUE(g.Meets(3));
    EXPECT_FALSE(g.Meets(4));
    EXPECT_TRUE(g.Meets(0));
}

TEST(SystemGuarantee, TheRecordHoldsOnlyForTheContentsItWasMadeFor)
{
    TempDir dir;
    const auto file = dir.path() / "6-12-3_0001.dat";
    const SystemGuarantee g = guarantee({0, 1, 2, 2, 3, 3, 3});
    WriteGuarantee(file, "01 02 03 04 05 06\r\n", g);
    EXPECT_EQ(GuaranteeFile(file).filename(), "6-12-3_0001.guarantee");
    EXPECT_EQ(ReadGuarantee(file, "01 02 03 04 05 06\r\n"), g);
    EXPECT_FALSE(ReadGuarantee(file, "01 02 03 04 05 07\r\n"));
    EXPECT_FALSE(ReadGuarantee(dir.path() / "6-12-3_0002.dat", "01 02 03 04 05 06\r\n"));
    // A damaged record is no record: never a guarantee the lines do not give.
    std::string text = testing::readBytes(GuaranteeFile(file));
    writeBytes(GuaranteeFile(file), text.substr(0, text.size() - 4));
    EXPECT_FALSE(ReadGuarantee(file, "01 02 03 04 05 06\r\n"));
    const size_t last = text.rfind(' ');
    writeBytes(GuaranteeFile(file), text.substr(0, last) + " 7\r\n"); // 7 of 6
    EXPECT_FALSE(ReadGuarantee(file, "01 02 03 04 05 06\r\n"));
}

TEST(SystemGuarantee, ReplacingASystemRemovesTheOldRecord)
{
    TempDir dir;
    writeBytes(dir.path() / "a.txt", "1 2 3 4 5 6\r\n2 3 4 5 6 7\r\n");
    const InstalledSystem first = InstallSystem(dir.path() / "Systems", dir.path() / "a.txt", 5, 1);
    EXPECT_TRUE(std::filesystem::exists(GuaranteeFile(first.Path)));
    EXPECT_EQ(first.Verified.Block(), 5);
    // Five of six drawn always lie in a line, five of five not ({1, 7} is in none).
    EXPECT_TRUE(first.BlockMet());
    EXPECT_EQ(first.Verified.ConditionFor(5), 6);
    const InstalledSystem second = InstallSystem(dir.path() / "Systems", dir.path() / "a.txt", 4, 2);
    EXPECT_EQ(second.Removed, 1);
    EXPECT_FALSE(std::filesystem::exists(first.Path));
    EXPECT_FALSE(std::filesystem::exists(GuaranteeFile(first.Path)));
    EXPECT_TRUE(second.BlockMet());
    EXPECT_EQ(second.Verified.ConditionFor(4), 5);
}

} // namespace
} // namespace belvane::systems
