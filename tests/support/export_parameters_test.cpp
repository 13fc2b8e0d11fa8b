#include <gtest/gtest.h>

#include "helpers/fake_table.h"
#include "helpers/temp_dir.h"
#include "support/cp1251.h"
#include "support/error.h"
#include "support/export_parameters.h"
#include "support/sheet_layout.h"

namespace belvane::xlsx {
namespace {

using testing::FakeTable;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

const std::string Section = ExportSectionName("TFormMain", "lvDrawsStat");

FakeTable StatLikeTable()
{
    return FakeTable(
        {{"Значение", Alignment::Left, 130}, {"Количество", Alignment::Right, 80}, {"Вес", Alignment::Center, 70}}, {});
}

std::vector<std::string> Captions(const ExportParameters& p)
{
    std::vector<std::string> out;
    for (const auto& f : p.Fields)
        out.push_back(f.Caption);
    return out;
}

TEST(ExportFields, BuiltFromTheSourceColumns)
{
    const FakeTable list = StatLikeTable();
    const auto fields = BuildExportFields(list);
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[1].Id, 1);
    EXPECT_EQ(fields[1].Caption, "Количество");
    EXPECT_EQ(fields[1].PhysicalField, "Количество");
    EXPECT_TRUE(fields[1].Checked);
    EXPECT_EQ(fields[1].Align, Alignment::Right);
    EXPECT_DOUBLE_EQ(fields[0].Width, 130 / 8.0);

    const FakeTable grid({{"Тираж", Alignment::Right, 50}}, {}, SourceKind::Grid);
    EXPECT_EQ(BuildExportFields(grid)[0].Align, Alignment::Left); // a grid's columns export left-aligned

