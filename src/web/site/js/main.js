'use strict';
// Starts the engine (skirmod.js) and shows its answers: every figure, text and rule comes
// from there as plain data; the other scripts decide where it shows and what the page keeps.
const $ = (id) => document.getElementById(id);
let call;
const ENGINE_FAILED =
  'The calculator could not start: its engine did not load. Reload the page to try again.';

function element(tag, text, properties) {
  return Object.assign(document.createElement(tag), {textContent: text}, properties);
}

// Where a command's message shows: next to the controls it is about, each place a live
// region of its own; a place in a section not shown gives way to the top of the page.
const MESSAGE_PLACES = {
  open: 'TableMessage', edit: 'TableMessage', save: 'TableMessage', cancel: 'TableMessage',
  restore: 'TableMessage', kept: 'TableMessage', cell: 'TableMessage', paste: 'TableMessage',
  log: 'LogMessage', keptLog: 'LogMessage', counters: 'CountersMessage', link: 'LinkMessage',
  keepLink: 'LinkMessage',
};
const NOTES = ['Message', 'TableMessage', 'LogMessage', 'CountersMessage'];

function say(text, place) {
  const note = $(place).closest('[role=tabpanel][hidden]') ? $('Message') : $(place);
  note.textContent = text;
}

// Each answer replaces the messages of the one before; that storage is blocked stays said.
function clearMessages() {
  for (const id of NOTES) if (id !== 'Message' || storage) $(id).textContent = '';
}

function show(answer, command) {
  clearMessages();
  if (answer.ships) showTableFile(answer);
  if (answer.colors) showColors(answer.colors);
  if (answer.results) showResults(answer);
  if (answer.results) followDefender(answer.inputs.defender, Boolean(answer.ships));
  if (answer.results || answer.ships) followMatrixInputs(answer);
  if ('share' in answer) showShare(answer.share);
  if (answer.file) showLinkTable(answer.file.linkCells);
  if (answer.log) showLog(answer.log);
  if (answer.table) keepTable(answer.table);
  if (answer.download) download(answer.download.name, answer.download.bytes);
  if ('clip' in answer) copy(answer.clip);
  if (answer.settings || answer.ships) showSettings(answer);
  if (answer.grid) showGrid(answer.grid);
  if (answer.error) console.error('skirmod:', answer.error);
  const text = answer.error || answer.message;
  if (text) say(text, MESSAGE_PLACES[command] || 'Message');
}

// The engine's one entry: a command and up to three texts in, JSON out.
function connect(engine) {
  const session = engine._sk_new();
  // A text and its length in bytes: a NUL byte of a stats file is text too.
  const utf8 = (text) => {
    const size = engine.lengthBytesUTF8(text);
    const at = engine._malloc(size + 1);
    engine.stringToUTF8(text, at, size + 1);
    return [at, size];
  };
  return (command, ...args) => {
    const texts = [command, ...args, '', '', ''].slice(0, 4).map(utf8);
    const answer = JSON.parse(engine.UTF8ToString(engine._sk_call(session, ...texts.flat())));
    texts.forEach(([at]) => engine._free(at));
    show(answer, command);
    return answer;
  };
}

// The script tag's file may be missing as well as the module's.
function loadEngine() {
  if (typeof Skirmod !== 'function') return Promise.reject(new Error('skirmod.js not loaded'));
  return Skirmod();
}

function startPage(engine) {
  call = connect(engine);
  const kept = stored('inputs');
  const start = call('start', stored('table'), stored('name'), stored('log'));
  restoreInputs(kept, start);
  readLink();
  // The engine's own figures stand where index.html's were held back.
  document.documentElement.classList.remove('unbaked', 'unbaked-log');
  createLogButtons(call('commands').logCommands);
  wireCalculator();
  wireCounters();
  wireLinks();
  wireSections();
  wireMatrix();
  wireTableFile();
  wireGrid();
  wireSettings(call('about').about);
  wireHoldToRepeat();
  wireAltKeys(call('keys').keys);
  followOtherWindows();
  sayIfStorageBlocked();
  $('AttShips').focus();
  document.body.classList.add('ready');
  buildGridWhenIdle();
}

loadEngine().then(startPage, (error) => {
  console.error('skirmod:', error);
  $('Message').textContent = ENGINE_FAILED;
});

// After the page's own downloads: the service worker then finds them in the browser's cache.
window.addEventListener('load', watchForUpdates);
