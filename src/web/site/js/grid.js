'use strict';
// The ship table's grid: names and the header row stay fixed; the other cells can be typed
// in while editing.

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

// The grid's thousand cells wait until it is scrolled near.
function showGridWhenNear() {
  new IntersectionObserver((seen, observer) => {
    if (!seen.some((entry) => entry.isIntersecting)) return;
    observer.disconnect();
    if (!$('StatsGrid').rows.length) call('grid');
  }, {rootMargin: '300px'}).observe($('StatsGrid'));
}
