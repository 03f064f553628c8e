// SPDX-License-Identifier: MIT
// Owns the games one after another: each new game with the word list in force, the teacher picking a list,
// a link bringing one, or going back to the shipped one, the error box a game stops behind, and the closing
// panel after it.
import { closeMenu, message, queueDialog } from './popups.js';
import { dropList, keepList, keptList, putSettingsAside, setListAside } from './storage.js';
import { running } from './views.js';
import { listFromFragment, wordsIn } from './wordlink.js';

const closing = document.getElementById('closing');
const filePicker = document.getElementById('word-file');

// Every game checks the kept list again before it plays: a list that a new release of the game no longer
// takes is set aside instead of breaking every start.
let listInForce = null; // the list of the game in play: { name, bytes }
let starting = false; // from a new game until its main panel shows

export const mainPanelShown = () => { starting = false; };
export const closingShown = () => !closing.hidden;
export const listNow = () => listInForce;
// Where the words of the game in play came from, as the main panel's caption names it.
export const listCaption = () => `ことば：${listInForce ? '先生のことば' : 'もとのことば'}`;

// Every game starts afresh with the word list in force, after whatever event asked for it is over. A kept
// list the game refuses is set aside, and the game starts with the shipped words.
export function newGame() {
  setTimeout(() => {
    const game = running();
    let list = keptList();
    const refusal = list && (list.bytes ? game.checkWordList(list.name, list.bytes)
      : { text: 'ブラウザに残したデータがこわれています。', detail: '' });
    if (refusal) {
      if (setListAside()) listInForce = null;
      message({ text: `先生のことば「${list.name}」は使えないので、わきによけました。もとのことばで遊びます。` +
        `\n\n${refusal.text}`, title: 'ことば', stop: true, detail: refusal.detail });
      list = null;
    }
    listInForce = list;
    starting = true;
    game.useWordList(list ? list.bytes : new Uint8Array(0));
    game.startGame();
  });
}

// The game stops behind its error box. What the page brought into a game that failed while it started
// (a teacher's list, a setting) is set aside, so the next game starts with the shipped words and the
// usual settings.
export function fatal({ text, detail }) {
  const aside = [];
  if (listInForce) {
    aside.push(`先生のことば「${listInForce.name}」`);
    if (setListAside()) listInForce = null;
  }
  if (starting && putSettingsAside()) aside.push('設定');
  const then = aside.length ? `\n\n${aside.join('と')}をわきによけました。` +
    '「もういちど あそぶ」で、もとの ことばと設定で遊べます。' : '';
  queueDialog({ id: 0, text: text + then, detail, title: 'ポクラク', stop: true, then: gameClosed });
}

export function gameClosed() {
  closeMenu();
  closing.hidden = false;
  closing.querySelector('button').focus();
}

closing.querySelector('button').addEventListener('click', () => {
  closing.hidden = true;
  newGame();
});

export function pickWordList() {
  filePicker.value = '';
  filePicker.click();
}

filePicker.addEventListener('change', async () => {
  const file = filePicker.files[0];
  const game = running();
  if (!file || !game) return;
  const bytes = new Uint8Array(await file.arrayBuffer());
  const refusal = game.checkWordList(file.name, bytes);
  if (refusal) {
    message({ text: refusal.text, title: 'ことば', stop: true, detail: refusal.detail });
    return;
  }
  if (!keepList(file.name, bytes)) {
    message({ text: `「${file.name}」のことばで遊びます。\n${NOT_KEPT}そのときは、もういちど読みこんでください。`,
      title: 'ことば', stop: false });
  }
  newGame();
});

const NOT_KEPT = 'ただし、このブラウザには このことばを残せませんでした' +
  '（保存する場所がいっぱいか、使えないようになっています）。次に開いたときには このことばは ありません。';
const FROM_LINK = 'リンクのことば'; // the name a list from a link is kept under

// The first game of a visit, after the list its address brings, if any.
export async function firstGame() {
  if (!(await takeLinkedList())) newGame();
}

// A list that a link brings (its address ending in #words=…) is read as a file is; a good one is kept as
// a file is, and the fragment leaves the address bar so that a reload or a bookmark never brings it back
// over a list chosen since. The player reads what came of it, and the game starts after.
async function takeLinkedList() {
  const hash = location.hash;
  if (wordsIn(hash) === null) return false;
  history.replaceState(history.state, '', location.href.split('#')[0]);
  const game = running();
  const found = await listFromFragment(hash);
  const refusal = found.refusal ? { text: found.refusal, detail: '' } : game.checkWordList(FROM_LINK, found.bytes);
  if (refusal) {
    queueDialog({ text: `リンクのことばは使えません。今までのことばで遊びます。\n\n${refusal.text}`,
      detail: refusal.detail, title: 'ことば', stop: true, then: newGame });
    return true;
  }
  const kept = keepList(FROM_LINK, found.bytes);
  queueDialog({ text: `先生のことば（${game.countWords(found.bytes)}語）で あそびます。` +
    `${kept ? '' : `\n\n${NOT_KEPT}そのときは、もういちどリンクを開いてください。`}`,
  title: 'ことば', stop: false, then: newGame });
  return true;
}

// A link opened in the page already open (its address changes after "#" only) brings its list too.
addEventListener('hashchange', () => {
  if (running()) takeLinkedList();
});

export function dropWordList() {
  dropList();
  newGame();
}
