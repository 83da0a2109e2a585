// The digit pad on a touch screen: the first tap shows it, and an addition
// is chosen, typed and checked with a finger alone, the number dialog's
// numbers typed on its own pad.
import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {Session} from './lib/browser.mjs';
import {additionWithPad, centre, mainMenu, margin, numberDialogWithPad} from './lib/windows.mjs';

const green = [0, 255, 0];

// From the main menu: 47 + 38 chosen and answered by taps, then checked.
export async function playAdditionByTaps(session) {
    await mainMenu.waitFor(session);
    await session.tap(...centre(mainMenu.start));
    await session.tap(...centre(mainMenu.addition));
    await session.until(picture => picture.dark(additionWithPad.key(7)) > 20, 'the addition with its pad');

    await session.tap(33, 9);  // Options
    await session.tap(104, 73);  // Choisir les deux termes
    const dialog = await numberDialogWithPad.waitFor(session);
    for (const digit of '47') await session.tap(...centre(dialog[`key${digit}`]));
    await session.tap(...centre(dialog.second));
    for (const digit of '38') await session.tap(...centre(dialog[`key${digit}`]));
    await session.tap(...centre(dialog.send));

    // 47 + 38 = 85, units first: the focus walks the boxes as with the keypad.
    for (const digit of '58') await session.tap(...centre(additionWithPad.key(Number(digit))));
    await session.tap(...centre(additionWithPad.check));
}

export function padTests(context) {
    describe('the digit pad', () => {
        test('a first tap shows it; an addition is played and checked by taps alone', async () => {
            const session = await Session.open(context.browser, context.site.url, {touch: true});
            await playAdditionByTaps(session);
            const picture = await session.screenshot();
            for (const k of [0, 1])
                assert.ok(picture.share(margin(additionWithPad.result(k)), green) > 0.9, `result box ${k} green`);
            assert.deepEqual(session.problems, []);
            await session.close();
        });
    });
}
