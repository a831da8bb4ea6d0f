// The page's budgets, measured as a user meets them, in headless Chromium:
// what the page loads (gzipped), served and as one file, navigation to the
// first painted form, the tick rate over 30 s of a run, the processor time
// of the browser animating the page beside the same browser animating a
// bare canvas, and one tick of the core in WebAssembly (under Node) beside
// the same tick natively. Prints a Markdown table for the README and writes
// bench/results/web-<machine>.csv.
//
//   tests/web/run measure [--machine NAME]      (after scripts/web)
//
// Run it on an otherwise idle machine; it takes about four minutes.

import {spawnSync} from 'node:child_process';
import {existsSync, readdirSync, readFileSync, writeFileSync} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {gzipSync} from 'node:zlib';

import {openBrowser, openPage, root, startServer, stepsIn, webDir} from './browser.mjs';
import {browserSeconds} from './processor_time.mjs';

const kLoads = 7;
const kRunSeconds = 30;
// The processor time is read over this long, after this long to settle.
const kBusySeconds = 20;
const kSettleSeconds = 2;
const kBusyRounds = 3;
// The bare canvas: as many dots as a run shows, moved as often as it ticks.
const kBareDots = 100;
const kBareTickMs = 50;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

// The page as one file, beside the folder's files, to open without a server.
const kSingleFile = 'kestrel-sim.html';

function gzippedBytes(names) {
  return names.reduce((sum, name) => sum + gzipSync(readFileSync(path.join(webDir, name)), {level: 9}).length, 0);
}

// Milliseconds from the start of navigation to the frame that first painted
// the form, for each of kLoads loads in fresh pages.
async function firstPaints(browser, url) {
  const times = [];
  for (let n = 0; n < kLoads; ++n) {
    const page = await browser.page.context().newPage();
    await openPage(page, url);
    times.push(await page.evaluate(() => performance.getEntriesByName('kestrel-form-painted')[0].startTime));
    await page.close();
  }
  return times;
}

// Timer1's ticks per second of real time over kRunSeconds of a run.
async function tickRate(page) {
  await page.fill('#Text4', '0.3');
  await page.click('#Command1');
  await page.waitForTimeout(1000);
  const read = () => page.evaluate(() => [performance.now(), window.kestrel.script()]);
  const [start, before] = await read();
  await page.waitForTimeout(kRunSeconds * 1000);
  const [end, after] = await read();
  return (stepsIn(after) - stepsIn(before)) / ((end - start) / 1000);
}

// The share of one core the browser's processes use over kBusySeconds,
// once `prepare` has set its page going in a browser of its own.
async function busyShare(prepare) {
  const browser = await openBrowser();
  try {
    await prepare(browser.page);
    await browser.page.waitForTimeout(kSettleSeconds * 1000);
    const before = browserSeconds(browser.profile);
    await browser.page.waitForTimeout(kBusySeconds * 1000);
    return (browserSeconds(browser.profile) - before) / kBusySeconds;
  } finally {
    await browser.close();
  }
}

// A page that does nothing but animate kBareDots dots on a canvas of the
// diagram's size, in CSS and in device pixels, every kBareTickMs.
function animateBareCanvas([cssWidth, cssHeight, width, height, dots, tickMs]) {
  const canvas = document.createElement('canvas');
  Object.assign(canvas, {width, height});
  Object.assign(canvas.style, {width: `${cssWidth}px`, height: `${cssHeight}px`});
  document.body.append(canvas);
  const context = canvas.getContext('2d');
  const size = width / 100;
  let step = 0;
  setInterval(() => {
    ++step;
    context.fillStyle = '#f0f0f0';
    context.fillRect(0, 0, width, height);
    for (let n = 0; n < dots; ++n) {
      context.beginPath();
      context.arc((n * 37 + step * (n % 5 + 1)) % width, (n * 53 + step * (n % 3 + 1)) % height, size, 0, 2 * Math.PI);
      context.fillStyle = n % 2 ? '#000000' : '#ffffff';
      context.fill();
      context.stroke();
    }
  }, tickMs);
}

// The diagram's canvas: its size in CSS pixels and in device pixels.
function diagramSize(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('diagram');
    const box = canvas.getBoundingClientRect();
    return [box.width, box.height, canvas.width, canvas.height];
  });
}

// The page running at 0.3 V and the bare canvas, by turns, kBusyRounds
// times, then the page paused, each in a browser of its own: the share of a
// core each uses, the median of its rounds.
async function processorShares(url) {
  let size;
  const runPage = async (page) => {
    await openPage(page, url);
    size = await diagramSize(page);
    await page.fill('#Text4', '0.3');
    await page.click('#Command1');
  };
  const running = [];
  const bare = [];
  for (let round = 0; round < kBusyRounds; ++round) {
    running.push(await busyShare(runPage));
    bare.push(await busyShare((page) => page.evaluate(animateBareCanvas, [...size, kBareDots, kBareTickMs])));
  }
  const paused = await busyShare(async (page) => {
    await runPage(page);
    await page.keyboard.press('Alt+KeyK');
  });
  return {running: median(running), bare: median(bare), paused};
}

