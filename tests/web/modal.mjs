// Modal windows in a page, where the program is suspended for a modal loop
// and only one suspended stack is kept: a window opened while another is
// still closing must not freeze the page.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {Session, sleep, viewport} from './lib/browser.mjs';
import {about, centre, mainMenu} from './lib/windows.mjs';

// Whether the program still draws when the page changes size.
async function answers(session) {
    const draws = await session.draws();
    await session.page.setViewport({width: viewport.width - 100, height: viewport.height});
    await sleep(500);
    return (await session.draws()) > draws;
}

const within = (promise, ms) => Promise.race([promise.then(() => true), sleep(ms).then(() => false)]);

export function modalTests(context) {
    test('a double click on About\'s OK, over the menu\'s Division button, leaves the page answering',
        async () => {
            const session = await Session.open(context.browser, context.site.url);
            try {
                await mainMenu.waitFor(session);
                await session.click(...centre(mainMenu.start));
                await session.click(...centre(mainMenu.about));
                // About's OK stands over the bottom right of the Division button.
                const {left, top, width, height} = mainMenu.division;
                assert.ok(await within(session.page.mouse.click(left + width - 20, top + height - 10, {count: 2}), 10000),
                    'the click was taken');
                assert.ok(await within(answers(session), 10000), 'the page answers');
                assert.deepEqual(session.problems, []);
            } finally {
                await session.close();
            }
        });

    // About has one button: Tab finds nothing to move to. A click beside it
    // lands on the main menu, which a modal window blocks.
    for (const [what, aside] of [['Tab in About', s => s.press('Tab')], ['a click beside About', s => s.click(40, 40)]]) {
        test(`${what} leaves the keyboard with About`, async () => {
            const session = await Session.open(context.browser, context.site.url);
            try {
                await mainMenu.waitFor(session);
                await session.click(...centre(mainMenu.start));
                await session.click(...centre(mainMenu.about));
                await about.waitFor(session);
                await aside(session);
                await session.press('Escape');
                await mainMenu.waitFor(session);
                assert.deepEqual(session.problems, []);
            } finally {
                await session.close();
            }
        });
    }
}
