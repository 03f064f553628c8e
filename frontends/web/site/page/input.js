// SPDX-License-Identifier: MIT
// Owns the player's input to the page: keys, turned into the game's keys and sent to the panel in front,
// the menu keys, and Enter and Space pressing the control the keyboard is on; taps and clicks, a ghost tap
// swallowed; and the first touch that lets the page sound.
import { closingShown } from './games.js';
import { arrange } from './panels.js';
import { closeMenu, dialogOpen, menuKey, menuOpen, toggleMenuBar } from './popups.js';
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

// A control of a panel the player presses that is no button of the browser's own (a tile, a creature, a
// kana of the practice chart): the keyboard presses it through its click.
const pressesByKey = (target) => target instanceof Element && target.matches('.ctl[tabindex]:not(button)') &&
  target.getAttribute('aria-disabled') !== 'true';

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
  // The menu keys come first, while the menu bar has the focus (F10, or Alt pressed and let go alone, takes
  // it there and back); then the game's; a key neither takes, Enter or Space, presses the control the
  // keyboard is on as a click would. The release of a key the page took goes nowhere.
  let altAlone = false;
  let tookKey = '';
  const take = (event) => {
    event.preventDefault();
    tookKey = event.key;
  };
  document.addEventListener('keydown', (event) => {
    unlockAudio();
    altAlone = event.key === 'Alt' && !event.repeat;
    if (dialogOpen() || closingShown()) return;
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if ((event.key === 'F10' && plain && !event.shiftKey) || (plain && menuKey(event.key))) {
      if (event.key === 'F10') toggleMenuBar();
      take(event);
      return;
    }
    if (event.key === 'Escape' && menuOpen()) { closeMenu(); return; }
    const taken = toFront(event, (game, front, pressed) => game.windowKey(front, {
      key: pressed.key, text: pressed.typed, autoRepeat: event.repeat,
      forOthers: event.ctrlKey || event.altKey || event.metaKey,
    }));
    if (taken) event.preventDefault();
    else if ((event.key === 'Enter' || event.key === ' ') && plain && pressesByKey(event.target)) {
      take(event);
      if (!event.repeat) event.target.click();
    }
  }, true);
  document.addEventListener('keyup', (event) => {
    if (event.key === 'Alt' && altAlone && !dialogOpen() && !closingShown()) {
      toggleMenuBar();
      take(event);
    }
    altAlone = false;
    if (event.key === tookKey) {
      tookKey = '';
      event.preventDefault();
      return;
    }
    toFront(event, (game, front, pressed) => game.windowKeyUp(front, pressed.key));
  }, true);
  window.addEventListener('blur', () => { altAlone = false; });

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
  document.addEventListener('pointerdown', (event) => { altAlone = false; unlockAudio(event); }, true);
  document.addEventListener('click', closeMenu);
  document.getElementById('desk').addEventListener('contextmenu', (event) => event.preventDefault());
  window.addEventListener('resize', () => arrange());
}
