// The shredding formulas dialog's OK: what it stores, saves, rebuilds and deletes.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/configuration_service.h"
#include "app/demo_archive.h"
#include "app/prefetch_files.h"
#include "app/statistics_service.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "stats/stat_list.h"
#include "support/ini_document.h"

namespace belvane::app {
namespace {

using testing::StartedWorkspace;
using testing::TempDir;

// The statistics table's type index of a method.
int typeIndexOf(const Workspace& ws, std::string_view id)
{
    const auto& types = ws.Statistics().StatTypes();
    const int entry = ws.Registry().FindMethod(id);
    const auto it = std::find(types.begin(), types.end(), entry);
    return it == types.end() ? -1 : static_cast<int>(it - types.begin());
}

TEST(ShreddingSettings, OkStoresSavesAndRecalculates)
{
    TempDir dir;
    testing::writeArchiveFile(dir.path(), MakeDemoDraws(30, 5));
    StartedWorkspace ws(dir.path());
    const ShreddingSettings before = ws->Configuration().Shredding();
    EXPECT_EQ(before.Formulas[0], "(n1+n2+n3)/(n4+n5+n6)");
    EXPECT_EQ(before.Digits, (std::array<int, 3>{2, 2, 2}));

    ws->Statistics().SetStatTypeIndex(typeIndexOf(*ws, "SHR2"));
    ws->RefreshAllViews(true);
    ASSERT_FALSE(ws->Statistics().Table().Rows.empty());
    const uint64_t revision = ws->Configuration().Revision();

    // Files of every slot, as a run with prefetch files on left them.
    std::filesystem::create_directories(ws->Files().prefetchFolder());
    for (const char* id : {"SHR1", "SHR2", "SHR3", "NUMS"})
        testing::writeBytes(ws->Files().prefetch(id), std::string(24, '\0'));

    ShreddingSettings edited = before;
    edited.Formulas[1] = "n1*2";
    edited.Digits[2] = 9; // beyond what a key holds: 4
    EXPECT_EQ(ws->Configuration().ApplyShredding(edited).ChangedSlots, 0b110u);

    const stats::TConfigData& data = ws->Configuration().Data();
    EXPECT_EQ(data.Formulas[1], "n1*2");
    EXPECT_EQ(data.FormulaDigits[2], 4);
    EXPECT_GT(ws->Configuration().Revision(), revision);
    const IniDocument ini = IniDocument::load(ws->Files().config());
    EXPECT_EQ(ini.readString("SHREDDING", "Formula2"), "n1*2");
    EXPECT_EQ(ini.readInteger("SHREDDING", "Formula3Digits", 0), 4);
    EXPECT_EQ(ini.readString("SHREDDING", "Formula1"), "(n1+n2+n3)/(n4+n5+n6)");

    // The lists show the new formula, and the chosen method stays chosen.
    EXPECT_EQ(ws->Statistics().StatTypeIndex(), typeIndexOf(*ws, "SHR2"));
    EXPECT_EQ(ws->Statistics().StatTypeText(ws->Statistics().StatTypeIndex()),
              "{ shr } Метод шинковки 2: n1*2 [ SNG ]");
    // A whole number for every draw: one row, value 0.
    ASSERT_EQ(ws->Statistics().Table().Rows.size(), 1u);
    EXPECT_EQ(ws->Statistics().Table().Rows[0].Cells[0], "0");

    // Prefetch files are off: the changed slots' files are gone, the rest stay.
    EXPECT_TRUE(std::filesystem::exists(ws->Files().prefetch("SHR1")));
    EXPECT_FALSE(std::filesystem::exists(ws->Files().prefetch("SHR2")));
    EXPECT_FALSE(std::filesystem::exists(ws->Files().prefetch("SHR3")));
    EXPECT_TRUE(std::filesystem::exists(ws->Files().prefetch("NUMS")));
    EXPECT_TRUE(ws.host.errors().empty());

    // The same settings again change no slot.
    EXPECT_EQ(ws->Configuration().ApplyShredding(ws->Configuration().Shredding()).ChangedSlots, 0u);
    EXPECT_TRUE(std::filesystem::exists(ws->Files().prefetch("SHR1")));

    // A new session reads what was saved.
    ws->Close();
    StartedWorkspace again(dir.path());
    EXPECT_EQ(again->Configuration().Shredding(), ws->Configuration().Shredding());
    EXPECT_EQ(again->Registry().Item(again->Registry().FindMethod("SHR2")).DisplayCaption(), "Метод шинковки 2: n1*2");
}

TEST(ShreddingSettings, AFailedSaveIsReportedAndTheFormulasApply)
{
    TempDir dir;
    StartedWorkspace ws(dir.path());
    // A folder where the configuration file should be: it can be neither read nor replaced.
    std::filesystem::create_directories(ws->Files().config());
    ShreddingSettings edited = ws->Configuration().Shredding();
    edited.Formulas[0] = "n1/n2";
    const ShreddingApplyResult applied = ws->Configuration().ApplyShredding(edited);
    EXPECT_EQ(applied.ChangedSlots, 0b001u);
    EXPECT_FALSE(applied.Ok);
    ASSERT_EQ(ws.host.errors().size(), 1u);
    EXPECT_TRUE(ws.host.errors()[0].starts_with("Ошибка записи в файл конфигурации!\r\r"));
    EXPECT_EQ(ws->Registry().Item(ws->Registry().FindMethod("SHR1")).DisplayCaption(), "Метод шинковки 1: n1/n2");
    EXPECT_TRUE(ws.host.statuses.end() !=
                std::find(ws.host.statuses.begin(), ws.host.statuses.end(), "Сохранение файла конфигурации..."));
}

} // namespace
} // namespace belvane::app
