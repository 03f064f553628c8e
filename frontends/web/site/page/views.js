// SPDX-License-Identifier: MIT
// Owns the views the game has made, by their numbers: the panels, the controls and the menus; which panels
// are shown, in which order, which is in front, and which have just shown and wait to be arranged.

const windows = new Map(); // panel number -> panel
const controls = new Map(); // control number -> control
const menus = new Map(); // menu number -> menu
let shownOrder = []; // numbers of the shown panels, the latest in front
let front = 0; // the panel that takes keys
const unarranged = new Set(); // shown since the last arrangement

export const addWindow = (w) => windows.set(w.id, w);
export const windowOf = (id) => windows.get(id);
export const mainWindow = () => [...windows.values()].find((w) => w.isMain);
export const addControl = (c) => controls.set(c.id, c);
export const controlOf = (id) => controls.get(id);
export const allControls = () => controls.values();
export const controlsIn = (windowId) => [...controls.values()].filter((c) => c.window === windowId);
export const addMenu = (m) => menus.set(m.id, m);
export const menuOf = (id) => menus.get(id);

// A panel and everything in it are gone.
export function dropWindow(id) {
  for (const [n, c] of controls) if (c.window === id) controls.delete(n);
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
