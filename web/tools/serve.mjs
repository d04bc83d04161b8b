// SPDX-License-Identifier: GPL-3.0-or-later
// Usage: node web/tools/serve.mjs FOLDER [PORT]
//
// Serves a folder on http://127.0.0.1:PORT/ (8080 unless given), with the types a browser needs
// (application/wasm for the core), to try the site on this machine: 127.0.0.1 and localhost are
// secure contexts, so the service worker runs as on an https host. Files only, nothing above the
// folder. Also what the browser tests and the benchmark serve the site with (startServer).
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
    '.html': 'text/html; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

// Starts serving `folder`; resolves to the server once it listens (port 0: any free port).
export function startServer(folder, port = 0) {
    const root = resolve(folder);
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
        if (!file.startsWith(root)) {
            response.writeHead(403).end();
            return;
        }
        try {
            const body = await readFile(file);
            response.writeHead(200, {
                'Content-Type': kTypes[extname(file)] ?? 'application/octet-stream',
                'Cache-Control': 'no-cache',
            });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [folder, port = '8080'] = process.argv.slice(2);
    if (!folder) {
        console.error('usage: node web/tools/serve.mjs FOLDER [PORT]');
        process.exit(2);
    }
    const server = await startServer(folder, Number(port));
    console.log(`http://127.0.0.1:${server.address().port}/`);
}
