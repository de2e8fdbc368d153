// SPDX-License-Identifier: GPL-3.0-or-later
// The page and the desktop's headless driver in one room of a real room
// server: the driver opens a Bowling room, the page joins it through Game >
// Play Online..., each bowls a frame, and both end with the same sheet.
import { serve } from './serve.mjs';
import { startRoomServer } from './room_server.mjs';
import { followDriver } from './follow_driver.mjs';
import { playfieldToPage, state, waitForFirstPicture, settle } from './page.mjs';
import { surfaceToPage } from './screens.mjs';

const kBowlingNew = 'menu 32785';
const kTwoPlayers = ['dialog 137 click 1002 ok', 'menu 32779'];
// A swing straight up the approach, in playfield pixels.
const kSwing = [[230, 385], [230, 300], [230, 230]];
const kDriverFrame = ['move 230 385', 'down 230 385', 'move 230 300', 'wait 300', 'move 230 230', 'up 230 230',
  'wait 5000', 'move 250 385', 'down 250 385', 'move 255 300', 'wait 400', 'move 258 232', 'up 258 232', 'wait 5000'];

// What both machines must agree on: whose turn, the scores and the sheet.
function table(s) {
  const g = s.game || {};
  return JSON.stringify({ screen: s.screen, current: s.current, scores: (s.players || []).map((p) => p.score),
    frame: g.frame, ballInFrame: g.ballInFrame, frames: g.frames, gameOver: g.gameOver });
}

const shoot = async (page, name) => {
  if (process.env.QUINTARO_WEB_SHOTS) await page.screenshot({ path: `${process.env.QUINTARO_WEB_SHOTS}/${name}.png` });
};

async function untilPage(page, test, what, ms = 30000) {
  for (const end = Date.now() + ms; Date.now() < end; await settle(page, 100))
    if (test(await state(page))) return;
  const s = await state(page);
  throw new Error(`the page never ${what}: ${table(s)} rolling=${s.game.rolling} ball=${JSON.stringify(s.game.ball)} online=${JSON.stringify(s.online)}`);
}

// Game > Play Online... by the mouse, the room's code typed, Join Room.
async function joinFromPage(page, code) {
  await page.mouse.click(...(await surfaceToPage(page, 17, 8)));
  await settle(page, 300);
  await page.mouse.click(...(await surfaceToPage(page, 52, 147)));
  await settle(page, 500);
  // The server address, the name, Create Room, then the code.
  for (let i = 0; i < 3; ++i) await page.keyboard.press('Tab');
  await page.keyboard.type(code);
  await shoot(page, 'play-online');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Space');
}

async function bowlOnPage(page) {
  const at = await Promise.all(kSwing.map(([x, y]) => playfieldToPage(page, x, y)));
  await page.mouse.move(...at[0]);
  await page.mouse.down();
  await page.mouse.move(...at[1], { steps: 4 });
  await settle(page, 300);
  await page.mouse.move(...at[2], { steps: 4 });
  await page.mouse.up();
}

export function onlineBowlingTests(test, nativeDir, webDir) {
  test('the page and a desktop driver bowl a frame each in one room and end with the same sheet', async (page) => {
    const server = await startRoomServer(nativeDir);
    const { server: web, url } = await serve(webDir, { roomPort: server.port });
    const driver = followDriver(nativeDir);
    try {
      driver.send('epoch 1700000000', 'start', 'wait 5000', ...kTwoPlayers, kBowlingNew,
        `online host 127.0.0.1:${server.port} Ann`);
      const [, code] = await driver.until(/online room (\S+) seat 0/, 'a room');
      await page.goto(url);
      await waitForFirstPicture(page);
      await settle(page);
      await joinFromPage(page, code);
      await settle(page, 500);
      await shoot(page, 'online-lobby');
      driver.send('online wait seats', 'online start', 'online wait started');
      await untilPage(page, (s) => s.screen === 3, 'took up the room\'s Bowling game');
      // The driver's frame, shown on the page as it streams in.
      driver.send(...kDriverFrame, 'online wait turns 1');
      await untilPage(page, (s) => s.current === 1, 'saw the driver\'s frame end');
      const afterDriver = [table(await driver.state()), table(await state(page))];
      if (afterDriver[0] !== afterDriver[1]) throw new Error(`after the driver's frame: ${afterDriver.join(' / ')}`);
      // The page's frame: a ball whenever the lane is ready, until the turn passes.
      for (let ball = 0; ball < 3 && (await state(page)).current === 1; ++ball) {
        await untilPage(page, (s) => s.current !== 1 || (!s.game.rolling && !s.game.ball.moving), 'readied a ball');
        if ((await state(page)).current !== 1) break;
        await bowlOnPage(page);
        await untilPage(page, (s) => s.current !== 1 || s.game.rolling || s.game.ballInFrame > ball, 'bowled');
      }
      await untilPage(page, (s) => s.current === 0, 'passed the turn back');
      driver.send('online wait turns 2');
      const ends = [table(await driver.state()), table(await state(page))];
      if (ends[0] !== ends[1]) throw new Error(`after the page's frame: driver ${ends[0]} / page ${ends[1]}`);
      console.log(`    both: ${ends[0].slice(0, 160)}`);
    } finally {
      await driver.end();
      web.close();
      await server.stop();
    }
  });
}
