#include "objects/XmlNameLists.h"

#include "objects/XmlFile.h"

std::vector<std::vector<std::string>> XmlNameLists::Read(const std::string& path,
                                                         const std::vector<std::string>& headings)
{
    XmlFile file(path);
    std::vector<std::vector<std::string>> lists;
    for (const std::string& heading : headings)
    {
        std::vector<std::string>& names = lists.emplace_back();
        const XmlElement* section = XmlFile::FindChildElement(file.GetRoot(), heading);
        for (const XmlElement* entry = section ? section->FirstChildElement() : nullptr; entry;
             entry = entry->NextSiblingElement())
            names.push_back(XmlFile::FirstAttributeValue(entry));
    }
    return lists;
}
