// The page in headless Chromium, used as a class would use it: the
// conformance table that the window and the core's host play too, then a
// live run on real time, the menu's files, the I-V chart, a Japanese
// browser, "Close", the page as one file opened from a disk, and served as
// an app that starts with no network and updates. What the page shows must
// be what the replay tool computes for the page's own record of the run;
// axe-core must find nothing to fault before or during a run; the console
// must stay free of errors.
//
//   tests/web/run        (builds nothing: run scripts/web first)

import assert from 'node:assert/strict';
import {cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {after, before, test} from 'node:test';
import {pathToFileURL} from 'node:url';

import {openBrowser, openPage, pageState, px, replayedDump, startServer, stepsIn, webDir} from './browser.mjs';
import {openOnTestClock, play, readScenarios} from './conformance.mjs';
import {assertShowsItsRun} from './diagram_pixels.mjs';
import {chromiumTab} from './engines.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

const kWidth = 605;
const kHeight = 453;
const kBarHeight = 40;  // the page's title bar above the form
const kDeviceScale = 2;  // a high-density screen
const kBias = '0.3';

let server;
let browser;
let page;
const requested = [];

before(async () => {
  server = await startServer();
  browser = await openBrowser({viewport: {width: kWidth, height: kHeight + kBarHeight}, deviceScaleFactor: kDeviceScale});
  page = browser.page;
  browser.context.on('request', (request) => requested.push(request.url()));
  await openPage(page, server.url);
});

after(async () => {
  await browser?.close();
  server?.stop();
});

async function axeViolations() {
  await page.addScriptTag({content: axeSource});
  const results = await page.evaluate(() => window.axe.run(document));
  return results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

// A canvas's text alternative, and how many of its pixels are of `colour`.
function canvasPixels(id, colour) {
  return page.evaluate(([id, [red, green, blue]]) => {
    const canvas = document.getElementById(id);
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let count = 0;
    for (let i = 0; i < data.length; i += 4) {
      count += data[i] === red && data[i + 1] === green && data[i + 2] === blue ? 1 : 0;
    }
    return {label: canvas.getAttribute('aria-label'), count};
  }, [id, colour]);
}

// What the served folder holds for the page, and its service worker keeps.
const kPageFiles = ['/', '/index.html', '/kestrel-192.png', '/kestrel-512.png', '/kestrel.js', '/kestrel.wasm',
                    '/manifest.webmanifest'];

// Once its service worker is active, the worker has fetched every file it
// keeps: the page and the worker together ask for the folder and nothing else.
test('the page loads its own files from its own server and nothing else', async () => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  const files = new Set(requested.filter((url) => !url.startsWith('data:')).map((url) => url.replace(server.url, '/')));
  assert.deepEqual([...files].sort(), [...kPageFiles, '/service-worker.js']);
});

// The page as a school hands it out: one file opened from a disk.
test('the single file runs opened from a disk, with no server and no service worker', async () => {
  const disk = await openBrowser();
  try {
    const warnings = [];
    const asked = [];
    disk.page.on('console', (message) => message.type() === 'warning' && warnings.push(message.text()));
    disk.context.on('request', (request) => asked.push(request.url()));
    const file = pathToFileURL(path.join(webDir, 'kestrel-sim.html')).href;
    await openOnTestClock(disk.tab, file);
    assert.deepEqual(await play(readScenarios()[0], disk.tab), []);
    assert.deepEqual(asked.filter((url) => url !== file && !url.startsWith('data:')), []);
    assert.deepEqual([...disk.errors, ...warnings], [], 'errors or warnings on the console');
  } finally {
    await disk.close();
  }
});

// The service worker's caches, by name, with the paths each holds.
function keptFiles(app) {
  return app.evaluate(async () => Object.fromEntries(await Promise.all((await caches.keys()).map(async (name) => {
    const requests = await (await caches.open(name)).keys();
    return [name, requests.map((request) => new URL(request.url).pathname).sort()];
  }))));
}

// Until a service worker of `version` controls the page, active, with the
// cache of its version alone.
async function waitForWorker(app, version) {
  const cache = `kestrel-sim-${version}`;
  await app.evaluate((cache) => {
    const workers = navigator.serviceWorker;
    (async () => {
      for (;;) {
        const changed = new Promise((resolve) => {
          workers.addEventListener('controllerchange', resolve, {once: true});
          workers.controller?.addEventListener('statechange', resolve, {once: true});
        });
        if (workers.controller?.state === 'activated' && (await caches.keys()).join() === cache) {
          window.kestrelWorker = cache;
          return;
        }
        await changed;
      }
    })();
  }, cache);
  await app.waitForFunction((cache) => window.kestrelWorker === cache, cache);
}

// Served, the page is an app: installable, with no network a reload starts
// it from the files its service worker keeps, and a new version served
// takes over on the next load. Served from a copy of the folder, which the
// test turns into a new version.
test('served, the page is installable, starts with no network, and updates', async () => {
  const folder = mkdtempSync(path.join(tmpdir(), 'kestrel-web-'));
  cpSync(webDir, folder, {recursive: true});
  const copy = await startServer(folder);
  const offline = await openBrowser();
  try {
    const app = offline.page;
    await openPage(app, copy.url);
    const worker = readFileSync(path.join(folder, 'service-worker.js'), 'utf8');
    const version = /const kVersion = '(\w+)'/.exec(worker)[1];
    await waitForWorker(app, version);
    assert.deepEqual(await keptFiles(app), {[`kestrel-sim-${version}`]: kPageFiles});
    const cdp = await offline.context.newCDPSession(app);
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);

    await offline.context.setOffline(true);
    await app.reload();
    await app.waitForFunction(() => window.kestrel && window.kestrel.painted());
    const manifest = await app.evaluate(async () => {
      const link = document.querySelector('link[rel=manifest]');
      const {name, display, start_url: start, icons} = await (await fetch(link.href)).json();
      const loaded = await Promise.all(icons.map(async ({src, sizes}) => {
        const image = new Image();
        image.src = new URL(src, link.href);
        await image.decode();
        return [sizes, `${image.naturalWidth}x${image.naturalHeight}`];
      }));
      return {name, display, start, loaded};
    });
    assert.deepEqual(manifest, {name: 'Kestrel Sim', display: 'standalone', start: './',
                                loaded: [['192x192', '192x192'], ['512x512', '512x512']]});

    // A new version, as a build writes it: other files, another version.
    await offline.context.setOffline(false);
    const index = path.join(folder, 'index.html');
    writeFileSync(index, readFileSync(index, 'utf8').replace('<head>', '<head><meta name="version" content="new">'));
    writeFileSync(path.join(folder, 'service-worker.js'), worker.replace(version, 'new'));
    await app.reload();
    await waitForWorker(app, 'new');
    await app.reload();
    assert.equal(await app.getAttribute('meta[name=version]', 'content'), 'new');
    assert.deepEqual(offline.errors, []);
  } finally {
    await offline.close();
    copy.stop();
    rmSync(folder, {recursive: true, force: true});
  }
});

