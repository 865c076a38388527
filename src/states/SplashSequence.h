#pragma once

/// The three full-screen pictures shown before the main menu, once per run: each fades in from
/// black, stays, and fades out; any confirm or back input skips them all.
class SplashSequence
{
  public:
    static constexpr int kPictureCount = 3;
    static constexpr float kSecondsEach = 5.0f;
    static constexpr float kFadeSeconds = 1.0f;

    /// Starts the pictures unless they have been shown in this run.
    void StartUnlessShown();
    /// Whether a picture is being shown.
    bool IsRunning() const { return m_running; }
    /// Shows the current picture for `dt` more seconds, or skips on input.
    void Update(float dt);
    /// Forgets that the pictures were shown (tests).
    static void ForgetShown();

  private:
    static bool SkipPressed();
    void Draw() const;

    bool m_running = false;
    float m_elapsed = 0.0f;
};
