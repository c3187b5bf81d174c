// The browser engines the page is tried in, behind the few calls that the
// browser test and bench/web.cjs make: Chromium and Firefox through
// puppeteer-core (the DevTools protocol, WebDriver BiDi), Chromium 70 through
// puppeteer-core 1.7.0, of its day, and WebKitGTK's
// MiniBrowser, Safari's engine, through selenium-webdriver and
// WebKitWebDriver, on an X display (xvfb-run). Each starts in a folder of
// its own, which is its profile and its home, with none of its own traffic,
// which a machine with no way out refuses.
'use strict';
const {spawn} = require('child_process');
const fs = require('fs');
const net = require('net');
const path = require('path');
const zlib = require('zlib');

const sleep = (milliseconds) => new Promise((resolve) => setTimeout(resolve, milliseconds));

// launch(ENGINE, EXECUTABLE, FOLDER, {args}): EXECUTABLE is chromium,
// firefox-esr, a brotli-packed Chromium 70 (chrome-aws-lambda's, unpacked
// into FOLDER), or for webkit "WEBKITWEBDRIVER:MINIBROWSER".
exports.launch = function (engine, executable, folder, options = {}) {
  fs.mkdirSync(path.join(folder, 'home'), {recursive: true});
  if (engine === 'webkit') return webkit(executable, folder);
  if (executable.endsWith('.br')) {
    const unpacked = path.join(folder, path.basename(executable, '.br'));
    fs.writeFileSync(unpacked, zlib.brotliDecompressSync(fs.readFileSync(executable)), {mode: 0o755});
    executable = unpacked;
  }
  return puppeteerEngine(engine, executable, folder, options);
};

async function puppeteerEngine(engine, executable, folder, options) {
  const old = engine === 'chromium70';
  const puppeteer = require(old ? 'puppeteer-core-1.7' : 'puppeteer-core');
  const chromium = engine.startsWith('chromium');
  // As root Chromium 70 starts only as one process.
  const root = process.getuid() === 0 ? ['--no-sandbox', ...(old ? ['--single-process', '--no-zygote'] : [])] : [];
  const browser = await puppeteer.launch({
    browser: chromium ? 'chrome' : 'firefox',
    executablePath: executable,
    headless: true,
    userDataDir: path.join(folder, 'profile'),
    env: {...process.env, HOME: path.join(folder, 'home')},
    args: chromium
      ? ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', ...root, ...(options.args || [])]
      : [],
    extraPrefsFirefox: {'network.captive-portal-service.enabled': false, 'app.update.enabled': false},
  });
  return {
    engine,
    version: await browser.version(),
    async open(url, view = {}) {
      const page = await browser.newPage();
      const tab = new PuppeteerTab(engine, page);
      page.on('console', (message) => message.type() === 'error' && tab.errors.push(message.text()));
      page.on('pageerror', (failure) => tab.errors.push(String(failure)));
      await tab.resize(view.width || 1280, view.height || 900, view.phone);
      if (view.noScript) await page.setJavaScriptEnabled(false);
      if (view.noWebAssembly) await page.evaluateOnNewDocument(() => delete window.WebAssembly);
      await page.goto(url);
      return tab;
    },
    close: () => browser.close(),
  };
}

class PuppeteerTab {
  constructor(engine, page) {
    this.engine = engine;
    this.chromium = engine.startsWith('chromium');
    this.page = page;
    this.errors = [];
  }
  evaluate(fn, ...args) {
    return this.page.evaluate(fn, ...args);
  }
  async resize(width, height, phone) {
    // Firefox's protocol has no phone to emulate: its view is only narrow.
    const mobile = phone && this.chromium ? {isMobile: true, hasTouch: true, deviceScaleFactor: 2} : {};
    await this.page.setViewport({width, height, ...mobile});
  }
  async type(text) {
    await this.page.type('#line', text);
  }
  async press(key, modifier) {
    if (modifier) await this.page.keyboard.down(modifier);
    await this.page.keyboard.press(key);
    if (modifier) await this.page.keyboard.up(modifier);
  }
  async tap(selector) {
    if (this.chromium) await this.page.tap(selector);
    else await this.page.click(selector);
  }
  async goto(url) {
    await this.page.goto(url);
  }
  async reload() {
    await this.page.reload();
  }
  async offline(on) {
    if (this.chromium) await this.page.setOfflineMode(on);
  }
  devtools() {
    return this.chromium ? this.page.target().createCDPSession() : null;
  }
  screenshot(file) {
    return this.page.screenshot({path: file});
  }
  close() {
    return this.page.close();
  }
}

