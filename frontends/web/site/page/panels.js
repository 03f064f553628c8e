// SPDX-License-Identifier: MIT
// Owns the panels, one for each of the game's windows: made, shown beside one another, raised, hidden and
// removed as the game asks.
import { send } from './link.js';
import { arrangeSoon } from './stage.js';
import { loadPicture } from './pictures.js';
import { mainPanelShown } from './games.js';
import * as views from './views.js';

const stage = document.getElementById('stage');

export function makeWindow({ id, caption, name, width, height, back, designX, designY, isMain, takesKeys }) {
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
    close.addEventListener('click', () => send(id, 'closeRequested'));
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
  panel.addEventListener('pointerdown', () => views.setFrontWindow(id), true);
  stage.append(panel);
  views.addWindow({ id, panel, bar, client, back, isMain, takesKeys, beside: 0,
    design: { x: designX, y: designY, width, height } });
}

export function showWindow({ id, besideId }) {
  const w = views.windowOf(id);
  if (!w) return;
  w.beside = besideId;
  w.panel.style.display = '';
  if (w.isMain) mainPanelShown();
  views.putInFront(id);
  views.awaitArrangement(id);
  arrangeSoon(id);
  for (const c of views.controlsIn(id)) if (c.kind === 'picture') loadPicture(c);
}

export function hideWindow({ id }) {
  const w = views.windowOf(id);
  if (!w) return;
  w.panel.style.display = 'none';
  views.takeAway(id);
  arrangeSoon();
}

export function raiseWindow({ id }) {
  if (!views.isShown(id)) return;
  views.putInFront(id);
  arrangeSoon();
}

export function focusWindow({ id }) {
  views.setFrontWindow(id);
}

export function removeWindow({ id }) {
  const w = views.windowOf(id);
  if (!w) return;
  views.dropWindow(id);
  w.panel.remove();
  hideWindow({ id });
}
