// What the browser tests share: the page served from a local static server
// and opened in headless Debian Chromium with a fresh profile, the replay
// tool that says where the dots must be, and a few page probes.

import {spawn, spawnSync} from 'node:child_process';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {chromium} from 'playwright-core';

import {chromiumTab} from './engines.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
export const root = path.resolve(here, '../..');
export const webDir = process.env.KESTREL_WEB_DIR || path.join(root, 'build/web');
const replayTool = process.env.KESTREL_REPLAY || path.join(root, 'build/web-build/kestrel-replay.js');
const chromiumPath = process.env.KESTREL_CHROMIUM || '/usr/bin/chromium';

// Without these, headless Chromium waits for a network it cannot reach.
const kChromiumFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];
// The core's twips to a logical pixel, as the page reports it.
let twipsPerPixel;

// python3 -m http.server on a free port of the loopback address.
export async function startServer(folder = webDir) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '-d', folder, '0'],
                       {stdio: ['ignore', 'pipe', 'pipe']});
  const port = await new Promise((resolve, reject) => {
    let seen = '';
    server.stdout.on('data', (chunk) => {
      seen += chunk;
      const found = /port (\d+)/.exec(seen);
      if (found) {
        resolve(Number(found[1]));
      }
    });
    server.on('exit', (status) => reject(new Error(`the static server ended with status ${status}: ${seen}`)));
    setTimeout(() => reject(new Error('the static server did not start within 10 s')), 10_000);
  });
  return {url: `http://127.0.0.1:${port}/`, stop: () => server.kill()};
}

// A browser with an empty profile of its own; everything the page says on
// its console that is an error, and every uncaught exception, is kept.
export async function openBrowser({viewport = {width: 1000, height: 700}, deviceScaleFactor = 1, hasTouch = false} = {}) {
  const profile = mkdtempSync(path.join(tmpdir(), 'kestrel-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath, headless: true, args: kChromiumFlags, viewport, deviceScaleFactor, hasTouch,
    acceptDownloads: true,
  });
  const page = context.pages()[0] || await context.newPage();
  const errors = [];
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  page.on('pageerror', (error) => errors.push(error.message));
  return {
    page, tab: chromiumTab(page), errors, context, profile,
    close: async () => {
      await context.close();
      rmSync(profile, {recursive: true, force: true});
    },
  };
}

export async function openPage(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => window.kestrel && window.kestrel.painted());
  twipsPerPixel = await page.evaluate(() => window.kestrel.twipsPerPixel);
}

// The replay tool's dump after a script: where the simulation has everything.
export function replayedDump(script) {
  const done = spawnSync('node', [replayTool, '-'], {input: script + 'dump\n', encoding: 'utf8'});
  if (done.status !== 0) {
    throw new Error(`the replay tool ended with status ${done.status}: ${done.stderr}`);
  }
  return done.stdout.trimEnd().split('\n').pop();
}

// Timer1's ticks in a script.
export function stepsIn(script) {
  return [...script.matchAll(/^tick Timer1(?: (\d+))?$/gm)].reduce((sum, m) => sum + Number(m[1] || 1), 0);
}

// What the page shows now: its dump and script, read together, and the
// canvas once it has painted that state, as one class per logical pixel
// (at its centre): BLACK, WHITE, BACKGROUND (the window's light grey), GREY
// (any other grey) or COLOUR.
export const BLACK = '#';
export const WHITE = 'o';
export const BACKGROUND = '_';
export const GREY = '.';
export const COLOUR = '+';

export async function pageState(page) {
  return page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(() => {
    const canvas = document.getElementById('diagram');
    const width = 605;
    const height = 453;
    const scale = canvas.width / width;
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let classes = '';
    for (let y = 0; y < height; ++y) {
      for (let x = 0; x < width; ++x) {
        const i = (Math.floor((y + 0.5) * scale) * canvas.width + Math.floor((x + 0.5) * scale)) * 4;
        const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
        classes += r === 0 && g === 0 && b === 0 ? '#' : r === 255 && g === 255 && b === 255 ? 'o'
                 : r === 240 && g === 240 && b === 240 ? '_' : r === g && g === b ? '.' : '+';
      }
    }
    resolve({dump: window.kestrel.dump(), script: window.kestrel.script(), classes, width});
  }))));
}

// A length in twips held as a single, in the window's logical pixels.
export function px(twips) {
  const pixels = Math.fround(twips) / twipsPerPixel;
  return Math.sign(pixels) * Math.floor(Math.abs(pixels) + 0.5);
}
