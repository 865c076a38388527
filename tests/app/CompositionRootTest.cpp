#include "objects/Factory.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
// The component classes the game has: every type but the invalid one.
std::set<ComponentType> BuiltTypes()
{
    std::set<ComponentType> types;
    for (int type = 0; type < kComponentTypeCount; ++type)
        types.insert(static_cast<ComponentType>(type));
    return types;
}

void InitFactoryWithoutContent()
{
    TempFolder empty;
    ScopedWorkingDirectory cwd(empty.Path());
    CaptureStdout([] { Factory::Instance().Init(); });
}
} // namespace

TEST(CompositionRoot, EveryComponentClassIsCreatedUnderItsOwnTypeName)
{
    InitFactoryWithoutContent();
    std::set<ComponentType> created;
    for (int type = 0; type < kComponentTypeCount; ++type)
    {
        const auto expected = static_cast<ComponentType>(type);
        std::unique_ptr<Component> component =
            Factory::Instance().CreateComponent(ComponentTypeName(expected));
        if (!component)
            continue;
        EXPECT_EQ(component->GetType(), expected) << ComponentTypeName(expected);
        created.insert(expected);
    }
    EXPECT_EQ(created, BuiltTypes());
}

// The process ends with these objects still alive: the Factory deletes them at exit, and each
// component then leaves its driver, which must still exist (the sanitizer reports it otherwise).
TEST(CompositionRoot, ObjectsLeftAtExitLeaveDriversThatStillExist)
{
    Factory& factory = Factory::Instance();
    InitFactoryWithoutContent();
    std::unique_ptr<GameObject> everything = factory.CreateEmptyObject("Everything");
    for (ComponentType type : BuiltTypes())
        everything->AddComponent(factory.CreateComponent(ComponentTypeName(type)));
    factory.AddArchetype(std::move(everything));
    CaptureStdout(
        [&]
        {
            ASSERT_NE(factory.CreateObject("Everything", 0), nullptr);
            ASSERT_NE(factory.CreateObject("Everything", 1), nullptr);
        });
    EXPECT_EQ(factory.GetObjectList(0).begin()->second->ComponentCount(), BuiltTypes().size());
}
