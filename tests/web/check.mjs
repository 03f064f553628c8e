// SPDX-License-Identifier: MIT
// The browser game end to end, in Debian's Chromium driven over the DevTools protocol, against the site
// served by this check on 127.0.0.1 at a port the system picks, all under the page's own
// Content-Security-Policy. One visit, step by step: the opening, then the main screen; a teacher's list
// with a mistake refused naming its line, an empty one refused, a good one kept over a reload; a kept list
// the game no longer takes set aside; a word played by taps, the same word by keys, a wrong answer, a hint,
// a creature tapped, a cue reaching Web Audio; the keyboard alone pressing tiles and working the menus, the
// practice panel opened and left by keys; axe-core finding nothing serious on the main screen, a message,
// the practice panel and under prefers-contrast: more, which the game is told of; the list in force as a
// link whose QR code zbarimg reads as the link. Then, in fresh profiles, that link dealing the teacher's
// word (and a bad link refused), a browser that refuses storage, a tablet (whole letters, no ghost tap on
// Ｏ．Ｋ, finger-sized practice) and a site without its wasm; a second release of the site taking over; a
// reload with the server gone still plays.
//   node tests/web/check.mjs SITE_DIR   (its folder's pokuraku.js and .wasm make the second release)
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import { deflateRawSync } from 'node:zlib';
import { launchBrowser, serveSite } from './site.mjs';

const site = path.resolve(process.argv[2]);
const server = await serveSite(site);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pokuraku-web-'));
const browser = await launchBrowser(path.join(work, 'profile'));
let failed = false;

