// trailset's page in headless Chromium: users' sessions in both languages
// through the main window, camera setup, the wireless pages and the GPS
// mailbox window; the folder picker answered by the origin-private file
// system, and a browser without it that downloads; every file written
// compared byte for byte with trailset-cli's for the same choices.
//
//   node sessions.mjs WEB_DIR TRAILSET_CLI SCREENSHOT_DIR
import assert from 'node:assert/strict';
import {spawnSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {User, cardFileNames, launch, pickerAnswers, readCardFile, serve, setClock, withoutFolderAccess,
        writeCardFile} from './driver.mjs';

const [webDir, cliPath, shotDir] = process.argv.slice(2).map(p => path.resolve(p));
const kClock = '2026-03-14 15:09:26';
const kZone = 'Asia/Shanghai';  // UTC+8, as --timezone +8
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'trailset-web-'));

// trailset-cli's file for the same choices.
function cliFile(command, model, sets, extra = []) {
  const out = fs.mkdtempSync(path.join(work, 'cli-'));
  const args = [command, '--model', String(model), '--out', out, '--clock', kClock, '--timezone', '+8', ...extra];
  for (const s of sets) args.push('--set', s);
  const r = spawnSync(cliPath, args, {encoding: 'utf8'});
  assert.equal(r.status, 0, `trailset-cli ${args.join(' ')}: ${r.stderr}${r.stdout}`);
  return fs.readFileSync(path.join(out, command === 'camera' ? 'menu.dat' : 'CFG.BIN'));
}

// A page of its own for a session: the clock, the picker, nothing from the net.
async function openPage(browser, server, {folder, access = true}) {
  const page = await browser.newPage();
  await page.setViewport({width: 1100, height: 720});
  await setClock(page, kClock, kZone);
  if (access) await pickerAnswers(page, folder);
  else await withoutFolderAccess(page);
  const foreign = [];
  await page.setRequestInterception(true);
  page.on('request', r => {
    if (r.url().startsWith(server.url) || r.url().startsWith('data:') || r.url().startsWith('blob:')) r.continue();
    else {
      foreign.push(r.url());
      r.abort();
    }
  });
  await page.goto(server.url);
  await page.waitForFunction(() => document.documentElement.dataset.trailset === 'start');
  return {page, foreign};
}

async function expectBox(user, caption, text) {
  const box = await user.box();
  assert.deepEqual(box, {caption, text: text.replace(/\r\n/g, '\n')});
}

// The picture area of the main window shows the model's picture.
async function pictureDrawn(user) {
  return user.page.$eval('.ts-window[data-template="100"] .ts-paint', c => {
    const px = c.getContext('2d').getImageData(22 + 80, 88 + 70, 1, 1).data;
    const banner = c.getContext('2d').getImageData(22 + 100, 10 + 20, 1, 1).data;
    return px[3] === 255 && banner[3] === 255;
  });
}

// Closing the main window ends the program; nothing was asked of the net,
// and the page's scripts raised no error.
async function endSession(u, foreign, lang) {
  await u.close(100);
  await u.page.waitForFunction(() => document.documentElement.dataset.trailset === 'ended');
  await u.shot(`${lang}-ended`);
  assert.deepEqual(foreign, []);
  assert.ok(!u.log.some(l => l.startsWith('pageerror')), u.log.join('\n'));
  await u.page.close();
}

// ---------------------------------------------------------------------------

