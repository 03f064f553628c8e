// SPDX-License-Identifier: MIT
// Owns the controls' elements in their panels: labels, buttons, picture boxes, lines and canvases, made,
// placed, shown, enabled, pointed at, written in their fonts and colours, and handing their presses back;
// and the pictures of the picture boxes: which file each shows (drawn from its @2x copy where there is
// one), when it loads and the size it takes.
import { describeCanvas, nameControl } from './access.js';
import { fit, fontStack } from './text.js';
import * as views from './views.js';

// The control the pointer last went down on, until its click.
let downOn = null;
document.addEventListener('pointerdown', () => { downOn = null; }, true);

export function makeControl({ id, windowId, parentId, kind, name, pressable, spokenName = '', decorative = false }) {
  const w = views.windowOf(windowId);
  const parent = parentId ? views.controlOf(parentId).el : w.client;
  let el;
  if (kind === 'button') {
    el = document.createElement('button');
    el.type = 'button';
  } else if (kind === 'canvas') {
    el = document.createElement('canvas');
  } else {
    el = document.createElement('div');
  }
  el.className = `ctl ${kind}`;
  el.dataset.name = name;
  // The place of a control in its row of like controls (the tiles, the creatures), from 0.
  const index = views.namedIn(windowId, name);
  const c = { id, el, kind, window: windowId, enabled: true, font: null, mayRunBelow: false, sized: false,
    pressable: pressable || kind === 'button', spokenName, decorative, index, caption: '' };
  if (kind === 'picture') {
    holdPicture(c);
  } else if (kind === 'label') {
    c.text = document.createElement('span');
    el.append(c.text);
    el.setAttribute('role', pressable ? 'button' : 'note');
  } else if (kind === 'line') {
    el.setAttribute('aria-hidden', 'true');
  }
  // Whatever the player presses takes the focus in its turn, in the order the game made the controls.
  if (pressable && kind !== 'button') el.tabIndex = 0;
  if (pressable) {
    el.addEventListener('pointerdown', (event) => {
      downOn = c;
      views.setFrontWindow(windowId);
      if (c.enabled) views.send(id, 'mouseDown', event.button);
    });
    // A click with no pointer going down on the control before it (a key, a switch, a screen reader)
    // presses it as a whole, as the pointer would: once.
    el.addEventListener('click', (event) => {
      event.stopPropagation();
      const pointerWentDown = downOn === c && event.detail > 0;
      downOn = null;
      if (!c.enabled) return;
      if (!pointerWentDown) {
        views.setFrontWindow(windowId);
        views.send(id, 'mouseDown', 0);
      }
      views.send(id, 'click');
    });
  }
  parent.append(el);
  if (kind === 'canvas') describeCanvas(c, spokenName || w.caption);
  views.addControl(c);
  nameControl(c);
}

export function place({ id, left, top, width, height }) {
  const c = views.controlOf(id);
  c.el.style.left = `${left}px`;
  c.el.style.top = `${top}px`;
  // A picture box is made at its size and afterwards only moves; an auto-sized one takes its picture's.
  if (c.kind !== 'picture' || !c.sized) {
    c.el.style.width = `${width}px`;
    c.el.style.height = `${height}px`;
    c.size = { width, height };
    c.sized = true;
  }
  fit(c);
}

export function line({ id, x, y, dx, dy, colour }) {
  const c = views.controlOf(id);
  Object.assign(c.el.style, { left: `${x}px`, top: `${y}px`, width: `${Math.hypot(dx, dy) + 1}px`,
    height: '1px', background: colour, transform: `rotate(${Math.atan2(dy, dx)}rad)` });
}

export function spokenName({ id, name }) {
  const c = views.controlOf(id);
  c.spokenName = name;
  if (c.words) c.words.caption.textContent = name || views.windowOf(c.window).caption;
  else nameControl(c);
}

export function shown({ id, on }) {
  const c = views.controlOf(id);
  c.el.style.display = on ? '' : 'none';
  if (on) fit(c);
}

export function enabled({ id, on }) {
  const c = views.controlOf(id);
  c.enabled = on;
  c.el.classList.toggle('disabled', !on);
  if (c.kind === 'button') c.el.disabled = !on;
  else c.el.setAttribute('aria-disabled', String(!on));
  // A pressable control that cannot be pressed now is passed over by Tab, as a disabled button is.
  if (c.pressable && c.kind !== 'button') {
    if (on) c.el.tabIndex = 0;
    else c.el.removeAttribute('tabindex');
  }
}

