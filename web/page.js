// Starts Tibalou in the page, and says so in plain French once it has ended
// or when it could not run.
'use strict';

const texts = {
    ended: 'Tibalou est terminé.',
    crashed: 'Tibalou s\'est arrêté à cause d\'une erreur. Le calcul en cours est perdu.',
    notLoaded: 'Tibalou n\'a pas pu être chargé. Vérifiez la connexion, puis recommencez.',
    unsupported: 'Ce navigateur ne peut pas faire fonctionner Tibalou : il lui faut WebAssembly et WebGL. ' +
        'Essayez un navigateur plus récent.',
};

let over = false;

function showEnd(text) {
    if (over) return;
    over = true;
    document.getElementById('loading').hidden = true;
    document.getElementById('screen').hidden = true;
    document.getElementById('message').textContent = text;
    document.getElementById('end').hidden = false;
    document.getElementById('restart').focus();
}

// Offline once loaded, and installable as an app (browsers allow it on https
// and on localhost only). Registered once the program has been fetched, so
// that a new version never replaces the files under a page still fetching
// the old ones.
function keepForOffline() {
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

function start() {
    const screen = document.getElementById('screen');
    // The canvas hears the program's keys only while it has the page's focus.
    // A Tab that no window of the program takes (in a window of one button,
    // or in one under a modal window) would move that focus to the page
    // itself, for good: a click on the canvas does not bring it back.
    screen.addEventListener('keydown', event => {
        if (event.key === 'Tab') event.preventDefault();
    });
    document.getElementById('restart').addEventListener('click', () => location.reload());
    // The program says so once its last window has gone.
    window.addEventListener('tibalou-ended', () => showEnd(texts.ended));

    let running = false;
    const loader = QtLoader({
        canvasElements: [screen],
        showCanvas() {
            running = true;
            document.getElementById('loading').hidden = true;
            screen.hidden = false;
            keepForOffline();
        },
        showError() {
            showEnd(running ? texts.crashed : texts.notLoaded);
        },
        showExit(crashed) {
            showEnd(crashed ? texts.crashed : texts.ended);
        },
    });
    // An exception thrown out of the program's event handlers leaves it in no
    // state to go on.
    window.addEventListener('error', () => {
        if (running) showEnd(texts.crashed);
    });
    if (!loader.canLoadQt) {
        showEnd(texts.unsupported);
        return;
    }
    loader.loadEmscriptenModule('tibalou');
}

document.addEventListener('DOMContentLoaded', start);
