#include "input/InputRecorder.h"

#include "core/WindowManager.h"
#include "input/InputSystem.h"

static_assert(InputRecorder::kKeyCount == InputSystem::kKeyCount, "the recorder must see every key");

namespace
{
using Event = InputScript::Event;
using Kind = InputScript::Kind;

bool IsConnectedPad(const Gamepad* pad)
{
    // Before its first poll a pad is only presumed connected; nothing has been read from it.
    return pad && pad->IsConnectionKnown() && pad->IsConnected();
}
} // namespace

void InputRecorder::Start(const InputSystem& input)
{
    m_replay = Replay();
    m_keys.fill(false);
    m_pads.fill({});
    m_focused = true;
    m_recording = true;
    AddKeys(input);
    for (int slot = 0; slot < InputSystem::kPadCount; ++slot)
    {
        const Gamepad* pad = input.GetGamepad(slot);
        AddPad(slot, IsConnectedPad(pad), pad ? pad->GetState() : PadState());
    }
    AddFocus(WindowManager::Instance().HasFocus());
}

void InputRecorder::EndFrame(const InputSystem& input, float dt, bool focused)
{
    if (!m_recording)
        return;
    if (m_replay.frameTimes.empty() || m_replay.frameTimes.back().second != dt)
        m_replay.frameTimes.emplace_back(m_replay.frames, dt);
    AddKeys(input);
    for (int slot = 0; slot < InputSystem::kPadCount; ++slot)
    {
        const Gamepad* pad = input.GetGamepad(slot);
        AddPad(slot, IsConnectedPad(pad), pad ? pad->GetState() : PadState());
    }
    AddFocus(focused);
    if (s_hasher)
        m_replay.finalHash = s_hasher();
    ++m_replay.frames;
}

Replay InputRecorder::Stop()
{
    m_recording = false;
    return std::exchange(m_replay, Replay());
}

void InputRecorder::AddKeys(const InputSystem& input)
{
    for (size_t key = 0; key < m_keys.size(); ++key)
    {
        const bool down = input.IsKeyDown(static_cast<int>(key));
        if (down == m_keys[key])
            continue;
        m_keys[key] = down;
        Event event;
        event.kind = Kind::Key;
        event.code = static_cast<int>(key);
        event.on = down;
        Add(event);
    }
}

void InputRecorder::AddPad(int slot, bool connected, const PadState& state)
{
    PadSeen& seen = m_pads[static_cast<size_t>(slot)];
    if (connected != seen.connected)
    {
        Event event;
        event.kind = connected ? Kind::PadConnect : Kind::PadDisconnect;
        event.slot = slot;
        Add(event);
        // A pad plugged in again starts with everything released, as an injected one does.
        seen = {connected, PadState()};
    }
    if (!connected)
        return;
    AddPadInputs(slot, seen.state, state);
    seen.state = state;
}

void InputRecorder::AddPadInputs(int slot, const PadState& before, const PadState& now)
{
    Event event;
    event.slot = slot;
    event.kind = Kind::PadButton;
    const unsigned released = before.buttons & ~now.buttons;
    const unsigned pressed = now.buttons & ~before.buttons;
    for (const auto& [mask, on] : {std::pair{released, false}, std::pair{pressed, true}})
        if (mask)
        {
            event.code = static_cast<int>(mask);
            event.on = on;
            Add(event);
        }
    event.kind = Kind::PadAxis;
    const std::pair<PadAxis, std::pair<int, int>> axes[] = {
        {PadAxis::LeftX, {before.thumbLX, now.thumbLX}},
        {PadAxis::LeftY, {before.thumbLY, now.thumbLY}},
        {PadAxis::RightX, {before.thumbRX, now.thumbRX}},
        {PadAxis::RightY, {before.thumbRY, now.thumbRY}},
        {PadAxis::LeftTrigger, {before.leftTrigger, now.leftTrigger}},
        {PadAxis::RightTrigger, {before.rightTrigger, now.rightTrigger}}};
    for (const auto& [axis, values] : axes)
        if (values.first != values.second)
        {
            event.axis = axis;
            event.code = values.second;
            Add(event);
        }
}

void InputRecorder::AddFocus(bool focused)
{
    if (focused == m_focused)
        return;
    m_focused = focused;
    Event event;
    event.kind = Kind::Focus;
    event.on = focused;
    Add(event);
}

void InputRecorder::Add(InputScript::Event event)
{
    event.frame = m_replay.frames;
    m_replay.events.push_back(event);
}
