'use strict';
// Every matchup in one picture: the heat map of every attacker (rows) against every defender
// (columns) at the calculator's count. Figures and colours are the engine's, the same the
// companion's SVG is drawn with. The map is one tab stop: arrows move a cell, Enter opens
// that pairing in the calculator; "Show as table" gives the same figures as a table.

const MATRIX_CELL = 14;
const MATRIX_NAMES = 112;
const MATRIX_KEYS = {
  ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1],
  PageUp: [-10, 0], PageDown: [10, 0],
};
const matrix = {data: null, countText: null, stale: true, grouped: false, order: [], row: 0,
  column: 0, scale: null, touch: false};

function matrixShown() {
  return !$('MatrixPanel').hidden;
}

// Table order, or grouped by class: the classes in the order they first appear.
function matrixOrder(classes, grouped) {
  const places = classes.map((_, i) => i);
  if (!grouped) return places;
  const first = new Map();
  classes.forEach((name, i) => { if (!first.has(name)) first.set(name, i); });
  return places.sort((a, b) => first.get(classes[a]) - first.get(classes[b]) || a - b);
}

// The engine's index of the cell at a place on the map.
function matrixIndex(row, column) {
  return matrix.order[row] * matrix.data.ships.length + matrix.order[column];
}

function matrixFigures(index) {
  const {results, efficiency} = matrix.data;
  return efficiency[index] === '' ? 'no target' : `${results[index]} stopped, ${efficiency[index]}%`;
}

function matrixCellName(row, column) {
  const {ships} = matrix.data;
  return `${ships[matrix.order[row]]} v ${ships[matrix.order[column]]}: ` +
    matrixFigures(matrixIndex(row, column));
}

function drawMatrixNames(g) {
  const {ships} = matrix.data;
  g.fillStyle = '#000';
  g.font = '11px Arial, "Liberation Sans", Helvetica, sans-serif';
  g.textAlign = 'right';
  g.textBaseline = 'middle';
  const middle = (place) => MATRIX_NAMES + place * MATRIX_CELL + MATRIX_CELL / 2;
  matrix.order.forEach((ship, place) => g.fillText(ships[ship], MATRIX_NAMES - 4, middle(place)));
  // Defenders' names read upwards from the top of their column.
  g.save();
  g.rotate(-Math.PI / 2);
  g.textAlign = 'left';
  matrix.order.forEach((ship, place) => g.fillText(ships[ship], 4 - MATRIX_NAMES, middle(place)));
  g.restore();
}

function drawMatrixHatch(g) {
  const hatch = new Path2D();
  const size = matrix.order.length;
  for (let row = 0; row < size; row++) {
    for (let column = 0; column < size; column++) {
      if (matrix.data.colors[matrixIndex(row, column)]) continue;
      const x = MATRIX_NAMES + column * MATRIX_CELL;
      const y = MATRIX_NAMES + row * MATRIX_CELL;
      hatch.moveTo(x, y + MATRIX_CELL);
      hatch.lineTo(x + MATRIX_CELL, y);
    }
  }
  g.strokeStyle = matrix.scale.noTargetHatch;
  g.lineWidth = 1;
  g.stroke(hatch);
}

// Grouped by class, a white line where one class ends and the next begins, both ways.
function drawMatrixGroups(g) {
  if (!matrix.grouped) return;
  const {classes} = matrix.data;
  const end = MATRIX_NAMES + matrix.order.length * MATRIX_CELL;
  const lines = new Path2D();
  matrix.order.forEach((ship, place) => {
    if (place === 0 || classes[ship] === classes[matrix.order[place - 1]]) return;
    const at = MATRIX_NAMES + place * MATRIX_CELL;
    lines.moveTo(at, MATRIX_NAMES);
    lines.lineTo(at, end);
    lines.moveTo(MATRIX_NAMES, at);
    lines.lineTo(end, at);
  });
  g.strokeStyle = '#fff';
  g.lineWidth = 2;
  g.stroke(lines);
}

// The names, the hatch of the pairings without a target and the class groups' lines, over
// the squares: they change with the table and the order, not with the count.
function drawMatrixOverlay() {
  const {ships, colors} = matrix.data;
  const layout = JSON.stringify([ships, matrix.order, colors.map((color) => color ? 1 : 0).join('')]);
  if (layout === matrix.layout) return;
  matrix.layout = layout;
  const canvas = $('MatrixCanvas');
  const side = MATRIX_NAMES + matrix.order.length * MATRIX_CELL;
  const ratio = window.devicePixelRatio || 1;
  canvas.width = canvas.height = Math.round(side * ratio);
  canvas.style.width = canvas.style.height = `${side}px`;
  const g = canvas.getContext('2d');
  g.setTransform(ratio, 0, 0, ratio, 0, 0);
  drawMatrixNames(g);
  drawMatrixHatch(g);
  drawMatrixGroups(g);
}

