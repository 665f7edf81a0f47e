'use strict';
// The spin buttons repeat while held, by pointer or by Enter or Space, as the desktop's do:
// one step at the press, then the engine's schedule at every 50 ms tick until release.
const TICK_MS = 50;

function wireHoldToRepeat() {
  let timer = null;
  const release = () => {
    clearInterval(timer);
    timer = null;
  };
  const hold = (button) => {
    release();
    call('press', button.dataset.step > 0 ? 'up' : 'down');
    timer = setInterval(() => call('tick'), TICK_MS);
  };
  for (const button of document.querySelectorAll('[data-step]')) {
    button.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      button.setPointerCapture(event.pointerId);
      hold(button);
    });
    // A long touch would open the context menu instead of going on stepping.
    button.addEventListener('contextmenu', (event) => event.preventDefault());
    for (const end of ['pointerup', 'pointercancel', 'lostpointercapture', 'blur']) {
      button.addEventListener(end, release);
    }
    button.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' && event.key !== ' ') return;
      event.preventDefault();  // no click: the press stepped already
      if (!event.repeat) hold(button);
    });
    button.addEventListener('keyup', (event) => {
      if (event.key !== 'Enter' && event.key !== ' ') return;
      event.preventDefault();  // Space would click at its release
      release();
    });
    // A click with neither pointer nor key held (a screen reader's, say) steps once.
    button.addEventListener('click', (event) => {
      if (event.detail === 0 && timer === null) call('step', button.dataset.step);
    });
  }
}
