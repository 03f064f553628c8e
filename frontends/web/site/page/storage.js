// SPDX-License-Identifier: MIT
// Owns what the page keeps in the browser's storage from one visit to the next: the game's settings, the
// teacher's word list, and what was set aside; and what it holds for the visit alone when the browser
// refuses to keep it.
import { message } from './dialogs.js';

// The names the page keeps things under.
export const LIST_KEY = 'pokuraku/wordList';
export const OLD_NAME_KEY = 'pokuraku/wordListName'; // where releases before this one kept the list's name
export const ASIDE = '.setAside'; // added to the name of what was set aside

// The browser keeps the teacher's list and the settings from one visit to the next. When it refuses to
// (storage full, blocked by the school's policy, a private window), they last as long as the page, and
// the player is told once that they will not be there next time.
const memory = new Map();
const toldNotKept = new Set();

export function storedValue(key) {
  if (memory.has(key)) return memory.get(key);
  try {
    return localStorage.getItem(key);
  } catch (e) {
    return null;
  }
}

// True when the browser holds the value (null: holds nothing under the key) for the next visit.
export function keep(key, value) {
  memory.set(key, value);
  try {
    if (value === null) localStorage.removeItem(key);
    else localStorage.setItem(key, value);
    return localStorage.getItem(key) === value;
  } catch (e) {
    return false;
  }
}

// A setting the game reads.
export const stored = ({ key }) => storedValue(key);

// A setting the game keeps.
export function store({ key, value }) {
  if (keep(key, value) || toldNotKept.has(key)) return;
  toldNotKept.add(key);
  message({ text: 'この設定は、このブラウザに残せませんでした（保存する場所がいっぱいか、使えないようになっています）。\n' +
    'このページを開いているあいだは使えますが、次に開いたときは もとの設定にもどります。', title: '設定', stop: false });
}

// True when there were settings to set aside.
export function putSettingsAside() {
  const keys = settingKeys();
  for (const key of keys) {
    keep(`${key}${ASIDE}`, storedValue(key));
    keep(key, null);
  }
  return keys.length > 0;
}

function settingKeys() {
  const keys = new Set([...memory.keys()].filter((k) => memory.get(k) !== null));
  try {
    for (let i = 0; i < localStorage.length; ++i) keys.add(localStorage.key(i));
  } catch (e) {
    // nothing kept beyond this visit
  }
  return [...keys].filter((k) => k.startsWith('pokuraku/') && !k.startsWith(LIST_KEY) && !k.endsWith(ASIDE));
}
