#include "gameplay/BehaviourTree.h"

#include <gtest/gtest.h>

namespace
{
// A leaf that answers from a script of statuses and counts its ticks.
class ScriptedLeaf final : public LeafNode
{
  public:
    explicit ScriptedLeaf(std::vector<BStatus> answers, int* ticks = nullptr)
        : LeafNode(nullptr), m_answers(std::move(answers)), m_ticks(ticks)
    {
    }
    BStatus Update() override
    {
        if (m_ticks)
            ++*m_ticks;
        const BStatus answer = m_answers[m_next % m_answers.size()];
        ++m_next;
        return answer;
    }

  private:
    std::vector<BStatus> m_answers;
    size_t m_next = 0;
    int* m_ticks;
};

std::unique_ptr<BNode> Always(BStatus status, int* ticks = nullptr)
{
    return std::make_unique<ScriptedLeaf>(std::vector<BStatus>{status}, ticks);
}

constexpr BStatus S = BStatus::Success;
constexpr BStatus F = BStatus::Failure;
constexpr BStatus R = BStatus::Running;
} // namespace

TEST(BehaviourTree, SequenceAdvancesOneChildPerTickAndStopsOnFailure)
{
    Sequence sequence;
    sequence.AddChild(Always(S));
    sequence.AddChild(Always(S));
    EXPECT_EQ(sequence.Tick(), R);
    EXPECT_EQ(sequence.Tick(), S);
    EXPECT_EQ(sequence.Tick(), R) << "a finished sequence starts over";

    Sequence failing;
    int secondTicks = 0;
    failing.AddChild(Always(F));
    failing.AddChild(Always(S, &secondTicks));
    EXPECT_EQ(failing.Tick(), F);
    EXPECT_EQ(secondTicks, 0);
    EXPECT_EQ(Sequence().Tick(), S);
}

TEST(BehaviourTree, SelectorTriesChildrenUntilOneSucceeds)
{
    Selector selector;
    selector.AddChild(Always(F));
    selector.AddChild(Always(S));
    EXPECT_EQ(selector.Tick(), R);
    EXPECT_EQ(selector.Tick(), S);
    Selector allFail;
    allFail.AddChild(Always(F));
    EXPECT_EQ(allFail.Tick(), F);
    EXPECT_EQ(Selector().Tick(), F);
}

TEST(BehaviourTree, RunningChildKeepsItsParentOnItUntilItFinishes)
{
    Sequence sequence;
    int firstTicks = 0;
    sequence.AddChild(std::make_unique<ScriptedLeaf>(std::vector<BStatus>{R, R, S}, &firstTicks));
    sequence.AddChild(Always(S));
    EXPECT_EQ(sequence.Tick(), R);
    EXPECT_EQ(sequence.Tick(), R);
    EXPECT_EQ(sequence.Tick(), R);
    EXPECT_EQ(firstTicks, 3);
    EXPECT_EQ(sequence.Tick(), S);
}

TEST(BehaviourTree, InverterSwapsSuccessAndFailureButNotRunning)
{
    EXPECT_EQ(Inverter(nullptr, Always(S)).Tick(), F);
    EXPECT_EQ(Inverter(nullptr, Always(F)).Tick(), S);
    EXPECT_EQ(Inverter(nullptr, Always(R)).Tick(), R);
    EXPECT_EQ(Inverter(nullptr, nullptr).Tick(), F);
}

TEST(BehaviourTree, RepeatCounterCompletesItsChildLimitPlusOneTimes)
{
    int ticks = 0;
    RepeatCounter repeat(nullptr, Always(S, &ticks), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(repeat.Tick(), R) << "tick " << i;
    EXPECT_EQ(repeat.Tick(), S);
    EXPECT_EQ(ticks, 11);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(repeat.Tick(), R);
    EXPECT_EQ(repeat.Tick(), S) << "the count resets after each success";
    EXPECT_EQ(RepeatCounter(nullptr, nullptr, 3).Tick(), S);
}

TEST(BehaviourTree, SteeringBranchRunsTwentyTwoTicksBeforeTheNextBranch)
{
    // The computer racers' tree: branch A repeats a two-leaf sequence, branch B follows.
    int steerTicks = 0;
    int branchBTicks = 0;
    Sequence root;
    auto* branchA = static_cast<Sequence*>(root.AddChild(std::make_unique<Sequence>()));
    auto pair = std::make_unique<Sequence>();
    pair->AddChild(Always(S, &steerTicks));
    pair->AddChild(Always(S));
    branchA->AddChild(std::make_unique<RepeatCounter>(nullptr, std::move(pair), 10));
    root.AddChild(Always(F, &branchBTicks));

    int ticksUntilB = 0;
    while (branchBTicks == 0 && ticksUntilB < 100)
    {
        root.Tick();
        ++ticksUntilB;
    }
    EXPECT_EQ(ticksUntilB, 23) << "22 steering ticks, then branch B on the next";
    EXPECT_EQ(steerTicks, 11);
}
