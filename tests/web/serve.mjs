// SPDX-License-Identifier: GPL-3.0-or-later
// A static file server on 127.0.0.1 for the built page: only the files in
// one folder, with the types a browser needs to compile WebAssembly.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { join, normalize, extname } from 'node:path';

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.mo': 'application/octet-stream' };

export function serve(dir) {
  const server = createServer(async (req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^\/+/, '');
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
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => resolve({ server, url: `http://127.0.0.1:${server.address().port}/quintaro.html` }));
  });
}
