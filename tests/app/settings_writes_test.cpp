// Settings files are rewritten only when a value changes: every rewrite
// replaces the file (a new inode) and waits for the disk.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/window_settings.h"
#include "helpers/temp_dir.h"
#include "support/ini_document.h"

namespace belvane::app {
namespace {

using testing::TempDir;

ino_t inode(const std::filesystem::path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Tells whether a file was replaced since the probe was set: a second name
// keeps the old file alive, so its identity cannot be handed out again.
class RewriteProbe {
public:
    explicit RewriteProbe(std::filesystem::path path) : path_(std::move(path)) { set(); }
    // Whether the file was replaced; sets the probe again.
    bool rewritten()
    {
        const bool replaced = inode(path_) != inode(held());
        set();
        return replaced;
    }

private:
    std::filesystem::path held() const { return path_.string() + ".probe"; }
    void set()
    {
        std::filesystem::remove(held());
        std::filesystem::create_hard_link(path_, held());
    }

    std::filesystem::path path_;
};

TEST(SettingsWrites, SameTextIsNotWrittenAgain)
{
    TempDir dir;
    const auto path = dir / "a.ini";
    IniDocument doc;
    doc.writeInteger("GLOBAL", "MatrixCols", 9);
    EXPECT_TRUE(doc.saveIfChanged(path)); // no file yet
    RewriteProbe probe(path);
    EXPECT_FALSE(doc.saveIfChanged(path));
    EXPECT_FALSE(probe.rewritten());

    doc.writeString("GLOBAL", "Name", "Ёлка"); // written as Windows-1251
    EXPECT_TRUE(doc.saveIfChanged(path));
    EXPECT_TRUE(probe.rewritten());
    EXPECT_EQ(testing::readBytes(path), "[GLOBAL]\r\nMatrixCols=9\r\nName=\xA8\xEB\xEA\xE0\r\n");
    EXPECT_FALSE(doc.saveIfChanged(path));

    // The same values in another spelling are put in the program's own form once.
    testing::writeBytes(path, "[GLOBAL]\nMatrixCols=9\nName=\xA8\xEB\xEA\xE0\n");
    EXPECT_TRUE(IniDocument::load(path).saveIfChanged(path));
    EXPECT_FALSE(IniDocument::load(path).saveIfChanged(path));
    testing::writeBytes(path, testing::readBytes(path) + "\r\n"); // longer than the text
    EXPECT_TRUE(IniDocument::load(path).saveIfChanged(path));
}

TEST(SettingsWrites, UnchangedWindowSettingsWriteNothing)
{
    TempDir dir;
    const auto path = dir / "Belvane_6x45.frm";
    MainWindowSettings settings{WindowStateFile(path)};
    settings.Load();
    settings.Set("SortedDraws", 1); // written when toggled
    settings.SaveOnClose();
    RewriteProbe probe(path);

    settings.Set("SortedDraws", 1);
    settings.Set("SortedDraws", 7); // a flag stays 1
    settings.SaveOnClose();
    EXPECT_FALSE(probe.rewritten());

    MainWindowSettings again{WindowStateFile(path)};
    again.Load();
    again.SaveOnClose(); // a run that changed nothing
    again.Set("SortedDraws", again.Get("SortedDraws"));
    EXPECT_FALSE(probe.rewritten());
    // A value the file does not hold yet is written even when it is the
    // default (the first start records the prefetch switch that way).
    again.Set("PrefetchsEnabled", again.Get("PrefetchsEnabled"));
    EXPECT_TRUE(probe.rewritten());
    EXPECT_TRUE(IniDocument::load(path).valueExists("TFormMain", "PrefetchsEnabled"));

    again.Set("DrawsStatLen", 250); // kept until the window closes
    EXPECT_FALSE(probe.rewritten());
    again.SaveOnClose();
    EXPECT_TRUE(probe.rewritten());
    EXPECT_EQ(IniDocument::load(path).readInteger("TFormMain", "DrawsStatLen", 0), 250);

    const WindowStateFile file(path);
    SaveColumnWidths(file, MainWindowSection, "lvDraws", std::vector<int>{60, 30});
    EXPECT_TRUE(probe.rewritten());
    SaveColumnWidths(file, MainWindowSection, "lvDraws", std::vector<int>{60, 30});
    SavePlacement(file, MainWindowSection, WindowPlacement{0, 1, {}, {1, 2, 3, 4}}, 96, 800, 600);
    EXPECT_TRUE(probe.rewritten());
    SavePlacement(file, MainWindowSection, WindowPlacement{0, 1, {}, {1, 2, 3, 4}}, 96, 800, 600);
    SaveListSort(file, MainWindowSection, "lvDrawsStat", {3, 1});
    EXPECT_TRUE(probe.rewritten());
    SaveListSort(file, MainWindowSection, "lvDrawsStat", {3, 1});
    EXPECT_FALSE(probe.rewritten());
}

} // namespace
} // namespace belvane::app
