'use strict';
// The desktop's Alt-keys, from the engine's key table: a row whose place is a section's tab
// caption works while that section shows, and presses the control the row names there, a
// button by its caption or the first control under a heading. Screen readers keep Insert
// for themselves, so these are the way to the log's commands for their users.

function altKeyName(event) {
  // The key's place, not its character: on some systems Alt changes the character.
  const key = event.code.replace(/^(Key|Digit)/, '');
  return `Alt+${key}`;
}

function controlNamed(panel, what) {
  const button = [...panel.querySelectorAll('button')].find((each) => each.textContent === what);
  if (button) return button;
  const heading = [...panel.querySelectorAll('h2')].find((each) => each.textContent === what);
  return heading && heading.nextElementSibling.querySelector('input, select, textarea, button');
}

function wireAltKeys(rows) {
  const tabs = [...$('ToolBar1').querySelectorAll('[role=tab]')];
  const bound = new Map();
  for (const row of rows) {
    const tab = tabs.find((each) => each.textContent === row.where);
    if (tab && /^Alt\+\w$/.test(row.keys)) bound.set(`${row.where}|${row.keys}`, row.what);
  }
  document.addEventListener('keydown', (event) => {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    const tab = tabs.find((each) => each.getAttribute('aria-selected') === 'true');
    const what = bound.get(`${tab.textContent}|${altKeyName(event)}`);
    const control = what && controlNamed($(tab.getAttribute('aria-controls')), what);
    if (!control) return;
    event.preventDefault();
    if (control.tagName === 'BUTTON') control.click();
    else control.focus();
  });
}
