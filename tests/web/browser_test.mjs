'use strict';
// The page in Debian's headless Firefox (firefox-esr over WebDriver BiDi) or, with
// SKIRMOD_WEB_BROWSER=chromium, the same checks in Debian's Chromium; one browser start for
// every check.
//
// Usage: node browser_test.mjs SITE_DIR SKIRMOD_CALC SAMPLE_STATS NPM_DIR [SCREENSHOT_DIR]
//
// NPM_DIR holds puppeteer-core (npm install --prefix NPM_DIR). The oracle for every figure is
// skirmod-calc on the same stats file; the bytes of a download are checked against the sample
// edited by hand. Random pairings use a fixed seed, printed on failure; SKIRMOD_WEB_SEED and
// SKIRMOD_WEB_PAIRINGS change them. SKIRMOD_WEB_CHECKS runs only the checks whose names hold
// one of its comma-separated words.
import assert from 'node:assert/strict';
import {readFileSync, rmSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';

import {Page, random} from './browser_driver.mjs';

const SEED = Number(process.env.SKIRMOD_WEB_SEED || 23);
const PAIRINGS = Number(process.env.SKIRMOD_WEB_PAIRINGS || 60);
const BROWSER = process.env.SKIRMOD_WEB_BROWSER || 'firefox';

// The count box's texts: every way a count can be written, and what is not a count.
const COUNT_KINDS = [
  (r) => String(r.below(61)),
  (r) => String(100 + r.below(250000)),
  (r) => String(-1 - r.below(500)),
  (r) => `$${(1 + r.below(4095)).toString(16).toUpperCase()}`,
  (r) => ` ${1 + r.below(999)}`,
  (r) => r.pick(['9223372036854775807', '4611686018427387950', '1000000000000000']),
  (r) => r.pick(['', 'abc', '12x', '-']),
];

// The report kinds skirmod-calc writes and the boxes that show each, in its order.
const REPORTS = {
  calculation: ['CalculationMemo'],
  targeting: ['TargetAttMemo', 'TargetDefMemo'],
  resources: ['ResourcesAttMemo', 'ResourcesDefMemo'],
  basic: ['BasicStatsAttMemo', 'BasicStatsDefMemo'],
};
const REPORT_BOXES = Object.values(REPORTS).flat();

// Where the value of row r and column c sits among a stats file's lines: its third line of
// three after the header line.
const valueLine = (row, column) => 1 + 3 * (19 * row + column) + 1;

// The sample's lines with values changed, as the desktop's Save writes it; the header line
// is checked apart.
function sampleEdited(sample, edits) {
  const lines = readFileSync(sample).toString('latin1').split('\r\n');
  for (const [[row, column], text] of edits) lines[valueLine(row, column)] = text;
  return lines;
}

// What the page shows for one pairing, in skirmod-calc's layout: the result line, then each
// report's boxes, a line end after each block.
function asCalcTexts(shown) {
  const texts = [`${shown.shift()}\n`];
  for (const boxes of Object.values(REPORTS)) texts.push(boxes.map(() => `${shown.shift()}\n`).join('\n'));
  return texts;
}

async function checkFigures(page) {
  // Restore, then Open of the sample; counts typed and ships chosen then give skirmod-calc's
  // result line and four reports.
  const restored = await page.restore();
  const opened = await page.openFile(page.sample);
  assert.notEqual(opened, restored);
  assert.match(opened.split('\n').pop(), /ShipStats\.txt$/);
  const names = await page.shipNames();
  const r = random(SEED);
  const pairings = Array.from({length: PAIRINGS},
    () => [r.below(names.length), r.below(names.length), r.pick(COUNT_KINDS)(r)]);
  const shown = [];
  for (const [att, dfn, count] of pairings) {
    shown.push(asCalcTexts(await page.setPairing(att, dfn, count, ['CurrentResultMemo', ...REPORT_BOXES])));
  }
  const kinds = ['result', ...Object.keys(REPORTS)];
  const questions = pairings.flatMap(([att, dfn, count]) => kinds.map(
    (kind) => [...(kind === 'result' ? ['result'] : ['report', kind]), names[att], names[dfn], count]));
  const answers = await page.calcAll(questions);
  pairings.forEach(([att, dfn, count], n) => kinds.forEach((kind, k) => {
    const ships = `${names[att]} v ${names[dfn]}`;
    assert.equal(shown[n][k], answers[n * kinds.length + k],
      `pairing ${n} of seed ${SEED}: ${ships}, count ${JSON.stringify(count)}, ${kind}`);
  }));
}

async function checkCountShipsAndSwitch(page) {
  // The count box's keys and spin buttons, the ship lists by keyboard, Switch and Copy Result.
  await page.load();
  await page.typeCount('184');
  await page.press('ArrowUp', 'PageUp', 'PageUp', 'ArrowDown', 'PageDown');
  assert.equal(await page.value('AttShips'), '194');
  await page.click('SpinUpBtn');
  await page.click('SpinUpBtn');
  await page.click('SpinDownBtn');
  assert.equal(await page.value('AttShips'), '195');
  const names = await page.shipNames();
  await page.focus('AttShipList');
  const att = (await page.shipShown('AttShipList') + 1) % names.length;
  await page.press('ArrowDown');
  await page.focus('DefShipList');
  await page.press('Home', 'ArrowDown', 'ArrowDown');
  assert.deepEqual([await page.shipShown('AttShipList'), await page.shipShown('DefShipList')], [att, 2]);
  const [before, after] = await page.calcAll(
    [['result', names[att], names[2], '195'], ['result', names[2], names[att], '195']]);
  assert.equal(await page.resultLine(), before);
  await page.click('SwitchBtn');
  assert.equal(await page.resultLine(), after);
  assert.deepEqual([await page.shipShown('AttShipList'), await page.shipShown('DefShipList')], [2, att]);
  await page.click('ClipBtn');
  assert.equal(`${await page.clipboard()}\n`, after);
}

async function checkResultsLog(page) {
  // The log's buttons and its list's keys on entries the calculator made.
  await page.click('ResultsClearBtn');
  assert.deepEqual(await page.logEntries(), []);
  const names = await page.shipNames();
  const [att, dfn] = [await page.shipShown('AttShipList'), await page.shipShown('DefShipList')];
  const lines = await page.calcAll(['5', '6'].map((count) => ['result', names[att], names[dfn], count]));
  const [five, six] = lines.map((line) => line.replace(/\n$/, ''));
  await page.typeCount('5');
  await page.click('ResultsAddBtn');
  await page.typeCount('6');
  await page.click('ResultsAddBtn');
  assert.deepEqual(await page.logState(), {entries: [five, six], selected: 1});
  await page.chooseLogEntry(0);
  await page.click('ResultsInsertBtn');
  assert.deepEqual(await page.logState(), {entries: [six, five, six], selected: 0});
  await page.focus('ResultsMemo');
  await page.chord('Shift', 'Insert');
  assert.deepEqual(await page.logState(), {entries: ['', six, five, six], selected: 0});
  await page.chord('Control', 'ArrowDown');
  assert.deepEqual(await page.logState(), {entries: [six, '', five, six], selected: 1});
  await page.click('ResultsMoveUpBtn');
  assert.deepEqual(await page.logState(), {entries: ['', six, five, six], selected: 0});
  await page.focus('ResultsMemo');
  await page.press('Delete');
  assert.deepEqual(await page.logState(), {entries: [six, five, six], selected: 0});
  await page.click('ResultsCopyBtn');
  assert.equal(await page.clipboard(), `${six}\r\n${five}\r\n${six}\r\n`);
  await page.click('ResultsDeleteBtn');
  await page.click('ResultsDeleteBtn');
  assert.deepEqual(await page.logState(), {entries: [six], selected: 0});
  await page.click('ResultsClearBtn');
  assert.deepEqual(await page.logEntries(), []);
}

async function checkEditSaveAndReload(page) {
  // Open -> Edit -> type -> Save downloads the sample edited by hand; a reload keeps the
  // table, the log and the inputs.
  await page.openFile(page.sample);
  await page.click('EditerBtn');
  await page.typeIntoCell(3, 9, '77');
  await page.click('UpdateAndSaveBtn');
  const got = (await page.downloaded('ShipStats.txt')).toString('latin1').split('\r\n');
  rmSync(join(page.downloads, 'ShipStats.txt'));
  assert.match(got[0], /^Modified ShipStats\.txt file\. Last Edited\.\.\. /);
  assert.deepEqual(got.slice(1), sampleEdited(page.sample, [[[3, 9], '77']]).slice(1));
  await page.typeCount('$2A');
  await page.click('ResultsAddBtn');
  const inputs = () => page.values('AttShips', 'AttShipList', 'DefShipList');
  const [line, log, kept] = [await page.resultLine(), await page.logEntries(), await inputs()];
  await page.load();
  assert.equal(await page.cellText(3, 9), '77', 'the edited table was not kept');
  assert.deepEqual(await page.logEntries(), log);
  assert.deepEqual(await inputs(), kept);
  assert.equal(await page.resultLine(), line);
  await page.click('ResultsClearBtn');
}

async function checkRefusedCellAndPaste(page) {
  // A good block pasted fills rightwards and downwards; a typed or pasted character the stats
  // file cannot store is refused with the page's message and changes nothing; Cancel drops
  // every edit.
  await page.openFile(page.sample);
  await page.click('EditerBtn');
  await page.paste(1, 9, '5\t6\r\n7\t8\r\n');
  const block = [[1, 9], [1, 10], [2, 9], [2, 10]];
  const cells = async () => Promise.all(block.map(([row, column]) => page.cellText(row, column)));
  assert.deepEqual(await cells(), ['5', '6', '7', '8']);
  // The wording of a typed cell's refusal is the engine's; what it must say is why.
  const refused = /the stats file cannot store\.$/;
  const name = await page.cellText(0, 1);
  assert.equal(await page.message(), '');
  await page.typeIntoCell(0, 1, '\u20ac');
  assert.match(await page.message(), refused);
  assert.equal(await page.cellText(0, 1), name);
  await page.typeIntoCell(2, 11, '3');
  assert.equal(await page.message(), '');
  await page.paste(1, 9, '1\t\u20ac');
  assert.equal(await page.message(),
    'Nothing pasted: the block holds characters the stats file cannot store.');
  assert.deepEqual(await cells(), ['5', '6', '7', '8']);
  await page.click('CancelEditBtn');
  const sample = sampleEdited(page.sample, []);
  assert.deepEqual(await cells(), block.map(([row, column]) => sample[valueLine(row, column)]));
}

async function checkGridKeys(page) {
  // Edit puts the focus in a cell; a cell reached by a click or a key has its text
  // selected, so a typed digit replaces its value; ArrowDown and Enter move down, ArrowUp
  // and Shift+Enter up; Escape undoes the cell. The sample's values are the oracle.
  const sample = sampleEdited(page.sample, []);
  const at = async (row, column, text = sample[valueLine(row, column)]) =>
    assert.deepEqual(await page.focusedCell(), [row, column, text, true]);
  await page.openFile(page.sample);
  await page.click('EditerBtn');
  const first = await page.focusedCell();
  assert.ok(Number.isInteger(first[0]), `Edit left the focus on ${first}`);
  assert.ok(!['5', '6'].includes(sample[valueLine(2, 9)]) && sample[valueLine(3, 9)] !== '6' &&
    sample[valueLine(0, 10)] !== '12');
  await (await page.cell(2, 9)).click();
  await at(2, 9);
  await page.press('5', 'ArrowDown');
  await at(3, 9);
  await page.press('6', 'Enter');
  await at(4, 9);
  await page.press('ArrowUp', 'ArrowUp');
  await at(2, 9, '5');
  await page.press('ArrowUp', '9', '9', 'Escape');
  await at(1, 9);
  await page.chord('Shift', 'Enter');
  await at(0, 9);
  // Sideways only once the caret has nothing more to cross; the edges hold.
  await page.press('ArrowRight');
  await at(0, 10);
  await page.press('1', '2', 'ArrowLeft');
  assert.deepEqual(await page.focusedCell(), [0, 10, '12', false]);
  await page.press('ArrowRight', 'ArrowRight', 'ArrowUp');
  await at(0, 11);
  await (await page.cell(53, 18)).click();
  await page.press('ArrowDown', 'ArrowRight', 'Enter');
  await at(53, 18);
  const edited = [[2, 9], [3, 9], [0, 10]];
  const texts = () => Promise.all(edited.map(([row, column]) => page.cellText(row, column)));
  assert.deepEqual(await texts(), ['5', '6', '12']);
  await page.click('CancelEditBtn');
  assert.deepEqual(await texts(), edited.map(([row, column]) => sample[valueLine(row, column)]));
}

// A copy of the sample, one value changed, saved as Mine.txt in the check's folder.
function mineFile(page) {
  const path = join(page.work, 'Mine.txt');
  writeFileSync(path, Buffer.from(sampleEdited(page.sample, [[[1, 9], '41']]).join('\r\n'), 'latin1'));
  return path;
}

// The header box and the value Mine.txt changes, as a window shows them.
const tableShown = (page) => Promise.all([page.value('FileHeaderText'), page.cellText(1, 9)]);

async function checkRestoreAsksAndUndoes(page) {
  // Restore asks first and keeps the table when told No or Escape; Yes puts the built-in
  // table in use; Undo brings back the opened table and its name.
  const opened = await page.openFile(mineFile(page));
  assert.match(opened, /Mine\.txt$/);
  const question = () => page.tab.evaluate(() => [!document.getElementById('Confirm').hidden,
    document.getElementById('ConfirmText').textContent, document.activeElement.id]);
  await page.click('RestoreBtn');
  const [asked, text, focused] = await question();
  assert.ok(asked && text.includes('Mine.txt') && focused === 'ConfirmYesBtn', `${asked} ${text} ${focused}`);
  await page.click('ConfirmNoBtn');
  assert.equal((await question())[0], false);
  assert.deepEqual(await tableShown(page), [opened, '41']);
  await page.click('RestoreBtn');
  await page.press('Escape');
  assert.equal((await question())[0], false);
  assert.deepEqual(await tableShown(page), [opened, '41']);
  const restored = await page.restore();
  assert.equal(restored.split('\n')[1], 'The built-in table: no ShipStats.txt opened on this page.');
  assert.notEqual(await page.cellText(1, 9), '41');
  assert.equal(await page.value('TableMessage'), 'The built-in table is in use.');
  await page.click('UndoBtn');
  assert.deepEqual(await tableShown(page), [opened, '41']);
  assert.ok(await page.tab.evaluate(() => document.getElementById('UndoBtn').hidden), 'Undo stays');
  await page.openFile(page.sample);
}

async function checkTwoWindows(page) {
  // Two windows of one browser: a log line added in either shows in the other, and a table
  // opened in one is the other's unless an edit is under way there.
  await page.openFile(page.sample);
  await page.click('ResultsClearBtn');
  const other = await page.twin();
  try {
    await page.bringToFront();
    await page.typeCount('3');
    await page.click('ResultsAddBtn');
    const mine = await page.logEntries();
    assert.equal(mine.length, 1);
    await other.bringToFront();
    await other.waitFor(() => other.logEntries(), mine, 'the other window\'s log');
    await other.typeCount('4');
    await other.click('ResultsAddBtn');
    const both = await other.logEntries();
    assert.equal(both.length, 2);
    await page.bringToFront();
    await page.waitFor(() => page.logEntries(), both, 'the first window\'s log');
    const opened = await page.openFile(mineFile(page));
    await other.bringToFront();
    await other.waitFor(() => tableShown(other), [opened, '41'], 'the other window\'s table');
    // An edit under way is not replaced by a table the first window opens, and its Save
    // asks before it replaces that table; Cancel then shows it.
    await other.click('EditerBtn');
    await other.typeIntoCell(2, 10, '61');
    await page.bringToFront();
    const sample = await page.openFile(page.sample);
    const kept = await page.tab.evaluate(() => localStorage.getItem('skirmod.table'));
    await other.bringToFront();
    await other.waitFor(async () => (await other.value('TableMessage')).startsWith('Another window'),
      true, 'the other window was not told');
    assert.equal(await other.cellText(2, 10), '61', 'the edit under way was replaced');
    await other.click('UpdateAndSaveBtn');
    assert.match(await other.value('ConfirmText'), /^Another window/);
    await other.click('ConfirmNoBtn');
    const keptNow = () => other.tab.evaluate(() => localStorage.getItem('skirmod.table'));
    assert.equal(await keptNow(), kept, 'No replaced the first window\'s table');
    await other.click('CancelEditBtn');
    assert.deepEqual(await tableShown(other), [sample, sampleEdited(page.sample, [])[valueLine(1, 9)]]);
    assert.equal(await keptNow(), kept, 'Cancel replaced the first window\'s table');
  } finally {
    await other.tab.close();
    await page.bringToFront();
  }
  await page.click('ResultsClearBtn');
}

async function checkColourShowsAtOnce(page) {
  // A colour chosen in Settings, as the browser's chooser reports it, is the calculator's
  // background at once; Cancel Changes takes it back.
  const background = () => page.tab.evaluate(
    () => getComputedStyle(document.getElementById('Calculator')).backgroundColor);
  const before = await background();
  await page.el('SettingsColor0');
  await page.tab.evaluate(() => {
    const input = document.getElementById('SettingsColor0');
    input.value = '#123456';
    input.dispatchEvent(new Event('input', {bubbles: true}));
  });
  assert.equal(await background(), 'rgb(18, 52, 86)');
  await page.click('CancelSettingsBtn');
  assert.equal(await background(), before);
}

async function checkPhoneWidth(page) {
  // At 360 CSS pixels nothing scrolls sideways.
  await page.viewAs('phone');
  await page.load();
  await page.chooseShip('AttShipList', 'Dreadnought');
  await page.chooseShip('DefShipList', 'Sovereign');
  await page.typeCount('184');
  await page.click('ResultsAddBtn');
  await page.tab.evaluate(() => window.scrollTo(0, 0));
  const width = await page.tab.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
  if (page.shots) await page.tab.screenshot({path: join(page.shots, `web-phone-${BROWSER}.png`)});
  await page.viewAs('desktop');
  assert.ok(width[0] <= width[1] && width[1] === 360, `scroll width, window width: ${width}`);
  await page.click('ResultsClearBtn');
}

async function checkOffline(page) {
  // Once the service worker has installed, the page loads and calculates with the server gone.
  await page.tab.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  await page.load();
  assert.ok(await page.tab.evaluate(() => Boolean(navigator.serviceWorker.controller)),
    'no service worker controls the page');
  page.server.closeAllConnections();
  await new Promise((done) => page.server.close(done));
  await page.load();
  await page.typeCount('7');
  assert.match(await page.resultLine(), /^7 /);
}

// In the order they run; the offline check stops the server, so it comes last.
const CHECKS = [checkFigures, checkCountShipsAndSwitch, checkResultsLog, checkEditSaveAndReload,
  checkRefusedCellAndPaste, checkGridKeys, checkRestoreAsksAndUndoes, checkTwoWindows,
  checkColourShowsAtOnce, checkPhoneWidth, checkOffline];

async function main([site, calc, sample, npm, shots]) {
  if (!npm) {
    console.error('usage: browser_test.mjs SITE_DIR SKIRMOD_CALC SAMPLE_STATS NPM_DIR [SCREENSHOT_DIR]');
    return 2;
  }
  const wanted = (process.env.SKIRMOD_WEB_CHECKS || '').split(',').filter(Boolean);
  const chosen = CHECKS.filter((check) => !wanted.length || wanted.some((w) => check.name.includes(w)));
  const started = Date.now();
  const page = await Page.start({browserName: BROWSER, site, calc, sample, npm, shots});
  console.log(`${await page.browser.version()} started in ${((Date.now() - started) / 1000).toFixed(1)} s`);
  let failed = 0;
  try {
    for (const check of chosen) {
      const begun = Date.now();
      try {
        await check(page);
        console.log(`PASS ${check.name} (${((Date.now() - begun) / 1000).toFixed(1)} s)`);
      } catch (error) {
        failed += 1;
        console.log(`FAIL ${check.name} (seed ${SEED})\n${error.stack}`);
      }
    }
  } finally {
    await page.close().catch(() => {});
    rmSync(page.work, {recursive: true, force: true});
  }
  const took = ((Date.now() - started) / 1000).toFixed(1);
  console.log(`${failed} of ${chosen.length} checks failed in ${BROWSER} (${took} s)`);
  return failed || !chosen.length ? 1 : 0;
}

process.exitCode = await main(process.argv.slice(2));
