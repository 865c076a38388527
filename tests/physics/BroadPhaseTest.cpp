#include "PhysicsWorld.h"

#include "physics/AabbTree.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace
{
PhysicsSystem& Physics()
{
    return PhysicsSystem::Instance();
}

/// Everything a frame's detection leaves behind, compared bit for bit.
struct FrameRecord
{
    std::vector<Contact> contacts;
    std::vector<std::vector<Collider*>> touched;
    std::vector<Vector4> positions;

    bool operator==(const FrameRecord& o) const
    {
        if (contacts.size() != o.contacts.size() || touched != o.touched || positions != o.positions)
            return false;
        for (size_t i = 0; i < contacts.size(); ++i)
            if (std::memcmp(&contacts[i], &o.contacts[i], sizeof(Contact)) != 0)
                return false;
        return true;
    }
};

/// A scene of random spheres, boxes and oriented boxes, a few of them huge or zero-sized.
class RandomScene
{
  public:
    explicit RandomScene(unsigned seed) : m_random(seed) {}

    void AddObjects(int count)
    {
        for (int i = 0; i < count; ++i)
        {
            const auto type = static_cast<VolumeType>(Int(0, 2));
            const Vector4 position{Real(-12, 12), Real(-3, 3), Real(-12, 12)};
            Vector4 scale{Real(0.2f, 3), Real(0.2f, 3), Real(0.2f, 3)};
            if (Int(0, 30) == 0)
                scale = {Real(0, 1) < 0.5f ? 0.0f : 40.0f, 0.5f, 40.0f};
            GameObject& object = m_world.Add(type, position, scale, Int(0, 4) == 0, Int(0, 3) != 0);
            if (Int(0, 2) == 0)
                TransformOf(object).SetRotation(RandomRotation());
            if (RigidBody* body = object.Get<RigidBody>(ComponentType::RigidBody))
            {
                body->SetGravityOn(true);
                body->SetVelocity({Real(-3, 3), Real(-3, 3), Real(-3, 3)});
                body->SetStatic(Int(0, 5) == 0);
            }
        }
    }

    /// Moves, turns, resizes, retypes, toggles and removes a few objects between frames.
    void Stir()
    {
        for (int n = 0; n < 6; ++n)
        {
            GameObject& object = *m_world.objects[static_cast<size_t>(Int(0, Count() - 1))];
            switch (Int(0, 4))
            {
            case 0:
                TransformOf(object).SetPosition(Real(-12, 12), Real(-3, 3), Real(-12, 12));
                break;
            case 1:
                TransformOf(object).SetRotation(RandomRotation());
                break;
            case 2:
                TransformOf(object).SetScale(Real(0, 4), Real(0, 4), Real(0, 4));
                break;
            case 3:
                ColliderOf(object).SetVolumeType(static_cast<VolumeType>(Int(0, 2)));
                break;
            default:
                ColliderOf(object).SetDynamic(!ColliderOf(object).IsDynamic());
                break;
            }
        }
        m_world.objects.erase(m_world.objects.begin() + Int(0, Count() - 1));
        AddObjects(1);
    }

    /// Runs one frame with each detection from the same state and returns both records.
    std::pair<FrameRecord, FrameRecord> RunBothWays(float frameTime)
    {
        Physics().PreUpdate();
        const auto saved = Save();
        Physics().SetDetection(PhysicsSystem::Detection::AllPairs);
        const FrameRecord reference = RunFrame(frameTime);
        Restore(saved);
        Physics().SetDetection(PhysicsSystem::Detection::BroadPhase);
        return {reference, RunFrame(frameTime)};
    }

    int Count() const { return static_cast<int>(m_world.objects.size()); }

  private:
    struct Saved
    {
        Vector4 position;
        Vector4 velocity;
    };

    FrameRecord RunFrame(float frameTime)
    {
        Physics().Update(frameTime);
        FrameRecord record;
        record.contacts = Physics().GetContacts();
        for (Collider* collider : Physics().GetColliders())
            record.touched.push_back(collider->GetTouchedList());
        for (auto& object : m_world.objects)
            record.positions.push_back(TransformOf(*object).GetPosition());
        Physics().PostUpdate();
        return record;
    }

    std::vector<Saved> Save()
    {
        std::vector<Saved> saved;
        for (auto& object : m_world.objects)
        {
            const RigidBody* body = object->Get<RigidBody>(ComponentType::RigidBody);
            saved.push_back({TransformOf(*object).GetPosition(), body ? body->GetVelocity() : Vector4{}});
        }
        return saved;
    }

    void Restore(const std::vector<Saved>& saved)
    {
        for (size_t i = 0; i < saved.size(); ++i)
        {
            TransformOf(*m_world.objects[i]).SetPosition(saved[i].position);
            if (RigidBody* body = m_world.objects[i]->Get<RigidBody>(ComponentType::RigidBody))
                body->SetVelocity(saved[i].velocity);
        }
    }

    Quaternion RandomRotation()
    {
        const Vector4 axis = Vector4{Real(-1, 1), Real(-1, 1), Real(-1, 1)}.Normalized();
        return Quaternion::FromAxisAngle(axis, Real(0, 6.28f));
    }

    float Real(float low, float high) { return std::uniform_real_distribution<float>(low, high)(m_random); }
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    PhysicsWorld m_world;
    std::mt19937 m_random;
};
} // namespace

