// SPDX-License-Identifier: GPL-3.0-or-later
// The web page in Debian's headless Chromium: what a player sees and does
// there matches the desktop program, as the headless driver shows it.
//   node tests/web/run.mjs WEB_DIR NATIVE_BUILD_DIR WEB_OBJ_DIR
// WEB_DIR holds quintaro.html/.js/.wasm; NATIVE_BUILD_DIR holds
// quintaro-headless, WEB_OBJ_DIR its WebAssembly build. QUINTARO_WEB_TESTS
// (a pattern) runs only the tests it names; QUINTARO_WEB_SHOTS (a folder)
// keeps screenshots of the page on each screen.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from './serve.mjs';
import { screenTests } from './screens.mjs';
import { installTests } from './install.mjs';
import { sameStateTests } from './same_state.mjs';
import { roomLinkTests } from './room_link.mjs';
import { onlineBowlingTests } from './online_bowling.mjs';
import { playfieldToPage, canvasPixels, pngPixels, comparePixels, state, waitForFirstPicture, settle } from './page.mjs';

const [webDir, nativeDir, webObjDir] = process.argv.slice(2);
if (!webDir || !nativeDir || !webObjDir) {
  console.error('usage: node tests/web/run.mjs WEB_DIR NATIVE_BUILD_DIR WEB_OBJ_DIR');
  process.exit(2);
}
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

// The headless driver's run of a script: its transcript, and its shots by name.
function headless(script) {
  const dir = mkdtempSync(join(tmpdir(), 'quintaro-web-'));
  const transcript = execFileSync(join(nativeDir, 'quintaro-headless'), ['-', '--shots', dir], { input: script }).toString();
  const shots = {};
  for (const f of readdirSync(dir)) if (f.endsWith('.png')) shots[f.replace(/\.png$/, '')] = readFileSync(join(dir, f));
  return { transcript, shots };
}

// The darts player on the title screen; a dart from the tray; the throw zone.
const kDartsPlayer = [505, 250];
const kTrayDart = [249, 320];
const kThrowFrom = [266, 365];
const kSingleTwenty = [266, 110];

const tests = [];
const test = (name, fn, options = {}) => tests.push({ name, fn, options });

test('the title screen is drawn exactly as the headless driver draws it', async (page) => {
  await waitForFirstPicture(page);
  await settle(page);
  const web = await canvasPixels(page);
  const { shots } = headless('start\nwait 5000\nshot title\n');
  const desktop = await pngPixels(page, shots.title);
  const diff = comparePixels(web, desktop);
  if (diff) throw new Error(diff);
});

test('a window of a new size is drawn whole, as the headless driver draws it', async (page) => {
  await waitForFirstPicture(page);
  await settle(page);
  // View > Toolbar, from the keyboard: the window loses the tool bar's height.
  await page.keyboard.down('Alt');
  await page.keyboard.press('v');
  await page.keyboard.up('Alt');
  await page.keyboard.press('t');
  await settle(page, 800);
  const web = await canvasPixels(page);
  const { shots } = headless('start\nwait 5000\nmenu 59392\nwait 800\nshot untooled\n');
  const diff = comparePixels(web, await pngPixels(page, shots.untooled));
  if (diff) throw new Error(diff);
});

test('a click on the darts player opens Darts', async (page) => {
  await waitForFirstPicture(page);
  await settle(page);
  if ((await state(page)).screen !== 0) throw new Error('not on the title screen');
  await page.mouse.click(...(await playfieldToPage(page, ...kDartsPlayer)));
  await page.waitForFunction(
    () => JSON.parse(Module.UTF8ToString(Module._quintaro_web_state())).screen === 4, { timeout: 10000 });
});

// The program's clock held by the test: moved on in steps, as the headless
// driver's `wait` moves its virtual clock, so the page hears the press and
// the release the same number of milliseconds apart as the script says.
async function holdClock(page) {
  await page.evaluate(() => {
    let now = performance.now();
    Module.quintaroClock = () => now;
    window.quintaroAdvance = (ms) => { now += ms; };
  });
  return async (ms) => {
    for (let left = ms; left > 0; left -= 10) {
      await page.evaluate((step) => window.quintaroAdvance(step), Math.min(10, left));
      await settle(page, 5);
    }
  };
}

