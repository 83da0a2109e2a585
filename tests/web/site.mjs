// The page around the program: loading, installing as an app, offline use,
// the end of the program and its failures, and the plain server that
// make serve-web runs.
import assert from 'node:assert/strict';
import {spawn} from 'node:child_process';
import {describe, test} from 'node:test';

import {Session, sleep} from './lib/browser.mjs';
import {mainMenu} from './lib/windows.mjs';

export function siteTests(context) {
    describe('the page', () => {
        test('shows the main menu, with no error and no missing file', async () => {
            const session = await Session.open(context.browser, context.site.url);
            const page = session.page;
            assert.equal(await page.title(), 'Tibalou');
            assert.equal(await page.$eval('html', html => html.lang), 'fr');
            assert.deepEqual(await page.$$eval('#loading, #screen, #end', elements => elements.map(e => e.hidden)),
                [true, false, true], 'the loading text gives way to the program');
            await mainMenu.waitFor(session);
            // Chromium asks for the favicon and the manifest's icons on its own.
            await sleep(500);
            assert.deepEqual(session.problems, []);
            assert.deepEqual(context.site.missing, []);
            await session.close();
        });

        test('can be installed as an app and reloaded offline', async () => {
            const session = await Session.open(context.browser, context.site.url);
            const page = session.page;
            const cdp = await page.createCDPSession();
            const {errors} = await cdp.send('Page.getAppManifest');
            assert.deepEqual(errors, [], 'the manifest reads without an error');
            // Apps are not installed from a private window, which each test's profile is.
            const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
            assert.deepEqual(installabilityErrors.filter(error => error.errorId !== 'in-incognito'), [],
                'Chromium would install it as an app');
            await cdp.detach();
            // The worker has cached every file once it is active.
            await page.evaluate(() => navigator.serviceWorker.ready);
            await page.setOfflineMode(true);
            session.offline = true;
            await session.load({reload: true});
            await mainMenu.waitFor(session);
            assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null),
                'the page came from the worker');
            assert.deepEqual(session.problems, []);
            await session.close();
        });

        test('says that the program has ended, and starts it again', async () => {
            const session = await Session.open(context.browser, context.site.url);
            const page = session.page;
            await mainMenu.quit(session);
            await page.waitForSelector('#end:not([hidden])', {timeout: 10000});
            assert.equal(await page.$eval('#message', p => p.textContent), 'Tibalou est terminé.');
            assert.ok(await page.$eval('#screen', canvas => canvas.hidden), 'the program is hidden');
            assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Recommencer',
                'Enter starts it again');
            const draws = await session.draws();
            await Promise.all([page.waitForNavigation(), page.keyboard.press('Enter')]);
            await page.waitForFunction(() => window.tibalouDraws.count > 0, {timeout: 60000});
            await mainMenu.waitFor(session);
            assert.ok(draws > 0);
            assert.deepEqual(session.problems, []);
            await session.close();
        });

        test('says in French when the program crashed or could not be loaded', async () => {
            const crash = await Session.open(context.browser, context.site.url);
            // As Emscripten reports an abort to Qt's loader.
            await crash.page.evaluate(() => window.moduleConfig.onAbort('abort() called'));
            await crash.page.waitForSelector('#end:not([hidden])');
            assert.match(await crash.page.$eval('#message', p => p.textContent), /s'est arrêté à cause d'une erreur/);
            assert.ok(await crash.page.$eval('#screen', canvas => canvas.hidden));
            await crash.close();

            const browserContext = await context.browser.createBrowserContext();
            const page = await browserContext.newPage();
            const withoutProgram = request => request.url().endsWith('.wasm')
                ? request.respond({status: 404, body: ''}) : request.continue();
            await page.setRequestInterception(true);
            page.on('request', withoutProgram);
            await page.goto(context.site.url);
            await page.waitForSelector('#end:not([hidden])');
            assert.match(await page.$eval('#message', p => p.textContent), /n'a pas pu être chargé/);

            page.off('request', withoutProgram);
            await page.setRequestInterception(false);
            await page.evaluateOnNewDocument(() => delete window.WebGLRenderingContext);
            await page.reload();
            await page.waitForSelector('#end:not([hidden])');
            assert.match(await page.$eval('#message', p => p.textContent), /il lui faut WebAssembly et WebGL/);
            await browserContext.close();
        });
    });

    describe('make serve-web', () => {
        test('serves the program with the types browsers require', async () => {
            const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1'],
                {cwd: context.siteFolder, stdio: ['ignore', 'pipe', 'ignore']});
            try {
                const port = await new Promise((resolve, reject) => {
                    server.stdout.on('data', data => {
                        const found = /port (\d+)/.exec(data.toString());
                        if (found) resolve(found[1]);
                    });
                    server.on('exit', code => reject(new Error(`python3 -m http.server ended (${code})`)));
                });
                const type = async file => {
                    const response = await fetch(`http://127.0.0.1:${port}/${file}`);
                    assert.equal(response.status, 200, file);
                    await response.arrayBuffer();
                    return response.headers.get('content-type');
                };
                // Streaming compilation needs it; a service worker must be JavaScript.
                assert.equal(await type('tibalou.wasm'), 'application/wasm');
                assert.match(await type('sw.js'), /^text\/javascript/);
                assert.match(await type('manifest.webmanifest'), /^application\/manifest\+json/);
                assert.match(await type(''), /^text\/html/);
            } finally {
                server.kill();
            }
        });
    });
}
