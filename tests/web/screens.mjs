// SPDX-License-Identifier: GPL-3.0-or-later
// The page on every screen: the whole window fits a phone in either
// orientation and any window, and a finger plays it.
import { state, settle, waitForFirstPicture, canvasPixels, comparePixels, playfieldToPage } from './page.mjs';

export const kPhonePortrait = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
export const kPhoneLandscape = { width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true, isLandscape: true };

// Where a point of the window surface (menus included) is on the page.
export async function surfaceToPage(page, x, y) {
  const box = await page.evaluate(() => {
    const r = document.getElementById('canvas').getBoundingClientRect();
    return { left: r.left, top: r.top, scale: r.width / document.getElementById('canvas').width };
  });
  return [box.left + (x + 0.5) * box.scale, box.top + (y + 0.5) * box.scale];
}

async function canvasBox(page) {
  return page.evaluate(() => {
    const c = document.getElementById('canvas');
    const r = c.getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height,
             surface: c.width, vw: window.innerWidth, vh: window.innerHeight, dpr: window.devicePixelRatio };
  });
}

async function shoot(page, name) {
  if (process.env.QUINTARO_WEB_SHOTS) await page.screenshot({ path: `${process.env.QUINTARO_WEB_SHOTS}/${name}.png` });
}

// Each screen: the canvas lies wholly inside the page, and fills it as far
// as its shape allows (or takes the largest whole zoom on a big window).
const kScreens = [
  { name: 'phone-portrait', viewport: kPhonePortrait, fill: 0.97 },
  { name: 'phone-landscape', viewport: kPhoneLandscape, fill: 0.9 },
  { name: 'small-window', viewport: { width: 500, height: 400 }, fill: 0.9 },
  { name: 'big-window', viewport: { width: 1600, height: 1100 }, whole: 2 },
];

export function screenTests(test) {
  test('on a phone, a small window and a big one the whole window fits and fills the page', async (page, url) => {
    const problems = [];
    for (const s of kScreens) {
      await page.setViewport(s.viewport);
      await page.goto(url);
      await waitForFirstPicture(page);
      await settle(page, 600);
      await shoot(page, s.name);
      const b = await canvasBox(page);
      const inside = b.left >= 0 && b.top >= 0 && b.right <= b.vw + 0.01 && b.bottom <= b.vh + 0.01;
      if (!inside) problems.push(`${s.name}: the canvas lies at ${b.left},${b.top}..${b.right},${b.bottom} in ${b.vw}x${b.vh}`);
      const filled = Math.max(b.width / b.vw, b.height / b.vh);
      if (s.fill && filled < s.fill) problems.push(`${s.name}: the canvas fills only ${(filled * 100).toFixed(0)} % of the page`);
      const zoom = (b.width * b.dpr) / b.surface;
      if (s.whole && Math.abs(zoom - s.whole) > 1e-6) problems.push(`${s.name}: zoom ${zoom}, not ${s.whole}`);
      console.log(`    ${s.name}: ${b.width.toFixed(0)}x${b.height.toFixed(0)} CSS px at ${b.left.toFixed(0)},${b.top.toFixed(0)}, ` +
                  `${zoom.toFixed(2)} device px per pixel`);
    }
    if (problems.length) throw new Error(problems.join('; '));
  });

  for (const viewport of [kPhonePortrait, kPhoneLandscape]) {
    const named = `${viewport.width}x${viewport.height}`;
    test(`on a ${named} phone a finger opens a menu, throws a dart and never scrolls, zooms or selects`, async (page) => {
      await waitForFirstPicture(page);
      await settle(page);
      const before = await canvasPixels(page);
      // Game menu: a tap opens it, a tap beside it closes it again.
      await page.touchscreen.tap(...(await surfaceToPage(page, 20, 9)));
      await settle(page);
      await shoot(page, `menu-${named}`);
      if (!comparePixels(before, await canvasPixels(page))) throw new Error('a tap on Game opened no menu');
      await page.touchscreen.tap(...(await surfaceToPage(page, 400, 300)));
      await settle(page);
      const closed = comparePixels(before, await canvasPixels(page));
      if (closed) throw new Error(`a tap beside the menu left it open: ${closed}`);
      // Darts by tap; a dart picked up and thrown with a finger drag.
      await page.touchscreen.tap(...(await playfieldToPage(page, 505, 250)));
      await page.waitForFunction(() => JSON.parse(Module.UTF8ToString(Module._quintaro_web_state())).screen === 4);
      await settle(page, 1500);
      await page.touchscreen.tap(...(await playfieldToPage(page, 249, 320)));
      await settle(page);
      await page.touchscreen.touchStart(...(await playfieldToPage(page, 266, 365)));
      await settle(page, 300);
      for (let y = 330; y >= 110; y -= 55) await page.touchscreen.touchMove(...(await playfieldToPage(page, 266, y)));
      await page.touchscreen.touchEnd();
      await settle(page, 1500);
      await shoot(page, `darts-${named}`);
      if ((await state(page)).game.dartsThrown !== 1) throw new Error('the finger\'s throw threw no dart');
      // A long press selects nothing.
      await page.touchscreen.touchStart(...(await playfieldToPage(page, 300, 200)));
      await settle(page, 900);
      await page.touchscreen.touchEnd();
      const page_ = await page.evaluate(() => ({ x: window.scrollX, y: window.scrollY, zoom: window.visualViewport.scale,
                                                 selected: String(window.getSelection()) }));
      if (page_.x || page_.y || page_.zoom !== 1 || page_.selected)
        throw new Error(`the page moved: scrolled ${page_.x},${page_.y}, zoom ${page_.zoom}, selected "${page_.selected}"`);
    }, { viewport });
  }

  test('a text field in a dialog on a phone takes the on-screen keyboard\'s typing', async (page) => {
    await waitForFirstPicture(page);
    await settle(page);
    // Options > Number of Players..., by tap.
    await page.touchscreen.tap(...(await surfaceToPage(page, 96, 9)));
    await settle(page);
    await page.touchscreen.tap(...(await surfaceToPage(page, 120, 30)));
    await settle(page, 600);
    // The keyboard's way to the first name field.
    for (let i = 0; i < 12 && !(await page.evaluate(() => document.activeElement?.id === 'quintaro-text')); ++i) {
      await page.keyboard.press('Tab');
      await settle(page, 150);
    }
    if (!(await page.evaluate(() => document.activeElement?.id === 'quintaro-text')))
      throw new Error('no text input took the focus for the name field');
    await page.keyboard.down('Control');
    await page.keyboard.press('a');
    await page.keyboard.up('Control');
    // A phone's keyboard sends text as input events, not keys.
    await page.evaluate(() => {
      const input = document.activeElement;
      for (const ch of 'Zed') {
        input.value += ch;
        input.dispatchEvent(new InputEvent('input', { data: ch, inputType: 'insertText' }));
      }
    });
    await shoot(page, 'names-390x844');
    await page.keyboard.press('Enter');
    await settle(page, 600);
    const stored = await page.evaluate(() => localStorage.getItem('quintaro:Quintaro.ini') || '');
    if (!/Zed/.test(stored)) throw new Error(`the name typed is not kept: ${JSON.stringify(stored.slice(0, 200))}`);
  }, { viewport: kPhonePortrait });
}