function freePort() {
  return new Promise((resolve) => {
    const server = net.createServer().listen(0, '127.0.0.1', () => {
      const {port} = server.address();
      server.close(() => resolve(port));
    });
  });
}

// MiniBrowser's window is no narrower than about 450 pixels: a phone's view
// is a frame of the phone's size in a page of the test's own.
async function webkit(executables, folder) {
  const {Builder, By, Key} = require('selenium-webdriver');
  const [driverPath, miniBrowser] = executables.split(':');
  const port = await freePort();
  const server = spawn(driverPath, [`--port=${port}`, '--host=127.0.0.1'], {
    stdio: 'ignore',
    env: {...process.env, HOME: path.join(folder, 'home')},
  });
  for (let i = 0; i < 100 && !(await fetch(`http://127.0.0.1:${port}/status`).then(() => true, () => false)); i++) {
    await sleep(100);
  }
  const driver = await new Builder()
    .usingServer(`http://127.0.0.1:${port}`)
    .withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': {binary: miniBrowser, args: ['--automation']},
    })
    .build();
  await driver.manage().setTimeouts({script: 120000});
  const capabilities = await driver.getCapabilities();
  let frame = 0;
  const keys = {Enter: Key.ENTER, Control: Key.CONTROL};
  const key = (name) => keys[name] || name.replace(/^Key/, '').toLowerCase();

  async function evaluate(fn, ...args) {
    const result = await driver.executeAsyncScript(
      `const done = arguments[arguments.length - 1];
       Promise.resolve().then(() => (${fn}).apply(null, arguments[0]))
         .then((value) => done({value}), (error) => done({error: String(error && error.stack || error)}));`,
      args,
    );
    if (result && result.error) throw new Error(result.error);
    return result ? result.value : undefined;
  }
  // The tab's page, or in a phone's view the frame that holds it.
  async function enter(phone) {
    await driver.switchTo().defaultContent();
    if (phone) await driver.switchTo().frame(0);
  }

  return {
    engine: 'webkit',
    version: `MiniBrowser ${capabilities.get('browserVersion')}`,
    async open(url, view = {}) {
      if (view.noScript || view.noWebAssembly) throw new Error('WebKitWebDriver cannot change what a page may run');
      const phone = Boolean(view.phone);
      await driver.switchTo().defaultContent();
      if (phone) {
        const holder = path.join(folder, `phone-${frame++}.html`);
        fs.writeFileSync(holder, `<!doctype html><meta charset="utf-8"><title>phone</title>
<body style="margin:0"><iframe src="${url}" style="border:0;width:${view.width}px;height:${view.height}px"></iframe>`);
        await driver.manage().window().setRect({width: 1280, height: 900});
        await driver.get('file://' + holder);
        await driver.wait(async () => (await driver.executeScript('return document.readyState')) === 'complete', 10000);
        await enter(true);
      } else {
        await driver.manage().window().setRect({width: view.width || 1280, height: view.height || 900});
        await driver.get(url);
      }
      const tab = {
        engine: 'webkit',
        framed: phone,
        errors: null, // WebDriver gives no console
        evaluate,
        async resize(width, height) {
          if (!phone) return driver.manage().window().setRect({width, height});
          await driver.switchTo().defaultContent();
          await driver.executeScript(
            `const f = document.querySelector('iframe'); f.style.width = '${width}px'; f.style.height = '${height}px';`);
          await enter(true);
        },
        async type(text) {
          await driver.findElement(By.id('line')).sendKeys(text);
        },
        async press(name, modifier) {
          const actions = driver.actions();
          if (modifier) actions.keyDown(key(modifier));
          actions.sendKeys(key(name));
          if (modifier) actions.keyUp(key(modifier));
          await actions.perform();
        },
        async tap(selector) {
          await driver.findElement(By.css(selector)).click();
        },
        async goto(next) {
          await enter(false);
          await driver.get(next);
        },
        async reload() {
          if (phone) await evaluate(() => location.reload());
          else await driver.navigate().refresh();
          await sleep(200);
          await enter(phone);
        },
        async offline() {},
        devtools: () => null,
        async screenshot(file) {
          await driver.switchTo().defaultContent();
          fs.writeFileSync(file, await driver.takeScreenshot(), 'base64');
          await enter(phone);
        },
        async close() {
          await driver.switchTo().defaultContent();
          await driver.get('about:blank');
        },
      };
      return tab;
    },
    async close() {
      try {
        await driver.quit();
      } finally {
        server.kill();
      }
    },
  };
}

