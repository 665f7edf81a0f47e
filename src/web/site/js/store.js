'use strict';
// What the page keeps between visits, under one prefix in the site's storage.
const KEPT = 'skirmod.';

function keep(key, value) {
  if (value) localStorage.setItem(KEPT + key, value);
  else localStorage.removeItem(KEPT + key);
}

function stored(key) {
  return localStorage.getItem(KEPT + key) || '';
}
