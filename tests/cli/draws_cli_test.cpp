#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "model/draws_file.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

class DrawsCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    model::TDrawsArray archive() const { return model::ReadDrawsFile(dir / "Belvane_6x45.ldr").draws; }

    TempDir dir;
};

TEST_F(DrawsCli, UsageAndHelp)
{
    EXPECT_EQ(runCli({}).exitCode, 2);
    EXPECT_EQ(runCli({"draws"}).exitCode, 2);
    EXPECT_EQ(runCli({"draws", "list", "--format", "xml"}).exitCode, 2);
    EXPECT_EQ(runCli({"--bogus"}).exitCode, 2);
    for (auto args : {std::vector<std::string>{"--help"}, {"draws", "--help"}, {"draws", "add", "--help"}}) {
        const auto r = runCli(args);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_NE(r.out.find("Usage"), std::string::npos);
    }
}

TEST_F(DrawsCli, DemoThenListAsTsv)
{
    auto r = run({"draws", "demo", "--count", "3", "--seed", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("синтетические"), std::string::npos);
    EXPECT_EQ(run({"draws", "demo"}).exitCode, 1); // only into an empty folder

    r = run({"draws", "list", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0);
    const auto lines = text::splitLines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Тираж\t1\t2\t3\t4\t5\t6\tE\tS\tДата тиража");
    EXPECT_TRUE(lines[1].starts_with("3\t"));
    EXPECT_TRUE(lines[3].starts_with("1\t"));
    EXPECT_TRUE(lines[3].ends_with("\t04/01/2003"));
}

TEST_F(DrawsCli, AddEditDelete)
{
    auto r = run({"draws", "add", "44;1;30;2;29;3;45", "--date", "07/03/2015"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = run({"draws", "add", "5,6,7,8,9,10,5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto draws = archive();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].Number, 1);
    EXPECT_EQ(draws[0].Balls, (model::TComb{44, 1, 30, 2, 29, 3}));
    EXPECT_EQ(draws[0].dateText(), "07/03/2015");
    EXPECT_EQ(draws[1].Number, 2);
    EXPECT_EQ(draws[1].dateInt(), model::DateToInt(model::Today()));

    r = run({"draws", "list", "--sorted", "--format", "tsv"});
    EXPECT_NE(r.out.find("1\t1\t2\t3\t29\t30\t44\t45\t109\t07/03/2015"), std::string::npos) << r.out;

    r = run({"draws", "add", "1;2;3;4;5;5;7"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Введена некорректная комбинация!\n");
    EXPECT_EQ(run({"draws", "add", "1;2;3;4;5;6;7", "--date", "7/3/2015"}).exitCode, 1);
    EXPECT_EQ(archive().size(), 2u);

    r = run({"draws", "edit", "1", "1;2;3;4;5;6;7"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(archive()[0].Balls, (model::TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(archive()[0].dateText(), "07/03/2015"); // the date stays unless given
    EXPECT_EQ(run({"draws", "edit", "1", "1;2;3"}).exitCode, 1);
    EXPECT_EQ(run({"draws", "edit", "9", "1;2;3;4;5;6;7"}).exitCode, 1);

    r = run({"draws", "delete", "1", "7"});
    EXPECT_EQ(r.exitCode, 1); // 7 is not there: nothing is deleted
    EXPECT_EQ(archive().size(), 2u);
    r = run({"draws", "delete", "1", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(archive().empty());
    EXPECT_EQ(std::filesystem::file_size(dir / "Belvane_6x45.ldr"), 0u);
}

TEST_F(DrawsCli, ImportExportRealArchive)
{
    BELVANE_REQUIRE_SHARED_DATA(csv, "draws-6x45-real.csv");
    auto r = run({"draws", "import", csv.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Добавлено тиражей: 1177"), std::string::npos);
    EXPECT_EQ(archive().size(), 1177u);

    r = run({"draws", "export", (dir / "out.csv").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Выгружено тиражей: 1177"), std::string::npos);
    EXPECT_EQ(readBytes(dir / "out.csv"), readBytes(csv));

    r = run({"draws", "import", (dir / "out.csv").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Добавлено тиражей: 0"), std::string::npos);
    EXPECT_EQ(archive().size(), 1177u);

    EXPECT_EQ(run({"draws", "import", (dir / "missing.csv").string()}).exitCode, 1);
}

} // namespace
} // namespace belvane::testing
