// SPDX-License-Identifier: MIT
// Owns the panels, one for each of the game's windows: made, shown, raised, hidden and removed as the game
// asks; and the stage they stand on: where each shown panel stands, how large it is drawn, and the scale
// at which the stage fills the viewport.
import { fitWindow } from './text.js';
import { loadPicture } from './controls.js';
import { listCaption, mainPanelShown } from './games.js';
import * as views from './views.js';

const desk = document.getElementById('desk');
const stage = document.getElementById('stage');

export function makeWindow({ id, caption, name, width, height, back, designX, designY, isMain, takesKeys }) {
  const panel = document.createElement('section');
  panel.className = 'panel';
  panel.dataset.name = name;
  panel.style.display = 'none';
  // The panel takes the focus itself when nothing in it has it (back from its menus).
  panel.tabIndex = -1;
  if (!isMain) {
    // Named by its title; the close button by what it does, its drawn × left out.
    const title = document.createElement('div');
    title.className = 'caption';
    const words = document.createElement('span');
    words.id = `panel-title-${id}`;
    words.textContent = caption;
    const close = document.createElement('button');
    close.className = 'close';
    const cross = document.createElement('span');
    cross.textContent = '×';
    cross.setAttribute('aria-hidden', 'true');
    close.append(cross);
    close.setAttribute('aria-label', '閉じる');
    close.addEventListener('click', () => views.send(id, 'closeRequested'));
    title.append(words, close);
    panel.append(title);
    panel.setAttribute('aria-labelledby', words.id);
  } else {
    // The game's own panel has no close button; its caption names the words it plays.
    const title = document.createElement('div');
    title.className = 'caption list-caption';
    title.dataset.name = 'listCaption';
    title.textContent = listCaption();
    panel.append(title);
    panel.setAttribute('aria-label', caption);
    document.title = caption.replace(/　+/g, ' ');
  }
  const bar = document.createElement('nav');
  bar.className = 'menubar';
  bar.setAttribute('role', 'menubar');
  bar.style.display = 'none';
  const client = document.createElement('div');
  client.className = 'client';
  client.style.width = `${width}px`;
  client.style.height = `${height}px`;
  client.style.background = back;
  panel.append(bar, client);
  panel.addEventListener('pointerdown', () => views.setFrontWindow(id), true);
  stage.append(panel);
  views.addWindow({ id, panel, bar, client, back, isMain, takesKeys, caption, beside: 0,
    design: { x: designX, y: designY, width, height } });
}

// A new caption: the panel's title, or for the game's own panel its name and the page's title.
export function captionWindow({ id, caption }) {
  const w = views.windowOf(id);
  if (!w) return;
  w.caption = caption;
  if (w.isMain) {
    w.panel.setAttribute('aria-label', caption);
    document.title = caption.replace(/　+/g, ' ');
  } else {
    const words = document.getElementById(`panel-title-${id}`);
    if (words) words.textContent = caption;
  }
}

export function showWindow({ id, besideId }) {
  const w = views.windowOf(id);
  if (!w) return;
  w.beside = besideId;
  w.panel.style.display = '';
  if (w.isMain) mainPanelShown();
  views.putInFront(id);
  views.awaitArrangement(id);
  arrangeSoon(id);
  for (const c of views.controlsIn(id)) if (c.kind === 'picture') loadPicture(c);
}

export function hideWindow({ id }) {
  const w = views.windowOf(id);
  if (!w) return;
  w.panel.style.display = 'none';
  views.takeAway(id);
  arrangeSoon();
}

export function raiseWindow({ id }) {
  if (!views.isShown(id)) return;
  views.putInFront(id);
  arrangeSoon();
}

export function focusWindow({ id }) {
  views.setFrontWindow(id);
}

export function removeWindow({ id }) {
  const w = views.windowOf(id);
  if (!w) return;
  views.dropWindow(id);
  w.panel.remove();
  hideWindow({ id });
}

// ---- The stage

const GAP = 6; // between panels, in stage pixels
let scale = 1;

// The stage's scale on the screen.
export const stageScale = () => scale;

// The panels are arranged, and the captions of those just shown fitted, once before the next frame: the
// game shows and hides several panels in one event (the opening over the game at the start), and each
// arrangement lays the page out.
let arrangement = 0;
let keepInView = 0;
export function arrangeSoon(inView = 0) {
  if (inView) keepInView = inView;
  if (arrangement) return;
  arrangement = requestAnimationFrame(() => {
    arrangement = 0;
    arrange(keepInView);
    keepInView = 0;
    for (const id of views.waitingForArrangement()) {
      views.arranged(id);
      if (!views.isShown(id)) continue;
      fitWindow(id);
      for (const c of views.controlsIn(id)) if (c.kind === 'canvas') views.send(c.id, 'repaint');
    }
  });
}

// The shown panels stand side by side in the order of their places on a desktop (or one below the other,
// whichever is larger on this screen); a panel that would lie mostly over another (the opening over the
// game) floats in front of them, centred. The stage keeps at least the game's own panel's size, so the
// game's drawing keeps its size as the panels come and go.
//
// On a touch screen every control a finger presses, and every panel's close button, is at least FINGER
// CSS pixels wide and high as far as the screen allows: a panel whose controls are smaller at the common
// scale (the practice chart's kana beside the romaji chart) is drawn larger, in its own proportions, and
// the page then scrolls to whatever no longer fits beside it, the larger panel in view.
const FINGER = 46;
const coarse = window.matchMedia('(pointer: coarse)');
coarse.addEventListener('change', () => arrange());

