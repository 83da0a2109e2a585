// Headless Chromium on the site: a page of a fixed size, what went wrong in
// it, the program's frames, its input and its pixels.
import {writeFileSync} from 'node:fs';

import {PNG} from 'pngjs';
import puppeteer from 'puppeteer-core';

export const viewport = {width: 1024, height: 768};

export function launchBrowser() {
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        // A page that hangs fails its test within a minute.
        protocolTimeout: 60000,
        // Root needs no sandbox; without a GPU, WebGL is drawn in software;
        // containers and chroots may have no /dev/shm.
        args: ['--no-sandbox', '--enable-unsafe-swiftshader', '--disable-dev-shm-usage',
            `--window-size=${viewport.width},${viewport.height}`],
    });
}

export const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// Counts the program's WebGL draws (Qt draws each window's texture once a
// frame) and keeps their times, from the page's time origin on.
function countDraws() {
    window.tibalouDraws = {count: 0, times: []};
    for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
        for (const name of ['drawArrays', 'drawElements']) {
            const draw = context.prototype[name];
            context.prototype[name] = function (...args) {
                const result = draw.apply(this, args);
                window.tibalouDraws.count++;
                window.tibalouDraws.times.push(performance.now());
                if (window.tibalouDraws.times.length > 1000) window.tibalouDraws.times.splice(0, 500);
                return result;
            };
        }
    }
}

// What a page must never show: console errors, uncaught exceptions, failed
// requests, and the event dispatcher's complaint of a modal loop gone wrong.
const fatal = /already suspended|RuntimeError|Aborted|exception/i;
// Software WebGL warns of its slow read-backs when a screenshot is taken.
const harmless = /GL Driver Message|GPU stall due to ReadPixels/;

const withoutNumLock = [['Insert', 45], ['End', 35], ['ArrowDown', 40], ['PageDown', 34], ['ArrowLeft', 37],
    ['Clear', 12], ['ArrowRight', 39], ['Home', 36], ['ArrowUp', 38], ['PageUp', 33]];

export class Session {
    // A page of its own, in a profile of its own: nothing cached, no worker.
    // `touch`: a touch screen, tapped by tap().
    static async open(browser, url, {touch = false} = {}) {
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.setViewport({...viewport, hasTouch: touch});
        await page.evaluateOnNewDocument(countDraws);
        const session = new Session(context, page, url);
        await session.load();
        return session;
    }

    constructor(context, page, url) {
        this.context = context;
        this.page = page;
        this.url = url;
        this.problems = [];
        this.offline = false;
        page.on('console', message => {
            const text = message.text();
            if (harmless.test(text)) return;
            if (message.type() === 'error' || fatal.test(text)) this.problems.push(`console ${message.type()}: ${text}`);
        });
        page.on('pageerror', error => this.problems.push(`page error: ${error.message}`));
        page.on('requestfailed', request => {
            // Offline on purpose, or cut short by a reload.
            if (this.offline || request.failure()?.errorText === 'net::ERR_ABORTED') return;
            this.problems.push(`request failed: ${request.url()} (${request.failure()?.errorText})`);
        });
        page.on('response', response => {
            if (response.status() >= 400) this.problems.push(`HTTP ${response.status()}: ${response.url()}`);
        });
        page.on('error', error => this.problems.push(`page crashed: ${error.message}`));
    }

    // Opens the site (again) and waits for the program's first frame.
    async load({reload = false} = {}) {
        if (reload) await this.page.reload();
        else await this.page.goto(this.url);
        await this.page.waitForFunction(() => window.tibalouDraws.count > 0, {timeout: 60000});
        await this.settle();
    }

    async close() {
        await this.context.close();
    }

    draws() {
        return this.page.evaluate(() => window.tibalouDraws.count);
    }

    // Waits until the program has answered the last input: a frame drawn
    // since, or none coming, then a short quiet. A text box's blinking
    // cursor draws twice a second, so the quiet is shorter than that.
    async settle({quiet = 150, longest = 5000} = {}) {
        await this.page.evaluate(async (quiet, longest) => {
            const before = window.tibalouDraws.count;
            const started = performance.now();
            const lastDraw = () => window.tibalouDraws.times.at(-1) ?? 0;
            await new Promise(resolve => setTimeout(resolve, 50));
            while (performance.now() - started < longest) {
                const now = performance.now();
                const drawn = window.tibalouDraws.count > before;
                if ((drawn || now - started > 400) && now - Math.max(lastDraw(), started) > quiet) return;
                await new Promise(resolve => setTimeout(resolve, 20));
            }
        }, quiet, longest);
    }