test('a dart picked up is heard, and thrown lands where the same throw lands on the desktop', async (page) => {
  await waitForFirstPicture(page);
  await settle(page);
  await page.mouse.click(...(await playfieldToPage(page, ...kDartsPlayer)));
  await page.waitForFunction(() => JSON.parse(Module.UTF8ToString(Module._quintaro_web_state())).screen === 4);
  await settle(page, 1500);
  await page.mouse.click(...(await playfieldToPage(page, ...kTrayDart)));
  // Picking the dart up is heard: the program's mixer reaches the page's audio.
  await page.waitForFunction(() => Module.quintaroAudioPeak > 0, { timeout: 5000 })
    .catch(() => { throw new Error('no sound reached the page when the dart was picked up'); });
  const wait = await holdClock(page);
  await page.mouse.move(...(await playfieldToPage(page, ...kThrowFrom)));
  await page.mouse.down();
  await wait(300);
  await page.mouse.move(...(await playfieldToPage(page, ...kSingleTwenty)), { steps: 5 });
  await page.mouse.up();
  await wait(1500);
  const web = (await state(page)).game;
  const at = (p) => p.join(' ');
  const { transcript } = headless(`start\nwait 5000\nclick ${at(kDartsPlayer)}\nwait 1500\nclick ${at(kTrayDart)}\n` +
    `move ${at(kThrowFrom)}\ndown ${at(kThrowFrom)}\nwait 300\nup ${at(kSingleTwenty)}\nwait 1500\nstate\n`);
  const desktop = JSON.parse(transcript.split('\n').find((l) => l.includes(' state ')).replace(/^\[\d+\] state /, '')).game;
  if (web.dartsThrown !== 1 || web.lastScore !== desktop.lastScore || at(web.landing) !== at(desktop.landing))
    throw new Error(`page: ${web.dartsThrown} dart, ${web.lastScore} at ${web.landing}; desktop: ${desktop.lastScore} at ${desktop.landing}`);
  console.log(`    both scored ${web.lastScore}, landing at ${web.landing}`);
});

// Browser-kept keys: Alt+N starts the screen afresh where Ctrl+N would open a window.
test('Alt+N starts the game afresh in the page', async (page) => {
  await waitForFirstPicture(page);
  await settle(page);
  await page.mouse.click(...(await playfieldToPage(page, ...kDartsPlayer)));
  await page.waitForFunction(() => JSON.parse(Module.UTF8ToString(Module._quintaro_web_state())).screen === 4);
  await settle(page, 1500);
  await page.mouse.click(...(await playfieldToPage(page, ...kTrayDart)));
  await page.mouse.move(...(await playfieldToPage(page, ...kThrowFrom)));
  await page.mouse.down();
  await settle(page, 300);
  await page.mouse.move(...(await playfieldToPage(page, ...kSingleTwenty)), { steps: 5 });
  await page.mouse.up();
  await settle(page, 1500);
  if ((await state(page)).game.dartsThrown !== 1) throw new Error('no dart was thrown');
  await page.keyboard.down('Alt');
  await page.keyboard.press('n');
  await page.keyboard.up('Alt');
  await settle(page, 800);
  if ((await state(page)).game.dartsThrown !== 0) throw new Error('Alt+N did not start the game afresh');
});

test('a setting survives a reload of the page', async (page) => {
  await waitForFirstPicture(page);
  await settle(page);
  if ((await state(page)).sound !== true) throw new Error('sound is not on at first');
  // Options > Sound, from the keyboard as a player would.
  await page.keyboard.press('m');
  await settle(page);
  if ((await state(page)).sound !== false) throw new Error('M did not turn the sound off');
  const stored = await page.evaluate(() => localStorage.getItem('quintaro:Quintaro.ini') || '');
  if (!/Sound=0/.test(stored)) throw new Error(`the browser does not hold the setting: ${JSON.stringify(stored)}`);
  await page.reload();
  await waitForFirstPicture(page);
  await settle(page);
  if ((await state(page)).sound !== false) throw new Error('after the reload the sound is on again');
});

test('full screen is the page\'s, and leaving it the browser\'s way leaves the program\'s', async (page) => {
  await waitForFirstPicture(page);
  await settle(page);
  const stored = () => page.evaluate(() => (localStorage.getItem('quintaro:Quintaro.ini') || '').match(/FullScreen=(\d)/)?.[1]);
  await page.keyboard.press('F11');
  await settle(page, 800);
  if (!(await page.evaluate(() => !!document.fullscreenElement)) || (await stored()) !== '1')
    throw new Error('F11 did not take the page to full screen');
  // As the browser's own Escape does: the page leaves full screen by itself.
  await page.evaluate(() => document.exitFullscreen());
  await settle(page, 800);
  if ((await stored()) !== '0') throw new Error('the program still thinks it fills the screen');
});

