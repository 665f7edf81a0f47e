'use strict';
// The results log: its list, and the buttons and keys of the engine's log commands.

function showLog(log) {
  setList($('ResultsMemo'), log.entries);
  $('ResultsMemo').selectedIndex = log.selected;
  keep('log', log.text);
}

// A key as the key table writes it: "Ctrl+Up", "Shift+Insert", "Ctrl+C".
function keyName(event) {
  const key = event.key.length === 1 ? event.key.toUpperCase() : event.key.replace(/^Arrow/, '');
  return (event.ctrlKey ? 'Ctrl+' : '') + (event.altKey ? 'Alt+' : '') +
    (event.shiftKey && event.key.length > 1 ? 'Shift+' : '') + key;
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
