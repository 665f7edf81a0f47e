#include "program_fixture.h"

#include <QTest>

#include "core/calculation.h"
#include "data/file_view.h"
#include "ui/common/qt_text.h"

std::string WriteStatsFile(const QString& path, const ShipTable& table,
                           std::string_view settingsLine, std::string_view header) {
    FileView view;
    FillFileView(view, header, table);
    view.Replace(kSettingsLineNumber, settingsLine);
    return view.WriteTo(ToBytes(path)).Message;
}

bool WriteStatsFileHere(const std::string& settingsLine,
                        const std::function<void(ShipTable&)>& edit) {
    ShipTable table = DefaultShipTable();
    if (edit) {
        edit(table);
    }
    return WriteStatsFile(QStringLiteral("ShipStats.txt"), table, settingsLine).empty();
}

std::string BuiltInName(int row) {
    return DefaultShipTable()[static_cast<std::size_t>(row)][Col::ShipName];
}

ProgramState FreshCalculation(const ShipTable& table, const MainInputs& inputs,
                              std::int32_t baseHitChance, char decimalSeparator) {
    ProgramState fresh;
    fresh.ActiveStats = table;
    fresh.Combat.BaseHitChance = baseHitChance;
    fresh.DecimalSeparator = decimalSeparator;
    fresh.Inputs = inputs;
    ApplyAttackerSelection(fresh);
    ApplyDefenderSelection(fresh);
    CalculateCombat(fresh);
    return fresh;
}

ExpectedResult ExpectedFor(int attacker, int defender, const std::string& count) {
    const ProgramState fresh = FreshCalculation(DefaultShipTable(), {attacker, defender, count});
    return {fresh.Results, fresh.Combat.ResultLine};
}

bool StartAndActivate(Program& program) {
    program.Start();
    return QTest::qWaitForWindowActive(&program.MainWindow()) && QTest::qWaitFor([&program] {
               return program.State().Ui != nullptr &&
                      dynamic_cast<TDetailsForm*>(program.State().Ui) != nullptr;
           });
}

ProgramFixture::ProgramFixture(const std::string& settingsLine,
                               const std::function<void(ShipTable&)>& edit)
    : m_written(WriteStatsFileHere(settingsLine, edit)) {}
