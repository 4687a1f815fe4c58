// How soon trailset's page takes input in headless Chromium, against a
// page with one button served the same way in the same run (no cache).
//
//   node timing.mjs WEB_DIR [RUNS]
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {launch, serve} from './driver.mjs';

const webDir = path.resolve(process.argv[2]);
const runs = Number(process.argv[3] || 7);
const blankDir = fs.mkdtempSync(path.join(os.tmpdir(), 'trailset-blank-'));
fs.writeFileSync(path.join(blankDir, 'index.html'),
                 '<!doctype html><meta charset="utf-8"><title>blank</title><button>OK</button>');

// Milliseconds from the start of navigation until the page takes input:
// trailset's start panel is up, or the blank page has loaded.
async function readyMs(browser, url) {
  const page = await browser.newPage();
  await page.setCacheEnabled(false);
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((_, o) => {
      if (document.documentElement.dataset.trailset === 'start') {
        window.readyAt = performance.now();
        o.disconnect();
      }
    }).observe(document, {attributes: true, subtree: true, attributeFilter: ['data-trailset']});
    window.addEventListener('load', () => { window.loadedAt = performance.now(); });
  });
  await page.goto(url);
  const ms = await page.evaluate(async () => {
    const state = () => document.documentElement.dataset.trailset;
    while (window.readyAt === undefined && !(window.loadedAt && !state()) && state() !== 'failed') {
      await new Promise(r => setTimeout(r, 5));
    }
    return state() === 'failed' ? null : window.readyAt ?? window.loadedAt;
  });
  await page.close();
  if (ms === null) {
    console.log(`FAILED: the page at ${url} did not start`);
    process.exit(1);
  }
  return ms;
}

const median = v => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const [web, blank] = [await serve(webDir), await serve(blankDir)];
const {browser, close} = await launch('en-US');
const page = [], base = [];
for (let i = 0; i < runs; ++i) {
  base.push(await readyMs(browser, blank.url));
  page.push(await readyMs(browser, web.url));
}
await close();
await web.close();
await blank.close();
fs.rmSync(blankDir, {recursive: true, force: true});
const bytes = fs.readdirSync(webDir).reduce((n, f) => n + fs.statSync(path.join(webDir, f)).size, 0);
console.log(`web ready: ${median(page).toFixed(0)} ms (runs ${page.map(v => v.toFixed(0)).join(' ')}); ` +
            `blank page ${median(base).toFixed(0)} ms; ratio ${(median(page) / median(base)).toFixed(1)}; ` +
            `page files ${bytes} bytes`);
