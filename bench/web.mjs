// SPDX-License-Identifier: MIT
// Benchmarks of the browser game in headless Chromium, against the site served on 127.0.0.1: the bytes a
// first visit transfers, the time from navigation to the opening's first picture, and the longest task of
// the page's main thread during a minute of the chase. Prints figures; never fails on them.
//   node bench/web.mjs SITE_DIR   (bench/run.sh web runs it after building the site)
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(new URL('../tests/web/', import.meta.url));
const puppeteer = require('puppeteer-core');
const site = path.resolve(process.argv[2]);
const seconds = Number(process.env.BENCH_CHASE_SECONDS || 60);
const server = http.createServer((req, res) => {
  const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
  const file = path.join(site, name.endsWith('/') ? `${name}index.html` : name);
  if (!file.startsWith(site) || !fs.existsSync(file)) { res.writeHead(404).end(); return; }
  const type = { '.wasm': 'application/wasm', '.js': 'text/javascript', '.html': 'text/html' }[path.extname(file)];
  res.writeHead(200, type ? { 'Content-Type': type } : {});
  served += fs.statSync(file).size;
  fs.createReadStream(file).pipe(res);
});
let served = 0;
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pokuraku-bench-'));
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
  userDataDir: work, args: process.getuid() === 0 ? ['--no-sandbox'] : [] });
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1366, height: 768 });
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  const firstPicture = await page.waitForFunction(() => {
    const img = document.querySelector('section[data-name="cright"] img[src]');
    return img && img.complete && img.naturalWidth > 0 && performance.now();
  }, { polling: 'raf', timeout: 60000 });
  const toPicture = await firstPicture.jsonValue();
  const mainShown = () => page.waitForFunction(() => {
    const p = document.querySelector('section[data-name="Form1"]');
    return p && p.style.display !== 'none' && !document.querySelector('section[data-name="cright"]');
  }, { timeout: 60000 });
  await mainShown();
  // Everything the service worker keeps has been fetched once it controls the page.
  await page.waitForFunction(() => navigator.serviceWorker.controller, { timeout: 20000 }).catch(() => {});
  console.log(`first visit transfers        ${(served / 1e6).toFixed(2)} MB (the service worker's copy included)`);
  console.log(`navigation to the opening    ${toPicture.toFixed(0)} ms (its first picture drawn)`);

  // Creatures on the track: a one-word list, answered by keys until three creatures run; then the chase
  // runs on its own while the trace records every task.
  const list = path.join(work, 'list.txt');
  fs.writeFileSync(list, 'tu^ti,つうち\r\n');
  await page.click('section[data-name="Form1"] .menu-title[aria-label="ことば"]');
  const [chooser] = await Promise.all([page.waitForFileChooser(),
    page.click('section[data-name="Form1"] .menu-item[aria-label="先生のことばを読む…"]')]);
  await chooser.accept([list]);
  await new Promise((resolve) => setTimeout(resolve, 500));
  await mainShown();
  for (let i = 0; i < 8; ++i) {
    for (const key of ['t', 'u', '^', 't', 'i', 'Enter']) await page.keyboard.press(key);
  }
  await page.tracing.start({ categories: ['devtools.timeline', 'disabled-by-default-devtools.timeline'] });
  await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
  const trace = JSON.parse(Buffer.from(await page.tracing.stop()).toString());
  // The page's renderer is the one the trace started in; its main thread runs the game.
  const started = trace.traceEvents.find((e) => e.name === 'TracingStartedInBrowser');
  const pid = started && started.args.data.frames && started.args.data.frames[0].processId;
  const main = trace.traceEvents.find((e) => e.name === 'thread_name' && e.args.name === 'CrRendererMain' &&
    e.pid === pid);
  const tasks = trace.traceEvents.filter((e) => e.name === 'RunTask' && e.ph === 'X' && main &&
    e.pid === main.pid && e.tid === main.tid);
  const longest = Math.max(0, ...tasks.map((e) => e.dur / 1000));
  console.log(`longest main-thread task     ${longest.toFixed(1)} ms over ${seconds} s of play (${tasks.length} tasks)`);
} finally {
  await browser.close();
  server.close();
  fs.rmSync(work, { recursive: true, force: true });
}
