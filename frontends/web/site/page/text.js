// SPDX-License-Identifier: MIT
// Owns text: the fonts, as the families the game names and the fonts the site ships and the device's own;
// measuring text on a canvas without laying the page out; and fitting captions: the size each label's and
// button's caption is drawn at, its line spacing and how far it moves to keep its ink inside its box.
import * as views from './views.js';

// The families the game names, as the fonts the site ships (subset to the game's texts) and then the
// device's own Japanese fonts for whatever a teacher's list adds.
const FAMILIES = {
  'ＭＳ ゴシック': '"PK Gothic", "Noto Sans Mono CJK JP", "Hiragino Kaku Gothic ProN", "Yu Gothic", monospace',
  'ＭＳ 明朝': '"PK Mincho", "Noto Serif CJK JP", "Hiragino Mincho ProN", "Yu Mincho", serif',
};
const P_GOTHIC = '"PK P Gothic", "Noto Sans CJK JP", "Hiragino Kaku Gothic ProN", "Yu Gothic", sans-serif';
export const fontStack = (family) => FAMILIES[family] || P_GOTHIC;
export const cssFont = ({ family, pixels, bold }) => `${bold ? 'bold ' : ''}${pixels}px ${fontStack(family)}`;

const measure = document.createElement('canvas').getContext('2d');

// The canvas's measure of the text in the font ({ family, pixels, bold }).
export function measureText(font, text) {
  measure.font = cssFont(font);
  return measure.measureText(text);
}

// The height of a line in the font: its ascent and descent.
export function lineHeightOf(font) {
  const m = measureText(font, '国Ag');
  return Math.ceil(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent);
}

// The fonts the site ships, loaded; never fails.
export function shippedFontsLoaded() {
  const fonts = ['PK Gothic', 'PK P Gothic', 'PK Mincho'].map((f) => document.fonts.load(`16px "${f}"`, 'あ'));
  return Promise.all(fonts).catch(() => {});
}

// ---- Captions

// A caption is drawn in its font's size, or smaller as far as it takes to stay inside its box, with its
// lines spaced by the font's own ascent and descent. A caption whose ink alone sticks out of its box (the
// tail of a g on a tile) is moved up or down to lie whole inside it. What a caption needs is kept by
// caption, font and box: a new word's tiles and their placeholders are fitted without laying the page
// out again, and a caption met for the first time takes a few halvings. Captions of a hidden control or
// panel are fitted when they show.
const fits = (c) => c.font && (c.kind === 'label' || c.kind === 'button');
const shownNow = (c) => views.isShown(c.window) && views.isArranged(c.window) && c.el.style.display !== 'none';
const overflows = (c) => c.el.scrollWidth > c.el.clientWidth + 0.5 ||
  (!c.mayRunBelow && c.el.scrollHeight > c.el.clientHeight + 0.5);
const fitted = new Map(); // key of caption, font and box -> { size, lineHeight, shift }
const fitKey = (c) => [(c.text || c.el).textContent, c.font.family, c.font.pixels, c.font.bold, c.el.style.width,
  c.el.style.height, c.mayRunBelow, c.el.classList.contains('bordered')].join('\u0001');

// The canvas's measure of text in a control's font at a size.
const metricsOf = (c, size, text) => measureText({ ...c.font, pixels: size }, text);

function apply(c, f) {
  c.el.style.fontSize = `${f.size}px`;
  c.el.style.lineHeight = f.lineHeight;
  if (c.text) c.text.style.top = f.shift ? `${f.shift}px` : '';
}

export function fit(c) {
  if (!fits(c)) return;
  const known = fitted.get(fitKey(c));
  if (known) apply(c, known);
  else if (shownNow(c)) fitAnew(c);
  else c.el.style.fontSize = `${c.font.pixels}px`;
}

function fitAnew(c) {
  const lineFor = (size) => {
    if (c.kind !== 'label') return '';
    const m = metricsOf(c, size, '国Ag');
    return m.fontBoundingBoxAscent + m.fontBoundingBoxDescent ? `${m.fontBoundingBoxAscent + m.fontBoundingBoxDescent}px` : '';
  };
  const at = (size) => {
    apply(c, { size, lineHeight: lineFor(size), shift: 0 });
    return !overflows(c);
  };
  // A one-line caption the canvas finds narrower and lower than its box fits as it is, with no layout;
  // else the largest size in half pixels, down to the game's smallest, at which the page keeps it inside
  // its box.
  let size = c.font.pixels;
  if (!fitsOnOneLine(c) && !at(size)) {
    let lo = views.smallestPixels() * 2;
    let hi = Math.floor(c.font.pixels * 2) - 1;
    while (lo < hi) {
      const mid = Math.ceil((lo + hi) / 2);
      if (at(mid / 2)) lo = mid;
      else hi = mid - 1;
    }
    size = lo / 2;
  }
  const f = { size, lineHeight: lineFor(size), shift: c.text ? inkShift(c, size) : 0 };
  apply(c, f);
  fitted.set(fitKey(c), f);
  return f;
}

// The box inside a control's border, in CSS pixels, known without laying the page out.
const inside = (c) => {
  const border = c.kind === 'button' || c.el.classList.contains('bordered') ? 2 : 0;
  return { width: c.size.width - border, height: c.size.height - border };
};

function fitsOnOneLine(c) {
  const caption = (c.text || c.el).textContent;
  if (!c.size || c.el.querySelector('.unseen') || caption.includes('\n')) return false;
  const m = metricsOf(c, c.font.pixels, caption);
  const box = inside(c);
  return m.width <= box.width - 1 &&
    (c.mayRunBelow || m.fontBoundingBoxAscent + m.fontBoundingBoxDescent <= box.height);
}

// How far a one-line caption moves down (or up, below zero) for its ink to lie inside its box: its line
// box is the font's ascent and descent, so the ink's place follows from the canvas's measure of it.
function inkShift(c, size) {
  const caption = c.text.textContent;
  if (!caption || caption.includes('\n')) return 0;
  const m = metricsOf(c, size, caption);
  const { width, height } = inside(c);
  if (m.width > width) return 0;
  // A pixel's room on either side, for the antialiased edge of the ink.
  const top = m.fontBoundingBoxAscent - m.actualBoundingBoxAscent - 1;
  const bottom = m.fontBoundingBoxAscent + m.actualBoundingBoxDescent + 1;
  if (bottom - top > height) return 0;
  if (bottom > height) return -Math.ceil(Math.min(bottom - height, top));
  if (top < 0) return Math.ceil(-top);
  return 0;
}

// The captions of a panel just arranged: the known ones first, all written at once; then the new ones,
// each measured.
export function fitWindow(id) {
  const mine = views.controlsIn(id).filter((c) => fits(c) && shownNow(c));
  const fresh = [];
  for (const c of mine) {
    const known = fitted.get(fitKey(c));
    if (known) apply(c, known);
    else fresh.push(c);
  }
  for (const c of fresh) fitAnew(c);
}
