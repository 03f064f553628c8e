// SPDX-License-Identifier: MIT
// Pictures of the browser game as a player sees it, at the sizes of common tablets and monitors: the main
// screen at each size, and the main screen beside the chart at the first.
//   node tools/web-screenshots.mjs SITE_DIR OUT_DIR
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(new URL('../tests/web/', import.meta.url));
const puppeteer = require('puppeteer-core');
const [site, out] = process.argv.slice(2).map((p) => path.resolve(p));
const server = http.createServer((req, res) => {
  const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
  const file = path.join(site, name.endsWith('/') ? `${name}index.html` : name);
  if (!file.startsWith(site) || !fs.existsSync(file)) { res.writeHead(404).end(); return; }
  res.writeHead(200, path.extname(file) === '.wasm' ? { 'Content-Type': 'application/wasm' } : {});
  fs.createReadStream(file).pipe(res);
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
fs.mkdirSync(out, { recursive: true });
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
  args: process.getuid() === 0 ? ['--no-sandbox'] : [] });
try {
  const page = await browser.newPage();
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
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
} finally {
  await browser.close();
  server.close();
}
