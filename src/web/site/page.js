'use strict';
// Wires the page's controls to the engine (skirmod.js): every figure, text and rule comes
// from there as plain data; this script decides where it shows and what the page keeps.
const $ = (id) => document.getElementById(id);
let call;

// Where the engine's data shows: result fields, report boxes in the engine's report order,
// and the custom properties of the colour roles in the settings line's order.
const RESULT_FIELDS = {
  outcome: 'CombatText', defenders: 'DefShips', targetSlot: 'TargetDisplay',
  initiatives: 'InitText', target: 'TargetText', classes: 'ClassText',
  efficiency: 'Efficiency', resultLine: 'CurrentResultMemo',
};
const REPORT_BOXES = ['CalculationMemo', 'TargetAttMemo', 'TargetDefMemo', 'ResourcesAttMemo',
  'ResourcesDefMemo', 'BasicStatsAttMemo', 'BasicStatsDefMemo'];
const COLOR_PROPERTIES = ['--main-bg', '--main-border', '--main-text', '--main-highlight',
  '--details-bg', '--details-text', '--details-highlight'];
const STEPS = {ArrowUp: 1, ArrowDown: -1, PageUp: 10, PageDown: -10};
const KEPT = 'skirmod.';

function keep(key, value) {
  if (value) localStorage.setItem(KEPT + key, value);
  else localStorage.removeItem(KEPT + key);
}

function setText(control, text) {
  if ('value' in control && control.tagName !== 'OUTPUT') {
    if (control.value !== text) control.value = text;
  } else if (control.textContent !== text) {
    control.textContent = text;
  }
}

// A report box holds one block per line, and only the lines that changed are replaced.
function setLines(box, lines) {
  while (box.children.length > lines.length) box.lastChild.remove();
  lines.forEach((line, i) => {
    const row = box.children[i] || box.appendChild(document.createElement('div'));
    if (row.textContent !== line) row.textContent = line;
  });
}

function setList(list, entries) {
  list.replaceChildren(...entries.map((entry) => {
    // Runs of blanks stay as wide as on the desktop; the value keeps the text itself.
    const option = new Option(entry.replace(/ (?= )/g, '\u00a0'), entry);
    if (!entry && list.dataset.empty) option.setAttribute('aria-label', list.dataset.empty);
    return option;
  }));
}

function showResults({inputs, results, reports}) {
  keep('inputs', JSON.stringify(inputs));
  setText($('AttShips'), inputs.count);
  $('AttShipList').selectedIndex = inputs.attacker;
  $('DefShipList').selectedIndex = inputs.defender;
  for (const [field, id] of Object.entries(RESULT_FIELDS)) setText($(id), results[field]);
  reports.forEach((lines, i) => setLines($(REPORT_BOXES[i]), lines));
}

function showTableFile({ships, file, colors}) {
  setList($('AttShipList'), ships);
  setList($('DefShipList'), ships);
  setText($('FileHeaderText'), `${file.header}\n${file.location}`);
  colors.forEach((color, i) => document.documentElement.style.setProperty(COLOR_PROPERTIES[i], color));
}

function showLog(log) {
  setList($('ResultsMemo'), log.entries);
  $('ResultsMemo').selectedIndex = log.selected;
  keep('log', log.text);
}

function show(answer) {
  if (answer.ships) showTableFile(answer);
  if (answer.results) showResults(answer);
  if (answer.log) showLog(answer.log);
  if (answer.table) {
    keep('table', answer.table.bytes);
    keep('name', answer.table.name);
  }
  if (answer.download) download(answer.download.name, answer.download.bytes);
  if ('clip' in answer) navigator.clipboard.writeText(answer.clip).catch(() => {});
  if (answer.grid) showGrid(answer.grid);
  if (answer.error) console.error('skirmod:', answer.error);
  $('Message').textContent = answer.error || answer.message || '';
}

function download(name, bytes) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([Uint8Array.from(bytes, (c) => c.charCodeAt(0))]));
  link.download = name;
  link.click();
  URL.revokeObjectURL(link.href);
}

function element(tag, text, properties) {
  return Object.assign(document.createElement(tag), {textContent: text}, properties);
}

// Names and the header row stay fixed; the other cells can be typed in while editing.
function showGrid({columns, rows, editing}) {
  const head = document.createElement('tr');
  head.append(...columns.map((name) => element('th', name, {scope: 'col'})));
  const body = rows.map((fields, row) => {
    const line = document.createElement('tr');
    line.append(element('th', fields[0], {scope: 'row'}), ...fields.slice(1).map((field, i) => {
      const cell = element('td', field, {contentEditable: editing ? 'plaintext-only' : 'false'});
      Object.assign(cell.dataset, {row, column: i + 1});
      return cell;
    }));
    return line;
  });
  const focused = document.activeElement.dataset || {};
  $('StatsGrid').replaceChildren(head, ...body);
  const again = $('StatsGrid').querySelector(`[data-row="${focused.row}"][data-column="${focused.column}"]`);
  if (again) again.focus();
  document.body.classList.toggle('editing', editing);
}

// A typed cell goes to the engine's edit session once, when it is left or before a paste;
// a cell the grid no longer shows has nothing left to say.
function commitCell(cell) {
  if (!cell.dataset.typed || !cell.isConnected) return;
  delete cell.dataset.typed;
  call('cell', cell.dataset.row, cell.dataset.column, cell.textContent);
}

