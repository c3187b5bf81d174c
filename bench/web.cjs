// The web page's figures, for bench/run: its size, the time from
// navigation to its first prompt against a static page that holds only the
// prompt, side by side in headless Chromium, and the time to answer 1,000
// numbers pasted as lines and as one line. Prints one row a line:
// figure|measured|ratio|target.
//
//   node web.cjs PAGE CHROMIUM ROUNDS     (puppeteer-core through NODE_PATH)
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const {launch} = require('../tests/web/chromium.cjs');

const [page, chromium, rounds] = [process.argv[2], process.argv[3], Number(process.argv[4] || 7)];
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'times-table-bench-'));
const prompt = '1부터 9까지 정수 입력/몇단 :(0은 종료)';
const yardstick = path.join(work, 'prompt.html');
fs.writeFileSync(yardstick, `<!doctype html><html lang="ko"><meta charset="utf-8"><title>구구단</title>
<pre>\n${prompt}\n</pre>`);

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// Milliseconds from navigation to the frame after the prompt is in the page.
async function firstPrompt(browser, url) {
  const tab = await browser.newPage();
  await tab.evaluateOnNewDocument((text) => {
    // Looks where each page shows its prompt, not at its scripts' text.
    new MutationObserver((changes, observer) => {
      const shown = document.querySelector('#transcript, pre');
      if (shown && shown.textContent.includes(text)) {
        observer.disconnect();
        requestAnimationFrame(() => (window.promptShown = performance.now()));
      }
    }).observe(document, {childList: true, subtree: true, characterData: true});
  }, prompt);
  await tab.goto(url);
  await tab.waitForFunction(() => window.promptShown !== undefined);
  const shown = await tab.evaluate(() => window.promptShown);
  await tab.close();
  return shown;
}

// Milliseconds from handing the page text to the frame that shows the
// prompt after its last answer.
async function answer(browser, text, prompts) {
  const tab = await browser.newPage();
  await tab.goto('file://' + page);
  await tab.waitForFunction((p) => document.getElementById('transcript').textContent.includes(p), {}, prompt);
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

async function main() {
  const browser = await launch(chromium, work);
  const ours = [];
  const theirs = [];
  const lines = [];
  const line = [];
  const numbers = Array.from({length: 1000}, (_, i) => (i % 9) + 1);
  try {
    for (let round = 0; round < rounds; round++) {
      theirs.push(await firstPrompt(browser, 'file://' + yardstick));
      ours.push(await firstPrompt(browser, 'file://' + page));
      lines.push(await answer(browser, numbers.join('\n') + '\n', 1001));
      line.push(await answer(browser, numbers.join(' ') + '\n', 1001));
    }
  } finally {
    await browser.close();
    fs.rmSync(work, {recursive: true, force: true});
  }
  const bytes = fs.readFileSync(page);
  const kib = (n) => (n / 1024).toFixed(1);
  const ms = (n) => `${n.toFixed(1)} ms`;
  console.log(`page, bytes and gzipped|${kib(bytes.length)} KiB / ${kib(zlib.gzipSync(bytes, {level: 9}).length)} KiB||<= 256 KiB, <= 96 KiB`);
  console.log(`page, first prompt, against a static page|${ms(median(ours))} / ${ms(median(theirs))}|${(median(ours) / median(theirs)).toFixed(2)}|<= 2 (1.5)`);
  console.log(`page, 1,000 numbers pasted as lines|${ms(median(lines))}||`);
  console.log(`page, 1,000 numbers on one line|${ms(median(line))}||<= 1000 ms`);
}

main().catch((failure) => {
  console.error(failure);
  process.exit(1);
});
