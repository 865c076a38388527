#include "graphics/Effect.h"

#include "graphics/EffectSource.h"
#include "graphics/RenderDevice.h"
#include "graphics/TbmFile.h"
#include "graphics/Texture.h"

#include <filesystem>

namespace
{
std::optional<std::string> ReadText(const std::string& path)
{
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, bytes))
        return std::nullopt;
    return std::string(bytes.begin(), bytes.end());
}
} // namespace

bool Effect::Load(RenderDevice& device, const std::string& path, std::string& error)
{
    m_device = &device;
    m_program.Release();
    const std::optional<std::string> text = ReadText(path);
    if (!text)
    {
        error = "cannot open file: " + path;
        return false;
    }
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const EffectSource source = ParseEffectSource(*text, [&folder](const std::string& name)
                                                  { return ReadText(folder + "/" + name); });
    for (const std::string& problem : source.errors)
        error += problem + "\n";
    m_pass = source.pass;
    if (!m_program.Build(device, source.vertex, source.fragment, error))
        return false;
    for (size_t i = 0; i < kEffectParamCount; ++i)
        m_params[i] = m_program.Find(EffectParamName(static_cast<EffectParam>(i)));
    return source.errors.empty();
}

void Effect::Begin() const
{
    if (!Current())
        return;
    m_device->ApplyPassState(m_pass);
}

bool Effect::Current() const
{
    if (!m_device || !IsValid())
        return false;
    m_device->UseProgram(m_program.Id());
    return true;
}

void Effect::SetMatrix(EffectParam param, const Matrix4& value) const
{
    if (Has(param) && Current())
        ShaderProgram::SetMatrix(Slot(param).location, value);
}

void Effect::SetFloat(EffectParam param, float value) const
{
    if (Has(param) && Current())
        ShaderProgram::SetFloat(Slot(param).location, value);
}

void Effect::SetVector(EffectParam param, const Vector4& value) const
{
    if (Has(param) && Current())
        ShaderProgram::SetVector(Slot(param).location, value);
}

void Effect::SetInt(EffectParam param, int value) const
{
    if (Has(param) && Current())
        ShaderProgram::SetInt(Slot(param).location, value);
}

void Effect::SetTexture(EffectParam param, const Texture* texture) const
{
    if (Has(param) && Current())
        ShaderProgram::BindTexture(Slot(param).textureUnit, texture ? texture->Id() : 0);
}

void Effect::SetMatrix(const std::string& name, const Matrix4& value) const
{
    if (Current())
        ShaderProgram::SetMatrix(m_program.Find(name).location, value);
}

void Effect::SetFloat(const std::string& name, float value) const
{
    if (Current())
        ShaderProgram::SetFloat(m_program.Find(name).location, value);
}

void Effect::SetVector(const std::string& name, const Vector4& value) const
{
    if (Current())
        ShaderProgram::SetVector(m_program.Find(name).location, value);
}

void Effect::SetInt(const std::string& name, int value) const
{
    if (Current())
        ShaderProgram::SetInt(m_program.Find(name).location, value);
}

void Effect::SetTexture(const std::string& name, const Texture* texture) const
{
    if (Current())
        ShaderProgram::BindTexture(m_program.Find(name).textureUnit, texture ? texture->Id() : 0);
}
