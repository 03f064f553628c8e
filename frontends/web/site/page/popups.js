// SPDX-License-Identifier: MIT
// Owns what opens over the panels: the menus of the panels' menu bars (the one list open at a time, and
// each item's caption, check mark and state; the menu keys, and the focus going back to the panel in front
// after a menu), and the dialog box with the messages waiting for it, shown one after another, telling the
// game when the one it asked for is closed.
import * as views from './views.js';

let openMenu = null;
const menuOfItem = new WeakMap(); // a menu title's or item's element -> its menu
let cameFrom = null; // what had the focus before the menu bar took it

export const menuOpen = () => openMenu !== null;

export function makeMenu({ id, windowId, parentId, isMenu, name }) {
  const w = views.windowOf(windowId);
  const item = document.createElement('button');
  item.type = 'button';
  item.dataset.name = name;
  const m = { id, window: windowId, item, isMenu, list: null, checkable: false };
  menuOfItem.set(item, m);
  if (!parentId) {
    // The menu bar is one stop for Tab; the arrows move along it.
    item.className = 'menu-title';
    item.tabIndex = w.bar.querySelector('.menu-title') ? -1 : 0;
    if (!w.bar.childElementCount) followTheFocus(w.bar);
    w.bar.append(item);
    w.bar.style.display = '';
  } else {
    item.className = 'menu-item';
    item.tabIndex = -1;
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
      if (openMenu === m) closeMenu();
      else showMenu(m);
    });
  } else {
    item.addEventListener('click', (event) => {
      event.stopPropagation();
      closeMenu();
      views.send(id, 'menuTriggered');
      backToThePanel();
    });
  }
  views.addMenu(m);
}

function showMenu(m) {
  closeMenu();
  views.send(m.id, 'menuAboutToShow');
  openMenu = m;
  m.list.style.left = `${m.item.offsetLeft}px`;
  m.list.hidden = false;
  m.item.setAttribute('aria-expanded', 'true');
}

export function closeMenu() {
  if (!openMenu) return;
  openMenu.list.hidden = true;
  openMenu.item.setAttribute('aria-expanded', 'false');
  openMenu = null;
}

// ---- The menu keys

// Whatever had the focus before the menu bar took it gets it back after a menu; a menu that leaves the bar
// by Tab or a click elsewhere closes.
function followTheFocus(bar) {
  bar.addEventListener('focusin', (event) => {
    if (!bar.contains(event.relatedTarget)) cameFrom = event.relatedTarget;
    if (!event.target.classList.contains('menu-title')) return;
    for (const title of bar.querySelectorAll('.menu-title')) title.tabIndex = title === event.target ? 0 : -1;
  });
  bar.addEventListener('focusout', (event) => {
    if (!bar.contains(event.relatedTarget)) closeMenu();
  });
}

const usable = (items) => [...items].filter((e) => e.style.display !== 'none' && !e.disabled);
const inMenuBar = () => document.activeElement && document.activeElement.closest('.menubar');

// After a menu's item, or Esc, the focus goes back to the panel in front: to whatever in it had the focus
// before the menu bar took it, if it is still there, else to the panel itself. An item that moved the
// focus on (a message) keeps it there.
function backToThePanel() {
  const now = document.activeElement;
  if (now && now !== document.body && !now.closest('.menubar')) return;
  const w = views.windowOf(views.frontWindow());
  if (!w || !views.isShown(w.id)) return;
  const before = cameFrom;
  cameFrom = null;
  const back = before && w.panel.contains(before) && before.getClientRects().length ? before : w.panel;
  back.focus({ preventScroll: true });
}

// F10, or Alt alone: into the menu bar of the panel in front, or out of it.
export function toggleMenuBar() {
  if (inMenuBar()) {
    closeMenu();
    backToThePanel();
    return;
  }
  const w = views.windowOf(views.frontWindow());
  const first = w && views.isShown(w.id) && usable(w.bar.querySelectorAll('.menu-title'))[0];
  if (first) first.focus({ preventScroll: true });
}

// A key pressed in the menu bar, as a desktop's menus take it: ← and → from menu to menu, ↓ and ↑ through
// the open one, Enter or Space picks, Esc closes. True when the key was one of these.
export function menuKey(key) {
  const at = inMenuBar() && document.activeElement;
  const m = at && menuOfItem.get(at);
  if (!m) return false;
  const titles = usable(at.closest('.menubar').querySelectorAll('.menu-title'));
  const onTitle = at.classList.contains('menu-title');
  const title = onTitle ? at : openMenu && openMenu.item;
  const step = (list, from, by) => list[(list.indexOf(from) + by + list.length) % list.length];
  const openAndEnter = (menu) => {
    if (openMenu !== menu) showMenu(menu);
    const first = usable(menu.list.children)[0];
    (first || menu.item).focus();
  };
  if (key === 'ArrowLeft' || key === 'ArrowRight') {
    const next = step(titles, title, key === 'ArrowLeft' ? -1 : 1);
    next.focus();
    if (!onTitle && menuOfItem.get(next).isMenu) openAndEnter(menuOfItem.get(next));
    else closeMenu();
  } else if (key === 'ArrowDown' || key === 'ArrowUp') {
    if (onTitle && m.isMenu) openAndEnter(m);
    else if (!onTitle) step(usable(at.parentElement.children), at, key === 'ArrowUp' ? -1 : 1).focus();
  } else if (key === 'Enter' || key === ' ') {
    if (onTitle && m.isMenu) openAndEnter(m);
    else at.click();
  } else if (key === 'Escape') {
    closeMenu();
    backToThePanel();
  } else {
    return false;
  }
  return true;
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
// asks: '' for OK alone, 'yesNo' for はい and いいえ, 'text' for a line of text (OK, やめる); dialogClosed then
// carries 1 for はい or OK, and dialogAnswer() the text.
export function message({ id = 0, text, title, stop, detail = '', asks = '', initial = '' }) {
  queueDialog({ id, text, title, stop, detail, asks, initial });
}

let answer = '';
export const dialogAnswer = () => answer;

// A message of the page's own; then(), when given, runs once the player closes it.
export function queueDialog(d) {
  pendingDialogs.push(d);
  if (!dialog.open) nextDialog();
}

function nextDialog() {
  const d = pendingDialogs[0];
  if (!d) return;
  closeMenu();
  dialog.querySelector('.title span:last-child').textContent = d.title;
  dialog.querySelector('.text').textContent = d.text;
  dialog.querySelector('.detail').textContent = d.detail || '';
  dialog.classList.toggle('stop', d.stop);
  const [ok, no] = dialog.querySelectorAll('button');
  const line = dialog.querySelector('input');
  ok.textContent = d.asks === 'yesNo' ? 'はい' : 'OK';
  no.textContent = d.asks === 'yesNo' ? 'いいえ' : 'やめる';
  no.hidden = !d.asks;
  line.hidden = d.asks !== 'text';
  line.value = d.initial || '';
  line.setAttribute('aria-label', d.text);
  dialog.returnValue = '';
  dialog.showModal();
  (d.asks === 'text' ? line : d.asks === 'yesNo' ? no : ok).focus();
}

dialog.addEventListener('close', () => {
  const d = pendingDialogs.shift();
  answer = dialog.querySelector('input').value.trim();
  if (d && d.id) views.send(d.id, 'dialogClosed', dialog.returnValue === 'ok' ? 1 : 0);
  if (d && d.then) d.then();
  nextDialog();
});
