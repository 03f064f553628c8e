// SPDX-License-Identifier: MIT
// Owns the fonts: the families the game names, as the fonts the site ships and the device's own, and the
// canvas that measures text in them without laying the page out.

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
