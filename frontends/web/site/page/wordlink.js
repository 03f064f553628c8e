// SPDX-License-Identifier: MIT
// Owns the link that carries a teacher's word list: the list's bytes, deflated (raw deflate) and written in
// base64url after "#words=" in the site's own address, and the bounds a link is read within. The part after
// "#" never reaches a server, so the words go from the teacher's device to the child's and nowhere else.
// Plain functions of plain values: the page and a node test run the same code.

export const WORDS = '#words=';
export const MOST_FRAGMENT = 64 * 1024; // characters after "#"
export const MOST_LIST = 1024 * 1024; // bytes of the list once inflated: as much as a word list file may hold

// The QR code a tablet's camera reads from the back of a classroom, shown on its large screen: at most
// version 20 (97×97 modules), with the lowest error correction, which keeps the modules fewest and largest
// for a link of a given length (a screen is not torn or smudged as a printed code is).
export const QR_LEVEL = 'L';
export const QR_MOST_MODULES = 97;

// The address of the page itself, without any fragment, and the link to the list.
export const siteAddress = (href) => href.split('#')[0];

export async function linkFor(href, bytes) {
  const deflated = await collect(new Blob([bytes]).stream().pipeThrough(new CompressionStream('deflate-raw')));
  return `${siteAddress(href)}${WORDS}${toBase64Url(deflated)}`;
}

// The words part of an address's fragment ("#words=…"), or null when the address carries no list.
export function wordsIn(hash) {
  return hash.startsWith(WORDS) ? hash.slice(WORDS.length) : null;
}

// The list a link's fragment carries: { bytes }, or { refusal } telling in Japanese why it is not read.
export async function listFromFragment(hash) {
  const words = wordsIn(hash);
  if (words === null) return { refusal: 'このリンクには ことばが入っていません。' };
  if (hash.length - 1 > MOST_FRAGMENT) {
    return { refusal: `このリンクは長すぎます（${hash.length - 1} 文字。${MOST_FRAGMENT} 文字まで）。` };
  }
  const deflated = fromBase64Url(words);
  if (!deflated) return { refusal: 'このリンクは とちゅうが こわれています（使えない文字があります）。' };
  const inflate = inflater();
  if (!inflate) return { refusal: OLD_BROWSER };
  try {
    const bytes = await collect(new Blob([deflated]).stream().pipeThrough(inflate), MOST_LIST);
    if (!bytes) return { refusal: `このリンクのことばは大きすぎます（${MOST_LIST / 1024 / 1024} MiB まで）。` };
    return { bytes };
  } catch (e) {
    return { refusal: 'このリンクは とちゅうが こわれています（ことばを取り出せません）。' };
  }
}

export const OLD_BROWSER = 'このブラウザは古いので、リンクのことばを使えません。ブラウザを新しくしてください。';

// Older browsers know neither the streams nor this format of them.
function inflater() {
  try {
    return new DecompressionStream('deflate-raw');
  } catch (e) {
    return null;
  }
}

// The bytes of a stream, or null as soon as they pass most: the rest is never inflated.
async function collect(stream, most = Infinity) {
  const reader = stream.getReader();
  const parts = [];
  let length = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    length += value.length;
    if (length > most) {
      await reader.cancel();
      return null;
    }
    parts.push(value);
  }
  const bytes = new Uint8Array(length);
  let at = 0;
  for (const part of parts) {
    bytes.set(part, at);
    at += part.length;
  }
  return bytes;
}

function toBase64Url(bytes) {
  let binary = '';
  for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

// The bytes of base64url without padding, or null when the text is not that.
function fromBase64Url(text) {
  if (!/^[A-Za-z0-9_-]*$/.test(text) || text.length % 4 === 1) return null;
  const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
  return bytes;
}
