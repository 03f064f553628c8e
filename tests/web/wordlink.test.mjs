// SPDX-License-Identifier: MIT
// The word-list link, by rows: lists that go through a link and come back whole, links refused within their
// bounds, and the link and QR code that pokuraku-bankcheck makes on the desktop read back as the page reads them.
//   node tests/web/wordlink.test.mjs [PATH-TO-pokuraku-bankcheck]   (ctest runs it as word_link)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import { deflateRawSync } from 'node:zlib';
import { linkFor, listFromFragment, MOST_FRAGMENT, MOST_LIST } from '../../frontends/web/site/page/wordlink.js';

const SITE = 'https://school.example/pokuraku/';
const hashOf = (link) => link.slice(link.indexOf('#'));
const words = (bytes) => `#words=${Buffer.from(bytes).toString('base64url')}`;

test('a list comes back from its link byte for byte, the old fragment gone', async () => {
  for (const [list, from] of [
    [Buffer.from('tanuki,たぬき\r\nrisu,りす\r\n'), SITE],
    [Buffer.from([0x82, 0xbd, 0x82, 0xca, 0x82, 0xab]), `${SITE}#words=old`], // Shift_JIS bytes
    [Buffer.from('x,ん\n'.repeat(20000)), SITE], // far past the QR code, well within the bounds
  ]) {
    const link = await linkFor(from, list);
    assert.ok(link.startsWith(`${SITE}#words=`) && !link.includes('old'), link.slice(0, 80));
    assert.deepEqual(Buffer.from((await listFromFragment(hashOf(link))).bytes), list);
  }
});

test('a link is refused, saying why, past each bound', async () => {
  for (const [hash, why] of [
    [`#words=${'A'.repeat(MOST_FRAGMENT)}`, '長すぎます'], // one past 64 KiB with "words="
    ['#words=ab+c', '使えない文字'],
    ['#words=abcde', '使えない文字'],
    ['#words=', 'ことばを取り出せません'],
    [words([0xff, 0xff, 0xff]), 'ことばを取り出せません'],
    [words(deflateRawSync('tanuki,たぬき\r\n').subarray(0, 6)), 'ことばを取り出せません'], // cut short
    [words(deflateRawSync(Buffer.alloc(MOST_LIST + 1))), '大きすぎます'], // 1 KiB that inflates past 1 MiB
    ['#other', '入っていません'],
  ]) {
    const got = await listFromFragment(hash);
    assert.ok(got.refusal?.includes(why) && !got.bytes, `${hash.slice(0, 30)}: ${JSON.stringify(got.refusal)}`);
  }
  assert.equal((await listFromFragment(words(deflateRawSync(Buffer.alloc(MOST_LIST))))).bytes.length, MOST_LIST);
});

const bankcheck = process.argv[2];
test('the desktop checker\'s link reads back as the list, its QR code as the link', { skip: !bankcheck }, async () => {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pokuraku-link-'));
  const run = (...args) => execFileSync(bankcheck, args, { encoding: 'utf8' });
  try {
    const list = path.join(work, 'week3.txt');
    fs.writeFileSync(list, 'tanuki,たぬき\r\nkitune,きつね\r\n');
    const link = run('--link', `${SITE}#words=old`, list).split('\n').find((l) => l.startsWith(SITE));
    assert.deepEqual(Buffer.from((await listFromFragment(hashOf(link))).bytes), fs.readFileSync(list));
    const qr = execFileSync('zbarimg', ['-q', '--nodbus', '--raw', path.join(work, 'week3-qr.png')], { encoding: 'utf8' });
    assert.equal(qr.trim(), link);
    fs.writeFileSync(list, 'tanuki,たぬき\r\n"a b",あ\r\n');
    assert.throws(() => run('--link', SITE, list), (e) => e.status === 1 && !e.stdout.includes('#words='));
  } finally {
    fs.rmSync(work, { recursive: true, force: true });
  }
});
