#include <gtest/gtest.h>

#include "helpers/temp_dir.h"
#include "support/error.h"
#include "systems/system_file.h"
#include "systems/system_play.h"

namespace belvane::systems {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

std::string message(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

TEST(SystemFile, NamesAndTheirMask)
{
    EXPECT_EQ(SystemFileName({12, 3, 42}), "6-12-3_0042.dat");
    EXPECT_EQ(ParseSystemFileName("6-12-3_0042.dat"), (SystemName{12, 3, 42}));
    EXPECT_EQ(ParseSystemFileName("6-07-x_y.DAT"), (SystemName{7, -1, -1})); // fits the mask, parts unknown
    EXPECT_FALSE(ParseSystemFileName("6-12-3-0042.dat"));
    EXPECT_FALSE(ParseSystemFileName("5-12-3_0042.dat"));
    EXPECT_FALSE(ParseSystemFileName("6-1-3_0042.dat"));
    EXPECT_FALSE(ParseSystemFileName("6-12-3_0042.txt"));
}

TEST(SystemFile, LinesSeparatedByAnyRunOfSeparators)
{
    EXPECT_EQ(ParseSystemLine("1,2;3 4-5/6"), (SystemLine{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ParseSystemLine(" 01*02+03.04:05=06\\ "), (SystemLine{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ParseSystemLine("1__2||3~~4 5 6"), (SystemLine{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(ParseSystemLine("1 2 3 4 5"));
    EXPECT_FALSE(ParseSystemLine("1 2 3 4 5 6 7"));
    EXPECT_FALSE(ParseSystemLine("1 2 3 4 5 x"));
    EXPECT_EQ(NormalizeSystemText("1,2;3 4-5/6\r\n1 2 3 4 5\r\n7 8 9 10 11 12"),
              "01 02 03 04 05 06\r\n07 08 09 10 11 12");
}

TEST(SystemFile, EveryLineIsCheckedAgainstTheCount)
{
    EXPECT_EQ(ParseSystemText("1 2 3 4 5 6\r\n\r\n2 3 4 5 6 7\r\n", 7, "6-07-0_0001.dat").size(), 2u);
    const std::string outside = message([] { ParseSystemText("1 2 3 4 5 6\n1 2 3 4 5 8\n", 7, "6-07-0_0001.dat"); });
    EXPECT_NE(outside.find("Некорректная строка 2 в файле системы \"6-07-0_0001.dat\""), std::string::npos) << outside;
    EXPECT_NE(outside.find("от 1 до 7"), std::string::npos);
    EXPECT_NE(message([] { ParseSystemText("1 2 3 4 5 5\n", 7, "f"); }), "");
    EXPECT_NE(message([] { ParseSystemText("0 2 3 4 5 6\n", 7, "f"); }), "");
    EXPECT_NE(message([] { ParseSystemText("1 2 3 4 5\n", 7, "f"); }), "");
}

TEST(SystemFile, LookupInNameOrderAndInstallReplacesTheOldSystem)
{
    TempDir dir;
    const auto folder = dir / "Systems";
    std::filesystem::create_directories(folder);
    writeBytes(folder / "6-07-2_0005.dat", "1 2 3 4 5 6\r\n");
    writeBytes(folder / "6-07-1_0009.dat", "2 3 4 5 6 7\r\n");
    writeBytes(folder / "6-08-0_0001.dat", "1 2 3 4 5 6\r\n");
    EXPECT_EQ(FindSystemFile(folder, 7)->filename(), "6-07-1_0009.dat");
    EXPECT_EQ(ReadSystemFile(*FindSystemFile(folder, 7)), (std::vector<SystemLine>{{2, 3, 4, 5, 6, 7}}));
    EXPECT_FALSE(FindSystemFile(folder, 9));

    writeBytes(dir / "mine.txt", "1,2,3,4,5,6\n2;3;4;5;6;7\n\n1-3-4-5-6-7\n");
    const InstalledSystem installed = InstallSystem(folder, dir / "mine.txt", 3, std::nullopt);
    EXPECT_EQ(installed.Path.filename(), "6-07-3_0010.dat"); // the next free id
    EXPECT_EQ(installed.Lines, 3);
    EXPECT_EQ(installed.Removed, 2);
    EXPECT_EQ(readBytes(installed.Path), "01 02 03 04 05 06\r\n02 03 04 05 06 07\r\n01 03 04 05 06 07\r\n");
    const auto local = LocalSystems(folder);
    ASSERT_EQ(local.size(), 2u);
    EXPECT_EQ(local[0].Path.filename(), "6-07-3_0010.dat");
    EXPECT_EQ(local[1].Name.Numbers, 8);

    // A bad line names the file and the line, and nothing is installed or removed.
    writeBytes(dir / "bad.txt", "1 2 3 4 5 6\n1 2 3 4 5\n");
    const std::string bad = message([&] { InstallSystem(folder, dir / "bad.txt", 0, 5); });
    EXPECT_NE(bad.find("Некорректная строка 2 в файле системы \"bad.txt\""), std::string::npos) << bad;
    writeBytes(dir / "small.txt", "1 2 3 4 5 6\n");
    EXPECT_EQ(message([&] { InstallSystem(folder, dir / "small.txt", 0, 5); }),
              "Указано недопустмое количество используемых чисел!");
    EXPECT_EQ(message([&] { InstallSystem(folder, dir / "mine.txt", 6, 5); }), "Указан недопустмый размер блока!");
    EXPECT_EQ(LocalSystems(folder).size(), 2u);

    // A folder that cannot be made: the system is not saved, and says which.
    writeBytes(dir / "taken", "");
    EXPECT_TRUE(message([&] {
                    InstallSystem(dir / "taken", dir / "mine.txt", 3, 5);
                }).starts_with("Ошибка сохранения системы #5!\r\rОшибка создания папки"));
    EXPECT_THROW(InstallSystem(dir / "taken" / "below", dir / "mine.txt", 3, 5), SystemSaveFailed);

    // A hand-made file with a bad line is listed with its problem.
    writeBytes(folder / "6-09-0_0002.dat", "1 2 3 4 5 10\r\n");
    EXPECT_NE(LocalSystems(folder)[2].Problem, "");
}

TEST(SystemPlay, PositionsMapOntoTheNumbersInOrderOfAppearance)
{
    const std::vector<model::TComb> list = {{15, 3, 8, 21, 30, 44}, {3, 8, 9, 15, 21, 30}};
    const auto numbers = CollectNumbers(list);
    EXPECT_EQ(numbers, (std::vector<model::Ball>{15, 3, 8, 21, 30, 44, 9}));
    EXPECT_EQ(MapSystemLine({1, 2, 3, 4, 5, 6}, numbers), (model::TComb{3, 8, 15, 21, 30, 44}));
    EXPECT_EQ(MapSystemLine({7, 1, 2, 3, 4, 5}, numbers), (model::TComb{3, 8, 9, 15, 21, 30}));

    TempDir dir;
    ListSystem none = LoadSystemForList(dir.path(), list);
    EXPECT_FALSE(none.Found());
    EXPECT_EQ(none.Failure, "Система для 7 чисел не найдена или не загружена на компьютер!");
    writeBytes(dir / "6-07-0_0001.dat", "1 2 3 4 5 6\r\n7 1 2 3 4 5\r\n");
    const ListSystem found = LoadSystemForList(dir.path(), list);
    ASSERT_TRUE(found.Found());
    EXPECT_EQ(found.Title(), "6-07-0_0001");
    EXPECT_EQ(found.Combs.size(), 2u);
}

} // namespace
} // namespace belvane::systems
