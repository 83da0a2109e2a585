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

// Opens the exercise from the main menu, runs `steps`, checks, quits it;
// then the score's rate, by its number of digits, and back to the menu.
async function play(context, {menu, exercise, steps, boxes, rateDigits}) {
    const session = await Session.open(context.browser, context.site.url);
    await mainMenu.waitFor(session);
    await mainMenu.open(session, menu);
    await steps(session);
    await session.click(...centre(exercise.check));
    assertColours(await session.screenshot(), boxes);
    await session.click(...centre(exercise.quitButton));
    const shown = await score.waitFor(session);
    assert.equal(shown.picture.glyphs(shown.rate), rateDigits, `a rate of ${rateDigits} digit(s)`);
    await session.click(...centre(shown.ok));
    await mainMenu.waitFor(session);
    assert.deepEqual(session.problems, []);
    await session.close();
}

// An addition or a subtraction: its numbers, the keypad digits typed (units
// first), the result boxes' colours from the units on, the rate's digits.
const inColumns = (menu, numbers, digits, boxColours, rateDigits, keypad = {}) => ({
    menu, exercise: addition, rateDigits,
    async steps(session) {
        await choose(session, addition, ...numbers);
        await session.keypad(digits, keypad);
    },
    boxes: Object.fromEntries(boxColours.map((colour, k) => [`result ${k}`, [addition.result(k), colour]])),
});

const plays = {
    'an addition with a carry, all right: green, then a rate of 100 %':
        inColumns('addition', [47, 38], '58', ['green', 'green'], 3),
    'an addition typed on a keypad with Num Lock off: it types and moves on all the same':
        inColumns('addition', [506, 478], '489', ['green', 'green', 'green'], 3, {numLock: false}),
    'a subtraction with a borrow, one digit wrong: red, then a rate of 50 %':
        inColumns('subtraction', [52, 17], '54', ['green', 'red'], 2),
    'a multiplication by a two-digit factor, partial products and shift place included': {
        menu: 'multiplication', exercise: multiplication,
        async steps(session) {
            await choose(session, multiplication, 23, 12);
            // 23 x 2 = 46; 23 x 1 = 23 after a shift place, typed 0; 276.
            await session.keypad('64' + '032' + '672');
        },
        boxes: Object.fromEntries([
            ...[[0, 0], [0, 1], [1, 0], [1, 1], [1, 2]].map(([r, c]) =>
                [`partial ${r}, column ${c}`, [multiplication.partial(r, c), 'green']]),
            ...[0, 1, 2].map(c => [`product, column ${c}`, [multiplication.product(c, 2), 'green']]),
        ]),
        rateDigits: 3,
    },
    'a long division with a digit brought down and a remainder': {
        menu: 'division', exercise: division,
        async steps(session) {
            await choose(session, division, 95, 4);
            await session.click(...centre(division.start));
            // 9 / 4 = 2, remains 1; 5 brought down; 15 / 4 = 3, remains 3.
            await session.keypad('2' + '15' + '3' + '3');
        },
        boxes: {
            'quotient 1': [division.quotient(0), 'green'],
            'first remainder': [division.remainder(0, 1), 'green'],
            'digit brought down': [division.remainder(0, 0), 'green'],
            'quotient 2': [division.quotient(1), 'green'],
            remainder: [division.remainder(1, 0), 'green'],
        },
        rateDigits: 3,
    },
    'the number dialog refuses a leading 0 and a sixth digit': {
        menu: 'addition', exercise: addition,
        async steps(session) {
            await addition.chooseNumbers(session);
            const dialog = await numberDialog.waitFor(session);
            await session.type('07');
            assert.equal((await session.screenshot()).glyphs(dialog.first), 1, 'a 0 leads no number');
            await session.click(...centre(dialog.second));
            await session.type('123456');
            assert.equal((await session.screenshot()).glyphs(dialog.second), 5, 'five digits at most');
            await session.click(...centre(dialog.send));
            await session.keypad('25321');  // 12345 + 7, as the addition judges it
        },
        boxes: Object.fromEntries([0, 1, 2, 3, 4].map(k => [`result ${k}`, [addition.result(k), 'green']])),
        rateDigits: 3,
    },
};

export function exerciseTests(context) {
    describe('the exercises', () => {
        for (const [title, how] of Object.entries(plays)) test(title, () => play(context, how));
    });
}
