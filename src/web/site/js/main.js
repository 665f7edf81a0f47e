'use strict';
// Starts the engine (skirmod.js) and shows its answers: every figure, text and rule comes
// from there as plain data; the other scripts decide where it shows and what the page keeps.
const $ = (id) => document.getElementById(id);
let call;

function element(tag, text, properties) {
  return Object.assign(document.createElement(tag), {textContent: text}, properties);
}

function show(answer) {
  if (answer.ships) showTableFile(answer);
  if (answer.results) showResults(answer);
  if (answer.log) showLog(answer.log);
  if (answer.table) {
    keep('table', answer.table.bytes);
    keep('name', answer.table.name);
  }
  if (answer.download) download(answer.download.name, answer.download.bytes);
  if ('clip' in answer) navigator.clipboard.writeText(answer.clip).catch(() => {});
  if (answer.grid) showGrid(answer.grid);
  if (answer.error) console.error('skirmod:', answer.error);
  $('Message').textContent = answer.error || answer.message || '';
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
    show(answer);
    return answer;
  };
}

Skirmod().then((engine) => {
  call = connect(engine);
  const kept = stored('inputs');
  const start = call('start', stored('table'), stored('name'), stored('log'));
  restoreInputs(kept, start.ships.length);
  createLogButtons(call('commands').logCommands);
  wireCalculator();
  wireSections();
  wireTableFile();
  wireGrid();
  $('AttShips').focus();
  document.body.classList.add('ready');
  showGridWhenNear();
});

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