// kestrel_tick_time's median tick in microseconds; not a number where it
// has not been built.
function tickTime(file, runner = []) {
  if (!existsSync(file)) {
    return NaN;
  }
  const [program, ...args] = [...runner, file];
  const done = spawnSync(program, args, {encoding: 'utf8'});
  return Number(/tick: ([\d.]+) us/.exec(done.stdout)?.[1]);
}

function machineName() {
  const cpu = /model name\s*:\s*(.*)/.exec(readFileSync('/proc/cpuinfo', 'utf8'))?.[1] || 'unknown CPU';
  return `${cpu}, ${os.cpus().length} cores, ${os.type()} ${os.release()}`;
}

async function main() {
  const machineArg = process.argv.indexOf('--machine');
  const machine = machineName();
  const slug = machineArg > 0 ? process.argv[machineArg + 1]
      : machine.split(',')[0].toLowerCase().replace(/[^a-z0-9]+/g, '-').replace(/^-|-$/g, '') + `-${os.cpus().length}core`;

  const server = await startServer();
  const browser = await openBrowser();
  let paints;
  let rate;
  let shares;
  try {
    paints = await firstPaints(browser, server.url);
    await openPage(browser.page, server.url);
    rate = await tickRate(browser.page);
    shares = await processorShares(server.url);
  } finally {
    await browser.close();
    server.stop();
  }
  const nativeTick = tickTime(path.join(root, 'build/default/bench/kestrel_tick_time'));
  const wasmTick = tickTime(path.join(root, 'build/web-build/bench/kestrel_tick_time.js'), ['node']);
  const kb = gzippedBytes(readdirSync(webDir).filter((name) => name !== kSingleFile)) / 1024;
  const singleKb = gzippedBytes([kSingleFile]) / 1024;

  const measures = [
    ['page_gzip_kb', 'Everything the page loads, gzipped', kb, 'KB', '≤ 250', kb <= 250],
    ['single_file_gzip_kb', `The page as one file (${kSingleFile}), gzipped`, singleKb, 'KB', '≤ 250', singleKb <= 250],
    ['first_paint_median_ms', `Navigation to the first painted form, median of ${kLoads}`, median(paints), 'ms', '≤ 500',
     median(paints) <= 500],
    ['first_paint_worst_ms', `Navigation to the first painted form, worst of ${kLoads}`, Math.max(...paints), 'ms',
     '≤ 500', Math.max(...paints) <= 500],
    ['tick_rate_per_s', `Tick rate over ${kRunSeconds} s`, rate, 'per s', '20 ± 0.5', Math.abs(rate - 20) <= 0.5],
    ['running_cpu_percent', `Processor time animating, share of a core over ${kBusySeconds} s, median of ${kBusyRounds}`, 100 * shares.running,
     '%', '≤ 1.5 × bare canvas', shares.running <= 1.5 * shares.bare],
    ['bare_canvas_cpu_percent', `The same for a bare canvas animating ${kBareDots} dots at 20 Hz`, 100 * shares.bare, '%',
     '', true],
    ['paused_cpu_percent', `Processor time paused, share of a core over ${kBusySeconds} s`, 100 * shares.paused, '%',
     '≤ 1', shares.paused <= 0.01],
    ['native_tick_us', 'One tick, native (kestrel_tick_time)', nativeTick, 'µs', '', true],
    ['wasm_tick_us', 'One tick, WebAssembly under Node', wasmTick, 'µs', '≤ 2 × native', wasmTick <= 2 * nativeTick],
  ];
  const csv = [`# ${machine}`, 'measure,value,unit,target,within_target',
               ...measures.map(([key, , value, unit, target, within]) =>
                 `${key},${value.toFixed(3)},${unit},${target},${within ? 'yes' : 'NO'}`)];
  const out = path.join(root, 'bench/results', `web-${slug}.csv`);
  writeFileSync(out, csv.join('\n') + '\n');

  console.log(`Machine: ${machine}\n\n| Measure | Value | Target |\n|---|---|---|`);
  for (const [, what, value, unit, target, within] of measures) {
    console.log(`| ${what} | ${value.toFixed(value < 100 ? 2 : 0)} ${unit} | ${target}${within ? '' : ' — **missed**'} |`);
  }
  console.log(`\nWritten to ${path.relative(root, out)}`);
}

await main();
