#pragma once

#include "graphics/EffectEntry.h"
#include "graphics/Material.h"
#include "graphics/Mesh.h"
#include "graphics/Texture.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class RenderDevice;

/// The four name-keyed resource tables (meshes, effects, materials, textures) and the file-name
/// lists they were filled from. Mesh keys keep their extension ("cube.tbm"); texture, effect and
/// material keys do not ("default"). Keys keep the case of their file names. Once a table has been
/// filled from its folder, a lookup of a name no file provides says so on standard output, once
/// per name.
class ResourceTables
{
  public:
    /// Receives the text of an effect that failed to compile.
    using ErrorReport = std::function<void(const std::string& text)>;

    /// Lists "*.tbm" of res/models/ and loads each, in list order.
    void LoadAllMeshes(RenderDevice& device);
    /// Loads res/models/<name> under `name` unless that key is present.
    void LoadMesh(RenderDevice& device, const std::string& name);
    /// The mesh `name` exactly, or null: there is no fallback mesh. "default" is the name of no
    /// mesh at all and is never reported missing.
    Mesh* GetMesh(const std::string& name) const;

    /// Compiles every effect of res/shaders/ except "matrix.fx" and makes a material of the same
    /// name for each; a failed compile is reported and stored all the same.
    void LoadAllEffects(RenderDevice& device, const ErrorReport& report);
    /// The material `name`, or null.
    Material* GetMaterial(const std::string& name) const;
    /// The effect entry `name`, or null.
    EffectEntry* GetEffectEntry(const std::string& name) const;
    /// The effect names of a shader-folder listing: the first "matrix.fx" (shared code, not an
    /// effect) dropped and the extensions removed.
    static std::vector<std::string> EffectNames(std::vector<std::string> files);

    /// Lists the files of res/textures/ into the texture names, extensions removed.
    void LoadTextureNames();
    /// The texture names listed by LoadTextureNames.
    const std::vector<std::string>& TextureNames() const { return m_textureNames; }
    /// The table key of a texture file: its name without extension.
    static std::string TextureKey(const std::string& fileName);
    /// A new empty entry for `fileName`'s key, or null when the key is already present (two
    /// files differing only in extension share a key; the first one wins).
    Texture* AddTexture(const std::string& fileName);
    /// The texture `name`, or the "default" entry for an unknown name (null only if even
    /// "default" was never loaded).
    Texture* GetTexture(const std::string& name) const;
    /// The texture `name` exactly, or null.
    Texture* FindTexture(const std::string& name) const;
    /// Entries in the texture table, loaded or empty.
    size_t TextureCount() const { return m_textures.size(); }

    /// Releases every device object; the entries stay, empty.
    void ReleaseDeviceObjects();

  private:
    /// Prints `line` unless a line was already printed for `key`.
    void SayOnce(const std::string& key, const std::string& line) const;

    std::map<std::string, std::unique_ptr<Texture>> m_textures;
    std::map<std::string, std::unique_ptr<EffectEntry>> m_effects;
    std::map<std::string, std::unique_ptr<Material>> m_materials;
    std::map<std::string, std::unique_ptr<Mesh>> m_meshes;
    std::vector<std::string> m_meshNames;
    std::vector<std::string> m_textureNames;
    std::vector<std::string> m_effectNames;
    bool m_meshesListed = false;
    bool m_effectsListed = false;
    bool m_texturesListed = false;
    mutable std::set<std::string> m_said;
};
