#pragma once

#include "core/EmptySystem.h"

#include <string>

/// Owns the game window and pumps its events once per frame. Without a window (headless runs
/// and tests) the game counts as focused.
class WindowManager final : public EmptySystem
{
public:
    static WindowManager& Instance();

    void SetTitle(const std::string& title) { m_title = title; }
    const std::string& GetTitle() const { return m_title; }
    void SetWidth(unsigned width) { m_width = width; }
    unsigned GetWidth() const { return m_width; }
    void SetHeight(unsigned height) { m_height = height; }
    unsigned GetHeight() const { return m_height; }
    /// Whether the game window has the keyboard focus.
    bool HasFocus() const { return true; }

private:
    WindowManager() = default;
    std::string m_title = "Vantora";
    unsigned m_width = 1280;
    unsigned m_height = 720;
};
