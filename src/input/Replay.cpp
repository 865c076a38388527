#include "input/Replay.h"

#include "core/StateHash.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace
{
constexpr float kDefaultFrameTime = 1.0f / 60.0f;

std::string FloatBits(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(bits));
    return text;
}

template <typename T> bool ReadNumber(const std::string& word, T& out, int base = 10)
{
    const char* last = word.data() + word.size();
    const auto [end, error] = std::from_chars(word.data(), last, out, base);
    return !word.empty() && error == std::errc() && end == last;
}

/// Reads lines and counts them, so every complaint can say where.
class LineReader
{
  public:
    explicit LineReader(std::istream& in) : m_in(in) {}

    /// The next line split into words; false at the end of the input.
    bool Next(std::vector<std::string>& words)
    {
        std::string line;
        if (!std::getline(m_in, line))
            return false;
        ++m_number;
        m_line = line;
        std::istringstream stream(line);
        words.clear();
        for (std::string word; stream >> word;)
            words.push_back(word);
        return true;
    }
    const std::string& Line() const { return m_line; }
    std::string Where() const { return "line " + std::to_string(m_number); }

  private:
    std::istream& m_in;
    std::string m_line;
    int m_number = 0;
};

/// The next line as "KEY VALUE..." with `count` values; false (and why in `error`) otherwise.
bool ExpectKey(LineReader& reader, const char* key, size_t count, std::vector<std::string>& words,
               std::string& error)
{
    if (!reader.Next(words))
    {
        error = std::string("ends before '") + key + "' (truncated)";
        return false;
    }
    if (words.size() != count + 1 || words[0] != key)
    {
        error = reader.Where() + ": expected '" + key + "' with " + std::to_string(count) + " value(s)";
        return false;
    }
    return true;
}

bool ReadMagic(LineReader& reader, std::string& error)
{
    std::vector<std::string> words;
    if (!reader.Next(words))
    {
        error = "is empty";
        return false;
    }
    int version = 0;
    if (words.size() != 2 || words[0] != Replay::kMagic || !ReadNumber(words[1], version))
    {
        error = "is not a replay (no 'vantora-replay VERSION' first line)";
        return false;
    }
    if (version != Replay::kVersion)
    {
        error = "is version " + words[1] + "; this build reads version " + std::to_string(Replay::kVersion);
        return false;
    }
    return true;
}

bool ReadSeat(LineReader& reader, size_t player, Replay& replay, std::string& error)
{
    std::vector<std::string> words;
    if (!ExpectKey(reader, "player", 3, words, error))
        return false;
    ReplaySeat& seat = replay.seats[player];
    size_t index = 0;
    if (!ReadNumber(words[1], index) || index != player || (words[2] != "human" && words[2] != "computer") ||
        !ReadNumber(words[3], seat.element) || seat.element < 0 || seat.element > 3)
    {
        error = reader.Where() + ": expected 'player " + std::to_string(player) +
                " human|computer ELEMENT' with ELEMENT 0 to 3";
        return false;
    }
    seat.human = words[2] == "human";
    return true;
}

bool ReadHeader(LineReader& reader, Replay& replay, std::string& error)
{
    std::vector<std::string> w;
    const auto bad = [&](const char* what)
    {
        error = reader.Where() + ": " + what;
        return false;
    };
    if (!ExpectKey(reader, "seed", 1, w, error))
        return false;
    if (!ReadNumber(w[1], replay.seed))
        return bad("the seed is not a number from 0 to 4294967295");
    if (!ExpectKey(reader, "track", 1, w, error))
        return false;
    replay.track = w[1];
    if (!ExpectKey(reader, "laps", 1, w, error))
        return false;
    if (!ReadNumber(w[1], replay.laps) || replay.laps < 0)
        return bad("the lap count is not a number of 0 or more");
    if (!ExpectKey(reader, "ids", 1, w, error))
        return false;
    if (!ReadNumber(w[1], replay.lastObjectId))
        return bad("the object id is not a number");
    for (size_t player = 0; player < replay.seats.size(); ++player)
        if (!ReadSeat(reader, player, replay, error))
            return false;
    if (!ExpectKey(reader, "frames", 1, w, error))
        return false;
    if (!ReadNumber(w[1], replay.frames) || replay.frames < 0)
        return bad("the frame count is not a number of 0 or more");
    if (!ExpectKey(reader, "hash", 1, w, error))
        return false;
    if (!StateHash::FromHex(w[1], replay.finalHash))
        return bad("the hash is not sixteen hexadecimal digits");
    return ExpectKey(reader, "events", 0, w, error);
}

