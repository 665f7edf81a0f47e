'use strict';
// The ship table's file: open or drop a file, the edit buttons, the download of a save.

function download(name, bytes) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([Uint8Array.from(bytes, (c) => c.charCodeAt(0))]));
  link.download = name;
  link.click();
  URL.revokeObjectURL(link.href);
}

function latin1(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode(...bytes.subarray(i, i + 8192));
  return text;
}

async function openFile(file) {
  let bytes;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch {
    return call('open', '', file.name, 'missing');
  }
  return call('open', latin1(bytes), file.name);
}

// The header line's time in digits, day first, as the desktop's tests write it: text the
// 8-bit file holds whatever the browser's locale.
function savedTime(date) {
  const two = (n) => String(n).padStart(2, '0');
  return `${two(date.getDate())}/${two(date.getMonth() + 1)}/${date.getFullYear()} ` +
    `${two(date.getHours())}:${two(date.getMinutes())}:${two(date.getSeconds())}`;
}

// A question in the page, next to the buttons: Yes runs `onYes`; No or Escape leaves
// things as they are. Focus goes back to the button that asked.
function ask(question, yesCaption, onYes, from) {
  const box = $('Confirm');
  $('ConfirmText').textContent = question;
  $('ConfirmYesBtn').textContent = yesCaption;
  const close = () => {
    box.hidden = true;
    from.focus();
  };
  $('ConfirmYesBtn').onclick = () => {
    close();
    onYes();
  };
  $('ConfirmNoBtn').onclick = close;
  box.onkeydown = (event) => {
    if (event.key === 'Escape') close();
  };
  box.hidden = false;
  $('ConfirmYesBtn').focus();
}

function tableTitle({bytes, name}) {
  return bytes ? name : 'the built-in table';
}

// Restore asks first; its Undo brings back the table it replaced, with its name, until
// the table changes again.
function restoreTable(button) {
  const lost = document.body.classList.contains('editing') ? ' Edits not saved are lost.' : '';
  ask(`Replace ${tableTitle(tableInUse)} with the built-in table?${lost}`, 'Restore', () => {
    const before = tableInUse;
    call('restore');
    say('The built-in table is in use.', 'TableMessage');
    $('UndoBtn').hidden = false;
    $('UndoBtn').onclick = () => {
      call('kept', before.bytes, before.name);
      say(`${tableTitle(before)} is in use again.`, 'TableMessage');
      button.focus();
    };
  }, button);
}

// A table another window kept since this edit began is replaced only when the user says so.
function saveTable(button) {
  const save = () => call('save', savedTime(new Date()));
  if (changedElsewhere) {
    ask('Another window of the page opened or saved a table since this edit began. Save ' +
      'replaces it with the table edited here.', 'Save', save, button);
  } else {
    save();
  }
}

function cancelEdit() {
  call('cancel');
  if (changedElsewhere) followTable();
}

function wireTableFile() {
  const commands = {save: saveTable, restore: restoreTable, cancel: cancelEdit};
  for (const button of document.querySelectorAll('button[data-command]')) {
    button.addEventListener('click', () => {
      // Save keeps a cell still being typed in, as the desktop's does.
      if (document.activeElement.dataset.typed) commitCell(document.activeElement);
      const command = button.dataset.command;
      if (commands[command]) commands[command](button);
      else call(command);
    });
  }
  $('OpenFileBtn').addEventListener('click', () => $('OpenFile').click());
  $('OpenFile').addEventListener('change', (event) => {
    if (event.target.files[0]) openFile(event.target.files[0]);
    event.target.value = '';  // the same file chosen again is read again
  });
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    if (event.dataTransfer.files[0]) openFile(event.dataTransfer.files[0]);
  });
}
