'use strict';
// The calculator: the count, the two ship lists, the result fields and the explanations.

// The custom properties of the colour roles, in the settings line's order.
const COLOR_PROPERTIES = ['--main-bg', '--main-border', '--main-text', '--main-highlight',
  '--details-bg', '--details-text', '--details-highlight'];
const STEPS = {ArrowUp: 1, ArrowDown: -1, PageUp: 10, PageDown: -10};

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

// Options change in place: while the selected option stays the same element, a screen
// reader hears of no selection change, which it would take as the focus.
function setList(list, entries) {
  while (list.options.length > entries.length) list.lastChild.remove();
  entries.forEach((entry, i) => {
    const option = list.options[i] || list.appendChild(new Option());
    // Runs of blanks stay as wide as on the desktop; the value keeps the text itself.
    option.text = entry.replace(/ (?= )/g, '\u00a0');
    option.value = entry;
  });
}

function showResults({inputs, results, reports}) {
  keep('inputs', JSON.stringify(inputs));
  setText($('AttShips'), inputs.count);
  $('AttShipList').selectedIndex = inputs.attacker;
  $('DefShipList').selectedIndex = inputs.defender;
  for (const [field, id] of Object.entries(RESULT_FIELDS)) setText($(id), results[field]);
  reports.forEach((lines, i) => setLines($(REPORT_BOXES[i]), lines));
}

function showTableFile({ships, file}) {
  setList($('AttShipList'), ships);
  setList($('DefShipList'), ships);
  setText($('FileHeaderText'), `${file.header}\n${file.location}`);
}

function showColors(colors) {
  colors.forEach((color, i) => document.documentElement.style.setProperty(COLOR_PROPERTIES[i], color));
}

// A short message near Copy Result, for a few seconds.
function sayNearCopy(message) {
  const status = $('ClipStatus');
  status.textContent = message;
  clearTimeout(sayNearCopy.timer);
  sayNearCopy.timer = setTimeout(() => { status.textContent = ''; }, 4000);
}

// The clipboard takes the text, and the message near Copy Result says whether it did.
function copy(text) {
  navigator.clipboard.writeText(text).then(() => sayNearCopy('Copied to the clipboard'),
    () => sayNearCopy('Could not copy: the browser refused the clipboard'));
}

// A reload goes on with the count and the ships the page showed last; rows the table no
// longer has are left to the start-up values.
function restoreInputs(kept, start) {
  let inputs;
  try {
    inputs = JSON.parse(kept);
  } catch {
    return;
  }
  if (!inputs) return;
  const row = (side) => {
    const saved = inputs[side];
    const fits = Number.isInteger(saved) && saved >= 0 && saved < start.ships.length;
    return String(fits ? saved : start.inputs[side]);
  };
  const count = typeof inputs.count === 'string' ? inputs.count : start.inputs.count;
  call('inputs', row('attacker'), row('defender'), count);
}

function wireCalculator() {
  const count = $('AttShips');
  count.addEventListener('input', () => call('count', count.value));
  count.addEventListener('keydown', (event) => {
    if (event.key in STEPS && !event.ctrlKey && !event.altKey) {
      event.preventDefault();
      call('step', String(STEPS[event.key]));
    }
  });
  for (const control of document.querySelectorAll('select[data-command]')) {
    control.addEventListener('change', () => call(control.dataset.command, String(control.selectedIndex)));
  }
}
