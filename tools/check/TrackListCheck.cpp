#include "check/TrackListCheck.h"

#include "check/ContentTree.h"
#include "check/NameSuggestion.h"
#include "check/ProblemReport.h"
#include "core/ResourcePaths.h"

#include <algorithm>

namespace
{
bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

void TrackListCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    if (tree.TracksGiven())
    {
        for (const std::string& name : tree.RaceScenes())
            CheckTrack(tree, name, 0, report);
        return;
    }
    if (!CheckHeadings(tree, report))
        return;
    CheckCounts(tree, report);
    const TrackList& list = tree.Tracks();
    for (size_t i = 0; i < list.real.size() && i + 1 < list.display.size(); ++i)
        CheckTrack(tree, list.real[i].name, list.real[i].line, report);
}

bool TrackListCheck::CheckHeadings(const ContentTree& tree, ProblemReport& report)
{
    const TrackList& list = tree.Tracks();
    if (!list.source.xml->IsLoaded())
    {
        if (list.source.xml->GetDocument().ErrorID() == tinyxml2::XML_ERROR_FILE_NOT_FOUND)
            report.Problem(list.source.path, 0, "is missing, so the level select offers no track");
        return false;
    }
    const int rootLine = list.source.xml->GetRoot()->GetLineNum();
    for (const auto& [heading, name] :
         {std::pair{list.realHeading, "RealTrackNames"}, std::pair{list.displayHeading, "DisplayTrackNames"}})
        if (!heading)
            report.Problem(list.source.path, rootLine, std::string("has no \"") + name + "\" element");
    return list.realHeading && list.displayHeading;
}

void TrackListCheck::CheckCounts(const ContentTree& tree, ProblemReport& report)
{
    const TrackList& list = tree.Tracks();
    const std::string& path = list.source.path;
    if (list.display.size() < 2)
        report.Problem(
            path, list.displayHeading->GetLineNum(),
            "\"DisplayTrackNames\" needs a name for each track and, last, one for the random track");
    for (size_t i = list.real.size(); i + 1 < list.display.size(); ++i)
        report.Problem(path, list.display[i].line,
                       "track '" + list.display[i].name + "' has no scene: \"RealTrackNames\" has no entry " +
                           std::to_string(i + 1) + ", so choosing it races on watertrack");
    for (size_t i = list.display.empty() ? 0 : list.display.size() - 1; i < list.real.size(); ++i)
        report.Warning(
            path, list.real[i].line,
            "track '" + list.real[i].name +
                "' has no name in \"DisplayTrackNames\" (whose last entry is the random track), so "
                "it is never offered");
}

void TrackListCheck::CheckTrack(const ContentTree& tree, const std::string& name, int line,
                                ProblemReport& report)
{
    const std::string& path =
        tree.TracksGiven() ? tree.PathOf(ResourcePaths::kScenes) : tree.Tracks().source.path;
    if (!tree.FindScene(name))
        report.Problem(path, line,
                       "track '" + name + "' has no scene " +
                           tree.PathOf(std::string(ResourcePaths::kScenes) + name + ".xml") +
                           DidYouMean(name, tree.SceneNames()));
    if (tree.TracksGiven())
        return;
    const std::string preview = name + "_preview";
    if (!Contains(tree.Textures(), preview))
        report.Problem(
            path, line,
            "track '" + name + "' has no preview picture '" + preview + "' in " +
                tree.PathOf(ResourcePaths::kTextures) +
                ", so the level select shows the default texture; tools/trackgen/plot_track.py draws "
                "one from the scene");
}
