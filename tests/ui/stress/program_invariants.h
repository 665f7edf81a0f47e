#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include "log_model.h"
#include "stress_program.h"

// What must hold between any two user actions once the program has started. Violation()
// names the first thing that is wrong, or returns an empty text.
class ProgramInvariants {
  public:
    explicit ProgramInvariants(ProgramFixture& program);

    QString Violation(const LogModel& log);

  private:
    QString DialogViolation();
    QString ShownResultViolation();
    QString ReportViolation(ProgramState& fresh);
    QString ListViolation();
    QString SettingsViolation();
    QString FileViolation();
    QString StatsFileViolation(const QString& path, const QByteArray& bytes);
    QString LogViolation(const LogModel& log);

    ProgramFixture& m_program;
    // The names the four ship lists were filled with, once, at start-up.
    QStringList m_builtInNames;
    // Files of the scratch folder already found sound, by path, so unchanged files are
    // not parsed again after every action.
    QHash<QString, QByteArray> m_soundFiles;
};
