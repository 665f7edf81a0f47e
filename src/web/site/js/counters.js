'use strict';
// Who stops them: for the calculator's defender and a count of them, every attacking type
// that stops them in one tick, the cheapest fleet first, from the engine's stop search. The
// view follows its own count as it is typed; choosing a row puts that fleet into the
// calculator.

// The defender the view was last asked for; -1 when it must ask the engine again.
let countersDefender = -1;

function countersShown() {
  return !$('CountersPanel').hidden;
}

// A new element holding these nodes and texts.
function holding(tag, ...children) {
  const made = document.createElement(tag);
  made.append(...children);
  return made;
}

// Each row's figures by name, made once with the row.
const rowFigures = new WeakMap();

// A row's cells; the figures fill in place as the count changes, the rows stay. The mark of
// the cheapest shows on the first row only.
function newCounterRow() {
  const figures = {};
  const figure = (name, tag = 'span') => {
    figures[name] = element(tag, '', {className: name});
    return figures[name];
  };
  const name = holding('th', figure('attacker', 'button'), ' ',
    element('span', 'cheapest', {className: 'mark'}));
  figures.attacker.type = 'button';
  name.scope = 'row';
  const parts = holding('span', 'Metal ', figure('metal'), ', Crystal ', figure('crystal'),
    ', Eon ', figure('eon'));
  parts.className = 'parts';
  const row = holding('tr', name, holding('td', figure('ships'), ' ', figure('verb')),
    holding('td', figure('total'), ' ', parts), holding('td', figure('efficiency')));
  rowFigures.set(row, figures);
  return row;
}

// Text changes only where it differs: a screen reader hears of no change that is none.
function showText(shown, text) {
  if (shown.textContent !== text) shown.textContent = text;
}

// One type that stops them: its name as the row's button, the fleet and what it does, what
// it costs and how efficient it is.
function fillCounterRow(row, counter, first) {
  const texts = {...counter, verb: `${counter.verb} ${counter.result}`,
    efficiency: `${counter.efficiency}%`};
  for (const [name, shown] of Object.entries(rowFigures.get(row))) showText(shown, texts[name]);
  row.dataset.row = counter.row;
  row.dataset.ships = counter.ships;
  row.classList.toggle('cheapest', first);
}

function fillRows(body, stoppers) {
  while (body.rows.length > stoppers.length) body.lastChild.remove();
  while (body.rows.length < stoppers.length) body.append(newCounterRow());
  stoppers.forEach((counter, i) => fillCounterRow(body.rows[i], counter, i === 0));
}

// The types that cannot, each with the reason; the items change only where their text does.
function fillBlocked(list, blocked) {
  while (list.children.length > blocked.length) list.lastChild.remove();
  while (list.children.length < blocked.length) list.append(holding('li', element('b'), ''));
  blocked.forEach((counter, i) => {
    const item = list.children[i];
    showText(item.firstChild, counter.attacker);
    item.lastChild.data = `: ${counter.reason}`;
  });
}

function countersSummary(stoppers, types, wanted, defender) {
  if (!stoppers.length) return `No type stops ${wanted} ${defender} in one tick.`;
  const best = stoppers[0];
  return `Cheapest: ${best.ships} ${best.attacker}, ${best.total} resources, ` +
    `${best.efficiency}% efficient; ${stoppers.length} of ${types} types stop them.`;
}

function showCounters({defender, wanted, rows}) {
  const name = $('DefShipList').options[defender].value;
  const stoppers = rows.filter((row) => 'ships' in row);
  const blocked = rows.filter((row) => 'reason' in row);
  showText($('CountersCaption'),
    `Fleets that kill, hold or capture at least ${wanted} ${name} in one tick, cheapest first`);
  fillRows($('CountersTable').tBodies[0], stoppers);
  const folded = $('CountersBlocked');
  folded.hidden = !blocked.length;
  showText(folded.querySelector('summary'),
    `Cannot stop them: ${blocked.length} of ${rows.length} types`);
  fillBlocked(folded.querySelector('ul'), blocked);
  showText($('CountersSummary'), countersSummary(stoppers, rows.length, wanted, name));
}

// A count that is no count leaves an empty view; the message says why.
function clearCounters() {
  showText($('CountersCaption'), 'No fleets: type how many defenders to stop, 1 or more');
  fillRows($('CountersTable').tBodies[0], []);
  fillBlocked($('CountersBlocked').querySelector('ul'), []);
  $('CountersBlocked').hidden = true;
  showText($('CountersSummary'), '');
}

function refreshCounters() {
  const defender = $('DefShipList').selectedIndex;
  const answer = call('counters', String(defender), $('StopCount').value);
  if (answer.counters) showCounters(answer.counters);
  else clearCounters();
  countersDefender = defender;
}

// Every answer with the calculator's inputs: a new defender or a new table is asked for at
// once while the view shows, else when it shows next.
function followDefender(defender, tableChanged) {
  if (defender === countersDefender && !tableChanged) return;
  countersDefender = -1;
  if (countersShown()) refreshCounters();
}

// The row's fleet into the calculator: its attacker, the view's defender, the ships needed.
function chooseCounter(row) {
  call('inputs', row.dataset.row, String(countersDefender), row.dataset.ships);
}

// A reload goes on with the number of defenders typed last, as with the calculator's count.
function wireCounters() {
  const box = $('StopCount');
  box.value = stored('stopCount') || box.value;
  box.addEventListener('input', () => {
    keep('stopCount', box.value);
    refreshCounters();
  });
  $('CountersTable').tBodies[0].addEventListener('click', (event) => {
    const row = event.target.closest('tr');
    if (row) chooseCounter(row);
  });
  $('CountersPanel').addEventListener('sectionshown', () => {
    if (countersDefender === -1) refreshCounters();
  });
}
