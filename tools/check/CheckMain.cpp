// vantora-check [--root DIR] [TRACK...]: lists every problem of a res/ tree, one per line, and
// exits non-zero when there is any.
#include "check/CheckList.h"
#include "check/ContentTree.h"
#include "check/DescribedFields.h"
#include "check/ProblemReport.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
constexpr int kProblemsFound = 1;
constexpr int kUsageError = 2;

const char* kUsage = "usage: vantora-check [--root DIR] [TRACK...]\n"
                     "Checks the res/ tree under DIR (default: the current folder); with TRACK names, only\n"
                     "those scenes are checked, as race tracks.\n";

struct Options
{
    std::string root = ".";
    std::vector<std::string> tracks;
    bool help = false;
};

bool Parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--root") == 0 && i + 1 < argc)
            options.root = argv[++i];
        else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            options.help = true;
        else if (argv[i][0] == '-')
        {
            std::printf("vantora-check: unknown option '%s'\n", argv[i]);
            return false;
        }
        else
            options.tracks.emplace_back(argv[i]);
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!Parse(argc, argv, options))
    {
        std::fputs(kUsage, stdout);
        return kUsageError;
    }
    if (options.help)
    {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(std::filesystem::path(options.root) / "res", error))
    {
        std::printf("vantora-check: there is no folder res/ in '%s'\n", options.root.c_str());
        return kUsageError;
    }
    const ContentTree tree(options.root, options.tracks);
    const DescribedFields fields;
    ProblemReport report;
    RunChecks(tree, fields, report);
    report.Print(stdout);
    return report.ProblemCount() > 0 ? kProblemsFound : 0;
}
