// Where the program's windows put their controls in a page of 1024 x 768.
// A window fills the page below its menu bar; its design (in twips, 15 to a
// pixel) grows to it, its shape kept, centred. Controls are given as in
// their window's design (the C++ sources), menu entries as measured.
import {viewport} from './browser.mjs';

const menuBar = 19;  // measured: Qt's menu bar with its bottom line

class PageWindow {
    constructor(width, height, {menus = false} = {}) {
        const top = menus ? menuBar : 0;
        const room = {width: viewport.width, height: viewport.height - top};
        this.scale = Math.min(room.width / (width / 15), room.height / (height / 15));
        this.left = (room.width - (width / 15) * this.scale) / 2;
        this.top = top + (room.height - (height / 15) * this.scale) / 2;
    }

    // A control's rectangle in the page, from its place in the design.
    rect(left, top, width, height) {
        const px = twips => (twips / 15) * this.scale;
        return {left: this.left + px(left), top: this.top + px(top), width: px(width), height: px(height)};
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
    welcomeText: feuilleTibalou.rect(960 + 360, 480 + 600, 4095, 1935),
    start: feuilleTibalou.rect(960 + 1680, 480 + 3000, 1335, 735),
    addition: feuilleTibalou.rect(1680, 1080, 1335, 1215),
    subtraction: feuilleTibalou.rect(3720, 1080, 1335, 1215),
    division: feuilleTibalou.rect(1680, 2400, 1335, 1215),
    multiplication: feuilleTibalou.rect(3720, 2400, 1335, 1215),
    about: feuilleTibalou.rect(1680, 3720, 1335, 1215),
    quitButton: feuilleTibalou.rect(3720, 3720, 1335, 1215),

    // The welcome panel, in bold: the menu's first frame.
    waitFor(session) {
        return session.until(picture => picture.dark(this.welcomeText) > 2000, 'the main menu');
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

const feuilleChoixPerso = new PageWindow(6360, 2595);
export const numberDialog = {
    first: feuilleChoixPerso.rect(3480, 480, 1695, 375),
    second: feuilleChoixPerso.rect(3480, 1080, 1695, 375),
    send: feuilleChoixPerso.rect(2160, 1800, 1935, 495),
    waitFor(session) {
        return session.until(picture => picture.share(margin(this.second), [255, 255, 255]) > 0.9, 'the number dialog');
    },
};

const feuilleScore = new PageWindow(4575, 3600);
export const score = {
    rate: feuilleScore.rect(480, 1440, 2655, 1215),
    ok: feuilleScore.rect(1560, 3000, 1455, 495),
    waitFor(session) {
        return session.until(picture => picture.glyphs(this.rate) > 0, 'the score');
    },
    digits(picture) {
        return picture.glyphs(this.rate);
    },
};
