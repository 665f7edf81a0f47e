'use strict';
// Wires the page's controls to the engine (skirmod.js); every figure, text and rule comes
// from there. call() sends a command and shows the answer, which names controls by id.
const $ = (id) => document.getElementById(id);
let call;

function show(answer) {
  for (const [id, text] of Object.entries(answer.text || {})) {
    const control = $(id);
    if (control.classList.contains('report')) setLines(control, text);
    else if ('value' in control && control.tagName !== 'OUTPUT') control.value = text;
    else control.textContent = text;
  }
  for (const [id, entries] of Object.entries(answer.lists || {})) {
    const list = $(id);
    list.replaceChildren(...entries.map((entry) => {
      // Runs of blanks stay as wide as on the desktop; the value keeps the text itself.
      const option = new Option(entry.replace(/ (?= )/g, '\u00a0'), entry);
      if (!entry && list.dataset.empty) option.setAttribute('aria-label', list.dataset.empty);
      return option;
    }));
  }
  for (const [id, index] of Object.entries(answer.selected || {})) $(id).selectedIndex = index;
  for (const [name, value] of Object.entries(answer.colors || {})) {
    document.documentElement.style.setProperty(name, value);
  }
  for (const [key, value] of Object.entries(answer.store || {})) {
    if (value) localStorage.setItem('skirmod.' + key, value);
    else localStorage.removeItem('skirmod.' + key);
  }
  for (const [name, bytes] of Object.entries(answer.download || {})) download(name, bytes);
  if ('clip' in answer) navigator.clipboard.writeText(answer.clip).catch(() => {});
  if (answer.grid) showGrid(answer.columns, answer.grid, answer.editing);
  $('Message').textContent = answer.message || '';
}

// A report box holds one block per line, and only the lines that changed are replaced.
function setLines(box, text) {
  const lines = text.split('\n');
  while (box.children.length > lines.length) box.lastChild.remove();
  lines.forEach((line, i) => {
    const row = box.children[i] || box.appendChild(document.createElement('div'));
    if (row.textContent !== line) row.textContent = line;
  });
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
function showGrid(columns, rows, editing) {
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

function keyName(event) {
  return (event.ctrlKey ? 'Ctrl+' : '') + (event.shiftKey && event.key.length > 1 ? 'Shift+' : '') + event.key;
}

function wire() {
  const count = $('AttShips');
  count.addEventListener('input', () => call('count', count.value));
  count.addEventListener('keydown', (event) => {
    if (Object.keys(call('step', event.key).text || {}).length) event.preventDefault();
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
    button.addEventListener('click', () => call(button.dataset.command, now()));
  }
  const log = $('ResultsMemo');
  const logButtons = document.querySelectorAll('[data-log]');
  for (const button of logButtons) {
    button.addEventListener('click', () => call('log', button.dataset.log, String(log.selectedIndex)));
  }
  log.addEventListener('keydown', (event) => {
    const button = [...logButtons].find((b) => b.dataset.key === keyName(event));
    if (button) {
      event.preventDefault();
      button.click();
    }
  });
  const grid = $('StatsGrid');
  grid.addEventListener('input', (event) => { event.target.dataset.typed = 'yes'; });
  grid.addEventListener('focusout', (event) => {
    const cell = event.target;
    if (cell.dataset.typed) call('cell', cell.dataset.row, cell.dataset.column, cell.textContent);
    delete cell.dataset.typed;
  });
  grid.addEventListener('paste', (event) => {
    event.preventDefault();
    const cell = event.target;
    call('paste', cell.dataset.row, cell.dataset.column, event.clipboardData.getData('text/plain'));
  });
  grid.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      event.target.blur();
    }
  });
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
  const stored = (key) => localStorage.getItem('skirmod.' + key) || '';
  call('start', stored('table'), stored('name'), stored('log'));
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
