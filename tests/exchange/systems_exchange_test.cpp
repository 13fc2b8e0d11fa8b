// The systems catalogue through the systems service of a workspace, against
// the exchange service on 127.0.0.1.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/library_service.h"
#include "app/scenario_service.h"
#include "app/systems_service.h"
#include "helpers/exchange_service.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "support/error.h"
#include "systems/system_file.h"

namespace belvane::app {
namespace {

namespace fs = std::filesystem;

void writeOnline(const fs::path& folder, const std::string& url, const std::string& name, const std::string& mail)
{
    fs::create_directories(folder);
    testing::writeBytes(DataFiles(folder).config(),
                        "[ONLINE]\r\nServiceUrl=" + url + "\r\nUserName=" + name + "\r\nUserMail=" + mail + "\r\n");
}

systems::tSystemData twelve(std::string title)
{
    systems::tSystemData s;
    s.Title = std::move(title);
    s.Author = "Ivan";
    s.Description = "Семь строк";
    s.Numbers = 12;
    s.Block = 3;
    s.Combs = "1,2;3 4-5/6\r\n7 8 9 10 11 12\r\n1 3 5 7 9 11\r\nfive 1 2 3 4\r\n";
    return s;
}

struct SystemsExchangeTest : ::testing::Test {
    testing::ExchangeService service;
    testing::TempDir dir;
};

TEST_F(SystemsExchangeTest, AddListDownloadPropertiesDelete)
{
    writeOnline(dir / "a", service.url(), "Ivan", "ivan@x");
    writeOnline(dir / "b", service.url(), "Petr", "petr@x");
    testing::StartedWorkspace a(dir / "a");
    testing::StartedWorkspace b(dir / "b");

    // The dialog's lines normalised: three lines of six, the line of five dropped.
    const auto id = a->Systems().PublishOnline(twelve("Двенадцать"));
    ASSERT_TRUE(id) << a.host.errors().at(0);
    auto catalogue = b->Systems().ListOnline();
    ASSERT_TRUE(catalogue.Available);
    ASSERT_EQ(catalogue.Systems.size(), 1u);
    const systems::tSystemData listed = catalogue.Systems[0];
    EXPECT_EQ(listed.Id, *id);
    EXPECT_EQ(listed.Title, "Двенадцать");
    EXPECT_EQ(listed.CombCount, 3);
    // A contact is listed to its author only.
    EXPECT_TRUE(listed.AuthorMail.empty());
    const systems::tSystemData own = a->Systems().ListOnline().Systems.at(0);
    EXPECT_EQ(own.AuthorMail, "ivan@x");
    EXPECT_FALSE(b->Systems().IsOwn(listed));
    EXPECT_TRUE(a->Systems().IsOwn(own));
    EXPECT_FALSE(b->Systems().LocalFile(listed));

    // Download: the file of its count, dated at the created time.
    EXPECT_EQ(b->Systems().DownloadOnline(catalogue.Systems), 1);
    const auto file = b->Systems().LocalFile(listed);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->filename(), systems::SystemFileName({12, 3, *id}));
    EXPECT_EQ(testing::readBytes(*file), "01 02 03 04 05 06\r\n07 08 09 10 11 12\r\n01 03 05 07 09 11\r\n");
    EXPECT_FALSE(systems::FileTimeDiffers(*file, listed.Created));

    // A second system for twelve numbers replaces the first file.
    systems::tSystemData second = twelve("Вторая");
    const auto secondId = a->Systems().PublishOnline(second);
    ASSERT_TRUE(secondId);
    catalogue = b->Systems().ListOnline();
    ASSERT_EQ(catalogue.Systems.size(), 2u);
    EXPECT_EQ(b->Systems().DownloadOnline(std::span(catalogue.Systems).subspan(1)), 1);
    EXPECT_FALSE(fs::exists(*file));
    EXPECT_EQ(b->Systems().Local().size(), 1u);

    // Properties: only the author replaces; the lines come back normalised.
    const auto combs = a->Systems().FetchOnline(catalogue.Systems[0]);
    ASSERT_TRUE(combs);
    EXPECT_EQ(*combs, "01 02 03 04 05 06\r\n07 08 09 10 11 12\r\n01 03 05 07 09 11\r\n");
    systems::tSystemData edited = a->Systems().ListOnline().Systems[0];
    edited.Combs = *combs + "2 4 6 8 10 12\r\n";
    edited.Description = "Четыре строки";
    systems::tSystemData foreign = catalogue.Systems[0];
    foreign.Combs = edited.Combs;
    foreign.Description = edited.Description;
    EXPECT_FALSE(b->Systems().PublishOnline(foreign));
    EXPECT_EQ(a->Systems().PublishOnline(edited), listed.Id);
    EXPECT_EQ(b->Systems().ListOnline().Systems[0].CombCount, 4);

