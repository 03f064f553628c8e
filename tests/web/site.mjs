// SPDX-License-Identifier: MIT
// What the browser check, the browser benchmark and the screenshot tool share: the site served on
// 127.0.0.1 at a port the system picks, and puppeteer-core pointed at Debian's Chromium.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.png': 'image/png', '.gif': 'image/gif', '.woff2': 'font/woff2', '.webmanifest': 'application/manifest+json' };

// Serves the site folder; served() tells how many bytes of files it has sent, serve() switches to another
// folder (a new release published), and a name put into missing is answered 404.
export async function serveSite(folder) {
  let site = path.resolve(folder);
  let bytes = 0;
  const missing = new Set();
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = path.join(site, name.endsWith('/') ? `${name}index.html` : name);
    const found = file.startsWith(site) && fs.existsSync(file) && !missing.has(path.basename(file));
    if (!found) { res.writeHead(404).end(); return; }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    bytes += fs.statSync(file).size;
    fs.createReadStream(file).pipe(res);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    address: `http://127.0.0.1:${server.address().port}/`,
    served: () => bytes,
    serve: (other) => { site = path.resolve(other); },
    missing,
    close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
  };
}

// Debian's Chromium, headless (BROWSER=firefox: Debian's firefox-esr over WebDriver BiDi).
export function launchBrowser(profile) {
  if (process.env.BROWSER === 'firefox') {
    return puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
      userDataDir: profile });
  }
  return puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: [...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []), '--mute-audio'] });
}
