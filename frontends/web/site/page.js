// SPDX-License-Identifier: MIT
// The page side of the browser front end. The game (pokuraku.js) makes and changes panels, controls and
// menus through the functions of pokurakuPage, by the numbers it gives them, each function taking one
// object of named values; the page hands every click, tap, key and closed dialog back to it. The panels are
// laid out on a stage at the size the game draws them on a desktop, in CSS pixels, and the stage is scaled
// to fill the viewport.
'use strict';

(() => {
  const GAP = 6; // between panels, in stage pixels

  const desk = document.getElementById('desk');
  const stage = document.getElementById('stage');
  const dialog = document.getElementById('message');
  const closing = document.getElementById('closing');
  const filePicker = document.getElementById('word-file');

  const windows = new Map(); // panel number -> panel
  const controls = new Map(); // control number -> control
  const menus = new Map(); // menu number -> menu
  let game = null; // the running game module
  let shownOrder = []; // numbers of the shown panels, the latest in front
  let scale = 1;
  let openMenu = null;

  const send = (id, event, arg = 0) => {
    if (game) game.viewEvent(id, event, arg);
  };
  // The game's numbers for events, keys and the smallest caption, handed over by ready().
  let EVENT = {};
  let KEYS = {};
  let smallestPixels = 6;

  // The families the game names, as the fonts the site ships (subset to the game's texts) and then the
  // device's own Japanese fonts for whatever a teacher's list adds.
  const FAMILIES = {
    'ＭＳ ゴシック': '"PK Gothic", "Noto Sans Mono CJK JP", "Hiragino Kaku Gothic ProN", "Yu Gothic", monospace',
    'ＭＳ 明朝': '"PK Mincho", "Noto Serif CJK JP", "Hiragino Mincho ProN", "Yu Mincho", serif',
  };
  const P_GOTHIC = '"PK P Gothic", "Noto Sans CJK JP", "Hiragino Kaku Gothic ProN", "Yu Gothic", sans-serif';
  const fontStack = (family) => FAMILIES[family] || P_GOTHIC;
  const cssFont = ({ family, pixels, bold }) => `${bold ? 'bold ' : ''}${pixels}px ${fontStack(family)}`;

  // ---- Panels ------------------------------------------------------------------------------------------

  function makeWindow({ id, caption, name, width, height, back, designX, designY, isMain, takesKeys }) {
    const panel = document.createElement('section');
    panel.className = 'panel';
    panel.dataset.name = name;
    panel.setAttribute('aria-label', caption);
    panel.style.display = 'none';
    if (!isMain) {
      const title = document.createElement('div');
      title.className = 'caption';
      title.textContent = caption;
      const close = document.createElement('button');
      close.className = 'close';
      close.textContent = '×';
      close.setAttribute('aria-label', '閉じる');
      close.addEventListener('click', () => send(id, EVENT.closeRequested));
      title.append(close);
      panel.append(title);
    } else {
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
    panel.addEventListener('pointerdown', () => { frontWindow = id; }, true);
    stage.append(panel);
    windows.set(id, { id, panel, bar, client, back, isMain, takesKeys, beside: 0,
      design: { x: designX, y: designY, width, height } });
  }

  let frontWindow = 0;

  function showWindow({ id, besideId }) {
    const w = windows.get(id);
    if (!w) return;
    w.beside = besideId;
    w.panel.style.display = '';
    if (w.isMain) starting = false;
    shownOrder = shownOrder.filter((n) => n !== id).concat(id);
    frontWindow = id;
    toFit.add(id);
    arrangeSoon(id);
    for (const c of controls.values()) if (c.window === id && c.kind === 'picture') loadPicture(c);
  }

  // The panels are arranged, and the captions of those just shown fitted, once before the next frame: the
  // game shows and hides several panels in one event (the opening over the game at the start), and each
  // arrangement lays the page out.
  const toFit = new Set();
  let arrangement = 0;
  let keepInView = 0;
  function arrangeSoon(inView = 0) {
    if (inView) keepInView = inView;
    if (arrangement) return;
    arrangement = requestAnimationFrame(() => {
      arrangement = 0;
      arrange(keepInView);
      keepInView = 0;
      for (const id of [...toFit]) {
        toFit.delete(id);
        if (!shownOrder.includes(id)) continue;
        fitWindow(id);
        for (const c of controls.values()) if (c.window === id && c.kind === 'canvas') send(c.id, EVENT.repaint);
      }
    });
  }

  function hideWindow({ id }) {
    const w = windows.get(id);
    if (!w) return;
    w.panel.style.display = 'none';
    shownOrder = shownOrder.filter((n) => n !== id);
    if (frontWindow === id) frontWindow = shownOrder[shownOrder.length - 1] || 0;
    arrangeSoon();
  }

  function raiseWindow({ id }) {
    if (!shownOrder.includes(id)) return;
    shownOrder = shownOrder.filter((n) => n !== id).concat(id);
    frontWindow = id;
    arrangeSoon();
  }

  function focusWindow({ id }) {
    frontWindow = id;
  }

  function removeWindow({ id }) {
    const w = windows.get(id);
    if (!w) return;
    for (const [n, c] of controls) if (c.window === id) controls.delete(n);
    for (const [n, m] of menus) if (m.window === id) menus.delete(n);
    w.panel.remove();
    windows.delete(id);
    hideWindow({ id });
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

  function arrange(inView = 0) {
    layOut(inView);
    if (coarse.matches) layOut(inView); // again, with the close buttons at their new size
  }

  function layOut(inView) {
    const shown = shownOrder.map((n) => windows.get(n)).filter(Boolean);
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
    const main = [...windows.values()].find((w) => w.isMain);
    const least = main ? { width: main.design.width, height: main.design.height + 24 } : { width: 1, height: 1 };
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
    const wanted = windows.get(inView);
    if (roomy && wanted && wanted.zoom > 1) desk.scrollTo(wanted.at.left * newScale, wanted.at.top * newScale);
    if (main) desk.style.background = main.back;
    if (Math.abs(newScale - scale) > 1e-6) {
      scale = newScale;
      for (const c of controls.values()) if (c.kind === 'canvas') send(c.id, EVENT.repaint);
    }
  }

  // The smallest side, in stage pixels, of the controls of a panel that a finger presses.
  function smallestPressed(w) {
    let least = Infinity;
    for (const c of controls.values()) {
      if (c.window === w.id && c.pressable && c.size) least = Math.min(least, c.size.width, c.size.height);
    }
    return least;
  }

  function totalAlong(row, sizes, across) {
    return row.reduce((sum, w, i) => sum + (across ? sizes.get(w).width : sizes.get(w).height) + (i ? GAP : 0), 0);
  }

  // ---- Controls ----------------------------------------------------------------------------------------

  function makeControl({ id, windowId, parentId, kind, name, pressable }) {
    const w = windows.get(windowId);
    const parent = parentId ? controls.get(parentId).el : w.client;
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
      c.img = document.createElement('img');
      c.img.alt = '';
      c.img.draggable = false;
      c.img.addEventListener('load', () => pictureLoaded(c));
      c.img.addEventListener('error', () => {
        if (c.img.src.includes('@2x.')) c.img.src = c.img.src.replace('@2x.', '.');
      });
      el.append(c.img);
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
        frontWindow = windowId;
        if (c.enabled) send(id, EVENT.mouseDown, event.button);
      });
      el.addEventListener('click', (event) => {
        event.stopPropagation();
        if (c.enabled) send(id, EVENT.click);
      });
    }
    parent.append(el);
    controls.set(id, c);
  }

  function place({ id, left, top, width, height }) {
    const c = controls.get(id);
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

  function line({ id, x, y, dx, dy, colour }) {
    const c = controls.get(id);
    Object.assign(c.el.style, { left: `${x}px`, top: `${y}px`, width: `${Math.hypot(dx, dy) + 1}px`,
      height: '1px', background: colour, transform: `rotate(${Math.atan2(dy, dx)}rad)` });
  }

  function shown({ id, on }) {
    const c = controls.get(id);
    c.el.style.display = on ? '' : 'none';
    if (on) fit(c);
  }

  function enabled({ id, on }) {
    const c = controls.get(id);
    c.enabled = on;
    c.el.classList.toggle('disabled', !on);
    if (c.kind === 'button') c.el.disabled = !on;
    else c.el.setAttribute('aria-disabled', String(!on));
  }

  function pointer({ id, picture, hotX, hotY, arrow, tip }) {
    const c = controls.get(id);
    if (arrow) c.el.style.cursor = 'default';
    else if (picture) c.el.style.cursor = `url("pictures/${picture}") ${hotX} ${hotY}, pointer`;
    else c.el.style.cursor = '';
    if (tip) c.el.title = tip;
    else c.el.removeAttribute('title');
    c.tip = tip;
    if (c.kind === 'picture') nameThePicture(c);
  }

  // A picture is known by its tooltip (a creature's name), else by the name of what it shows.
  function nameThePicture(c) {
    const shows = (c.src || '').replace(/^.*\//, '').replace(/(@2x)?\.\w+$/, '');
    c.el.setAttribute('aria-label', c.tip || shows || c.el.dataset.name);
  }

  function font({ id, font: { family, pixels, bold } }) {
    const c = controls.get(id);
    c.font = { family, pixels, bold };
    c.el.style.fontFamily = fontStack(family);
    c.el.style.fontWeight = bold ? 'bold' : 'normal';
  }

  const ALIGN = ['left', 'center', 'right'];
  function look({ id, fore, back, align, border, mayRunBelow }) {
    const c = controls.get(id);
    c.el.style.color = fore;
    c.el.style.backgroundColor = back;
    c.el.style.textAlign = ALIGN[align] || 'left';
    c.el.classList.toggle('bordered', border);
    c.mayRunBelow = mayRunBelow;
    fit(c);
  }

  // A caption, with only the characters of inkOnly (when given) drawn: the others keep their places unseen.
  function text({ id, value, inkOnly = '' }) {
    const c = controls.get(id);
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

  // A caption is drawn in its font's size, or smaller as far as it takes to stay inside its box, with its
  // lines spaced by the font's own ascent and descent. A caption whose ink alone sticks out of its box (the
  // tail of a g on a tile) is moved up or down to lie whole inside it. What a caption needs is kept by
  // caption, font and box: a new word's tiles and their placeholders are fitted without laying the page
  // out again, and a caption met for the first time takes a few halvings. Captions of a hidden control or
  // panel are fitted when they show.
  const measure = document.createElement('canvas').getContext('2d');

  const fits = (c) => c.font && (c.kind === 'label' || c.kind === 'button');
  const shownNow = (c) => shownOrder.includes(c.window) && !toFit.has(c.window) && c.el.style.display !== 'none';
  const overflows = (c) => c.el.scrollWidth > c.el.clientWidth + 0.5 ||
    (!c.mayRunBelow && c.el.scrollHeight > c.el.clientHeight + 0.5);
  const fitted = new Map(); // key of caption, font and box -> { size, lineHeight, shift }
  const fitKey = (c) => [(c.text || c.el).textContent, c.font.family, c.font.pixels, c.font.bold, c.el.style.width,
    c.el.style.height, c.mayRunBelow, c.el.classList.contains('bordered')].join('\u0001');

  // The canvas's measure of text in a control's font at a size.
  function metricsOf(c, size, text) {
    measure.font = cssFont({ ...c.font, pixels: size });
    return measure.measureText(text);
  }

  function apply(c, f) {
    c.el.style.fontSize = `${f.size}px`;
    c.el.style.lineHeight = f.lineHeight;
    if (c.text) c.text.style.top = f.shift ? `${f.shift}px` : '';
  }

  function fit(c) {
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
      let lo = smallestPixels * 2;
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

  function fitWindow(id) {
    const mine = [...controls.values()].filter((c) => c.window === id && fits(c) && shownNow(c));
    // The known captions first, all written at once; then the new ones, each measured.
    const fresh = [];
    for (const c of mine) {
      const known = fitted.get(fitKey(c));
      if (known) apply(c, known);
      else fresh.push(c);
    }
    for (const c of fresh) fitAnew(c);
  }

  function picture({ id, name, autoSize }) {
    const c = controls.get(id);
    c.autoSize = autoSize;
    if (!name) {
      c.src = '';
      c.img.removeAttribute('src');
      c.img.style.display = 'none';
      nameThePicture(c);
      return;
    }
    c.img.style.display = '';
    const dot = name.lastIndexOf('.');
    const src = `pictures/${name.slice(0, dot)}@2x${name.slice(dot)}`;
    c.src = src;
    // The pictures of a panel not shown yet load when it shows, after those of the panels in front.
    if (shownOrder.includes(c.window)) loadPicture(c);
    nameThePicture(c);
  }

  function loadPicture(c) {
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

  function focusControl({ id }) {
    const c = controls.get(id);
    if (c && c.kind === 'button') c.el.focus({ preventScroll: true });
  }

  // ---- Canvas ------------------------------------------------------------------------------------------

  // A canvas of a panel that is hidden, or shown but not yet arranged, is drawn once it is: its size is
  // not known before, and asking for it would lay the page out.
  function canvasSize({ id }) {
    const c = controls.get(id);
    if (!shownOrder.includes(c.window) || toFit.has(c.window)) return { width: 0, height: 0 };
    const ratio = scale * (window.devicePixelRatio || 1);
    const width = Math.max(0, Math.round(c.el.clientWidth * ratio));
    const height = Math.max(0, Math.round(c.el.clientHeight * ratio));
    if (c.el.width !== width) c.el.width = width;
    if (c.el.height !== height) c.el.height = height;
    c.el.getContext('2d').clearRect(0, 0, width, height);
    return { width, height };
  }

  function lineHeight({ font }) {
    measure.font = cssFont(font);
    const m = measure.measureText('国Ag');
    return Math.ceil(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent);
  }

  function advance({ font, text: value }) {
    measure.font = cssFont(font);
    return Math.round(measure.measureText(value).width);
  }

  // Lines centred in a box, each line centred, at the font's size or as much smaller as they need.
  function layoutText({ lines, font, box }) {
    const { left, top, width, height } = box;
    const pixels = font.pixels;
    let size = pixels;
    for (;;) {
      const sized = { ...font, pixels: size };
      measure.font = cssFont(sized);
      const metrics = lines.map((l) => measure.measureText(l));
      const high = lineHeight({ font: sized });
      const wide = Math.max(0, ...metrics.map((m) => m.width));
      if (size <= smallestPixels || (wide <= width && high * lines.length <= height)) {
        const first = top + (height - high * lines.length) / 2;
        const ascent = metrics.length ? metrics[0].fontBoundingBoxAscent : 0;
        const placed = metrics.map((m, i) => ({ text: lines[i], m, x: left + (width - m.width) / 2,
          baseline: first + i * high + ascent }));
        return { size, placed, kept: size === pixels && wide <= width && high * lines.length <= height };
      }
      size -= 1;
    }
  }

  function inkOf(text) {
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

  const context = (id) => controls.get(id).el.getContext('2d');

  function paintFill({ id, box, colour }) {
    const ctx = context(id);
    ctx.fillStyle = colour;
    ctx.fillRect(box.left, box.top, box.width, box.height);
  }

  function paintLine({ id, x1, y1, x2, y2, colour }) {
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

  function paintPolyline({ id, points: flat, colour, width }) {
    if (flat.length < 2) return;
    const ctx = context(id);
    ctx.strokeStyle = colour;
    ctx.lineWidth = width;
    ctx.beginPath();
    ctx.moveTo(flat[0], flat[1]);
    for (let i = 2; i + 1 < flat.length; i += 2) ctx.lineTo(flat[i], flat[i + 1]);
    ctx.stroke();
  }

  function paintText({ id, lines, font, box, colour }) {
    const ctx = context(id);
    const laid = layoutText({ lines, font, box });
    ctx.font = cssFont({ ...font, pixels: laid.size });
    ctx.fillStyle = colour;
    ctx.textBaseline = 'alphabetic';
    for (const p of laid.placed) ctx.fillText(p.text, p.x, p.baseline);
  }

  // ---- Menus -------------------------------------------------------------------------------------------

  function makeMenu({ id, windowId, parentId, isMenu, name }) {
    const w = windows.get(windowId);
    const item = document.createElement('button');
    item.type = 'button';
    item.dataset.name = name;
    const m = { id, window: windowId, item, isMenu, list: null, checkable: false };
    if (!parentId) {
      item.className = 'menu-title';
      w.bar.append(item);
      w.bar.style.display = '';
    } else {
      item.className = 'menu-item';
      menus.get(parentId).list.append(item);
    }
    if (isMenu) {
      item.setAttribute('aria-haspopup', 'menu');
      item.setAttribute('aria-expanded', 'false');
      m.list = document.createElement('div');
      m.list.className = 'menu-list';
      m.list.setAttribute('role', 'menu');
      m.list.hidden = true;
      w.bar.append(m.list);
      item.addEventListener('click', (event) => {
        event.stopPropagation();
        if (openMenu === m) { closeMenu(); return; }
        closeMenu();
        send(id, EVENT.menuAboutToShow);
        openMenu = m;
        m.list.style.left = `${item.offsetLeft}px`;
        m.list.hidden = false;
        item.setAttribute('aria-expanded', 'true');
      });
    } else {
      item.addEventListener('click', (event) => {
        event.stopPropagation();
        closeMenu();
        send(id, EVENT.menuTriggered);
      });
    }
    menus.set(id, m);
  }

  function closeMenu() {
    if (!openMenu) return;
    openMenu.list.hidden = true;
    openMenu.item.setAttribute('aria-expanded', 'false');
    openMenu = null;
  }

  function menuState({ id, text: value, enabled: on, visible, checkable, checked }) {
    const m = menus.get(id);
    m.item.textContent = checkable ? `${checked ? '✓' : '　'} ${value}` : value;
    m.item.setAttribute('aria-label', value);
    m.item.setAttribute('role', checkable ? 'menuitemradio' : 'menuitem');
    if (checkable) m.item.setAttribute('aria-checked', String(checked));
    m.item.disabled = !on;
    m.item.style.display = visible ? '' : 'none';
  }

  // ---- Dialogs and the closing panel ----------------------------------------------------------------------

  const pendingDialogs = [];
  function message({ id = 0, text: value, title, stop, detail = '' }) {
    pendingDialogs.push({ id, value, title, stop, detail });
    if (!dialog.open) nextDialog();
  }

  function nextDialog() {
    const d = pendingDialogs[0];
    if (!d) return;
    closeMenu();
    dialog.querySelector('.title').textContent = d.title;
    dialog.querySelector('.text').textContent = d.value;
    dialog.querySelector('.detail').textContent = d.detail || '';
    dialog.classList.toggle('stop', d.stop);
    dialog.showModal();
    dialog.querySelector('button').focus();
  }

  dialog.addEventListener('close', () => {
    const d = pendingDialogs.shift();
    if (d && d.id) send(d.id, EVENT.dialogClosed);
    if (d && d.then) d.then();
    nextDialog();
  });

  // The game stops behind its error box. What the page brought into a game that failed while it started
  // (a teacher's list, a setting) is set aside, so the next game starts with the shipped words and the
  // usual settings.
  function fatal({ text: value, detail }) {
    const aside = [];
    if (listInForce) {
      aside.push(`先生のことば「${listInForce.name}」`);
      setListAside();
    }
    if (starting && putSettingsAside()) aside.push('設定');
    const then = aside.length ? `\n\n${aside.join('と')}をわきによけました。` +
      '「もういちど あそぶ」で、もとの ことばと設定で遊べます。' : '';
    pendingDialogs.push({ id: 0, value: value + then, detail, title: 'ポクラク', stop: true, then: gameClosed });
    if (!dialog.open) nextDialog();
  }

  function gameClosed() {
    closeMenu();
    closing.hidden = false;
    closing.querySelector('button').focus();
  }

  closing.querySelector('button').addEventListener('click', () => {
    closing.hidden = true;
    newGame();
  });

  // ---- What the page keeps ---------------------------------------------------------------------------

  // The browser keeps the teacher's list and the settings from one visit to the next. When it refuses to
  // (storage full, blocked by the school's policy, a private window), they last as long as the page, and
  // the player is told once that they will not be there next time.
  const memory = new Map();
  const toldNotKept = new Set();

  function storedValue(key) {
    if (memory.has(key)) return memory.get(key);
    try {
      return localStorage.getItem(key);
    } catch (e) {
      return null;
    }
  }

  // True when the browser holds the value (null: holds nothing under the key) for the next visit.
  function keep(key, value) {
    memory.set(key, value);
    try {
      if (value === null) localStorage.removeItem(key);
      else localStorage.setItem(key, value);
      return localStorage.getItem(key) === value;
    } catch (e) {
      return false;
    }
  }

  // A setting the game reads.
  const stored = ({ key }) => storedValue(key);

  // A setting the game keeps.
  function store({ key, value }) {
    if (keep(key, value) || toldNotKept.has(key)) return;
    toldNotKept.add(key);
    message({ text: 'この設定は、このブラウザに残せませんでした（保存する場所がいっぱいか、使えないようになっています）。\n' +
      'このページを開いているあいだは使えますが、次に開いたときは もとの設定にもどります。', title: '設定', stop: false });
  }

  // True when there were settings to set aside.
  function putSettingsAside() {
    const keys = settingKeys();
    for (const key of keys) {
      keep(`${key}${ASIDE}`, storedValue(key));
      keep(key, null);
    }
    return keys.length > 0;
  }

  function settingKeys() {
    const keys = new Set([...memory.keys()].filter((k) => memory.get(k) !== null));
    try {
      for (let i = 0; i < localStorage.length; ++i) keys.add(localStorage.key(i));
    } catch (e) {
      // nothing kept beyond this visit
    }
    return [...keys].filter((k) => k.startsWith('pokuraku/') && !k.startsWith(LIST_KEY) && !k.endsWith(ASIDE));
  }

  // ---- The teacher's word list ---------------------------------------------------------------------------

  // The list is kept with the name the teacher's file had, and every game checks it again before it plays:
  // a list that a new release of the game no longer takes is set aside instead of breaking every start.
  const LIST_KEY = 'pokuraku/wordList';
  const OLD_NAME_KEY = 'pokuraku/wordListName'; // where releases before this one kept the name
  const ASIDE = '.setAside';
  let listInForce = null; // the list of the game in play: { name, bytes }
  let starting = false; // from a new game until its main panel shows

  function keptList() {
    const kept = storedValue(LIST_KEY);
    if (!kept) return null;
    try {
      if (kept.startsWith('{')) {
        const { name, data } = JSON.parse(kept);
        return { name, bytes: fromBase64(data) };
      }
      return { name: storedValue(OLD_NAME_KEY) || 'romaji.txt', bytes: fromBase64(kept) };
    } catch (e) {
      return { name: 'romaji.txt', bytes: null };
    }
  }

  function setListAside() {
    if (!storedValue(LIST_KEY)) return;
    keep(`${LIST_KEY}${ASIDE}`, storedValue(LIST_KEY));
    keep(LIST_KEY, null);
    keep(OLD_NAME_KEY, null);
    listInForce = null;
  }

  function pickWordList() {
    filePicker.value = '';
    filePicker.click();
  }

  filePicker.addEventListener('change', async () => {
    const file = filePicker.files[0];
    if (!file || !game) return;
    const bytes = new Uint8Array(await file.arrayBuffer());
    const refusal = game.checkWordList(file.name, bytes);
    if (refusal) {
      message({ text: refusal.text, title: 'ことば', stop: true, detail: refusal.detail });
      return;
    }
    keep(OLD_NAME_KEY, null);
    if (!keep(LIST_KEY, JSON.stringify({ name: file.name, data: toBase64(bytes) }))) {
      message({ text: `「${file.name}」のことばで遊びます。\nただし、このブラウザには このことばを残せませんでした` +
        '（保存する場所がいっぱいか、使えないようになっています）。次に開いたときには このことばは ありません。' +
        'そのときは、もういちど読みこんでください。', title: 'ことば', stop: false });
    }
    newGame();
  });

  function dropWordList() {
    keep(LIST_KEY, null);
    keep(OLD_NAME_KEY, null);
    newGame();
  }

  function toBase64(bytes) {
    let binary = '';
    for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return btoa(binary);
  }

  function fromBase64(text) {
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    return bytes;
  }

  // Every game starts afresh with the word list in force, after whatever event asked for it is over. A kept
  // list the game refuses is set aside, and the game starts with the shipped words.
  function newGame() {
    setTimeout(() => {
      let list = keptList();
      const refusal = list && (list.bytes ? game.checkWordList(list.name, list.bytes)
        : { text: 'ブラウザに残したデータがこわれています。', detail: '' });
      if (refusal) {
        setListAside();
        message({ text: `先生のことば「${list.name}」は使えないので、わきによけました。もとのことばで遊びます。` +
          `\n\n${refusal.text}`, title: 'ことば', stop: true, detail: refusal.detail });
        list = null;
      }
      listInForce = list;
      starting = true;
      game.useWordList(list ? list.bytes : new Uint8Array(0));
      game.startGame();
    });
  }

  // ---- Sound -------------------------------------------------------------------------------------------

  let audio = null;
  const cues = new Map();
  let sounding = null;

  // Browsers let a page sound only after the player has touched it: the first tap or key starts the audio.
  function unlockAudio() {
    try {
      if (!audio) audio = new AudioContext();
      if (audio.state === 'suspended') audio.resume().catch(() => {});
    } catch (e) {
      audio = false; // no Web Audio: the game plays on silently
    }
  }

  function keepCue({ key, samples, channels, rate }) {
    cues.set(key, { samples: new Float32Array(samples), channels, rate });
  }

  // A cue asked for while the audio is still starting (some browsers take a moment after the first tap)
  // sounds as soon as it has started.
  function playCue({ key, fileName }) {
    const cue = cues.get(key);
    if (!audio || !cue || audio.state === 'closed') return;
    if (audio.state !== 'running') audio.resume().catch(() => {});
    try {
      if (!cue.buffer) {
        const frames = cue.samples.length / cue.channels;
        cue.buffer = audio.createBuffer(cue.channels, frames, cue.rate);
        for (let ch = 0; ch < cue.channels; ++ch) {
          cue.buffer.copyToChannel(cue.samples.subarray(ch * frames, (ch + 1) * frames), ch);
        }
      }
      if (sounding) sounding.stop();
      const source = audio.createBufferSource();
      source.buffer = cue.buffer;
      source.connect(audio.destination);
      source.onended = () => { if (sounding === source) sounding = null; };
      source.cue = fileName;
      source.start();
      sounding = source;
    } catch (e) {
      // A cue the device cannot take is left out; the game goes on.
    }
  }

  // ---- Input -------------------------------------------------------------------------------------------

  let heldKey = null;

  // The game's key for a DOM key event, and the character typed, if any; null for a key the game does not
  // know. Enter on the keypad goes by the key's code, every other key by its name or the character it types.
  function gameKeyOf(event) {
    if (event.code === 'NumpadEnter') return { key: KEYS.NumpadEnter, typed: '' };
    if (KEYS[event.key]) return { key: KEYS[event.key], typed: '' };
    if ([...event.key].length === 1) return { key: event.key.toUpperCase().codePointAt(0), typed: event.key };
    return null;
  }

  document.addEventListener('keydown', (event) => {
    unlockAudio();
    if (dialog.open || !closing.hidden || !game) return;
    if (event.key === 'Escape' && openMenu) { closeMenu(); return; }
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (event.repeat) {
      if (heldKey === event.key) event.preventDefault();
      return;
    }
    heldKey = null;
    const w = windows.get(frontWindow);
    if (!w || !w.takesKeys || !shownOrder.includes(frontWindow)) return;
    const pressed = gameKeyOf(event);
    if (!pressed) return;
    if (game.windowKey(frontWindow, pressed.key, pressed.typed)) {
      event.preventDefault();
      heldKey = event.key;
    }
  }, true);
  document.addEventListener('keyup', (event) => { if (heldKey === event.key) heldKey = null; });

  // A tap presses only what was under the finger as it went down. A tile hides at once, and the click the
  // browser sends as the finger lifts lands on whatever is under it by then (the Ｏ．Ｋ button that the last
  // tile uncovers): such a click is swallowed. A click from the keyboard, a switch or a screen reader comes
  // with no pointer going down before it (its detail is 0) and is kept.
  let pressedAt = null;
  document.addEventListener('pointerdown', (event) => { pressedAt = event.target; }, true);
  document.addEventListener('click', (event) => {
    const pressed = pressedAt;
    pressedAt = null;
    if (!pressed || event.detail === 0 || event.target.contains(pressed) || pressed.contains(event.target)) return;
    event.stopPropagation();
    event.preventDefault();
  }, true);
  document.addEventListener('pointerdown', unlockAudio, true);
  document.addEventListener('click', closeMenu);
  desk.addEventListener('contextmenu', (event) => event.preventDefault());
  window.addEventListener('resize', () => arrange());

  // ---- Start -------------------------------------------------------------------------------------------

  // The program's two files carry one release's name (pokuraku-<release>.js and .wasm), so a browser
  // never runs the script of one release with the program of another. A site that cannot start says so
  // instead of showing "よみこみ中…" for ever.
  const START_LIMIT_MS = 10000;
  const startLimit = setTimeout(() => cannotStart('10 秒たっても始まりませんでした。'), START_LIMIT_MS);
  const wasmName = () => {
    const program = document.querySelector('script[data-wasm]');
    return program ? program.dataset.wasm : 'pokuraku.wasm';
  };
  window.Module = {
    locateFile: (name) => (name.endsWith('.wasm') ? wasmName() : name),
    onAbort: (what) => cannotStart(`プログラムのファイル（${wasmName()}）を読めないか、こわれています。`, String(what || '')),
  };
  window.addEventListener('error', (event) => {
    if (!(event.target instanceof HTMLScriptElement)) return;
    cannotStart(`プログラムのファイル（${event.target.src.replace(/^.*\//, '')}）を読めませんでした。`);
  }, true);

  // The first look into the browser's storage reads it from disk: done while the program downloads, not
  // when the first game starts.
  storedValue(LIST_KEY);

  function cannotStart(what, detail = '') {
    clearTimeout(startLimit);
    const loading = document.getElementById('loading');
    if (game || !loading) return;
    loading.className = 'broken';
    loading.textContent = `ポクラクを始められません。${what}\n\nページを読みこみなおしてください。` +
      'なおらないときは、このサイトを公開している人に このメッセージを知らせてください。';
    if (detail) {
      const small = document.createElement('small');
      small.textContent = `\n\n${detail}`;
      loading.append(small);
    }
  }

  // The game module calls ready() once it runs, with its numbers; the first game starts as soon as the fonts
  // are there.
  function ready(numbers) {
    ({ events: EVENT, keys: KEYS, smallestPixels } = numbers);
    clearTimeout(startLimit);
    game = window.Module;
    const fonts = ['PK Gothic', 'PK P Gothic', 'PK Mincho'].map((f) => document.fonts.load(`16px "${f}"`, 'あ'));
    Promise.all(fonts).catch(() => {}).then(() => {
      document.getElementById('loading').remove();
      newGame();
      keepForOffline();
    });
  }

  // The service worker keeps the site for the next visit; it starts once the opening is on the screen, so
  // fetching its copy does not hold the game up. Every visit asks the server whether a new release is out,
  // so the next visit plays it.
  function keepForOffline() {
    if (!('serviceWorker' in navigator) || location.protocol === 'file:') return;
    setTimeout(() => navigator.serviceWorker.register('sw.js').then((r) => r.update()).catch(() => {}), 1000);
  }

  window.pokurakuPage = {
    makeWindow, showWindow, hideWindow, raiseWindow, focusWindow, removeWindow, makeControl, place, line,
    shown, enabled, pointer, font, look, text, picture, focusControl, canvasSize, lineHeight, advance, inkOf,
    paintFill, paintLine, paintPolyline, paintText, makeMenu, menuState, message, fatal, gameClosed,
    pickWordList, dropWordList, stored, store, keepCue, playCue, ready,
  };
})();
