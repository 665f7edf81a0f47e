#pragma once

// Holds the main window's calls into the core while several of its controls change in a
// row (the attacker/defender swap): their change signals would otherwise calculate on a
// half-changed pairing. The window makes the one call for the whole change afterwards.
class RecalcGuardScope {
  public:
    explicit RecalcGuardScope(bool& guard) : m_guard(guard) { m_guard = true; }
    ~RecalcGuardScope() { m_guard = false; }
    RecalcGuardScope(const RecalcGuardScope&) = delete;
    RecalcGuardScope& operator=(const RecalcGuardScope&) = delete;

  private:
    bool& m_guard;
};
