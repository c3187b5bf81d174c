// The page's side of the program: its transcript shows what a terminal
// would, and its text field is the terminal's line of input. The build puts
// this after the module's code in the page. It keeps to what Safari 12,
// Chrome 70, Edge 79, Firefox 68 and Samsung Internet 10.1 run
// (tests/web/compat.cjs).
'use strict';
(function () {
  const transcript = document.getElementById('transcript');
  const partial = document.getElementById('partial');
  const entry = document.getElementById('entry');
  const field = document.getElementById('line');
  const send = document.getElementById('send');
  const failure = document.getElementById('failure');
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

  // Lines typed ahead are read at once, but a long run of them (a big
  // paste) gives the page a frame, to draw and to take input, after every
  // 10 ms or 16 KiB of answers (the text of a frame's layout), rather than
  // answering all of them in one task: the next read resumes in a task
  // after the next frame (browsers put the tasks they are given before
  // their frames for up to 100 ms).
  const turn = new MessageChannel();
  let turnStarted = 0;
  let turnWritten = 0;
  let resumeAfterTurn = null;
  function startTurn() {
    turnStarted = performance.now();
    turnWritten = 0;
  }
  turn.port1.onmessage = () => {
    startTurn();
    resumeAfterTurn();
  };

  // The newest line in view, once a frame however often the program writes,
  // and again whenever the view changes (a turned tablet, an on-screen
  // keyboard) unless the reader has scrolled back to read, as a terminal
  // keeps its place then.
  let scrolling = false;
  function keepInView() {
    if (!scrolling) {
      scrolling = true;
      requestAnimationFrame(() => {
        scrolling = false;
        (ended.hidden ? entry : ended).scrollIntoView(false);
      });
    }
  }

  let following = true;
  // eslint-disable-next-line times-table/members -- absent before Firefox 91 and Safari 13, and so tested
  const viewport = window.visualViewport;
  const viewSize = () => `${innerWidth}x${innerHeight}` + (viewport ? `/${viewport.width}x${viewport.height}` : '');
  // Taken in the first frame, not now: reading the view's size lays the
  // page out, and the prompt would make it do so again before it is drawn.
  let lastViewSize = '';
  requestAnimationFrame(() => (lastViewSize = viewSize()));
  function viewChanged() {
    const size = viewSize();
    const changed = size !== lastViewSize;
    lastViewSize = size;
    return changed;
  }
  function followView() {
    viewChanged();
    if (following) keepInView();
  }
  addEventListener('resize', followView);
  if (viewport) viewport.addEventListener('resize', followView);
  // A scroll that comes with a change of the view is the browser's, not the
  // reader's: it says nothing of where the reader wants to be.
  addEventListener(
    'scroll',
    () => {
      if (viewChanged()) {
        if (following) keepInView();
      } else {
        const end = document.documentElement.scrollHeight;
        following = pageYOffset + innerHeight >= end - innerHeight / 4;
      }
    },
    {passive: true},
  );

  // Finished lines go into the transcript, one block a write; what follows
  // the last line break stays on the field's line, as a terminal's cursor
  // stands after it.
  function show(text) {
    const end = text.lastIndexOf('\n');
    if (end < 0) {
      partial.textContent += text;
    } else {
      const block = document.createElement('div');
      block.textContent = partial.textContent + text.slice(0, end);
      transcript.appendChild(block);
      partial.textContent = text.slice(end + 1);
    }
    keepInView();
  }

  // What a terminal shows as it reads lines: the lines themselves, and the
  // line break where Enter ended each.
  function echo(lines, ends) {
    show(ends ? lines.join('\n') + '\n' : lines[0]);
    for (const line of lines) give(encoder.encode(ends ? line + '\n' : line));
  }

  function host() {
    const decoder = new TextDecoder('utf-8');
    return {
      read(size) {
        return new Promise((resolve) => {
          const resume = () => resolve(take(size));
          if (pending.length === 0) {
            reader = () => {
              startTurn();
              resume();
            };
          } else if (performance.now() - turnStarted < 10 && turnWritten < 16384) {
            resume();
          } else {
            resumeAfterTurn = resume;
            const next = () => turn.port2.postMessage(null);
            if (document.hidden) next();
            else requestAnimationFrame(next);
          }
        });
      },
      write(bytes) {
        turnWritten += bytes.length;
        show(decoder.decode(bytes, {stream: true}));
      },
      clear() {
        transcript.textContent = '';
        partial.textContent = '';
      },
    };
  }

  // The module's WebAssembly is compiled at once where the engine allows
  // it, so that the prompt is on the first frame, and otherwise off the
  // page's thread: Chromium before 115 refuses to compile or instantiate a
  // module of over 4 KB on it. Its bytes are the data: URL in the module's
  // script (the build makes sure there is one). A failure goes to refuse:
  // the module would only log one.
  function compiler(refuse) {
    return (imports, receive) => {
      try {
        const url = /data:application\/octet-stream;base64,([A-Za-z0-9+/=]+)/.exec(
          document.getElementById('module').textContent,
        );
        // The engine's own decoder, where it has one, is the quicker.
        let bytes;
        if ('fromBase64' in Uint8Array) {
          // eslint-disable-next-line times-table/members -- absent before 2025, and so tested
          bytes = Uint8Array.fromBase64(url[1]);
        } else {
          const text = atob(url[1]);
          bytes = new Uint8Array(text.length);
          for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
        }
        let instance;
        try {
          instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), imports);
        } catch (error) {
          if (!(error instanceof RangeError)) throw error;
          WebAssembly.instantiate(bytes, imports).then((result) => receive(result.instance), refuse);
          return {};
        }
        receive(instance);
      } catch (error) {
        refuse(error);
      }
      return {};
    };
  }

  function finish() {
    running = false;
    reader = null;
    pending = [];
    field.disabled = true;
    send.disabled = true;
  }

  // Words a child can read, and what to do; the detail is for developers.
  function fail(words, error) {
    console.error('times-table:', error);
    finish();
    failure.textContent = words;
    failure.hidden = false;
  }
  const cannotRun =
    '이 브라우저에서는 구구단이 실행되지 않습니다. 이 페이지에 필요한 WebAssembly를 브라우저나 보안 설정' +
    '(잠금 모드 등)이 막고 있습니다. 다른 브라우저로 열거나, 컴퓨터에 설치하는 구구단 프로그램을 내려받아 쓰세요.';
  const stopped =
    '구구단을 실행하다가 문제가 생겨 멈췄습니다. 페이지를 새로 고치거나 다른 브라우저로 열어 보세요. ' +
    '그래도 안 되면 컴퓨터에 설치하는 구구단 프로그램을 내려받아 쓰세요.';

  function start() {
    running = true;
    entry.hidden = false;
    field.disabled = false;
    send.disabled = false;
    ended.hidden = true;
    failure.hidden = true;
    field.value = '';
    if (typeof WebAssembly !== 'object') {
      fail(cannotRun, new Error('no WebAssembly in this browser'));
      return;
    }
    let refuse;
    const refused = new Promise((resolve, reject) => (refuse = reject));
    const options = {host: host(), instantiateWasm: compiler(refuse)};
    const created = new Promise((resolve) => resolve(createTimesTable(options)));
    Promise.race([created, refused])
      .then(
        (module) => {
          // main runs until its first read, so the first frame shows the
          // prompt. The field takes the focus after that frame: in WebKit
          // focusing a field takes over a millisecond, which would hold the
          // frame back.
          const status = module.ccall('main', 'number', [], [], {async: true});
          requestAnimationFrame(() =>
            setTimeout(() => {
              if (running) field.focus();
            }),
          );
          return status.then(() => {
            finish();
            ended.hidden = false;
            restart.focus();
          });
        },
        (error) => fail(cannotRun, error),
      )
      .catch((error) => fail(stopped, error));
  }

  entry.addEventListener('submit', (event) => {
    event.preventDefault();
    if (!running) return;
    echo([field.value], true);
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
      echo([field.value], false);
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
    echo(lines, true);
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
      document.head.appendChild(link);
    }
    // Browsers give a service worker, and installing, only to a secure
    // origin: over plain http from another machine the page only runs.
    if (!window.isSecureContext) {
      console.warn('times-table: not served over https: the page cannot be installed or kept for use offline');
    } else if ('serviceWorker' in navigator) {
      navigator.serviceWorker
        .register('service-worker.js')
        .then((registration) => {
          const installing = registration.installing;
          if (!installing) return;
          installing.addEventListener('statechange', () => {
            if (installing.state === 'redundant') {
              console.error('times-table: the page could not be kept for use without a network');
            }
          });
        })
        .catch((error) => console.error('times-table: no service worker:', error));
    }
  }

  start();
})();
