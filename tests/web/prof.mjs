import { launchBrowser, serveSite } from './site.mjs';
const server = await serveSite(process.argv[2]);
const browser = await launchBrowser('/tmp/tprof' + Date.now());
const page = await browser.newPage();
await page.setViewport({ width: 1366, height: 768 });
const s = await page.createCDPSession();
await s.send('Emulation.setCPUThrottlingRate', { rate: Number(process.argv[3] || 6) });
await s.send('Profiler.enable');
await s.send('Profiler.setSamplingInterval', { interval: 200 });
await s.send('Profiler.start');
await page.goto(server.address);
await page.waitForFunction(() => {
  const img = document.querySelector('section[data-name="cright"] img[src]');
  return img && img.complete && img.naturalWidth > 0;
}, { polling: 'raf', timeout: 60000 });
const { profile } = await s.send('Profiler.stop');
const self = new Map();
const dt = profile.timeDeltas; const byId = new Map(profile.nodes.map((n) => [n.id, n]));
const counts = new Map();
profile.samples.forEach((id, i) => counts.set(id, (counts.get(id) || 0) + (dt[i] || 0)));
for (const [id, us] of counts) { const n = byId.get(id); const k = `${n.callFrame.functionName || '(anon)'} ${n.callFrame.url.replace(/^.*\//, '')}:${n.callFrame.lineNumber}`; self.set(k, (self.get(k) || 0) + us); }
for (const [k, us] of [...self].sort((a, b) => b[1] - a[1]).slice(0, 30)) console.log((us / 1000).toFixed(1), k);
const parent = new Map(); for (const n of profile.nodes) for (const c of n.children || []) parent.set(c, n.id);
const incl = new Map();
for (const [id, us] of counts) { const seen = new Set(); let x = id; while (x) { const n = byId.get(x); const k = `${n.callFrame.functionName || '(anon)'} ${n.callFrame.url.replace(/^.*\//, '')}:${n.callFrame.lineNumber}`; if (!seen.has(k)) { incl.set(k, (incl.get(k) || 0) + us); seen.add(k); } x = parent.get(x); } }
console.log('--- inclusive');
for (const [k, us] of [...incl].filter(([k]) => /page\.js|pokuraku-/.test(k)).sort((a, b) => b[1] - a[1]).slice(0, 30)) console.log((us / 1000).toFixed(1), k);
await browser.close(); await server.close();
