// SPDX-License-Identifier: MIT
// Owns the start of the page: it hands the game the page's functions (pokurakuPage), then lets the game's
// program start (page/boot.js holds it until then), starts the first game once the game and the fonts are
// there, and says so when the site cannot start. The game (pokuraku-<release>.js) makes and changes panels, controls and menus through
// pokurakuPage, by the numbers it gives them, each function taking one object of named values; the page
// hands every click, tap, key and closed dialog back to it. The panels are laid out on a stage at the size
// the game draws them on a desktop, in CSS pixels, and the stage is scaled to fill the viewport.
import { connect, running } from './views.js';
import { captionWindow, focusWindow, hideWindow, makeWindow, raiseWindow, removeWindow, showWindow } from './panels.js';
import { enabled, focusControl, font, line, look, makeControl, picture, place, pointer, shown, spokenName, text }
  from './controls.js';
import { shippedFontsLoaded } from './text.js';
import { advance, canvasSize, inkOf, lineHeight, paintFill, paintLine, paintPolyline, paintText } from './canvas.js';
import { dialogAnswer, makeMenu, menuState, message } from './popups.js';
import { LIST_KEY, stored, storedValue, store } from './storage.js';
import { dropWordList, fatal, firstGame, gameClosed, pickWordList } from './games.js';
import { showWordLink } from './sharing.js';
import { keepCue, playCue } from './sound.js';
import { listenToThePlayer } from './input.js';
import { followTheSystem } from './system.js';
import { keepRecordRow, loadRecord, offerFile, replaceRecord, startRecord } from './record.js';
import { listenForVoices, speak } from './speech.js';

// The program's two files carry one release's name (pokuraku-<release>.js and .wasm), so a browser
// never runs the script of one release with the program of another; the page's script tag names both. A
// site that cannot start says so instead of showing "よみこみ中…" for ever.
const START_LIMIT_MS = 10000;
const startLimit = setTimeout(() => cannotStart('10 秒たっても始まりませんでした。'), START_LIMIT_MS);
const names = document.querySelector('script[data-program]');
const programName = names ? names.getAttribute('src') : 'pokuraku.js';
const wasmName = names ? names.dataset.wasm : 'pokuraku.wasm';

function cannotStart(what, detail = '') {
  clearTimeout(startLimit);
  const loading = document.getElementById('loading');
  if (running() || !loading) return;
  loading.className = 'broken';
  loading.textContent = `ポクラクを始められません。${what}\n\nページを読みこみなおしてください。` +
    'なおらないときは、このサイトを公開している人に このメッセージを知らせてください。';
  if (detail) {
    const small = document.createElement('small');
    small.textContent = `\n\n${detail}`;
    loading.append(small);
  }
}

// The game module calls ready() once it runs, with its numbers; the first game starts as soon as the fonts
// are there.
function ready(numbers) {
  clearTimeout(startLimit);
  connect(window.Module, numbers);
  followTheSystem();
  listenForVoices();
  shippedFontsLoaded().then(() => {
    document.getElementById('loading').remove();
    firstGame();
    keepForOffline();
  });
}

// The service worker keeps the site for the next visit; it starts once the opening is on the screen, so
// fetching its copy does not hold the game up. Every visit asks the server whether a new release is out,
// so the next visit plays it.
function keepForOffline() {
  if (!('serviceWorker' in navigator) || location.protocol === 'file:') return;
  setTimeout(() => navigator.serviceWorker.register('sw.js').then((r) => r.update()).catch(() => {}), 1000);
}

window.pokurakuPage = {
  makeWindow, captionWindow, dialogAnswer, showWindow, hideWindow, raiseWindow, focusWindow, removeWindow, makeControl, place, line,
  shown, spokenName, enabled, pointer, font, look, text, picture, focusControl, canvasSize, lineHeight, advance, inkOf,
  paintFill, paintLine, paintPolyline, paintText, makeMenu, menuState, message, fatal, gameClosed,
  pickWordList, dropWordList, showWordLink, stored, store, keepCue, playCue, loadRecord, keepRecordRow,
  replaceRecord, offerFile, speak, ready,
};
// The program's script (loaded beside the modules, see page/boot.js) waits for this moment to start.
const program = window.Module;
const cannotRead = () => cannotStart(`プログラムのファイル（${programName}）を読めませんでした。`);
const broken = (what) =>
  cannotStart(`プログラムのファイル（${wasmName}）を読めないか、こわれています。`, String(what || ''));
program.onAbort = broken;
addEventListener('error', (event) => {
  if (event.target instanceof HTMLScriptElement && 'program' in event.target.dataset) cannotRead();
}, true);
if (program.earlyFault?.program) cannotRead();
else if (program.earlyFault?.wasm) broken(program.earlyFault.what);
listenToThePlayer();

// The first look into the browser's storage reads it from disk: done while the program downloads, not
// when the first game starts.
storedValue(LIST_KEY);
startRecord();
program.pageThere();
