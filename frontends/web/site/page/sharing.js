// SPDX-License-Identifier: MIT
// Owns the panel that hands the word list in force to a class: its title and number of words, the link that
// carries it, the copy button, and the QR code of the link, drawn as large as the screen allows for the
// cameras at the back of a classroom, or why there is none.
import { listNow } from './games.js';
import { message } from './popups.js';
import { running } from './views.js';
import { linkFor, OLD_BROWSER, QR_LEVEL, QR_MOST_MODULES } from './wordlink.js';

const panel = document.getElementById('word-link');
const code = panel.querySelector('canvas');
const linkText = panel.querySelector('textarea');
const copied = panel.querySelector('.copied');
const QUIET = 4; // modules of white round the code, which a camera needs to find it

export async function showWordLink() {
  const list = listNow();
  if (!list) return;
  let link;
  try {
    link = await linkFor(location.href, list.bytes);
  } catch (e) {
    message({ text: OLD_BROWSER, title: 'リンクとQRコード', stop: true });
    return;
  }
  panel.querySelector('.about').textContent = `「${list.name}」 ${running().countWords(list.bytes)}語`;
  linkText.value = link;
  copied.textContent = '';
  let modules = null;
  let why = 'QRコードを作れませんでした（vendor/qrcode.js を読めません）。リンクを くばってください。';
  try {
    modules = await qrModules(link);
    why = 'ことばが多くて リンクが長いので（' +
      `${link.length} 文字）、QRコードにすると目が細かくなり、教室のうしろからは カメラで読めません。` +
      'リンクを クラスのページなどで くばってください。';
  } catch (e) {
    // the link alone, and why
  }
  const fits = modules !== null && modules.length <= QR_MOST_MODULES;
  code.hidden = !fits;
  panel.querySelector('.why').hidden = fits;
  panel.querySelector('.why').textContent = fits ? '' : why;
  panel.showModal();
  if (fits) draw(modules);
}

panel.querySelector('.copy').addEventListener('click', async () => {
  try {
    await navigator.clipboard.writeText(linkText.value);
    copied.textContent = 'コピーしました。';
  } catch (e) {
    linkText.select();
    copied.textContent = 'コピーできませんでした。えらんだリンクを コピーしてください。';
  }
});

// The dark and light modules of the link's QR code, row by row, or null when no QR code holds it.
async function qrModules(link) {
  const qrcode = await library();
  const qr = qrcode(0, QR_LEVEL);
  qr.addData(link, 'Byte');
  try {
    qr.make();
  } catch (e) {
    return null;
  }
  const n = qr.getModuleCount();
  return Array.from({ length: n }, (_, r) => Array.from({ length: n }, (__, c) => qr.isDark(r, c)));
}

// Whole device pixels for each module, so that every module is as large as the next and the edges crisp.
function draw(modules) {
  const n = modules.length + 2 * QUIET;
  const scale = Math.max(1, Math.floor(code.clientWidth * devicePixelRatio / n));
  code.width = code.height = n * scale;
  const context = code.getContext('2d');
  context.fillStyle = '#fff';
  context.fillRect(0, 0, code.width, code.height);
  context.fillStyle = '#000';
  modules.forEach((row, r) => row.forEach((dark, c) => {
    if (dark) context.fillRect((c + QUIET) * scale, (r + QUIET) * scale, scale, scale);
  }));
}

// The QR code library (Debian's node-qrcode-generator, copied into the site), a plain script loaded the
// first time a code is drawn.
let loading = null;
function library() {
  loading ||= new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = 'vendor/qrcode.js';
    script.onload = () => resolve(window.qrcode);
    script.onerror = () => { loading = null; reject(new Error('vendor/qrcode.js')); };
    document.head.append(script);
  });
  return loading;
}
