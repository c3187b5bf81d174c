// The page's side of the program: its transcript shows what a terminal
// would, and its text field is the terminal's line of input. The build puts
// this after the module's code in the page.
'use strict';
(function () {
  const transcript = document.getElementById('transcript');
  const entry = document.getElementById('entry');
  const field = document.getElementById('line');
  const send = document.getElementById('send');
  const ended = document.getElementById('ended');
  const restart = document.getElementById('restart');
  const encoder = new TextEncoder();

  // Lines given to the program and not yet read, as a terminal keeps what
  // is typed ahead; null stands for the end of input.
  let pending = [];
  let reader = null; // resolves the read that waits for the next line
  let running = false;

  function give(bytes) {
    pending.push(bytes);
    if (reader) {
      const wake = reader;
      reader = null;
      wake();
    }
  }

  // One line a read, as a terminal gives them, cut where it is longer than
  // the read can take.
  function take(size) {
    const next = pending[0];
    if (next === null) {
      pending.shift();
      return new Uint8Array(0);
    }
    if (next.length <= size) {
      pending.shift();
      return next;
    }
    pending[0] = next.subarray(size);
    return next.subarray(0, size);
  }

  // The newest line in view, once a frame however often the program writes.
  let scrolling = false;
  function keepInView() {
    if (!scrolling) {
      scrolling = true;
      requestAnimationFrame(() => {
        scrolling = false;
        entry.scrollIntoView({block: 'end'});
      });
    }
  }

  function show(text, kind) {
    const node = document.createElement('span');
    if (kind) node.className = kind;
    node.textContent = text;
    transcript.append(node);
    keepInView();
  }

  // What a terminal shows as it reads a line: the line itself, and the line
  // break where Enter ended it.
  function echo(line, ends) {
    show(ends ? line + '\n' : line, 'typed');
    give(encoder.encode(ends ? line + '\n' : line));
  }

  function host() {
    const decoder = new TextDecoder('utf-8');
    return {
      read(size) {
        if (pending.length > 0) return Promise.resolve(take(size));
        return new Promise((resolve) => {
          reader = () => resolve(take(size));
        });
      },
      write(bytes) {
        show(decoder.decode(bytes, {stream: true}));
      },
      clear() {
        transcript.replaceChildren();
      },
    };
  }

  function finish() {
    running = false;
    reader = null;
    pending = [];
    field.disabled = true;
    send.disabled = true;
    ended.hidden = false;
    restart.focus();
  }

  function start() {
    running = true;
    field.disabled = false;
    send.disabled = false;
    ended.hidden = true;
    field.value = '';
    Promise.resolve(createTimesTable({host: host()}))
      .then((module) => {
        // main runs until its first read: the prompt is on the page when
        // the field takes the focus, and one layout serves both.
        const status = module.ccall('main', 'number', [], [], {async: true});
        field.focus();
        return status;
      })
      .then(finish, (error) => {
        show('\n' + error + '\n', 'failure');
        finish();
      });
  }

  entry.addEventListener('submit', (event) => {
    event.preventDefault();
    if (!running) return;
    echo(field.value, true);
    field.value = '';
    field.focus();
  });

  // Ctrl+D, as at a terminal: the end of input on an empty line, and
  // otherwise the line as typed so far, without a line break.
  field.addEventListener('keydown', (event) => {
    if (event.key.toLowerCase() !== 'd' || !event.ctrlKey || event.altKey || event.metaKey || event.isComposing) {
      return;
    }
    event.preventDefault();
    if (!running) return;
    if (field.value === '') {
      give(null);
    } else {
      echo(field.value, false);
      field.value = '';
    }
  });

  // A one-line field would drop the line breaks of pasted text: each line
  // of it goes to the program as if typed, and what follows the last line
  // break stays in the field to be edited.
  field.addEventListener('paste', (event) => {
    const text = (event.clipboardData || window.clipboardData).getData('text');
    if (!/[\r\n]/.test(text) || !running) return;
    event.preventDefault();
    const before = field.value.slice(0, field.selectionStart);
    const after = field.value.slice(field.selectionEnd);
    const lines = (before + text).split(/\r\n|\r|\n/);
    const rest = lines.pop();
    lines.forEach((line) => echo(line, true));
    field.value = rest + after;
    field.setSelectionRange(rest.length, rest.length);
  });

  restart.addEventListener('click', start);

  // Installable and offline where the page comes from a web server; from a
  // file the browser refuses both, so neither is asked for there.
  if (document.documentElement.hasAttribute('data-installable') && location.protocol.startsWith('http')) {
    for (const [rel, href] of [['manifest', 'manifest.webmanifest'], ['apple-touch-icon', 'apple-touch-icon.png']]) {
      const link = document.createElement('link');
      link.rel = rel;
      link.href = href;
      document.head.append(link);
    }
    if ('serviceWorker' in navigator) {
      navigator.serviceWorker.register('service-worker.js').catch(() => {});
    }
  }

  start();
})();
