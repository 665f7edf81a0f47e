#include "core/engine.h"

#include "core/calculation.h"
#include "core/inputs.h"
#include "core/results_log.h"
#include "core/settings_edits.h"
#include "core/startup.h"

Engine::Engine() {
    StartCore(m_state);
}

void Engine::AttachFrontend(Frontend& frontend) {
    ::AttachFrontend(m_state, frontend);
}

void Engine::DetachFrontend(const Frontend& frontend) {
    ::DetachFrontend(m_state, frontend);
}

void Engine::SetDecimalSeparator(char separator) {
    ::SetDecimalSeparator(m_state, separator);
}

void Engine::SelectAttacker(int row) {
    ::SelectAttacker(m_state, row);
}

void Engine::SelectDefender(int row) {
    ::SelectDefender(m_state, row);
}

void Engine::SetCountText(std::string countText) {
    ::SetCountText(m_state, std::move(countText));
}

void Engine::SetInputs(int attackerRow, int defenderRow, std::string countText) {
    ::SetInputs(m_state, attackerRow, defenderRow, std::move(countText));
}

void Engine::SwapShips() {
    ::SwapShips(m_state);
}

void Engine::StepCount(std::int64_t amount) {
    ::StepCount(m_state, amount);
}

void Engine::RecalculateAll() {
    ::RecalculateAll(m_state);
}

void Engine::OpenSharedBattle(const SharedBattle& battle) {
    ::OpenSharedBattle(m_state, battle);
}

void Engine::KeepSharedTable(const std::string& name) {
    ::KeepSharedTable(m_state, name);
}

void Engine::RunLogCommand(LogCommand command, int selected) {
    SelectLogEntry(m_state, selected);
    ApplyLogCommand(m_state, command);
}

void Engine::RestoreLog(std::string_view copiedText) {
    ::RestoreLog(m_state, copiedText);
}

void Engine::OpenSettings() {
    ::OpenSettings(m_state);
}

void Engine::ApplySettingsLine(std::string line) {
    ::ApplySettingsLine(m_state, std::move(line));
}

void Engine::SetColor(ColorRole role, ColorValue color) {
    ::SetColor(m_state, role, color);
}

SaveResult Engine::SaveSettingsLine(const std::string& line) {
    return ::SaveSettingsLine(m_state, line);
}

std::string Engine::StoreSettingsLine(const std::string& line) {
    return ::StoreSettingsLine(m_state, line);
}

StatsFileRead Engine::LoadStatsFile() {
    return ::LoadStatsFile(m_state);
}

StatsFileRead Engine::ReadStatsFile(const std::string& path) {
    return ::ReadStatsFile(m_state, path);
}

void Engine::TakeLoadedStats(const std::string& path) {
    ::TakeLoadedStats(m_state, path);
}

StatsFileRead Engine::OpenStatsBytes(const std::string& name, std::string_view bytes) {
    return ::OpenStatsBytes(m_state, name, bytes);
}

void Engine::RestoreBuiltInStats() {
    ::RestoreBuiltInStats(m_state);
}

SaveResult Engine::SaveDefaultStatsFile(const std::string& path) {
    return ::SaveDefaultStatsFile(m_state, path);
}

void Engine::BeginStatsEdit() {
    ::BeginStatsEdit(m_state);
}

CellEdit Engine::EditStatsCell(std::size_t row, std::size_t column, std::string_view utf8Text) {
    return ::EditStatsCell(m_state, row, column, utf8Text);
}

CellEdit Engine::PasteStatsBlock(std::size_t row, std::size_t column, std::string_view utf8Block) {
    return ::PasteStatsBlock(m_state, row, column, utf8Block);
}

void Engine::CancelStatsEdit() {
    ShowStoredStatsInGrid(m_state);
}

void Engine::EndStatsEdit() {
    ::EndStatsEdit(m_state);
}

SaveResult Engine::SaveModifiedStatsFile(const std::string& path, const std::string& now) {
    return ::SaveModifiedStatsFile(m_state, path, now);
}

std::string Engine::StoreEditedStats(const std::string& now) {
    ::StoreEditedStats(m_state, now);
    return StatsFileBytes(m_state);
}
