#include "check/SoundBankCheck.h"

#include "check/ContentTree.h"
#include "check/ProblemReport.h"

#include <cmath>
#include <filesystem>
#include <set>
#include <tinyxml2.h>

namespace
{
constexpr const char* kBank = "res/audio/bank.xml";
constexpr std::string_view kPrefix = "event:/";

std::vector<std::string> MakeRequiredEvents()
{
    std::vector<std::string> events = {
        "SFX/PlayerJump", "SFX/PlayerLand",  "SFX/BumpBall",      "SFX/BumpWall",      "SFX/Gate",
        "SFX/Lap",        "SFX/FinalLap",    "SFX/CountdownBeep", "SFX/CountdownGo",   "SFX/WrongWay",
        "SFX/Finish",     "SFX/MenuMove",    "SFX/MenuClick",     "SFX/PowerUpPickup", "SFX/Boost",
        "Error",          "Music/MenuMusic", "Music/RaceMusic",   "Music/WinScreen"};
    for (const char* element : {"Fire", "Water", "Wind", "Earth"})
        for (const char* power :
             {"ForwardLaunch", "ForwardHit", "BackLaunch", "BackHit", "UltimateLaunch", "UltimateHit"})
            events.push_back(std::string("SFX/") + element + "/" + power);
    return events;
}

std::vector<std::string> FilesOf(const tinyxml2::XMLElement& event)
{
    std::vector<std::string> files;
    if (const char* file = event.Attribute("file"); file && *file)
        files.emplace_back(file);
    for (const auto* child = event.FirstChildElement("File"); child;
         child = child->NextSiblingElement("File"))
        if (child->GetText() && *child->GetText())
            files.emplace_back(child->GetText());
    return files;
}

bool IsVolume(const char* text)
{
    char* end = nullptr;
    const float volume = std::strtof(text, &end);
    return end != text && *end == '\0' && volume >= 0.0f && volume <= 1.0f;
}
} // namespace

const std::vector<std::string>& SoundBankCheck::RequiredEvents()
{
    static const std::vector<std::string> events = MakeRequiredEvents();
    return events;
}

void SoundBankCheck::Run(const ContentTree& tree, ProblemReport& report) const
{
    const std::string bank = tree.PathOf(kBank);
    tinyxml2::XMLDocument document;
    const tinyxml2::XMLError error = document.LoadFile(bank.c_str());
    if (error == tinyxml2::XML_ERROR_FILE_NOT_FOUND)
        return;
    if (error != tinyxml2::XML_SUCCESS || !document.RootElement())
    {
        report.Problem(bank, document.ErrorLineNum(),
                       std::string("is not well-formed XML (") + document.ErrorStr() +
                           "), so the game plays no sound at all");
        return;
    }
    std::set<std::string> present;
    for (const auto* event = document.RootElement()->FirstChildElement("Event"); event;
         event = event->NextSiblingElement("Event"))
    {
        CheckEvent(tree, *event, bank, report);
        const std::string path = event->Attribute("path") ? event->Attribute("path") : "";
        if (path.starts_with(kPrefix))
            present.insert(path.substr(kPrefix.size()));
    }
    std::string missing;
    for (const std::string& required : RequiredEvents())
        if (!present.contains(required))
            missing += (missing.empty() ? "" : ", ") + required;
    if (!missing.empty())
        report.Problem(bank, document.RootElement()->GetLineNum(),
                       "lacks events the game plays (they sound as \"Error\"): " + missing);
}

void SoundBankCheck::CheckEvent(const ContentTree& tree, const tinyxml2::XMLElement& event,
                                const std::string& bank, ProblemReport& report)
{
    const int line = event.GetLineNum();
    const std::string path = event.Attribute("path") ? event.Attribute("path") : "";
    if (!path.starts_with(kPrefix))
        report.Problem(bank, line,
                       "event path '" + path + "' does not start with \"event:/\", so it is skipped");
    const std::vector<std::string> files = FilesOf(event);
    if (files.empty())
        report.Problem(bank, line, "event '" + path + "' names no file");
    for (const std::string& file : files)
    {
        std::error_code code;
        if (!std::filesystem::is_regular_file(tree.PathOf("res/audio/" + file), code))
            report.Problem(bank, line, "event '" + path + "': file '" + file + "' is not in res/audio/");
    }
    if (const char* loop = event.Attribute("loop");
        loop && std::string(loop) != "true" && std::string(loop) != "false")
        report.Problem(bank, line,
                       "event '" + path + "': loop '" + loop + "' is neither \"true\" nor \"false\"");
    if (const char* volume = event.Attribute("volume"); volume && !IsVolume(volume))
        report.Problem(bank, line,
                       "event '" + path + "': volume '" + volume + "' is not a number from 0 to 1");
}
