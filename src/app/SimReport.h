#pragma once

#include <string>

/// The JSON summary the runner writes at exit.
struct SimReport
{
    long long frames = 0;
    int finalState = 0;
    double wallSeconds = 0.0;

    std::string ToJson() const;
    /// Writes ToJson() to `path`; false if the file cannot be written.
    bool Write(const std::string& path) const;
};
