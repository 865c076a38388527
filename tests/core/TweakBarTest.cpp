#include "core/TweakBar.h"

#include <gtest/gtest.h>

TEST(TweakBar, ARemovedGroupStaysDrawableAndWhatItPointsIntoStaysAliveUntilTheNextClear)
{
    TweakBar bar;
    auto kept = std::make_shared<float>(2.0f);
    const std::weak_ptr<float> watch = kept;
    float other = 1.0f;
    bar.AddVarRW("kept", TweakType::Float, kept.get(), TweakBar::GroupDefinition("Gone"));
    bar.AddVarRW("other", TweakType::Float, &other, TweakBar::GroupDefinition("Stays"));
    bar.RemoveGroup("Gone");
    bar.KeepUntilClear(std::move(kept));

    EXPECT_EQ(bar.Find("kept"), nullptr);
    EXPECT_NE(bar.Find("other"), nullptr);
    ASSERT_EQ(bar.Entries().size(), 2u) << "the panel may be half way through drawing them";
    EXPECT_TRUE(bar.Entries()[0].removed);
    EXPECT_FALSE(bar.Entries()[1].removed);
    EXPECT_FALSE(watch.expired());

    bar.Clear();
    EXPECT_TRUE(bar.Entries().empty());
    EXPECT_TRUE(watch.expired());
}
