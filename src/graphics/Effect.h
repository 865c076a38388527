#pragma once

#include "graphics/EffectParam.h"
#include "graphics/PassState.h"
#include "graphics/ShaderProgram.h"

#include <array>
#include <string>

class RenderDevice;
class Texture;

/// A compiled effect file: one program (its technique "Tech0"), its pass states, and the
/// locations of the engine's named parameters, resolved once at load. Setting a parameter the
/// effect does not have does nothing.
class Effect
{
  public:
    /// Compiles the effect file at `path`; shared files it includes are read from its folder.
    /// False with the reasons in `error`; the effect then stays invalid.
    bool Load(RenderDevice& device, const std::string& path, std::string& error);
    /// Deletes the program; the effect becomes invalid.
    void Release() { m_program.Release(); }
    /// Whether the effect compiled (an invalid one is never drawn with).
    bool IsValid() const { return m_program.Id() != 0; }
    /// The states its "#pass" lines asked for.
    const PassState& GetPassState() const { return m_pass; }

    /// Makes the program current and applies the pass states.
    void Begin() const;
    /// Whether the program uses `param`.
    bool Has(EffectParam param) const { return Slot(param).location >= 0; }

    /// Sets a matrix parameter (uploaded so that the shader computes M * v).
    void SetMatrix(EffectParam param, const Matrix4& value) const;
    /// Sets a float parameter.
    void SetFloat(EffectParam param, float value) const;
    /// Sets a four-float parameter.
    void SetVector(EffectParam param, const Vector4& value) const;
    /// Sets an integer (or byte) parameter.
    void SetInt(EffectParam param, int value) const;
    /// Binds `texture` (null or empty binds none) to the parameter's sampler.
    void SetTexture(EffectParam param, const Texture* texture) const;

    // By name, for parameters outside the engine's list; slower, not for per-object drawing.
    /// Sets the matrix parameter called `name`.
    void SetMatrix(const std::string& name, const Matrix4& value) const;
    /// Sets the float parameter called `name`.
    void SetFloat(const std::string& name, float value) const;
    /// Sets the four-float parameter called `name`.
    void SetVector(const std::string& name, const Vector4& value) const;
    /// Sets the integer parameter called `name`.
    void SetInt(const std::string& name, int value) const;
    /// Binds `texture` to the sampler called `name`.
    void SetTexture(const std::string& name, const Texture* texture) const;

  private:
    const ShaderProgram::Uniform& Slot(EffectParam param) const
    {
        return m_params[static_cast<size_t>(param)];
    }
    /// Makes the program current so that a set reaches it; false for an invalid effect.
    bool Current() const;

    RenderDevice* m_device = nullptr;
    ShaderProgram m_program;
    PassState m_pass;
    std::array<ShaderProgram::Uniform, kEffectParamCount> m_params{};
};
