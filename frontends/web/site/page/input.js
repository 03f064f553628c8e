// SPDX-License-Identifier: MIT
// Owns the player's input to the page: keys, turned into the game's keys and sent to the panel in front;
// taps and clicks, a ghost tap swallowed; and the first touch that lets the page sound.
import { closingShown } from './games.js';
import { arrange } from './panels.js';
import { closeMenu, dialogOpen, menuOpen } from './popups.js';
import { unlockAudio } from './sound.js';
import * as views from './views.js';

// The game's key for a DOM key event, and the character typed, if any; null for a key the game does not
// know. Enter on the keypad goes by the key's code, every other key by its name or the character it types.
function gameKeyOf(event) {
  if (event.code === 'NumpadEnter') return { key: views.keyCode('NumpadEnter'), typed: '' };
  if (views.keyCode(event.key)) return { key: views.keyCode(event.key), typed: '' };
  if ([...event.key].length === 1) return { key: event.key.toUpperCase().codePointAt(0), typed: event.key };
  return null;
}

export function listenToThePlayer() {
  // The game's window holds the key rules (a held key presses once, keys with Ctrl, Alt or Meta are for
  // others): every press and release of a key it knows goes to the panel in front.
  const toFront = (event, send) => {
    const game = views.running();
    if (dialogOpen() || closingShown() || !game) return false;
    const front = views.frontWindow();
    const w = views.windowOf(front);
    const pressed = gameKeyOf(event);
    if (!w || !w.takesKeys || !views.isShown(front) || !pressed) return false;
    return send(game, front, pressed);
  };
  document.addEventListener('keydown', (event) => {
    unlockAudio();
    if (event.key === 'Escape' && menuOpen() && !dialogOpen() && !closingShown()) { closeMenu(); return; }
    const taken = toFront(event, (game, front, pressed) => game.windowKey(front, {
      key: pressed.key, text: pressed.typed, autoRepeat: event.repeat,
      forOthers: event.ctrlKey || event.altKey || event.metaKey,
    }));
    if (taken) event.preventDefault();
  }, true);
  document.addEventListener('keyup', (event) => {
    toFront(event, (game, front, pressed) => game.windowKeyUp(front, pressed.key));
  });

  // A tap presses only what was under the finger as it went down. A tile hides at once, and the click the
  // browser sends as the finger lifts lands on whatever is under it by then (the Ｏ．Ｋ button that the last
  // tile uncovers): such a click is swallowed. A click from the keyboard, a switch or a screen reader comes
  // with no pointer going down before it (its detail is 0) and is kept.
  let pressedAt = null;
  document.addEventListener('pointerdown', (event) => { pressedAt = event.target; }, true);
  document.addEventListener('click', (event) => {
    const pressed = pressedAt;
    pressedAt = null;
    if (!pressed || event.detail === 0 || event.target.contains(pressed) || pressed.contains(event.target)) return;
    event.stopPropagation();
    event.preventDefault();
  }, true);
  document.addEventListener('pointerdown', unlockAudio, true);
  document.addEventListener('click', closeMenu);
  document.getElementById('desk').addEventListener('contextmenu', (event) => event.preventDefault());
  window.addEventListener('resize', () => arrange());
}
