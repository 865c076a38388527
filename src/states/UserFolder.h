#pragma once

#include <filesystem>

/// The game's folder among the user's own files, by the XDG rules: $VARIABLE/vantora, or, when
/// that variable is unset or empty, $HOME/FALLBACK/vantora.
class UserFolder
{
  public:
    /// Settings: $XDG_CONFIG_HOME/vantora (else ~/.config/vantora); empty when neither is set.
    static std::filesystem::path Config();
    /// Data the game makes, such as replays: $XDG_DATA_HOME/vantora (else ~/.local/share/vantora);
    /// empty when neither is set.
    static std::filesystem::path Data();

  private:
    static std::filesystem::path Find(const char* variable, const char* belowHome);
};
