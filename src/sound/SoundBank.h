#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// One event of the bank: what to play when its path is asked for.
struct SoundEvent
{
    /// The path without the "event:/" prefix ("SFX/PlayerJump").
    std::string path;
    /// The files, relative to the bank's folder; one is picked per play.
    std::vector<std::string> files;
    /// The event's own level, multiplied with the effects or music and master volumes.
    float volume = 1.0f;
    bool loop = false;
    bool music = false;
};

/// The table of sound events read from the bank manifest (res/audio/bank.xml): path to event.
/// Reading it needs no audio device. Every problem in the manifest prints one line and the rest
/// is read as well as it can be.
class SoundBank
{
  public:
    /// The length the original read event paths into (a 100-byte buffer): longer ones are cut.
    static constexpr size_t kMaxPathLength = 99;
    /// The library's prefix of every event path; the index key is what follows it.
    static constexpr std::string_view kPrefix = "event:/";

    /// Reads the manifest at `manifestPath`; files are then relative to its folder. False (after
    /// one line) when the file cannot be read as XML.
    bool Load(const std::string& manifestPath);
    /// Reads a manifest given as text; files are relative to `folder`.
    bool LoadText(const std::string& text, const std::string& folder);

    /// The index of the event at `path` ("SFX/PlayerJump"), -1 when the bank has none.
    int Find(std::string_view path) const;
    const std::vector<SoundEvent>& Events() const { return m_events; }
    /// The folder the files are read from, with a trailing '/'.
    const std::string& Folder() const { return m_folder; }
    /// An event is music exactly when its path starts with 'M' (the "Music/" folder).
    static bool IsMusicPath(std::string_view path) { return !path.empty() && path.front() == 'M'; }

  private:
    bool Read(const class XmlFile& file, const std::string& folder);

    std::vector<SoundEvent> m_events;
    std::unordered_map<std::string, int> m_index;
    std::string m_folder;
};
