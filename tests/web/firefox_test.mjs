// The page in headless Firefox ESR: the conformance table that Chromium,
// the window and the core's host play too, a run on real time whose canvas
// must show what the replay tool computes for the page's own record, the
// Tab order, and the page as one file opened from a disk. The console must
// stay free of errors.
//
//   tests/web/run        (builds nothing: run scripts/web first)

import assert from 'node:assert/strict';
import path from 'node:path';
import {after, before, test} from 'node:test';
import {pathToFileURL} from 'node:url';

import {openPage, pageState, startServer, stepsIn, webDir} from './browser.mjs';
import {openOnTestClock, play, readScenarios} from './conformance.mjs';
import {assertShowsItsRun} from './diagram_pixels.mjs';
import {openFirefox} from './engines.mjs';

const kForm = {width: 605, height: 453 + 40, deviceScaleFactor: 2};  // the form below the page's bar, sharp

let server;
let firefox;

before(async () => {
  server = await startServer();
  firefox = await openFirefox();
});

after(async () => {
  await firefox?.close();
  server?.stop();
});

test('in Firefox, the single file runs opened from a disk', async () => {
  const {page, tab} = await firefox.newTab();
  await openOnTestClock(tab, pathToFileURL(path.join(webDir, 'kestrel-sim.html')).href);
  assert.deepEqual(await play(readScenarios()[0], tab), []);
  await page.close();
  assert.deepEqual(firefox.errors, []);
});

test('in Firefox, Tab follows the form and a run shows the dots where the replay tool puts them', async () => {
  const {page, tab} = await firefox.newTab(kForm);
  await openPage(page, server.url);
  await tab.evaluate(() => document.getElementById('Command1').focus());
  const order = [];
  for (let n = 0; n < 4; ++n) {
    await tab.press('Tab');
    order.push(await tab.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(order, ['Command2', 'Text4', 'Text7', 'Command3']);

  await tab.fill('#Text4', '0.3');
  await tab.pressIn('#Text4', 'Enter');
  await tab.waitFor(() => [...window.kestrel.script().matchAll(/^tick Timer1(?: (\d+))?$/gm)]
    .reduce((sum, m) => sum + Number(m[1] || 1), 0) >= 20);
  await tab.press('Alt+KeyK');
  const paused = await pageState(page);
  const checked = assertShowsItsRun(paused, 'paused');
  assert.ok(checked >= 8, `only ${checked} dots could be checked`);
  await tab.press('Alt+KeyL');
  const stepped = await pageState(page);
  assert.equal(stepsIn(stepped.script), stepsIn(paused.script) + 1);
  assertShowsItsRun(stepped, 'one step later');
  await page.close();
  assert.deepEqual(firefox.errors, []);
});

for (const scenario of readScenarios()) {
  test(`in Firefox, the conformance table: ${scenario.name}`, async () => {
    const {page, tab} = await firefox.newTab();
    try {
      await openOnTestClock(tab, server.url);
      assert.deepEqual(await play(scenario, tab), []);
    } finally {
      await page.close();
    }
  });
}