test('a corrupt stored settings text is kept, told and the rest used', async (page, url) => {
  const corrupt = '[Players\u0000\u00ff\nbroken line without a key\n[Settings]\nSound=0\n\u00fe\u0001binary';
  await page.evaluate((text) => {
    localStorage.clear();
    localStorage.setItem('quintaro:Quintaro.ini', text);
  }, corrupt);
  await page.goto(url);
  await waitForFirstPicture(page);
  await settle(page, 1000);
  const kept = await page.evaluate(() => {
    const out = {};
    for (let i = 0; i < localStorage.length; ++i) {
      const k = localStorage.key(i);
      if (k.includes('.bad-')) out[k] = localStorage.getItem(k);
    }
    return out;
  });
  const copies = Object.values(kept);
  if (copies.length !== 1) throw new Error(`expected one kept copy, found ${Object.keys(kept)}`);
  const copyBytes = Buffer.from(copies[0], Object.keys(kept)[0].includes('raw:') ? 'latin1' : 'utf8');
  if (!copyBytes.equals(Buffer.from(corrupt, 'utf8'))) throw new Error('the kept copy differs from the stored text');
  // Told: a message box covers the middle of the window until it is answered.
  const told = await canvasPixels(page);
  await page.keyboard.press('Enter');
  await settle(page);
  const answered = await canvasPixels(page);
  if (!comparePixels(told, answered)) throw new Error('no message told of the broken settings');
  // The readable rest is used: sound is off, as the file said.
  if ((await state(page)).sound !== false) throw new Error('the readable [Settings] were not used');
});

screenTests(test);
installTests(test, webDir);
sameStateTests(test, nativeDir, webObjDir, new URL('../scenarios', import.meta.url).pathname);
roomLinkTests(test, nativeDir, webObjDir);
onlineBowlingTests(test, nativeDir, webDir);
const only = process.env.QUINTARO_WEB_TESTS ? new RegExp(process.env.QUINTARO_WEB_TESTS) : null;
const chosen = tests.filter((t) => !only || only.test(t.name));

// What the console and the network say that a player's console would show:
// failed requests, warnings and errors (deprecations included).
async function watchConsole(page, seen) {
  page.on('response', (r) => { if (r.status() >= 400) seen.push(`${r.status()} for ${r.url()}`); });
  page.on('requestfailed', (r) => seen.push(`${r.url()} failed: ${r.failure()?.errorText}`));
  page.on('console', (m) => { if (m.type() === 'warn' || m.type() === 'warning' || m.type() === 'error') seen.push(`console: ${m.text()}`); });
  const cdp = await page.createCDPSession();
  cdp.on('Log.entryAdded', ({ entry }) => { if (entry.level !== 'info' && entry.level !== 'verbose') seen.push(`log: ${entry.text}`); });
  cdp.on('Audits.issueAdded', ({ issue }) => seen.push(`issue: ${issue.code} ${JSON.stringify(issue.details).slice(0, 200)}`));
  await cdp.send('Log.enable');
  await cdp.send('Audits.enable');
}

const { server, url } = await serve(webDir);
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--autoplay-policy=no-user-gesture-required'],
});
let failed = 0;
try {
  for (const { name, fn, options } of chosen) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const errors = [];
    const seen = [];
    page.on('pageerror', (e) => errors.push(e.message));
    await page.setViewport(options.viewport || { width: 1280, height: 900 });
    try {
      if (options.watchConsole) await watchConsole(page, seen);
      await page.goto(url);
      await fn(page, url, seen);
      if (errors.length) throw new Error(`page errors: ${errors.join('; ')}`);
      console.log(`ok   ${name}`);
    } catch (e) {
      failed++;
      console.log(`FAIL ${name}\n     ${e.message}`);
    }
    await context.close();
  }
} finally {
  await browser.close();
  server.close();
}
console.log(failed ? `${failed} of ${chosen.length} web tests failed` : `all ${chosen.length} web tests passed`);
process.exit(failed ? 1 : 0);