export function pointer({ id, picture, hotX, hotY, arrow, tip }) {
  const c = views.controlOf(id);
  if (arrow) c.el.style.cursor = 'default';
  else if (picture) c.el.style.cursor = `url("pictures/${picture}") ${hotX} ${hotY}, pointer`;
  else c.el.style.cursor = '';
  if (tip) c.el.title = tip;
  else c.el.removeAttribute('title');
  c.tip = tip;
  nameControl(c);
}

export function font({ id, font: { family, pixels, bold } }) {
  const c = views.controlOf(id);
  c.font = { family, pixels, bold };
  c.el.style.fontFamily = fontStack(family);
  c.el.style.fontWeight = bold ? 'bold' : 'normal';
}

const ALIGN = ['left', 'center', 'right'];
// An edge is the colour of the border, or a line drawn just inside a control that has none (a tile in clear
// colours).
export function look({ id, fore, back, align, border, mayRunBelow, edge }) {
  const c = views.controlOf(id);
  c.el.style.color = fore;
  c.el.style.backgroundColor = back;
  c.el.style.textAlign = ALIGN[align] || 'left';
  c.el.classList.toggle('bordered', border);
  c.el.style.borderColor = border && edge ? edge : '';
  c.el.style.boxShadow = !border && edge ? `inset 0 0 0 1px ${edge}` : '';
  c.mayRunBelow = mayRunBelow;
  fit(c);
}

// A caption, with only the characters of inkOnly (when given) drawn: the others keep their places unseen.
export function text({ id, value, inkOnly = '' }) {
  const c = views.controlOf(id);
  const holder = c.text || c.el;
  if (!inkOnly) {
    if (holder.textContent !== value || holder.childElementCount) holder.textContent = value;
  } else {
    holder.replaceChildren(...[...value].map((ch) => {
      if (inkOnly.includes(ch)) return ch;
      const unseen = document.createElement('span');
      unseen.className = 'unseen';
      unseen.textContent = ch;
      return unseen;
    }));
  }
  c.caption = value;
  nameControl(c);
  fit(c);
}

export function focusControl({ id }) {
  const c = views.controlOf(id);
  if (c && c.kind === 'button') c.el.focus({ preventScroll: true });
}

// ---- Pictures

export function picture({ id, name, autoSize }) {
  const c = views.controlOf(id);
  c.autoSize = autoSize;
  if (!name) {
    c.src = '';
    c.img.removeAttribute('src');
    c.img.style.display = 'none';
    nameControl(c);
    return;
  }
  c.img.style.display = '';
  const dot = name.lastIndexOf('.');
  const src = `pictures/${name.slice(0, dot)}@2x${name.slice(dot)}`;
  c.src = src;
  // The pictures of a panel not shown yet load when it shows, after those of the panels in front.
  if (views.isShown(c.window)) loadPicture(c);
  nameControl(c);
}

// The picture of a picture box's element (c.img), falling back from the @2x copy to the plain one.
export function holdPicture(c) {
  c.img = document.createElement('img');
  c.img.alt = '';
  c.img.draggable = false;
  c.img.addEventListener('load', () => pictureLoaded(c));
  c.img.addEventListener('error', () => {
    if (c.img.src.includes('@2x.')) c.img.src = c.img.src.replace('@2x.', '.');
  });
  c.el.append(c.img);
}

export function loadPicture(c) {
  if (!c.src) return;
  if (c.img.getAttribute('src') !== c.src) c.img.src = c.src;
  else pictureLoaded(c);
}

function pictureLoaded(c) {
  if (!c.img.complete || !c.img.naturalWidth) return;
  const large = c.img.src.includes('@2x.');
  const width = c.img.naturalWidth / (large ? 2 : 1);
  const height = c.img.naturalHeight / (large ? 2 : 1);
  c.img.style.width = `${width}px`;
  c.img.style.height = `${height}px`;
  if (c.autoSize) {
    const inset = c.el.classList.contains('bordered') ? 2 : 0;
    c.el.style.width = `${width + inset}px`;
    c.el.style.height = `${height + inset}px`;
  }
}
