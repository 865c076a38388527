#pragma once

#include "gameplay/BehaviourTree.h"

// The leaves of the computer racers' tree. Each reads and writes its racer through the AiDriver.

/// Turns the target into steering axes and writes them as the racer's move axes. Always succeeds.
class GetDirection final : public LeafNode
{
  public:
    using LeafNode::LeafNode;
    BStatus Update() override;
};

/// Drives the racer's Movement with its move axes, as a person's stick would. Always succeeds.
class MoveToTarget final : public LeafNode
{
  public:
    using LeafNode::LeafNode;
    BStatus Update() override;
};

/// Succeeds when the racer has a usable charge (31 or more) or held shots left.
class CheckPowerUp final : public LeafNode
{
  public:
    using LeafNode::LeafNode;
    BStatus Update() override;
};

/// Releases both power buttons, then decides to keep the charge 46% of the time (never a full one).
class StorePowerUp final : public LeafNode
{
  public:
    using LeafNode::LeafNode;
    BStatus Update() override;
};

/// Looks for a racer within 15 degrees ahead (parameter 0) or behind (1); a full charge always passes.
class CheckDirection final : public LeafNode
{
  public:
    using LeafNode::LeafNode;
    BStatus Update() override;
};

/// Succeeds when the chosen opponent is in range (wind's weak gust reaches less far).
class CheckDistance final : public LeafNode
{
  public:
    using LeafNode::LeafNode;
    BStatus Update() override;
};

/// Presses the forward (parameter 0) or backward (1) power button. Always succeeds.
class UsePowerUp final : public LeafNode
{
  public:
    using LeafNode::LeafNode;
    BStatus Update() override;
};