async function englishWithFolder(browser, server) {
  const {page, foreign} = await openPage(browser, server, {folder: 'card-en'});
  const u = new User(page, shotDir);
  await u.shot('en-start');
  assert.match(await page.$eval('#note', n => n.textContent), /straight into the folder/);
  await page.click('.ts-start-open');
  await u.window(100);

  // Main window: first start in English, the picture, Escape stays, model change.
  assert.equal(await u.title(100), 'Setup');
  assert.equal(await u.text(100, 40014), 'English');
  assert.equal(await u.text(100, 40012), 'VORN-R1W ULTRA');
  assert.ok(await pictureDrawn(u), 'banner and picture are painted');
  await u.shot('en-main');
  await u.key('Escape');
  assert.deepEqual(await u.windows(), [100]);
  await u.key('Enter');            // the default button: Camera Setup
  await u.window(113);
  // VORN-R1W ULTRA keeps the time zone label disabled: grey, whatever its colour.
  assert.equal(await page.$eval(u.sel(113, 40126), el => getComputedStyle(el).color), 'rgb(160, 160, 160)');
  await u.close(113);
  await u.window(100);
  await u.select(100, 40012, 10);  // VORN-P5-4G (522)
  assert.equal(await u.text(100, 40012), 'VORN-P5-4G');
  await u.click(100, 40003);
  await u.window(113);
  assert.equal(await u.text(113, 40104), '/card-en');
  await u.shot('en-camera');

  // The choices of a camera setup, then Generate into the picked folder.
  await u.select(113, 40085, 1);
  await u.type(113, 40131, 'AB12CD');
  await u.key('Tab');
  await u.select(113, 40076, 1);
  await u.select(113, 40115, 22);
  await u.click(113, 40106);
  await expectBox(u, 'Notice', 'Generate Success!');
  await u.shot('en-camera-generated');
  await u.answer();
  const written = await readCardFile(page, 'card-en', 'menu.dat');
  assert.deepEqual(written, cliFile('camera', 522, ['SerialText=AB12CD', 'Timer2EndHour=22', 'SerialOn=On', 'Timer2On=On']));
  assert.deepEqual(await cardFileNames(page, 'card-en'), ['menu.dat'], 'no temporary file is left on the card');

  // The clock ticks every second; the time zone label is blue.
  const minute = await u.text(113, 40047);
  await page.evaluate(() => window.advanceClock(60000));
  await page.waitForFunction(m => document.querySelector('.ts-window [data-id="40047"]').value !== m, {}, minute);
  assert.equal(await page.$eval(u.sel(113, 40126), el => getComputedStyle(el).color), 'rgb(34, 96, 217)');
  await page.evaluate(() => window.advanceClock(-60000));
  await page.waitForFunction(m => document.querySelector('.ts-window [data-id="40047"]').value === m, {}, minute);

  // A card that takes no more writes: no success, the old file stays.
  await page.evaluate(() => {
    window.realCreateWritable = FileSystemFileHandle.prototype.createWritable;
    FileSystemFileHandle.prototype.createWritable = async () => {
      throw new DOMException('The card is full', 'QuotaExceededError');
    };
  });
  await u.select(113, 40115, 21);
  await u.click(113, 40106);
  const refused = await u.box();
  assert.equal(refused?.caption, 'Warning', 'a write that failed is not reported as success');
  assert.match(refused.text, /^menu\.dat could not be written\./);
  await u.answer();
  await u.select(113, 40115, 22);
  assert.deepEqual(await readCardFile(page, 'card-en', 'menu.dat'), written);
  assert.ok(u.log.some(l => l.includes('into the folder err! (QuotaExceededError)')), 'the failed write is logged');
  await page.evaluate(() => { FileSystemFileHandle.prototype.createWritable = window.realCreateWritable; });

  // Leaving a short serial number warns; the click that took the focus is lost.
  await u.paste(113, 40131, 'AB');
  await page.click(u.sel(113, 40106));
  await u.idle();
  await expectBox(u, 'Warning', 'Only numbers and letters are allowed (at least four digits and at most ten digits)');
  await u.shot('en-camera-warning');
  await u.answer();
  assert.equal(await u.box(), null, 'the Generate click was lost to the warning');
  // Browse cancelled keeps the folder; Browse picks another folder, and Generate writes there.
  await page.evaluate(() => { window.pickedFolder = null; });
  await u.click(113, 40103);
  assert.equal(await u.text(113, 40104), '/card-en');
  assert.equal(await page.evaluate(() => window.pickerStartedIn), 'card-en', 'the picker opens at the save folder');
  await page.evaluate(() => { window.pickedFolder = 'card-en-2'; });
  await u.paste(113, 40131, 'AB12CD');
  await u.click(113, 40103);
  assert.equal(await u.text(113, 40104), '/card-en-2');
  await u.click(113, 40106);
  await expectBox(u, 'Notice', 'Generate Success!');
  await u.answer();
  assert.deepEqual(await readCardFile(page, 'card-en-2', 'menu.dat'), written);
  await u.close(113);
  await u.window(100);

  // Wireless: e-mail over WiFi on VORN-NANO-A-WIFI, both pages, Generate.
  await u.select(100, 40012, 2);
  await u.click(100, 40008);
  await u.window(114);
  await u.shot('en-wireless');
  await u.select(114, 40004, 1);
  await u.paste(114, 40028, 'CamNet');
  await u.paste(114, 40030, 'wifi-pass');
  await u.paste(114, 40034, 'smtp.example.com');
  await u.type(114, 40036, '4x65');  // a digits-only edit takes no letter
  assert.equal(await u.text(114, 40036), '465');
  await u.type(114, 40038, 'cam@example.com');
  assert.equal(await u.text(114, 40040), 'cam@example.com', 'the account follows the address as it is typed');
  await u.paste(114, 40042, 'mail-pass');
  assert.equal(await page.$eval(u.sel(114, 40042), el => el.type), 'password');
  await u.shot('en-wireless-filled');
  await u.click(114, 40043);
  await u.window(115);
  await u.shot('en-send');
  await u.paste(115, 40010, 'me@example.org');
  await u.click(115, 40035);
  await expectBox(u, 'Notice', 'Generate Success!');
  await u.shot('en-send-generated');
  await u.answer();
  assert.deepEqual(await readCardFile(page, 'card-en-2', 'CFG.BIN'),
                   cliFile('wireless', 514, ['bySendBy=Email', 'ssid=CamNet', 'szWLNetPassword=wifi-pass',
                                             'sSmtpSet.szServer=smtp.example.com', 'sSmtpSet.iPort=465',
                                             'szAddr=cam@example.com', 'sSmtpSet.szPassword=mail-pass',
                                             'email1=me@example.org']));
  await u.close(115);
  await u.window(100);

  // The GPS mailbox window of VORN-P3-4G, beside its page.
  await u.select(100, 40012, 6);
  await u.click(100, 40008);
  await u.window(114);
  await u.select(114, 40004, 3);
  await u.click(114, 40003);
  await u.window(138);
  await u.shot('en-gps');
  await u.click(138, 40012);
  assert.equal((await u.box()).caption, 'Warning');
  await u.shot('en-gps-warning');
  await u.answer();
  await u.close(138);
  await u.close(114);
  await u.window(100);

  await endSession(u, foreign, 'en');
}

