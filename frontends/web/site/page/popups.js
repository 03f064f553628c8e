// SPDX-License-Identifier: MIT
// Owns what opens over the panels: the menus of the panels' menu bars (the one list open at a time, and
// each item's caption, check mark and state), and the dialog box with the messages waiting for it, shown
// one after another, telling the game when the one it asked for is closed.
import * as views from './views.js';

let openMenu = null;

export const menuOpen = () => openMenu !== null;

export function makeMenu({ id, windowId, parentId, isMenu, name }) {
  const w = views.windowOf(windowId);
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
    views.menuOf(parentId).list.append(item);
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
      views.send(id, 'menuAboutToShow');
      openMenu = m;
      m.list.style.left = `${item.offsetLeft}px`;
      m.list.hidden = false;
      item.setAttribute('aria-expanded', 'true');
    });
  } else {
    item.addEventListener('click', (event) => {
      event.stopPropagation();
      closeMenu();
      views.send(id, 'menuTriggered');
    });
  }
  views.addMenu(m);
}

export function closeMenu() {
  if (!openMenu) return;
  openMenu.list.hidden = true;
  openMenu.item.setAttribute('aria-expanded', 'false');
  openMenu = null;
}

export function menuState({ id, text, enabled, visible, checkable, checked }) {
  const m = views.menuOf(id);
  m.item.textContent = checkable ? `${checked ? '✓' : '　'} ${text}` : text;
  m.item.setAttribute('aria-label', text);
  m.item.setAttribute('role', checkable ? 'menuitemradio' : 'menuitem');
  if (checkable) m.item.setAttribute('aria-checked', String(checked));
  m.item.disabled = !enabled;
  m.item.style.display = visible ? '' : 'none';
}

// ---- The dialog box

const dialog = document.getElementById('message');
const pendingDialogs = []; // the one shown first

export const dialogOpen = () => dialog.open;

// A message for the player; id, when not 0, hears dialogClosed once the player closes it.
export function message({ id = 0, text, title, stop, detail = '' }) {
  queueDialog({ id, text, title, stop, detail });
}

// A message of the page's own; then(), when given, runs once the player closes it.
export function queueDialog(d) {
  pendingDialogs.push(d);
  if (!dialog.open) nextDialog();
}

function nextDialog() {
  const d = pendingDialogs[0];
  if (!d) return;
  closeMenu();
  dialog.querySelector('.title').textContent = d.title;
  dialog.querySelector('.text').textContent = d.text;
  dialog.querySelector('.detail').textContent = d.detail || '';
  dialog.classList.toggle('stop', d.stop);
  dialog.showModal();
  dialog.querySelector('button').focus();
}

dialog.addEventListener('close', () => {
  const d = pendingDialogs.shift();
  if (d && d.id) views.send(d.id, 'dialogClosed');
  if (d && d.then) d.then();
  nextDialog();
});
