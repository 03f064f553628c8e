// SPDX-License-Identifier: MIT
// Pictures of the browser game as a player sees it, at the sizes of common tablets and monitors: the main
// screen at each size, and the main screen beside the chart at the first. Given the rows of a record
// (pokuraku-screenshot --record-rows ROWS.txt), also きろく for that record at 1366x768.
//   node tools/web-screenshots.mjs SITE_DIR OUT_DIR [ROWS.txt]
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchBrowser, serveSite } from '../tests/web/site.mjs';

const out = path.resolve(process.argv[3]);
const server = await serveSite(process.argv[2]);
fs.mkdirSync(out, { recursive: true });
const browser = await launchBrowser(fs.mkdtempSync(path.join(os.tmpdir(), 'pokuraku-shots-')));
try {
  const page = await browser.newPage();
  await page.goto(server.address);
  await page.waitForFunction(() => {
    const main = document.querySelector('section[data-name="Form1"]');
    return main && main.style.display !== 'none' && !document.querySelector('section[data-name="cright"]');
  }, { timeout: 60000 });
  for (const [width, height] of [[1024, 768], [768, 1024], [1366, 768], [1920, 1080]]) {
    await page.setViewport({ width, height });
    await new Promise((resolve) => setTimeout(resolve, 300)); // let the new size settle before the picture
    await page.screenshot({ path: path.join(out, `web-${width}x${height}.png`) });
  }
  await page.click('section[data-name="Form1"] .menu-title[aria-label="ローマ字表"]');
  await page.setViewport({ width: 1024, height: 768 });
  await page.waitForFunction(() => document.querySelector('section[data-name="Form2"]').style.display !== 'none');
  await new Promise((resolve) => setTimeout(resolve, 300));
  await page.screenshot({ path: path.join(out, 'web-1024x768-chart.png') });
  if (process.argv[4]) {
    // The record's rows go into the page's database, and the page is opened afresh to read them.
    const rows = fs.readFileSync(process.argv[4], 'utf8').split('\n').filter(Boolean);
    await page.evaluate((r) => r.forEach((row) => pokurakuPage.keepRecordRow({ row })), rows);
    await page.waitForFunction((n) => new Promise((resolve) => {
      const open = indexedDB.open('pokuraku-record');
      open.onsuccess = () => {
        const count = open.result.transaction('rows').objectStore('rows').count();
        count.onsuccess = () => { open.result.close(); resolve(count.result >= n); };
      };
    }), { timeout: 10000, polling: 100 }, rows.length);
    await page.setViewport({ width: 1366, height: 768 });
    await page.reload();
    await page.waitForFunction(() => !document.querySelector('section[data-name="cright"]'), { timeout: 60000 });
    await page.click('section[data-name="Form1"] .menu-title[aria-label="きろく"]');
    await page.click('section[data-name="Form1"] .menu-item[aria-label="きろくを見る"]');
    await page.waitForFunction(() => /ことば 20、/.test(document.querySelector(
      'section[data-name="recordWindow"] [data-name="recordBoard"] + table caption')?.textContent), { timeout: 10000 });
    await new Promise((resolve) => setTimeout(resolve, 300));
    await page.screenshot({ path: path.join(out, 'web-1366x768-record.png') });
  }
} finally {
  await browser.close();
  await server.close();
}