// The squares: one pixel a cell, which the page shows fourteen pixels wide, unsmoothed. A
// count change repaints 2,916 pixels, not a phone screen's worth of them.
function drawMatrixCells() {
  const {colors} = matrix.data;
  const size = matrix.order.length;
  const canvas = $('MatrixCells');
  canvas.width = canvas.height = size;
  canvas.style.width = canvas.style.height = `${size * MATRIX_CELL}px`;
  canvas.style.left = canvas.style.top = `${MATRIX_NAMES}px`;
  const pixels = new ImageData(size, size);
  for (let row = 0; row < size; row++) {
    for (let column = 0; column < size; column++) {
      const color = colors[matrixIndex(row, column)] || matrix.scale.noTargetBack;
      const value = parseInt(color.slice(1), 16);
      pixels.data.set([value >> 16, (value >> 8) & 255, value & 255, 255], 4 * (row * size + column));
    }
  }
  canvas.getContext('2d').putImageData(pixels, 0, 0);
}

function drawMatrix() {
  drawMatrixCells();
  drawMatrixOverlay();
}

// The focused cell: its mark on the map, the grid's active cell for a screen reader, and
// its figures in the line above the map.
function focusMatrixCell(row, column) {
  const last = matrix.order.length - 1;
  matrix.row = Math.max(0, Math.min(last, row));
  matrix.column = Math.max(0, Math.min(last, column));
  const name = matrixCellName(matrix.row, matrix.column);
  const cell = $('MatrixCell');
  cell.textContent = name;
  cell.setAttribute('aria-colindex', String(matrix.column + 1));
  $('MatrixRow').setAttribute('aria-rowindex', String(matrix.row + 1));
  const mark = $('MatrixMark');
  mark.style.left = `${MATRIX_NAMES + matrix.column * MATRIX_CELL}px`;
  mark.style.top = `${MATRIX_NAMES + matrix.row * MATRIX_CELL}px`;
  mark.hidden = false;
  $('MatrixInfo').textContent = name;
}

function showMatrixCaption() {
  const {count} = matrix.data;
  $('MatrixCaption').textContent = `Resource efficiency of every attacker (rows) against every ` +
    `defender (columns) at ${count} ships` + (count > 0 ? '.' : ': at this count nothing is stopped.');
}

// The figures as a table, for a screen reader or for reading them off one by one.
function buildMatrixTable() {
  const {ships} = matrix.data;
  const table = element('table', '', {id: 'MatrixTable'});
  table.append(element('caption', $('MatrixCaption').textContent));
  const head = table.createTHead().insertRow();
  head.append(element('th', 'Attacker \\ Defender', {scope: 'col'}));
  for (const ship of matrix.order) head.append(element('th', ships[ship], {scope: 'col'}));
  const body = table.createTBody();
  matrix.order.forEach((ship, row) => {
    const line = body.insertRow();
    line.append(element('th', ships[ship], {scope: 'row'}));
    for (let column = 0; column < matrix.order.length; column++) {
      line.append(element('td', matrixFigures(matrixIndex(row, column))));
    }
  });
  $('MatrixTableArea').replaceChildren(table);
}

// The table's box scrolls, so it is a tab stop of its own while there is a table.
function showMatrixTable() {
  const shown = $('MatrixTableBtn').getAttribute('aria-pressed') === 'true';
  $('MatrixTableArea').hidden = !shown;
  if (shown) buildMatrixTable();
  else $('MatrixTableArea').replaceChildren();
}

function redrawMatrix() {
  const answer = call('matrix').matrix;
  matrix.data = Object.assign(answer, {results: answer.results.split(','),
    efficiency: answer.efficiency.split(','), colors: answer.colors.split(',')});
  matrix.order = matrixOrder(matrix.data.classes, matrix.grouped);
  matrix.stale = false;
  showMatrixCaption();
  drawMatrix();
  focusMatrixCell(matrix.row, matrix.column);
  showMatrixTable();
}

// Every answer with the calculator's inputs or a new table: the map follows the count and
// the table, drawn now when it shows and when its section is next shown otherwise.
function followMatrixInputs(answer) {
  const countText = answer.inputs ? answer.inputs.count : matrix.countText;
  if (!answer.ships && countText === matrix.countText) return;
  matrix.countText = countText;
  matrix.stale = true;
  if (matrixShown() && matrix.scale) redrawMatrix();
}