    async click(x, y) {
        await this.page.mouse.click(x, y);
        await this.settle();
    }

    async tap(x, y) {
        await this.page.touchscreen.tap(x, y);
        await this.settle();
    }

    // Keypad digits, as a keypad sends them (Qt sees its keypad modifier
    // only so): the program moves on after each. With Num Lock off, a keypad
    // sends Insert, End, Down... and types nothing itself.
    async keypad(digits, {settle = true, numLock = true} = {}) {
        this.cdp ??= await this.page.createCDPSession();
        for (const digit of String(digits)) {
            const key = numLock
                ? {key: digit, windowsVirtualKeyCode: 96 + Number(digit)}
                : {key: withoutNumLock[digit][0], windowsVirtualKeyCode: withoutNumLock[digit][1]};
            Object.assign(key, {code: `Numpad${digit}`, location: 3, isKeypad: true});
            await this.cdp.send('Input.dispatchKeyEvent', numLock
                ? {type: 'keyDown', text: digit, ...key} : {type: 'rawKeyDown', ...key});
            await this.cdp.send('Input.dispatchKeyEvent', {type: 'keyUp', ...key});
            if (settle) await this.settle();
        }
    }

    // Digits of the main row, or any text.
    async type(text) {
        await this.page.keyboard.type(String(text), {delay: 30});
        await this.settle();
    }

    async press(key) {
        await this.page.keyboard.press(key);
        await this.settle();
    }

    async screenshot() {
        return new Picture(PNG.sync.read(Buffer.from(await this.page.screenshot({type: 'png'}))));
    }

    // Takes screenshots until `check` finds what it looks for in one.
    async until(check, what, timeout = 10000) {
        const started = Date.now();
        for (;;) {
            const picture = await this.screenshot();
            if (check(picture)) return picture;
            if (Date.now() - started > timeout) {
                const file = `${process.env.TMPDIR ?? '/tmp'}/tibalou-web-${Date.now()}.png`;
                picture.save(file);
                throw new Error(`${what}: not seen within ${timeout} ms (last screenshot: ${file})`);
            }
            await sleep(200);
        }
    }
}

export class Picture {
    constructor(png) {
        this.png = png;
    }

    pixel(x, y) {
        const i = (Math.round(y) * this.png.width + Math.round(x)) * 4;
        return [this.png.data[i], this.png.data[i + 1], this.png.data[i + 2]];
    }

    // The longest run of pixels of this colour in row y.
    longestRun(y, [r, g, b]) {
        let best = {start: 0, length: 0}, start = 0;
        for (let x = 0; x <= this.png.width; x++) {
            const [pr, pg, pb] = x < this.png.width ? this.pixel(x, y) : [];
            if (pr === r && pg === g && pb === b) continue;
            if (x - start > best.length) best = {start, length: x - start};
            start = x + 1;
        }
        return best;
    }

    // The share of a rectangle's pixels of exactly this colour.
    share(rect, [r, g, b]) {
        let same = 0, all = 0;
        for (let y = Math.round(rect.top); y < rect.top + rect.height; y++) {
            for (let x = Math.round(rect.left); x < rect.left + rect.width; x++) {
                const [pr, pg, pb] = this.pixel(x, y);
                if (pr === r && pg === g && pb === b) same++;
                all++;
            }
        }
        return same / all;
    }

    // Pixels darker than any background: text and lines.
    dark(rect) {
        let count = 0;
        for (let y = Math.round(rect.top); y < rect.top + rect.height; y++)
            for (let x = Math.round(rect.left); x < rect.left + rect.width; x++)
                if (Math.max(...this.pixel(x, y)) < 80) count++;
        return count;
    }

    // Characters in a line of text, as runs of columns holding dark pixels;
    // a text cursor, a pixel or two wide, is none.
    glyphs(rect) {
        let count = 0, run = 0;
        for (let x = Math.round(rect.left); x <= rect.left + rect.width; x++) {
            const column = {left: x, top: rect.top, width: 1, height: rect.height};
            if (x < rect.left + rect.width && this.dark(column) > 0) {
                run++;
            } else {
                if (run > 2) count++;
                run = 0;
            }
        }
        return count;
    }

    save(file) {
        writeFileSync(file, PNG.sync.write(this.png));
    }
}
