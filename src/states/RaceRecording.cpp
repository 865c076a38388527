#include "states/RaceRecording.h"

#include "core/Engine.h"
#include "gameplay/CheckPointSystem.h"
#include "input/InputSystem.h"
#include "input/Replay.h"
#include "objects/Factory.h"
#include "objects/Logic.h"
#include "states/UserFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <system_error>
#include <utility>
#include <vector>

RaceRecording& RaceRecording::Instance()
{
    static RaceRecording recording;
    return recording;
}

std::filesystem::path RaceRecording::DefaultFolder()
{
    const std::filesystem::path data = UserFolder::Data();
    return data.empty() ? data : data / "replays";
}

void RaceRecording::RecordToFolder(const std::filesystem::path& folder)
{
    m_folder = folder;
    m_file.clear();
}

void RaceRecording::RecordToFile(const std::filesystem::path& file)
{
    m_file = file;
    m_folder.clear();
}

void RaceRecording::PlayBack(const Replay& replay)
{
    m_playbackSeed = replay.seed;
    m_playbackIds = replay.lastObjectId;
}

unsigned RaceRecording::ChooseSeed()
{
    if (m_playbackSeed)
        return *std::exchange(m_playbackSeed, std::nullopt);
    if (m_baseSeed)
        return *m_baseSeed + static_cast<unsigned>(m_races);
    // A run whose seed was fixed (tests, tools) races the same races every time.
    if (Engine::Get() && Engine::Get()->RandomSeed())
        return *Engine::Get()->RandomSeed() + static_cast<unsigned>(m_races);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<unsigned>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

void RaceRecording::RaceStarts(const std::string& track)
{
    RaceEnds();
    m_seed = ChooseSeed();
    std::srand(m_seed);
    ++m_races;
    if (m_playbackIds)
        lastObjectId = *std::exchange(m_playbackIds, std::nullopt);
    m_startIds = lastObjectId;
    m_track = track;
    for (size_t player = 0; player < m_seats.size(); ++player)
    {
        const PlayerChoice& choice = Logic::Instance().GetPlayerChoice(static_cast<int>(player));
        m_seats[player] = {!choice.isComputer, choice.element};
    }
    if (!m_folder.empty() || !m_file.empty())
        InputSystem::Instance().GetRecorder().Start(InputSystem::Instance());
}

void RaceRecording::RaceEnds()
{
    InputRecorder& recorder = InputSystem::Instance().GetRecorder();
    if (!recorder.IsRecording())
        return;
    Replay replay = recorder.Stop();
    replay.seed = m_seed;
    replay.track = m_track;
    replay.laps = CheckPointSystem::Instance().GetLapsToRun();
    replay.lastObjectId = m_startIds;
    replay.seats = m_seats;
    // A race left in the frame it began has nothing to show.
    if (replay.frames > 0)
        Write(replay);
}

void RaceRecording::Write(const Replay& replay) const
{
    std::filesystem::path path = m_file;
    if (path.empty())
    {
        std::error_code error;
        std::filesystem::create_directories(m_folder, error);
        path = NewFileIn(m_folder);
    }
    if (!replay.Save(path))
    {
        std::printf("Could not write the replay '%s'; the race was not recorded\n", path.string().c_str());
        return;
    }
    if (m_file.empty())
        KeepNewest(m_folder, kKeptReplays);
}

std::filesystem::path RaceRecording::NewFileIn(const std::filesystem::path& folder) const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    const std::string stem = std::string(stamp) + "_" + m_track;
    // Races ending in the same second are numbered with two digits, so a tenth still sorts after
    // the ninth; the number follows the highest one there, since the oldest may be deleted already.
    const auto numbered = [&](int n)
    {
        char suffix[16] = "";
        if (n > 1)
            std::snprintf(suffix, sizeof suffix, "_%02d", n);
        return folder / (stem + suffix + Replay::kExtension);
    };
    constexpr int kLast = 99;
    int next = 1;
    std::error_code error;
    for (int n = 1; n <= kLast; ++n)
        if (std::filesystem::exists(numbered(n), error))
            next = std::min(n + 1, kLast);
    return numbered(next);
}

void RaceRecording::KeepNewest(const std::filesystem::path& folder, int keep)
{
    std::error_code error;
    std::vector<std::filesystem::path> replays;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == Replay::kExtension)
            replays.push_back(entry.path());
    // The names begin with the date and time, so their order is the order they were made in.
    std::sort(replays.begin(), replays.end());
    const size_t kept = static_cast<size_t>(std::max(keep, 0));
    for (size_t i = 0; i + kept < replays.size(); ++i)
        std::filesystem::remove(replays[i], error);
}
