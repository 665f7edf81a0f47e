#pragma once

#include <memory>

#include "data/program_state.h"

class TDetailsForm;
class TForm1;

// The running program: the one ProgramState and the two windows, set up in start-up order.
// The display settings start at their built-in values with the state itself; then the
// combat core starts on the built-in table with its guard set, the main window is built,
// and building the Details window loads ShipStats.txt (asking what to do when it is missing
// or damaged). main and the widget tests start the program through this class alike.
class Program {
  public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window, which makes the first calculation. When the user chose Abort
    // during start-up, the event loop ends as soon as it runs.
    void Start();
    // Start, then the event loop until the program ends; returns its exit code.
    int Run();

    ProgramState& State() { return m_state; }
    TForm1& MainWindow() { return *m_mainWindow; }
    TDetailsForm& DetailsWindow() { return *m_detailsWindow; }

  private:
    ProgramState m_state;
    std::unique_ptr<TForm1> m_mainWindow;
    std::unique_ptr<TDetailsForm> m_detailsWindow;
};
