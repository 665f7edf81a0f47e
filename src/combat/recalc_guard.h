#pragma once

#include "combat/combat_state.h"

// Holds selections and calculations off while several inputs change in a row; the one
// calculation after the last change runs once the scope has ended.
class RecalcGuardScope {
  public:
    explicit RecalcGuardScope(CombatState& combat) : m_combat(combat) {
        m_combat.RecalcGuard = true;
    }
    ~RecalcGuardScope() { m_combat.RecalcGuard = false; }
    RecalcGuardScope(const RecalcGuardScope&) = delete;
    RecalcGuardScope& operator=(const RecalcGuardScope&) = delete;

  private:
    CombatState& m_combat;
};
