// SPDX-License-Identifier: MIT
// Owns what the page shares with the game: the views the game has made, by their numbers (the panels, the
// controls and the menus; which panels are shown, in which order, which is in front, and which wait to be
// arranged), and the link to the running game: its module, once it has started, and the numbers it hands
// over as it starts (its event kinds, its keys and the smallest size of a caption), used here by name.

const windows = new Map(); // panel number -> panel
const controls = new Map(); // control number -> control
const menus = new Map(); // menu number -> menu
let shownOrder = []; // numbers of the shown panels, the latest in front
let front = 0; // the panel that takes keys
const unarranged = new Set(); // shown since the last arrangement

export const addWindow = (w) => windows.set(w.id, w);
export const windowOf = (id) => windows.get(id);
export const mainWindow = () => [...windows.values()].find((w) => w.isMain);
const rows = new Map(); // panel number -> its controls, and how many of each name it holds
export function addControl(c) {
  controls.set(c.id, c);
  if (!rows.has(c.window)) rows.set(c.window, { controls: [], named: new Map() });
  const row = rows.get(c.window);
  row.controls.push(c);
  row.named.set(c.el.dataset.name, (row.named.get(c.el.dataset.name) || 0) + 1);
}
export const controlOf = (id) => controls.get(id);
export const allControls = () => controls.values();
export const controlsIn = (windowId) => rows.get(windowId)?.controls || [];
// How many controls of this name the panel holds so far: the place of the next one in its row.
export const namedIn = (windowId, name) => rows.get(windowId)?.named.get(name) || 0;
export const addMenu = (m) => menus.set(m.id, m);
export const menuOf = (id) => menus.get(id);

// A panel and everything in it are gone.
export function dropWindow(id) {
  for (const c of controlsIn(id)) controls.delete(c.id);
  rows.delete(id);
  for (const [n, m] of menus) if (m.window === id) menus.delete(n);
  windows.delete(id);
}

export const isShown = (id) => shownOrder.includes(id);
export const shownWindows = () => shownOrder.map((n) => windows.get(n)).filter(Boolean);

export function putInFront(id) {
  shownOrder = shownOrder.filter((n) => n !== id).concat(id);
  front = id;
}

export function takeAway(id) {
  shownOrder = shownOrder.filter((n) => n !== id);
  if (front === id) front = shownOrder[shownOrder.length - 1] || 0;
}

export const frontWindow = () => front;
export const setFrontWindow = (id) => { front = id; };

export const awaitArrangement = (id) => unarranged.add(id);
export const isArranged = (id) => !unarranged.has(id);
export const arranged = (id) => unarranged.delete(id);
export const waitingForArrangement = () => [...unarranged];

// ---- The link to the game

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
