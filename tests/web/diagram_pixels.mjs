// Whether the diagram's pixels show the form's run: the dots of the dump
// where the replay tool puts them, drawn as the window draws them, and
// nothing else black or white away from the lines and the letters.

import assert from 'node:assert/strict';

import {BACKGROUND, BLACK, px, replayedDump, WHITE} from './browser.mjs';

const kWidth = 605;
const kDiagramBottom = 4200;  // twips: the band diagram lies above the first control
// Logical pixels of the first control's caption that a browser's hinting may
// ink above its box (Firefox inks the top row of "Fermi level" pure black).
const kCaptionRise = 2;
const kLetters = [915, 1635, 585, 1785];  // twips: the band labels' "E C", "E F", "E V" (x, y, width, height)

// The dots of a dump on the diagram, in logical pixels.
function dotsOf(dump) {
  const size = px(dump.DotSize);
  const dots = [];
  for (const [kind, fill] of [['Shape1', BLACK], ['Shape2', WHITE]]) {
    for (const [left, top] of dump[kind]) {
      const [x, y] = [px(left), px(top)];
      if (y + size <= px(kDiagramBottom) && x >= 0 && x + size <= kWidth) {
        dots.push({x, y, fill});
      }
    }
  }
  return {dots, size};
}

// The logical pixels at most one away from the visible lines of a dump.
function nearLines(dump) {
  const near = new Set();
  for (let n = 1; n <= 19; ++n) {
    const [x1, y1, x2, y2, visible] = dump[`Line${n}`];
    if (!visible) {
      continue;
    }
    const [a, b, c, d] = [x1, y1, x2, y2].map(px);
    const steps = 2 * Math.max(Math.abs(c - a), Math.abs(d - b), 1);
    for (let i = 0; i <= steps; ++i) {
      const [x, y] = [Math.round(a + (c - a) * i / steps), Math.round(b + (d - b) * i / steps)];
      for (let dx = -1; dx <= 1; ++dx) {
        for (let dy = -1; dy <= 1; ++dy) {
          near.add((y + dy) * kWidth + x + dx);
        }
      }
    }
  }
  return near;
}

// The logical pixels of a box, [x, y] pairs.
function cellsOf(x, y, width, height) {
  const cells = [];
  for (let dy = 0; dy < height; ++dy) {
    for (let dx = 0; dx < width; ++dx) {
      cells.push([x + dx, y + dy]);
    }
  }
  return cells;
}

// What is wrong with the canvas for its dump. A dot that no other dot, no
// line and no letter comes near must fill its box exactly: its fill at the
// centre, its ring at the middle of each side, the background just outside.
// And nothing but the dots may put pure black or white on the diagram away
// from the lines and the letters.
function canvasProblems(state) {
  const dump = JSON.parse(state.dump);
  const {dots, size} = dotsOf(dump);
  const lines = nearLines(dump);
  const classAt = ([x, y]) => state.classes[y * kWidth + x];
  const [left, top, width, height] = kLetters.map(px);
  const letter = ([x, y]) => x >= left - 3 && x < left + width + 3 && y >= top - 3 && y < top + height + 3;
  const problems = [];
  const covered = new Set();
  let checked = 0;
  for (const dot of dots) {
    cellsOf(dot.x, dot.y, size, size).forEach(([x, y]) => covered.add(y * kWidth + x));
    const around = cellsOf(dot.x - 1, dot.y - 1, size + 2, size + 2);
    const alone = dots.every((other) => other === dot || Math.abs(other.x - dot.x) > size ||
                                        Math.abs(other.y - dot.y) > size);
    if (!alone || around.some(([x, y]) => lines.has(y * kWidth + x) || letter([x, y]))) {
      continue;
    }
    ++checked;
    const mid = size >> 1;
    const last = size - 1;
    const wrong = [];
    if (classAt([dot.x + mid, dot.y + mid]) !== dot.fill) {
      wrong.push(`centre '${classAt([dot.x + mid, dot.y + mid])}'`);
    }
    const ring = [[dot.x, dot.y + mid], [dot.x + last, dot.y + mid], [dot.x + mid, dot.y], [dot.x + mid, dot.y + last]];
    wrong.push(...ring.filter((cell) => classAt(cell) === BACKGROUND).map(([x, y]) => `no ring at (${x}, ${y})`));
    const outside = around.filter(([x, y]) => x < dot.x || y < dot.y || x > dot.x + last || y > dot.y + last);
    wrong.push(...outside.filter((cell) => classAt(cell) !== BACKGROUND)
                   .map(([x, y]) => `'${classAt([x, y])}' just outside at (${x}, ${y})`));
    if (wrong.length) {
      problems.push(`the dot at (${dot.x}, ${dot.y}): ${wrong.slice(0, 3).join(', ')}`);
    }
  }
  for (const cell of cellsOf(0, 0, kWidth, px(kDiagramBottom) - kCaptionRise)) {
    const index = cell[1] * kWidth + cell[0];
    if (!covered.has(index) && !lines.has(index) && !letter(cell) && [BLACK, WHITE].includes(classAt(cell))) {
      problems.push(`'${classAt(cell)}' at (${cell[0]}, ${cell[1]}), where no dot or line is`);
    }
  }
  return {problems: problems.slice(0, 5), checked};
}

// The page's form is what the replay tool makes of the page's own record,
// and the canvas shows it.
export function assertShowsItsRun(state, what) {
  assert.equal(state.dump, replayedDump(state.script), `${what}: the page's form differs from the replay of its script`);
  const {problems, checked} = canvasProblems(state);
  assert.deepEqual(problems, [], `${what}: the canvas does not show the dump's dots`);
  return checked;
}
