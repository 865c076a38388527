#pragma once

#include <cstdio>
#include <string>
#include <vector>

/// How much a finding matters: problems make the checker fail, warnings only inform.
enum class Severity
{
    Problem,
    Warning,
};

/// One finding: where it is and what to do about it.
struct Finding
{
    Severity severity = Severity::Problem;
    std::string file; ///< the file as the user named the tree, e.g. "res/scene/watertrack.xml"
    int line = 0;     ///< 0 when the finding concerns the whole file or folder
    std::string text;

    /// "FILE:LINE: text", with "warning: " in front of a warning and no line number when there is none.
    std::string Format() const;
};

/// Collects the findings of every check, in the order they were made.
class ProblemReport
{
  public:
    /// Records a problem: the content does not work as its author meant.
    void Problem(const std::string& file, int line, const std::string& text);
    /// Records a warning: legal, but worth a look.
    void Warning(const std::string& file, int line, const std::string& text);

    /// Every finding, in the order made.
    const std::vector<Finding>& Findings() const { return m_findings; }
    /// Findings that make the checker fail.
    int ProblemCount() const { return m_problems; }
    /// Findings that only inform.
    int WarningCount() const { return static_cast<int>(m_findings.size()) - m_problems; }
    /// "no problems" or "N problems", and the number of warnings when there are any.
    std::string Summary() const;
    /// Every finding on a line of its own, then the summary.
    void Print(std::FILE* out) const;

  private:
    std::vector<Finding> m_findings;
    int m_problems = 0;
};
