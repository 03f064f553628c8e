// SPDX-License-Identifier: MIT
// Benchmarks of the browser game in headless Chromium, against the site served on 127.0.0.1: the bytes a
// first visit transfers, the time from navigation to the opening's first picture, and the longest task of
// the page's main thread during a minute of the chase. Prints figures; never fails on them.
//   node bench/web.mjs SITE_DIR   (bench/run.sh web runs it after building the site)
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchBrowser, serveSite } from '../tests/web/site.mjs';

const seconds = Number(process.env.BENCH_CHASE_SECONDS || 60);
const server = await serveSite(process.argv[2]);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pokuraku-bench-'));
const browser = await launchBrowser(path.join(work, 'profile'));
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1366, height: 768 });
  await page.goto(server.address);
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
  console.log(`first visit transfers        ${(server.served() / 1e6).toFixed(2)} MB (the service worker's copy included)`);
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
  if (process.env.BENCH_SHOW_TASKS) {
    for (const t of tasks.sort((a, b) => b.dur - a.dur).slice(0, 3)) {
      const inside = trace.traceEvents.filter((e) => e.pid === t.pid && e.tid === t.tid && e.ts >= t.ts &&
        e.ts < t.ts + t.dur && e !== t && (e.ph !== "X" || e.dur > t.dur / 20));
      console.log(`  ${(t.dur / 1000).toFixed(1)} ms at ${((t.ts - tasks.reduce((m, e) => Math.min(m, e.ts), Infinity)) / 1e6).toFixed(1)} s: ${inside.map((e) => `${e.name} ${(e.dur / 1000).toFixed(1)}`).join(', ')}`);
    }
  }
  const play = await page.evaluate(() => ({
    score: document.querySelector('section[data-name="Form1"] [data-name="Label4"]').textContent.trim(),
    running: [...document.querySelectorAll('section[data-name="Form1"] .picture[title]')]
      .filter((e) => e.style.display !== 'none').length,
  }));
  console.log(`longest main-thread task     ${longest.toFixed(1)} ms over ${seconds} s of the chase ` +
    `(${tasks.length} tasks; score ${play.score}, ${play.running} creatures shown at the end)`);
} finally {
  await browser.close();
  await server.close();
  fs.rmSync(work, { recursive: true, force: true });
}
