// SPDX-License-Identifier: GPL-3.0-or-later
// The page's connection to a room server, on its own in the browser against
// a real server: what one member sends reaches the other whole and in
// order, and a connection that cannot be made or is lost ends cleanly.
import { join } from 'node:path';
import { serve } from './serve.mjs';
import { startRoomServer, roomMessage, readRoomMessage } from './room_server.mjs';

const kVersion = '1.0';

// In the page: the connections' functions, and every event kept per connection.
async function openCheckPage(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => typeof Module !== 'undefined' && Module.calledRun, { timeout: 20000 });
  await page.evaluate(() => {
    const withText = (text, fn) => {
      const size = Module.lengthBytesUTF8(text) + 1;
      const p = Module._malloc(size);
      Module.stringToUTF8(text, p, size);
      try { return fn(p); } finally { Module._free(p); }
    };
    window.seen = [];
    window.link = {
      open: (url) => { const id = withText(url, (p) => Module._link_open(p)); window.seen[id] = []; return id; },
      send: (id, text) => withText(text, (p) => Module._link_send(id, p)),
      close: (id) => Module._link_close(id),
      defaultUrl: () => Module.UTF8ToString(Module._link_default_url()),
    };
    // The program polls between frames; here every few milliseconds.
    setInterval(() => {
      window.seen.forEach((events, id) => {
        for (let e; (e = Module.UTF8ToString(Module._link_poll(id))) !== '';) events.push(e);
      });
    }, 5);
  });
}

const events = (page, id) => page.evaluate((i) => window.seen[i], id);

async function waitFor(page, id, pattern, count = 1) {
  await page.waitForFunction((i, source, n) => window.seen[i].filter((e) => new RegExp(source).test(e)).length >= n,
    { timeout: 10000 }, id, pattern.source, count)
    .catch(async () => { throw new Error(`connection ${id} saw ${JSON.stringify((await events(page, id)).map((e) => e.slice(0, 80)))}`); });
  return (await events(page, id)).filter((e) => pattern.test(e)).map((e) => readRoomMessage(e.replace(/^message\n/, '')));
}

// A seeded text of `length` characters, from plain letters to letters of
// several UTF-8 lengths, line breaks and tabs.
function seededText(random, length) {
  const alphabet = ['a', 'Z', '7', ' ', '\n', '\t', '=', 'é', 'ß', 'ש', '漢', '😀'];
  let out = '';
  for (let i = 0; i < length; ++i) out += alphabet[Math.floor(random() * alphabet.length)];
  return out;
}

function seeded(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

export function roomLinkTests(test, nativeDir, webObjDir) {
  test('the page\'s room connection carries seeded messages of every size whole and in order', async (page) => {
    const server = await startRoomServer(nativeDir);
    const { server: web, url } = await serve(webObjDir, { roomPort: server.port });
    try {
      await openCheckPage(page, url.replace('quintaro.html', 'web_transport_check.html'));
      const address = await page.evaluate(() => window.link.defaultUrl());
      if (address !== url.replace(/^http/, 'ws').replace('quintaro.html', 'room'))
        throw new Error(`the page's own server is ${address}`);
      const [ann, bob] = await page.evaluate((a) => [window.link.open(a), window.link.open(a)], address);
      await waitFor(page, ann, /^opened$/);
      await page.evaluate((id, m) => window.link.send(id, m), ann,
        roomMessage('create', { game: 'darts', seats: 2, computers: '0,0', name: 'Ann', version: kVersion }));
      const [{ fields: { code } }] = await waitFor(page, ann, /^message\nqn1 joined/);
      await waitFor(page, bob, /^opened$/);
      await page.evaluate((id, m) => window.link.send(id, m), bob,
        roomMessage('join', { code, name: 'Bob', version: kVersion }));
      await waitFor(page, bob, /^message\nqn1 joined/);
      await page.evaluate((id, m) => window.link.send(id, m), ann, roomMessage('start', { seed: 1 }, 'start'));
      await waitFor(page, bob, /^message\nqn1 start/);
      // Seat 0's turn: its recorded input, from a few bytes to near the
      // largest message, each to reach the other member as it was sent.
      const random = seeded(35);
      const bodies = Array.from({ length: 30 }, (_, i) => seededText(random, Math.floor(Math.exp(random() * Math.log(12000))) + i));
      for (const [tick, body] of bodies.entries())
        await page.evaluate((id, m) => window.link.send(id, m), ann, roomMessage('input', { seat: 0, tick }, body));
      const got = await waitFor(page, bob, /^message\nqn1 input/, bodies.length);
      const wrong = got.findIndex((m, i) => m.body !== bodies[i] || m.fields.tick !== String(i) || m.fields.from !== '0');
      if (wrong >= 0 || got.length !== bodies.length) throw new Error(`message ${wrong} of ${got.length} arrived changed`);
      const bytes = bodies.reduce((n, b) => n + Buffer.byteLength(b), 0);
      console.log(`    ${bodies.length} messages, ${bytes} bytes of UTF-8, arrived whole and in order`);
    } finally {
      web.close();
      await server.stop();
    }
  });

  test('a room connection that cannot be made, is closed or is lost ends once and the page runs on', async (page) => {
    const server = await startRoomServer(nativeDir);
    const { server: web, url } = await serve(webObjDir, { roomPort: server.port });
    try {
      await openCheckPage(page, url.replace('quintaro.html', 'web_transport_check.html'));
      const address = await page.evaluate(() => window.link.defaultUrl());
      const ids = await page.evaluate((a) => ['nonsense', 'http://127.0.0.1/room', 'ws://127.0.0.1:1/room', a, a]
        .map((u) => window.link.open(u)), address);
      const [bad, http, unreachable, closedByUs, lost] = ids;
      for (const id of [bad, http, unreachable]) await waitFor(page, id, /^closed\n/);
      await waitFor(page, closedByUs, /^opened$/);
      await waitFor(page, lost, /^opened$/);
      await page.evaluate((id) => window.link.close(id), closedByUs);
      await server.stop();
      await waitFor(page, lost, /^closed\n/);
      // Closing drops the socket's callbacks at once: nothing more arrives on it.
      const all = await page.evaluate(() => window.seen);
      const expected = [['closed'], ['closed'], ['closed'], ['opened'], ['opened', 'closed']];
      // The server going away may say so first (a message); the close ends it all the same.
      const kinds = ids.map((id) => all[id].map((e) => e.split('\n')[0]).filter((k) => k !== 'message'));
      if (JSON.stringify(kinds) !== JSON.stringify(expected)) throw new Error(`events: ${JSON.stringify(all)}`);
      console.log(`    told: ${ids.slice(0, 3).map((id) => all[id][0].split('\n')[1]).join('; ')}`);
    } finally {
      web.close();
      await server.stop();
    }
  });
}