/// "FRAME dt BITS": the frame time as the eight hexadecimal digits of its float, 0 to 10 seconds.
bool ReadFrameTime(const std::vector<std::string>& w, Replay& replay)
{
    long long frame = 0;
    uint32_t bits = 0;
    if (w.size() != 3 || w[1] != "dt" || !ReadNumber(w[0], frame) || w[2].size() != 8 ||
        !ReadNumber(w[2], bits, 16))
        return false;
    float dt = 0.0f;
    std::memcpy(&dt, &bits, sizeof dt);
    if (!std::isfinite(dt) || dt < 0.0f || dt > 10.0f)
        return false;
    replay.frameTimes.emplace_back(frame, dt);
    return true;
}

/// One event line, read into the replay; its frame in `frame`, or false and why.
bool ReadEvent(const LineReader& reader, const std::vector<std::string>& w, Replay& replay, long long& frame,
               std::string& error)
{
    if (w.size() >= 2 && w[1] == "dt")
    {
        if (!ReadFrameTime(w, replay))
        {
            error = reader.Where() + ": expected 'FRAME dt BITS', BITS the eight hexadecimal digits of a "
                                     "frame time from 0 to 10 seconds";
            return false;
        }
        frame = replay.frameTimes.back().first;
        return true;
    }
    InputScript::Event event;
    const std::string problem = InputScript::ParseEvent(reader.Line(), event);
    if (!problem.empty())
    {
        error = reader.Where() + ": " + problem;
        return false;
    }
    replay.events.push_back(event);
    frame = event.frame;
    return true;
}

bool ReadEvents(LineReader& reader, Replay& replay, std::string& error)
{
    std::vector<std::string> words;
    long long lastFrame = 0;
    while (reader.Next(words))
    {
        if (words.size() == 1 && words[0] == "end")
        {
            while (reader.Next(words))
                if (!words.empty())
                {
                    error = reader.Where() + ": more after 'end'";
                    return false;
                }
            return true;
        }
        long long frame = 0;
        if (!ReadEvent(reader, words, replay, frame, error))
            return false;
        if (frame < lastFrame || frame >= replay.frames)
        {
            error = reader.Where() + ": frame " + std::to_string(frame) +
                    " is out of order or past the last frame";
            return false;
        }
        lastFrame = frame;
    }
    error = "ends before 'end' (truncated)";
    return false;
}
} // namespace

float Replay::FrameTime(long long frame) const
{
    auto after =
        std::upper_bound(frameTimes.begin(), frameTimes.end(), frame,
                         [](long long f, const std::pair<long long, float>& t) { return f < t.first; });
    return after == frameTimes.begin() ? kDefaultFrameTime : std::prev(after)->second;
}

void Replay::ApplyFrame(long long frame) const
{
    auto first = std::lower_bound(events.begin(), events.end(), frame,
                                  [](const InputScript::Event& e, long long f) { return e.frame < f; });
    for (auto it = first; it != events.end() && it->frame == frame; ++it)
        InputScript::Apply(*it);
}

void Replay::Write(std::ostream& out) const
{
    out << kMagic << " " << kVersion << "\nseed " << seed << "\ntrack " << track << "\nlaps " << laps
        << "\nids " << lastObjectId << "\n";
    for (size_t player = 0; player < seats.size(); ++player)
        out << "player " << player << (seats[player].human ? " human " : " computer ")
            << seats[player].element << "\n";
    out << "frames " << frames << "\nhash " << StateHash::ToHex(finalHash) << "\nevents\n";
    // Frame times and input merged by frame; a frame's time goes before its input.
    size_t t = 0;
    for (const InputScript::Event& event : events)
    {
        for (; t < frameTimes.size() && frameTimes[t].first <= event.frame; ++t)
            out << frameTimes[t].first << " dt " << FloatBits(frameTimes[t].second) << "\n";
        out << InputScript::FormatEvent(event) << "\n";
    }
    for (; t < frameTimes.size(); ++t)
        out << frameTimes[t].first << " dt " << FloatBits(frameTimes[t].second) << "\n";
    out << "end\n";
}

bool Replay::Save(const std::filesystem::path& path) const
{
    std::ofstream out(path, std::ios::binary);
    Write(out);
    out.flush();
    return static_cast<bool>(out);
}

std::optional<Replay> Replay::Read(std::istream& in, std::string& error)
{
    LineReader reader(in);
    Replay replay;
    if (!ReadMagic(reader, error) || !ReadHeader(reader, replay, error) || !ReadEvents(reader, replay, error))
        return std::nullopt;
    return replay;
}

std::optional<Replay> Replay::Load(const std::filesystem::path& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        error = "cannot be opened";
        return std::nullopt;
    }
    return Read(in, error);
}
