#include "graphics/ResourceTables.h"

#include "core/FileSearch.h"
#include "core/ResourcePaths.h"

#include <algorithm>
#include <cstdio>

namespace
{
EffectKind KindOf(const std::string& name)
{
    if (name == "default.fx")
        return EffectKind::Default;
    if (name == "normalmap.fx")
        return EffectKind::NormalMap;
    return EffectKind::Other;
}

// Resource keys keep the case of their files: data names them as they are spelled ("Test_HUD").
std::string WithoutExtension(const std::string& fileName)
{
    const size_t dot = fileName.find_last_of('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

// What a mesh renderer without a mesh name carries: nothing to draw, not a missing file.
constexpr const char* kNoMesh = "default";

template <typename T> T* Find(const std::map<std::string, std::unique_ptr<T>>& table, const std::string& key)
{
    auto found = table.find(key);
    return found == table.end() ? nullptr : found->second.get();
}
} // namespace

void ResourceTables::LoadAllMeshes(RenderDevice& device)
{
    m_meshNames = FindFiles(ResourcePaths::kModels, "*.tbm");
    m_meshesListed = true;
    for (const std::string& name : m_meshNames)
        LoadMesh(device, name);
}

void ResourceTables::LoadMesh(RenderDevice& device, const std::string& name)
{
    if (m_meshes.contains(name))
        return;
    auto mesh = std::make_unique<Mesh>();
    mesh->Load(device, std::string(ResourcePaths::kModels) + name);
    mesh->SetName(name);
    m_meshes[name] = std::move(mesh);
}

Mesh* ResourceTables::GetMesh(const std::string& name) const
{
    Mesh* mesh = Find(m_meshes, name);
    if (!mesh && m_meshesListed && name != kNoMesh)
        SayOnce("mesh " + name, "Mesh file " + std::string(ResourcePaths::kModels) + name +
                                    " does not exist; objects using mesh '" + name + "' are not drawn");
    return mesh;
}

std::vector<std::string> ResourceTables::EffectNames(std::vector<std::string> files)
{
    auto shared =
        std::find_if(files.begin(), files.end(), [](const std::string& f) { return f == "matrix.fx"; });
    if (shared != files.end())
        files.erase(shared);
    return files;
}

void ResourceTables::LoadAllEffects(RenderDevice& device, const ErrorReport& report)
{
    m_effectNames = EffectNames(FindFiles(ResourcePaths::kShaders, "*.fx"));
    m_effectsListed = true;
    for (const std::string& file : m_effectNames)
    {
        const std::string name = WithoutExtension(file);
        auto entry = std::make_unique<EffectEntry>();
        entry->path = std::string(ResourcePaths::kShaders) + file;
        entry->kind = KindOf(file);
        std::string error;
        if (!entry->effect.Load(device, entry->path, error) && report)
            report("Effect '" + entry->path + "' failed to compile:\n" + error);
        auto material = std::make_unique<Material>();
        material->SetName(name);
        material->SetEffectEntry(entry.get());
        m_effects[name] = std::move(entry);
        m_materials[name] = std::move(material);
    }
    for (std::string& name : m_effectNames)
        name = WithoutExtension(name);
}

Material* ResourceTables::GetMaterial(const std::string& name) const
{
    Material* material = Find(m_materials, name);
    if (!material && m_effectsListed)
        SayOnce("effect " + name, "Effect file " + std::string(ResourcePaths::kShaders) + name +
                                      ".fx does not exist; objects using effect '" + name +
                                      "' are not drawn");
    return material;
}

EffectEntry* ResourceTables::GetEffectEntry(const std::string& name) const
{
    return Find(m_effects, name);
}

void ResourceTables::LoadTextureNames()
{
    m_textureNames = FindFiles(ResourcePaths::kTextures, "*.*");
    for (std::string& name : m_textureNames)
        name = WithoutExtension(name);
    m_texturesListed = true;
}

std::string ResourceTables::TextureKey(const std::string& fileName)
{
    return WithoutExtension(fileName);
}

Texture* ResourceTables::AddTexture(const std::string& fileName)
{
    const std::string key = TextureKey(fileName);
    if (key.empty() || m_textures.contains(key))
        return nullptr;
    return (m_textures[key] = std::make_unique<Texture>()).get();
}

Texture* ResourceTables::GetTexture(const std::string& name) const
{
    if (Texture* texture = Find(m_textures, name))
        return texture;
    // A listed file that is still loading is not missing: it only is not there yet.
    const bool listed = std::find(m_textureNames.begin(), m_textureNames.end(), name) != m_textureNames.end();
    if (m_texturesListed && !listed)
        SayOnce("texture " + name, "Texture file " + std::string(ResourcePaths::kTextures) + name +
                                       ".* does not exist; '" + name + "' is drawn with the default texture");
    static const std::string kFallback = "default";
    return Find(m_textures, kFallback);
}

Texture* ResourceTables::FindTexture(const std::string& name) const
{
    return Find(m_textures, name);
}

void ResourceTables::SayOnce(const std::string& key, const std::string& line) const
{
    if (m_said.insert(key).second)
        std::printf("%s\n", line.c_str());
}

void ResourceTables::ReleaseDeviceObjects()
{
    for (auto& [name, mesh] : m_meshes)
        mesh->Unload();
    for (auto& [name, texture] : m_textures)
        texture->Release();
    for (auto& [name, entry] : m_effects)
        entry->effect.Release();
}
