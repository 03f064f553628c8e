// SPDX-License-Identifier: MIT
// Benchmarks of the browser game in headless Chromium, against the site served on 127.0.0.1: the bytes a
// first visit transfers; the time from navigation to the opening's first picture, as is and with the CPU
// throttled 6× (a low-end school Chromebook); the time from a press of Ｏ．Ｋ to the next frame at 1×, 4× and
// 6×; and the longest task of the page's main thread during a minute of the chase at 6×, with a word
// answered every few seconds. Prints figures; never fails on them.
//   node bench/web.mjs SITE_DIR   (bench/run.sh web runs it after building the site)
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchBrowser, serveSite } from '../tests/web/site.mjs';

const seconds = Number(process.env.BENCH_CHASE_SECONDS || 60);
const server = await serveSite(process.argv[2]);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pokuraku-bench-'));
const browser = await launchBrowser(path.join(work, 'profile'));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const range = (values) => `${median(values).toFixed(0)} ms (${Math.min(...values).toFixed(0)}–${Math.max(...values).toFixed(0)})`;

async function throttled(page, rate) {
  const session = await page.createCDPSession();
  await session.send('Emulation.setCPUThrottlingRate', { rate });
}

// A visit in a profile of its own (nothing cached), at the given throttle: ms to the opening's first picture.
// The page itself notes the frame the picture is first there in, and is asked only now and then, so the
// harness adds no work of its own to the start it measures.
async function toOpening(rate) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1366, height: 768 });
  await throttled(page, rate);
  await page.evaluateOnNewDocument(() => {
    const look = () => {
      const img = document.querySelector('section[data-name="cright"] img[src]');
      if (img && img.complete && img.naturalWidth > 0) window.openingDrawn = performance.now();
      else requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
  });
  await page.goto(server.address);
  let ms;
  for (let waited = 0; !ms && waited < 60000; waited += 250) {
    await new Promise((resolve) => setTimeout(resolve, 250));
    ms = await page.evaluate('window.openingDrawn');
  }
  await context.close();
  return ms;
}

try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1366, height: 768 });
  // Each press of Ｏ．Ｋ: from the event to the frame after it is handled.
  await page.evaluateOnNewDocument(() => {
    window.okFrames = [];
    document.addEventListener('click', (event) => {
      if (event.target.dataset && event.target.dataset.name === 'Command1') {
        requestAnimationFrame(() => window.okFrames.push(performance.now() - event.timeStamp));
      }
    }, true);
  });
  await page.goto(server.address);
  const mainShown = () => page.waitForFunction(() => {
    const p = document.querySelector('section[data-name="Form1"]');
    return p && p.style.display !== 'none' && !document.querySelector('section[data-name="cright"]');
  }, { timeout: 60000 });
  await mainShown();
  // Everything the service worker keeps has been fetched once it controls the page.
  await page.waitForFunction(() => navigator.serviceWorker.controller, { timeout: 20000 }).catch(() => {});
  console.log(`first visit transfers        ${(server.served() / 1e6).toFixed(2)} MB (the service worker's copy included)`);
  for (const rate of [1, 6]) {
    const runs = [];
    for (let i = 0; i < 3; ++i) runs.push(await toOpening(rate));
    console.log(`navigation to the opening    ${range(runs)} at ${rate}× (its first picture drawn, median of 3)`);
  }

  // A one-word list, answered by keys and judged by a click on Ｏ．Ｋ.
  const list = path.join(work, 'list.txt');
  fs.writeFileSync(list, 'tu^ti,つうち\r\n');
  await page.click('section[data-name="Form1"] .menu-title[aria-label="ことば"]');
  const [chooser] = await Promise.all([page.waitForFileChooser(),
    page.click('section[data-name="Form1"] .menu-item[aria-label="先生のことばを読む…"]')]);
  await chooser.accept([list]);
  await new Promise((resolve) => setTimeout(resolve, 500));
  await mainShown();
  const answer = async () => {
    for (const key of ['t', 'u', '^', 't', 'i']) await page.keyboard.press(key);
    const frames = await page.evaluate(() => window.okFrames.length);
    await page.click('section[data-name="Form1"] button[data-name="Command1"]');
    await page.waitForFunction((n) => window.okFrames.length > n, { timeout: 10000 }, frames);
  };
  for (const rate of [1, 4, 6]) {
    await throttled(page, rate);
    await page.evaluate(() => { window.okFrames = []; });
    for (let i = 0; i < 5; ++i) await answer();
    console.log(`Ｏ．Ｋ press to next frame     ${range(await page.evaluate(() => window.okFrames))} at ${rate}× (median of 5)`);
  }

  // The chase at 6×, a word answered every three seconds, while the trace records every task, until the
  // minute is over or the creatures lost end the game.
  await page.tracing.start({ categories: ['devtools.timeline', 'disabled-by-default-devtools.timeline'] });
  const begun = Date.now();
  while (Date.now() < begun + seconds * 1000 && !(await page.evaluate('document.querySelector("#message").open'))) {
    await answer();
    await new Promise((resolve) => setTimeout(resolve, 3000));
  }
  const played = (Date.now() - begun) / 1000;
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
  console.log(`longest main-thread task     ${longest.toFixed(1)} ms over ${played.toFixed(0)} s of the chase at 6×, ` +
    `a word every 3 s (${tasks.length} tasks; score ${play.score}, ${play.running} creatures shown at the end)`);
} finally {
  await browser.close();
  await server.close();
  fs.rmSync(work, { recursive: true, force: true });
}
