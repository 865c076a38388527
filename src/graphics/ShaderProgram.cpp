#include "graphics/ShaderProgram.h"

#include "graphics/RenderDevice.h"

#include <epoxy/gl.h>

namespace
{
std::string InfoLog(GLuint object, bool isProgram)
{
    GLint length = 0;
    if (isProgram)
        glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    else
        glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0 && isProgram)
        glGetProgramInfoLog(object, length, nullptr, log.data());
    else if (length > 0)
        glGetShaderInfoLog(object, length, nullptr, log.data());
    while (!log.empty() && (log.back() == '\0' || log.back() == '\n'))
        log.pop_back();
    return log;
}

GLuint Compile(GLenum stage, const std::string& source, std::string& log)
{
    const GLuint shader = glCreateShader(stage);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok)
    {
        log += (stage == GL_VERTEX_SHADER ? "vertex stage:\n" : "fragment stage:\n") +
               InfoLog(shader, false) + "\n";
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

bool IsSampler(GLenum type)
{
    return type == GL_SAMPLER_2D || type == GL_SAMPLER_CUBE || type == GL_SAMPLER_3D;
}
} // namespace

bool ShaderProgram::Build(RenderDevice& device, const std::string& vertex, const std::string& fragment,
                          std::string& log)
{
    Release();
    m_device = &device;
    const GLuint vs = Compile(GL_VERTEX_SHADER, vertex, log);
    const GLuint fs = Compile(GL_FRAGMENT_SHADER, fragment, log);
    if (!vs || !fs)
    {
        glDeleteShader(vs);
        glDeleteShader(fs);
        return false;
    }
    m_program = glCreateProgram();
    glAttachShader(m_program, vs);
    glAttachShader(m_program, fs);
    glLinkProgram(m_program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = GL_FALSE;
    glGetProgramiv(m_program, GL_LINK_STATUS, &ok);
    if (!ok)
    {
        log += "link:\n" + InfoLog(m_program, true) + "\n";
        Release();
        return false;
    }
    ReadUniforms(device);
    return true;
}

void ShaderProgram::ReadUniforms(RenderDevice& device)
{
    GLint count = 0;
    glGetProgramiv(m_program, GL_ACTIVE_UNIFORMS, &count);
    device.UseProgram(m_program);
    int nextUnit = 0;
    for (GLint i = 0; i < count; ++i)
    {
        char name[256];
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(m_program, static_cast<GLuint>(i), sizeof name, &length, &size, &type, name);
        std::string uniformName(name, static_cast<size_t>(length));
        // Arrays are listed as "name[0]"; they are set by their plain name.
        if (const size_t bracket = uniformName.find('['); bracket != std::string::npos)
            uniformName.resize(bracket);
        Uniform uniform;
        uniform.location = glGetUniformLocation(m_program, name);
        if (IsSampler(type))
        {
            uniform.textureUnit = nextUnit++;
            glUniform1i(uniform.location, uniform.textureUnit);
        }
        m_uniforms.emplace_back(std::move(uniformName), uniform);
    }
}

void ShaderProgram::Release()
{
    if (m_program && RenderDevice::IsContextAlive())
        glDeleteProgram(m_program);
    if (m_device && m_program)
        m_device->ForgetProgram(m_program);
    m_program = 0;
    m_uniforms.clear();
}

ShaderProgram::Uniform ShaderProgram::Find(const std::string& name) const
{
    for (const auto& [uniformName, uniform] : m_uniforms)
        if (uniformName == name)
            return uniform;
    return {};
}

void ShaderProgram::SetMatrix(int location, const Matrix4& matrix)
{
    if (location >= 0)
        glUniformMatrix4fv(location, 1, GL_TRUE, matrix.m);
}

void ShaderProgram::SetFloat(int location, float value)
{
    if (location >= 0)
        glUniform1f(location, value);
}

void ShaderProgram::SetVector(int location, const Vector4& value)
{
    if (location >= 0)
        glUniform4f(location, value.x, value.y, value.z, value.w);
}

void ShaderProgram::SetInt(int location, int value)
{
    if (location >= 0)
        glUniform1i(location, value);
}

void ShaderProgram::BindTexture(int unit, unsigned texture)
{
    if (unit < 0)
        return;
    glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
    glBindTexture(GL_TEXTURE_2D, texture);
}
