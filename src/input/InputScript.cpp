#include "input/InputScript.h"

#include "core/WindowManager.h"
#include "input/InputSystem.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace
{
using Event = InputScript::Event;
using Kind = InputScript::Kind;

/// A whole word as an integer within [low, high]: decimal, or hexadecimal after "0x".
bool ReadInteger(const std::string& word, long long low, long long high, long long& out)
{
    const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
    const char* first = word.data() + (hex ? 2 : 0);
    const char* last = word.data() + word.size();
    long long value = 0;
    const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
    if (error != std::errc() || end != last || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool ReadSwitch(const std::string& word, const char* onWord, const char* offWord, bool& out)
{
    if (word != onWord && word != offWord)
        return false;
    out = word == onWord;
    return true;
}

bool ReadAxis(const std::string& word, PadAxis& axis, long long& low, long long& high)
{
    static const std::pair<const char*, PadAxis> names[] = {
        {"lx", PadAxis::LeftX},  {"ly", PadAxis::LeftY},       {"rx", PadAxis::RightX},
        {"ry", PadAxis::RightY}, {"lt", PadAxis::LeftTrigger}, {"rt", PadAxis::RightTrigger}};
    for (const auto& [name, value] : names)
    {
        if (word != name)
            continue;
        axis = value;
        const bool trigger = value == PadAxis::LeftTrigger || value == PadAxis::RightTrigger;
        low = trigger ? 0 : -32768;
        high = trigger ? 255 : 32767;
        return true;
    }
    return false;
}

/// The words after "FRAME key"; an empty string when they are good, else why not.
std::string ParseKey(const std::vector<std::string>& w, Event& e)
{
    long long code = 0;
    if (w.size() != 4 || !ReadSwitch(w[2], "down", "up", e.on))
        return "expected 'FRAME key down|up VK'";
    if (!ReadInteger(w[3], 0, 255, code))
        return "virtual-key code '" + w[3] + "' is not a number from 0 to 255";
    e.kind = Kind::Key;
    e.code = static_cast<int>(code);
    return {};
}

std::string ParsePadButton(const std::vector<std::string>& w, Event& e)
{
    long long mask = 0;
    if (w.size() != 6 || !ReadSwitch(w[5], "down", "up", e.on))
        return "expected 'FRAME pad SLOT button MASK down|up'";
    if (!ReadInteger(w[4], 1, 0xFFFF, mask))
        return "button mask '" + w[4] + "' is not a number from 1 to 0xFFFF";
    e.kind = Kind::PadButton;
    e.code = static_cast<int>(mask);
    return {};
}

std::string ParsePadAxis(const std::vector<std::string>& w, Event& e)
{
    long long low = 0, high = 0, value = 0;
    if (w.size() != 6 || !ReadAxis(w[4], e.axis, low, high))
        return "expected 'FRAME pad SLOT axis lx|ly|rx|ry|lt|rt VALUE'";
    if (!ReadInteger(w[5], low, high, value))
        return "axis value '" + w[5] + "' is not a number from " + std::to_string(low) + " to " +
               std::to_string(high);
    e.kind = Kind::PadAxis;
    e.code = static_cast<int>(value);
    return {};
}

std::string ParsePad(const std::vector<std::string>& w, Event& e)
{
    long long slot = 0;
    if (w.size() < 4)
        return "expected 'FRAME pad SLOT connect|disconnect|button|axis ...'";
    if (!ReadInteger(w[2], 0, GamepadSlots::kSlotCount - 1, slot))
        return "pad slot '" + w[2] + "' is not 0, 1, 2 or 3";
    e.slot = static_cast<int>(slot);
    if ((w[3] == "connect" || w[3] == "disconnect") && w.size() == 4)
    {
        e.kind = w[3] == "connect" ? Kind::PadConnect : Kind::PadDisconnect;
        return {};
    }
    if (w[3] == "button")
        return ParsePadButton(w, e);
    if (w[3] == "axis")
        return ParsePadAxis(w, e);
    return "expected 'connect', 'disconnect', 'button' or 'axis' after the pad slot";
}

std::string ParseFocus(const std::vector<std::string>& w, Event& e)
{
    if (w.size() != 3 || !ReadSwitch(w[2], "on", "off", e.on))
        return "expected 'FRAME focus on|off'";
    e.kind = Kind::Focus;
    return {};
}

std::string ParseWords(const std::vector<std::string>& w, Event& e)
{
    if (w.size() < 2 || !ReadInteger(w[0], 0, 1'000'000'000'000LL, e.frame))
        return "expected a frame number (0 or more) first";
    if (w[1] == "key")
        return ParseKey(w, e);
    if (w[1] == "pad")
        return ParsePad(w, e);
    if (w[1] == "focus")
        return ParseFocus(w, e);
    return "unknown event '" + w[1] + "' (key, pad or focus)";
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::istringstream stream(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}
} // namespace

InputScript InputScript::Parse(std::istream& in, const std::string& sourceName)
{
    InputScript script;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber)
    {
        const std::vector<std::string> words = SplitWords(line);
        if (words.empty())
            continue;
        Event event;
        const std::string problem = ParseWords(words, event);
        if (problem.empty())
            script.m_events.push_back(event);
        else
            std::printf("%s line %d: %s; line skipped\n", sourceName.c_str(), lineNumber, problem.c_str());
    }
    std::stable_sort(script.m_events.begin(), script.m_events.end(),
                     [](const Event& a, const Event& b) { return a.frame < b.frame; });
    return script;
}

std::string InputScript::ParseEvent(const std::string& line, Event& event)
{
    if (line.find('#') != std::string::npos)
        return "unexpected '#'";
    return ParseWords(SplitWords(line), event);
}

std::string InputScript::FormatEvent(const Event& event)
{
    static const char* const axisNames[] = {"lx", "ly", "rx", "ry", "lt", "rt"};
    const std::string frame = std::to_string(event.frame);
    const std::string pad = frame + " pad " + std::to_string(event.slot);
    switch (event.kind)
    {
    case Kind::Key:
        return frame + " key " + (event.on ? "down " : "up ") + std::to_string(event.code);
    case Kind::PadConnect:
        return pad + " connect";
    case Kind::PadDisconnect:
        return pad + " disconnect";
    case Kind::PadButton:
        return pad + " button " + std::to_string(event.code) + (event.on ? " down" : " up");
    case Kind::PadAxis:
        return pad + " axis " + axisNames[static_cast<int>(event.axis)] + " " + std::to_string(event.code);
    case Kind::Focus:
        return frame + " focus " + (event.on ? "on" : "off");
    }
    return frame;
}

bool InputScript::Load(const std::string& path, InputScript& out)
{
    std::ifstream in(path);
    if (!in)
        return false;
    out = Parse(in, path);
    return true;
}

void InputScript::ApplyFrame(long long frame) const
{
    auto first = std::lower_bound(m_events.begin(), m_events.end(), frame,
                                  [](const Event& e, long long f) { return e.frame < f; });
    for (auto it = first; it != m_events.end() && it->frame == frame; ++it)
        Apply(*it);
}

void InputScript::Apply(const Event& event)
{
    GamepadSlots& slots = InputSystem::Instance().GetGamepadSlots();
    switch (event.kind)
    {
    case Kind::Key:
        InputSystem::Instance().SetKey(event.code, event.on);
        break;
    case Kind::PadConnect:
        slots.InjectConnect(event.slot);
        break;
    case Kind::PadDisconnect:
        slots.InjectDisconnect(event.slot);
        break;
    case Kind::PadButton:
        slots.InjectButtons(event.slot, static_cast<uint16_t>(event.code), event.on);
        break;
    case Kind::PadAxis:
        slots.InjectAxis(event.slot, event.axis, event.code);
        break;
    case Kind::Focus:
        WindowManager::Instance().SetFocus(event.on);
        break;
    }
}
