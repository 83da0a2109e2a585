// A random pupil in the page: clicks anywhere, keypad and main-row digits,
// letters, Tab, Enter, Escape, Backspace, arrows, quickly and from a seed
// (SOAK_SEED, printed; SOAK_ACTIONS, 3000 by default). Nothing may go wrong
// in the page, and the program must still answer at the end. The main
// menu's Quitter ends the program: the soak then starts it again.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {Session, sleep, viewport} from './lib/browser.mjs';

// mulberry32: small, and the same sequence everywhere.
function randomFrom(seed) {
    let state = seed >>> 0;
    return () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

const keys = ['0', '1', '5', '9', 'a', 'z', 'Tab', 'Enter', 'Escape', 'Backspace', 'Delete', 'ArrowLeft', 'ArrowUp',
    ' '];

export function soakTests(context) {
    const seed = Number(process.env.SOAK_SEED ?? Math.floor(Math.random() * 2 ** 32));
    const actions = Number(process.env.SOAK_ACTIONS ?? 3000);

    test(`a random pupil, ${actions} actions, seed ${seed}`, async () => {
        console.log(`soak: seed ${seed} (SOAK_SEED=${seed} replays it)`);
        const random = randomFrom(seed);
        const pick = list => list[Math.floor(random() * list.length)];
        const session = await Session.open(context.browser, context.site.url);
        const page = session.page;
        const done = [];
        let restarts = 0;
        page.on('framenavigated', frame => {
            if (frame === page.mainFrame()) restarts++;
        });
        // Settled, past any start again (Recommencer clicked, or Enter on it)
        // and its first frame.
        const steady = async () => {
            for (;;) {
                try {
                    await page.waitForFunction(
                        () => window.tibalouDraws.count > 0 || !document.getElementById('end').hidden, {timeout: 60000});
                    await session.settle();
                    return;
                } catch (error) {
                    if (!/context|navigat|detached/i.test(error.message)) throw error;
                }
            }
        };
        try {
            for (let i = 0; i < actions; i++) {
                const kind = random();
                if (kind < 0.5) {
                    const x = Math.floor(random() * viewport.width), y = Math.floor(random() * viewport.height);
                    const count = random() < 0.1 ? 2 : 1;
                    done.push(`click ${x},${y}${count > 1 ? ' twice' : ''}`);
                    await page.mouse.click(x, y, {count});
                } else if (kind < 0.75) {
                    const digit = String(Math.floor(random() * 10));
                    done.push(`keypad ${digit}`);
                    await session.keypad(digit, {settle: false});
                } else {
                    const key = pick(keys);
                    done.push(`key ${key}`);
                    await page.keyboard.press(key);
                }
                await sleep(random() * 15);
                if (i % 25 !== 24) continue;
                // Now and then: nothing wrong so far, and the program not ended.
                await steady();
                assert.deepEqual(session.problems, []);
                const ended = await page.$eval('#end', end => (end.hidden ? null : end.textContent));
                if (ended !== null) {
                    assert.match(ended, /Tibalou est terminé/);
                    await page.click('#restart');
                    await steady();
                }
            }
            // Still answering: Escape closes a menu or a small window, Tab moves the focus.
            await steady();
            const draws = await session.draws();
            await session.press('Escape');
            await session.press('Tab');
            assert.ok(await session.draws() > draws, 'the program draws again after Escape and Tab');
            assert.deepEqual(session.problems, []);
            console.log(`soak: ${actions} actions, the program ended and was started again ${restarts} time(s)`);
        } catch (error) {
            error.message += `\nseed ${seed}, after ${done.length} actions; the last ones: ${done.slice(-15).join('; ')}`;
            // What the page showed then: the replay's first clue.
            const file = `${process.env.TMPDIR ?? '/tmp'}/tibalou-soak-${seed}.png`;
            if (await page.screenshot({path: file}).then(() => true, () => false)) error.message += `\nscreenshot: ${file}`;
            throw error;
        } finally {
            await session.close();
        }
    });
}
