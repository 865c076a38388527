// vantora-texturetool: paints the game's textures from noise and shapes, so they can be
// regenerated instead of edited by hand.
//   vantora-texturetool all res/textures        every texture
//   vantora-texturetool NAME res/textures       one, by file name ("fire.png")
//   vantora-texturetool list                    the names
#include "Recipes.h"

#include "graphics/ImageFile.h"

#include <cstdio>
#include <string>

namespace
{
bool Write(const Recipe& recipe, const std::string& folder)
{
    const std::string path = folder + "/" + recipe.fileName;
    const bool written = WritePngFile(path, recipe.paint().ToImage(), recipe.withAlpha ? 4 : 3);
    if (written)
        std::printf("%s\n", path.c_str());
    else
        std::fprintf(stderr, "vantora-texturetool: cannot write '%s'\n", path.c_str());
    return written;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string what = argc > 1 ? argv[1] : "";
    if (argc == 2 && what == "list")
    {
        for (const Recipe& recipe : AllRecipes())
            std::printf("%s\n", recipe.fileName.c_str());
        return 0;
    }
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: vantora-texturetool all|NAME OUTDIR\n       vantora-texturetool list\n");
        return 2;
    }
    bool found = false, ok = true;
    for (const Recipe& recipe : AllRecipes())
        if (what == "all" || what == recipe.fileName)
        {
            found = true;
            ok = Write(recipe, argv[2]) && ok;
        }
    if (!found)
        std::fprintf(stderr, "vantora-texturetool: no texture called '%s' (try 'list')\n", what.c_str());
    return found && ok ? 0 : 1;
}
