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

function wireTableFile() {
  // The time is for the header line of a saved table.
  const now = () => `${new Date().toLocaleDateString()} ${new Date().toLocaleTimeString()}`;
  for (const button of document.querySelectorAll('button[data-command]')) {
    button.addEventListener('click', () => {
      // Save keeps a cell still being typed in, as the desktop's does.
      if (document.activeElement.dataset.typed) commitCell(document.activeElement);
      call(button.dataset.command, now());
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