async function chineseWithGpsMailbox(browser, server) {
  const {page, foreign} = await openPage(browser, server, {folder: 'card-zh'});
  const u = new User(page, shotDir);
  // The card holds the camera's current settings.
  const oldMenu = cliFile('camera', 518, ['CapMode=Video']);
  const oldCfg = cliFile('wireless', 518, ['bySendBy=Off']);
  await writeCardFile(page, 'card-zh', 'menu.dat', oldMenu);
  await writeCardFile(page, 'card-zh', 'CFG.BIN', oldCfg);
  await u.shot('zh-start');
  await page.click('.ts-start-open');
  await u.window(100);
  assert.equal(await u.title(100), '设置');
  assert.equal(await u.text(100, 40014), '中文');
  await u.select(100, 40012, 6);  // VORN-P3-4G (518)
  await u.shot('zh-main');

  // Camera setup opens on the card's file; Default writes the factory values.
  await u.click(100, 40003);
  await u.window(113);
  assert.equal(await u.selection(113, 40002), 1, 'the card\'s capture mode (Video)');
  await u.shot('zh-camera');
  await u.click(113, 40105);
  await expectBox(u, '通知', '出厂设置完成，成功生成配置文件!');
  await u.shot('zh-camera-default');
  await u.answer();
  assert.deepEqual(await readCardFile(page, 'card-zh', 'menu.dat'), cliFile('camera', 518, [], ['--defaults']));
  await u.close(113);
  await u.window(100);

  // Wireless: the camera cloud with the GPS mailbox window beside the page.
  await u.click(100, 40008);
  await u.window(114);
  assert.equal(await u.selection(114, 40004), 0, 'the card\'s send mode (Off)');
  await u.shot('zh-wireless');
  await u.select(114, 40004, 3);
  await u.paste(114, 40048, 'me@example.org');
  await u.click(114, 40003);
  await u.window(138);
  const [pageBox, gpsBox] = await Promise.all([114, 138].map(t =>
    page.$eval(`.ts-window[data-template="${t}"]`, el => el.getBoundingClientRect().toJSON())));
  assert.ok(gpsBox.left >= pageBox.right, 'the mailbox window opens beside its page');
  // The page stays usable; its Next Page waits for the mailbox window.
  // Pinyin being composed stays as it is; the digits-only filter takes what is committed.
  assert.equal(await u.compose(114, 40052, ['s', 'sh', 'shou'], '手机13800138000'), 'shou');
  assert.equal(await u.text(114, 40052), '13800138000');
  await u.click(114, 40043);
  assert.deepEqual(await u.windows(), [114, 138]);
  await u.click(138, 40012);
  assert.equal((await u.box()).caption, '警告');
  await u.shot('zh-gps-warning');
  // On a screen too small for the page, the box still covers all of it:
  // the check box scrolled into view takes no click.
  await page.setViewport({width: 1100, height: 480});
  await page.click(u.sel(114, 40003));
  assert.equal(await page.$eval(u.sel(114, 40003) + ' input', el => el.checked), true);
  await page.setViewport({width: 1100, height: 720});
  await u.answer();
  await u.paste(138, 40001, 'smtp.gps.example.com');
  await u.paste(138, 40005, '587');
  await u.paste(138, 40007, 'gps@example.com');
  await u.paste(138, 40011, 'gps-pass');
  await u.paste(138, 40002, 'me@example.net');
  await u.shot('zh-gps');
  await u.click(138, 40012);
  assert.deepEqual(await u.windows(), [114]);
  await u.click(114, 40043);
  await u.window(138);
  await u.click(138, 40012);
  await u.window(115);
  await u.shot('zh-send');
  // Browse to the same folder again: it is read afresh, and Generate writes there.
  await u.click(115, 40032);
  assert.equal(await u.text(115, 40033), '/card-zh');
  await u.click(115, 40035);
  await expectBox(u, '通知', '成功生成配置文件!');
  await u.shot('zh-send-generated');
  await u.answer();
  const from = path.join(work, 'card-zh-CFG.BIN');
  fs.writeFileSync(from, oldCfg);
  assert.deepEqual(await readCardFile(page, 'card-zh', 'CFG.BIN'),
                   cliFile('wireless', 518, ['bySendBy=Camera Cloud System', 'szAppKey=me@example.org',
                                             'szSimCardNum=13800138000', 'sGpsMail.szGpsServer=smtp.gps.example.com',
                                             'sGpsMail.iPort=587', 'sGpsMail.szGpsSmtpAccount=gps@example.com',
                                             'sGpsMail.szGpsSmtpPassword=gps-pass', 'sGpsMail.szGpsAddr=me@example.net'],
                           ['--from', from, '--lang', 'zh']));
  await u.close(115);
  await u.window(100);
  await endSession(u, foreign, 'zh');
}

