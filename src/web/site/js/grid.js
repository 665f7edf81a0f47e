'use strict';
// The ship table's grid, edited like a spreadsheet: a text box per cell, named by its ship
// and column; ship names and the header row stay fixed. The table is built once, in idle
// time after the first result; the engine's answers then touch only the cells that differ.

const grid = {latest: null, built: 0, editing: false, active: null, swept: 0, sweeping: false};

const cellAt = (row, column) => $('StatsGrid').tBodies[0]?.rows[row]?.cells[column]?.firstChild;
const whereIs = (cell) => [cell.closest('tr').sectionRowIndex, cell.parentElement.cellIndex];
// A cell command (cell, paste) on a cell: its row and column go as texts.
const callOnCell = (command, cell, text) => call(command, ...whereIs(cell).map(String), text);

function gridHead(columns) {
  const head = document.createElement('thead');
  head.insertRow().append(...columns.map((name, column) =>
    element('th', name, {scope: 'col', id: `GridColumn${column}`})));
  return head;
}

// Each column as wide as its longest text, in widths of a digit with room for capitals: a
// text box does not size itself to its value. The table's width is their sum, its layout
// fixed: a thousand cells are laid out without measuring each. A cell scrolled to stops
// beside the fixed names, not under them. No column is narrower than a thumb.
const THUMB_CH = 7;

function fitColumns({columns, rows}) {
  const table = $('StatsGrid');
  const widths = columns.map((name, column) => Math.max(THUMB_CH, 2 + Math.ceil(1.2 * Math.max(
    name.length, ...rows.map((fields) => fields[column].length)))));
  if (!table.querySelector('colgroup')) {
    table.prepend(document.createElement('colgroup'));
    table.firstChild.append(...columns.map(() => document.createElement('col')));
  }
  const cols = [...table.firstChild.children];
  widths.push(widths.reduce((sum, width) => sum + width));
  [...cols, table].forEach((box, i) => {
    if (box.style.width !== `${widths[i]}ch`) box.style.width = `${widths[i]}ch`;
  });
  table.parentElement.style.setProperty('--names', `${widths[0]}ch`);
}

function gridRow(fields, row, blank) {
  const line = document.createElement('tr');
  line.append(element('th', fields[0], {scope: 'row', id: `GridShip${row}`}));
  for (let column = 1; column < fields.length; column++) {
    const cell = blank.cloneNode();
    cell.defaultValue = fields[column];
    cell.setAttribute('aria-labelledby', `GridShip${row} GridColumn${column}`);
    line.insertCell().append(cell);
  }
  return line;
}

// Rows while the idle time lasts, at least one (all of them without a deadline); the rest
// come next time.
function buildRows(deadline) {
  const {columns, rows, editing} = grid.latest;
  if (grid.built === rows.length) return;
  const table = $('StatsGrid');
  if (!grid.built) {
    table.replaceChildren(gridHead(columns), document.createElement('tbody'));
    fitColumns(grid.latest);
  }
  const blank = Object.assign(document.createElement('input'),
                              {readOnly: !editing, tabIndex: -1});
  blank.setAttribute('autocomplete', 'off');
  do {
    table.tBodies[0].append(gridRow(rows[grid.built], grid.built, blank));
    grid.built++;
  } while (grid.built < rows.length && (!deadline || deadline.timeRemaining() > 1));
  if (!grid.active) makeActive(cellAt(0, 1));
  if (grid.built < rows.length) whenIdle(buildRows);
}

// A slice of time for a browser without idle callbacks, or for a grid wanted now.
function timeSlice(milliseconds) {
  const end = performance.now() + milliseconds;
  return {timeRemaining: () => end - performance.now()};
}

// Work in slices of at most 6 ms: what it changes still costs the next frame its style. A
// page never idle for a second gets its slice all the same.
function whenIdle(work) {
  const slice = 6;
  if (window.requestIdleCallback) {
    const sliced = (idle) => Math.min(idle.didTimeout ? slice : idle.timeRemaining(), slice);
    requestIdleCallback((idle) => work(timeSlice(sliced(idle))), {timeout: 1000});
  } else {
    setTimeout(() => work(timeSlice(slice)), 0);
  }
}

// The engine's value in each built cell; a cell typed in and not kept goes back to it.
function showValues({rows}) {
  const body = $('StatsGrid').tBodies[0];
  for (let row = 0; row < grid.built; row++) {
    const cells = body.rows[row].cells;
    if (cells[0].textContent !== rows[row][0]) cells[0].textContent = rows[row][0];
    for (let column = 1; column < cells.length; column++) {
      const cell = cells[column].firstChild;
      const text = rows[row][column];
      if (cell.defaultValue !== text) cell.defaultValue = text;
      if (cell.value === text) continue;
      cell.value = text;
      delete cell.dataset.typed;
    }
  }
}

// Edit and Cancel change the cell the focus goes to at once and the others in idle time: a
// thousand cells at once would hold up the page. A focused cell is always up to date.
function setEditing(editing) {
  if (editing === grid.editing) return;
  grid.editing = editing;
  document.body.classList.toggle('editing', editing);
  grid.active.readOnly = !editing;
  // Edit, Save and Cancel hide themselves: the focus goes on to the grid or back to Edit.
  const focused = document.activeElement;
  if (focused === document.body || !focused.checkVisibility()) {
    if (editing) focusCell(grid.active);
    else $('EditerBtn').focus();
  }
  grid.swept = 0;
  if (!grid.sweeping) whenIdle(sweepReadOnly);
  grid.sweeping = true;
}

