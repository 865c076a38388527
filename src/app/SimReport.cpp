#include "app/SimReport.h"

#include <cstdio>
#include <fstream>

std::string SimReport::ToJson() const
{
    char text[256];
    std::snprintf(text, sizeof text, "{\n  \"frames\": %lld,\n  \"final_state\": %d,\n  \"wall_seconds\": %.6f\n}\n",
                  frames, finalState, wallSeconds);
    return text;
}

bool SimReport::Write(const std::string& path) const
{
    std::ofstream out(path);
    out << ToJson();
    return static_cast<bool>(out);
}
