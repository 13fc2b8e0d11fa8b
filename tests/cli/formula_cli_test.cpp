#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

class FormulaCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    TempDir dir;
};

TEST_F(FormulaCli, EvalPrintsTheValueOrTheMessage)
{
    const std::pair<const char*, const char*> values[] = {
        {"2^3^2", "64"},   {"2*3^2", "36"}, {"2^-1", "0.5"}, {"-2^2", "-4"},    {"INT(2.5)", "2"},
        {"1 000", "1000"}, {"$FF", "255"},  {"-3+5", "2"},   {"sqrt(16)", "4"}, {"1/3", "0.333333333333333333"},
        {"0*-1", "0"},
    };
    for (const auto& [text, value] : values) {
        const auto r = run({"formula", "eval", text});
        EXPECT_EQ(r.exitCode, 0) << text << ": " << r.err;
        EXPECT_EQ(r.out, std::string(value) + "\n") << text;
    }
    const std::pair<const char*, const char*> faults[] = {
        {"SQRT 16", "Синтаксическая ошибка"},
        {"2PI", "Синтаксическая ошибка"},
        {"SIN(1,2)", "Синтаксическая ошибка"},
        {"(1+2", "Не хватает скобочки"},
        {"1/0", "Деление на нуль"},
        {"LN(0)", "Выражение под логарифмом меньне нуля"},
        {"SQRT(-1)", "Выражение под корнем меньне нуля"},
        {"EXP(100000)", "Ошибка в операции с плавающей точкой"},
    };
    for (const auto& [text, message] : faults) {
        const auto r = run({"formula", "eval", text});
        EXPECT_EQ(r.exitCode, 1) << text;
        EXPECT_EQ(r.out, "") << text;
        EXPECT_EQ(r.err, std::string(message) + "\n") << text;
    }
}

TEST_F(FormulaCli, ShredValuesNumbersInTheirOrder)
{
    const std::string f = "(n1+n2+n3)/(n4+n5+n6)";
    EXPECT_EQ(run({"formula", "shred", f, "--numbers", "1 2 3 4 5 6"}).out, "40\n");
    EXPECT_EQ(run({"formula", "shred", f, "--numbers", "10 20 30 5 6 7"}).out, "33\n");
    EXPECT_EQ(run({"formula", "shred", f, "--numbers", "10,20,30,5,6,7", "--digits", "4"}).out, "3333\n");
    EXPECT_EQ(run({"formula", "shred", "n1/(p1+t1)", "--numbers", "5 6 7 8 9 10", "--prev", "1 2 3 4 5 6", "--prev2",
                   "2 3 4 5 6 7"})
                  .out,
              "66\n");
    EXPECT_EQ(run({"formula", "shred", "n1/(p1+t1)", "--numbers", "5 6 7 8 9 10"}).out, "0\n"); // any failure: 0
    EXPECT_EQ(run({"formula", "shred", "(n1+n2", "--numbers", "5 6 7 8 9 10"}).out, "0\n");

    auto r = run({"formula", "shred", f, "--numbers", "1 2 3 4 5"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Некорректные числа --numbers: \"1 2 3 4 5\" (нужно шесть чисел от 0 до 45)!\n");
    EXPECT_EQ(run({"formula", "shred", f, "--numbers", "1 2 3 4 5 46"}).exitCode, 1);
    EXPECT_EQ(run({"formula", "shred", f, "--numbers", "1 2 3 4 5 6", "--prev", "x"}).exitCode, 1);
    EXPECT_EQ(run({"formula", "shred", f, "--numbers", "1 2 3 4 5 6", "--digits", "5"}).exitCode, 2);
    EXPECT_EQ(run({"formula", "shred", f}).exitCode, 2);
}

TEST_F(FormulaCli, ShreddingSettingsGetAndSet)
{
    auto r = run({"shredding", "get", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Метод\tФормула\tЗнаков\n"
                     "SHR1\t(n1+n2+n3)/(n4+n5+n6)\t2\n"
                     "SHR2\t(n4+n5+n6)/(n1+n2+n3)\t2\n"
                     "SHR3\t(n1+n3+n5)/(n2+n4+n6)\t2\n");
    r = run({"methods", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("142\tSHR1\t{ shr } Метод шинковки 1: (n1+n2+n3)/(n4+n5+n6) [ SNG ]\tSNG\t12\n"),
              std::string::npos);

    r = run({"shredding", "set", "2", "n1*7/(n2+n3)", "--digits", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "SHR2: n1*7/(n2+n3) (знаков: 3)\n");
    r = run({"shredding", "set", "3", "n6/n1"}); // the digit count stays
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = run({"shredding", "get", "--format", "tsv"});
    const auto lines = text::splitLines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "SHR2\tn1*7/(n2+n3)\t3");
    EXPECT_EQ(lines[3], "SHR3\tn6/n1\t2");
    EXPECT_NE(run({"methods"}).out.find("Метод шинковки 2: n1*7/(n2+n3)"), std::string::npos);

    r = run({"shredding", "set", "1", "(n1+n2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Не хватает скобочки\n");
    EXPECT_EQ(run({"shredding", "set", "4", "n1"}).exitCode, 2);
    EXPECT_EQ(run({"shredding", "set", "1", "n1", "--digits", "0"}).exitCode, 2);
    r = run({"shredding", "get", "--format", "tsv"});
    EXPECT_EQ(text::splitLines(r.out)[1], "SHR1\t(n1+n2+n3)/(n4+n5+n6)\t2");
}

} // namespace
} // namespace belvane::testing
