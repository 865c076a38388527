#pragma once

#include "math/Matrix4.h"
#include "math/Vector4.h"

#include <string>
#include <utility>
#include <vector>

class RenderDevice;

/// One linked GLSL program and the uniforms it offers. Every sampler gets its own texture unit
/// when the program is linked, in the order the driver lists them.
class ShaderProgram
{
  public:
    /// Where a uniform lives; location -1 when the program has no such uniform.
    struct Uniform
    {
        int location = -1;
        int textureUnit = -1; ///< the unit of a sampler, -1 for other types
    };

    ShaderProgram() = default;
    ~ShaderProgram() { Release(); }
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    /// Compiles both stages and links them; false with the compiler's and linker's text in `log`.
    bool Build(RenderDevice& device, const std::string& vertex, const std::string& fragment,
               std::string& log);
    /// Deletes the program.
    void Release();
    /// The program object, 0 when not built.
    unsigned Id() const { return m_program; }

    /// The uniform called `name` (meant for load time; drawing uses resolved Uniforms).
    Uniform Find(const std::string& name) const;
    /// All active uniforms by name.
    const std::vector<std::pair<std::string, Uniform>>& Uniforms() const { return m_uniforms; }

    // Setters act on the current program, which the caller has made current.
    /// Uploads a Matrix4 (rows in memory) so that the shader computes M * v.
    static void SetMatrix(int location, const Matrix4& matrix);
    /// Sets a float uniform.
    static void SetFloat(int location, float value);
    /// Sets a vec4 uniform.
    static void SetVector(int location, const Vector4& value);
    /// Sets an int uniform (or a sampler's unit).
    static void SetInt(int location, int value);
    /// Binds a texture object (0 for none) to a texture unit.
    static void BindTexture(int unit, unsigned texture);

  private:
    void ReadUniforms(RenderDevice& device);

    RenderDevice* m_device = nullptr;
    unsigned m_program = 0;
    std::vector<std::pair<std::string, Uniform>> m_uniforms;
};
