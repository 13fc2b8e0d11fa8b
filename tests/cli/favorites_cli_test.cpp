#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "support/ini_document.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

class FavoritesCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    // The row of a method in "favorites list --format tsv".
    std::string rowOf(std::string_view id)
    {
        const CliResult r = run({"favorites", "list", "--format", "tsv"});
        for (std::string_view line : text::splitLines(r.out))
            if (line.starts_with(std::string(id) + "\t"))
                return std::string(line);
        return {};
    }
    TempDir dir;
};

TEST_F(FavoritesCli, SetListsOnlyTheGivenMethodsAndEmptyMeansAll)
{
    auto r = run({"favorites", "list", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "ID\tИзбранный\tНазвание\tНазвание пользователя");
    EXPECT_EQ(lines[1], "NUMS\t+\tЧисла тиража\t");

    r = run({"favorites", "set", "sums, nums"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Избранные методы: NUMS,SUMS\n");
    EXPECT_EQ(IniDocument::load(dir / "Belvane_6x45.flt").readString("FILTERS", "Favorites"), "NUMS,SUMS");
    EXPECT_EQ(rowOf("DIGS").substr(0, 7), "DIGS\t-\t");
    EXPECT_EQ(rowOf("SUMS").substr(0, 7), "SUMS\t+\t");

    // An unknown method changes nothing.
    r = run({"favorites", "set", "NUMS,XXXX"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Метод расчета статистики \"XXXX\" не найден!\n");
    EXPECT_EQ(IniDocument::load(dir / "Belvane_6x45.flt").readString("FILTERS", "Favorites"), "NUMS,SUMS");

    r = run({"favorites", "set", ""});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Избранные методы: все\n");
    EXPECT_EQ(rowOf("DIGS").substr(0, 7), "DIGS\t+\t");
    EXPECT_EQ(run({"favorites"}).exitCode, 2);
}

TEST_F(FavoritesCli, RenameResetNameExportAndImport)
{
    auto r = run({"favorites", "rename", "nums", "Мои числа"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "NUMS: Мои числа\n");
    EXPECT_EQ(rowOf("NUMS"), "NUMS\t+\tМои числа\tМои числа");
    // The method's own caption in another case stores nothing.
    ASSERT_EQ(run({"favorites", "rename", "DIGS", "ЦИФРЫ ТИРАЖА"}).exitCode, 0);
    EXPECT_FALSE(IniDocument::load(dir / "Belvane_6x45.flt").valueExists("STRINGS_RUS", "DIGS"));
    EXPECT_EQ(run({"favorites", "rename", "XXXX", "x"}).exitCode, 1);

    const auto names = dir / "names.flt";
    r = run({"favorites", "export", names.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(IniDocument::load(names).readString("STRINGS_RUS", "NUMS"), "Мои числа");
    EXPECT_EQ(IniDocument::load(names).readString("STRINGS_RUS", "SUMS"), "Сумма тиража: все значения");

    r = run({"favorites", "reset-name", "NUMS"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "NUMS: Числа тиража\n");
    EXPECT_FALSE(IniDocument::load(dir / "Belvane_6x45.flt").valueExists("STRINGS_RUS", "NUMS"));

    ASSERT_EQ(run({"favorites", "import", names.string()}).exitCode, 0);
    EXPECT_EQ(rowOf("NUMS"), "NUMS\t+\tМои числа\tМои числа");
    r = run({"favorites", "import", (dir / "missing.flt").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.starts_with("Ошибка загрузки списка фильтров!")) << r.err;
    r = run({"favorites", "export", (dir / "Belvane_6x45.flt").string()});
    EXPECT_EQ(r.exitCode, 1);
}

} // namespace
} // namespace belvane::testing
