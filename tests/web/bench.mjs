// make bench-web: what the browser build costs a classroom.
//   node tests/web/bench.mjs SITE [SITE...] [--runs N]
// Per site: the bytes to download, raw and compressed as a server would
// (gzip -9, brotli at its best); the time from navigation to the program's
// first frame in headless Chromium, each run in a fresh profile from a local
// server; and a keypad digit's time from the key to the frame showing it.
// With several sites (builds to compare), their runs alternate.
import {readdirSync, readFileSync, statSync} from 'node:fs';
import path from 'node:path';
import {brotliCompressSync, constants, gzipSync} from 'node:zlib';

import {launchBrowser, Session, sleep} from './lib/browser.mjs';
import {serveSite} from './lib/server.mjs';
import {addition, centre, choose, mainMenu} from './lib/windows.mjs';

const options = process.argv.slice(2);
const runsAt = options.indexOf('--runs');
const runs = runsAt >= 0 ? Number(options.splice(runsAt, 2)[1]) : 30;
const sites = options.length > 0 ? options : ['build-web'];
const goals = {compressed: 5e6, firstFrame: 1500};

function files(folder, prefix = '') {
    return readdirSync(folder).sort().flatMap(name => {
        const file = path.join(folder, name);
        return statSync(file).isDirectory() ? files(file, `${prefix}${name}/`) : [[`${prefix}${name}`, file]];
    });
}

function sizes(site) {
    const rows = files(site).map(([name, file]) => {
        const bytes = readFileSync(file);
        return {
            name,
            raw: bytes.length,
            gzip: gzipSync(bytes, {level: 9}).length,
            brotli: brotliCompressSync(bytes, {params: {
                [constants.BROTLI_PARAM_QUALITY]: constants.BROTLI_MAX_QUALITY,
                [constants.BROTLI_PARAM_SIZE_HINT]: bytes.length,
            }}).length,
        };
    });
    const total = {name: 'all', raw: 0, gzip: 0, brotli: 0};
    for (const row of rows) for (const key of ['raw', 'gzip', 'brotli']) total[key] += row[key];
    return [...rows, total];
}

// Median, quartiles and extremes of a list of milliseconds.
function spread(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const at = q => {
        const i = (sorted.length - 1) * q, low = Math.floor(i);
        return sorted[low] + (sorted[Math.ceil(i)] - sorted[low]) * (i - low);
    };
    return {n: sorted.length, min: sorted[0], q1: at(0.25), median: at(0.5), q3: at(0.75), p90: at(0.9),
        max: sorted.at(-1)};
}

const ms = value => value.toFixed(0).padStart(6);
const spreadLine = s => `median ${ms(s.median)} ms, quartiles ${ms(s.q1)} – ${ms(s.q3)}, ` +
    `90th ${ms(s.p90)}, min ${ms(s.min)}, max ${ms(s.max)} (${s.n} runs)`;

async function firstFrame(browser, url) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({width: 1024, height: 768});
    await page.evaluateOnNewDocument(() => {
        window.tibalouFirstDraw = null;
        for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
            for (const name of ['drawArrays', 'drawElements']) {
                const draw = context.prototype[name];
                context.prototype[name] = function (...args) {
                    window.tibalouFirstDraw ??= performance.now();
                    return draw.apply(this, args);
                };
            }
        }
    });
    await page.goto(url);
    await page.waitForFunction(() => window.tibalouFirstDraw !== null, {timeout: 60000});
    const time = await page.evaluate(() => window.tibalouFirstDraw);
    await context.close();
    return time;
}

// Keypad digits typed into an addition's five result boxes, again and again:
// from each key down to the first draw after it.
async function keyToFrame(browser, url, digits) {
    const session = await Session.open(browser, url);
    await mainMenu.waitFor(session);
    await mainMenu.open(session, 'addition');
    await choose(session, addition, 54321, 12345);
    await session.page.evaluate(() => {
        window.tibalouKeys = [];
        window.addEventListener('keydown', event => window.tibalouKeys.push(event.timeStamp), true);
    });
    const times = [];
    while (times.length < digits) {
        await session.click(...centre(addition.result(0)));
        for (let box = 0; box < 5; box++) {
            await session.page.evaluate(() => (window.tibalouDraws.times = []));
            await session.keypad(String(box + 1));
            times.push(await session.page.evaluate(() => {
                const key = window.tibalouKeys.at(-1);
                return window.tibalouDraws.times.find(time => time > key) - key;
            }));
        }
    }
    await session.close();
    return times.filter(Number.isFinite);
}

const browser = await launchBrowser();
const servers = await Promise.all(sites.map(site => serveSite(site)));
try {
    for (const site of sites) {
        console.log(`\n${site}: bytes to download`);
        console.log(`${'file'.padEnd(24)}${'raw'.padStart(12)}${'gzip -9'.padStart(12)}${'brotli'.padStart(12)}`);
        const rows = sizes(site);
        for (const row of rows)
            console.log(`${row.name.padEnd(24)}${String(row.raw).padStart(12)}${String(row.gzip).padStart(12)}` +
                `${String(row.brotli).padStart(12)}`);
        const all = rows.at(-1);
        console.log(`goal: at most ${goals.compressed / 1e6} MB compressed: ` +
            `${all.gzip <= goals.compressed ? 'PASS' : 'MISS'} (gzip), ` +
            `${all.brotli <= goals.compressed ? 'PASS' : 'MISS'} (brotli)`);
    }

    // A first run of each warms the server's and the system's caches.
    for (const server of servers) await firstFrame(browser, server.url);
    const first = sites.map(() => []);
    for (let run = 0; run < runs; run++) {
        for (const [i, server] of servers.entries()) {
            first[i].push(await firstFrame(browser, server.url));
            await sleep(100);
        }
    }
    for (const [i, site] of sites.entries()) {
        const s = spread(first[i]);
        console.log(`\n${site}: navigation to first frame, fresh profile: ${spreadLine(s)}`);
        console.log(`goal: within ${goals.firstFrame} ms: ${s.median <= goals.firstFrame ? 'PASS' : 'MISS'}`);
    }

    const keys = sites.map(() => []);
    for (let round = 0; round < 4; round++)
        for (const [i, server] of servers.entries()) keys[i].push(...await keyToFrame(browser, server.url, 25));
    for (const [i, site] of sites.entries())
        console.log(`\n${site}: keypad digit, key down to the next frame drawn: ${spreadLine(spread(keys[i]))}`);
} finally {
    await browser.close();
    for (const server of servers) await server.close();
}
