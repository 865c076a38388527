#pragma once

#include <string>
#include <vector>

/// The engine's list files (res/SystemData.xml, res/TrackList.xml): under each heading element
/// of the root, one child per entry, named by its first attribute.
class XmlNameLists
{
  public:
    /// Loads `path` once (an unloadable file prints the XML loader's message) and returns, per
    /// heading, the first attribute of every child of the root's first element of that name.
    static std::vector<std::vector<std::string>> Read(const std::string& path,
                                                      const std::vector<std::string>& headings);
};