// Polls fn in the tab until it returns something true, for up to timeout
// milliseconds; the last value, or undefined.
exports.waitFor = async function (tab, timeout, fn, ...args) {
  const until = Date.now() + timeout;
  for (;;) {
    const value = await tab.evaluate(fn, ...args).catch(() => undefined);
    if (value || Date.now() > until) return value;
    await sleep(50);
  }
};

// Puts text on the clipboard as a person would copy it, from a text area
// of the tab's own, and gives the field the focus again.
exports.copy = async function (tab, text) {
  await tab.evaluate((copied) => {
    const area = document.createElement('textarea');
    area.id = 'clipboard';
    area.value = copied;
    document.body.appendChild(area);
    area.focus();
    area.select();
  }, text);
  await tab.press('KeyC', 'Control');
  await tab.evaluate(() => {
    document.getElementById('clipboard').remove();
    document.getElementById('line').focus();
  });
};

// Pastes the clipboard into the field with Ctrl+V: a paste event made up by
// a script carries no text in Firefox.
exports.paste = (tab) => tab.press('KeyV', 'Control');

// Pastes count lines of the numbers 1 to 9, calling beforePaste just before,
// and waits up to 5 minutes for all answers (window.blocks): {numbers, done}.
exports.pasteLines = async function (tab, count, beforePaste = () => {}) {
  const numbers = Array.from({length: count}, (_, i) => (i % 9) + 1);
  await exports.copy(tab, numbers.join('\n') + '\n');
  await sleep(300);
  await tab.evaluate((blocks) => (window.blocks = blocks), count + 2);
  await beforePaste();
  await exports.paste(tab);
  const done = await exports.waitFor(tab, 300000,
    () => document.getElementById('transcript').children.length >= window.blocks);
  return {numbers, done: Boolean(done)};
};

// What the page shows as a terminal's text: its finished lines, the field's.
exports.text = (tab) => tab.evaluate(() =>
  Array.from(document.getElementById('transcript').children, (line) => line.textContent + '\n').join('') +
  document.getElementById('partial').textContent);

// Waits up to 5 s for the program's end: 다시 시작 shown.
exports.ended = (tab) => exports.waitFor(tab, 5000, () => !document.getElementById('ended').hidden);

// The median milliseconds from a keystroke in the field to the frame after
// it, over count keystrokes; the field is left empty.
exports.keystrokeTime = async function (tab, count) {
  await tab.evaluate(() => {
    window.keyTimes = [];
    const field = document.getElementById('line');
    field.addEventListener('keydown', () => {
      const start = performance.now();
      requestAnimationFrame(() => setTimeout(() => window.keyTimes.push(performance.now() - start), 0));
    });
    field.value = '';
  });
  for (let i = 0; i < count; i++) {
    await tab.type('1');
    await sleep(30);
  }
  await exports.waitFor(tab, 5000, (n) => window.keyTimes.length >= n, count);
  const times = (await tab.evaluate(() => window.keyTimes)).sort((a, b) => a - b);
  await tab.evaluate(() => (document.getElementById('line').value = ''));
  return times[times.length >> 1];
};
