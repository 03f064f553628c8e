// SPDX-License-Identifier: MIT
// Owns what the player's system asks of the game: clear colours (a high-contrast setting) and less motion,
// read from the browser and told to the game as it starts and whenever the player changes them.
import { running } from './views.js';

const contrast = window.matchMedia('(prefers-contrast: more)');
const lessMotion = window.matchMedia('(prefers-reduced-motion: reduce)');

function tellTheGame() {
  const game = running();
  if (game) game.systemLook({ contrast: contrast.matches, lessMotion: lessMotion.matches });
}

export function followTheSystem() {
  tellTheGame();
  for (const query of [contrast, lessMotion]) query.addEventListener('change', tellTheGame);
}
