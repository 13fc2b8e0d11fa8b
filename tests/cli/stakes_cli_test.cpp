#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "stakes/stake_record.h"
#include "support/cp1251.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

// A cost of 2 and prizes 3 -> 10, 4 -> 100, 5 -> 5000, 6 -> 1000000.
constexpr std::string_view kConfig = "[STAKES]\r\nCost=2\r\nProfits=4\r\n"
                                     "Profit_0_Overlap=3\r\nProfit_0_Profit=10\r\n"
                                     "Profit_1_Overlap=4\r\nProfit_1_Profit=100\r\n"
                                     "Profit_2_Overlap=5\r\nProfit_2_Profit=5000\r\n"
                                     "Profit_3_Overlap=6\r\nProfit_3_Profit=1000000\r\n";

class StakesCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeBytes(dir / "Belvane_6x45.ini", kConfig);
        writeBytes(dir / "draws.csv", "1;\"07/12/2002\";10;23;29;33;37;40;16\r\n"
                                      "2;\"14/12/2002\";3;7;15;16;19;43;21\r\n");
        ASSERT_EQ(run({"draws", "import", (dir / "draws.csv").string()}).exitCode, 0);
    }
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    TempDir dir;
};

TEST_F(StakesCli, AStakeOnAKnownDrawIsCheckedAtOnce)
{
    auto r = run({"--offset", "1", "stakes", "add", "22;21;20;15;7;3", "--comment", "t1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Ставка на тираж 2: 3;7;15;20;21;22\nСовпадений: 3 (3 7 15). Профит: 8.00\nСтавок: 1\n");
    const std::string bytes = readBytes(dir / "Belvane_6x45.lsk");
    ASSERT_EQ(bytes.size(), 312u);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[36], 3); // matches

    r = run({"ratings", "list", "--format", "tsv", "--mode", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto rows = text::splitLines(r.out);
    ASSERT_EQ(rows.size(), 2u);
    const auto cells = text::split(rows[1], "\t", false);
    EXPECT_EQ(cells[0], "t1");
    EXPECT_EQ(cells[4], "8.00");
    EXPECT_EQ(cells[9], "1");

    ASSERT_EQ(run({"ratings", "export", (dir / "r.csv").string()}).exitCode, 0);
    EXPECT_EQ(cp1251::toUtf8(readBytes(dir / "r.csv")),
              "\"Комментарий\";\"Ставок\";\"Угадано\";\"Среднее\";\"Профит\";\"Ср. профит\";\"0\";\"1\";\"2\";\"3\";"
              "\"4\";\"5\";\"6\"\r\n\"t1\";1;3;3.000;8.00;8.00;0;0;0;1;0;0;0\r\n");
}

// "Выборка" of the stakes listed, in order.
std::vector<std::string> listSizes(const CliResult& list)
{
    std::vector<std::string> sizes;
    const auto rows = text::splitLines(list.out);
    for (size_t i = 1; i < rows.size(); ++i)
        sizes.emplace_back(text::split(rows[i], "\t", false).at(4));
    return sizes;
}

// A stake made without a list of its own records the list the saved
// generation settings give, as the desktop program has it from the start.
TEST_F(StakesCli, AStakeRecordsTheSizeOfTheListItCameFrom)
{
    ASSERT_EQ(run({"stakes", "add", "1;2;3;4;5;6"}).exitCode, 0);
    auto r = run({"draws", "summary"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\nКомбинаций: 8145060\n"), std::string::npos) << r.out;

    writeBytes(dir / "three.lcv", "1;2;3;4;5;6\r\n1;2;3;4;5;7\r\nnone\r\n1;2;3;4;5;8\r\n");
    ASSERT_EQ(run({"stakes", "add-list", "--in", (dir / "three.lcv").string(), "--rows", "2"}).exitCode, 0);
    ASSERT_EQ(run({"tables", "add", "--comment", "r", "--start", "1;2;3;4;5;6"}).exitCode, 0);
    ASSERT_EQ(run({"tables", "stake", "1"}).exitCode, 0);

    // Only my seven numbers: seven combinations.
    writeBytes(dir / "Belvane_6x45.ini",
               std::string(kConfig) + "[GLOBAL]\r\nCombsGenerateMode=2\r\nCombsGenerateParameters=1,2,3,4,5,6,7\r\n");
    ASSERT_EQ(run({"stakes", "add", "1;2;3;4;5;7"}).exitCode, 0);
    EXPECT_NE(run({"draws", "summary"}).out.find("\nКомбинаций: 7\n"), std::string::npos);
    // A list file: the combinations in it.
    writeBytes(dir / "Belvane_6x45.ini", std::string(kConfig) + "[GLOBAL]\r\nCombsGenerateMode=4\r\n" +
                                             "CombsGenerateParameters=" + (dir / "three.lcv").string() + "\r\n");
    ASSERT_EQ(run({"stakes", "add", "1;2;3;4;5;8"}).exitCode, 0);
    ASSERT_EQ(run({"tables", "stake", "1"}).exitCode, 0);

    r = run({"stakes", "list", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(listSizes(r), (std::vector<std::string>{"8145060", "3", "8145060", "7", "3", "3"}));

    // A list file that is gone: the same error as at the desktop program's start.
    std::filesystem::remove(dir / "three.lcv");
    r = run({"draws", "summary"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("\nКомбинаций: 0\n"), std::string::npos);
    EXPECT_TRUE(r.err.starts_with("Ошибка генерации файла комбинаций!")) << r.err;
}

TEST_F(StakesCli, AStakeForAFutureDrawWaitsForItsDraw)
{
    auto r = run({"stakes", "add", "3;7;15;16;19;44", "--draws", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Ставка на тираж 3: 3;7;15;16;19;44\nСтавок: 3\n"); // stake, separator, stake
    r = run({"stakes", "list", "--format", "tsv"});
    auto rows = text::splitLines(r.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(text::split(rows[1], "\t", false)[6], ""); // unchecked: no matches yet
    EXPECT_EQ(text::split(rows[1], "\t", false)[8], "-2.00");

    // The draw arrives: adding it checks the stakes.
    ASSERT_EQ(run({"draws", "add", "3;7;15;16;19;44;1"}).exitCode, 0);
    r = run({"stakes", "list", "--format", "tsv"});
    rows = text::splitLines(r.out);
    const auto cells = text::split(rows[1], "\t", false);
    EXPECT_EQ(cells[6], "6");
    EXPECT_EQ(cells[8], "999998.00");
    EXPECT_EQ(text::split(rows[3], "\t", false)[6], ""); // draw 4 is still to come

    EXPECT_EQ(run({"stakes", "delete", "--matches", ">=", "7"}).exitCode, 1);
    r = run({"stakes", "delete", "--matches", ">=", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Удалено записей: 1\nСтавок: 2\n"); // the separator and the unchecked stake stay
    r = run({"stakes", "delete", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Удалено записей: 1\nСтавок: 1\n");
    EXPECT_EQ(run({"stakes", "delete", "9"}).exitCode, 1);
    r = run({"--yes", "stakes", "clear"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Удалено записей: 1\nСтавок: 0\n");
}

TEST_F(StakesCli, StakesFromAListFile)
{
    writeBytes(dir / "l.lcv", "1;2;3;4;5;6\r\n3;7;15;16;19;43\r\n10;11;12;13;14;15\r\n");
    auto r = run({"--offset", "1", "stakes", "add-list", "--in", (dir / "l.lcv").string(), "--rows", "2,3", "--comment",
                  "список"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Сделано ставок: 2\nСтавок: 2\n");
    r = run({"stakes", "list", "--format", "tsv"});
    const auto rows = text::splitLines(r.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(text::split(rows[1], "\t", false)[6], "6");
    EXPECT_EQ(text::split(rows[1], "\t", false)[4], "3"); // the list's size
    EXPECT_EQ(run({"stakes", "add-list", "--in", (dir / "l.lcv").string(), "--rows", "4"}).exitCode, 1);
    EXPECT_EQ(run({"stakes", "add", "1;2;3;4;5;5"}).exitCode, 1);
}

TEST_F(StakesCli, ListingAFileFarBiggerThanItsMemoryStreamsIt)
{
#if defined(__SANITIZE_ADDRESS__)
    // The address sanitizer's own bookkeeping does not fit under the cap.
    GTEST_SKIP() << "memory cap and address sanitizer do not mix";
#endif
    // 150,000 stakes (47 MB): a listing that held them all would need well over 100 MB.
    constexpr size_t kStakes = 150000;
    std::array<uint8_t, stakes::StakeRecordSize> record{};
    stakes::EncodeStake(stakes::MakeStake(stakes::StakeKind::Scenario, 3, {1, 2, 3, 4, 5, 6}, 1000,
                                          "01.001: @ FULL#ALL + NUMS:1#CLV:0", -2 * MoneyScale),
                        record);
    std::string bytes;
    bytes.reserve(kStakes * record.size());
    for (size_t i = 0; i < kStakes; ++i)
        bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    writeBytes(dir / "Belvane_6x45.lsk", bytes);

    CliRunOptions limited;
    limited.dataLimitBytes = 40u << 20;
    for (const std::string format : {"tsv", "text"}) {
        SCOPED_TRACE(format);
        const CliResult r = runCli({"--data-dir", dir.path().string(), "stakes", "list", "--format", format}, limited);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'),
                  static_cast<long>(kStakes + (format == "text" ? 2 : 1)));
        const size_t last = r.out.rfind(format == "tsv" ? "\n150000\t" : "\n150000 ");
        ASSERT_NE(last, std::string::npos);
        EXPECT_NE(r.out.find("01.001: @ FULL#ALL + NUMS:1#CLV:0", last), std::string::npos);
    }
}

} // namespace
} // namespace belvane::testing