// The length of a PCM WAV file's sound, from its chunks.
function wavSeconds(file) {
  const b = fs.readFileSync(file);
  let bytesPerSecond = 0;
  for (let at = 12; at + 8 <= b.length; at += 8 + b.readUInt32LE(at + 4) + (b.readUInt32LE(at + 4) & 1)) {
    const id = b.toString('latin1', at, at + 4);
    if (id === 'fmt ') bytesPerSecond = b.readUInt32LE(at + 16);
    if (id === 'data') return b.readUInt32LE(at + 4) / bytesPerSecond;
  }
  return NaN;
}
const step = (text) => console.log(`- ${text}`);
const axeSource = fs.readFileSync(new URL('./node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
// Colour contrast is the game's own colours: it counts under prefers-contrast: more once the game has its
// clear colours.
const CLEAR_COLOURS = true;
function check(ok, text) {
  if (!ok) throw new Error(text);
}

let page;
const freshPage = async (context) => {
  page = await context.newPage();
  await page.setViewport({ width: 1366, height: 768, hasTouch: true });
  // Every cue the page starts, with the length of its samples, and whatever its policy refuses.
  await page.evaluateOnNewDocument(() => {
    window.refused = [];
    document.addEventListener('securitypolicyviolation', (e) => window.refused.push(e.violatedDirective));
    window.startedCues = [];
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      window.startedCues.push({ cue: this.cue, seconds: this.buffer.duration });
      return start.apply(this, args);
    };
  });
  // A site served without its wasm is meant to abort.
  page.on('pageerror', (error) => {
    if (!(brokenSite && error.message.startsWith('Aborted('))) { console.log(`page error: ${error.message}`); failed = true; }
  });
};
let brokenSite = false;

try {
  await freshPage(browser);

  const panelShown = (name, timeout = 60000) => page.waitForFunction((n) => {
    const panel = document.querySelector(`section.panel[data-name="${n}"]`);
    return panel && panel.style.display !== 'none';
  }, { timeout, polling: 50 }, name);
  const panelGone = (name) => page.waitForFunction((n) => {
    const panel = document.querySelector(`section.panel[data-name="${n}"]`);
    return !panel || panel.style.display === 'none';
  }, { timeout: 60000, polling: 50 }, name);
  const textOf = (name) => page.$eval(`section[data-name="Form1"] [data-name="${name}"]`, (e) => e.textContent);
  const waitText = (name, want) => page.waitForFunction((n, w) => {
    const e = document.querySelector(`section[data-name="Form1"] [data-name="${n}"]`);
    return e && e.textContent === w;
  }, { timeout: 10000, polling: 50 }, name, want);
  const menu = async (title, item) => {
    await page.click(`section[data-name="Form1"] .menu-title[aria-label="${title}"]`);
    if (item) await page.click(`section[data-name="Form1"] .menu-item[aria-label="${item}"]`);
  };
  // A tile still on the board that carries the letter, found as a screen reader finds it.
  const tile = (letter) => page.evaluateHandle((l) => [...document.querySelectorAll(
    'section[data-name="Form1"] .label[role="button"]')].find((e) => e.getAttribute('aria-label') === l &&
    e.style.display !== 'none' && e.offsetParent !== null), letter);
  const tapWord = async (letters) => {
    for (const letter of letters) {
      const element = (await tile(letter)).asElement();
      check(element, `no tile carries "${letter}"`);
      await element.tap();
    }
  };
  const dialogText = async () => {
    await page.waitForSelector('#message[open]', { timeout: 10000 });
    return page.$eval('#message', (d) => d.textContent);
  };
  const closeDialog = async () => {
    await page.click('#message button');
    await page.waitForFunction(() => !document.querySelector('#message').open);
  };
  const pickList = async (name, text) => {
    const file = path.join(work, name);
    fs.writeFileSync(file, text);
    const [chooser] = await Promise.all([page.waitForFileChooser(), menu('ことば', '先生のことばを読む…')]);
    await chooser.accept([file]);
  };
  // The pixels of ink in black or blue (not the vowel reminder's green) in each row of a screenshot.
  const darkRows = (png) => page.evaluate(async (bytes) => {
    const image = await createImageBitmap(new Blob([new Uint8Array(bytes)]));
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    const rgba = context.getImageData(0, 0, image.width, image.height).data;
    return [...Array(image.height).keys()].map((y) => rgba.slice(y * image.width * 4, (y + 1) * image.width * 4)
      .filter((v, i) => i % 4 === 0 && v < 128 && rgba[y * image.width * 4 + i + 1] < 100).length);
  }, [...png]);
  // axe-core's findings, evaluated over the DevTools protocol (the page's policy stays in force); any serious
  // or critical one fails, as does a viewport that forbids zooming.
  const axeClean = async (where, clearColours = false) => {
    if (!(await page.evaluate(() => 'axe' in window))) await page.evaluate(axeSource);
    const found = await page.evaluate(() => axe.run(document).then((r) => r.violations.map((v) =>
      ({ id: v.id, impact: v.impact, at: v.nodes.slice(0, 3).map((n) => n.target.join(' ')) }))));
    const failing = found.filter((v) => (['serious', 'critical'].includes(v.impact) || v.id === 'meta-viewport') &&
      (v.id !== 'color-contrast' || (clearColours && CLEAR_COLOURS)));
    check(!failing.length, `axe-core on ${where}: ${JSON.stringify(failing)}`);
    return found.map((v) => v.id).join(', ') || 'nothing';
  };
  // What the page's record store hands the game when it asks, as the game receives it.
  const recordRead = () => page.evaluate(() => new Promise((resolve) => {
    const real = Module.recordLoaded;
    Module.recordLoaded = (id, found) => { Module.recordLoaded = real; resolve(found); real(id, found); };
    pokurakuPage.loadRecord({ id: -1 });
  }));
  const keys = async (...names) => { for (const name of names) await page.keyboard.press(name); };
  const focus = () => page.evaluate(() => ({ name: document.activeElement.getAttribute('aria-label'),
    panel: document.activeElement.closest('section.panel')?.dataset.name,
    tile: document.activeElement.matches('.label[tabindex]') && document.activeElement.offsetParent !== null }));
  const arranged = () => page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
  // A new game with the word, its opening over, its panels arranged.
  const gameWith = async (word) => {
    await panelGone('cright');
    await waitText('Label3', word);
    await panelShown('Form1');
    await arranged();
  };

  await page.goto(server.address);
  await panelShown('cright');
  step('the opening plays first');
  await panelShown('Form1');
  await panelGone('cright');
  check((await page.$$('section[data-name="Form1"] .label[role="button"]')).length === 24, 'not 24 tiles');
  step(`then the main screen, with its 24 tiles; axe-core finds ${await axeClean('the main screen')}`);

  await pickList('mylist.txt', 'tu^ti,つうち\r\n"a b",あ\r\n');
  const refusal = await dialogText();
  check(refusal.includes('mylist.txt') && refusal.includes('2 行目') && !refusal.includes('/check/'),
    `the refusal does not name the line, or names a path of the page's own: ${refusal}`);
  step(`on a message axe-core finds ${await axeClean('a message')}`);
  await closeDialog();
  step('a teacher\'s list with a blank in line 2 is refused, naming the file and the line');

  // A list that plays as written but outgrows the tiles in Hepburn, kept by an earlier release.
  const long = Buffer.from('tutututututututututututu,つつつつつつつつつつつつ\r\n').toString('base64');
  await page.evaluate((data) => localStorage.setItem('pokuraku/wordList', JSON.stringify({ name: 'long.txt', data })), long);
  await page.reload();
  const aside = await dialogText();
  check(aside.includes('long.txt') && aside.includes('わきによけました'), `the kept list was not set aside: ${aside}`);
  await closeDialog();
  await panelShown('Form1');
  await panelGone('cright');
  check(await textOf('Label3') !== 'つつつつつつつつつつつつ', 'the list set aside still plays');
  step('a kept list the game no longer takes is set aside, named, and the shipped words play');

  await pickList('good.txt', 'tu^ti,つうち\r\n');
  await gameWith('つうち');
  await pickList('empty.txt', '');
  check((await dialogText()).includes('ことばが一つもありません'), 'an empty list was not refused');
  await closeDialog();
  // Three words answered are on the disk before the reload, and きろく counts them after it.
  const tileShown = (letter) => page.waitForFunction((l) => [...document.querySelectorAll(
    'section[data-name="Form1"] .label[role="button"]')].some((e) => e.getAttribute('aria-label') === l &&
    e.style.display !== 'none' && e.offsetParent !== null), { timeout: 10000, polling: 50 }, letter);
  for (let n = 0; n < 3; ++n) {
    const score = await textOf('Label4');
    await tileShown('^');
    await tapWord(['t', 'u', '^', 't', 'i']);
    await page.click('section[data-name="Form1"] button[data-name="Command1"]');
    await page.waitForFunction((w) => document.querySelector('section[data-name="Form1"] [data-name="Label4"]')
      .textContent !== w, { timeout: 10000, polling: 50 }, score);
  }
  await page.waitForFunction(() => new Promise((resolve) => {
    const open = indexedDB.open('pokuraku-record');
    open.onsuccess = () => {
      const rows = open.result.transaction('rows').objectStore('rows').getAll();
      rows.onsuccess = () => { open.result.close(); resolve(rows.result.filter((r) => /^r1\tW\t/.test(r)).length >= 3); };
    };
  }), { timeout: 10000, polling: 100 });
  await page.reload();
  await panelShown('Form1');
  await panelGone('cright');
  await waitText('Label3', 'つうち');
  step('a good list is used, also after a reload; an empty one is refused and the good one stays');
  await menu('きろく', 'きろくを見る');
  await panelShown('recordWindow');
  // The board is a drawing; screen readers read the table beside it, named by what the drawing says.
  const board = 'section[data-name="recordWindow"] [data-name="recordBoard"] + table caption';
  await page.waitForFunction((b) => /ことば 3、/.test(document.querySelector(b)?.textContent), { timeout: 10000, polling: 100 }, board)
    .catch(() => {});
  const totals = await page.$eval(board, (e) => e.textContent);
  check(/ことば 3、ゲーム 1/.test(totals), `きろく after three words and a reload reads: ${totals}`);
  step(`three words answered, then a reload: きろく reads "${totals}"`);
  await page.click('section[data-name="recordWindow"] .menu-title[aria-label="とじる"]');
  await panelGone('recordWindow');

  // Above the plain line, the marked line shows its marks and nothing else: no ink there after "tu".
  await tapWord(['t', 'u']);
  const [marked, plain] = await Promise.all(['Label5', 'Label7'].map((n) =>
    page.$eval(`section[data-name="Form1"] [data-name="${n}"]`, (e) => e.getBoundingClientRect().toJSON())));
  const strip = await darkRows(await page.screenshot({ clip: { x: marked.x, y: marked.y, width: marked.width,
    height: plain.y - marked.y } }));
  check(strip.every((n) => n === 0), `the marked line shows more than its marks above the plain line: ${strip}`);
  await tapWord(['^', 't', 'i']);
  await page.click('section[data-name="Form1"] button[data-name="Command1"]');
  await waitText('Label4', ' 10');
  step('tu^ti played by taps scores " 10"; above the plain line "tu" left no ink of the marked line');
  const cues = await page.evaluate(() => window.startedCues);
  const cue = cues[cues.length - 1];
  const wav = cue && wavSeconds(new URL(`../../data/${cue.cue}`, import.meta.url));
  check(cue && /^seikai/.test(cue.cue) && Math.abs(cue.seconds - wav) < 0.01,
    `the right-answer cue did not reach Web Audio whole: ${JSON.stringify(cues)}`);
  step(`the right-answer cue ${cue.cue} started in Web Audio, ${cue.seconds.toFixed(3)} s as its file`);

  for (const score of [' 20', ' 30']) {
    for (const key of ['t', 'u', '^', 't', 'i']) await page.keyboard.press(key);
    await page.keyboard.press('Enter');
    await waitText('Label4', score);
  }
  step('the same word by keys scores 10 more, twice');

  // The creature runs while it is tapped: tap until its catch has begun (the click cue sounds).
  const caught = () => page.evaluate(() => window.startedCues.some((c) => c.cue === 'a.wav'));
  for (let tries = 0; tries < 20 && !(await caught()); ++tries) {
    const creature = await page.waitForSelector('section[data-name="Form1"] .picture[aria-label="ねずみ"]:not([style*="display: none"])');
    await creature.tap();
    await page.waitForFunction(() => window.startedCues.some((c) => c.cue === 'a.wav'), { timeout: 1000 }).catch(() => {});
  }
  check(await caught(), 'tapping the creature did not catch it');
  step('the creature that comes after 20 points is tapped and its catch begins');

  await tapWord(['i', 't', 't', 'u', '^']);
  await page.click('section[data-name="Form1"] button[data-name="Command1"]');
  await page.waitForFunction(() => document.querySelector('section[data-name="Form1"] [data-name="Label4"]')
    .textContent !== ' 30');
  const afterWrong = Number(await textOf('Label4'));
  check(afterWrong < 30, `a wrong answer kept the score at ${afterWrong}`);
  await page.click('section[data-name="Form1"] button[data-name="Command3"]');
  await page.waitForFunction(() => /^t/.test(document.querySelector('section[data-name="Form1"] [data-name="Label8"]').textContent));
  check(Number(await textOf('Label4')) < afterWrong || afterWrong === 0, 'the hint cost nothing');
  step(`a wrong answer costs points (${afterWrong}), a hint shows the answer's start and costs more`);

  // Tab reaches a tile and Space presses it; a click with no pointer (a screen reader's) presses one once.
  for (let tabs = 0; tabs < 80 && !(await focus()).tile; ++tabs) await keys('Tab');
  const onTile = await focus();
  check(onTile.tile, 'Tab never reached a tile');
  // The answer as typed (Label2) takes every letter, the long-vowel mark too.
  const line = await textOf('Label2');
  await keys('Space');
  await waitText('Label2', line + onTile.name);
  const clicked = await page.evaluate(() => {
    const t = [...document.querySelectorAll('section[data-name="Form1"] .label[tabindex]')].find((e) => e.offsetParent);
    t.click();
    return t.getAttribute('aria-label');
  });
  await waitText('Label2', line + onTile.name + clicked);
  step(`Tab reaches the tile "${onTile.name}" and Space presses it; a click with no pointer presses "${clicked}" once`);

  // From the first menu, ← goes round to the last, and on to 書き方.
  const titles = await page.$$eval('section[data-name="Form1"] .menubar .menu-title', (t) =>
    t.filter((e) => e.offsetParent).map((e) => e.textContent.trim()));
  const lefts = Array(titles.length - titles.findIndex((t) => t.startsWith('書き方'))).fill('ArrowLeft');
  await keys('F10', ...lefts, 'ArrowDown', 'ArrowDown');
  check((await focus()).name === 'ヘボン式（shi  tsu  ō）', `F10 and the arrows are on ${(await focus()).name}`);
  await keys('Escape');
  check((await focus()).panel === 'Form1' && !(await page.$('.menu-list:not([hidden])')), 'Esc left a menu open');
  await keys('F10', 'ArrowRight', 'Enter');
  await panelShown('rensyu');
  await panelShown('Form2');
  await panelGone('Form1');
  check((await focus()).panel === 'rensyu', `after 文字練習 the focus is in ${(await focus()).panel}`);
  const chart = await page.$$eval('section[data-name="Form2"] tr', (rows) => rows.map((r) => r.textContent));
  check(chart.length === 18 && chart.includes('Ｓさsasi shisusesoしゃ syaしゅ syuしょ syo') && chart[17].includes('a^'),
    `the chart's words for screen readers are not the chart: ${chart.join(' / ')}`);
  step(`with the chart axe-core finds ${await axeClean('the practice panel and the chart')}`);
  // By keys alone: Tab to START, Space presses it, the prompt typed in romaji answers it.
  const practice = (name) => page.$eval(`section[data-name="rensyu"] [data-name="${name}"]`, (e) => e.textContent);
  for (let tabs = 0; tabs < 150 && (await focus()).name !== 'START'; ++tabs) await keys('Tab');
  await keys('Space');
  await page.waitForFunction(() => document.querySelector('section[data-name="rensyu"] [data-name="Label2"]')
    .textContent !== '', { timeout: 10000 });
  const [prompt, count] = [await practice('Label2'), await practice('Label4')];
  await keys(...prompt);
  const answered = () => page.waitForFunction((c) => document.querySelector('section[data-name="rensyu"] ' +
    '[data-name="Label4"]').textContent !== c, { timeout: 3000 }, count).then(() => true, () => false);
  // A prompt that begins a longer one (n before na) waits for Enter.
  if (!(await answered())) await keys('Enter');
  check(await answered(), `typing ${prompt} left the count at ${await practice('Label4')}`);
  step(`START pressed by Space, and typing "${prompt}" answers the prompt: the count shows ${await practice('Label4')}`);
  // 終わる, counted from the end of the practice panel's menu bar.
  const practiceTitles = await page.$$eval('section[data-name="rensyu"] .menubar .menu-title', (t) =>
    t.filter((e) => e.offsetParent).map((e) => e.textContent.trim()));
  await keys('F10', ...Array(practiceTitles.length - practiceTitles.indexOf('終わる')).fill('ArrowLeft'), 'Enter');
  await panelShown('Form1');
  await panelGone('rensyu');
  check((await focus()).panel === 'Form1', `after 終わる the focus is in ${(await focus()).panel}`);
  step('F10 and the arrows pick from the menus, Esc closes them, the focus back in the panel in front; ' +
    'the practice panel opens beside the chart, written out for screen readers, and is left again');

  // In ヘボン式 ō the chart leads with the Hepburn forms and writes long vowels with a macron, no roof.
  await keys('F10', ...lefts, 'ArrowDown', 'ArrowDown', 'Enter');
  await keys('F10', 'Enter');
  await panelShown('Form2');
  // The chart is drawn again, and its words written out again, once its panel has its size.
  await page.waitForFunction(() => [...document.querySelectorAll('section[data-name="Form2"] tr')]
    .some((r) => r.textContent.includes('ō')), { timeout: 10000 }).catch(() => {});
  const hepburn = await page.$$eval('section[data-name="Form2"] tr', (rows) => rows.map((r) => r.textContent));
  const sha = hepburn.find((r) => r.includes('しゃ')) || '';
  check(sha.indexOf('sha') >= 0 && sha.indexOf('sha') < sha.indexOf('sya') && hepburn.at(-1).includes('ō') &&
    !hepburn.some((r) => r.includes('^')), `the chart in ヘボン式 ō reads ${hepburn.join(' / ')}`);
  await keys('F10', 'Enter', 'F10', ...lefts, 'ArrowDown', 'Enter');
  await panelGone('Form2');
  step('in ヘボン式 ō the chart leads with sha and writes ō, with no roof');

  // ↓ reaches the game as its key; the system's wishes for contrast and less motion are told to it.
  await page.evaluate(() => {
    window.told = [];
    for (const f of ['windowKey', 'systemLook']) {
      const was = Module[f];
      Module[f] = (...args) => { window.told.push([f, args[args.length - 1]]); return was(...args); };
    }
  });
  // Words typed bring a creature out on the field (one taken by the cliff stays off it); ↓ then saves it:
  // its catch begins with the click cue.
  const clicks = () => page.evaluate(() => window.startedCues.filter((c) => c.cue === 'a.wav').length);
  const out = () => page.evaluate(() => [...document.querySelectorAll('section[data-name="Form1"] .picture[role="button"]')]
    .some((e) => e.style.display !== 'none' && e.getAttribute('aria-disabled') !== 'true' &&
      !e.getAttribute('aria-label').includes('へや') && parseFloat(e.style.left) > 0 && parseFloat(e.style.top) > 0));
  for (let words = 0; words < 10 && !(await out()); ++words) {
    const score = await textOf('Label4');
    await keys('Escape', 't', 'u', '^', 't', 'i', 'Enter');
    await page.waitForFunction((b) => document.querySelector('section[data-name="Form1"] [data-name="Label4"]')
      .textContent !== b, { timeout: 10000 }, score);
  }
  const clicksBefore = await clicks();
  await keys('ArrowDown');
  check(await page.evaluate(() => told.some(([f, a]) => f === 'windowKey' && a.key === 0x01000015)),
    '↓ did not reach the game as its down key');
  await page.waitForFunction((n) => window.startedCues.filter((c) => c.cue === 'a.wav').length > n,
    { timeout: 10000 }, clicksBefore);
  // Over the DevTools protocol: puppeteer's own emulation knows no prefers-contrast.
  const devtools = await page.createCDPSession();
  await devtools.send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-contrast', value: 'more' },
    { name: 'prefers-reduced-motion', value: 'reduce' }] });
  await page.waitForFunction(() => told.some(([f, a]) => f === 'systemLook' && a.contrast && a.lessMotion),
    { timeout: 10000 });
  step(`↓ saves the creature out on the field (its catch begins); the game hears the system's contrast and motion; axe-core under prefers-contrast: more finds ${
    await axeClean('the main screen under prefers-contrast: more', true)}`);
  await devtools.send('Emulation.setEmulatedMedia', { features: [] });

  await devtools.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: work });
  await page.evaluate(() => pokurakuPage.offerFile({ name: 'kiroku.csv', bytes: new TextEncoder().encode('\ufeffことば,かず\r\n') }));
  const downloaded = path.join(work, 'kiroku.csv');
  for (const until = Date.now() + 10000; !fs.existsSync(downloaded) && Date.now() < until;) {
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  check(fs.existsSync(downloaded) && fs.readFileSync(downloaded, 'utf8') === '\ufeffことば,かず\r\n',
    'the offered file was not downloaded whole');
  step('a file the game offers arrives as a download, byte for byte');

  // The list in force as a link and a QR code; the code, read from a screenshot by zbarimg, is the link.
  const caption = () => page.$eval('section[data-name="Form1"] [data-name="listCaption"]', (e) => e.textContent);
  await menu('ことば', 'リンクとQRコード');
  await page.waitForFunction(() => document.querySelector('#word-link[open] canvas')?.width > 0, { timeout: 10000 });
  const [link, about] = await page.$eval('#word-link', (d) => [d.querySelector('textarea').value, d.querySelector('.about').textContent]);
  const shot = path.join(work, 'qr.png');
  await (await page.$('#word-link canvas')).screenshot({ path: shot });
  const read = execFileSync('zbarimg', ['-q', '--nodbus', '--raw', shot], { encoding: 'utf8' }).trim();
  check(link.startsWith(`${server.address}#words=`) && read === link && about.includes('good.txt') &&
    about.includes('1語') && await caption() === 'ことば：先生のことば', `the link panel: ${about} ${link} read as ${read}`);
  step(`the list becomes a link and a QR code that zbarimg reads as the link; axe-core finds ${await axeClean('the link panel')}`);
  await page.click('#word-link button[value="ok"]');
  const [policy, refused] = await page.evaluate(() => [document.querySelector('meta[http-equiv="Content-Security-Policy"]').content, window.refused]);
  check(policy.includes("default-src 'self'") && !policy.includes("'unsafe-eval'") && !refused.length,
    `the page broke its policy "${policy}": ${refused}`);
  step(`the page played all this under its policy "${policy}"`);
  const main = page;

  // A browser that keeps nothing (full, or blocked by policy) still plays the list for the visit, and says so.
  await freshPage(await browser.createBrowserContext());
  await page.evaluateOnNewDocument(() => { Storage.prototype.setItem = () => { throw new DOMException('', 'QuotaExceededError'); }; });
  await page.goto(server.address);
  await panelShown('Form1');
  await pickList('good.txt', 'tu^ti,つうち\r\n');
  check((await dialogText()).includes('残せませんでした'), 'storage that refused the list was not told');
  await closeDialog();
  await gameWith('つうち');
  await menu('書き方', 'ヘボン式（shi  tsu  ō）');
  check((await dialogText()).includes('残せませんでした'), 'storage that refused the spelling was not told');
  await closeDialog();
  step('with storage refused, the list and the spelling last the visit, and the player is told so');

  // The link opened in a fresh profile deals the teacher's word and leaves the address bar; a link to a list
  // with a mistake, opened over it, is refused naming the line, and the list in force stays.
  await freshPage(await browser.createBrowserContext());
  await page.goto(link);
  check((await dialogText()).includes('先生のことば（1語）で あそびます'), 'the link did not bring its list');
  await closeDialog();
  await gameWith('つうち');
  check(await page.evaluate(() => location.href) === server.address, 'the fragment stayed in the address bar');
  await page.evaluate((h) => { location.hash = h; }, `words=${deflateRawSync('tu^ti,つうち\r\n"a b",あ\r\n').toString('base64url')}`);
  check((await dialogText()).includes('2 行目'), 'a link to a list with a mistake was not refused naming its line');
  await closeDialog();
  await gameWith('つうち');
  check(await caption() === 'ことば：先生のことば', 'the caption does not name the teacher\'s list');
  step('the link, in a fresh profile, deals the teacher\'s word and leaves the address bar; a bad one is refused, the list kept');

  // A tablet. The eighth tile lies under Ｏ．Ｋ, which its tap uncovers: that tap must not judge the word.
  // Eight g's are right in any order; a g lies whole on its tile: no ink on its top or bottom row.
  await freshPage(await browser.createBrowserContext());
  await page.setViewport({ width: 1024, height: 768, hasTouch: true, isMobile: true });
  // This device has a Japanese voice, and a record database that cannot be read as the game's (a newer
  // version with none of its rows).
  await page.evaluateOnNewDocument(() => {
    window.spoken = [];
    const voice = { lang: 'ja-JP', name: 'Kyoko', localService: true };
    const voices = new EventTarget();
    Object.assign(voices, { getVoices: () => [voice], cancel: () => {}, speak: (u) => window.spoken.push(u.text) });
    Object.defineProperty(window, 'speechSynthesis', { value: voices });
    window.SpeechSynthesisUtterance = function (text) { this.text = text; };
    if (!localStorage.getItem('pokuraku/recordDatabase')) indexedDB.open('pokuraku-record', 7).onsuccess = (e) => e.target.result.close();
  });
  await page.goto(server.address);
  await panelShown('Form1');
  const told = await dialogText();
  await closeDialog();
  await panelGone('cright');
  await pickList('g.txt', 'gggggggg,ぐぐぐぐぐぐぐぐ\r\n');
  await gameWith('ぐぐぐぐぐぐぐぐ');
  const tiles = (await page.$$('section[data-name="Form1"] .label[role="button"]')).slice(0, 8);
  const rows = await darkRows(await tiles[0].screenshot());
  check(rows[0] + rows[rows.length - 1] === 0, `the g on its tile is cut (ink on its top or bottom row: ${rows})`);
  const before = await textOf('Label4');
  for (const t of tiles) await t.tap();
  await page.waitForFunction((b) => document.querySelector('section[data-name="Form1"] [data-name="Label4"]')
    .textContent !== b || document.querySelector('section[data-name="Form1"] [data-name="Command1"]').style.display !== 'none',
  { timeout: 10000, polling: 50 }, before);
  check(await textOf('Label4') === before, `the last tap judged the word: the score went from ${before} to ${await textOf('Label4')}`);
  await page.click('section[data-name="Form1"] button[data-name="Command1"]');
  await waitText('Label4', ' 16');
  step('a g lies whole on its tile; the tap that uncovers Ｏ．Ｋ judges nothing, Ｏ．Ｋ itself scores 16');
  await page.tap('section[data-name="Form1"] button[data-name="speakButton"]');
  check(JSON.stringify(await page.evaluate(() => window.spoken)) === '["ぐぐぐぐぐぐぐぐ"]', 'the 🔊 button did not say the word');
  step('with a Japanese voice, the 🔊 button by the word says it');
  const again = await recordRead();
  const databases = (await page.evaluate(() => indexedDB.databases())).map((d) => d.name);
  check(told.includes('「pokuraku-record」') && again.setAsideAs === '' && !again.notKept &&
    databases.includes('pokuraku-record') && databases.length === 2, `the damaged record: ${JSON.stringify([told, again, databases])}`);
  step(`a record database that cannot be read is set aside (kept as it was) and named once; a new one is in use (${databases})`);
  await menu('文字練習');
  await panelShown('rensyu');
  await arranged();
  const small = await page.evaluate(() => [...document.querySelectorAll('section[data-name="rensyu"] .label[role="button"], ' +
    'section[data-name="rensyu"] button[data-name="Command1"], section.panel .close')].filter((e) => e.offsetParent)
    .map((e) => e.getBoundingClientRect()).filter((r) => r.width < 44 || r.height < 44).map((r) => `${r.width}x${r.height}`));
  check(small.length === 0, `practice controls smaller than a finger on a 1024x768 tablet: ${small}`);
  step('on a 1024x768 tablet the practice chart\'s kana, START and the close buttons are finger-sized');

  await freshPage(await browser.createBrowserContext());
  const wasm = fs.readdirSync(site).find((f) => f.endsWith('.wasm'));
  server.missing.add(wasm);
  brokenSite = true;
  await page.goto(server.address);
  await page.waitForFunction(() => document.querySelector('#loading.broken'), { timeout: 15000, polling: 100 });
  server.missing.clear();
  step(`with ${wasm} missing, the page says it cannot start and what to do`);

  // A second release: its own script and wasm, made as any release is.
  page = main;
  const second = path.join(work, 'second');
  fs.mkdirSync(second);
  fs.copyFileSync(path.join(site, '..', 'pokuraku.wasm'), path.join(second, 'pokuraku.wasm'));
  fs.writeFileSync(path.join(second, 'pokuraku.js'),
    `${fs.readFileSync(path.join(site, '..', 'pokuraku.js'))}\n// the second release\n`);
  execFileSync(new URL('../../frontends/web/make-site.sh', import.meta.url).pathname, [second, `${second}/site`]);
  const [first, next] = [site, `${second}/site`].map((f) => /VERSION = '([^']+)'/.exec(fs.readFileSync(`${f}/sw.js`))[1]);
  const within = (what, wait) => wait.catch((error) => { throw new Error(`${what}: ${error.message}`); });
  await within('the first release was never kept',
    page.waitForFunction((v) => caches.has(v), { timeout: 60000, polling: 100 }, first));
  await page.evaluate(() => caches.open('another-app'));
  server.serve(`${second}/site`);
  await page.reload();
  await panelShown('Form1');
  await within('the second release did not replace the first', page.waitForFunction((v, old) => caches.keys()
    .then((k) => k.includes(v) && !k.includes(old)), { timeout: 60000, polling: 100 }, next, first));
  await page.reload();
  await panelShown('Form1');
  const [running, kept] = await page.evaluate(async () => [performance.getEntriesByType('resource')
    .map((e) => e.name.replace(/^.*\//, '')).filter((n) => /^pokuraku-\w+\.(js|wasm)$/.test(n)), await caches.keys()]);
  check(running.length === 2 && running.every((n) => fs.existsSync(`${second}/site/${n}`)) &&
    kept.includes('another-app') && !kept.includes(first), `after two reloads: running ${running}, caches ${kept}`);
  step('a second release of the site runs after two reloads, with none of the first kept, another app\'s cache left');

  await server.close();
  await page.reload();
  await panelShown('Form1');
  await panelGone('cright');
  await waitText('Label3', 'つうち');
  await tapWord(['t']);
  step('with the server gone, a reload still plays the kept list');
} catch (error) {
  console.log(`FAIL: ${error.message}`);
  failed = true;
} finally {
  await browser.close();
  await server.close();
  fs.rmSync(work, { recursive: true, force: true });
}
console.log(failed ? 'browser check failed' : 'browser check passed');
process.exit(failed ? 1 : 0);
