// The two browser engines the page is tested in, behind the few things a
// user does to it: Chromium driven by playwright-core, and Firefox ESR driven
// by puppeteer-core over WebDriver BiDi. A test that plays the page through
// a tab runs the same in both.

import {mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import path from 'node:path';

import puppeteer from 'puppeteer-core';

const firefoxPath = process.env.KESTREL_FIREFOX || '/usr/bin/firefox-esr';

// A playwright-core page as a tab.
export function chromiumTab(page) {
  return {
    goto: (url) => page.goto(url),
    beforeLoad: (script) => page.addInitScript(script),
    evaluate: (script, arg) => page.evaluate(script, arg),
    waitFor: (script, arg) => page.waitForFunction(script, arg),
    fill: (selector, text) => page.fill(selector, text),
    pressIn: (selector, key) => page.press(selector, key),
    click: (selector) => page.click(selector),
    press: (keys) => page.keyboard.press(keys),
    value: (selector) => page.inputValue(selector),
    openFile: (selector, name, text) =>
      page.setInputFiles(selector, {name, mimeType: 'text/plain', buffer: Buffer.from(text)}),
  };
}

// A puppeteer-core page as a tab. Its keyboard takes one key at a time, so
// a chord ("Control+Shift+KeyS") is held down modifier by modifier; a box
// is filled by typing over its selected text, as a user fills one; and a
// file is chosen from the disk, as a user chooses one.
function firefoxTab(page, folder) {
  return {
    goto: (url) => page.goto(url),
    beforeLoad: (script) => page.evaluateOnNewDocument(script),
    evaluate: (script, arg) => page.evaluate(script, arg),
    waitFor: (script, arg) => page.waitForFunction(script, {}, arg),
    fill: async (selector, text) => {
      await page.$eval(selector, (input) => {
        input.focus();
        input.select();
      });
      await (text ? page.keyboard.type(text) : page.keyboard.press('Backspace'));
    },
    pressIn: async (selector, key) => {
      await page.focus(selector);
      await page.keyboard.press(key);
    },
    click: (selector) => page.click(selector),
    press: async (keys) => {
      const modifiers = keys.split('+');
      const key = modifiers.pop();
      for (const modifier of modifiers) {
        await page.keyboard.down(modifier);
      }
      await page.keyboard.press(key);
      for (const modifier of modifiers.reverse()) {
        await page.keyboard.up(modifier);
      }
    },
    value: (selector) => page.$eval(selector, (input) => input.value),
    openFile: async (selector, name, text) => {
      const file = path.join(folder, name);
      writeFileSync(file, text);
      await (await page.$(selector)).uploadFile(file);
    },
  };
}

// Firefox before 144 (Debian 12's ESR 140 without its security updates)
// knows the viewport command puppeteer-core sends but not the screen
// orientation command it sends after it: the viewport is set all the same.
async function setViewport(page, {width, height, deviceScaleFactor}) {
  try {
    await page.setViewport({width, height, deviceScaleFactor});
  } catch (error) {
    if (!/unknown command emulation\.setScreenOrientationOverride/.test(error.message)) {
      throw error;
    }
    await page.waitForFunction(([w, h, ratio]) => innerWidth === w && innerHeight === h && devicePixelRatio === ratio,
                               {}, [width, height, deviceScaleFactor]);
  }
}

// Firefox ESR, headless, with an empty profile of its own; everything the
// page says on its console that is an error, and every uncaught exception,
// is kept.
export async function openFirefox() {
  const profile = mkdtempSync(path.join(tmpdir(), 'kestrel-firefox-'));
  const browser = await puppeteer.launch({
    browser: 'firefox', protocol: 'webDriverBiDi', executablePath: firefoxPath, headless: true,
    userDataDir: path.join(profile, 'profile'), defaultViewport: null,
  });
  const errors = [];
  const newTab = async ({width = 1000, height = 700, deviceScaleFactor = 1} = {}) => {
    const page = await browser.newPage();
    await setViewport(page, {width, height, deviceScaleFactor});
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    page.on('pageerror', (error) => errors.push(error.message));
    return {page, tab: firefoxTab(page, profile)};
  };
  return {
    errors, newTab,
    close: async () => {
      await browser.close();
      rmSync(profile, {recursive: true, force: true});
    },
  };
}
