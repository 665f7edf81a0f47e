'use strict';
// The page under test in a headless browser driven by puppeteer-core (Firefox over WebDriver
// BiDi, Chromium over its own protocol): the browser, a local static server, the ways a
// player reaches the controls, and skirmod-calc on the same stats file as the oracle. Every
// read of the page's structure goes through a helper here, so a change of markup touches one
// place.
import {execFile} from 'node:child_process';
import {createReadStream, existsSync, mkdtempSync, readFileSync, statSync} from 'node:fs';
import {createServer} from 'node:http';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {extname, join, resolve, sep} from 'node:path';
import {isDeepStrictEqual} from 'node:util';

const TYPES = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json', '.txt': 'text/plain',
};

// A static server for `site` on 127.0.0.1 (port SKIRMOD_WEB_PORT, else any free one).
async function serveSite(site) {
  const root = resolve(site);
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://here').pathname);
    const file = resolve(root, `.${path}${path.endsWith('/') ? 'index.html' : ''}`);
    if (!file.startsWith(root + sep) || !existsSync(file) || !statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {'Content-Type': TYPES[extname(file)] || 'application/octet-stream'});
    createReadStream(file).pipe(response);
  });
  await new Promise((done) => server.listen(Number(process.env.SKIRMOD_WEB_PORT || 0), '127.0.0.1', done));
  return {server, url: `http://127.0.0.1:${server.address().port}/`};
}

const VIEWPORT = {width: 1280, height: 1000};
const PHONE = {width: 360, height: 780, deviceScaleFactor: 2};
// A page that never answers fails its check within this time instead of holding up the run.
const PROTOCOL_TIMEOUT = 60000;

