// SPDX-License-Identifier: MIT
// Owns the dialog box: the messages waiting for it, shown one after another, and telling the game when
// the one it asked for is closed.
import { send } from './link.js';
import { closeMenu } from './menus.js';

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
  if (d && d.id) send(d.id, 'dialogClosed');
  if (d && d.then) d.then();
  nextDialog();
});
