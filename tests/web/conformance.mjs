// The conformance table (tests/conformance/scenarios.txt) played on the page
// as a user plays it: typing and Enter in its boxes, clicks on its buttons,
// its keys, a saved run opened from a file; real time from a clock the test
// moves by hand. The window and the core's host play the same table; here
// it is played through a tab of either browser engine (engines.mjs).

import {readFileSync} from 'node:fs';
import path from 'node:path';

import {replayedDump, root, stepsIn} from './browser.mjs';

// As the window's and the host's drivers do: pieces that miss the steps.
const kWaitPieceMs = 40;

// The browsers' names for the table's keys.
const kKeyNames = {',': 'Comma', '.': 'Period', '/': 'Slash', '-': 'Minus', '=': 'Equal', '+': 'Shift+Equal',
                   'Esc': 'Escape'};

export function readScenarios() {
  const text = readFileSync(path.join(root, 'tests/conformance/scenarios.txt'), 'utf8');
  const scenarios = [];
  text.split('\n').forEach((line, index) => {
    if (!line || line.startsWith('#')) {
      return;
    }
    const space = line.indexOf(' ');
    const verb = space < 0 ? line : line.slice(0, space);
    const rest = space < 0 ? '' : line.slice(space + 1);
    if (verb === 'scenario') {
      scenarios.push({name: rest, lines: []});
    } else {
      scenarios.at(-1).lines.push({number: index + 1, verb, rest, words: rest.split(' ')});
    }
  });
  return scenarios;
}

// FNV-1a, 64 bits, in hex, of the dump's UTF-8 bytes.
function fingerprint(text) {
  let hash = 0xcbf29ce484222325n;
  for (const byte of Buffer.from(text, 'utf8')) {
    hash = ((hash ^ BigInt(byte)) * 0x100000001b3n) & 0xffffffffffffffffn;
  }
  return hash.toString(16);
}

function factsOf(dump) {
  const count = (name) => (new RegExp(`"${name}":(-?\\d+)`).exec(dump) || [])[1] ?? '?';
  return `electrons=${count('ElectronCount')} holes=${count('HoleCount')}`;
}

function browserKey(key) {
  const parts = key.endsWith('++') ? [...key.slice(0, -2).split('+'), '+'] : key.split('+');
  const last = parts.pop();
  const name = kKeyNames[last] || (/^[A-Z]$/.test(last) ? 'Key' + last : /^\d$/.test(last) ? 'Digit' + last : last);
  return [...parts.map((modifier) => (modifier === 'Ctrl' ? 'Control' : modifier)), name].join('+');
}

// The page on a clock of the test's own, before its script runs.
export async function openOnTestClock(tab, url) {
  await tab.beforeLoad(() => {
    window.kestrelNow = 0;
    window.kestrelClock = () => window.kestrelNow;
  });
  await tab.goto(url);
  await tab.waitFor(() => window.kestrel && window.kestrel.painted());
}

class PageDriver {
  constructor(tab) {
    this.tab = tab;
    this.messages = [];
  }

  // A message the last event left is read and closed, as a user does.
  async collectMessage() {
    const text = await this.tab.evaluate(() => {
      const dialog = document.getElementById('message');
      if (!dialog.open) {
        return null;
      }
      dialog.close();
      return document.getElementById('message-text').textContent;
    });
    if (text !== null) {
      this.messages.push(text);
    }
  }

  async act(line) {
    const [first] = line.words;
    const tab = this.tab;
    switch (line.verb) {
      case 'type': return tab.fill(`#${first}`, line.rest.slice(first.length + 1));
      case 'enter': return tab.pressIn(`#${first}`, 'Enter');
      case 'click': return tab.click(`#${first}`);
      case 'key': return tab.press(browserKey(first));
      case 'wait':
        for (let left = Number(first); left > 0; left -= kWaitPieceMs) {
          await tab.evaluate((ms) => {
            window.kestrelNow += ms;
            window.kestrel.timePassed();
          }, Math.min(left, kWaitPieceMs));
        }
        return undefined;
      case 'open': {
        const openings = await tab.evaluate(() => window.kestrel.openings());
        await tab.openFile('#script-file', 'run.replay', line.rest.split('|').join('\n') + '\n');
        return tab.waitFor((before) => window.kestrel.openings() > before, openings);
      }
    }
    return undefined;
  }

  async check(line) {
    const [what] = line.words;
    const value = line.rest.slice(what.length + 1);
    const state = await this.tab.evaluate(() => ({
      paused: window.kestrel.paused(), speed: window.kestrel.speed(), record: window.kestrel.script(),
      ended: window.kestrel.ended(), dump: window.kestrel.dump(),
    }));
    const yesNo = (flag) => (flag ? 'yes' : 'no');
    let actual;
    let same;
    switch (what) {
      case 'box':
        actual = await this.tab.value(`#${line.words[1]}`);
        same = actual === value.slice(line.words[1].length + 1);
        break;
      case 'message':
      case 'no-message':
        actual = this.messages.at(-1) ?? 'no message';
        same = what === 'message' ? this.messages.length > 0 && actual.includes(value) : this.messages.length === 0;
        this.messages = [];
        break;
      case 'paused': actual = yesNo(state.paused); same = actual === value; break;
      case 'speed': actual = String(state.speed); same = state.speed === Number(value); break;
      case 'steps': actual = String(stepsIn(state.record)); same = actual === value; break;
      case 'ended': actual = yesNo(state.ended); same = actual === value; break;
      case 'form':
        actual = `${fingerprint(state.dump)} ${factsOf(state.dump)}`;
        same = actual === value;
        break;
    }
    return same ? null : `line ${line.number}: expected ${line.rest}, shown ${actual}`;
  }
}

// What differed from the scenario's expectations, one line each.
export async function play(scenario, tab) {
  const driver = new PageDriver(tab);
  const differences = [];
  for (const line of scenario.lines) {
    if (line.verb === 'expect') {
      const difference = await driver.check(line);
      if (difference) {
        differences.push(difference);
      }
    } else {
      await driver.act(line);
      await driver.collectMessage();
    }
  }
  const end = await tab.evaluate(() => ({ended: window.kestrel.ended(), dump: window.kestrel.dump(),
                                          record: window.kestrel.script()}));
  if (!end.ended && replayedDump(end.record) !== end.dump) {
    differences.push(`the replay tool makes another form of the run's record:\n${end.record}`);
  }
  return differences;
}
