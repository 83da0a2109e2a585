// One operation of each exercise, played from the main menu as a pupil
// does: numbers chosen in the dialog with the main row's digits, the answer
// typed on the keypad box after box in the exercise's own order, checked,
// then the score. And the number dialog's own rules.
import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {Session} from './lib/browser.mjs';
import {
    addition, centre, choose, division, mainMenu, margin, multiplication, numberDialog, score,
} from './lib/windows.mjs';

const colours = {green: [0, 255, 0], red: [255, 0, 0]};

// Every box of `expected` ({name: [rect, 'green' | 'red']}) in its colour.
function assertColours(picture, expected) {
    const seen = {};
    for (const [name, [rect]] of Object.entries(expected)) {
        const colour = Object.keys(colours).find(c => picture.share(margin(rect), colours[c]) > 0.9);
        seen[name] = colour ?? `other (${picture.pixel(...centre(margin(rect)))})`;
    }
    assert.deepEqual(seen, Object.fromEntries(Object.entries(expected).map(([name, [, colour]]) => [name, colour])));
}

async function play(context, name, exercise, run) {
    const session = await Session.open(context.browser, context.site.url);
    await mainMenu.waitFor(session);
    await mainMenu.open(session, name);
    await run(session);
    await session.click(...centre(exercise.quitButton));
    return session;
}

// The rate in the score window, by its number of digits, then back to the menu.
async function assertScore(session, digits) {
    const shown = await score.waitFor(session);
    assert.equal(shown.picture.glyphs(shown.rate), digits, `a rate of ${digits} digit(s)`);
    await session.click(...centre(shown.ok));
    await mainMenu.waitFor(session);
    assert.deepEqual(session.problems, []);
    await session.close();
}

export function exerciseTests(context) {
    describe('the exercises', () => {
        test('an addition with a carry, all right: green, then a rate of 100 %', async () => {
            const session = await play(context, 'addition', addition, async session => {
                await choose(session, addition, 47, 38);
                await session.keypad('58');  // units first
                await session.click(...centre(addition.check));
                assertColours(await session.screenshot(), {
                    units: [addition.result(0), 'green'],
                    tens: [addition.result(1), 'green'],
                });
            });
            await assertScore(session, 3);
        });

        test('a subtraction with a borrow, one digit wrong: red, then a rate of 50 %', async () => {
            const session = await play(context, 'subtraction', addition, async session => {
                await choose(session, addition, 52, 17);
                await session.keypad('54');  // 35, its tens wrong
                await session.click(...centre(addition.check));
                assertColours(await session.screenshot(), {
                    units: [addition.result(0), 'green'],
                    tens: [addition.result(1), 'red'],
                });
            });
            await assertScore(session, 2);
        });

        test('a multiplication by a two-digit factor, partial products and shift place included', async () => {
            const session = await play(context, 'multiplication', multiplication, async session => {
                await choose(session, multiplication, 23, 12);
                // 23 x 2 = 46; 23 x 1 = 23 after a shift place, typed 0; 276.
                await session.keypad('64' + '032' + '672');
                await session.click(...centre(multiplication.check));
                const boxes = {};
                for (const [r, c] of [[0, 0], [0, 1], [1, 0], [1, 1], [1, 2]])
                    boxes[`partial ${r}, column ${c}`] = [multiplication.partial(r, c), 'green'];
                for (const c of [0, 1, 2]) boxes[`product, column ${c}`] = [multiplication.product(c, 2), 'green'];
                assertColours(await session.screenshot(), boxes);
            });
            await assertScore(session, 3);
        });

        test('the number dialog refuses a leading 0 and a sixth digit', async () => {
            const session = await play(context, 'addition', addition, async session => {
                await addition.chooseNumbers(session);
                const dialog = await numberDialog.waitFor(session);
                await session.type('07');
                assert.equal((await session.screenshot()).glyphs(dialog.first), 1, 'a 0 leads no number');
                await session.click(...centre(dialog.second));
                await session.type('123456');
                assert.equal((await session.screenshot()).glyphs(dialog.second), 5, 'five digits at most');
                await session.click(...centre(dialog.send));
                // 12345 + 7, as the addition judges it.
                await session.keypad('25321');
                await session.click(...centre(addition.check));
                const boxes = {};
                for (const k of [0, 1, 2, 3, 4]) boxes[`result ${k}`] = [addition.result(k), 'green'];
                assertColours(await session.screenshot(), boxes);
            });
            await assertScore(session, 3);
        });

        test('a long division with a digit brought down and a remainder', async () => {
            const session = await play(context, 'division', division, async session => {
                await choose(session, division, 95, 4);
                await session.click(...centre(division.start));
                // 9 / 4 = 2, remains 1; 5 brought down; 15 / 4 = 3, remains 3.
                await session.keypad('2' + '15' + '3' + '3');
                await session.click(...centre(division.check));
                assertColours(await session.screenshot(), {
                    'quotient 1': [division.quotient(0), 'green'],
                    'first remainder': [division.remainder(0, 1), 'green'],
                    'digit brought down': [division.remainder(0, 0), 'green'],
                    'quotient 2': [division.quotient(1), 'green'],
                    remainder: [division.remainder(1, 0), 'green'],
                });
            });
            await assertScore(session, 3);
        });
    });
}
