#pragma once

#include "check/Check.h"

struct XmlSource;

/// Data files that are not well-formed XML: nothing is built from them.
class XmlFileCheck final : public Check
{
  public:
    const char* Name() const override { return "XML files"; }
    void Run(const ContentTree& tree, ProblemReport& report) const override;

  private:
    static void ReportUnreadable(const XmlSource& source, ProblemReport& report);
};
