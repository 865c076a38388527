#pragma once

class ContentTree;
class ProblemReport;

/// One kind of content check. Each kind is a class of its own, listed once in CheckList.cpp.
class Check
{
  public:
    virtual ~Check() = default;
    /// What the check looks at, in a few words ("gates").
    virtual const char* Name() const = 0;
    /// Adds what it finds in `tree` to `report`.
    virtual void Run(const ContentTree& tree, ProblemReport& report) const = 0;
};
