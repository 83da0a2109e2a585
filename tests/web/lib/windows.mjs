// Where the program's windows put their controls in a page of 1024 x 768.
// A window fills the page below its menu bar; its design (in twips, 15 to a
// pixel) grows to it, its shape kept, centred. A dialog (the number dialog,
// the score) stands over it at the same scale, framed, under a title bar,
// and is found by that bar in a screenshot. Controls are given as in their
// window's design (the C++ sources), menu entries as measured.
import {viewport} from './browser.mjs';

const menuBar = 19;  // measured: Qt's menu bar with its bottom line
const titleBlue = [48, 140, 198];  // the active window's title bar
const titleToClient = 22;  // measured: from the title bar's top to the window's inside

// The active dialog's title bar: its top row, left end and width.
function titleBar(picture) {
    for (let y = 0; y < picture.png.height; y++) {
        const run = picture.longestRun(y, titleBlue);
        if (run.length >= 100) return {y, ...run};
    }
    return null;
}

// A design shown at `scale` with its top-left corner at (left, top).
class Placed {
    constructor(scale, left, top) {
        Object.assign(this, {scale, left, top});
    }

    // A control's rectangle in the page, from its place in the design.
    rect(left, top, width, height) {
        const px = twips => (twips / 15) * this.scale;
        return {left: this.left + px(left), top: this.top + px(top), width: px(width), height: px(height)};
    }
}

class PageWindow extends Placed {
    constructor(width, height, {menus = false} = {}) {
        const top = menus ? menuBar : 0;
        const room = {width: viewport.width, height: viewport.height - top};
        const scale = Math.min(room.width / (width / 15), room.height / (height / 15));
        super(scale, (room.width - (width / 15) * scale) / 2, top + (room.height - (height / 15) * scale) / 2);
    }
}

class Dialog {
    // `controls`: {name: [left, top, width, height]} in twips; `ready(picture,
    // controls)`: whether it is drawn whole.
    constructor(what, width, controls, ready) {
        Object.assign(this, {what, width, controls, ready});
    }

    // The controls' rectangles where the title bar stands, whose width is the window's.
    locate(picture) {
        const bar = titleBar(picture);
        if (bar === null) return null;
        const placed = new Placed(bar.length / (this.width / 15), bar.start, bar.y + titleToClient);
        return Object.fromEntries(Object.entries(this.controls).map(([name, at]) => [name, placed.rect(...at)]));
    }

    // Its controls once it is shown, and the screenshot that showed it.
    async waitFor(session) {
        let found;
        const picture = await session.until(
            picture => (found = this.locate(picture)) !== null && this.ready(picture, found), this.what);
        return {...found, picture};
    }
}

export const centre = rect => [rect.left + rect.width / 2, rect.top + rect.height / 2];

// The inside of a box, clear of its frame and of the digit in its middle.
export function margin(rect) {
    const inset = Math.min(rect.width, rect.height) * 0.12;
    return {left: rect.left + inset, top: rect.top + inset, width: rect.width * 0.18, height: rect.height - 2 * inset};
}

async function clickOn(session, rect) {
    await session.click(...centre(rect));
}

async function menu(session, [x, y], entries) {
    await session.click(x, y);
    for (const [ex, ey] of entries) await session.click(ex, ey);
}

const feuilleTibalou = new PageWindow(6555, 5715);
export const mainMenu = {
    start: feuilleTibalou.rect(960 + 1680, 480 + 3000, 1335, 735),
    addition: feuilleTibalou.rect(1680, 1080, 1335, 1215),
    subtraction: feuilleTibalou.rect(3720, 1080, 1335, 1215),
    division: feuilleTibalou.rect(1680, 2400, 1335, 1215),
    multiplication: feuilleTibalou.rect(3720, 2400, 1335, 1215),
    about: feuilleTibalou.rect(1680, 3720, 1335, 1215),
    quitButton: feuilleTibalou.rect(3720, 3720, 1335, 1215),

    // Its buttons' captions (or the welcome panel's bold text over them), no dialog in front.
    waitFor(session) {
        return session.until(picture => picture.dark(this.addition) > 100 && picture.dark(this.division) > 100 &&
            titleBar(picture) === null, 'the main menu');
    },
    async open(session, exercise) {
        await clickOn(session, this.start);
        await clickOn(session, this[exercise]);
    },
    async quit(session) {
        await clickOn(session, this.start);
        await clickOn(session, this.quitButton);
    },
};

