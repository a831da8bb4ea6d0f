// The processor time a browser spends, read from /proc: its main process
// (the one started with the profile folder and no --type) and every process
// below it, renderer, GPU and utility alike, user and system time together,
// with what the children that ended have left to their parents.

import {readdirSync, readFileSync} from 'node:fs';

// The kernel counts in clock ticks of 1/100 s on every Linux we run on.
const kTicksPerSecond = 100;

function processes() {
  const all = [];
  for (const name of readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) {
      continue;
    }
    try {
      const stat = readFileSync(`/proc/${name}/stat`, 'utf8');
      // The fields after the command's name, which may hold spaces.
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      const [utime, stime, cutime, cstime] = fields.slice(11, 15).map(Number);
      // Chromium rewrites its children's arguments as one string.
      const cmdline = readFileSync(`/proc/${name}/cmdline`, 'utf8').split('\0').join(' ');
      all.push({pid: Number(name), parent: Number(fields[1]), ticks: utime + stime + cutime + cstime, cmdline});
    } catch {
      // The process ended while it was read.
    }
  }
  return all;
}

// Seconds of processor time of the browser using `profile`, so far.
export function browserSeconds(profile) {
  const all = processes();
  const main = all.find((p) => p.cmdline.includes(profile) && !p.cmdline.includes(' --type='));
  if (!main) {
    throw new Error(`no browser runs with the profile ${profile}`);
  }
  const family = new Set([main.pid]);
  for (let grown = true; grown;) {
    grown = false;
    for (const p of all) {
      if (!family.has(p.pid) && family.has(p.parent)) {
        family.add(p.pid);
        grown = true;
      }
    }
  }
  return all.filter((p) => family.has(p.pid)).reduce((sum, p) => sum + p.ticks, 0) / kTicksPerSecond;
}
