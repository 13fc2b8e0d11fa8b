#include <gtest/gtest.h>

#include "stats/config_data.h"
#include "support/ini_document.h"

namespace belvane::stats {
namespace {

TEST(ConfigData, DefaultsFromAnEmptyFile)
{
    TConfigData c;
    c.MatrixCols = 9;
    LoadConfig(IniDocument(), c);
    LoadGenerateSettings(IniDocument(), c);
    LoadShredding(IniDocument(), c);
    EXPECT_EQ(c.MatrixCols, 5);
    EXPECT_EQ(c.ChannelSize, 5);
    EXPECT_EQ(c.MatrixSegments, model::DefaultSegments);
    EXPECT_EQ(c.Cost, 0);
    EXPECT_EQ(c.MaxStake, 6);
    EXPECT_TRUE(c.Profits.empty());
    EXPECT_EQ(c.Weights, WeightCoefficients{});
    EXPECT_EQ(c.Weights.Deviation, -1);
    EXPECT_EQ(c.CombsGenerateMode, 0);
    EXPECT_EQ(c.Formulas[0], "(n1+n2+n3)/(n4+n5+n6)");
    EXPECT_EQ(c.FormulaDigits[2], 2);
    EXPECT_EQ(c.MatrixRows(), 9);
}

TEST(ConfigData, RoundTrip)
{
    TConfigData c;
    c.MatrixCols = 3;
    c.ChannelSize = 4;
    c.MatrixSegments = model::ParseMatrixSegments("111222");
    c.Cost = 125000;
    c.MaxStake = 10;
    c.Profits = {{3, 1500000}, {6, 100000000000}};
    c.Weights = {0.5L, -1.25L, 2, true, true};
    c.CombsGenerateMode = 3;
    c.CombsGenerateParameters = "1, 2, 3";
    c.Formulas[1] = "n1*n2";
    c.FormulaDigits[1] = 4;

    IniDocument ini;
    SaveConfig(ini, c);
    SaveGenerateSettings(ini, c);
    SaveShredding(ini, c);
    EXPECT_EQ(ini.readString("STAKES", "Cost"), "12.5");
    EXPECT_EQ(ini.readString("STAKES", "Profit_1_Profit"), "10000000");

    TConfigData back;
    const IniDocument reread = IniDocument::parse(ini.toText());
    LoadConfig(reread, back);
    LoadGenerateSettings(reread, back);
    LoadShredding(reread, back);
    EXPECT_EQ(back.MatrixCols, 3);
    EXPECT_EQ(back.MatrixRows(), 15);
    EXPECT_EQ(back.ChannelSize, 4);
    EXPECT_EQ(back.ChannelCount(), 12);
    EXPECT_EQ(back.MatrixSegments, c.MatrixSegments);
    EXPECT_EQ(back.Cost, 125000);
    ASSERT_EQ(back.Profits.size(), 2u);
    EXPECT_EQ(back.Profits[1].Overlap, 6);
    EXPECT_EQ(back.Profits[1].Profit, 100000000000);
    EXPECT_EQ(back.Weights, c.Weights);
    EXPECT_EQ(back.CombsGenerateParameters, "1, 2, 3");
    EXPECT_EQ(back.Formulas[1], "n1*n2");
    EXPECT_EQ(back.FormulaDigits[1], 4);
}

TEST(ConfigData, HandEditedValuesAreBroughtIntoRange)
{
    const auto ini = IniDocument::parse("[GLOBAL]\nMatrixCols=0\nChannelSize=99\n"
                                        "[STAKES]\nProfits=3\nProfit_0_Overlap=4\nProfit_0_Profit=2,5\nCost=abc\n"
                                        "[CDL]\nUsePercents=2\nUseAbsValues=-1\n"
                                        "[SHREDDING]\nFormula1Digits=5\nFormula2Digits=0\n");
    TConfigData c;
    LoadConfig(ini, c);
    LoadShredding(ini, c);
    EXPECT_EQ(c.MatrixCols, 1);
    EXPECT_EQ(c.ChannelSize, 45);
    EXPECT_EQ(c.Cost, 0);
    ASSERT_EQ(c.Profits.size(), 3u); // missing entries read as 0 matches, 0 prize
    EXPECT_EQ(c.Profits[0].Overlap, 4);
    EXPECT_EQ(c.Profits[0].Profit, 25000);
    EXPECT_EQ(c.Profits[2].Overlap, 0);
    EXPECT_TRUE(c.Weights.UsePercents);
    EXPECT_FALSE(c.Weights.UseAbsValues);
    EXPECT_EQ(c.FormulaDigits[0], 4);
    EXPECT_EQ(c.FormulaDigits[1], 1);
}

TEST(ConfigData, SystemStakeCost)
{
    TConfigData c;
    c.Cost = 20000; // 2.00 per combination
    c.Profits = {{3, 300000}, {4, 5000000}};
    EXPECT_EQ(SystemStakeCost(c, 6, -1), -20000);
    EXPECT_EQ(SystemStakeCost(c, 8, 2), -28 * 20000);
    EXPECT_EQ(SystemStakeCost(c, 6, 3), 280000);
    EXPECT_EQ(SystemStakeCost(c, 7, 4), 5000000 - 7 * 20000);
}

} // namespace
} // namespace belvane::stats
