#pragma once

#include <string>

#include "core/engine.h"

enum class TableStatus { FromFile, BuiltIn, Failed };

struct TableLoad {
    TableStatus Status = TableStatus::BuiltIn;
    // Why the file could not be used, or a note: that the built-in table stands in, or how
    // the file was read; empty when there is nothing to say.
    std::string Message;
};

// The core as the main window drives it, without windows: the chosen table in both copies,
// the base hit chance of start-up, and the window's selection and calculation steps.
class CalcSession {
  public:
    explicit CalcSession(char decimalSeparator);

    // A stats file that must be there and whole: a missing, unreadable or damaged file is
    // an error, never a silent switch to the built-in table.
    TableLoad LoadTable(const std::string& path);
    // The default file: when there is none the built-in table is used, with a note.
    TableLoad LoadDefaultTable(const std::string& path);

    // Both lists changed and the count box holds `countText`: the core's selection steps,
    // then the calculation, as the main window runs them.
    void Calculate(int attackerRow, int defenderRow, const std::string& countText);

    const ProgramState& State() const { return m_engine.State(); }
    const ShipTable& Table() const { return State().ActiveStats; }

  private:
    Engine m_engine;
};
