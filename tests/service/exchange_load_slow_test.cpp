// A short crowd on the exchange service: every request answered, no publish stored twice.

#include <gtest/gtest.h>

#include "exchange_load.h"
#include "helpers/temp_dir.h"

namespace belvane::tools {
namespace {

TEST(ExchangeLoad, ACrowdOfClientsIsAnsweredEveryTime)
{
    testing::TempDir dir;
    LoadOptions options;
    options.Clients = 100;
    options.Duration = std::chrono::seconds(5);
    options.PublishEvery = 5;
    options.Database = dir / "load.sqlite";
    const LoadFigures figures = RunExchangeLoad(options);
    SCOPED_TRACE(LoadReport(options, figures));
    EXPECT_GT(figures.Requests, 0u);
    EXPECT_EQ(figures.Resets, 0u);
    EXPECT_EQ(figures.Failures, 0u);
    EXPECT_EQ(figures.Refusals, 0u);
    EXPECT_EQ(figures.Answers, figures.Requests);
    EXPECT_EQ(figures.Stored, figures.Publishes);
}

} // namespace
} // namespace belvane::tools
