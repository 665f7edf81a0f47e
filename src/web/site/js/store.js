'use strict';
// What the page keeps between visits, under one prefix in the site's storage. Storage the
// browser blocks, or that is full, leaves the page working from memory: what could not be
// kept stays here, and the page says that it will not be remembered.
const KEPT = 'skirmod.';
const unkept = new Map();
const storage = (() => {
  try {
    window.localStorage.getItem(KEPT);
    return window.localStorage;
  } catch {
    return null;
  }
})();

// What each kept thing is called when the page says it cannot keep it.
const KEPT_NAMES = {table: 'the table', name: 'the table', log: 'the results log'};

function keep(key, value) {
  try {
    if (!storage) throw new Error('blocked');
    if (value) storage.setItem(KEPT + key, value);
    else storage.removeItem(KEPT + key);
    unkept.delete(key);
    return true;
  } catch {
    unkept.set(key, value || '');
    if (storage) sayNotRemembered(key);
    return false;
  }
}

// The table the engine has, as the page keeps it; its bytes first, as a name is kept only
// with the bytes it belongs to.
let tableInUse = {bytes: '', name: ''};

function keepTable({bytes, name}) {
  tableInUse = {bytes, name};
  changedElsewhere = false;
  $('UndoBtn').hidden = true;
  if (following) return;
  if (keep('table', bytes)) keep('name', name);
  else unkept.set('name', name);
}

function stored(key) {
  if (unkept.has(key)) return unkept.get(key);
  return (storage && storage.getItem(KEPT + key)) || '';
}

function sayNotRemembered(key) {
  const what = KEPT_NAMES[key] || 'the choices shown';
  const place = key === 'log' ? 'LogMessage' : key in KEPT_NAMES ? 'TableMessage' : 'Message';
  say(`The browser's storage for this page is full: ${what} will not be remembered once ` +
    'the page is closed.', place);
}

// Said once at start when the browser lets the page keep nothing.
function sayIfStorageBlocked() {
  if (!storage) {
    say('This browser lets the page keep nothing: it works, but forgets the table, the log and ' +
      'the choices shown once it is closed.', 'Message');
  }
}

// Another window of the page kept a table or a log: this one follows. A table that only
// this window has, or one being edited here, is not replaced; Save then asks first.
let changedElsewhere = false;
// A table followed from another window is that window's to keep: its bytes and its name
// arrive as two storage events, and writing back between them would put back the old name.
let following = false;

function followOtherWindows() {
  window.addEventListener('storage', (event) => {
    if (!storage || event.storageArea !== storage || !event.key || !event.key.startsWith(KEPT)) return;
    const key = event.key.slice(KEPT.length);
    if (key === 'log' && !unkept.has('log')) call('keptLog', event.newValue || '');
    if (key === 'table' || key === 'name') followTable();
  });
}

function followTable() {
  const kept = {bytes: stored('table'), name: stored('name')};
  if (kept.bytes === tableInUse.bytes && kept.name === tableInUse.name) return;
  if (document.body.classList.contains('editing') || unkept.has('table')) {
    changedElsewhere = true;
    say('Another window of the page opened or saved a table. Save here would replace it; ' +
      'Cancel shows it.', 'TableMessage');
    return;
  }
  following = true;
  try {
    call('kept', kept.bytes, kept.name);
  } finally {
    following = false;
  }
  say('Another window of the page changed the table; it is shown here too.', 'TableMessage');
}
