#include "text/FontSettings.h"

#include <tinyxml2.h>

#include <cstdio>

FontSettings FontSettings::Read(const std::string& path)
{
    FontSettings settings;
    tinyxml2::XMLDocument document;
    if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS)
    {
        std::printf("Font description '%s' unreadable: using '%s'\n", path.c_str(), settings.file.c_str());
        return settings;
    }
    const tinyxml2::XMLElement* font = document.FirstChildElement("Font");
    const char* file = font ? font->Attribute("file") : nullptr;
    if (!file || !*file)
    {
        std::printf("Font description '%s' names no file: using '%s'\n", path.c_str(), settings.file.c_str());
        return settings;
    }
    settings.file = file;
    if (const char* face = font->Attribute("face"))
        settings.face = face;
    return settings;
}
