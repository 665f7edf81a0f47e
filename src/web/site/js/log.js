'use strict';
// The results log: a list box of the engine's entries, the buttons and keys of the engine's
// log commands, and a short spoken note of what each command did.

// What the list shows and which entry the next command works on.
let logEntries = [];
let logSelected = -1;

// An entry as a screen reader says it: an empty line has a name of its own.
function entryName(text) {
  return text || $('ResultsMemo').dataset.empty;
}

function logOption(text, i) {
  const option = element('li', text, {id: `ResultsEntry${i}`});
  option.setAttribute('role', 'option');
  if (!text) option.setAttribute('aria-label', entryName(text));
  return option;
}

// An empty log still holds one line, saying so: a screen reader has something to read.
function emptyLogLine(list) {
  const line = element('li', list.dataset.none, {id: 'ResultsNone', className: 'none'});
  line.setAttribute('role', 'option');
  line.setAttribute('aria-disabled', 'true');
  return line;
}

function showLog(log) {
  const list = $('ResultsMemo');
  logEntries = log.entries;
  list.replaceChildren(...(logEntries.length ? logEntries.map(logOption) : [emptyLogLine(list)]));
  selectEntry(log.selected);
  keep('log', log.text);
}

function selectEntry(index) {
  const list = $('ResultsMemo');
  logSelected = index >= 0 && logEntries.length ? Math.min(index, logEntries.length - 1) : -1;
  [...list.children].forEach((option, i) => {
    option.setAttribute('aria-selected', String(i === logSelected));
  });
  const active = logEntries.length ? list.children[logSelected] : list.firstChild;
  if (active) list.setAttribute('aria-activedescendant', active.id);
  else list.removeAttribute('aria-activedescendant');
}

// A key as the key table writes it: "Ctrl+Up", "Shift+Insert", "Ctrl+C".
function keyName(event) {
  const key = event.key.length === 1 ? event.key.toUpperCase() : event.key.replace(/^Arrow/, '');
  return (event.ctrlKey ? 'Ctrl+' : '') + (event.altKey ? 'Alt+' : '') +
    (event.shiftKey && event.key.length > 1 ? 'Shift+' : '') + key;
}

// The keys that move the selection, as in the desktop's list.
const LOG_MOVES = {
  Up: (i) => i - 1, Down: (i) => i + 1, PageUp: (i) => i - 8, PageDown: (i) => i + 8,
  Home: () => 0, End: (i, count) => count - 1,
};

function moveSelection(move) {
  selectEntry(Math.max(0, move(logSelected, logEntries.length)));
  const option = $('ResultsMemo').children[logSelected];
  if (option) option.scrollIntoView({block: 'nearest'});
}

// What a command changed: the entry added, deleted or moved, or the log cleared.
function logChange(before, after, selected) {
  let i = 0;
  while (i < before.length && before[i] === after[i]) i++;
  if (after.length === before.length + 1) return {deed: 'Added', index: i, text: after[i]};
  if (after.length === before.length - 1) return {deed: 'Deleted', text: before[i]};
  if (!after.length && before.length) return {deed: `Deleted all ${before.length} entries`};
  if (i < before.length) return {deed: 'Moved', index: selected, text: after[selected]};
  return null;
}

// The note a screen reader says after a command: what changed, then what is selected.
function logStatus(command, before, log) {
  const change = logChange(before, log.entries, log.selected) ||
    (command === 'copy' ? {deed: 'Copied the log'} : null);
  const parts = [];
  if (change) {
    parts.push('text' in change ? `${change.deed}: ${entryName(change.text)}` : change.deed);
  }
  const count = log.entries.length;
  if (!count) {
    parts.push($('ResultsMemo').dataset.none);
  } else if (log.selected >= 0) {
    const which = `Selected line ${log.selected + 1} of ${count}`;
    const same = change && change.index === log.selected;
    parts.push(same ? which : `${which}: ${entryName(log.entries[log.selected])}`);
  }
  return parts.join('. ');
}

// The same note twice in a row is said twice: a live region speaks changes only.
function sayLogStatus(text) {
  const status = $('LogStatus');
  status.textContent = status.textContent === text ? `${text}\u00a0` : text;
}

// The log's buttons and the list's keys, from the engine's one table of log commands.
function createLogButtons(commands) {
  const log = $('ResultsMemo');
  const byKey = new Map();
  $('Panel1').replaceChildren(...commands.map((command) => {
    const button = element('button', command.caption, {
      type: 'button', id: `Results${command.caption.replace(/ /g, '')}Btn`, title: command.description,
    });
    button.addEventListener('click', () => {
      const before = logEntries;
      const answer = call('log', command.name, String(logSelected));
      if (answer.log) sayLogStatus(logStatus(command.name, before, answer.log));
    });
    if (command.listKey) byKey.set(command.listKey, button);
    return button;
  }));
  log.addEventListener('keydown', (event) => {
    const name = keyName(event);
    const button = byKey.get(name);
    if (button) button.click();
    else if (name in LOG_MOVES && logEntries.length) moveSelection(LOG_MOVES[name]);
    else return;
    event.preventDefault();
  });
  log.addEventListener('click', (event) => {
    const option = event.target.closest('[role=option]');
    if (option && logEntries.length) selectEntry([...log.children].indexOf(option));
  });
}
