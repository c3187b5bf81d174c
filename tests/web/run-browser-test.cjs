// Drives the web page in headless Chromium as a person would, and reads
// what it shows: the web zip's index.html from a file and from a web server
// on 127.0.0.1 (then again with the server gone, from its service worker),
// the build's times-table.html from a file, at a desktop's width and at a
// phone's.
//
//   node run-browser-test.cjs BUILD-DIR CPACK CHROMIUM
//
// puppeteer-core and axe-core are found through NODE_PATH (npm ci of
// tests/web/package-lock.json, which the test's fixture runs).
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const {launch: chromiumLaunch} = require('./chromium.cjs');
const axe = require('axe-core');

const [build, cpack, chromium] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'times-table-web-'));
let passed = 0;
let failed = 0;
function expect(name, condition, detail) {
  if (condition) {
    passed++;
  } else {
    failed++;
    console.log(`FAIL ${name}${detail === undefined ? '' : ': ' + detail}`);
  }
}

// What a UTF-8 terminal shows: the prompt on a line of its own after an
// empty one, each typed line, the tables and the error text.
const prompt = '\n1부터 9까지 정수 입력/몇단 :(0은 종료)\n';
const error = '잘못 입력 하셨습니다';
function table(n) {
  let lines = '';
  for (let m = 1; m <= 9; m++) lines += `${n}*${m}=${String(n * m).padStart(2)}\n`;
  return lines;
}

// The web zip, as a user unpacks it.
execFileSync(cpack, ['-G', 'ZIP', '-B', path.join(work, 'zip')], {cwd: build, stdio: 'ignore'});
const zip = fs.readdirSync(path.join(work, 'zip')).find((name) => /^times-table-.*-web\.zip$/.test(name));
fs.mkdirSync(path.join(work, 'unpacked'));
execFileSync(path.join(path.dirname(cpack), 'cmake'), ['-E', 'tar', 'xf', path.join(work, 'zip', zip)], {cwd: path.join(work, 'unpacked')});
const site = path.join(work, 'unpacked', zip.replace(/\.zip$/, ''));
const files = ['apple-touch-icon.png', 'icon-192.png', 'icon-512.png', 'index.html', 'manifest.webmanifest',
  'service-worker.js'];
expect('the zip holds the page, its manifest, service worker and icons', fs.existsSync(site) &&
  JSON.stringify(fs.readdirSync(site).sort()) === JSON.stringify(files), fs.existsSync(site) && fs.readdirSync(site));
const page = fs.readFileSync(path.join(site, 'index.html'));
const gzipped = zlib.gzipSync(page, {level: 9}).length;
expect('the page is at most 256 KiB, 96 KiB gzipped', page.length <= 256 * 1024 && gzipped <= 96 * 1024,
  `${page.length} bytes, ${gzipped} gzipped`);

