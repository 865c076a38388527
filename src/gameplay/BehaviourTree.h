#pragma once

#include <memory>
#include <vector>

class AiDriver;

/// Result of ticking a behaviour-tree node.
enum class BStatus
{
    Invalid = 0, ///< never ticked
    Success = 1,
    Failure = 2,
    Running = 3,
};

/// A behaviour-tree node. Statuses persist between frames, so a Running node resumes where it was.
class BNode
{
  public:
    explicit BNode(AiDriver* owner = nullptr) : m_owner(owner) {}
    virtual ~BNode() = default;
    BNode(const BNode&) = delete;
    BNode& operator=(const BNode&) = delete;

    virtual void OnInitialize() { m_status = BStatus::Running; }
    virtual BStatus Update() = 0;
    virtual void OnTerminate() {}

    BStatus GetStatus() const { return m_status; }
    AiDriver* GetOwner() const { return m_owner; }

    /// Initialises the node unless it is running, updates it, and terminates it when it finished.
    BStatus Tick();

  protected:
    BStatus m_status = BStatus::Invalid;
    AiDriver* m_owner;
};

/// A node with ordered children, one of which is current.
class CompositeNode : public BNode
{
  public:
    using BNode::BNode;
    /// Appends `child` and returns it.
    BNode* AddChild(std::unique_ptr<BNode> child);
    void OnInitialize() override;
    size_t ChildCount() const { return m_children.size(); }

  protected:
    std::vector<std::unique_ptr<BNode>> m_children;
    size_t m_current = 0;
};

/// Runs its children in order, one step per tick; fails as soon as one fails.
class Sequence final : public CompositeNode
{
  public:
    using CompositeNode::CompositeNode;
    BStatus Update() override;
};

/// Tries its children in order, one per tick; succeeds as soon as one succeeds.
class Selector final : public CompositeNode
{
  public:
    using CompositeNode::CompositeNode;
    BStatus Update() override;
};

/// A node wrapping one child.
class DecoratorNode : public BNode
{
  public:
    DecoratorNode(AiDriver* owner, std::unique_ptr<BNode> child) : BNode(owner), m_child(std::move(child)) {}

  protected:
    std::unique_ptr<BNode> m_child;
};

/// Swaps its child's Success and Failure.
class Inverter final : public DecoratorNode
{
  public:
    using DecoratorNode::DecoratorNode;
    BStatus Update() override;
};

/// Runs its child to completion limit + 1 times, reporting Running until the last completion.
class RepeatCounter final : public DecoratorNode
{
  public:
    RepeatCounter(AiDriver* owner, std::unique_ptr<BNode> child, int limit)
        : DecoratorNode(owner, std::move(child)), m_limit(limit), m_remaining(limit)
    {
    }
    BStatus Update() override;

  private:
    int m_limit;
    int m_remaining;
};

/// A node that does the work; may carry one integer parameter.
class LeafNode : public BNode
{
  public:
    explicit LeafNode(AiDriver* owner, int parameter = 0) : BNode(owner), m_parameter(parameter) {}
    int GetParameter() const { return m_parameter; }

  protected:
    int m_parameter;
};