// Rows while the idle time lasts, at least one.
function sweepReadOnly(deadline) {
  const body = $('StatsGrid').tBodies[0];
  while (grid.swept < grid.built) {
    for (const cell of body.rows[grid.swept].querySelectorAll('input')) {
      if (cell.readOnly === grid.editing) cell.readOnly = !grid.editing;
    }
    grid.swept++;
    if (deadline.timeRemaining() < 1) break;
  }
  grid.sweeping = grid.swept < grid.built;
  if (grid.sweeping) whenIdle(sweepReadOnly);
}

function showGrid(answer) {
  grid.latest = answer;
  if (grid.built) {
    showValues(answer);
    fitColumns(answer);
  }
  // Editing needs every cell at once; otherwise the idle time builds what is missing.
  if (answer.editing && grid.built < answer.rows.length) buildRows();
  else if (!grid.built) buildRows(timeSlice(6));
  setEditing(answer.editing);
}

// The page asks for the grid once the first result is shown and the browser is idle.
function buildGridWhenIdle() {
  whenIdle(() => {
    if (!grid.latest) call('grid');
  });
}

// One cell is the grid's stop on the Tab key; the arrow keys move from there.
function makeActive(cell) {
  if (grid.active) grid.active.tabIndex = -1;
  cell.tabIndex = 0;
  grid.active = cell;
}

// A typed cell goes to the engine's edit session once, when it is left or before a paste;
// a refused one shows the engine's value again. Returns the engine's answer.
function commitCell(cell) {
  if (!cell.dataset.typed) return null;
  delete cell.dataset.typed;
  const answer = callOnCell('cell', cell, cell.value);
  if (answer.edit === false) cell.value = cell.defaultValue;
  return answer;
}

// Where a key moves from a cell, as [rows, columns]; sideways only when the caret has nothing
// more to cross that way.
function keyStep(event, cell) {
  if (event.ctrlKey || event.altKey || event.metaKey) return null;
  const whole = cell.selectionStart === 0 && cell.selectionEnd === cell.value.length;
  const atStart = whole || cell.selectionEnd === 0;
  const atEnd = whole || cell.selectionStart === cell.value.length;
  switch (event.key) {
    case 'Enter': return event.shiftKey ? [-1, 0] : [1, 0];
    case 'ArrowUp': return event.shiftKey ? null : [-1, 0];
    case 'ArrowDown': return event.shiftKey ? null : [1, 0];
    case 'ArrowLeft': return !event.shiftKey && atStart ? [0, -1] : null;
    case 'ArrowRight': return !event.shiftKey && atEnd ? [0, 1] : null;
    default: return null;
  }
}

function moveFrom(cell, [down, across]) {
  const [row, column] = whereIs(cell);
  const clamp = (value, last) => Math.min(Math.max(value, 0), last);
  const next = cellAt(clamp(row + down, grid.built - 1),
                      Math.max(1, clamp(column + across, grid.latest.columns.length - 1)));
  if (next !== cell) {
    focusCell(next);
  } else {
    commitCell(cell);
    cell.select();
  }
}

// Selected before it takes the focus, which keeps the selection: the screen reader hears
// the focus first.
function focusCell(cell) {
  cell.setSelectionRange(0, cell.value.length);
  cell.focus();
}

function undoCell(cell) {
  cell.value = cell.defaultValue;
  delete cell.dataset.typed;
  cell.select();
}

function wireGrid() {
  const table = $('StatsGrid');
  table.addEventListener('input', (event) => { event.target.dataset.typed = 'yes'; });
  // A cell reached by Tab comes selected already: no second selection for the screen reader
  // to hear before the focus.
  table.addEventListener('focusin', (event) => {
    const cell = event.target;
    if (cell.readOnly === grid.editing) cell.readOnly = !grid.editing;
    makeActive(cell);
    if (cell.selectionStart !== 0 || cell.selectionEnd !== cell.value.length) cell.select();
  });
  // A refused cell keeps the focus, showing the engine's value.
  table.addEventListener('focusout', (event) => {
    if (commitCell(event.target)?.edit === false) event.target.focus();
  });
  // A click selects the cell's text as Tab does, unless the cell already had the focus.
  let clickedInto = false;
  table.addEventListener('mousedown', (event) => {
    clickedInto = event.target.tagName === 'INPUT' && event.target !== document.activeElement;
  });
  table.addEventListener('mouseup', (event) => {
    if (clickedInto) event.preventDefault();
    clickedInto = false;
  });
  table.addEventListener('paste', (event) => {
    event.preventDefault();
    const cell = event.target;
    commitCell(cell);
    callOnCell('paste', cell, event.clipboardData.getData('text/plain'));
  });
  table.addEventListener('keydown', (event) => {
    const cell = event.target;
    if (event.key === 'Escape' && cell.dataset.typed) {
      event.preventDefault();
      undoCell(cell);
      return;
    }
    const step = keyStep(event, cell);
    if (!step) return;
    event.preventDefault();
    moveFrom(cell, step);
  });
}
