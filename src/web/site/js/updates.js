'use strict';
// A new build installs in the background (js/../sw.js); the page says so and offers the
// reload that takes it in, the only way in, so one page never mixes two builds' files.
const UPDATE_CHECK_MS = 60 * 60 * 1000;
const UPDATE_RETRY_MS = 4000;

function offerReload(worker) {
  if ($('UpdateOffer')) return;
  const offer = element('p', 'A new version of Skirmod is ready. ',
    {id: 'UpdateOffer', role: 'status'});
  const reload = element('button', 'Reload', {type: 'button', id: 'UpdateReloadBtn'});
  reload.addEventListener('click', () => {
    navigator.serviceWorker.addEventListener('controllerchange', () => location.reload());
    worker.postMessage('take over');
  });
  offer.append(reload);
  $('Message').after(offer);
}

function offerWhenInstalled(worker) {
  if (!worker || !navigator.serviceWorker.controller) return;
  if (worker.state === 'installed') offerReload(worker);
  else worker.addEventListener('statechange', () => offerWhenInstalled(worker));
}

// Looks for a new build at every start, hourly, and when the player comes back to the tab.
// register() alone does not look, and the browser's own look after a reload was seen to miss
// a build whose install that reload had cut short.
function watchForUpdates() {
  if (!('serviceWorker' in navigator)) return;
  navigator.serviceWorker.register('sw.js').then((registration) => {
    offerWhenInstalled(registration.waiting || registration.installing);
    registration.addEventListener('updatefound', () => offerWhenInstalled(registration.installing));
    const check = () => registration.update().catch(() => {});
    if (navigator.serviceWorker.controller) {
      check();
      // Chromium was seen to drop the look at a start now and then, installing nothing until
      // the next: one more a few seconds on, unless a build is already on its way.
      setTimeout(() => {
        if (!registration.installing && !registration.waiting) check();
      }, UPDATE_RETRY_MS);
    }
    setInterval(check, UPDATE_CHECK_MS);
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible') check();
    });
  }).catch(() => {});
}