// A browser without folder access: the card's files through a file input,
// the new file as a download.
async function downloadInBrowserWithoutFolders(browser, server, language) {
  const {page, foreign} = await openPage(browser, server, {access: false});
  const u = new User(page, shotDir);
  const downloads = fs.mkdtempSync(path.join(work, 'downloads-'));
  const cdp = await browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  const card = fs.mkdtempSync(path.join(work, 'card-'));
  fs.writeFileSync(path.join(card, 'menu.dat'),
                   cliFile('camera', 520, ['CapMode=Video', 'Timer1On=On', 'Timer1EndHour=18', 'LongitudeDeg=12']));
  const lang = language === 'zh-CN' ? 'zh' : 'en';
  assert.match(await page.$eval('#note', n => n.textContent), lang === 'zh' ? /不能写入文件夹/ : /cannot write into a folder/);
  await u.shot(`${lang}-start-files`);
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('.ts-start-open')]);
  await chooser.accept([path.join(card, 'menu.dat')]);
  await u.window(100);
  await u.select(100, 40012, 8);  // VORN-P4-4G (520)
  await u.click(100, 40003);
  await u.window(113);
  assert.equal(await u.text(113, 40104), '/Downloads');
  // Browse cancelled in the file picker keeps the folder.
  const [cancelled] = await Promise.all([page.waitForFileChooser(), page.click(u.sel(113, 40103))]);
  await cancelled.cancel();
  await u.idle();
  assert.equal(await u.text(113, 40104), '/Downloads');
  await u.select(113, 40015, 2);
  // The degree edit takes three characters from the keyboard.
  await u.type(113, 40064, '34');
  assert.equal(await u.text(113, 40064), '123');
  await u.click(113, 40106);
  assert.equal((await u.box()).caption, lang === 'zh' ? '通知' : 'Notice');
  await u.answer();
  const file = path.join(downloads, 'menu.dat');
  for (let i = 0; i < 50 && !fs.existsSync(file); ++i) await new Promise(r => setTimeout(r, 100));
  assert.deepEqual(fs.readFileSync(file),
                   cliFile('camera', 520, ['SenseLevel=Low', 'LongitudeDeg=123'], ['--from', path.join(card, 'menu.dat')]));
  await u.shot(`${lang}-camera-download`);
  assert.deepEqual(foreign, []);
  await page.close();
}

