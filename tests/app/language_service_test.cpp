// What the core does when the interface language changes: the method captions
// of that language, the stored choice, and the language a start asks for.

#include <gtest/gtest.h>

#include "app/language_service.h"
#include "app/workspace.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "stats/stat_list.h"
#include "support/ini_document.h"

namespace belvane::app {
namespace {

using testing::StartedWorkspace;
using testing::TempDir;

TEST(LanguageService, StartsInTheBaseLanguageUnlessAnotherWasChosen)
{
    TempDir dir;
    {
        StartedWorkspace s(dir.path());
        EXPECT_EQ(s->Languages().Wanted(), 1049);
        EXPECT_EQ(s->LanguageId(), 1049);
        EXPECT_EQ(s->Registry().LanguageCode, "RUS");
        s->SetSetting("Language", 1033);
    }
    {
        StartedWorkspace again(dir.path());
        EXPECT_EQ(again->Languages().Wanted(), 1033);
        // Until a front end has loaded that language, the base one is in effect.
        EXPECT_EQ(again->LanguageId(), 1049);
    }
    StartedWorkspace plain(dir.path(), StartupOptions{.NoLanguage = true});
    EXPECT_EQ(plain->Languages().Wanted(), 1049);
}

TEST(LanguageService, ASwitchReadsTheMethodCaptionsOfThatLanguage)
{
    TempDir dir;
    {
        IniDocument flt;
        flt.writeString("STRINGS_RUS", "NUMS", "Мои числа");
        flt.writeString("STRINGS_ENU", "NUMS", "My numbers");
        flt.save(dir / "Belvane_6x45.flt");
    }
    StartedWorkspace s(dir.path());
    const int nums = s->Registry().FindMethod("NUMS");
    ASSERT_GE(nums, 0);
    EXPECT_EQ(s->Registry().Item(nums).UserCaption, "Мои числа");

    s->Languages().Switched(1033, true);
    EXPECT_EQ(s->LanguageId(), 1033);
    EXPECT_EQ(s->Registry().LanguageCode, "ENU");
    EXPECT_EQ(s->Registry().Item(nums).UserCaption, "My numbers");
    EXPECT_EQ(IniDocument::load(dir / "Belvane_6x45.frm").readInteger("TFormMain", "Language", 0), 1033);

    s->Languages().Switched(1049, false);
    EXPECT_EQ(s->Registry().Item(nums).UserCaption, "Мои числа");
    // Not stored: the choice of the person stays.
    EXPECT_EQ(IniDocument::load(dir / "Belvane_6x45.frm").readInteger("TFormMain", "Language", 0), 1033);
}

} // namespace
} // namespace belvane::app
