'use strict';
// Finishes the site: index.html with the engine's start-up result already in it, every
// script, style sheet and the module under a name that holds its digest, and the service
// worker's list of the build's files with their revisions.
// Usage: node bake_site.js PARTS_DIR SITE_DIR
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const vm = require('vm');

// The files the page names in index.html and that change with every build.
const HASHED = ['skirmod.wasm', 'skirmod.js', 'page.css', 'page.js'];
const UNHASHED = ['sw.js', 'manifest.webmanifest', 'icon.svg'];
const REVISION_LENGTH = 16;
// Where the start-up answer shows: the page's own table of places.
const {RESULT_FIELDS, REPORT_BOXES} = vm.runInNewContext(
  `${fs.readFileSync(path.join(__dirname, 'site', 'js', 'fields.js'), 'utf8')}
  ({RESULT_FIELDS, REPORT_BOXES})`);

const escapeHtml = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;')
  .replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const revision = (bytes) => crypto.createHash('sha256').update(bytes).digest('hex')
  .slice(0, REVISION_LENGTH);

// The engine's answer to "start" with nothing stored, as the page gets it.
async function startUpAnswer(parts) {
  const wasmBinary = fs.readFileSync(path.join(parts, 'skirmod.wasm'));
  const engine = await require(path.resolve(parts, 'skirmod.js'))({wasmBinary});
  const session = engine._sk_new();
  const texts = ['start', '', '', ''].map((text) => {
    const at = engine._malloc(text.length + 1);
    engine.stringToUTF8(text, at, text.length + 1);
    return [at, text.length];
  });
  return JSON.parse(engine.UTF8ToString(engine._sk_call(session, ...texts.flat())));
}

// Puts `inner` into the empty element with this id, or `attributes` into its start tag.
function fill(html, id, inner, attributes = '') {
  const start = new RegExp(`<(\\w+)\\b[^>]*\\bid="${id}"[^>]*>`).exec(html);
  if (!start) throw new Error(`index.html has no element with id ${id}`);
  const end = start.index + start[0].length;
  const tag = start[1].toLowerCase();
  const opened = start[0].slice(0, -1) + attributes + '>';
  if (tag === 'input') return html.slice(0, start.index) + opened + html.slice(end);
  const close = `</${tag}>`;
  if (!html.startsWith(close, end)) throw new Error(`#${id} is not empty in index.html`);
  // A textarea drops one newline right after its start tag.
  const lead = tag === 'textarea' ? '\n' : '';
  return html.slice(0, start.index) + opened + lead + inner + html.slice(end);
}

// The options as js/results.js writes them: runs of blanks kept, the value the text itself.
function options(entries, selected) {
  return entries.map((entry, i) => {
    const chosen = i === selected ? ' selected' : '';
    const text = escapeHtml(entry).replace(/ (?= )/g, '&nbsp;');
    return `<option value="${escapeHtml(entry)}"${chosen}>${text}</option>`;
  }).join('');
}

// The start-up log is empty: the one line js/log.js shows for an empty log, with its text
// from the list's data-none.
function emptyLogLine(html) {
  const found = /id="ResultsMemo"[^>]*\bdata-none="([^"]*)"/.exec(html);
  if (!found) throw new Error('index.html: #ResultsMemo has no data-none');
  return `<li id="ResultsNone" class="none" role="option" aria-disabled="true">${found[1]}</li>`;
}

// Fills every place the start-up answer shows; returns the page and the ids it filled, the
// log's apart: stored start-up values or a stored table change all but the log.
function bake(html, answer) {
  const {inputs, results, reports, ships, file, log} = answer;
  const byId = {
    AttShips: ['', ` value="${escapeHtml(inputs.count)}"`],
    AttShipList: [options(ships, inputs.attacker)],
    DefShipList: [options(ships, inputs.defender)],
    FileHeaderText: [escapeHtml(`${file.header}\n${file.location}`)],
  };
  for (const [field, id] of Object.entries(RESULT_FIELDS)) byId[id] = [escapeHtml(results[field])];
  REPORT_BOXES.forEach((id, i) => {
    byId[id] = [reports[i].map((line) => `<div>${escapeHtml(line)}</div>`).join('')];
  });
  for (const [id, [inner, attributes]] of Object.entries(byId)) {
    html = fill(html, id, inner, attributes);
  }
  if (log.entries.length) throw new Error('the start-up log is not empty');
  html = fill(html, 'ResultsMemo', emptyLogLine(html));
  return {html, ids: Object.keys(byId)};
}

