// SPDX-License-Identifier: MIT
// Owns what the page keeps in the browser's storage from one visit to the next: the game's settings, the
// teacher's word list with the name the teacher's file had, and what was set aside; and what it holds for
// the visit alone when the browser refuses to keep it.
import { message } from './popups.js';

// The names the page keeps things under.
export const LIST_KEY = 'pokuraku/wordList';
const OLD_NAME_KEY = 'pokuraku/wordListName'; // where releases before this one kept the list's name
const ASIDE = '.setAside'; // added to the name of what was set aside

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

// ---- The teacher's word list

// The kept list, { name, bytes } (bytes null when what is kept is damaged), or null.
export function keptList() {
  const kept = storedValue(LIST_KEY);
  if (!kept) return null;
  try {
    if (kept.startsWith('{')) {
      const { name, data } = JSON.parse(kept);
      return { name, bytes: fromBase64(data) };
    }
    return { name: storedValue(OLD_NAME_KEY) || 'romaji.txt', bytes: fromBase64(kept) };
  } catch (e) {
    return { name: 'romaji.txt', bytes: null };
  }
}

// True when the browser holds the list for the next visit.
export function keepList(name, bytes) {
  keep(OLD_NAME_KEY, null);
  return keep(LIST_KEY, JSON.stringify({ name, data: toBase64(bytes) }));
}

export function dropList() {
  keep(LIST_KEY, null);
  keep(OLD_NAME_KEY, null);
}

// True when there was a list to set aside.
export function setListAside() {
  if (!storedValue(LIST_KEY)) return false;
  keep(`${LIST_KEY}${ASIDE}`, storedValue(LIST_KEY));
  keep(LIST_KEY, null);
  keep(OLD_NAME_KEY, null);
  return true;
}

function toBase64(bytes) {
  let binary = '';
  for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(binary);
}

function fromBase64(text) {
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
  return bytes;
}
