'use strict';
// A battle as a link: the address's part from '#' holds the ships, the count and the cells
// where the table differs from the built-in one. The engine makes and reads links; the page
// keeps the address in step with the result and reads a link it is opened with or given.

// The part from '#' the page wrote or read last: null until the page has read the link it
// was opened with, so that no result overwrites that link first.
let linkInAddress = null;
// The current result's link; empty when its table does not fit one.
let shareText = '';

// Each result's link replaces the address's entry: typing a count adds no history. What was
// said of a link stands until the result moves away from it.
function showShare(share) {
  shareText = share;
  if (linkInAddress === null || share === location.hash) return;
  linkInAddress = share;
  $('LinkMessage').textContent = '';
  history.replaceState(history.state, '', share || location.pathname + location.search);
}

function readLink() {
  linkInAddress = null;
  $('LinkMessage').textContent = '';
  if (location.hash.length > 1) call('link', location.hash);
  linkInAddress = location.hash;
}

// While a link's table is used, and not stored, the page says so and offers to keep it.
function showLinkTable(cells) {
  $('LinkTable').hidden = cells < 0;
  if (cells < 0) return;
  $('LinkTableText').textContent = cells === 0
    ? 'This link uses the built-in table, here only: your own table stays stored.'
    : `This link carries ${cells} changed ${cells === 1 ? 'cell' : 'cells'}: its table is ` +
      'used here only, and your own table stays stored.';
}

function keepLinkTable() {
  call('keepLink');
  say("The link's table is now your table.", 'LinkMessage');
  $('CopyLinkBtn').focus();
}

// A phone's share sheet where the browser has one, else the clipboard, with Copy Result's
// feedback.
function copyLink() {
  if (!shareText) {
    sayNearCopy('No link: this table differs from the built-in one too much to fit in one');
    return;
  }
  const url = location.href.split('#')[0] + shareText;
  if (navigator.share && matchMedia('(pointer: coarse)').matches) {
    navigator.share({title: document.title, text: $('CurrentResultMemo').textContent, url})
      .then(() => sayNearCopy('Shared'), (error) => {
        if (error.name !== 'AbortError') copy(url);
      });
  } else {
    copy(url);
  }
}

function wireLinks() {
  $('CopyLinkBtn').addEventListener('click', copyLink);
  $('KeepLinkTableBtn').addEventListener('click', keepLinkTable);
  // A second link pasted into the same tab.
  window.addEventListener('hashchange', () => {
    if (location.hash !== linkInAddress) readLink();
  });
}
