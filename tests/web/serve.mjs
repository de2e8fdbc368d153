// SPDX-License-Identifier: GPL-3.0-or-later
// A static file server on 127.0.0.1 for the built page: only the files in
// one folder, with the types a browser needs to compile WebAssembly. Given
// a room server's port, it passes /room (the page's default server address)
// and /health through to it, as the reverse proxy in front of a real
// server does.
//   node tests/web/serve.mjs DIR PORT [ROOM_SERVER_PORT]   serves until stopped
import { createServer, request } from 'node:http';
import { connect } from 'node:net';
import { readFile } from 'node:fs/promises';
import { join, normalize, extname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.mo': 'application/octet-stream' };

// The upgrade request as it came, then the two sockets joined both ways.
function passRoom(req, socket, head, roomPort) {
  const upstream = connect(roomPort, '127.0.0.1', () => {
    const headers = Object.entries(req.headers).map(([k, v]) => `${k}: ${v}`).join('\r\n');
    upstream.write(`${req.method} ${req.url} HTTP/1.1\r\n${headers}\r\n\r\n`);
    if (head.length) upstream.write(head);
    upstream.pipe(socket);
    socket.pipe(upstream);
  });
  const drop = () => { upstream.destroy(); socket.destroy(); };
  upstream.on('error', drop);
  socket.on('error', drop);
  upstream.on('close', drop);
  socket.on('close', drop);
}

function passHealth(res, roomPort) {
  const upstream = request({ host: '127.0.0.1', port: roomPort, path: '/health' }, (r) => {
    res.writeHead(r.statusCode, { 'Content-Type': 'text/plain', 'Cache-Control': 'no-store' });
    r.pipe(res);
  });
  upstream.on('error', () => res.writeHead(502).end());
  upstream.end();
}

export function serve(dir, { roomPort = 0, port = 0 } = {}) {
  const server = createServer(async (req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^\/+/, '');
    if (roomPort && path === 'health') return passHealth(res, roomPort);
    if (path.includes('..') || !(extname(path) in types)) {
      res.writeHead(404).end();
      return;
    }
    try {
      const body = await readFile(join(dir, path));
      res.writeHead(200, { 'Content-Type': types[extname(path)], 'Cache-Control': 'no-store' }).end(body);
    } catch {
      res.writeHead(404).end();
    }
  });
  server.on('upgrade', (req, socket, head) => {
    if (roomPort && new URL(req.url, 'http://x').pathname === '/room') passRoom(req, socket, head, roomPort);
    else socket.destroy();
  });
  return new Promise((done) => {
    server.listen(port, '127.0.0.1', () => done({ server, url: `http://127.0.0.1:${server.address().port}/quintaro.html` }));
  });
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [dir, port, roomPort] = process.argv.slice(2);
  const { url } = await serve(dir, { port: Number(port) || 0, roomPort: Number(roomPort) || 0 });
  console.log(`Open ${url}${roomPort ? ` (rooms: 127.0.0.1:${roomPort})` : ''} (Ctrl+C stops serving)`);
}
