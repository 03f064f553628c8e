// SPDX-License-Identifier: MIT
// Owns the pictures of picture boxes: which file each shows (drawn from its @2x copy where there is one),
// when it loads, the size it takes, and the name a screen reader gives it.
import * as views from './views.js';

export function picture({ id, name, autoSize }) {
  const c = views.controlOf(id);
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
  if (views.isShown(c.window)) loadPicture(c);
  nameThePicture(c);
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

// A picture is known by its tooltip (a creature's name), else by the name of what it shows.
export function nameThePicture(c) {
  const shows = (c.src || '').replace(/^.*\//, '').replace(/(@2x)?\.\w+$/, '');
  c.el.setAttribute('aria-label', c.tip || shows || c.el.dataset.name);
}
