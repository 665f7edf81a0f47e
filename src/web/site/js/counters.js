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

function cell(tag, ...children) {
  const made = document.createElement(tag);
  made.append(...children);
  return made;
}

function figure(className, text) {
  return element('span', text, {className});
}

// One type that stops them: its name as the row's button, the fleet, what it costs and
// how efficient it is; the first row is marked in words as well as by its look.
function counterRow(counter, first) {
  const name = cell('th', element('button', counter.attacker, {type: 'button'}));
  name.scope = 'row';
  if (first) name.append(' ', figure('mark', 'cheapest'));
  const ships = cell('td', figure('ships', counter.ships), ' ',
    figure('verb', `${counter.verb} ${counter.result}`));
  const cost = cell('td', figure('total', counter.total), ' ', cell('span',
    'Metal ', figure('metal', counter.metal), ', Crystal ', figure('crystal', counter.crystal),
    ', Eon ', figure('eon', counter.eon)));
  cost.lastChild.className = 'parts';
  const row = cell('tr', name, ships, cost, cell('td', figure('eff', `${counter.efficiency}%`)));
  row.dataset.row = counter.row;
  row.dataset.ships = counter.ships;
  if (first) row.className = 'cheapest';
  return row;
}

function blockedItem(counter) {
  return cell('li', element('b', counter.attacker), `: ${counter.reason}`);
}

function countersSummary(stoppers, wanted, defender) {
  if (!stoppers.length) return `No type stops ${wanted} ${defender} in one tick.`;
  const best = stoppers[0];
  return `Cheapest: ${best.ships} ${best.attacker}, ${best.total} resources, ` +
    `${best.efficiency}% efficient; ${stoppers.length} of 54 types stop them.`;
}

function showCounters({defender, wanted, rows}) {
  const name = $('DefShipList').options[defender].value;
  const stoppers = rows.filter((row) => 'ships' in row);
  const blocked = rows.filter((row) => 'reason' in row);
  $('CountersCaption').textContent =
    `Fleets that kill, hold or capture at least ${wanted} ${name} in one tick, cheapest first`;
  $('CountersTable').tBodies[0].replaceChildren(...stoppers.map((row, i) => counterRow(row, i === 0)));
  const folded = $('CountersBlocked');
  folded.hidden = !blocked.length;
  folded.querySelector('summary').textContent = `Cannot stop them: ${blocked.length} types`;
  folded.querySelector('ul').replaceChildren(...blocked.map(blockedItem));
  setText($('CountersSummary'), countersSummary(stoppers, wanted, name));
}

// A count that is no count leaves an empty view; the message says why.
function clearCounters() {
  $('CountersCaption').textContent = 'No fleets: type how many defenders to stop, 1 or more';
  $('CountersTable').tBodies[0].replaceChildren();
  $('CountersBlocked').hidden = true;
  setText($('CountersSummary'), '');
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
  call('attacker', row.dataset.row);
  call('defender', String(countersDefender));
  call('count', row.dataset.ships);
}

function wireCounters() {
  $('StopCount').addEventListener('input', refreshCounters);
  $('CountersTable').tBodies[0].addEventListener('click', (event) => {
    const row = event.target.closest('tr');
    if (row) chooseCounter(row);
  });
  $('CountersPanel').addEventListener('sectionshown', () => {
    if (countersDefender === -1) refreshCounters();
  });
}
