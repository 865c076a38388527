#pragma once

#include "objects/Component.h"

#include <string>

class Material;
class Mesh;

/// Makes its object visible: a mesh, a material named by its shader name and up to three
/// textures, drawn by the object pass with the owner's Transform. Texture names are looked up
/// at draw time, so a changed name shows from the next frame.
class MeshRenderer final : public Component
{
  public:
    /// Defaults throughout, with the "default" material resolved at once.
    MeshRenderer();
    ~MeshRenderer() override;

    /// Joins the graphics system's mesh-renderer list (drawing order is registration order).
    void Initialize() override;
    /// Each field read when its element is present; "tileX" also sets tile Y from the element
    /// that follows it, whatever its name, and the material is resolved again afterwards.
    /// Written with `instanceOnly`: the per-object fields (visibility, textures, shader, tiling);
    /// without it the archetype's (visibility, mesh, shader, textures). A clone resolves the mesh
    /// again by name and shares the material. Not on the panel.
    const ComponentFields* Fields() const override;

    /// Whether the object pass draws it.
    bool IsVisible() const { return m_visible; }
    /// Shows or hides it.
    void SetVisible(bool visible) { m_visible = visible; }
    /// Shows it if hidden, hides it if shown.
    void ToggleVisible() { m_visible = !m_visible; }
    /// The loaded mesh, or null when its name is unknown (the renderer is then skipped).
    Mesh* GetMesh() const { return m_mesh; }
    /// The material, or null when the shader name is unknown (the renderer is then skipped).
    Material* GetMaterial() const { return m_material; }
    /// The mesh's file name.
    const std::string& GetMeshName() const { return m_meshName; }
    /// Changes the mesh by name (null when not loaded).
    void SetMeshName(const std::string& name);
    /// The material's name.
    const std::string& GetShaderName() const { return m_shaderName; }
    /// Changes the material by shader name (null when unknown).
    void SetShaderName(const std::string& name);
    /// The diffuse texture's name.
    const std::string& GetTextureName() const { return m_textureName; }
    /// Changes the diffuse texture from the next frame.
    void SetTextureName(const std::string& name) { m_textureName = name; }
    /// The normal map's name.
    const std::string& GetNormalTextureName() const { return m_normalTextureName; }
    /// Changes the normal map from the next frame.
    void SetNormalTextureName(const std::string& name) { m_normalTextureName = name; }
    /// The specular map's name.
    const std::string& GetSpecTextureName() const { return m_specTextureName; }
    /// Changes the specular map from the next frame.
    void SetSpecTextureName(const std::string& name) { m_specTextureName = name; }
    /// Texture repeats across u ("tileAmountX").
    float GetTileX() const { return m_tileX; }
    /// Texture repeats across v ("tileAmountY").
    float GetTileY() const { return m_tileY; }
    /// Sets both tiling factors.
    void SetTile(float x, float y)
    {
        m_tileX = x;
        m_tileY = y;
    }

  private:
    std::string m_meshName = "default";
    std::string m_textureName = "default";
    std::string m_normalTextureName = "normal";
    std::string m_specTextureName = "specular";
    std::string m_shaderName = "default";
    float m_tileX = 1.0f;
    float m_tileY = 1.0f;
    bool m_visible = true;
    Mesh* m_mesh = nullptr;
    Material* m_material = nullptr;
    bool m_registered = false;
};