// The unpacked folder on a web server of the test's own.
const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json'};
const server = http.createServer((request, response) => {
  const name = decodeURIComponent(new URL(request.url, 'http://host').pathname).replace(/\/$/, '/index.html');
  const file = path.join(site, path.normalize(name));
  if (!file.startsWith(site) || !fs.existsSync(file)) {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream'});
  response.end(fs.readFileSync(file));
});

async function main() {
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const origin = `http://127.0.0.1:${server.address().port}/`;
  const browser = await chromiumLaunch(chromium, work);
  try {
    await session(browser, 'from a file', 'file://' + path.join(site, 'index.html'), {width: 1280, height: 900});
    await session(browser, 'times-table.html from a file', 'file://' + path.join(build, 'times-table.html'),
      {width: 1280, height: 900});
    await session(browser, 'on a phone', 'file://' + path.join(site, 'index.html'),
      {width: 360, height: 740, isMobile: true, hasTouch: true, deviceScaleFactor: 2});
    await offline(browser, origin);
  } finally {
    await browser.close();
    server.close();
  }
}

// Opens url in a new tab and checks that it shows the prompt with the
// field focused, and logs no error.
async function open(browser, name, url, viewport) {
  const tab = await browser.newPage();
  tab.errors = [];
  tab.on('console', (message) => message.type() === 'error' && tab.errors.push(message.text()));
  tab.on('pageerror', (failure) => tab.errors.push(String(failure)));
  await tab.setViewport(viewport);
  await tab.goto(url);
  await shows(tab, `${name}: the prompt on load`, prompt);
  expect(`${name}: the field has the focus`, await tab.evaluate(() => document.activeElement.id === 'line'));
  return tab;
}

async function transcript(tab) {
  return tab.$eval('#transcript', (element) => element.textContent);
}

async function shows(tab, name, expected) {
  try {
    await tab.waitForFunction((text) => document.getElementById('transcript').textContent === text,
      {timeout: 5000}, expected);
    passed++;
  } catch {
    const tail = (text) => JSON.stringify(text.split('\n').slice(-4).join('\n'));
    expect(name, false, `ends ${tail(await transcript(tab))}, not ${tail(expected)}`);
  }
}

async function type(tab, keys) {
  await tab.type('#line', keys);
  await tab.keyboard.press('Enter');
}

async function ctrlD(tab) {
  await tab.keyboard.down('Control');
  await tab.keyboard.press('KeyD');
  await tab.keyboard.up('Control');
}

async function violations(tab) {
  if (!(await tab.evaluate(() => 'axe' in window))) await tab.addScriptTag({content: axe.source});
  return tab.evaluate(async () => (await window.axe.run()).violations.map((found) => found.id));
}

async function session(browser, name, url, viewport) {
  const tab = await open(browser, name, url, viewport);
  const found = await violations(tab);
  expect(`${name}: axe-core finds no violation`, found.length === 0, found);
  const field = await tab.$eval('#line', (input) => ({
    fontSize: parseFloat(getComputedStyle(input).fontSize),
    inputMode: input.inputMode,
    enterKeyHint: input.enterKeyHint,
    label: input.labels.length > 0 && input.labels[0].textContent,
  }));
  expect(`${name}: the field's font is 16 pixels or more`, field.fontSize >= 16, field.fontSize);
  expect(`${name}: the field asks for the numeric keyboard, Enter labelled as sending, and has a label`,
    field.inputMode === 'numeric' && field.enterKeyHint === 'send' && field.label);

  let text = prompt;
  if (viewport.isMobile) {
    // A phone's number pad has no Enter: the button beside the field sends the line.
    await tab.type('#line', '9');
    await tab.tap('#send');
    text += '9\n' + table(9) + prompt;
    await shows(tab, `${name}: the button sends the line`, text);
    for (const width of [360, 320]) {
      await tab.setViewport({...viewport, width});
      const sizes = await tab.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
      expect(`${name}: no horizontal scrolling at ${width} pixels`, sizes[0] <= sizes[1], sizes);
    }
    await tab.close();
    return;
  }

  for (const [keys, answer] of [['7', table(7)], ['3 7', table(3) + prompt + table(7)], ['10', error]]) {
    await type(tab, keys);
    text += keys + '\n' + answer + prompt;
    await shows(tab, `${name}: ${keys}, Enter`, text);
  }
  await hangulFont(tab, name);

  // Pasted lines are read as typed; what follows the last line break stays.
  await tab.$eval('#line', (input) => {
    const data = new DataTransfer();
    data.setData('text/plain', '3 5\n9\n4');
    input.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true, cancelable: true}));
  });
  text += '3 5\n9\n' + table(3) + prompt + table(5) + prompt + table(9) + prompt;
  await shows(tab, `${name}: a pasted block`, text);
  expect(`${name}: the paste's last line stays in the field`, (await tab.$eval('#line', (i) => i.value)) === '4');
  await tab.keyboard.press('Enter');
  text += '4\n' + table(4) + prompt;
  await shows(tab, `${name}: the rest of the paste, Enter`, text);

  // Ctrl+D gives the typed part, then on an empty line ends the input.
  await tab.type('#line', '12');
  await ctrlD(tab);
  text += '12';
  await shows(tab, `${name}: 12, Ctrl+D`, text);
  await ctrlD(tab);
  text += error + prompt;
  await shows(tab, `${name}: Ctrl+D on an empty line`, text);
  await tab.waitForSelector('#restart', {visible: true});
  await new Promise((resolve) => setTimeout(resolve, 200));
  expect(`${name}: at the end nothing is added, the field takes no input, the button has the focus`,
    (await transcript(tab)) === text &&
      (await tab.evaluate(() => document.getElementById('line').disabled && document.activeElement.id === 'restart')));
  expect(`${name}: axe-core finds no violation at the end`, (await violations(tab)).length === 0);

  await tab.click('#restart');
  await shows(tab, `${name}: the button starts the program again`, prompt);
  expect(`${name}: the field has the focus again`, await tab.evaluate(() => document.activeElement.id === 'line'));
  await type(tab, '0');
  await tab.waitForSelector('#restart', {visible: true});
  expect(`${name}: 0 ends it`, (await transcript(tab)) === prompt + '0\n');
  expect(`${name}: no error logged`, tab.errors.length === 0, tab.errors);
  await tab.close();
}

// The Hangul is drawn by a Korean font, not by a fallback's empty boxes.
async function hangulFont(tab, name) {
  const devtools = await tab.createCDPSession();
  await devtools.send('DOM.enable');
  await devtools.send('CSS.enable');
  const {root} = await devtools.send('DOM.getDocument');
  const {nodeId} = await devtools.send('DOM.querySelector', {nodeId: root.nodeId, selector: '#transcript span'});
  const {fonts} = await devtools.send('CSS.getPlatformFontsForNode', {nodeId});
  expect(`${name}: a Korean font draws the Hangul`, fonts.some((font) => /nanum/i.test(font.familyName) &&
    font.glyphCount > 0), JSON.stringify(fonts));
  await devtools.detach();
}

// After one visit from the server, the page opens with the server gone,
// and Chromium finds it installable.
async function offline(browser, origin) {
  const name = 'from a web server';
  const tab = await open(browser, name, origin, {width: 1280, height: 900});
  await tab.evaluate(() => navigator.serviceWorker.ready);
  await tab.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 10000});
  const devtools = await tab.createCDPSession();
  const {installabilityErrors} = await devtools.send('Page.getInstallabilityErrors');
  expect(`${name}: Chromium reports no installability error`, installabilityErrors.length === 0,
    JSON.stringify(installabilityErrors));
  await type(tab, '8');
  await shows(tab, `${name}: 8, Enter`, prompt + '8\n' + table(8) + prompt);
  expect(`${name}: no error logged`, tab.errors.length === 0, tab.errors);

  await new Promise((resolve) => server.close(resolve));
  await tab.setOfflineMode(true);
  await tab.reload();
  await shows(tab, `${name}, reloaded with no network: the prompt`, prompt);
  expect(`${name}, reloaded with no network: the field has the focus`,
    await tab.evaluate(() => document.activeElement.id === 'line'));
  await type(tab, '6');
  await shows(tab, `${name}, reloaded with no network: 6, Enter`, prompt + '6\n' + table(6) + prompt);
  await tab.close();
}

main()
  .catch((failure) => {
    console.log(`FAIL ${failure.stack || failure}`);
    failed++;
  })
  .finally(() => {
    fs.rmSync(work, {recursive: true, force: true});
    console.log(`${passed} passed, ${failed} failed`);
    process.exit(failed === 0 ? 0 : 1);
  });
