#pragma once

#include <string>
#include <vector>

/// The parts of a path as the resource loaders use them: lower-cased, '\' turned into '/'.
struct SplitPathResult
{
    std::string extension; ///< from the last '.' of the file name to the end, empty if none
    std::string stem;      ///< the file name without folder and extension
    std::string folder;    ///< up to and including the last separator
    std::string path;      ///< the whole converted path
};

/// Plain file names in `folder` matching `pattern` ('*' and '?' wildcards, case-insensitive as
/// on the platform the data was made on), in the file system's order. A folder that cannot be
/// searched prints "FindFirstFile failed (%d)" and yields an empty list.
std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern);

/// Splits a path into extension, stem and folder after lower-casing it.
SplitPathResult SplitPath(const std::string& path);

/// Replaces every name of `names` by its SplitPath stem.
void ReplaceWithStems(std::vector<std::string>& names);

/// Whether `name` matches a '*' / '?' pattern, ignoring case.
bool MatchesPattern(const std::string& name, const std::string& pattern);

/// `path` itself if it exists; otherwise the existing path whose last component differs only in
/// case (resource names are lower-cased stems, files on disk may not be); otherwise `path`.
std::string ResolveFileCase(const std::string& path);
