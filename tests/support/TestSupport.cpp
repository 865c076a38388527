#include "support/TestSupport.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

std::string FixturePath(const std::string& name)
{
    return std::string(VANTORA_FIXTURES_DIR) + "/" + name;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::filesystem::path& folder)
    : m_previous(std::filesystem::current_path())
{
    std::filesystem::current_path(folder);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
}

TempFolder::TempFolder()
{
    std::random_device seed;
    m_path = std::filesystem::temp_directory_path() / ("vantora-test-" + std::to_string(seed()));
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void TempFolder::Write(const std::string& relative, const std::string& text) const
{
    const std::filesystem::path file = m_path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

void BeginStdoutCapture()
{
    std::fflush(stdout);
    testing::internal::CaptureStdout();
}

std::string EndStdoutCapture()
{
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}
