// Plays a user's session of trailset's page in headless Chromium: a local
// static server for build/web, the browser, and the actions a user takes
// on the windows (through real mouse and keyboard input).
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const kTypes = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.css': 'text/css'};

// Serves `root` on the loopback address; resolves to {url, close, requests}.
export async function serve(root) {
  const requests = [];
  const server = http.createServer((req, res) => {
    const [name, query] = decodeURIComponent(req.url).split('?');
    requests.push({name, query});
    const file = path.join(root, name === '/' ? 'index.html' : name);
    if (!file.startsWith(root)) return res.writeHead(403).end();
    fs.readFile(file, (err, data) => {
      if (err) return res.writeHead(404).end();
      res.writeHead(200, {'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream'}).end(data);
    });
  });
  await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
  return {url: `http://127.0.0.1:${server.address().port}/`, requests,
          close: () => new Promise(resolve => server.close(resolve))};
}

// Headless Chromium with a fresh profile, preferring `language`.
export async function launch(language) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'trailset-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', `--accept-lang=${language}`],
  });
  const close = async () => {
    await browser.close();
    fs.rmSync(profile, {recursive: true, force: true});
  };
  return {browser, close};
}

// The PC clock a session runs at (the page's clock stands still unless the
// session moves it), and the browser's time zone.
export async function setClock(page, clock, timezone) {
  await page.emulateTimezone(timezone);
  await page.evaluateOnNewDocument(text => {
    const [d, t] = text.split(' ');
    const [Y, M, D] = d.split('-').map(Number), [h, m, s] = t.split(':').map(Number);
    const Real = Date;
    let now = new Real(Y, M - 1, D, h, m, s).getTime();
    class Fixed extends Real {
      constructor(...a) { if (a.length) super(...a); else super(now); }
      static now() { return now; }
    }
    window.Date = Fixed;
    window.advanceClock = ms => { now += ms; };
  }, clock);
}

// The folder picker answered by a folder of the origin-private file system
// (window.pickedFolder names the next one; null is the user's cancel;
// window.pickerStartedIn is the folder the last one opened at).
export async function pickerAnswers(page, folder) {
  await page.evaluateOnNewDocument(name => {
    window.pickedFolder = name;
    window.showDirectoryPicker = async options => {
      window.pickerStartedIn = options && options.startIn ? options.startIn.name : null;
      if (window.pickedFolder === null) throw new DOMException('The user aborted a request.', 'AbortError');
      return (await navigator.storage.getDirectory()).getDirectoryHandle(window.pickedFolder, {create: true});
    };
  }, folder);
}

// A browser without the File System Access API.
export async function withoutFolderAccess(page) {
  await page.evaluateOnNewDocument(() => {
    delete Window.prototype.showDirectoryPicker;
    delete window.showDirectoryPicker;
  });
}

export async function writeCardFile(page, folder, name, bytes) {
  await page.evaluate(async (folder, name, bytes) => {
    const dir = await (await navigator.storage.getDirectory()).getDirectoryHandle(folder, {create: true});
    const w = await (await dir.getFileHandle(name, {create: true})).createWritable();
    await w.write(new Uint8Array(bytes));
    await w.close();
  }, folder, name, Array.from(bytes));
}

// The bytes of a file in a folder of the origin-private file system, or null.
export async function readCardFile(page, folder, name) {
  const bytes = await page.evaluate(async (folder, name) => {
    try {
      const dir = await (await navigator.storage.getDirectory()).getDirectoryHandle(folder);
      const file = await (await dir.getFileHandle(name)).getFile();
      return Array.from(new Uint8Array(await file.arrayBuffer()));
    } catch (e) {
      return null;
    }
  }, folder, name);
  return bytes && Buffer.from(bytes);
}

export async function cardFileNames(page, folder) {
  return page.evaluate(async folder => {
    const dir = await (await navigator.storage.getDirectory()).getDirectoryHandle(folder);
    const names = [];
    for await (const k of dir.keys()) names.push(k);
    return names.sort();
  }, folder);
}

// One user at one page: actions address a control by its window's
// template and its id, as the windows' own tests do.
export class User {
  constructor(page, shots) {
    this.page = page;
    this.shots = shots;
    this.log = [];
    page.on('console', m => this.log.push(m.text()));
    page.on('pageerror', e => this.log.push('pageerror: ' + e.message));
  }

