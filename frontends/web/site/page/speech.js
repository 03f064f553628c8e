// SPDX-License-Identifier: MIT
// Owns the device's Japanese voice: which of the browser's voices says the game's words, the game told
// whenever the device's voices change (there are none at first on some browsers), and the speaking.
import { running } from './views.js';

let voice = null;

function pickVoice() {
  const japanese = speechSynthesis.getVoices().filter((v) => /^ja([-_]|$)/i.test(v.lang));
  voice = japanese.find((v) => v.localService) || japanese[0] || null;
  const game = running();
  if (game) game.speechVoices(voice !== null);
}

export function listenForVoices() {
  if (!('speechSynthesis' in window)) return;
  pickVoice();
  speechSynthesis.addEventListener('voiceschanged', pickVoice);
}

// Says the text, cutting off what was being said.
export function speak({ text }) {
  if (!voice) return;
  speechSynthesis.cancel();
  const utterance = new SpeechSynthesisUtterance(text);
  utterance.voice = voice;
  utterance.lang = voice.lang;
  speechSynthesis.speak(utterance);
}
