// SPDX-License-Identifier: MIT
// Owns the learning record the browser keeps (its IndexedDB: one database of rows in the order they were
// kept), the name of that database, and the download that hands the player a file the game made.
import { keep, storedValue } from './storage.js';
import { message } from './popups.js';
import { running } from './views.js';

const NAME_KEY = 'pokuraku/recordDatabase'; // the database in force, when it is not the first one
const FIRST_NAME = 'pokuraku-record';
const ROWS = 'rows';

// The database once it is open ({ db, setAsideAs, notKept }); db is null when nothing can be kept.
let opened = null;
let setAsideTold = false;
let writeFailureTold = false;

function openNamed(name) {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(name, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(ROWS, { autoIncrement: true });
    request.onsuccess = () => {
      const db = request.result;
      if (db.objectStoreNames.contains(ROWS)) return resolve(db);
      db.close();
      reject(new DOMException(`${name} holds no rows`, 'DataError'));
    };
    request.onerror = () => reject(request.error);
  });
}

function readAll(db) {
  return new Promise((resolve, reject) => {
    const request = db.transaction(ROWS, 'readonly').objectStore(ROWS).getAll();
    request.onsuccess = () => resolve(request.result.map(String));
    request.onerror = () => reject(request.error);
  });
}

// The database in force, read whole once. One that cannot be opened or read while a new one can is set
// aside: it is left as it is under its own name, and a new database under a new name takes its place (the
// browser cannot rename one). When no database can be made at all, the browser keeps nothing.
async function openRecord() {
  const name = storedValue(NAME_KEY) || FIRST_NAME;
  let firstFault = null;
  try {
    const db = await openNamed(name);
    return { db, rows: await readAll(db), setAsideAs: '', notKept: false };
  } catch (fault) {
    firstFault = fault;
  }
  const fresh = `${FIRST_NAME}-${new Date().toISOString().replace(/[-:]/g, '').replace(/\..*/, '')}`;
  try {
    const db = await openNamed(fresh);
    // Where the new name cannot be remembered, the damaged database goes, or every visit would find it.
    if (!keep(NAME_KEY, fresh)) indexedDB.deleteDatabase(name);
    console.warn(`pokuraku: the learning record ${name} was set aside: ${firstFault}`);
    return { db, rows: [], setAsideAs: name, notKept: false };
  } catch (fault) {
    console.warn(`pokuraku: the browser keeps no learning record: ${firstFault}`);
    return { db: null, rows: [], setAsideAs: '', notKept: true };
  }
}

// Opens the record as the page starts, so the first game does not wait for it; asks the browser once to
// keep it when space runs short.
export function startRecord() {
  if (opened) return opened;
  if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => {});
  opened = (typeof indexedDB === 'undefined' ? Promise.reject(new Error('no IndexedDB')) : openRecord())
    .catch(() => ({ db: null, rows: [], setAsideAs: '', notKept: true }));
  return opened;
}

// The game asks for the record; it hears the answer under its number.
export function loadRecord({ id }) {
  startRecord().then(({ rows, setAsideAs, notKept }) => {
    const aside = setAsideTold ? '' : setAsideAs;
    setAsideTold = true;
    const game = running();
    if (game) game.recordLoaded(id, { text: rows.join('\n'), count: rows.length, setAsideAs: aside, notKept });
  });
}

// Each write is a transaction of its own, in the order the game asked; the rows read at the start follow
// what is written, so a new game in the same visit reads them all.
function write(rows, replacing) {
  startRecord().then((record) => {
    record.rows = replacing ? rows.slice() : record.rows.concat(rows);
    if (!record.db) return;
    const transaction = record.db.transaction(ROWS, 'readwrite');
    const store = transaction.objectStore(ROWS);
    if (replacing) store.clear();
    for (const row of rows) store.add(row);
    transaction.onerror = transaction.onabort = () => writeFailed(transaction.error);
  });
}

function writeFailed(error) {
  console.warn(`pokuraku: the learning record: ${error}`);
  if (writeFailureTold) return;
  writeFailureTold = true;
  message({ text: 'きろくを このブラウザに残せませんでした（保存する場所がいっぱいか、使えないようになっています）。\n' +
    'このページを開いているあいだは きろくが のこりますが、次に開いたときには ありません。', title: 'きろく', stop: false });
}

export const keepRecordRow = ({ row }) => write([row], false);
export const replaceRecord = ({ rows }) => write(rows, true);

// A download of the bytes under the name; the reason it could not start, or ''.
export function offerFile({ name, bytes }) {
  try {
    const type = name.endsWith('.csv') ? 'text/csv;charset=utf-8' : 'application/octet-stream';
    const url = URL.createObjectURL(new Blob([bytes.slice()], { type }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    return '';
  } catch (error) {
    return `ファイル「${name}」を書き出せませんでした（${error.message}）。`;
  }
}
