// The site served for the tests from a folder of a server, as a school's
// intranet would, on a free port of this machine. Every request it cannot
// answer is kept, to be reported.
import {createReadStream} from 'node:fs';
import {stat} from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
};

export const folder = '/ecole/tibalou/';

export async function serveSite(site) {
    const root = path.resolve(site);
    const missing = [];
    const server = http.createServer(async (request, response) => {
        const url = new URL(request.url, 'http://localhost');
        let file = null;
        if (url.pathname.startsWith(folder)) {
            const relative = decodeURIComponent(url.pathname.slice(folder.length)) || 'index.html';
            file = path.join(root, path.normalize(relative));
            if (!file.startsWith(root + path.sep)) file = null;
        }
        const found = file && await stat(file).then(s => s.isFile(), () => false);
        if (!found) {
            missing.push(url.pathname);
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, {'Content-Type': types[path.extname(file)] ?? 'application/octet-stream'});
        createReadStream(file).pipe(response);
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}${folder}`,
        missing,
        close() {
            server.closeAllConnections();
            return new Promise(resolve => server.close(resolve));
        },
    };
}
