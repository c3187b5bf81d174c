// The web page's figures, for bench/run: its size; in each engine the time
// from navigation to its first prompt against a static page that holds only
// the prompt, opened alternately, and so for a copy of the page that leaves
// the compile to emscripten, always off the page's thread (the page compiles
// on it where the engine allows), and the time from a keystroke to the frame
// that shows it with 10 and with 10,000 answers on the page; in Chromium the
// time to answer 1,000 numbers pasted as lines and as one line. Prints one
// row a line: figure|measured|ratio|target.
//
//   node web.cjs PAGE ROUNDS ENGINE=EXECUTABLE...    (browsers.cjs; NODE_PATH)
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const {launch, waitFor, pasteLines, keystrokeTime} = require('../tests/web/browsers.cjs');

const [page, rounds, ...engines] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'times-table-bench-'));
const prompt = '1부터 9까지 정수 입력/몇단 :(0은 종료)';
const yardstick = path.join(work, 'prompt.html');
fs.writeFileSync(yardstick, `<!doctype html><html lang="ko"><meta charset="utf-8"><title>구구단</title>
<pre>\n${prompt}\n</pre>`);
// Copies of the page that note the first frame after the prompt is written:
// the field may be drawn before it where the module comes later.
const noted = (html) => html.replace('<div id="cursor">', `<script>new MutationObserver((_, observer) => {
  observer.disconnect(); requestAnimationFrame(() => (window.promptFrame = performance.now()));
}).observe(document.getElementById('transcript'), {childList: true});</script><div id="cursor">`);
const ourPage = path.join(work, 'page.html');
const offThread = path.join(work, 'off-thread.html');
fs.writeFileSync(ourPage, noted(fs.readFileSync(page, 'utf8')));
fs.writeFileSync(offThread, noted(fs.readFileSync(page, 'utf8')).replace('instantiateWasm:', 'notInstantiateWasm:'));

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const ms = (n) => `${n.toFixed(1)} ms`;

// Milliseconds from navigation to the first frame that shows the prompt:
// the first contentful paint, as each engine's performance timeline has it,
// or the frame after the prompt is written where that comes later; NaN
// where the page cannot start.
async function firstPrompt(browser, url) {
  const tab = await browser.open(url);
  const painted = await waitFor(tab, 10000, () => {
    const [paint] = performance.getEntriesByName('first-contentful-paint');
    const noting = document.getElementById('transcript') !== null;
    return paint && (!noting || window.promptFrame) && Math.max(paint.startTime, window.promptFrame || 0);
  });
  const started = await tab.evaluate(() => !document.getElementById('failure') ||
    document.getElementById('failure').hidden);
  await tab.close();
  return started ? painted : NaN;
}

// Milliseconds from handing the page text to the frame that shows the
// prompt after its last answer.
async function answer(browser, text, prompts) {
  const tab = await browser.open('file://' + page);
  await waitFor(tab, 10000, () => document.getElementById('transcript').children.length > 0);
  const elapsed = await tab.evaluate((pasted, wanted, p) => new Promise((resolve) => {
    const transcript = document.getElementById('transcript');
    const start = performance.now();
    const data = new DataTransfer();
    data.setData('text/plain', pasted);
    document.getElementById('line').dispatchEvent(
      new ClipboardEvent('paste', {clipboardData: data, bubbles: true, cancelable: true}));
    (function check() {
      if (transcript.textContent.split(p).length - 1 >= wanted) resolve(performance.now() - start);
      else requestAnimationFrame(check);
    })();
  }), text, prompts, prompt);
  await tab.close();
  return elapsed;
}

// The median milliseconds from a keystroke to the frame after it, with a
// practice of count answers on the page, pasted.
async function keystroke(browser, count) {
  const tab = await browser.open('file://' + page, {width: 360, height: 740, phone: true});
  await waitFor(tab, 10000, () => document.getElementById('transcript').children.length > 0);
  if (tab.framed) await tab.tap('#line');
  await pasteLines(tab, count);
  const time = await keystrokeTime(tab, 21);
  await tab.close();
  return time;
}

async function measure(engine, executable) {
  const browser = await launch(engine, executable, path.join(work, engine));
  const [theirs, ours, later] = [[], [], []];
  try {
    for (let round = 0; round < rounds; round++) {
      theirs.push(await firstPrompt(browser, 'file://' + yardstick));
      ours.push(await firstPrompt(browser, 'file://' + ourPage));
      later.push(await firstPrompt(browser, 'file://' + offThread));
    }
    const against = (times) => isNaN(median(times)) ? 'does not start|' :
      `${ms(median(times))} / ${ms(median(theirs))}|${(median(times) / median(theirs)).toFixed(2)}`;
    // The goal is for today's engines; Chromium 70's figure is for knowing.
    console.log(`page in ${engine}, first prompt, against a static page|${against(ours)}|` +
      (engine === 'chromium70' ? '' : '<= 2 (1.5)'));
    console.log(`the same, always compiled off the page's thread|${against(later)}|`);
    const few = await keystroke(browser, 10);
    const many = await keystroke(browser, 10000);
    console.log(`page in ${engine}, keystroke to frame, 10 / 10,000 answers|${ms(few)} / ${ms(many)}|` +
      `${(many / few).toFixed(2)}|<= 2${engine === 'chromium' ? ', <= 50 ms' : ''}`);
    if (engine === 'chromium') {
      const numbers = Array.from({length: 1000}, (_, i) => (i % 9) + 1);
      const lines = [];
      const line = [];
      for (let round = 0; round < rounds; round++) {
        lines.push(await answer(browser, numbers.join('\n') + '\n', 1001));
        line.push(await answer(browser, numbers.join(' ') + '\n', 1001));
      }
      console.log(`page in chromium, 1,000 numbers pasted as lines|${ms(median(lines))}||`);
      console.log(`page in chromium, 1,000 numbers on one line|${ms(median(line))}||<= 1000 ms`);
    }
  } finally {
    await browser.close();
  }
}

async function main() {
  const bytes = fs.readFileSync(page);
  const kib = (n) => (n / 1024).toFixed(1);
  console.log(`page, bytes and gzipped|${kib(bytes.length)} KiB / ${kib(zlib.gzipSync(bytes, {level: 9}).length)} KiB||<= 256 KiB, <= 96 KiB`);
  for (const pair of engines) {
    const [engine, executable] = [pair.slice(0, pair.indexOf('=')), pair.slice(pair.indexOf('=') + 1)];
    await measure(engine, executable);
  }
}

main()
  .catch((failure) => {
    console.error(failure);
    process.exitCode = 1;
  })
  .finally(() => fs.rmSync(work, {recursive: true, force: true}));
