// SPDX-License-Identifier: MIT
// Owns the teacher's word list as the browser keeps it: with the name the teacher's file had, read back
// (also as releases before this one kept it), and set aside when the game no longer takes it.
import { ASIDE, LIST_KEY, OLD_NAME_KEY, keep, storedValue } from './storage.js';

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
