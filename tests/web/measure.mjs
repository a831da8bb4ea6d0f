// The page's budgets, measured as a user meets them, in headless Chromium:
// what the page loads (gzipped), served and as one file, navigation to the first painted form, the
// tick rate over 30 s of a run, and one tick of the core in WebAssembly
// (under Node) beside the same tick natively. Prints a Markdown table for the
// README and writes bench/results/web-<machine>.csv.
//
//   tests/web/run measure [--machine NAME]      (after scripts/web)
//
// Run it on an otherwise idle machine; it takes about a minute.

import {spawnSync} from 'node:child_process';
import {existsSync, readdirSync, readFileSync, writeFileSync} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {gzipSync} from 'node:zlib';

import {openBrowser, openPage, root, startServer, stepsIn, webDir} from './browser.mjs';

const kLoads = 7;
const kRunSeconds = 30;

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
  try {
    paints = await firstPaints(browser, server.url);
    await openPage(browser.page, server.url);
    rate = await tickRate(browser.page);
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
