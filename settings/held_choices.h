#pragma once
// The stored choices while another copy of the program holds the settings
// file at start: the form shows at once, tries the file again at each poll,
// takes the stored choices as soon as the file is free, and after a patience
// tells the person, once, that the choices will not be saved meanwhile.
// Plain logic over the times it is given, so that it is tested without a
// form and without waiting.

#include <chrono>

class CHeldChoices {
  public:
    using Time = std::chrono::milliseconds; // on the platform's steady clock
    explicit CHeldChoices(Time patience) : m_patience(patience) {}

    // At start: whether another copy held the file past the start's own wait.
    void Start(bool held, Time now);
    // Whether the stored choices are known (never held, or taken since).
    bool Known() const { return !m_held; }

    // What a poll leads to: go on waiting, tell the person (once, when the
    // patience has run out), or take the stored choices (the file was free).
    enum class Next { Wait, Tell, Take };
    Next Poll(bool stillHeld, Time now);

  private:
    Time m_patience;
    bool m_held = false;
    bool m_told = false;
    Time m_since{};
};
