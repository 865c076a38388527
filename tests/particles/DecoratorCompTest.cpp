// The debug panel's decorator buttons, clicked the way the panel clicks them: in the middle of
// drawing the entries.
#include "particles/DecoratorComp.h"
#include "core/TweakBar.h"

#include <gtest/gtest.h>

namespace
{
/// Reads an entry's value as the panel's widgets do, through its data pointer.
float Shown(const TweakEntry& entry)
{
    if (!entry.data)
        return 0.0f;
    if (entry.type == TweakType::Bool)
        return *static_cast<const bool*>(entry.data) ? 1.0f : 0.0f;
    if (entry.type == TweakType::Enum)
        return static_cast<float>(*static_cast<const int*>(entry.data));
    return *static_cast<const float*>(entry.data);
}

/// One panel frame: every entry in turn, clicking the button `click` when its turn comes.
float DrawClicking(const TweakBar& bar, const std::string& click)
{
    float sum = 0.0f;
    for (size_t i = 0; i < bar.Entries().size(); ++i)
    {
        const TweakEntry& entry = bar.Entries()[i];
        if (entry.access == TweakAccess::Button && entry.name == click)
            entry.onClick();
        sum += Shown(entry);
    }
    return sum;
}
} // namespace

TEST(DecoratorComp, RemoveDecFreesTheDecoratorOnlyAfterThePanelHasDrawnItsFields)
{
    DecoratorComp decorators;
    decorators.Add(0);
    decorators.Add(1);
    TweakBar bar;
    decorators.AddToTweakBar(bar, true);
    ASSERT_NE(bar.Find("ScaleMin"), nullptr);

    // The selector stands on "Scale": the click removes the scale decorator, and the scale fields
    // drawn after the button still read a live decorator (with AddressSanitizer this would fail
    // as a use after free if the click deleted it at once).
    EXPECT_EQ(DrawClicking(bar, "remove_dec"), 0.0f) << "scale 1 and 1, life -1 and -1, the rest 0";
    EXPECT_EQ(decorators.Get(0), nullptr);
    ASSERT_NE(decorators.Get(1), nullptr);
    EXPECT_EQ(bar.Find("ScaleMin"), nullptr) << "its group has left the panel";
    EXPECT_NE(bar.Find("lifeMin"), nullptr);

    // The panel's next frame refills the bar from the object.
    bar.Clear();
    decorators.AddToTweakBar(bar, true);
    EXPECT_EQ(bar.Find("ScaleMin"), nullptr);
    EXPECT_NE(bar.Find("lifeMax"), nullptr);
    DrawClicking(bar, "remove_dec");
    EXPECT_NE(decorators.Get(1), nullptr) << "no scale decorator is left to remove: nothing happens";
}
