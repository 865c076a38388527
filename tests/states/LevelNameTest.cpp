// Which scene a chosen track index loads, for the track lists the select screen can be given.
#include "core/EngineGlobals.h"
#include "states/Level1.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace
{
class LevelNameTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        m_display = displayTrackNames;
        m_real = realTrackNames;
    }
    void TearDown() override
    {
        displayTrackNames = m_display;
        realTrackNames = m_real;
    }

  private:
    std::vector<std::string> m_display;
    std::map<int, std::string> m_real;
};
} // namespace

TEST_F(LevelNameTest, TheLastEntryIsARandomRealTrackNeverItself)
{
    displayTrackNames = {"Harbour", "Volcano", "Random"};
    realTrackNames = {{0, "watertrack"}, {1, "firetrack"}};
    std::srand(3);
    bool seen[2] = {false, false};
    for (int i = 0; i < 50; ++i)
    {
        const std::string name = Level1::LevelNameFor(2);
        ASSERT_TRUE(name == "watertrack" || name == "firetrack") << name;
        seen[name == "firetrack"] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1]) << "both real tracks come up";
    EXPECT_EQ(Level1::LevelNameFor(1), "firetrack");
}

TEST_F(LevelNameTest, AnIndexMissingFromTheListLoadsWatertrackAndASingleTrackIsItself)
{
    displayTrackNames = {"Harbour", "Random"};
    realTrackNames = {{0, "earthtrack"}};
    EXPECT_EQ(Level1::LevelNameFor(7), "watertrack");
    EXPECT_EQ(Level1::LevelNameFor(-1), "watertrack");

    displayTrackNames = {"Canyon"};
    EXPECT_EQ(Level1::LevelNameFor(0), "earthtrack") << "a one-entry list has no random entry";
    displayTrackNames.clear();
    realTrackNames.clear();
    EXPECT_EQ(Level1::LevelNameFor(0), "watertrack");
}
