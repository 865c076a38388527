#include "check/ProblemReport.h"

namespace
{
std::string Counted(int count, const char* what)
{
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}
} // namespace

std::string Finding::Format() const
{
    std::string where = file;
    if (line > 0)
        where += ":" + std::to_string(line);
    return (severity == Severity::Warning ? "warning: " : "") + where + ": " + text;
}

void ProblemReport::Problem(const std::string& file, int line, const std::string& text)
{
    m_findings.push_back({Severity::Problem, file, line, text});
    ++m_problems;
}

void ProblemReport::Warning(const std::string& file, int line, const std::string& text)
{
    m_findings.push_back({Severity::Warning, file, line, text});
}

std::string ProblemReport::Summary() const
{
    std::string summary = m_problems == 0 ? "no problems" : Counted(m_problems, "problem");
    if (WarningCount() > 0)
        summary += ", " + Counted(WarningCount(), "warning");
    return "vantora-check: " + summary;
}

void ProblemReport::Print(std::FILE* out) const
{
    for (const Finding& finding : m_findings)
        std::fprintf(out, "%s\n", finding.Format().c_str());
    std::fprintf(out, "%s\n", Summary().c_str());
}