function latin1(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode(...bytes.subarray(i, i + 8192));
  return text;
}

async function openFile(file) {
  let bytes;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch {
    return call('open', '', file.name, 'missing');
  }
  return call('open', latin1(bytes), file.name);
}

// A key as the key table writes it: "Ctrl+Up", "Shift+Insert", "Ctrl+C".
function keyName(event) {
  const key = event.key.length === 1 ? event.key.toUpperCase() : event.key.replace(/^Arrow/, '');
  return (event.ctrlKey ? 'Ctrl+' : '') + (event.altKey ? 'Alt+' : '') +
    (event.shiftKey && event.key.length > 1 ? 'Shift+' : '') + key;
}

// A reload goes on with the count and the ships the page showed last; rows the table no
// longer has are left to the start-up values.
function restoreInputs(kept, shipCount) {
  let inputs;
  try {
    inputs = JSON.parse(kept);
  } catch {
    return;
  }
  if (!inputs) return;
  for (const side of ['attacker', 'defender']) {
    const row = inputs[side];
    if (Number.isInteger(row) && row >= 0 && row < shipCount) call(side, String(row));
  }
  if (typeof inputs.count === 'string') call('count', inputs.count);
}

// The log's buttons and the list's keys, from the engine's one table of log commands.
function createLogButtons(commands) {
  const log = $('ResultsMemo');
  const byKey = new Map();
  $('Panel1').replaceChildren(...commands.map((command) => {
    const button = element('button', command.caption, {
      type: 'button', id: `Results${command.caption.replace(/ /g, '')}Btn`, title: command.description,
    });
    button.addEventListener('click', () => call('log', command.name, String(log.selectedIndex)));
    if (command.listKey) byKey.set(command.listKey, button);
    return button;
  }));
  log.addEventListener('keydown', (event) => {
    const button = byKey.get(keyName(event));
    if (button) {
      event.preventDefault();
      button.click();
    }
  });
}

function wireGrid() {
  const grid = $('StatsGrid');
  grid.addEventListener('input', (event) => { event.target.dataset.typed = 'yes'; });
  grid.addEventListener('focusout', (event) => commitCell(event.target));
  grid.addEventListener('paste', (event) => {
    event.preventDefault();
    const cell = event.target;
    commitCell(cell);
    call('paste', cell.dataset.row, cell.dataset.column, event.clipboardData.getData('text/plain'));
  });
  grid.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      event.target.blur();
    }
  });
}

function wire() {
  const count = $('AttShips');
  count.addEventListener('input', () => call('count', count.value));
  count.addEventListener('keydown', (event) => {
    if (event.key in STEPS && !event.ctrlKey && !event.altKey) {
      event.preventDefault();
      call('step', String(STEPS[event.key]));
    }
  });
  for (const button of document.querySelectorAll('[data-step]')) {
    button.addEventListener('click', () => call('step', button.dataset.step));
  }
  for (const control of document.querySelectorAll('select[data-command]')) {
    control.addEventListener('change', () => call(control.dataset.command, String(control.selectedIndex)));
  }
  // The time is for the header line of a saved table.
  const now = () => `${new Date().toLocaleDateString()} ${new Date().toLocaleTimeString()}`;
  for (const button of document.querySelectorAll('button[data-command]')) {
    button.addEventListener('click', () => {
      // Save keeps a cell still being typed in, as the desktop's does.
      if (document.activeElement.dataset.typed) commitCell(document.activeElement);
      call(button.dataset.command, now());
    });
  }
  wireGrid();
  $('OpenFile').addEventListener('change', (event) => {
    if (event.target.files[0]) openFile(event.target.files[0]);
    event.target.value = '';  // the same file chosen again is read again
  });
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    if (event.dataTransfer.files[0]) openFile(event.dataTransfer.files[0]);
  });
}

Skirmod().then((engine) => {
  const session = engine._sk_new();
  // A text and its length in bytes: a NUL byte of a stats file is text too.
  const utf8 = (text) => {
    const size = engine.lengthBytesUTF8(text);
    const at = engine._malloc(size + 1);
    engine.stringToUTF8(text, at, size + 1);
    return [at, size];
  };
  call = (command, ...args) => {
    const texts = [command, ...args, '', '', ''].slice(0, 4).map(utf8);
    const answer = JSON.parse(engine.UTF8ToString(engine._sk_call(session, ...texts.flat())));
    texts.forEach(([at]) => engine._free(at));
    show(answer);
    return answer;
  };
  const stored = (key) => localStorage.getItem(KEPT + key) || '';
  const kept = stored('inputs');
  const start = call('start', stored('table'), stored('name'), stored('log'));
  restoreInputs(kept, start.ships.length);
  createLogButtons(call('commands').logCommands);
  wire();
  document.body.classList.add('ready');
  // The grid's thousand cells wait until it is scrolled near.
  new IntersectionObserver((seen, observer) => {
    if (!seen.some((entry) => entry.isIntersecting)) return;
    observer.disconnect();
    if (!$('StatsGrid').rows.length) call('grid');
  }, {rootMargin: '300px'}).observe($('StatsGrid'));
});

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