const feuilleAddition = new PageWindow(6555, 5715, {menus: true});
export const addition = {
    result: k => feuilleAddition.rect(4560 - 480 * k, 2160, 375, 375),
    start: feuilleAddition.rect(2880, 3480, 1095, 615),
    check: feuilleAddition.rect(1560, 3480, 1095, 615),
    quitButton: feuilleAddition.rect(4200, 3480, 1095, 615),
    chooseNumbers: session => menu(session, [33, 9], [[104, 73]]),
};

const feuillePrincipale = new PageWindow(6390, 5355, {menus: true});
export const multiplication = {
    // Row r holds the partial product of the second factor's digit r, shift places included.
    partial: (r, c) => feuillePrincipale.rect(5760 - 480 * c, 2160 + 480 * r, 375, 375),
    // The product's row is set one step below the last partial product's.
    product: (c, rows) => feuillePrincipale.rect(5760 - 480 * c, 2160 + 480 * (rows - 1) + 600, 375, 375),
    check: feuillePrincipale.rect(120, 1800, 1095, 375),
    quitButton: feuillePrincipale.rect(120, 2280, 1095, 375),
    chooseNumbers: session => menu(session, [87, 9], [[145, 95]]),
};

const feuilleDivision = new PageWindow(7020, 6330, {menus: true});
export const division = {
    quotient: p => feuilleDivision.rect(3960 + 600 * p, 2040, 375, 495),
    // Row `line` holds the remainder after the quotient's digit `line`, and the digit brought down.
    remainder: (line, c) => feuilleDivision.rect(3120 - 600 * c, 2040 + 600 * line, 375, 495),
    start: feuilleDivision.rect(5280, 4800, 1575, 375),
    check: feuilleDivision.rect(5280, 5760, 1575, 375),
    quitButton: feuilleDivision.rect(240, 5760, 1575, 375),
    chooseNumbers: session => menu(session, [87, 9], [[147, 73]]),
};

// Once a finger has touched the screen, the digit pad stands at the right of
// every exercise and of the number dialog: the design is wider by its room,
// and its keys (7 8 9 / 4 5 6 / 1 2 3 / 0) are placed from the design's size.
const padRoom = 2460;
function padKey(designWidth, designHeight, digit) {
    const column = digit === 0 ? 0 : (digit - 1) % 3, row = digit === 0 ? 3 : 2 - Math.floor((digit - 1) / 3);
    const top = Math.max(0, (designHeight - 2340) / 2 - 120) + 120;
    return [designWidth + 360 + column * 600, top + row * 600, digit === 0 ? 1140 : 540, 540];
}

const feuilleAdditionPad = new PageWindow(6555 + padRoom, 5715, {menus: true});
export const additionWithPad = {
    result: k => feuilleAdditionPad.rect(4560 - 480 * k, 2160, 375, 375),
    check: feuilleAdditionPad.rect(1560, 3480, 1095, 615),
    key: digit => feuilleAdditionPad.rect(...padKey(6555, 5715, digit)),
};

const dialogControls = {
    first: [3480, 480, 1695, 375],
    second: [3480, 1080, 1695, 375],
    send: [2160, 1800, 1935, 495],
};
const dialogReady = (picture, found) => picture.share(margin(found.second), [255, 255, 255]) > 0.9;

export const numberDialogWithPad = new Dialog('the number dialog and its pad', 6360 + padRoom, {
    ...dialogControls,
    ...Object.fromEntries([...Array(10).keys()].map(digit => [`key${digit}`, padKey(6360, 2595, digit)])),
}, dialogReady);

export const numberDialog = new Dialog('the number dialog', 6360, dialogControls, dialogReady);

export const score = new Dialog('the score', 4575, {
    rate: [480, 1440, 2655, 1215],
    ok: [1560, 3000, 1455, 495],
}, (picture, found) => picture.glyphs(found.rate) > 0);

export const about = new Dialog('About', 3465, {
    text: [120, 720, 3135, 375],
    ok: [720, 1200, 2055, 375],
}, (picture, found) => picture.glyphs(found.text) > 0);

// Numbers chosen for an exercise: its menu entry, then the dialog's first
// box (which has the focus), Tab, the second box, Envoi.
export async function choose(session, exercise, first, second) {
    await exercise.chooseNumbers(session);
    const dialog = await numberDialog.waitFor(session);
    await session.type(first);
    await session.press('Tab');
    await session.type(second);
    await session.click(...centre(dialog.send));
}