test('the window is laid out as designed, sharp, accessible and named', async () => {
  const layout = await page.evaluate(() => {
    const canvas = document.getElementById('diagram');
    const frame = canvas.getBoundingClientRect();
    const place = (element) => {
      const box = element.getBoundingClientRect();
      return [box.left - frame.left, box.top - frame.top, box.width, box.height].map(Math.round);
    };
    return {
      canvas: [canvas.width, canvas.height, Math.round(frame.width), Math.round(frame.height)],
      role: canvas.getAttribute('role'),
      label: canvas.getAttribute('aria-label'),
      bias: place(document.getElementById('Text4')),
      start: place(document.getElementById('Command1')),
      startCaption: document.getElementById('Command1').textContent,
      disabled: [...document.querySelectorAll('#form input')].filter((i) => i.disabled).map((i) => i.id),
      title: document.title,
      focus: document.activeElement.id,
    };
  });
  assert.deepEqual(layout.canvas, [kWidth * kDeviceScale, kHeight * kDeviceScale, kWidth, kHeight]);
  assert.equal(layout.role, 'img');
  assert.match(layout.label, /no carriers yet: Start places them/);
  assert.deepEqual(layout.bias, [px(2280), px(6000), px(495), px(270)]);
  assert.deepEqual(layout.start, [px(5280), px(4440), px(1215), px(495)]);
  assert.equal(layout.startCaption, 'Start');
  assert.deepEqual(layout.disabled.sort(), ['Text2', 'Text3']);
  assert.match(layout.title, /^Kestrel Sim/);
  assert.equal(layout.focus, 'Command1', 'the focus starts on the first control in tab order');

  // Tab follows the design's tab order over what shows: Start, Close, the
  // bias, the readout, Restart; the boxes below the form are left out.
  await page.focus('#Command1');
  const order = [];
  for (let n = 0; n < 4; ++n) {
    await page.keyboard.press('Tab');
    order.push(await page.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(order, ['Command2', 'Text4', 'Text7', 'Command3']);
  assert.equal(await page.evaluate(() => document.querySelectorAll('#form input:not([inert])[inputmode=decimal]').length), 4);
  assert.deepEqual(await axeViolations(), []);
});

test('a run shows the dots where the replay tool puts them, paused and stepped', async () => {
  await page.fill('#Text4', kBias);
  await page.click('#Command1');
  // Real time runs the steps: wait for a few of them.
  await page.waitForFunction(() => [...window.kestrel.script().matchAll(/^tick Timer1(?: (\d+))?$/gm)]
    .reduce((sum, m) => sum + Number(m[1] || 1), 0) >= 5);
  const running = await page.evaluate(() => ({dump: window.kestrel.dump(), script: window.kestrel.script()}));
  assert.ok(running.script.startsWith(`type Text4 ${kBias}\nclick Command1\n`), running.script);
  assert.equal(running.dump, replayedDump(running.script));
  assert.match(await page.getAttribute('#diagram', 'aria-label'), /Bias 0\.3 V, forward: .* Electrons: \d+/);
  // The description is not rewritten at every step's new counts.
  const rewritten = await page.evaluate(() => new Promise((resolve) => {
    let changes = 0;
    new MutationObserver((records) => { changes += records.length; })
      .observe(document.getElementById('diagram'), {attributes: true, attributeFilter: ['aria-label']});
    const steps = () => [...window.kestrel.script().matchAll(/^tick Timer1(?: (\d+))?$/gm)]
      .reduce((sum, m) => sum + Number(m[1] || 1), 0);
    const until = steps() + 5;
    const poll = () => (steps() >= until ? resolve(changes) : requestAnimationFrame(poll));
    poll();
  }));
  assert.equal(rewritten, 0);
  assert.deepEqual(await axeViolations(), []);

  await page.keyboard.press('Alt+KeyK');
  assert.equal(await page.evaluate(() => window.kestrel.paused()), true);
  const paused = await pageState(page);
  const checked = assertShowsItsRun(paused, 'paused');
  assert.ok(checked >= 8, `only ${checked} dots could be checked`);

  await page.keyboard.press('Alt+KeyL');
  const stepped = await pageState(page);
  assert.equal(stepsIn(stepped.script), stepsIn(paused.script) + 1);
  assert.notEqual(stepped.dump, paused.dump);
  assertShowsItsRun(stepped, 'one step later');
});

// A whiteboard or a tablet: the classroom panel by touch, mouse and keys,
// its slider applying its bias as the user would, the zoom held to the page.
test('the classroom panel works by touch, mouse and keys and is remembered', async () => {
  const tablet = await openBrowser({viewport: {width: 800, height: 760}, hasTouch: true});
  try {
    const board = tablet.page;
    await openPage(board, server.url);
    const script = () => board.evaluate(() => window.kestrel.script());
    assert.equal(await board.isVisible('#panel'), true, 'a touch screen shows the panel from the start');
    const targets = await board.$$eval('#panel button, #bias-slider',
                                       (all) => all.map((e) => [e.textContent, e.getBoundingClientRect().height]));
    assert.equal(targets.length, 11);
    assert.ok(targets.every(([, height]) => height >= 44), JSON.stringify(targets));

    await board.tap('#panel [data-command=pause]');
    assert.equal(await board.evaluate(() => window.kestrel.paused()), true);
    assert.equal(await board.textContent('#panel [data-command=pause]'), 'Carry on');
    await board.focus('#bias-slider');
    await board.keyboard.press('ArrowRight');
    assert.equal(await script(), 'type Text4 0.01\nclick Command1\n');
    const slider = await board.locator('#bias-slider').boundingBox();
    await board.touchscreen.tap(slider.x + 2, slider.y + slider.height / 2);
    assert.match(await script(), /click Command1\ntype Text4 -0\.\d\d\nclick Command3\n$/);
    await board.click('#panel [data-command=step]');
    assert.equal(stepsIn(await script()), 1);
    assert.match(await board.textContent('#panel .panel-status'), /^Paused · 1× · \d\d:\d\d$/);

    for (let n = 0; n < 8; ++n) {
      await board.click('#panel [data-command=zoom-in]');
    }
    const stage = await board.locator('#stage').boundingBox();
    const form = await board.locator('#diagram').boundingBox();
    assert.ok(form.width <= stage.width && form.height <= stage.height, JSON.stringify({stage, form}));

    await board.keyboard.press('Alt+KeyP');
    assert.equal(await board.isVisible('#panel'), false);
    await board.reload();
    await board.waitForFunction(() => window.kestrel && window.kestrel.painted());
    assert.equal(await board.isVisible('#panel'), false, 'the panel stays as the teacher left it');
    assert.deepEqual(tablet.errors, []);
  } finally {
    await tablet.close();
  }
});

// A teacher hands a class a prepared set-up as a link, by the desktop's
// option names; a refused value is said on the page and the rest applied.
test('a link sets the run up as the command line does, and the menu copies one', async () => {
  const fresh = await browser.context.newPage();
  try {
    await openPage(fresh, `${server.url}?bias=-0.3&start&paused&speed=2&zoom=abc`);
    assert.equal(await fresh.evaluate(() => window.kestrel.script()), 'type Text4 -0.3\nclick Command1\n');
    assert.deepEqual(await fresh.evaluate(() => [window.kestrel.paused(), window.kestrel.speed()]), [true, 2]);
    assert.equal(await fresh.textContent('#message-text'), 'zoom needs a positive number, not "abc"');
    await fresh.keyboard.press('Enter');
    await fresh.keyboard.press('Alt+KeyU');
    assert.equal(await fresh.textContent('#message-text'),
                 `A link to this set-up is copied:\n${server.url}?bias=-0.3&start&paused&speed=2`);
  } finally {
    await fresh.close();
  }
});

test('the menu saves the run, the readouts and the picture', async () => {
  const saved = async (command) => {
    await page.click('#menu-button');
    const [download] = await Promise.all([page.waitForEvent('download'), page.click(`[data-command="${command}"]`)]);
    const chunks = [];
    for await (const chunk of await download.createReadStream()) {
      chunks.push(chunk);
    }
    return {name: download.suggestedFilename(), bytes: Buffer.concat(chunks)};
  };
  const script = await saved('save-run');
  assert.equal(script.bytes.toString(), await page.evaluate(() => window.kestrel.script()));
  const readouts = await saved('save-readouts');
  assert.equal(readouts.bytes.toString(), await page.evaluate(() => window.kestrel.readoutsCsv()));
  const picture = await saved('save-picture');
  assert.equal(picture.name, 'kestrel-picture.png');
  assert.equal(picture.bytes.subarray(1, 4).toString(), 'PNG');

});

test('the readouts at each bias show as a chart of current against bias', async () => {
  const readoutsAt = (bias, first) => [`type Text4 ${bias}`, first ? 'click Command1' : 'click Command3',
                                       'tick Timer1 200', 'tick Timer2', 'tick Timer1 200', 'tick Timer2'];
  const script = [...readoutsAt('-0.5', true), ...readoutsAt('0.4', false)].join('\n') + '\n';
  await page.setInputFiles('#script-file', {name: 'iv.replay', mimeType: 'text/plain', buffer: Buffer.from(script)});
  await page.waitForFunction((start) => window.kestrel.script().startsWith(start), script);
  // The new readouts are said once, politely; not each of the opened run's.
  assert.equal(await page.textContent('#news'), `Current (mA): ${await page.inputValue('#Text7')}.`);
  await page.keyboard.press('Control+KeyI');
  await page.locator('#iv').waitFor({state: 'visible'});
  const chart = await canvasPixels('iv-chart', [0, 0, 0]);
  assert.match(chart.label, /^Current against bias: -0\.5 V, -?\d+ \(part of a period\); -0\.5 V, -?\d+; 0\.4 V, \d+ \(part/);
  assert.ok(chart.count > 1000, 'the chart is blank');
  assert.deepEqual(await axeViolations(), []);

  // Cleared, the chart starts afresh and the readouts stay for the CSV.
  const csv = await page.evaluate(() => window.kestrel.readoutsCsv());
  await page.click('#iv-clear');
  assert.equal(await page.getAttribute('#iv-chart', 'aria-label'), 'Current against bias: no readout at a bias yet.');
  assert.equal(await page.evaluate(() => window.kestrel.readoutsCsv()), csv);

  // With the focus in the chart's panel, the picture key saves the chart.
  await page.focus('#iv-chart');
  const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Control+Shift+KeyS')]);
  const chunks = [];
  for await (const chunk of await download.createReadStream()) {
    chunks.push(chunk);
  }
  const png = Buffer.concat(chunks);
  const size = await page.evaluate(() => [document.getElementById('iv-chart').width, document.getElementById('iv-chart').height]);
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], size);
  await page.click('#iv button[value="ok"]');
});

// The run has readouts by now: "Close" asks first, and can save the run.
test('"Close" asks before it ends a run with readouts, saves it, and the page says so', async () => {
  if (!await page.evaluate(() => window.kestrel.paused())) {
    await page.keyboard.press('Alt+KeyK');
  }
  await page.click('#Command2');
  await page.locator('#close-ask').waitFor({state: 'visible'});
  await page.keyboard.press('Escape');
  assert.equal(await page.evaluate(() => window.kestrel.ended()), false, 'Escape goes on with the run');
  const before = await page.evaluate(() => window.kestrel.script());
  await page.click('#Command2');
  const [asked] = await Promise.all([page.waitForEvent('download'), page.click('#close-ask [value=save]')]);
  assert.equal(await asked.suggestedFilename(), 'kestrel-run.replay');
  await page.locator('#ended').waitFor({state: 'visible'});
  assert.equal(await page.evaluate(() => window.kestrel.script()), before + 'click Command2\n');
  assert.equal(await page.evaluate(() => window.kestrel.ended()), true);
  assert.equal(await page.isVisible('#form'), false);
  // The whole run stays to be kept once it has ended.
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save-ended')]);
  const chunks = [];
  for await (const chunk of await download.createReadStream()) {
    chunks.push(chunk);
  }
  assert.equal(Buffer.concat(chunks).toString(), await page.evaluate(() => window.kestrel.script()));
  assert.match(Buffer.concat(chunks).toString(), /\nclick Command2\n$/);
});

test('a Japanese browser gets the page and its messages in Japanese', async () => {
  await page.addInitScript(() => Object.defineProperty(Navigator.prototype, 'languages', {get: () => ['ja-JP', 'en']}));
  await openPage(page, server.url);
  assert.equal(await page.textContent('#Command1'), 'スタート');
  assert.equal(await page.textContent('#menu-button'), 'メニュー');
  await page.fill('#Text4', 'abc');
  await page.press('#Text4', 'Enter');
  const dialog = page.locator('dialog[role="alertdialog"]');
  await dialog.waitFor({state: 'visible'});
  assert.match(await dialog.textContent(), /バイアス \(V\)：「abc」は数値ではありません。/);
  await page.keyboard.press('Enter');
  // Alt+W: the core's legend and words, in Japanese.
  await page.keyboard.press('Alt+KeyW');
  const explained = page.locator('#what-you-see');
  await explained.waitFor({state: 'visible'});
  assert.match(await explained.textContent(), /読み値（10 秒間に横切ったキャリアの正味の数）/);
  const legend = await canvasPixels('legend', [255, 0, 0]);
  assert.match(legend.label, /^電子：黒い点。/);
  assert.ok(legend.count > 0, 'the legend has no generation marker');
  assert.deepEqual(await axeViolations(), []);
  await page.keyboard.press('Escape');
  assert.deepEqual(browser.errors, [], 'errors on the console');
});

for (const scenario of readScenarios()) {
  test(`the conformance table: ${scenario.name}`, async () => {
    const fresh = await browser.context.newPage();
    try {
      const tab = chromiumTab(fresh);
      await openOnTestClock(tab, server.url);
      assert.deepEqual(await play(scenario, tab), []);
    } finally {
      await fresh.close();
    }
  });
}