export function arrange(inView = 0) {
  layOut(inView);
  if (coarse.matches) layOut(inView); // again, with the close buttons at their new size
}

function layOut(inView) {
  const shown = views.shownWindows();
  const row = [];
  const floating = [];
  const area = (d) => d.width * d.height;
  const overlap = (a, b) => Math.max(0, Math.min(a.x + a.width, b.x + b.width) - Math.max(a.x, b.x)) *
    Math.max(0, Math.min(a.y + a.height, b.y + b.height) - Math.max(a.y, b.y));
  for (const w of shown) {
    const over = row.some((r) => r.id !== w.beside && overlap(w.design, r.design) > area(w.design) / 4);
    (over ? floating : row).push(w);
  }
  row.sort((a, b) => a.design.x - b.design.x);
  const own = new Map(shown.map((w) => [w, { width: w.panel.offsetWidth, height: w.panel.offsetHeight }]));
  let sizes = own;
  const main = views.mainWindow();
  const least = main ? { width: main.design.width, height: main.design.height + 44 } : { width: 1, height: 1 };
  const extent = (across) => {
    let width = 0;
    let height = 0;
    for (const w of row) {
      const s = sizes.get(w);
      if (across) { width += s.width + (width ? GAP : 0); height = Math.max(height, s.height); }
      else { height += s.height + (height ? GAP : 0); width = Math.max(width, s.width); }
    }
    for (const w of floating) {
      width = Math.max(width, sizes.get(w).width);
      height = Math.max(height, sizes.get(w).height);
    }
    return { width: Math.max(width, least.width), height: Math.max(height, least.height) };
  };
  const viewWidth = desk.clientWidth;
  const viewHeight = desk.clientHeight;
  const fitOf = (e) => Math.min(viewWidth / e.width, viewHeight / e.height);
  const sideBySide = row.length < 2 || fitOf(extent(true)) >= fitOf(extent(false));
  const newScale = fitOf(extent(sideBySide));
  // Each panel's own enlargement for fingers, no larger than the screen holds it alone.
  for (const w of shown) {
    const s = own.get(w);
    w.zoom = coarse.matches
      ? Math.max(1, Math.min(FINGER / (smallestPressed(w) * newScale), fitOf(s) / newScale)) : 1;
  }
  sizes = new Map(shown.map((w) => [w, { width: own.get(w).width * w.zoom, height: own.get(w).height * w.zoom }]));
  const e = extent(sideBySide);
  let at = 0;
  for (const w of row) {
    const s = sizes.get(w);
    const left = sideBySide ? at + (e.width - totalAlong(row, sizes, true)) / 2 : (e.width - s.width) / 2;
    const top = sideBySide ? (e.height - s.height) / 2 : at + (e.height - totalAlong(row, sizes, false)) / 2;
    place(w, left, top, 1);
    at += (sideBySide ? s.width : s.height) + GAP;
  }
  floating.forEach((w, i) => {
    const s = sizes.get(w);
    place(w, (e.width - s.width) / 2, (e.height - s.height) / 2, 2 + i);
  });
  function place(w, left, top, z) {
    w.panel.style.left = `${left}px`;
    w.panel.style.top = `${top}px`;
    w.panel.style.zIndex = z;
    w.panel.style.transform = w.zoom > 1 ? `scale(${w.zoom})` : '';
    w.at = { left, top };
    const caption = w.panel.querySelector('.caption');
    if (caption) caption.style.setProperty('--finger', coarse.matches ? `${FINGER / (newScale * w.zoom)}px` : '');
  }
  const roomy = e.width * newScale > viewWidth + 1 || e.height * newScale > viewHeight + 1;
  desk.classList.toggle('roomy', roomy);
  stage.style.width = `${e.width}px`;
  stage.style.height = `${e.height}px`;
  stage.style.left = `${Math.max(0, (viewWidth - e.width * newScale) / 2)}px`;
  stage.style.top = `${Math.max(0, (viewHeight - e.height * newScale) / 2)}px`;
  stage.style.transform = `scale(${newScale})`;
  const wanted = views.windowOf(inView);
  if (roomy && wanted && wanted.zoom > 1) desk.scrollTo(wanted.at.left * newScale, wanted.at.top * newScale);
  if (main) desk.style.background = main.back;
  if (Math.abs(newScale - scale) > 1e-6) {
    scale = newScale;
    for (const c of views.allControls()) if (c.kind === 'canvas') views.send(c.id, 'repaint');
  }
}

// The smallest side, in stage pixels, of the controls of a panel that a finger presses.
function smallestPressed(w) {
  let least = Infinity;
  for (const c of views.allControls()) {
    if (c.window === w.id && c.pressable && c.size) least = Math.min(least, c.size.width, c.size.height);
  }
  return least;
}

function totalAlong(row, sizes, across) {
  return row.reduce((sum, w, i) => sum + (across ? sizes.get(w).width : sizes.get(w).height) + (i ? GAP : 0), 0);
}