  sel(tpl, id) { return `.ts-window[data-template="${tpl}"] [data-id="${id}"]`; }

  // Until the program waits for the user with nothing left to do (or has ended).
  async idle() {
    await this.page.waitForFunction(() => {
      const d = document.documentElement.dataset;
      return d.trailset === 'ended' || (d.trailset === 'running' && d.waiting === '1');
    });
  }

  async window(tpl) {
    await this.page.waitForSelector(`.ts-window[data-template="${tpl}"]:not([style*="hidden"])`);
    await this.idle();
  }

  async isOpen(tpl) { return (await this.page.$(`.ts-window[data-template="${tpl}"]`)) !== null; }

  async windows() {
    return this.page.$$eval('.ts-window[data-template]', els => els.map(e => Number(e.dataset.template)));
  }

  async click(tpl, id) {
    await this.page.click(this.sel(tpl, id));
    await this.idle();
  }

  // A pick in a drop-down list: the list takes the focus, then the entry is chosen.
  async select(tpl, id, pos) {
    await this.page.focus(this.sel(tpl, id));
    await this.idle();
    await this.page.$eval(this.sel(tpl, id), (el, pos) => {
      el.selectedIndex = pos;
      el.dispatchEvent(new Event('input', {bubbles: true}));
      el.dispatchEvent(new Event('change', {bubbles: true}));
    }, pos);
    await this.idle();
  }

  // Keystrokes at the end of the edit's text.
  async type(tpl, id, text) {
    await this.page.click(this.sel(tpl, id));
    await this.page.keyboard.press('End');
    await this.idle();
    for (const ch of text) {
      await this.page.keyboard.type(ch);
      await this.idle();
    }
  }

  // Select all, then the text arrives at once (one change).
  async paste(tpl, id, text) {
    await this.page.click(this.sel(tpl, id));
    await this.page.keyboard.down('Control');
    await this.page.keyboard.press('a');
    await this.page.keyboard.up('Control');
    await this.page.keyboard.sendCharacter(text);
    await this.idle();
  }

  // Typing through an input method: the text being composed, step by step,
  // then the text committed. Returns the edit's text while it was composed.
  async compose(tpl, id, steps, committed) {
    await this.page.click(this.sel(tpl, id));
    await this.page.keyboard.press('End');
    await this.idle();
    const cdp = await this.page.createCDPSession();
    for (const text of steps) {
      await cdp.send('Input.imeSetComposition', {text, selectionStart: text.length, selectionEnd: text.length});
      await this.idle();
    }
    const during = await this.text(tpl, id);
    await cdp.send('Input.insertText', {text: committed});
    await this.idle();
    await cdp.detach();
    return during;
  }

  async key(name) {
    await this.page.keyboard.press(name);
    await this.idle();
  }

  async close(tpl) {
    await this.page.click(`.ts-window[data-template="${tpl}"] .ts-close`);
    await this.idle();
  }

  async text(tpl, id) {
    return this.page.$eval(this.sel(tpl, id), el => (el.tagName === 'INPUT' && el.type !== 'checkbox' && el.type !== 'radio')
      ? el.value : el.tagName === 'SELECT' ? (el.selectedIndex < 0 ? '' : el.options[el.selectedIndex].text) : el.textContent);
  }

  async items(tpl, id) { return this.page.$eval(this.sel(tpl, id), el => Array.from(el.options, o => o.text)); }
  async selection(tpl, id) { return this.page.$eval(this.sel(tpl, id), el => el.selectedIndex); }
  async enabled(tpl, id) {
    return this.page.$eval(this.sel(tpl, id), el => !el.classList.contains('ts-disabled'));
  }
  async title(tpl) { return this.page.$eval(`.ts-window[data-template="${tpl}"] .ts-title`, el => el.textContent); }

  // The message box being shown: {caption, text}, or null.
  async box() {
    return this.page.evaluate(() => {
      const b = document.querySelector('.ts-box');
      return b && {caption: b.querySelector('.ts-title').textContent, text: b.querySelector('.ts-box-text').textContent};
    });
  }

  async answer() {
    await this.page.click('.ts-box .ts-box-ok');
    await this.idle();
  }

  async shot(name) {
    fs.mkdirSync(this.shots, {recursive: true});
    await this.page.screenshot({path: path.join(this.shots, name + '.png')});
  }
}
