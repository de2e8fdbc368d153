// SPDX-License-Identifier: GPL-3.0-or-later
// What the web tests read off the page: the canvas's pixels, the program's
// state, and where a playfield point is on the page.

// The view inside the window: a 2-pixel edge left, the menu bar (19), the
// tool bar (27) and the view's edge (2) above; without the tool bar, 21.
const kViewLeft = 2;
const kViewTopWithToolbar = 48;
const kViewTopWithoutToolbar = 21;
const kHeightWithToolbar = 471;

export const settle = (page, ms = 400) => new Promise((resolve) => setTimeout(resolve, ms));

export async function waitForFirstPicture(page) {
  await page.waitForFunction('window.quintaroFirstPicture !== undefined', { timeout: 20000 });
}

export async function state(page) {
  return JSON.parse(await page.evaluate(() => Module.UTF8ToString(Module._quintaro_web_state())));
}

// The middle of playfield pixel (x, y), in page coordinates.
export async function playfieldToPage(page, x, y) {
  const box = await page.evaluate(() => {
    const c = document.getElementById('canvas');
    const r = c.getBoundingClientRect();
    return { left: r.left, top: r.top, scale: r.width / c.width, height: c.height };
  });
  const top = box.height >= kHeightWithToolbar ? kViewTopWithToolbar : kViewTopWithoutToolbar;
  return [box.left + (kViewLeft + x + 0.5) * box.scale, box.top + (top + y + 0.5) * box.scale];
}

// The canvas as { width, height, data } (RGBA bytes).
export async function canvasPixels(page) {
  const out = await page.evaluate(() => {
    const c = document.getElementById('canvas');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let s = '';
    for (let i = 0; i < d.length; i += 0x8000) s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
    return { width: c.width, height: c.height, data: btoa(s) };
  });
  return { width: out.width, height: out.height, data: Buffer.from(out.data, 'base64') };
}

// A PNG's pixels as RGBA, decoded by the browser itself.
export async function pngPixels(page, png) {
  const out = await page.evaluate(async (b64) => {
    const img = new Image();
    img.src = 'data:image/png;base64,' + b64;
    await img.decode();
    const c = document.createElement('canvas');
    c.width = img.width;
    c.height = img.height;
    const g = c.getContext('2d');
    g.drawImage(img, 0, 0);
    const d = g.getImageData(0, 0, c.width, c.height).data;
    let s = '';
    for (let i = 0; i < d.length; i += 0x8000) s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
    return { width: c.width, height: c.height, data: btoa(s) };
  }, png.toString('base64'));
  return { width: out.width, height: out.height, data: Buffer.from(out.data, 'base64') };
}

// Null when both pictures are the same pixel for pixel, else what differs.
export function comparePixels(a, b) {
  if (a.width !== b.width || a.height !== b.height) return `sizes differ: ${a.width}x${a.height} and ${b.width}x${b.height}`;
  let count = 0, first = null;
  for (let i = 0; i < a.data.length; i += 4) {
    if (a.data[i] !== b.data[i] || a.data[i + 1] !== b.data[i + 1] || a.data[i + 2] !== b.data[i + 2]) {
      if (!first) first = [(i / 4) % a.width, Math.floor(i / 4 / a.width)];
      count++;
    }
  }
  return count ? `${count} pixels differ, the first at ${first}` : null;
}
