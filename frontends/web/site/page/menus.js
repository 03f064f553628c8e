// SPDX-License-Identifier: MIT
// Owns the menus in the panels' menu bars: their titles and items, the one list open at a time, and each
// item's caption, check mark and state.
import { send } from './link.js';
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
      send(id, 'menuAboutToShow');
      openMenu = m;
      m.list.style.left = `${item.offsetLeft}px`;
      m.list.hidden = false;
      item.setAttribute('aria-expanded', 'true');
    });
  } else {
    item.addEventListener('click', (event) => {
      event.stopPropagation();
      closeMenu();
      send(id, 'menuTriggered');
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
