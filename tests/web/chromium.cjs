// Headless Chromium as the browser test and bench/web.cjs start it: in a
// folder of their own, which is its profile and its home (it keeps
// certificates and font caches there), and with none of its own traffic,
// which a machine with no way out refuses, many connections at a time.
'use strict';
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

exports.launch = function (chromium, folder) {
  fs.mkdirSync(path.join(folder, 'home'), {recursive: true});
  return puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: path.join(folder, 'profile'),
    env: {...process.env, HOME: path.join(folder, 'home')},
    args: ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])],
  });
};
