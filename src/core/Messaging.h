#pragma once

#include "core/EmptySystem.h"

#include <fstream>

/// A system with no behaviour: the engine has no message bus and diagnostics go to standard
/// output. It holds the debug-log stream, opened without creating the file and never written.
class Messaging final : public EmptySystem
{
  public:
    static Messaging& Instance();

    /// Makes standard output write each diagnostic line at once, even into a pipe or a file, so
    /// no line is lost when the process is stopped and none comes out of order with stderr.
    /// Call it before anything is written.
    static void WriteDiagnosticsLineByLine();

    /// Whether the debug-log file existed and was opened.
    bool IsDebugLogOpen() const { return m_debugLog.is_open(); }

  private:
    Messaging();
    std::fstream m_debugLog;
};
