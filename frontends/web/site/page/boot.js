// SPDX-License-Identifier: MIT
// Owns the first moment of the page, before its modules: the game's program (pokuraku-<release>.js and its
// wasm) downloads and compiles while the page's modules load (page.js in the site), and starts only once
// page/start.js has the page there (Module.pageThere). A plain script, not a module, so that it runs before
// the program's script; what goes wrong before the page is there is kept for it (Module.earlyFault).
'use strict';
(() => {
  const names = document.querySelector('script[data-wasm]');
  const wasmName = names ? names.dataset.wasm : 'pokuraku.wasm';
  let waiting = false;
  let there = false;
  const Module = {
    locateFile: (name) => (name.endsWith('.wasm') ? wasmName : name),
    onAbort: (what) => { Module.earlyFault = { wasm: true, what: String(what || '') }; },
    preRun: [() => {
      if (there) return;
      waiting = true;
      Module.addRunDependency('page');
    }],
    pageThere: () => {
      there = true;
      if (waiting) Module.removeRunDependency('page');
    },
    earlyFault: null,
  };
  window.Module = Module;
  addEventListener('error', (event) => {
    if (event.target instanceof HTMLScriptElement && 'program' in event.target.dataset) {
      Module.earlyFault = { program: true, what: '' };
    }
  }, true);
})();
