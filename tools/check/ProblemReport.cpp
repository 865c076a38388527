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
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a literal + temporary string.
    std::string formatted = severity == Severity::Warning ? "warning: " : "";
    formatted += file;
    if (line > 0)
        formatted.append(":").append(std::to_string(line));
    formatted.append(": ").append(text);
    return formatted;
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
