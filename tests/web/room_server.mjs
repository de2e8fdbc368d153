// SPDX-License-Identifier: GPL-3.0-or-later
// A room server of the native build on a free 127.0.0.1 port, for the
// page's online tests, and the room messages written as the server reads them.
import { spawn } from 'node:child_process';
import { createServer, get } from 'node:http';
import { join } from 'node:path';

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = createServer();
    probe.on('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

const healthy = (port) => new Promise((resolve) => {
  get({ host: '127.0.0.1', port, path: '/health' }, (r) => { r.resume(); resolve(r.statusCode === 200); })
    .on('error', () => resolve(false));
});

// Started and answering /health; stop() ends it.
export async function startRoomServer(nativeDir) {
  const port = await freePort();
  const child = spawn(join(nativeDir, 'quintaro-server'), ['--listen', `127.0.0.1:${port}`], { stdio: ['ignore', 'ignore', 'pipe'] });
  let log = '';
  child.stderr.on('data', (d) => { log += d; });
  const exited = new Promise((resolve) => child.on('exit', resolve));
  for (let tries = 0; !(await healthy(port)); ++tries) {
    if (child.exitCode !== null || tries > 100) throw new Error(`the room server did not start: ${log}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return {
    port,
    stop: async () => { if (child.exitCode === null) { child.kill('SIGTERM'); await exited; } },
  };
}

// One room message: its type, its fields in order, and a body after an empty line.
export function roomMessage(type, fields = {}, body) {
  const lines = [`qn1 ${type}`, ...Object.entries(fields).map(([k, v]) => `${k}=${v}`)];
  return lines.join('\n') + (body === undefined ? '\n' : `\n\n${body}`);
}

// The type and fields of a message read off the wire (the body left whole).
export function readRoomMessage(text) {
  const [head, ...rest] = text.split('\n\n');
  const [first, ...lines] = head.split('\n');
  const fields = Object.fromEntries(lines.filter((l) => l.includes('=')).map((l) => [l.slice(0, l.indexOf('=')), l.slice(l.indexOf('=') + 1)]));
  return { type: first.replace(/^qn1 /, ''), fields, body: rest.join('\n\n') };
}
