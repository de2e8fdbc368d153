// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's headless driver run alongside the page: lines written to it
// as the test goes (--follow), its transcript read as it comes.
import { spawn } from 'node:child_process';
import { join } from 'node:path';

export function followDriver(nativeDir) {
  const child = spawn(join(nativeDir, 'quintaro-headless'), ['-', '--follow', '--shots', '/nonexistent'],
    { stdio: ['pipe', 'pipe', 'pipe'], env: { ...process.env, LANGUAGE: 'en' } });
  let transcript = '';
  let read = 0;
  let errors = '';
  let wake = () => {};
  child.stdout.on('data', (d) => { transcript += d; wake(); });
  child.stderr.on('data', (d) => { errors += d; wake(); });
  child.stdin.on('error', () => {});
  const exited = new Promise((resolve) => child.on('exit', (code) => { wake(); resolve(code); }));

  const driver = {
    send: (...lines) => child.stdin.write(lines.join('\n') + '\n'),
    // The next match of `pattern` in the transcript past what was read before.
    until: (pattern, what = String(pattern), ms = 15000) => new Promise((resolve, reject) => {
      const give = setTimeout(() => {
        wake = () => {};
        reject(new Error(`the driver never showed ${what}: ...${transcript.slice(-600)} ${errors}`));
      }, ms);
      wake = () => {
        const m = pattern.exec(transcript.slice(read));
        if (m) {
          read += m.index + m[0].length;
          clearTimeout(give);
          wake = () => {};
          resolve(m);
        } else if (child.exitCode !== null) {
          clearTimeout(give);
          reject(new Error(`the driver ended (${child.exitCode}): ...${transcript.slice(-600)} ${errors}`));
        }
      };
      wake();
    }),
    state: async () => {
      driver.send('state');
      return JSON.parse((await driver.until(/\] state (\{.*\})\n/, 'its state'))[1]);
    },
    end: async () => {
      child.stdin.end();
      if (child.exitCode === null) setTimeout(() => child.kill(), 5000).unref();
      return exited;
    },
    transcript: () => transcript,
  };
  return driver;
}
