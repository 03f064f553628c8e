// SPDX-License-Identifier: MIT
// Owns what a screen reader makes of the panels: the one name each control is known by, the pictures left
// out as mere decoration, and the words of a canvas (the chart) as a table beside it, written anew each time
// the canvas is drawn.
import * as views from './views.js';

// A picture the game does not name is known by its tooltip, else by the name of the file it shows.
function pictureName(c) {
  const shows = (c.src || '').replace(/^.*\//, '').replace(/(@2x)?\.\w+$/, '');
  return c.tip || shows || c.el.dataset.name;
}

// A picture the player cannot press and that says nothing (no tooltip) only decorates the panel.
const decorates = (c) => c.decorative || (c.kind === 'picture' && !c.spokenName && !c.pressable && !c.tip);

// The one place that names a control for a screen reader: by the game's own name for it when it gives
// one, else by its caption or, for a picture, its tooltip or file. Called whenever any of these changes.
export function nameControl(c) {
  const { el } = c;
  if (c.kind === 'line' || c.kind === 'canvas') return;
  if (decorates(c)) {
    el.setAttribute('aria-hidden', 'true');
    el.removeAttribute('role');
    el.removeAttribute('aria-label');
    return;
  }
  if (c.kind === 'picture') {
    el.removeAttribute('aria-hidden');
    el.setAttribute('role', c.pressable ? 'button' : 'img');
  }
  const name = c.spokenName || (c.kind === 'picture' ? pictureName(c) : c.caption || '');
  if (name) el.setAttribute('aria-label', name);
  else el.removeAttribute('aria-label');
}

// ---- The words of a canvas

// The canvas itself is hidden from screen readers; the table beside it, unseen, holds what it shows, named
// as its panel is.
export function describeCanvas(c, caption) {
  c.el.setAttribute('aria-hidden', 'true');
  c.words = document.createElement('table');
  c.words.className = 'spoken-only';
  c.words.append(document.createElement('caption'));
  c.words.caption.textContent = caption;
  c.el.after(c.words);
  c.drawn = null;
}

// A drawing starts on a cleared canvas: its texts are gathered as they are drawn, and the table is written
// once the drawing is over (the game draws in one go).
export function drawingStarts(c) {
  c.drawn = [];
  queueMicrotask(() => writeTable(c));
}

// A line drawn before a letter is the roof of its long vowel (â), written as the game's answers write it
// (a^).
export function drewText(c, lines, box) {
  if (!c.drawn) return;
  c.drawn.push({ text: lines.join(' ').trim() + (c.roof ? '^' : ''), left: box.left });
  c.roof = false;
}

export function drewRoof(c) {
  c.roof = Boolean(c.drawn);
}

// The chart is drawn row by row, each from the left: a text that stands left of the one before starts a
// new row. The first row heads the columns, the first text of every other row heads its row.
function writeTable(c) {
  const rows = [];
  let last = Infinity;
  for (const t of c.drawn || []) {
    if (t.left <= last) rows.push([]);
    rows[rows.length - 1].push(t.text);
    last = t.left;
  }
  c.drawn = null;
  c.words.replaceChildren(c.words.caption, ...rows.map((row, r) => {
    const tr = document.createElement('tr');
    tr.append(...row.map((text, k) => {
      const head = text && (r === 0 || k === 0);
      const cell = document.createElement(head ? 'th' : 'td');
      if (head) cell.scope = r === 0 ? 'col' : 'row';
      cell.textContent = text;
      return cell;
    }));
    return tr;
  }));
}
