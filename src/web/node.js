// times-table at the command line, in Node.js: the module of the page,
// over the standard streams. The build puts this after the module's code
// in times-table-node.js.
'use strict';
const fs = require('fs');
const tty = require('tty');

// Another process may have made a standard stream non-blocking; Node.js
// has no poll(2) for it, so the program sleeps between tries instead.
const pause = new Int32Array(new SharedArrayBuffer(4));
function sleep(milliseconds) {
  Atomics.wait(pause, 0, 0, milliseconds);
}

const input = Buffer.alloc(64 * 1024);

const host = {
  async read(size) {
    for (;;) {
      try {
        return input.subarray(0, fs.readSync(0, input, 0, Math.min(size, input.length), null));
      } catch (error) {
        if (error.code !== 'EAGAIN') throw error;
        sleep(10);
      }
    }
  },
  write(bytes) {
    for (let written = 0; written < bytes.length;) {
      try {
        written += fs.writeSync(1, bytes, written, bytes.length - written);
      } catch (error) {
        if (error.code !== 'EAGAIN') throw error;
        sleep(1);
      }
    }
  },
  // As the POSIX program clears a terminal it has no terminfo entry for:
  // cursor home, erase the display, erase the scrollback.
  clear() {
    const term = process.env.TERM || '';
    if (tty.isatty(1) && term !== '' && term !== 'dumb' && term !== 'unknown') {
      this.write(Buffer.from('\x1b[H\x1b[2J\x1b[3J'));
    }
  },
};

Promise.resolve(createTimesTable({host}))
  .then((module) => module.ccall('main', 'number', [], [], {async: true}))
  .then((status) => {
    process.exitCode = status;
  });
