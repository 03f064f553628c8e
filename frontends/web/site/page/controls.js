// SPDX-License-Identifier: MIT
// Owns the controls' elements in their panels: labels, buttons, picture boxes, lines and canvases, made,
// placed, shown, enabled, pointed at, written in their fonts and colours, and handing their presses back.
import { send } from './link.js';
import { fontStack } from './fonts.js';
import { fit } from './captions.js';
import { holdPicture, nameThePicture } from './pictures.js';
import * as views from './views.js';

export function makeControl({ id, windowId, parentId, kind, name, pressable }) {
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
  const c = { id, el, kind, window: windowId, enabled: true, font: null, mayRunBelow: false, sized: false,
    pressable: pressable || kind === 'button' };
  if (kind === 'picture') {
    holdPicture(c);
    el.setAttribute('role', pressable ? 'button' : 'img');
  } else if (kind === 'label') {
    c.text = document.createElement('span');
    el.append(c.text);
    el.setAttribute('role', pressable ? 'button' : 'note');
  } else if (kind === 'line') {
    el.setAttribute('aria-hidden', 'true');
  } else if (kind === 'canvas') {
    el.setAttribute('role', 'img');
    el.setAttribute('aria-label', w.panel.getAttribute('aria-label'));
  }
  if (pressable) {
    el.addEventListener('pointerdown', (event) => {
      views.setFrontWindow(windowId);
      if (c.enabled) send(id, 'mouseDown', event.button);
    });
    el.addEventListener('click', (event) => {
      event.stopPropagation();
      if (c.enabled) send(id, 'click');
    });
  }
  parent.append(el);
  views.addControl(c);
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
}

export function pointer({ id, picture, hotX, hotY, arrow, tip }) {
  const c = views.controlOf(id);
  if (arrow) c.el.style.cursor = 'default';
  else if (picture) c.el.style.cursor = `url("pictures/${picture}") ${hotX} ${hotY}, pointer`;
  else c.el.style.cursor = '';
  if (tip) c.el.title = tip;
  else c.el.removeAttribute('title');
  c.tip = tip;
  if (c.kind === 'picture') nameThePicture(c);
}

export function font({ id, font: { family, pixels, bold } }) {
  const c = views.controlOf(id);
  c.font = { family, pixels, bold };
  c.el.style.fontFamily = fontStack(family);
  c.el.style.fontWeight = bold ? 'bold' : 'normal';
}

const ALIGN = ['left', 'center', 'right'];
export function look({ id, fore, back, align, border, mayRunBelow }) {
  const c = views.controlOf(id);
  c.el.style.color = fore;
  c.el.style.backgroundColor = back;
  c.el.style.textAlign = ALIGN[align] || 'left';
  c.el.classList.toggle('bordered', border);
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
  c.el.setAttribute('aria-label', value);
  fit(c);
}

export function focusControl({ id }) {
  const c = views.controlOf(id);
  if (c && c.kind === 'button') c.el.focus({ preventScroll: true });
}
