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
    const inset = rect.width * 0.12;
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
