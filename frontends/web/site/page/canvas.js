// SPDX-License-Identifier: MIT
// Owns drawing on the canvases (the chart): their size in the screen's pixels, measuring text in them, and
// painting fills, lines and text as the game draws.
import { drawingStarts, drewRoof, drewText } from './access.js';
import { stageScale } from './panels.js';
import { cssFont, lineHeightOf, measureText } from './text.js';
import * as views from './views.js';

// A canvas of a panel that is hidden, or shown but not yet arranged, is drawn once it is: its size is
// not known before, and asking for it would lay the page out.
export function canvasSize({ id }) {
  const c = views.controlOf(id);
  if (!views.isShown(c.window) || !views.isArranged(c.window)) return { width: 0, height: 0 };
  const ratio = stageScale() * (window.devicePixelRatio || 1);
  const width = Math.max(0, Math.round(c.el.clientWidth * ratio));
  const height = Math.max(0, Math.round(c.el.clientHeight * ratio));
  if (c.el.width !== width) c.el.width = width;
  if (c.el.height !== height) c.el.height = height;
  c.el.getContext('2d').clearRect(0, 0, width, height);
  drawingStarts(c);
  return { width, height };
}

export const lineHeight = ({ font }) => lineHeightOf(font);

export const advance = ({ font, text }) => Math.round(measureText(font, text).width);

// Lines centred in a box, each line centred, at the font's size or as much smaller as they need.
function layoutText({ lines, font, box }) {
  const { left, top, width, height } = box;
  const pixels = font.pixels;
  let size = pixels;
  for (;;) {
    const sized = { ...font, pixels: size };
    const metrics = lines.map((l) => measureText(sized, l));
    const high = lineHeightOf(sized);
    const wide = Math.max(0, ...metrics.map((m) => m.width));
    if (size <= views.smallestPixels() || (wide <= width && high * lines.length <= height)) {
      const first = top + (height - high * lines.length) / 2;
      const ascent = metrics.length ? metrics[0].fontBoundingBoxAscent : 0;
      const placed = metrics.map((m, i) => ({ text: lines[i], m, x: left + (width - m.width) / 2,
        baseline: first + i * high + ascent }));
      return { size, placed, kept: size === pixels && wide <= width && high * lines.length <= height };
    }
    size -= 1;
  }
}

export function inkOf(text) {
  const laid = layoutText(text);
  let x1 = Infinity; let y1 = Infinity; let x2 = -Infinity; let y2 = -Infinity;
  for (const p of laid.placed) {
    if (!p.text) continue;
    x1 = Math.min(x1, p.x - p.m.actualBoundingBoxLeft);
    x2 = Math.max(x2, p.x + p.m.actualBoundingBoxRight);
    y1 = Math.min(y1, p.baseline - p.m.actualBoundingBoxAscent);
    y2 = Math.max(y2, p.baseline + p.m.actualBoundingBoxDescent);
  }
  if (x1 === Infinity) return { left: 0, top: 0, width: 0, height: 0, kept: laid.kept };
  return { left: x1, top: y1, width: x2 - x1, height: y2 - y1, kept: laid.kept };
}

const context = (id) => views.controlOf(id).el.getContext('2d');

export function paintFill({ id, box, colour }) {
  const ctx = context(id);
  ctx.fillStyle = colour;
  ctx.fillRect(box.left, box.top, box.width, box.height);
}

export function paintLine({ id, x1, y1, x2, y2, colour }) {
  const ctx = context(id);
  ctx.fillStyle = colour;
  if (x1 === x2) ctx.fillRect(x1, Math.min(y1, y2), 1, Math.abs(y2 - y1) + 1);
  else if (y1 === y2) ctx.fillRect(Math.min(x1, x2), y1, Math.abs(x2 - x1) + 1, 1);
  else {
    ctx.strokeStyle = colour;
    ctx.lineWidth = 1;
    ctx.beginPath();
    ctx.moveTo(x1 + 0.5, y1 + 0.5);
    ctx.lineTo(x2 + 0.5, y2 + 0.5);
    ctx.stroke();
  }
}

// points: x, y, x, y …
export function paintPolyline({ id, points, colour, width }) {
  if (points.length < 2) return;
  const ctx = context(id);
  ctx.strokeStyle = colour;
  ctx.lineWidth = width;
  ctx.beginPath();
  ctx.moveTo(points[0], points[1]);
  for (let i = 2; i + 1 < points.length; i += 2) ctx.lineTo(points[i], points[i + 1]);
  ctx.stroke();
  drewRoof(views.controlOf(id));
}

export function paintText({ id, lines, font, box, colour }) {
  const ctx = context(id);
  const laid = layoutText({ lines, font, box });
  ctx.font = cssFont({ ...font, pixels: laid.size });
  ctx.fillStyle = colour;
  ctx.textBaseline = 'alphabetic';
  for (const p of laid.placed) ctx.fillText(p.text, p.x, p.baseline);
  drewText(views.controlOf(id), lines, box);
}