    // Delete: only one's own; the local file goes with it.
    const systems::tSystemData downloaded = b->Systems().ListOnline().Systems[1];
    EXPECT_FALSE(b->Systems().DeleteOnline(downloaded));
    EXPECT_EQ(b.host.errors().back(), "Вы можете удалять только свои системы!");
    ASSERT_TRUE(a->Systems().DeleteOnline(a->Systems().ListOnline().Systems[1]));
    EXPECT_EQ(b->Systems().ListOnline().Systems.size(), 1u);
}

TEST_F(SystemsExchangeTest, ADownloadRecordsTheVerifiedGuaranteeAndFlagsABlockNotMet)
{
    writeOnline(dir / "a", service.url(), "Ivan", "ivan@x");
    writeOnline(dir / "b", service.url(), "Petr", "petr@x");
    testing::StartedWorkspace a(dir / "a");
    testing::StartedWorkspace b(dir / "b");
    // Three lines over twelve numbers: 2 4 6 8 10 12 meets each in three at most.
    systems::tSystemData few = twelve("Мало");
    few.Block = 4;
    ASSERT_TRUE(a->Systems().PublishOnline(few));
    // All six of seven: every 5-subset lies in a line.
    systems::tSystemData seven = twelve("Все");
    seven.Numbers = 7;
    seven.Block = 5;
    seven.Combs = "1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n1 2 3 4 6 7\r\n1 2 3 5 6 7\r\n1 2 4 5 6 7\r\n1 3 4 5 6 7\r\n"
                  "2 3 4 5 6 7\r\n";
    ASSERT_TRUE(a->Systems().PublishOnline(seven));
    const auto catalogue = b->Systems().ListOnline();
    ASSERT_EQ(catalogue.Systems.size(), 2u);
    EXPECT_EQ(b->Systems().DownloadOnline(catalogue.Systems), 2);
    ASSERT_EQ(b.host.warnings().size(), 1u);
    EXPECT_NE(b.host.warnings()[0].find("не дает заявленного блока 4"), std::string::npos) << b.host.warnings()[0];
    EXPECT_TRUE(b.host.errors().empty());
    const auto local = b->Systems().Local();
    ASSERT_EQ(local.size(), 2u);
    for (const systems::LocalSystem& s : local) {
        ASSERT_TRUE(s.Verified) << s.Path;
        EXPECT_EQ(s.Verified->Meets(s.Name.Block), s.Name.Numbers == 7) << s.Path;
    }
    EXPECT_EQ(local[0].Verified->ConditionFor(5), 5); // 6-07-5_...
    EXPECT_EQ(local[1].Verified->Block(), 3);         // 6-12-4_...
}

// The service sent the system; only keeping it here failed.
TEST_F(SystemsExchangeTest, AFetchedSystemThatCannotBeWrittenIsASaveFailure)
{
    writeOnline(dir / "a", service.url(), "Ivan", "ivan@x");
    writeOnline(dir / "b", service.url(), "Petr", "petr@x");
    testing::StartedWorkspace a(dir / "a");
    testing::StartedWorkspace b(dir / "b");
    const auto id = a->Systems().PublishOnline(twelve("Двенадцать"));
    ASSERT_TRUE(id);
    testing::writeBytes(b->Files().systemsFolder(), "not a folder");
    const auto catalogue = b->Systems().ListOnline();
    ASSERT_EQ(catalogue.Systems.size(), 1u);
    EXPECT_EQ(b->Systems().DownloadOnline(catalogue.Systems), 0);
    ASSERT_EQ(b.host.errors().size(), 1u);
    const std::string shown = b.host.errors().back();
    EXPECT_TRUE(shown.starts_with(fmt::format("Ошибка сохранения системы #{}!\r\rОшибка создания папки", *id)))
        << shown;
    EXPECT_EQ(testing::readBytes(b->Files().systemsFolder()), "not a folder");
}

TEST_F(SystemsExchangeTest, RefusedAndUnavailableExchangesAreShown)
{
    writeOnline(dir / "a", service.url(), "Ivan", "ivan@x");
    testing::StartedWorkspace a(dir / "a");
    systems::tSystemData noTitle = twelve(" ");
    EXPECT_FALSE(a->Systems().PublishOnline(noTitle));
    EXPECT_EQ(a.host.errors().back(), "Название системы должно быть указано обязательно!");
    systems::tSystemData six = twelve("Шесть");
    six.Numbers = 6;
    EXPECT_FALSE(a->Systems().PublishOnline(six));
    EXPECT_EQ(a.host.errors().back(), "Указано недопустмое количество используемых чисел!");

    // A system the service announces with more lines than it sends is not written.
    systems::tSystemData wrong;
    wrong.Id = 77;
    wrong.Numbers = 7;
    wrong.CombCount = 2;
    EXPECT_THROW(systems::SaveFetchedSystem(dir / "s", wrong, "1 2 3 4 5 6\r\n"), Error);
    EXPECT_THROW(systems::SaveFetchedSystem(dir / "s", wrong, "1 2 3 4 5 6\r\n1 2 3 4 5 8\r\n"), Error);
    wrong.Numbers = 46;
    EXPECT_THROW(systems::SaveFetchedSystem(dir / "s", wrong, "1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n"), Error);
    EXPECT_FALSE(fs::exists(dir / "s") && !fs::is_empty(dir / "s"));

    // Nothing listed: one placeholder row and the message.
    writeOnline(dir / "c", "", "Ivan", "ivan@x");
    testing::StartedWorkspace c(dir / "c");
    const auto catalogue = c->Systems().ListOnline();
    EXPECT_FALSE(catalogue.Available);
    ASSERT_EQ(catalogue.Systems.size(), 1u);
    EXPECT_EQ(catalogue.Systems[0].Title, SystemsUnavailableTitle);
    EXPECT_TRUE(
        c.host.errors().back().starts_with("Ошибка загрузки списка систем!\r\rАдрес сервиса обмена не указан!"));
}

TEST_F(SystemsExchangeTest, LibraryDownloadReplacesTheWorkingScenario)
{
    writeOnline(dir / "a", service.url(), "Ivan", "ivan@x");
    writeOnline(dir / "b", service.url(), "Petr", "petr@x");
    testing::StartedWorkspace a(dir / "a");
    testing::StartedWorkspace b(dir / "b");
    a->Scenario().Add("NUMS|Первая строка");
    a->Scenario().AddSeparator();
    a->Scenario().Add("SUMS|Вторая");

    scenario::tScriptData data = a->Library().NewData();
    EXPECT_EQ(a->Library().DialogRefusal(data), std::string(TitleRequiredMessage));
    data.Title = "Мой сценарий";
    EXPECT_EQ(a->Library().DialogRefusal(data), std::nullopt);
    const auto id = a->Library().Publish(data);
    ASSERT_TRUE(id);
    EXPECT_EQ(b->Library().DialogRefusal(data), std::string(TitleTakenMessage));

    const auto list = b->Library().List(scenario::DefaultLibraryFilter);
    ASSERT_TRUE(list && list->size() == 1u);
    b->Scenario().Add("old line");
    ASSERT_TRUE(b->Library().Download(list->at(0)));
    EXPECT_EQ(b->Scenario().Lines().Lines(), a->Scenario().Lines().Lines());
    // The working copy on disk holds the downloaded scenario.
    scenario::Scenario saved;
    ASSERT_TRUE(saved.LoadWorkingCopy(b->Files().scenario()));
    EXPECT_EQ(saved.Lines(), a->Scenario().Lines().Lines());

    // Rating 4 then removing it leaves no rating.
    ASSERT_TRUE(b->Library().Rate(*id, 4, "Комментарий"));
    EXPECT_EQ(b->Library().List(2)->at(0).YourRating, 4);
    ASSERT_TRUE(b->Library().Rate(*id, 0, ""));
    EXPECT_EQ(b->Library().List(2)->at(0).YourRating, 0);

    // A failed download leaves the scenario as it was.
    scenario::tScriptInfo gone = list->at(0);
    gone.Id = 999;
    EXPECT_FALSE(b->Library().Download(gone));
    EXPECT_EQ(b->Scenario().Lines().Lines(), a->Scenario().Lines().Lines());
    EXPECT_TRUE(b.host.errors().back().starts_with("Ошибка загрузки online-сценария!\r\r"));
}

} // namespace
} // namespace belvane::app
