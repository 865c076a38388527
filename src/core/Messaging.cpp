#include "core/Messaging.h"

#include "core/ResourcePaths.h"

#include <cstdio>

Messaging::Messaging()
{
    // in|out neither truncates nor creates: a missing file or folder leaves the stream closed.
    m_debugLog.open(ResourcePaths::kDebugLog, std::ios::in | std::ios::out);
}

Messaging& Messaging::Instance()
{
    static Messaging instance;
    return instance;
}

void Messaging::WriteDiagnosticsLineByLine()
{
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
}
