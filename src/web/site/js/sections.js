'use strict';
// The Details window's sections as tabs: one panel shows at a time, the calculator's
// result stays above them. Arrow keys, Home and End move between tabs, as in any tab list.

function showSection(tab) {
  for (const other of $('ToolBar1').querySelectorAll('[role=tab]')) {
    const chosen = other === tab;
    other.setAttribute('aria-selected', String(chosen));
    other.tabIndex = chosen ? 0 : -1;
    $(other.getAttribute('aria-controls')).hidden = !chosen;
  }
  // A section that fills itself on demand hears that it shows.
  $(tab.getAttribute('aria-controls')).dispatchEvent(new Event('sectionshown'));
  keep('section', tab.id);
}

// A section switched to from far down the page starts at its top, below the result line and
// the tabs, rather than somewhere in its middle.
function showSectionStart() {
  const top = $('Details').getBoundingClientRect().top;
  if (top < 0) window.scrollBy(0, top);
}

function wireSections() {
  const bar = $('ToolBar1');
  const tabs = [...bar.querySelectorAll('[role=tab]')];
  const moves = {
    ArrowRight: (i) => (i + 1) % tabs.length, ArrowLeft: (i) => (i + tabs.length - 1) % tabs.length,
    Home: () => 0, End: () => tabs.length - 1,
  };
  bar.addEventListener('click', (event) => {
    const tab = event.target.closest('[role=tab]');
    if (!tab) return;
    showSection(tab);
    showSectionStart();
  });
  bar.addEventListener('keydown', (event) => {
    const move = moves[event.key];
    if (!move) return;
    event.preventDefault();
    const tab = tabs[move(tabs.indexOf(document.activeElement))];
    showSection(tab);
    showSectionStart();
    tab.focus();
  });
  const kept = $(stored('section'));
  if (kept && tabs.includes(kept)) showSection(kept);
}
