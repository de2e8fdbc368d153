// SPDX-License-Identifier: GPL-3.0-or-later
// The page as an installed app: it loads with no network after the first
// visit, a new version takes the old one's place, the console stays clean,
// and the download stays small.
import { cpSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { serve } from './serve.mjs';
import { settle, waitForFirstPicture, playfieldToPage, canvasPixels, comparePixels } from './page.mjs';

const kMostGzippedBytes = 2.0e6;

async function controlled(page) {
  await page.evaluate(() => navigator.serviceWorker.ready);
  // The first visit installs the worker; the page it serves is the next one.
  if (!(await page.evaluate(() => !!navigator.serviceWorker.controller))) {
    await page.reload();
    await waitForFirstPicture(page);
  }
}

const cacheNames = (page) => page.evaluate(() => caches.keys());

export function installTests(test, webDir) {
  test('the page installs: a manifest with the program\'s icons, standalone and landscape', async (page, url) => {
    const manifest = await page.evaluate(async () => {
      const link = document.querySelector('link[rel="manifest"]');
      return (await fetch(link.href)).json();
    });
    if (manifest.display !== 'standalone' || manifest.orientation !== 'landscape' || !/Quintaro/.test(manifest.name))
      throw new Error(`manifest: ${JSON.stringify(manifest)}`);
    for (const icon of manifest.icons) {
      const ok = await page.evaluate(async (src) => (await fetch(src)).ok, new URL(icon.src, url).href);
      if (!ok) throw new Error(`the icon ${icon.src} is not served`);
    }
  });

  test('after one visit the page loads with no network, and a new version replaces the old', async (page) => {
    // A copy of the page, so a new version can be served in its place.
    const dir = mkdtempSync(join(tmpdir(), 'quintaro-page-'));
    cpSync(webDir, dir, { recursive: true });
    const { server, url } = await serve(dir);
    try {
      await page.goto(url);
      await waitForFirstPicture(page);
      await controlled(page);
      const first = await cacheNames(page);
      await page.setOfflineMode(true);
      await page.reload();
      await waitForFirstPicture(page);
      await page.setOfflineMode(false);
      // A new build: new files, so a new cache key.
      const sw = readFileSync(join(dir, 'quintaro_sw.js'), 'utf8');
      writeFileSync(join(dir, 'quintaro_sw.js'), sw.replace(/var CACHE = '([^']*)'/, "var CACHE = '$1-next'"));
      writeFileSync(join(dir, 'quintaro.html'), readFileSync(join(dir, 'quintaro.html'), 'utf8').replace('</body>', '<i id="next"></i></body>'));
      await page.reload();
      await page.waitForFunction(async () => (await caches.keys()).some((k) => k.endsWith('-next')), { timeout: 10000 });
      await settle(page, 500);
      await page.reload();
      await waitForFirstPicture(page);
      const after = await cacheNames(page);
      const shown = await page.evaluate(() => !!document.getElementById('next'));
      if (after.length !== 1 || after[0] !== `${first[0]}-next` || !shown)
        throw new Error(`caches before ${first}, after ${after}; the new page shown: ${shown}`);
    } finally {
      server.close();
    }
  });

  test('the console stays clean: nothing missing, no warnings, sound through an AudioWorklet', async (page, url, seen) => {
    await waitForFirstPicture(page);
    // Darts, and a dart picked up: the first sound opens the mixer's node.
    await page.mouse.click(...(await playfieldToPage(page, 505, 250)));
    await settle(page, 1500);
    await page.mouse.click(...(await playfieldToPage(page, 249, 320)));
    await settle(page, 1500);
    const node = await page.evaluate(() => Module.quintaroAudioNode || '');
    if (node !== 'AudioWorkletNode') throw new Error(`sound goes through ${node || 'nothing'}`);
    if (seen.length) throw new Error(seen.join('; '));
  }, { watchConsole: true });

  test('the page speaks the browser\'s language, fetching only that translation', async (page) => {
    const darts = async () => {
      await waitForFirstPicture(page);
      await settle(page, 500);
      await page.mouse.click(...(await playfieldToPage(page, 505, 250)));
      await page.waitForFunction(() => JSON.parse(Module.UTF8ToString(Module._quintaro_web_state())).screen === 4);
      await settle(page, 1000);
      return canvasPixels(page);
    };
    const english = await darts();
    const fetched = [];
    page.on('response', (r) => { if (/locale-/.test(r.url())) fetched.push(`${r.status()} ${r.url().replace(/.*\//, '')}`); });
    await page.evaluateOnNewDocument(() => {
      Object.defineProperty(navigator, 'languages', { get: () => ['de-DE', 'de', 'en'] });
      Object.defineProperty(navigator, 'language', { get: () => 'de-DE' });
    });
    await page.reload();
    const german = await darts();
    if (fetched.join() !== '200 locale-de.mo') throw new Error(`translations fetched: ${fetched.join() || 'none'}`);
    // The menu bar and the status line are drawn in German: the picture differs.
    if (!comparePixels(english, german)) throw new Error('the page looks the same in German as in English');
  });

  test(`the download is at most ${kMostGzippedBytes / 1e6} MB gzipped`, async () => {
    const gz = (f) => gzipSync(readFileSync(join(webDir, f)), { level: 9 }).length;
    const total = ['quintaro.html', 'quintaro.js', 'quintaro.wasm'].reduce((n, f) => n + gz(f), 0);
    console.log(`    ${(total / 1e6).toFixed(2)} MB gzipped`);
    if (total > kMostGzippedBytes) throw new Error(`${total} bytes gzipped`);
  });
}