    EXPECT_EQ(FieldItemText(fields[2]), "2;Вес;Вес;-1;2;8.75");
    EXPECT_EQ(ExportSectionName("TFormMain", "lvDrawsStat"), "EXPORT_EXCEL_TFORMMAIN.LVDRAWSSTAT");
}

TEST(ExportFields, ItemLinesNeedSixWordsAndReadableValues)
{
    EXPECT_FALSE(SplitFieldItem("1;A;B;-1;0"));
    EXPECT_FALSE(SplitFieldItem("1;A;B;C;-1;0;8.00")); // a ";" in the caption: seven words
    EXPECT_FALSE(SplitFieldItem("x;A;B;-1;0;8.00"));
    const auto empty = SplitFieldItem("3;A;;0;1;8,5"); // an empty caption is still six words
    ASSERT_TRUE(empty);
    ExportField f;
    ASSERT_TRUE(ApplyFieldItem(*empty, f));
    EXPECT_EQ(f.Caption, "");
    EXPECT_FALSE(f.Checked);
    EXPECT_EQ(f.Align, Alignment::Right);
    EXPECT_DOUBLE_EQ(f.Width, 8.5);

    f = ExportField{};
    for (const char* bad : {"1;A;B;yes;0;8", "1;A;B;-1;3;8", "1;A;B;-1;0;wide", "1;A;B;-1;0;-2", "1;A;B;-1;0;300"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ApplyFieldItem(*SplitFieldItem(bad), f));
        EXPECT_EQ(f.Caption, ""); // untouched
    }
}

TEST(ExportFields, DialogChecksReturnTheMessageOrNothing)
{
    EXPECT_EQ(ValidateFieldCaption("Кол-во; шт"), "Наименование столбца не может содержать символ \";\"!");
    EXPECT_FALSE(ValidateFieldCaption("Кол-во, шт"));
    EXPECT_TRUE(ValidateFieldWidth(-1));
    EXPECT_TRUE(ValidateFieldWidth(256));
    EXPECT_FALSE(ValidateFieldWidth(0));
    EXPECT_TRUE(ValidateBaseFontSize(0));
    EXPECT_FALSE(ValidateBaseFontSize(8));

    EXPECT_FALSE(ValidateSheetName("NUMS"));
    EXPECT_FALSE(ValidateSheetName(std::string(31, 'x')));
    EXPECT_FALSE(ValidateSheetName("Статистика по номерам 1-45 (31)")); // 31 characters, 57 bytes
    EXPECT_EQ(ValidateSheetName(std::string(32, 'x')), "Наименование листа не может быть длиннее 31 символа!");
    for (const char* bad : {"a[b", "a]b", "a:b", "a*b", "a?b", "a/b", "a\\b"})
        EXPECT_EQ(ValidateSheetName(bad), "Наименование листа не может содержать символы [ ] : * ? / \\!") << bad;
    EXPECT_TRUE(ValidateSheetName(""));
    EXPECT_TRUE(ValidateSheetName("'Лист"));
    EXPECT_TRUE(ValidateSheetName("history"));

    EXPECT_EQ(SheetNameFromTitle("Архив тиражей"), "Архив тиражей");
    EXPECT_EQ(SheetNameFromTitle("Ставки: 2024/01"), "Ставки 202401");
    EXPECT_EQ(SheetNameFromTitle("???"), "Лист1");
    const std::string longName = SheetNameFromTitle("Статистика по номерам за последние 100 тиражей");
    EXPECT_FALSE(ValidateSheetName(longName)) << longName;
}

TEST(ExportFields, MovingAndTheInitialMode)
{
    FakeTable list = StatLikeTable();
    auto fields = BuildExportFields(list);
    MoveField(fields, 2, 0);
    MoveField(fields, 0, 7); // out of range: nothing
    EXPECT_EQ(fields[0].Caption, "Вес");
    EXPECT_EQ(fields[1].Caption, "Значение");

    EXPECT_EQ(InitialSendMode(SourceKind::ListView, true, {{4, 6}}), SendMode::Selected);
    EXPECT_EQ(InitialSendMode(SourceKind::ListView, true, {{4, 5}}), SendMode::AllShown);
    EXPECT_EQ(InitialSendMode(SourceKind::ListView, false, {{4, 6}}), SendMode::AllShown);
    EXPECT_EQ(InitialSendMode(SourceKind::Grid, false, {{3, 9}}), SendMode::Selected);
    EXPECT_EQ(InitialSendMode(SourceKind::Grid, false, {{0, 9}}), SendMode::AllShown); // from the first data row
    EXPECT_EQ(InitialSendMode(SourceKind::Grid, false, {{3, 4}}), SendMode::AllShown);
}

ExportParameters Edited(const TableSource& source)
{
    ExportCall call;
    call.Title = "Статистика";
    call.SheetName = "NUMS";
    ExportParameters p = InitialParameters(call, source);
    p.Notes = "Числа 1-45";
    p.ShowCreateTime = true;
    p.Orientation = PageOrientation::Landscape;
    p.BaseFontSize = 10;
    p.RestoreParameters = true;
    MoveField(p.Fields, 2, 0);
    p.Fields[0].Caption = "Вес, %";
    p.Fields[1].Checked = false;
    p.Fields[2].Align = Alignment::Center;
    p.Fields[2].Width = 12.5;
    return p;
}

void ExpectSameFields(const ExportParameters& a, const ExportParameters& b)
{
    ASSERT_EQ(a.Fields.size(), b.Fields.size());
    for (size_t i = 0; i < a.Fields.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a.Fields[i].Id, b.Fields[i].Id);
        EXPECT_EQ(a.Fields[i].Caption, b.Fields[i].Caption);
        EXPECT_EQ(a.Fields[i].Checked, b.Fields[i].Checked);
        EXPECT_EQ(a.Fields[i].Align, b.Fields[i].Align);
        EXPECT_DOUBLE_EQ(a.Fields[i].Width, b.Fields[i].Width);
    }
}

