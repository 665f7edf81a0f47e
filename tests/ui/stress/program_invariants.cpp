#include "program_invariants.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextDocument>
#include <array>
#include <tuple>
#include <utility>

#include "core/inputs.h"
#include "ui/common/qt_text.h"
#include "ui/details/report_boxes.h"

namespace {

constexpr std::array<const char*, 4> kShipLists = {"AttShipList", "DefShipList",
                                                   "DefaultAttackerList", "DefaultDefenderList"};

// What the core computes for the pairing and count the main window shows, on the table
// the calculation works with, in a state no window has touched.
ProgramState FreshCalculationOf(const ProgramState& state, const MainWindowControls& main) {
    return FreshCalculation(
        state.ActiveStats,
        {main.List("AttShipList")->currentIndex(), main.List("DefShipList")->currentIndex(),
         ToBytes(main.AttShips()->text())},
        state.Combat.BaseHitChance, state.DecimalSeparator);
}

// A text box's content with nothing converted on the way out (no-break spaces stay).
QString RawText(const QPlainTextEdit& box) {
    return box.document()->toRawText();
}

QString RawLines(const QStringList& lines) {
    return lines.join(QChar::ParagraphSeparator);
}

QString RawLines(const ReportLines& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts << ToQString(line);
    }
    return RawLines(texts);
}

// True when the line stands on its own, without being replaced by the default line.
bool ParsesWithoutFallback(const std::string& line) {
    SettingsState settings;
    settings.SettingsLine = line;
    ParseSettingsLine(settings);
    return settings.SettingsLine == line;
}

}  // namespace

ProgramInvariants::ProgramInvariants(ProgramFixture& program) : m_program(program) {
    for (const ShipRecord& ship : DefaultShipTable()) {
        m_builtInNames << ToQString(ship[Col::ShipName]);
    }
}

QString ProgramInvariants::Violation(const LogModel& log) {
    for (QString violation : {DialogViolation(), ShownResultViolation(), ListViolation(),
                              SettingsViolation(), FileViolation(), LogViolation(log)}) {
        if (!violation.isEmpty()) {
            return violation;
        }
    }
    return {};
}

QString ProgramInvariants::DialogViolation() {
    const ModalWatchdog& dialogs = m_program.Watchdog();
    if (!dialogs.Unexpected().isEmpty()) {
        return QStringLiteral("unexpected dialog: ") + Quoted(dialogs.Unexpected().join(" | "));
    }
    if (!dialogs.AllAnswered()) {
        return QStringLiteral("an expected dialog did not open");
    }
    if (QApplication::activePopupWidget() != nullptr) {
        return QStringLiteral("a popup is still open");
    }
    return {};
}

// The window hands each changed control to the core: the core's inputs are what the
// controls show, and a guard left set would leave the results behind them.
QString ProgramInvariants::ShownResultViolation() {
    const ProgramState& state = m_program.State();
    const MainWindowControls& main = m_program.Controls();
    const MainInputs shown{main.List("AttShipList")->currentIndex(),
                           main.List("DefShipList")->currentIndex(),
                           ToBytes(main.AttShips()->text())};
    if (SelectedAttacker(state) != shown.AttShipListIndex ||
        SelectedDefender(state) != shown.DefShipListIndex ||
        CountText(state) != shown.AttShipsText) {
        return QStringLiteral("the core's inputs %1, %2, %3 are not the controls' %4, %5, %6")
            .arg(SelectedAttacker(state))
            .arg(SelectedDefender(state))
            .arg(Quoted(ToQString(CountText(state))))
            .arg(shown.AttShipListIndex)
            .arg(shown.DefShipListIndex)
            .arg(Quoted(ToQString(shown.AttShipsText)));
    }
    ProgramState fresh = FreshCalculationOf(state, main);
    const std::pair<const char*, const std::string*> captions[] = {
        {"CombatText", &fresh.Results.CombatText},       {"DefShips", &fresh.Results.DefShips},
        {"TargetDisplay", &fresh.Results.TargetDisplay}, {"InitText", &fresh.Results.InitText},
        {"TargetText", &fresh.Results.TargetText},       {"ClassText", &fresh.Results.ClassText},
        {"Efficiency", &fresh.Results.Efficiency},
    };
    for (const auto& [name, expected] : captions) {
        if (main.Text(name) != ToQString(*expected)) {
            return QStringLiteral("%1 shows %2, a fresh calculation gives %3")
                .arg(QLatin1String(name), Quoted(main.Text(name)), Quoted(ToQString(*expected)));
        }
    }
    if (state.Combat.ResultLine != fresh.Combat.ResultLine) {
        return QStringLiteral("ResultLine is %1, a fresh calculation gives %2")
            .arg(Quoted(ToQString(state.Combat.ResultLine)),
                 Quoted(ToQString(fresh.Combat.ResultLine)));
    }
    return ReportViolation(fresh);
}

