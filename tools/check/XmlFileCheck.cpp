#include "check/XmlFileCheck.h"

#include "check/ContentTree.h"
#include "check/ProblemReport.h"

void XmlFileCheck::ReportUnreadable(const XmlSource& source, ProblemReport& report)
{
    tinyxml2::XMLDocument& document = source.xml->GetDocument();
    // A file that is not there at all is the business of the check that needs it.
    if (source.xml->IsLoaded() || document.ErrorID() == tinyxml2::XML_ERROR_FILE_NOT_FOUND)
        return;
    report.Problem(source.path, document.ErrorLineNum(),
                   std::string("is not well-formed XML (") + document.ErrorStr() +
                       "), so the game builds nothing from it; mend the element the error names");
}

void XmlFileCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    for (const ArchetypeFile& archetype : tree.ArchetypeFiles())
        ReportUnreadable(archetype.source, report);
    for (const SceneFile& scene : tree.Scenes())
        ReportUnreadable(scene.source, report);
    ReportUnreadable(tree.Tracks().source, report);
    ReportUnreadable(tree.SystemData(), report);
    if (!tree.SystemData().xml->IsLoaded() &&
        tree.SystemData().xml->GetDocument().ErrorID() == tinyxml2::XML_ERROR_FILE_NOT_FOUND)
        report.Problem(
            tree.SystemData().path, 0,
            "is missing: it lists the systems the engine runs, and without it the game does not start");
}