TEST(ExportParameters, RoundTripThroughTheConfigurationFile)
{
    TempDir dir;
    const auto config = dir / "Belvane_6x45.ini";
    writeBytes(config, "[GLOBAL]\r\nMatrixCols=7\r\n");
    const FakeTable list = StatLikeTable();
    const ExportParameters saved = Edited(list);
    SaveExportParameters(config, Section, saved, StoreKind::Configuration);

    const std::string text = cp1251::toUtf8(readBytes(config));
    EXPECT_NE(text.find("[GLOBAL]\r\nMatrixCols=7\r\n"), std::string::npos); // the rest of the file kept
    EXPECT_NE(text.find("[EXPORT_EXCEL_TFORMMAIN.LVDRAWSSTAT]\r\nRestoreParameters=1\r\nTitle=Статистика\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Item_0=2;Вес;Вес, %;-1;2;8.75\r\n"), std::string::npos);
    EXPECT_NE(text.find("Item_1=0;Значение;Значение;0;0;16.25\r\n"), std::string::npos);

    ExportCall call; // an action that gives no title takes the stored one
    ExportParameters loaded = InitialParameters(call, list);
    const LoadReport report = LoadExportParameters(config, Section, loaded, StoreKind::Configuration);
    EXPECT_TRUE(report.Errors.empty());
    EXPECT_FALSE(report.SectionChanged);
    EXPECT_TRUE(loaded.RestoreParameters);
    EXPECT_EQ(loaded.Title, "Статистика");
    EXPECT_EQ(loaded.Notes, "Числа 1-45");
    EXPECT_TRUE(loaded.ShowCreateTime);
    EXPECT_EQ(loaded.SheetName, "NUMS");
    EXPECT_EQ(loaded.Orientation, PageOrientation::Landscape);
    EXPECT_EQ(loaded.BaseFontSize, 10);
    ExpectSameFields(loaded, saved);

    // Storing again with the box cleared: next time nothing but the box comes back.
    ExportParameters off = saved;
    off.RestoreParameters = false;
    SaveExportParameters(config, Section, off, StoreKind::Configuration);
    ExportParameters fresh = InitialParameters(call, list);
    LoadExportParameters(config, Section, fresh, StoreKind::Configuration);
    EXPECT_FALSE(fresh.RestoreParameters);
    EXPECT_EQ(fresh.Title, "");
    EXPECT_EQ(Captions(fresh), Captions(InitialParameters(call, list)));
}

TEST(ExportParameters, ConfigurationKeepsTheCallersTextsAParameterFileReplacesTheTitle)
{
    TempDir dir;
    const FakeTable list = StatLikeTable();
    const ExportParameters saved = Edited(list);
    SaveExportParameters(dir / "c.ini", Section, saved, StoreKind::Configuration);
    SaveExportParameters(dir / "p.exp", Section, saved, StoreKind::ParameterFile);
    EXPECT_EQ(cp1251::toUtf8(readBytes(dir / "p.exp")).find("RestoreParameters"), std::string::npos);

    ExportCall call;
    call.Title = "Архив тиражей";
    call.Notes = "мои заметки";
    ExportParameters fromConfig = InitialParameters(call, list);
    LoadExportParameters(dir / "c.ini", Section, fromConfig, StoreKind::Configuration);
    EXPECT_EQ(fromConfig.Title, "Архив тиражей");
    EXPECT_EQ(fromConfig.Notes, "мои заметки");
    EXPECT_EQ(fromConfig.SheetName, "NUMS");

    ExportParameters fromFile = InitialParameters(call, list);
    const LoadReport report = LoadExportParameters(dir / "p.exp", Section, fromFile, StoreKind::ParameterFile);
    EXPECT_TRUE(report.Errors.empty());
    EXPECT_EQ(fromFile.Title, "Статистика");
    EXPECT_EQ(fromFile.Notes, "мои заметки");
    EXPECT_FALSE(fromFile.RestoreParameters);
    ExpectSameFields(fromFile, saved);
}

