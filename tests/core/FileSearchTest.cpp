#include "core/FileSearch.h"
#include "core/Messaging.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(FileSearch, SplitPathLowerCasesAndSplitsAtTheLastSeparatorAndDot)
{
    const SplitPathResult r = SplitPath("Res\\Archetype\\Big.Ball.XML");
    EXPECT_EQ(r.path, "res/archetype/big.ball.xml");
    EXPECT_EQ(r.folder, "res/archetype/");
    EXPECT_EQ(r.stem, "big.ball");
    EXPECT_EQ(r.extension, ".xml");
    const SplitPathResult noExt = SplitPath("res/v1.2/readme");
    EXPECT_EQ(noExt.stem, "readme");
    EXPECT_EQ(noExt.extension, "");
    std::vector<std::string> names = {"Cube.TBM", "sky"};
    ReplaceWithStems(names);
    EXPECT_EQ(names, (std::vector<std::string>{"cube", "sky"}));
}

TEST(FileSearch, FindFilesMatchesThePatternIgnoringCaseAndSkipsFolders)
{
    TempFolder folder;
    folder.Write("a.xml", "");
    folder.Write("B.XML", "");
    folder.Write("c.txt", "");
    folder.Write("sub.xml/inner.xml", "");
    std::vector<std::string> found = FindFiles(folder.Path().string() + "/", "*.xml");
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"B.XML", "a.xml"}));
    EXPECT_TRUE(MatchesPattern("water_icon.png", "*.PNG"));
    EXPECT_TRUE(MatchesPattern("ab", "a?"));
    EXPECT_FALSE(MatchesPattern("abc", "a?"));
}

TEST(FileSearch, UnsearchableFolderReportsAndYieldsNothing)
{
    const std::string printed =
        CaptureStdout([] { EXPECT_TRUE(FindFiles("/no/such/folder/", "*").empty()); });
    EXPECT_EQ(printed.rfind("FindFirstFile failed (", 0), 0u) << printed;
}

TEST(FileSearch, ResolveFileCaseFindsTheFileWhoseNameDiffersOnlyInCase)
{
    TempFolder folder;
    folder.Write("Racer.XML", "");
    const std::string wanted = (folder.Path() / "racer.xml").string();
    EXPECT_EQ(ResolveFileCase(wanted), (folder.Path() / "Racer.XML").string());
    EXPECT_EQ(ResolveFileCase("/no/such/thing.xml"), "/no/such/thing.xml");
}

TEST(Messaging, StartsWithoutTheDebugLogFolder)
{
    TempFolder folder;
    ScopedWorkingDirectory cwd(folder.Path());
    EXPECT_FALSE(Messaging::Instance().IsDebugLogOpen());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "src")) << "nothing is created";
}
