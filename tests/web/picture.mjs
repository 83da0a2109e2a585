// make web-picture: the README's picture of the browser build, an addition
// played by taps on the digit pad and checked. node tests/web/picture.mjs SITE OUT
import path from 'node:path';

import {launchBrowser, Session} from './lib/browser.mjs';
import {serveSite} from './lib/server.mjs';
import {playAdditionByTaps} from './pad.mjs';

const [site, out] = [path.resolve(process.argv[2] ?? 'build-web'), process.argv[3] ?? 'docs/navigateur.png'];
const server = await serveSite(site);
const browser = await launchBrowser();
try {
    const session = await Session.open(browser, server.url, {touch: true});
    await playAdditionByTaps(session);
    await session.page.screenshot({path: out});
    if (session.problems.length) throw new Error(session.problems.join('\n'));
} finally {
    await browser.close();
    await server.close();
}
