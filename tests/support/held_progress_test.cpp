#include <gtest/gtest.h>

#include "helpers/recording_host.h"
#include "support/error.h"

namespace belvane {
namespace {

using testing::RecordingHost;

TEST(HeldProgressTest, StepsOfAHeldOperationShareItsOneWindow)
{
    RecordingHost host;
    {
        HeldProgressScope held(host, 10, true);
        EXPECT_TRUE(host.progressHeld());
        held.moveTo(3);
        for (int step = 0; step < 3; ++step) {
            ProgressScope inner(host, 100, true);
            EXPECT_TRUE(host.progressOpen());
            inner.step(50); // the gauge shows the whole operation, not the step
        }
        EXPECT_FALSE(host.progressOpen());
        held.moveTo(99); // never past the maximum
    }
    EXPECT_FALSE(host.progressHeld());
    EXPECT_EQ(host.progressOpens, 1);
    EXPECT_EQ(host.progressCloses, 1);
    EXPECT_EQ(host.progressPositions, (std::vector<int64_t>{3, 10}));
}

TEST(HeldProgressTest, AStepKeepsTheRequestToStop)
{
    RecordingHost host;
    HeldProgressScope held(host, 10, true);
    host.requestCancel(); // "Отмена" while nothing but the held window is open
    {
        ProgressScope inner(host, 100, true);
        EXPECT_TRUE(inner.cancelled()); // the step sees it and ends early
    }
    EXPECT_TRUE(host.cancelled());
}

TEST(HeldProgressTest, OneHoldAtATimeAndNotOverAnOpenWindow)
{
    RecordingHost host;
    {
        ProgressScope open(host, 5, false);
        EXPECT_THROW(host.holdProgress(10, true), Error);
    }
    HeldProgressScope held(host, 10, true);
    EXPECT_THROW(host.holdProgress(10, true), Error);
    // A second window inside one step is still refused.
    ProgressScope inner(host, 5, false);
    EXPECT_THROW(host.openProgress(5, false), Error);
}

TEST(HeldProgressTest, AnOrdinaryWindowStillStartsWithoutTheLastRequestToStop)
{
    RecordingHost host;
    host.requestCancel();
    ProgressScope open(host, 5, true);
    EXPECT_FALSE(host.cancelled());
}

} // namespace
} // namespace belvane