TEST(BroadPhase, FindsExactlyWhatTheAllPairsLoopFinds)
{
    for (unsigned seed = 1; seed <= 6; ++seed)
    {
        RandomScene scene(seed);
        scene.AddObjects(120);
        size_t contactsSeen = 0;
        for (int frame = 0; frame < 15; ++frame)
        {
            const auto [reference, broad] = scene.RunBothWays(frame % 3 == 0 ? 0.05f : 1.0f / 60.0f);
            ASSERT_TRUE(reference == broad) << "seed " << seed << " frame " << frame;
            contactsSeen += reference.contacts.size();
            scene.Stir();
        }
        EXPECT_GT(contactsSeen, 100u); // the scenes are dense enough to mean something
    }
}

TEST(BroadPhase, HugeCollidersStillMeetEverything)
{
    PhysicsWorld world;
    world.Add(VolumeType::Aabb, {3e37f, 0, 0}, {3e38f, 3e38f, 3e38f}, false);
    world.Add(VolumeType::Sphere, {-3e37f, 0, 0}, {1, 1, 1});
    world.Add(VolumeType::Obb, {1e20f, 0, 0}, {1, 1, 1}, true);
    Physics().PreUpdate();
    Physics().SetDetection(PhysicsSystem::Detection::AllPairs);
    Physics().Update(0.016f);
    const std::vector<Contact> reference = Physics().GetContacts();
    Physics().PostUpdate();
    Physics().SetDetection(PhysicsSystem::Detection::BroadPhase);
    Physics().Update(0.016f);
    ASSERT_EQ(Physics().GetContacts().size(), reference.size());
    EXPECT_FALSE(reference.empty());
}

TEST(AabbTree, QueriesMatchBruteForceThroughMovesAndRemovals)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<float> coordinate(-50, 50);
    std::uniform_real_distribution<float> size(0, 4);
    auto randomBox = [&]
    {
        Aabb box;
        for (int k = 0; k < 3; ++k)
        {
            box.min[k] = coordinate(random);
            box.max[k] = box.min[k] + size(random);
        }
        return box;
    };
    AabbTree tree;
    std::vector<int> proxies;
    for (int i = 0; i < 500; ++i)
        proxies.push_back(tree.CreateProxy(randomBox(), i));
    for (int i = 0; i < 500; i += 3)
        tree.MoveProxy(proxies[static_cast<size_t>(i)], randomBox());
    for (int i = 0; i < 500; i += 7)
    {
        tree.DestroyProxy(proxies[static_cast<size_t>(i)]);
        proxies[static_cast<size_t>(i)] = -1;
    }
    EXPECT_LE(tree.GetHeight(), 20); // balanced: about log2 of the leaf count, not the count

    for (int q = 0; q < 50; ++q)
    {
        const Aabb query = randomBox();
        std::vector<int> found;
        tree.Query(query, [&](int user) { found.push_back(user); });
        std::vector<int> expected;
        for (size_t i = 0; i < proxies.size(); ++i)
            if (proxies[i] >= 0 && tree.GetFatBox(proxies[i]).Overlaps(query))
                expected.push_back(static_cast<int>(i));
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected);
    }
}