function chooseMatrixCell() {
  const attacker = matrix.order[matrix.row];
  const defender = matrix.order[matrix.column];
  call('inputs', String(attacker), String(defender), matrix.countText);
  $('MatrixInfo').textContent = `${matrixCellName(matrix.row, matrix.column)}. In the calculator now.`;
}

function matrixPlaceAt(event) {
  const box = $('MatrixMap').getBoundingClientRect();
  const at = (offset) => Math.floor((offset - MATRIX_NAMES) / MATRIX_CELL);
  const row = at(event.clientY - box.top);
  const column = at(event.clientX - box.left);
  const inside = (place) => place >= 0 && place < matrix.order.length;
  return inside(row) && inside(column) ? [row, column] : null;
}

function onMatrixKey(event) {
  const last = matrix.order.length - 1;
  const jumps = {
    Home: () => [event.ctrlKey ? 0 : matrix.row, 0],
    End: () => [event.ctrlKey ? last : matrix.row, last],
  };
  let target;
  if (event.key in MATRIX_KEYS) {
    const [down, across] = MATRIX_KEYS[event.key];
    target = [matrix.row + down, matrix.column + across];
  } else if (event.key in jumps) {
    target = jumps[event.key]();
  } else if (event.key === 'Enter' || event.key === ' ') {
    event.preventDefault();
    chooseMatrixCell();
    return;
  } else {
    return;
  }
  event.preventDefault();
  focusMatrixCell(...target);
  $('MatrixMark').scrollIntoView({block: 'nearest', inline: 'nearest'});
}

// A mouse opens the cell it clicks; a finger's first tap on a cell shows it, a second opens it.
function onMatrixClick(event) {
  const place = matrixPlaceAt(event);
  if (!place) return;
  const again = place[0] === matrix.row && place[1] === matrix.column;
  focusMatrixCell(...place);
  $('MatrixMap').focus({preventScroll: true});
  if (!matrix.touch || again) chooseMatrixCell();
  else $('MatrixInfo').textContent += '. Tap it again to open it in the calculator.';
}

// The line above the map, and the tooltip by the pointer where the map is taller than the
// screen.
function onMatrixHover(event) {
  const place = matrixPlaceAt(event);
  const name = place ? matrixCellName(...place) : matrixCellName(matrix.row, matrix.column);
  $('MatrixInfo').textContent = name;
  $('MatrixCanvas').title = place ? name : '';
}

function showHeatScale(scale) {
  $('MatrixScaleTitle').textContent = scale.title;
  $('MatrixScaleBar').style.background = `linear-gradient(to right, ${scale.stops.join(', ')})`;
  $('MatrixTicks').replaceChildren(...scale.ticks.map(({at, label}) =>
    element('span', label, {style: `left: ${at * 100}%`})));
  $('MatrixNoTarget').style.background = `repeating-linear-gradient(-45deg, ${scale.noTargetBack} ` +
    `0 3px, ${scale.noTargetHatch} 3px 4px)`;
  $('MatrixNoTargetText').textContent = scale.noTarget;
}

function toggleButton(id, change) {
  const button = $(id);
  button.addEventListener('click', () => {
    button.setAttribute('aria-pressed', String(button.getAttribute('aria-pressed') !== 'true'));
    change(button.getAttribute('aria-pressed') === 'true');
  });
}

function savePicture() {
  const {name, text} = call('picture').picture;
  const link = element('a', '', {download: name});
  link.href = URL.createObjectURL(new Blob([text], {type: 'image/svg+xml'}));
  link.click();
  URL.revokeObjectURL(link.href);
}

function wireMatrix() {
  matrix.scale = call('scale').heatScale;
  showHeatScale(matrix.scale);
  const map = $('MatrixMap');
  map.addEventListener('keydown', onMatrixKey);
  map.addEventListener('pointerdown', (event) => { matrix.touch = event.pointerType === 'touch'; });
  map.addEventListener('click', onMatrixClick);
  map.addEventListener('mousemove', onMatrixHover);
  map.addEventListener('mouseleave', onMatrixHover);
  toggleButton('MatrixGroupBtn', (grouped) => {
    matrix.grouped = grouped;
    if (matrix.data) redrawMatrix();
  });
  toggleButton('MatrixTableBtn', showMatrixTable);
  $('MatrixSvgBtn').addEventListener('click', savePicture);
  // The section drawn when it is shown, only then, and once for each change.
  new MutationObserver(() => {
    if (matrixShown() && matrix.stale) redrawMatrix();
  }).observe($('MatrixPanel'), {attributes: true, attributeFilter: ['hidden']});
  if (matrixShown()) redrawMatrix();
}