// Runs before the body shows: the baked figures stay hidden while a battle link or what
// the page keeps would make the engine show others, until it has. Blocked storage keeps
// nothing.
function guard(ids, answer) {
  const hide = (cls, list) => list.map((id) => `.${cls} #${id}`).join(',');
  const inputs = JSON.stringify(JSON.stringify(answer.inputs));
  const log = JSON.stringify(answer.log.text);
  return `<style>${hide('unbaked', ids)},${hide('unbaked', ['ResultsMemo'])},` +
    `${hide('unbaked-log', ['ResultsMemo'])}{visibility:hidden}</style>\n<script>` +
    `(function(){var c=document.documentElement.classList;` +
    `if(location.hash.length>1)c.add('unbaked');` +
    `try{var s=localStorage,k=function(n){return s.getItem('skirmod.'+n)||''};` +
    `if(k('table')||(k('inputs')&&k('inputs')!==${inputs}))c.add('unbaked');` +
    `if(k('log')!==${log})c.add('unbaked-log')}catch(e){}})()</script>\n`;
}

function afterCharset(html, insert) {
  const at = /<meta charset="[^"]*">\n?/i.exec(html) || /<head>\n?/i.exec(html);
  if (!at) throw new Error('index.html has no <head>');
  const end = at.index + at[0].length;
  return html.slice(0, end) + insert + html.slice(end);
}

function replaceOnce(text, from, to, where) {
  const parts = text.split(from);
  if (parts.length !== 2) throw new Error(`${where}: ${parts.length - 1} times "${from}"`);
  return parts.join(to);
}

// The tab's icon in the page itself: the browser fetches it apart from the page's own
// downloads, and the service worker would fetch it again.
function inlineIcon(html, svg) {
  const url = `data:image/svg+xml,${encodeURIComponent(svg.toString('utf8'))}`;
  return replaceOnce(html, '<link rel="icon" href="icon.svg"', `<link rel="icon" href="${url}"`,
    'index.html');
}

function hashedName(name, bytes) {
  const dot = name.lastIndexOf('.');
  return `${name.slice(0, dot)}.${revision(bytes).slice(0, 10)}${name.slice(dot)}`;
}

// The page's scripts share one scope once joined: a second function of the same name would
// silently replace the first, so the build refuses it.
function checkOneDeclarationPerName(script) {
  const seen = new Set();
  for (const match of script.matchAll(/^(?:async\s+)?(?:function\*?|const|let|var|class)\s+([\w$]+)/gm)) {
    if (seen.has(match[1])) throw new Error(`page.js: "${match[1]}" is declared twice at the top`);
    seen.add(match[1]);
  }
}

async function main() {
  const [parts, site] = process.argv.slice(2).map((dir) => path.resolve(dir));
  const read = (name) => fs.readFileSync(path.join(parts, name));
  const answer = await startUpAnswer(parts);
  const files = Object.fromEntries([...HASHED, ...UNHASHED].map((name) => [name, read(name)]));
  checkOneDeclarationPerName(files['page.js'].toString('utf8'));
  // The module names its wasm file, and index.html names them all: the wasm file first.
  const names = {};
  for (const name of HASHED) {
    if (name === 'skirmod.js') {
      files[name] = Buffer.from(replaceOnce(files[name].toString('latin1'), '"skirmod.wasm"',
        `"${names['skirmod.wasm']}"`, name), 'latin1');
    }
    names[name] = hashedName(name, files[name]);
  }
  const baked = bake(read('index.html').toString('utf8'), answer);
  let html = afterCharset(baked.html, guard(baked.ids, answer));
  html = inlineIcon(html, files['icon.svg']);
  for (const name of HASHED) {
    html = html.replace(new RegExp(`(href|src)="${name.replace('.', '\\.')}"`, 'g'),
      (whole, attribute) => `${attribute}="${names[name]}"`);
  }
  const served = {'./': Buffer.from(html, 'utf8')};
  for (const name of UNHASHED.filter((n) => n !== 'sw.js')) served[name] = files[name];
  for (const name of HASHED) served[names[name]] = files[name];
  // The manifest and the icon are the browser's own downloads: the worker keeps them as
  // they pass, rather than download them a second time.
  const list = Object.entries(served).filter(([url]) => !UNHASHED.includes(url))
    .map(([url, bytes]) => [url, revision(bytes)]);
  const version = revision(JSON.stringify(list));
  let worker = files['sw.js'].toString('utf8');
  worker = replaceOnce(worker, "const VERSION = 'unbuilt';", `const VERSION = '${version}';`,
    'sw.js');
  worker = replaceOnce(worker, 'const FILES = [];', `const FILES = ${JSON.stringify(list)};`,
    'sw.js');

  fs.rmSync(site, {recursive: true, force: true});
  fs.mkdirSync(site, {recursive: true});
  for (const [url, bytes] of Object.entries(served)) {
    fs.writeFileSync(path.join(site, url === './' ? 'index.html' : url), bytes);
  }
  fs.writeFileSync(path.join(site, 'sw.js'), worker);
}

main().catch((error) => {
  console.error(`bake_site.js: ${error.message}`);
  process.exit(1);
});
