// SPDX-License-Identifier: GPL-3.0-or-later
// The same scripted game ends in the same state on the desktop and in the
// page's WebAssembly: the headless driver, built both ways, plays a whole
// game of each of the six and both transcripts must agree line for line.
import { spawnSync } from 'node:child_process';
import { join } from 'node:path';

const kGames = ['airhockey_match_end', 'basketball_game_end', 'bowling_game_end', 'darts_game_end',
                'football_game_end', 'pool_game_end'];

// The transcript, without what only the desktop can do (save screenshots).
function transcript(command, args) {
  const run = spawnSync(command, args, { encoding: 'utf8', maxBuffer: 64 << 20 });
  if (run.error) throw run.error;
  return run.stdout.split('\n').filter((l) => !/\bshot\b/.test(l));
}

export function sameStateTests(test, nativeDir, webObjDir, scenarioDir) {
  test('a scripted game of each of the six ends in the same state in WebAssembly as on the desktop', async () => {
    const problems = [];
    for (const game of kGames) {
      const script = join(scenarioDir, `${game}.qts`);
      const desktop = transcript(join(nativeDir, 'quintaro-headless'), [script, '--shots', '/nonexistent']);
      const web = transcript('node', ['--no-experimental-fetch', join(webObjDir, 'quintaro-headless-wasm.js'), script,
                                      '--shots', '/nonexistent']);
      const at = desktop.findIndex((line, i) => line !== web[i]);
      if (at >= 0 || desktop.length !== web.length)
        problems.push(`${game}: line ${at + 1} desktop "${desktop[at]}", page "${web[at]}"`);
      else console.log(`    ${game}: ${desktop.length} transcript lines alike`);
    }
    if (problems.length) throw new Error(problems.join('; '));
  });
}
