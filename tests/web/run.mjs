// make test-web: the browser build, served from a folder as an intranet
// would, in headless Chromium. node tests/web/run.mjs [site folder]
import path from 'node:path';
import {after, before} from 'node:test';

import {launchBrowser} from './lib/browser.mjs';
import {serveSite} from './lib/server.mjs';
import {exerciseTests} from './exercises.mjs';
import {modalTests} from './modal.mjs';
import {padTests} from './pad.mjs';
import {siteTests} from './site.mjs';
import {soakTests} from './soak.mjs';

const context = {siteFolder: path.resolve(process.argv[2] ?? 'build-web')};

before(async () => {
    context.site = await serveSite(context.siteFolder);
    context.browser = await launchBrowser();
});

after(async () => {
    await context.browser?.close();
    await context.site?.close();
});

siteTests(context);
exerciseTests(context);
modalTests(context);
padTests(context);
soakTests(context);