TEST(ExportParameters, StaleItemsAreDroppedAndTheOthersKeepTheirPlace)
{
    TempDir dir;
    const auto config = dir / "Belvane_6x45.ini";
    writeBytes(config, cp1251::fromUtf8("[EXPORT_EXCEL_TFORMMAIN.LVDRAWSSTAT]\r\n"
                                        "RestoreParameters=1\r\n"
                                        "Item_2=0;Значение;Знач.;-1;0;9.00\r\n"
                                        "Item_0=2;Вес;Вес, %;0;1;7.00\r\n"
                                        "Item_1=1;Количество (старое);Кол;-1;1;5.00\r\n" // the column was renamed
                                        "Item_3=9;Нет такого;X;-1;0;5.00\r\n"            // the column is gone
                                        "Item_x=1;Количество;X;-1;0;5.00\r\n"
                                        "Title=Сохраненный\r\n"));
    const FakeTable list = StatLikeTable();
    ExportParameters p = InitialParameters({}, list);
    const LoadReport report = LoadExportParameters(config, Section, p, StoreKind::Configuration);
    EXPECT_TRUE(report.Errors.empty());
    EXPECT_TRUE(report.SectionChanged);

    EXPECT_EQ(Captions(p), (std::vector<std::string>{"Вес, %", "Количество", "Знач."}));
    EXPECT_FALSE(p.Fields[0].Checked);
    EXPECT_EQ(p.Fields[0].Align, Alignment::Right);
    EXPECT_DOUBLE_EQ(p.Fields[1].Width, 10); // the renamed column keeps its defaults
    EXPECT_EQ(p.Title, "Сохраненный");

    const std::string text = cp1251::toUtf8(readBytes(config));
    EXPECT_NE(text.find("Item_2=0;Значение;Знач.;-1;0;9.00"), std::string::npos);
    EXPECT_NE(text.find("Item_0=2;Вес;Вес, %;0;1;7.00"), std::string::npos);
    EXPECT_EQ(text.find("Item_1="), std::string::npos);
    EXPECT_EQ(text.find("Item_3="), std::string::npos);
    EXPECT_EQ(text.find("Item_x="), std::string::npos);
}

TEST(ExportParameters, FailuresAreReportedAndLeaveTheValues)
{
    TempDir dir;
    const auto config = dir / "Belvane_6x45.ini";
    writeBytes(config, cp1251::fromUtf8("[EXPORT_EXCEL_TFORMMAIN.LVDRAWSSTAT]\r\nRestoreParameters=1\r\n"
                                        "Item_0=1;Количество;Кол;-1;9;5.00\r\nBaseFontSize=500\r\n"
                                        "PageOrientation=7\r\n"));
    const FakeTable list = StatLikeTable();
    ExportParameters p = InitialParameters({}, list);
    LoadReport report = LoadExportParameters(config, Section, p, StoreKind::Configuration);
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Ошибка загрузки параметров экспортируемого поля ID=\"1\"!"});
    EXPECT_EQ(p.Fields[1].Caption, "Количество");
    EXPECT_EQ(p.BaseFontSize, DefaultBaseFontSize); // out of range: ignored
    EXPECT_EQ(p.Orientation, PageOrientation::NotSet);
    EXPECT_TRUE(report.SectionChanged); // the unreadable line is gone, so it fails only once
    EXPECT_EQ(cp1251::toUtf8(readBytes(config)).find("Item_0"), std::string::npos);

    // A file that cannot be read: one message, nothing changed.
    ExportParameters before = InitialParameters({}, list);
    ExportParameters q = before;
    report = LoadExportParameters(dir.path(), Section, q, StoreKind::ParameterFile);
    ASSERT_EQ(report.Errors.size(), 1u);
    EXPECT_TRUE(report.Errors[0].starts_with("Ошибка загрузки параметров экспорта из файла \"" + dir.path().string() +
                                             "\"!\r\r"));
    EXPECT_EQ(Captions(q), Captions(before));

    try {
        SaveExportParameters(dir / "missing" / "p.exp", Section, p, StoreKind::ParameterFile);
        FAIL() << "saved into a folder that does not exist";
    } catch (const Error& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Ошибка сохранения параметров экспорта в файле \"")) << e.what();
    }
}

} // namespace
} // namespace belvane::xlsx
