#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "helpers/stakes_fixture.h"
#include "stakes/stake_access.h"
#include "stakes/stake_ops.h"
#include "support/error.h"

namespace belvane::stakes {
namespace {

using testing::stakeFor;
using testing::StakesFolder;

std::vector<int32_t> drawNumbers(const std::vector<StakeRecord>& records)
{
    std::vector<int32_t> out;
    for (const auto& r : records)
        out.push_back(r.DrawNumber);
    return out;
}

TEST(StakesFile, ReadsFromEitherEndThroughTheCache)
{
    StakesFolder f;
    EXPECT_TRUE(f.file.Empty());
    for (int d = 1; d <= 3; ++d)
        f.file.Append(stakeFor(d, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(f.file.RecordCount(), 3u);
    EXPECT_EQ(f.file.Read(0).DrawNumber, 1);
    EXPECT_EQ(f.file.Read(0, ReadOrigin::End).DrawNumber, 3);
    EXPECT_EQ(f.file.Read(2, ReadOrigin::End).DrawNumber, 1);
    // An append changes what "the last one" is: the cache must not answer.
    f.file.Append(stakeFor(4, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(f.file.Read(0, ReadOrigin::End).DrawNumber, 4);
    StakeRecord changed = f.file.Read(1);
    changed.Comment = "другой";
    f.file.Overwrite(1, changed);
    EXPECT_EQ(f.file.Read(1).Comment, "другой");
    try {
        f.file.Read(4);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "Ошибка чтения записи из файла ставок!\r\rЗапись со индексом 4 в файле данных не найдена!");
    }
    EXPECT_THROW(f.file.Overwrite(4, changed), Error);
    f.file.Close();
    try {
        f.file.Append(changed);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Ошибка добавления записи в файл ставок!\r\rФайл ставок не открыт!");
    }
}

TEST(StakesFile, StakeForSeveralDrawsPutsASeparatorBeforeEachCopy)
{
    StakesFolder f;
    AddStake(f.file, stakeFor(99, {1, 2, 3, 4, 5, 6}));
    AddStake(f.file, stakeFor(100, {7, 8, 9, 10, 11, 12}), 3);
    const auto records = f.records();
    EXPECT_EQ(drawNumbers(records), (std::vector<int32_t>{99, -1, 100, -1, 101, -1, 102}));
    EXPECT_TRUE(records[1].isSeparator());
    EXPECT_EQ(records[6].Comment, "t1");

    // An empty file, or one that already ends with a separator, gets none first.
    StakesFolder empty;
    AddStake(empty.file, stakeFor(100, {7, 8, 9, 10, 11, 12}), 2);
    EXPECT_EQ(drawNumbers(empty.records()), (std::vector<int32_t>{100, -1, 101}));
    AppendSeparator(empty.file);
    AppendSeparator(empty.file); // the file already ends with one
    AddStake(empty.file, stakeFor(5, {7, 8, 9, 10, 11, 12}), 2);
    EXPECT_EQ(drawNumbers(empty.records()), (std::vector<int32_t>{100, -1, 101, -1, 5, -1, 6}));
    StakesFolder none;
    AppendSeparator(none.file);
    EXPECT_TRUE(none.file.Empty());
}

TEST(StakesFile, RefusesCheckedStakesAndDrawNumbersPast32Bits)
{
    StakesFolder f;
    StakeRecord checked = stakeFor(10, {1, 2, 3, 4, 5, 6});
    checked.Checked = true;
    try {
        AddStake(f.file, checked);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Добавление в конец файла уже проверенной ставки!");
    }
    EXPECT_THROW(AddStake(f.file, stakeFor(2147483647, {1, 2, 3, 4, 5, 6}), 2), Error);
    EXPECT_TRUE(f.file.Empty()) << "nothing is written before the refusal";
    AddStake(f.file, stakeFor(2147483646, {1, 2, 3, 4, 5, 6}), 2);
    EXPECT_EQ(drawNumbers(f.records()), (std::vector<int32_t>{2147483646, -1, 2147483647}));

    EXPECT_FALSE(ValidateStakeDraws(2147483647, 1));
    EXPECT_EQ(*ValidateStakeDraws(2147483000, 1000), "Номер последнего тиража ставки (2147483999) больше 2147483647!");
    EXPECT_TRUE(ValidateStakeDraws(0, 1));
    EXPECT_TRUE(ValidateStakeDraws(1, 0));
    EXPECT_TRUE(ValidateStakeDraws(1, 65536));

    // The host-side operation shows the refusal.
    EXPECT_FALSE(AddStake(f.host, f.file, checked, 1));
    EXPECT_EQ(f.host.errors().back(), "Добавление в конец файла уже проверенной ставки!");
}

TEST(StakesFile, FindsAStakeByDrawAndSetOfNumbers)
{
    StakesFolder f;
    AddStake(f.file, stakeFor(7, {22, 21, 20, 15, 7, 3}));
    const std::array<model::Ball, 6> other{15, 3, 22, 7, 21, 20};
    EXPECT_TRUE(FindStake(f.file, 7, other));
    EXPECT_FALSE(FindStake(f.file, 8, other));
    const std::array<model::Ball, 6> different{15, 3, 22, 7, 21, 19};
    EXPECT_FALSE(FindStake(f.file, 7, different));
    EXPECT_FALSE(FindStake(f.file, 7, std::span(other).first(5)));
}

TEST(StakesFile, ADeletionKeepsTheFolderLocked)
{
    StakesFolder f;
    for (int d = 1; d <= 5; ++d)
        AddStake(f.file, stakeFor(d, {1, 2, 3, 4, 5, 6}));
    const std::array<size_t, 2> rows{1, 3};
    ASSERT_TRUE(DeleteStakes(f.host, f.file, rows));
    EXPECT_TRUE(f.host.questions.empty()); // the front end asked
    EXPECT_EQ(drawNumbers(f.records()), (std::vector<int32_t>{1, 3, 5}));
    EXPECT_FALSE(std::filesystem::exists(f.dir / "Belvane_6x45.~tmp"));

    // The name leads to the file we hold, and nobody else gets it.
    StakesFile second;
    EXPECT_THROW(second.Open(f.dir / testing::StakesFileName), Error);
    AddStake(f.file, stakeFor(6, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(std::filesystem::file_size(f.dir / testing::StakesFileName), 4 * StakeRecordSize);
    f.file.Close();
    second.Open(f.dir / testing::StakesFileName);
    EXPECT_EQ(second.RecordCount(), 4u);
}

// A disk that fills up part-way through a record: the file is cut back, so
// the next start does not take it for an older version and empty it.
TEST(StakesFile, FailedAppendIsRolledBack)
{
    StakesFolder f;
    AddStake(f.file, stakeFor(1, {1, 2, 3, 4, 5, 6}));
    const uint64_t before = f.file.Size();

    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = before + 100; // room for a third of a record
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    std::string message;
    try {
        AddStake(f.file, stakeFor(2, {1, 2, 3, 4, 5, 6}));
    } catch (const Error& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(message.starts_with("Ошибка добавления записи в файл ставок!\r\r")) << message;
    EXPECT_EQ(f.file.Size(), before);
    EXPECT_FALSE(f.file.IsOlderVersion());
    AddStake(f.file, stakeFor(2, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(drawNumbers(f.records()), (std::vector<int32_t>{1, 2}));
}

TEST(StakesFile, AnAppendAfterATornTailStartsOnARecordBoundary)
{
    StakesFolder f;
    AddStake(f.file, stakeFor(1, {1, 2, 3, 4, 5, 6}));
    f.file.Close();
    std::string bytes = testing::readBytes(f.dir / testing::StakesFileName) + "xyz";
    testing::writeBytes(f.dir / testing::StakesFileName, bytes);
    f.file.Open(f.dir / testing::StakesFileName);
    // A torn record is no older version: the whole records before it are this version's.
    EXPECT_FALSE(f.file.IsOlderVersion());
    EXPECT_EQ(f.file.TornTailBytes(), 3u);
    f.file.Append(stakeFor(2, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(f.file.Size(), 2 * StakeRecordSize);
    EXPECT_EQ(drawNumbers(f.records()), (std::vector<int32_t>{1, 2}));
}

} // namespace
} // namespace belvane::stakes
