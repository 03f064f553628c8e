// SPDX-License-Identifier: MIT
// Owns the link to the running game: its module, once it has started, and the numbers it hands over as it
// starts (its event kinds, its keys and the smallest size of a caption), which the page uses by name.

let game = null;
let numbers = { events: {}, keys: {}, smallestPixels: 6 };

export function connect(module, given) {
  game = module;
  numbers = given;
}

// The running game module, or null before it has started.
export const running = () => game;

// Tells the game what happened to one of its views: an event kind by its name (click, repaint …).
export function send(id, kind, arg = 0) {
  if (game) game.viewEvent(id, numbers.events[kind], arg);
}

// The game's number for a key it knows by its DOM name, or undefined.
export const keyCode = (name) => numbers.keys[name];

export const smallestPixels = () => numbers.smallestPixels;
