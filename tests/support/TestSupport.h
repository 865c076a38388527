#pragma once

#include <filesystem>
#include <string>

/// Absolute path of a fixture tree under tests/fixtures/.
std::string FixturePath(const std::string& name);

/// The whole text of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

/// Enters a folder for the lifetime of the guard (the engine reads res/ from the working directory).
class ScopedWorkingDirectory
{
  public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& folder);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

  private:
    std::filesystem::path m_previous;
};

/// A fresh empty folder under the system's temporary directory, removed with the object.
class TempFolder
{
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    /// Writes `text` to `relative` inside the folder, creating its parent folders.
    void Write(const std::string& relative, const std::string& text) const;

  private:
    std::filesystem::path m_path;
};

/// Runs `action` and returns what it printed to standard output.
template <typename Action> std::string CaptureStdout(Action&& action);

void BeginStdoutCapture();
std::string EndStdoutCapture();

template <typename Action> std::string CaptureStdout(Action&& action)
{
    BeginStdoutCapture();
    action();
    return EndStdoutCapture();
}