// Each browser as puppeteer-core starts it, set up as a player's browser that saves downloads
// into `downloads` and lets the page read back what it copied. Firefox is the one under test;
// Chromium runs the same checks to tell a Firefox fault from a page fault.
const BROWSERS = {
  firefox: (puppeteer, downloads) => puppeteer.launch({
    browser: 'firefox', protocol: 'webDriverBiDi', executablePath: '/usr/bin/firefox-esr',
    headless: true, defaultViewport: VIEWPORT, protocolTimeout: PROTOCOL_TIMEOUT,
    extraPrefsFirefox: {
      'browser.download.dir': downloads, 'browser.download.folderList': 2,
      'browser.download.useDownloadDir': true,
      'browser.download.always_ask_before_handling_new_types': false,
      // The downloads panel would take the focus from the page.
      'browser.download.alwaysOpenPanel': false,
      // The clipboard without the paste prompt.
      'dom.events.testing.asyncClipboard': true,
    },
  }),
  async chromium(puppeteer, downloads, url) {
    const browser = await puppeteer.launch({
      browser: 'chrome', executablePath: '/usr/bin/chromium', headless: true, defaultViewport: VIEWPORT,
      protocolTimeout: PROTOCOL_TIMEOUT,
      args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync'],
    });
    const session = await browser.target().createCDPSession();
    await session.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
    await browser.defaultBrowserContext().overridePermissions(
      url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    return browser;
  },
};

function launch(name, npm, downloads, url) {
  if (!BROWSERS[name]) throw new Error(`no browser ${name}: ${Object.keys(BROWSERS).join(' or ')}`);
  const puppeteer = createRequire(join(resolve(npm), 'node_modules', '.'))('puppeteer-core');
  return BROWSERS[name](puppeteer, downloads, url);
}

// Seeded numbers for the random pairings (mulberry32): a failure prints its seed.
export function random(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  return {below: (n) => Math.floor(next() * n), pick: (list) => list[Math.floor(next() * list.length)]};
}

// The results log's entries, in a <select> or a role=listbox list; a line that only says the
// log is empty is no entry.
const LOG_ENTRIES = 'option, [role=option]:not([aria-disabled=true])';

// Where the page's messages show.
const MESSAGES = '[id$=Message]';

export class Page {
  constructor(parts) {
    Object.assign(this, parts);
  }

  static async start({browserName, site, calc, sample, npm, shots}) {
    const {server, url} = await serveSite(site);
    const work = mkdtempSync(join(tmpdir(), 'skirmod-page-'));
    const browser = await launch(browserName, npm, join(work, 'downloads'), url);
    // The start-up tab never has the window's focus, so focus and blur events would not fire
    // in it; a tab opened and brought to the front does.
    const tab = await browser.newPage();
    await tab.bringToFront();
    const page = new Page({browserName, browser, tab, url, server, calc,
      sample: resolve(sample), shots, work, downloads: join(work, 'downloads')});
    await page.load();
    return page;
  }

  async close() {
    await this.browser.close();
    this.server.closeAllConnections();
    this.server.close();
  }

  async load() {
    await this.tab.goto(this.url, {waitUntil: 'load'});
    // Without the focus no focus or blur event fires, and typed cells would never be kept.
    if (!await this.tab.evaluate(() => document.hasFocus())) {
      throw new Error('the page does not have the focus');
    }
    await this.tab.waitForFunction(() => document.body.classList.contains('ready'), {timeout: 20000});
  }

  // A phone's screen, 360 CSS pixels wide, or back to the desktop's window.
  viewAs(device) {
    return this.tab.setViewport(device === 'phone' ? PHONE : VIEWPORT);
  }

  // A control, with the section that holds it shown, as a player would switch to it.
  async el(id) {
    await this.tab.evaluate((id) => {
      const panel = document.getElementById(id).closest('[role=tabpanel]');
      if (panel && panel.hidden) document.querySelector(`[aria-controls='${panel.id}']`).click();
    }, id);
    return this.tab.$(`#${id}`);
  }

  async click(id) {
    await (await this.el(id)).click();
  }

  async focus(id) {
    await this.el(id);
    await this.tab.focus(`#${id}`);
  }

  async press(...keys) {
    for (const key of keys) await this.tab.keyboard.press(key);
  }

  async chord(modifier, key) {
    await this.tab.keyboard.down(modifier);
    await this.tab.keyboard.press(key);
    await this.tab.keyboard.up(modifier);
  }

  // What controls show, in one round trip; a report box shows one line per block.
  values(...ids) {
    return this.tab.evaluate((ids) => ids.map((id) => {
      const e = document.getElementById(id);
      if (e.classList.contains('report')) return [...e.children].map((line) => line.textContent).join('\n');
      return 'value' in e && e.tagName !== 'OUTPUT' ? e.value : e.textContent;
    }), ids);
  }

  async value(id) {
    return (await this.values(id))[0];
  }

  // What the page says about the last command, wherever it says it: the top of the page or
  // a note beside the controls concerned.
  message() {
    return this.tab.evaluate((selector) => [...document.querySelectorAll(selector)]
      .map((note) => note.textContent).filter(Boolean).join('\n'), MESSAGES);
  }

  async resultLine() {
    return `${await this.value('CurrentResultMemo')}\n`;
  }

  // The names a ship list offers, and the row it shows.
  shipNames(id = 'AttShipList') {
    return this.tab.evaluate((id) => [...document.getElementById(id).options].map((o) => o.text), id);
  }

  shipShown(id) {
    return this.tab.evaluate((id) => document.getElementById(id).selectedIndex, id);
  }

  async chooseShip(id, name) {
    await this.el(id);
    await this.tab.select(`#${id}`, name);
  }

  // Ships and count set through the controls' own events, for many pairings in little time;
  // returns what the named boxes then show.
  setPairing(attacker, defender, count, ids) {
    return this.tab.evaluate((attacker, defender, count) => {
      const fire = (id, value, key, type) => {
        const control = document.getElementById(id);
        control[key] = value;
        control.dispatchEvent(new Event(type, {bubbles: true}));
      };
      fire('AttShipList', attacker, 'selectedIndex', 'change');
      fire('DefShipList', defender, 'selectedIndex', 'change');
      fire('AttShips', count, 'value', 'input');
    }, attacker, defender, count).then(() => this.values(...ids));
  }

  async typeCount(text) {
    await this.focus('AttShips');
    await this.chord('Control', 'a');
    await this.press('Delete');
    if (text) await this.tab.keyboard.type(text);
  }

  // The results log's entries (their texts) and the selected one, whether the log is a
  // <select> or a role=listbox list.
  logState() {
    return this.tab.evaluate((selector) => {
      const log = document.getElementById('ResultsMemo');
      const items = [...log.querySelectorAll(selector)];
      const text = (item) => (item.tagName === 'OPTION' ? item.value
        : (item.dataset.value ?? item.textContent.replace(/\u00a0/g, ' ')));
      const chosen = (item) => (item.tagName === 'OPTION' ? item.selected
        : item.getAttribute('aria-selected') === 'true');
      return {entries: items.map(text), selected: items.findIndex(chosen)};
    }, LOG_ENTRIES);
  }

  async logEntries() {
    return (await this.logState()).entries;
  }

  async chooseLogEntry(index) {
    const items = await (await this.el('ResultsMemo')).$$(LOG_ENTRIES);
    await items[index].click();
  }

  // The text box of a grid cell, or the cell itself where it is edited in place; the page
  // fills the grid once it is scrolled near. Rows count from the first ship, columns from the
  // names' column.
  async cell(row, column) {
    await this.el('StatsGrid');
    await this.tab.evaluate(() => document.getElementById('StatsGrid').scrollIntoView());
    const found = await this.tab.waitForFunction((row, column) => {
      const cell = document.getElementById('StatsGrid').rows[row + 1]?.cells[column];
      return cell && (cell.querySelector('input, textarea') || cell);
    }, {timeout: 10000}, row, column);
    const cell = found.asElement();
    await cell.evaluate((e) => e.scrollIntoView({block: 'center', inline: 'center'}));
    return cell;
  }

  async cellText(row, column) {
    const cell = await this.cell(row, column);
    return cell.evaluate((e) => (e.matches('input, textarea') ? e.value : e.textContent));
  }

  // Types over a cell's text and leaves the cell by clicking the table's heading: Tab might
  // take the focus out of the page, where no later key would reach it.
  async typeIntoCell(row, column, text) {
    await (await this.cell(row, column)).click();
    await this.chord('Control', 'a');
    await this.tab.keyboard.type(text);
    await this.click('TableHeading');
  }

  // The focused grid cell as [row, column, value, whole text selected], or the focused
  // element's tag and id when the focus is elsewhere.
  focusedCell() {
    return this.tab.evaluate(() => {
      const e = document.activeElement;
      if (!e.closest('#StatsGrid')) return [e.tagName, e.id];
      return [e.closest('tr').sectionRowIndex, e.closest('td, th').cellIndex, e.value,
        e.selectionStart === 0 && e.selectionEnd === e.value.length];
    });
  }

  // `text` pasted onto a cell as a player does: put on the clipboard, then Ctrl+V in the cell.
  // (Firefox hands a made-up paste event no data, so the real one is used.)
  async paste(row, column, text) {
    await this.tab.evaluate((text) => navigator.clipboard.writeText(text), text);
    await (await this.cell(row, column)).click();
    await this.chord('Control', 'v');
  }

  // Chooses a file and waits until the page has read it: a read table fills the ship lists
  // anew, a refused one shows a message. Returns the header box's text.
  async openFile(path) {
    await this.el('OpenFile');
    // The watch is set before the file is chosen and kept on the window until it fires.
    await this.tab.evaluate((selector) => {
      window.fileRead = new Promise((done) => {
        const watch = new MutationObserver(() => done(watch.disconnect()));
        for (const place of document.querySelectorAll(`#AttShipList, ${selector}`)) {
          watch.observe(place, {childList: true, subtree: true, characterData: true});
        }
      });
    }, MESSAGES);
    await (await this.tab.$('#OpenFile')).uploadFile(path);
    await this.tab.evaluate(() => Promise.race([window.fileRead, new Promise(
      (done, fail) => setTimeout(() => fail(new Error('the page read no file in 20 s')), 20000))]));
    return this.value('FileHeaderText');
  }

  // Restore, answered Yes: the built-in table in use. Returns the header box's text.
  async restore() {
    await this.click('RestoreBtn');
    await this.click('ConfirmYesBtn');
    return this.value('FileHeaderText');
  }

  // A second window of the same browser on the page, with the focus; `bringToFront` of
  // either gives the focus back.
  async twin() {
    const tab = await this.browser.newPage();
    await tab.bringToFront();
    const twin = new Page({...this, tab});
    await twin.load();
    return twin;
  }

  async bringToFront() {
    await this.tab.bringToFront();
  }

  // Waits until `read` gives `want` (compared deeply), failing with `what` and the last value.
  async waitFor(read, want, what, timeout = 10000) {
    let got;
    for (const start = Date.now(); Date.now() - start < timeout;) {
      got = await read();
      if (isDeepStrictEqual(got, want)) return;
      await new Promise((wake) => setTimeout(wake, 50));
    }
    throw new Error(`${what}: ${JSON.stringify(got)}, not ${JSON.stringify(want)}`);
  }

  // The bytes of a finished download named `name` (Firefox writes a .part file first).
  async downloaded(name) {
    const file = join(this.downloads, name);
    for (let waited = 0; waited < 10000; waited += 100) {
      if (existsSync(file) && !existsSync(`${file}.part`) && statSync(file).size) return readFileSync(file);
      await new Promise((wake) => setTimeout(wake, 100));
    }
    throw new Error(`no download ${name} in ${this.downloads}`);
  }

  clipboard() {
    return this.tab.evaluate(() => navigator.clipboard.readText());
  }

  // skirmod-calc's answers to several questions, asked together, a few at a time.
  async calcAll(questions, parallel = 4) {
    const answers = [];
    let next = 0;
    const ask = (args) => new Promise((done, fail) => execFile(this.calc, ['--stats', this.sample, ...args],
      {encoding: 'latin1'}, (error, out) => (error ? fail(new Error(`${args}: ${error}`)) : done(out))));
    const worker = async () => {
      while (next < questions.length) {
        const i = next++;
        answers[i] = await ask(questions[i]);
      }
    };
    await Promise.all(Array.from({length: parallel}, worker));
    return answers;
  }
}
