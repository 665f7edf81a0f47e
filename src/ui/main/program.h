#pragma once

#include <memory>

#include "core/engine.h"

class TDetailsForm;
class TForm1;

// The running program: the one Engine and the two windows, set up in start-up order. The
// display settings start at their built-in values with the engine itself; then
// ShipStats.txt is loaded (asking what to do when it is missing or damaged) before any
// window exists, and the main window is built. The Details window is built once the main
// window has been painted, or when it is first needed. main and the widget tests start the
// program through this class alike.
class Program {
  public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window, which makes the first calculation. When the user chose Abort
    // during start-up, no window shows and the event loop ends as soon as it runs.
    void Start();
    // Start, then the event loop until the program ends; returns its exit code.
    int Run();

    Engine& Core() { return m_engine; }
    const ProgramState& State() const { return m_engine.State(); }
    // The user chose Abort at start-up's question about ShipStats.txt.
    bool QuitRequested() const { return m_quitRequested; }
    TForm1& MainWindow() { return *m_mainWindow; }
    // Built on first use.
    TDetailsForm& DetailsWindow();

  private:
    void LoadStatsFile();

    Engine m_engine;
    bool m_quitRequested = false;
    std::unique_ptr<TForm1> m_mainWindow;
    std::unique_ptr<TDetailsForm> m_detailsWindow;
};
