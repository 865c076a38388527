// vantora-texturetool: paints the game's textures from noise and shapes, so they can be
// regenerated instead of edited by hand, and brings a modder's picture to a size the game tiles.
//   vantora-texturetool all res/textures                    every texture
//   vantora-texturetool NAME res/textures                   one, by file name ("fire.png")
//   vantora-texturetool list                                the names
//   vantora-texturetool recipe FILE.recipe res/textures     a texture from a recipe file
//   vantora-texturetool import PICTURE.png res/textures/NAME.png [WIDTH HEIGHT]
// Recipe files are read from tools/texturetool/recipes/ (or --recipes DIR, given first).
#include "ImageImport.h"
#include "RecipeParser.h"
#include "Recipes.h"

#include "graphics/ImageFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

int Usage()
{
    std::fprintf(stderr, "usage: vantora-texturetool [--recipes DIR] all|NAME OUTDIR\n"
                         "       vantora-texturetool [--recipes DIR] list\n"
                         "       vantora-texturetool recipe FILE.recipe OUTDIR\n"
                         "       vantora-texturetool import PICTURE OUTPUT.png [WIDTH HEIGHT]\n");
    return 2;
}

bool Write(const std::string& fileName, const Canvas& canvas, bool withAlpha, const std::string& folder)
{
    const std::string path = folder + "/" + fileName;
    const bool written = WritePngFile(path, canvas.ToImage(), withAlpha ? 4 : 3);
    if (written)
        std::printf("%s\n", path.c_str());
    else
        std::fprintf(stderr, "vantora-texturetool: cannot write '%s'\n", path.c_str());
    return written;
}

void PrintErrors(const std::vector<std::string>& errors)
{
    for (const std::string& error : errors)
        std::fprintf(stderr, "%s\n", error.c_str());
}

// Every recipe file of the folder, by name; nothing when one of them has a mistake.
std::optional<std::vector<TextureRecipe>> LoadRecipeFolder(const std::string& folder)
{
    std::error_code code;
    if (!fs::is_directory(folder, code))
    {
        std::fprintf(stderr,
                     "vantora-texturetool: no recipe folder '%s' (run from the repository root, or name it "
                     "with --recipes DIR)\n",
                     folder.c_str());
        return std::nullopt;
    }
    std::vector<std::string> paths, errors;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, code))
        if (entry.path().extension() == ".recipe")
            paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    std::vector<TextureRecipe> recipes;
    for (const std::string& path : paths)
        if (std::optional<TextureRecipe> recipe = LoadRecipeFile(path, errors))
            recipes.push_back(*recipe);
    PrintErrors(errors);
    if (!errors.empty())
        return std::nullopt;
    return recipes;
}

// One texture the tool knows: painted by code or by a recipe file.
struct Entry
{
    std::string fileName;
    std::string source; ///< the recipe file; empty for code
    bool withAlpha = false;
    std::function<Canvas()> paint;
};

std::optional<std::vector<Entry>> Catalogue(const std::string& recipeFolder)
{
    const std::optional<std::vector<TextureRecipe>> recipes = LoadRecipeFolder(recipeFolder);
    if (!recipes)
        return std::nullopt;
    std::vector<Entry> entries;
    for (const Recipe& recipe : AllRecipes())
        entries.push_back({recipe.fileName, "", recipe.withAlpha, recipe.paint});
    for (const TextureRecipe& recipe : *recipes)
        entries.push_back(
            {recipe.fileName,
             (fs::path(recipeFolder) / fs::path(recipe.fileName).replace_extension(".recipe")).string(),
             recipe.withAlpha, [recipe] { return recipe.Paint(); }});
    return entries;
}

int List(const std::string& recipeFolder)
{
    const std::optional<std::vector<Entry>> entries = Catalogue(recipeFolder);
    if (!entries)
        return 1;
    for (const Entry& entry : *entries)
        std::printf("%s%s%s\n", entry.fileName.c_str(), entry.source.empty() ? "" : " from ",
                    entry.source.c_str());
    return 0;
}

int PaintByName(const std::string& what, const std::string& recipeFolder, const std::string& outFolder)
{
    const std::optional<std::vector<Entry>> entries = Catalogue(recipeFolder);
    if (!entries)
        return 1;
    bool found = false, ok = true;
    for (const Entry& entry : *entries)
        if (what == "all" || what == entry.fileName)
        {
            found = true;
            ok = Write(entry.fileName, entry.paint(), entry.withAlpha, outFolder) && ok;
        }
    if (!found)
        std::fprintf(stderr, "vantora-texturetool: no texture called '%s' (try 'list')\n", what.c_str());
    return found && ok ? 0 : 1;
}

int PaintRecipeFile(const std::string& path, const std::string& outFolder)
{
    std::vector<std::string> errors;
    const std::optional<TextureRecipe> recipe = LoadRecipeFile(path, errors);
    PrintErrors(errors);
    return recipe && Write(recipe->fileName, recipe->Paint(), recipe->withAlpha, outFolder) ? 0 : 1;
}

int Import(const std::string& input, const std::string& output, const std::vector<std::string>& size)
{
    DecodedImage image;
    std::string error;
    if (!DecodeImageFile(input, image, error))
    {
        std::fprintf(stderr, "%s: cannot read the picture: %s\n", input.c_str(), error.c_str());
        return 1;
    }
    int width = NearestPowerOfTwo(image.width), height = NearestPowerOfTwo(image.height);
    if (!size.empty())
    {
        width = std::atoi(size[0].c_str());
        height = std::atoi(size[1].c_str());
        if (width < 1 || height < 1 || width > kMaxImportSize || height > kMaxImportSize ||
            NearestPowerOfTwo(width) != width || NearestPowerOfTwo(height) != height)
        {
            std::fprintf(stderr,
                         "vantora-texturetool: the size must be two powers of two up to %d, not '%s %s'\n",
                         kMaxImportSize, size[0].c_str(), size[1].c_str());
            return 1;
        }
    }
    const DecodedImage resized = ResizeImage(image, width, height);
    if (!WritePngFile(output, resized, IsOpaque(resized) ? 3 : 4))
    {
        std::fprintf(stderr, "vantora-texturetool: cannot write '%s'\n", output.c_str());
        return 1;
    }
    std::printf("%s: %d x %d from %d x %d%s\n", output.c_str(), width, height, image.width, image.height,
                IsOpaque(resized) ? "" : ", with alpha");
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string recipeFolder = "tools/texturetool/recipes";
    if (args.size() >= 2 && args[0] == "--recipes")
    {
        recipeFolder = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() == 1 && args[0] == "list")
        return List(recipeFolder);
    if (args.size() == 3 && args[0] == "recipe")
        return PaintRecipeFile(args[1], args[2]);
    if ((args.size() == 3 || args.size() == 5) && args[0] == "import")
        return Import(args[1], args[2], {args.begin() + 3, args.end()});
    if (args.size() == 2)
        return PaintByName(args[0], recipeFolder, args[1]);
    return Usage();
}
