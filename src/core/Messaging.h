#pragma once

#include "core/EmptySystem.h"

#include <fstream>

/// A system with no behaviour: the engine has no message bus and diagnostics go to standard
/// output. It holds the debug-log stream, opened without creating the file and never written.
class Messaging final : public EmptySystem
{
public:
    static Messaging& Instance();

    /// Whether the debug-log file existed and was opened.
    bool IsDebugLogOpen() const { return m_debugLog.is_open(); }

private:
    Messaging();
    std::fstream m_debugLog;
};
