// SPDX-License-Identifier: GPL-3.0-or-later
// The page as a visitor meets it, in Debian's headless Chromium: the size of
// what is downloaded (gzipped, as a server sends it), the time from
// navigation to the first picture, and the share of a core the page uses
// while it sits on the title screen.
//   node bench/web/page_measure.mjs WEB_DIR   (after npm ci in tests/web)
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { serve } from '../../tests/web/serve.mjs';

// The web tests' copy of puppeteer-core.
const puppeteer = createRequire(new URL('../../tests/web/package.json', import.meta.url))('puppeteer-core');

const webDir = process.argv[2];
const gz = (f) => gzipSync(readFileSync(join(webDir, f)), { level: 9 }).length;
const mb = (n) => (n / 1e6).toFixed(2);
const total = gz('quintaro.wasm') + gz('quintaro.js') + gz('quintaro.html');
console.log(`download ${mb(total)} MB gzipped (wasm ${mb(gz('quintaro.wasm'))}, js ${mb(gz('quintaro.js'))}) (target <= 2)`);

const { server, url } = await serve(webDir);
const browser = await puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox'] });
try {
  const firsts = [];
  for (let i = 0; i < 5; ++i) {
    const page = await browser.newPage();
    await page.goto(url);
    await page.waitForFunction('window.quintaroFirstPicture !== undefined', { timeout: 20000 });
    firsts.push(await page.evaluate(() => window.quintaroFirstPicture));
    await page.close();
  }
  firsts.sort((a, b) => a - b);
  console.log(`first picture ${firsts.map((t) => Math.round(t)).join(', ')} ms after navigation; median ${Math.round(firsts[2])} (target < 400)`);

  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForFunction('window.quintaroFirstPicture !== undefined', { timeout: 20000 });
  await new Promise((r) => setTimeout(r, 2000));
  const before = await page.metrics();
  const start = Date.now();
  await new Promise((r) => setTimeout(r, 10000));
  const after = await page.metrics();
  const share = (100 * (after.TaskDuration - before.TaskDuration)) / ((Date.now() - start) / 1000);
  console.log(`idle on the title screen: ${share.toFixed(2)} % of a core (target < 1)`);
} finally {
  await browser.close();
  server.close();
}