QString ProgramInvariants::ReportViolation(ProgramState& fresh) {
    const ProgramState& state = m_program.State();
    for (const ReportBox& reportBox : kReportBoxes) {
        const Report report = reportBox.report;
        const QString boxName = ReportBoxName(report);
        if (state.Reports[report] != fresh.Reports[report]) {
            return QStringLiteral("the text for %1 differs from a fresh calculation's")
                .arg(boxName);
        }
        const auto* box = m_program.Find<QPlainTextEdit>(boxName);
        if (RawText(*box) != RawLines(state.Reports[report])) {
            return QStringLiteral("%1 does not show its report text").arg(boxName);
        }
    }
    const auto* current = m_program.Find<QPlainTextEdit>(QStringLiteral("CurrentResultMemo"));
    const QString expected =
        RawLines({QStringLiteral("Current Result..."), ToQString(state.Combat.ResultLine)});
    if (RawText(*current) != expected) {
        return QStringLiteral("CurrentResultMemo shows %1").arg(Quoted(RawText(*current)));
    }
    return {};
}

QString ProgramInvariants::ListViolation() {
    for (const char* name : kShipLists) {
        const auto* list = m_program.Find<QComboBox>(QLatin1String(name));
        if (list->count() != static_cast<int>(m_program.State().ActiveStats.size())) {
            return QStringLiteral("%1 holds %2 ships").arg(QLatin1String(name)).arg(list->count());
        }
        for (int row = 0; row < list->count(); ++row) {
            if (list->itemText(row) != m_builtInNames[row]) {
                return QStringLiteral("%1 item %2 is %3")
                    .arg(QLatin1String(name))
                    .arg(row)
                    .arg(Quoted(list->itemText(row)));
            }
        }
    }
    const auto* grid = m_program.Find<QTableWidget>(QStringLiteral("StatsGrid"));
    if (grid->rowCount() != static_cast<int>(m_program.State().StoredStats.size())) {
        return QStringLiteral("StatsGrid holds %1 ships").arg(grid->rowCount());
    }
    const ProgramState& state = m_program.State();
    const MainWindowControls& main = m_program.Controls();
    const std::pair<const char*, const char*> names[] = {{"AttShip", "AttShipList"},
                                                         {"DefShip", "DefShipList"}};
    for (const auto& [caption, list] : names) {
        const int row = main.List(list)->currentIndex();
        if (row < 0 || row >= static_cast<int>(kShipCount)) {
            return QStringLiteral("%1 has no selection").arg(QLatin1String(list));
        }
        const QString full =
            QLatin1Char(' ') +
            ToQString(state.ActiveStats[static_cast<std::size_t>(row)][Col::ShipName]);
        const QString shown = main.Text(caption);
        if (shown != full && shown != full.left(16)) {
            return QStringLiteral("%1 shows %2 for row %3")
                .arg(QLatin1String(caption), Quoted(shown))
                .arg(row);
        }
    }
    return {};
}

QString ProgramInvariants::SettingsViolation() {
    const ProgramState& state = m_program.State();
    for (const std::string* line : {&state.Settings.SettingsLine, &state.Settings.SavedSettingsLine,
                                    &state.Stats.FileMemo.Line(kSettingsLineNumber)}) {
        if (!ParsesWithoutFallback(*line)) {
            return QStringLiteral("settings line %1 falls back to the default line")
                .arg(Quoted(ToQString(*line)));
        }
    }
    if (state.Stats.FileMemo.Count() != kStatsFileLines) {
        return QStringLiteral("the file view holds %1 lines").arg(state.Stats.FileMemo.Count());
    }
    return {};
}

QString ProgramInvariants::FileViolation() {
    const QDir scratch(m_program.Dir().Path());
    const QFileInfoList files = scratch.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    if (files.isEmpty()) {
        return QStringLiteral("the scratch folder holds no stats file");
    }
    for (const QFileInfo& info : files) {
        if (info.suffix() == QStringLiteral("saving")) {
            return QStringLiteral("a half-written file was left behind: %1").arg(info.fileName());
        }
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            return QStringLiteral("cannot read %1").arg(info.fileName());
        }
        const QByteArray bytes = file.readAll();
        const auto known = m_soundFiles.constFind(info.filePath());
        if (known != m_soundFiles.cend() && *known == bytes) {
            continue;
        }
        QString violation = StatsFileViolation(info.filePath(), bytes);
        if (!violation.isEmpty()) {
            return violation;
        }
        m_soundFiles.insert(info.filePath(), bytes);
    }
    return {};
}

QString ProgramInvariants::StatsFileViolation(const QString& path, const QByteArray& bytes) {
    const QString name = QFileInfo(path).fileName();
    FileView view;
    view.SetText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (view.Count() != kStatsFileLines) {
        return QStringLiteral("%1 loads back with %2 lines").arg(name).arg(view.Count());
    }
    if (!ParsesWithoutFallback(view.Line(kSettingsLineNumber))) {
        return QStringLiteral("%1 holds a settings line that falls back to the default").arg(name);
    }
    return {};
}

QString ProgramInvariants::LogViolation(const LogModel& log) {
    const auto* shown = m_program.Find<QListWidget>(QStringLiteral("ResultsMemo"));
    QStringList entries;
    for (int row = 0; row < shown->count(); ++row) {
        entries << shown->item(row)->text();
    }
    if (entries != log.Entries()) {
        return QStringLiteral("the results log holds %1 entries, %2 expected")
            .arg(entries.size())
            .arg(log.Entries().size());
    }
    const QList<QListWidgetItem*> selected = shown->selectedItems();
    const int selectedRow = selected.isEmpty() ? -1 : shown->row(selected.constFirst());
    if (selectedRow != log.Selected()) {
        return QStringLiteral("the results log selects entry %1, %2 expected")
            .arg(selectedRow)
            .arg(log.Selected());
    }
    return {};
}