// A browser without WebAssembly is told, in both languages, that the page cannot start there.
async function withoutWebAssembly(browser, server) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => { delete window.WebAssembly; });
  await page.goto(server.url);
  await page.waitForFunction(() => document.documentElement.dataset.trailset === 'failed');
  assert.ok(await page.$eval('#failure-start', el => !el.hidden && /WebAssembly/.test(el.textContent)));
  assert.ok(await page.$eval('#failure-run', el => el.hidden));
  await page.close();
}

// ---------------------------------------------------------------------------

const sessions = [
  ['en-US', withoutWebAssembly],
  ['en-US', englishWithFolder],
  ['en-US', (b, s) => downloadInBrowserWithoutFolders(b, s, 'en-US')],
  ['zh-CN', chineseWithGpsMailbox],
  ['zh-CN', (b, s) => downloadInBrowserWithoutFolders(b, s, 'zh-CN')],
];
const server = await serve(webDir);
let failed = 0;
for (const [language, session] of sessions) {
  const {browser, close} = await launch(language);
  const name = `${session.name || 'download'} (${language})`;
  try {
    await session(browser, server);
    console.log(`ok: ${name}`);
  } catch (e) {
    failed++;
    console.log(`FAILED: ${name}: ${e.stack || e}`);
  } finally {
    await close();
  }
}
const outside = server.requests.filter(r => !fs.existsSync(path.join(webDir, r.name === '/' ? 'index.html' : r.name)));
if (outside.length) {
  failed++;
  console.log(`FAILED: the page asked for files it does not have: ${outside.map(r => r.name).join(', ')}`);
}
// Every file but the page itself is asked for with the page's mark of their content.
const mark = fs.readFileSync(path.join(webDir, 'index.html'), 'utf8').match(/trailset\.js\?(\w+)"/)[1];
const unmarked = server.requests.filter(r => r.name !== '/' && r.query !== mark);
if (unmarked.length) {
  failed++;
  console.log(`FAILED: asked for without the mark ${mark}: ${unmarked.map(r => r.name + '?' + r.query).join(', ')}`);
}
await server.close();
fs.rmSync(work, {recursive: true, force: true});
console.log(failed ? `${failed} session(s) failed` : `all sessions passed; screenshots in ${shotDir}`);
process.exit(failed ? 1 : 0);
