// The card's folder in the browser.
//
// The program reads and writes files as everywhere (open, write, fsync,
// rename); the folders it sees are in-memory folders of the page, each
// tied to where the files really go:
//   - a folder the user picked (File System Access API): its small files
//     are read when it is picked, and every file the program has changed
//     is written into the real folder when the program flushes it (fsync);
//     the file is then read back from the real folder, and that is what
//     the program's own read-back finds. A file that could not be written
//     is gone from the in-memory folder, so no read-back can confirm it;
//   - the download folder, where browsers without that API work: files the
//     user chose with a file input are put there, and each file the
//     program has changed is offered as a download when it is flushed.
// A file that the program still holds open for writing (its temporary
// file) is never flushed: only a complete, renamed file reaches the card.
// Each real write goes through a new writable file that replaces the old
// one only when it is closed, so the card never holds half a file.

var TrailsetFilesLibrary = {
  $TSFiles__deps: ['$FS', '$MEMFS'],
  $TSFiles: {
    // Larger files are no settings file: they are not read into the page.
    maxFileBytes: 65536,
    downloadPath: '/Downloads',
    folders: null,  // mount path -> folder, once the page has started (init)

    init: function() {
      if (TSFiles.folders) return;
      TSFiles.folders = new Map();
      TSFiles.mount(TSFiles.downloadPath, TSFiles.downloads());
    },

    canWriteFolders: function() { return typeof window.showDirectoryPicker === 'function'; },

    same: function(a, b) {
      if (!a || !b) return a === b;
      if (a.length !== b.length) return false;
      for (let i = 0; i < a.length; ++i) if (a[i] !== b[i]) return false;
      return true;
    },

    openForWriting: function(node) {
      return FS.streams.some(s => s && s.node === node && (s.flags & 3) !== 0);
    },

    // An in-memory folder whose flush (fsync of any file in it) goes to `folder`.
    mount: function(path, folder) {
      folder.path = path;
      folder.known = new Map();  // name -> bytes the real folder holds
      const type = Object.assign({}, MEMFS, {
        syncfs: (mount, populate, done) => {
          TSFiles.flush(folder).then(() => done(null), e => done(e));
        },
      });
      FS.mkdir(path);
      FS.mount(type, {}, path);
      TSFiles.folders.set(path, folder);
    },

    unmount: function(path) {
      FS.unmount(path);
      FS.rmdir(path);
      TSFiles.folders.delete(path);
    },

    // `modified`: the file's time of last change on the card (ms), when known.
    put: function(folder, name, bytes, modified) {
      const path = folder.path + '/' + name;
      FS.writeFile(path, bytes);
      if (modified) FS.utime(path, modified, modified);
      folder.known.set(name, bytes);
    },

    flush: async function(folder) {
      const root = FS.lookupPath(folder.path).node;
      const names = new Set(Object.keys(root.contents).concat(Array.from(folder.known.keys())));
      for (const name of names) {
        const node = root.contents[name];
        if (node && (!FS.isFile(node.mode) || TSFiles.openForWriting(node))) continue;
        const now = node ? MEMFS.getFileDataAsTypedArray(node).slice() : null;
        if (TSFiles.same(now, folder.known.get(name) || null)) continue;
        if (now) await folder.write(name, now);
        else await folder.remove(name);
      }
    },

    // ---- a folder the user picked ----

    directory: function(handle) {
      const folder = {handle: handle};
      folder.write = async function(name, bytes) {
        let writable = null;
        try {
          const file = await handle.getFileHandle(name, {create: true});
          writable = await file.createWritable();
          await writable.write(bytes);
          await writable.close();
          writable = null;
          const back = new Uint8Array(await (await file.getFile()).arrayBuffer());
          TSFiles.put(folder, name, back);
        } catch (e) {
          if (writable) await writable.abort().catch(() => {});
          out('Write file - "' + folder.path + '/' + name + '" into the folder err! (' + e.name + ')');
          folder.known.delete(name);
          FS.unlink(folder.path + '/' + name);
        }
      };
      folder.remove = async function(name) {
        folder.known.delete(name);
        await handle.removeEntry(name).catch(() => {});
      };
      return folder;
    },

    // Reads the small files of a picked folder; picking the same folder
    // again reads it afresh.
    openDirectory: async function(handle) {
      for (const f of Array.from(TSFiles.folders.values())) {
        if (f.handle && await f.handle.isSameEntry(handle)) TSFiles.unmount(f.path);
      }
      const base = '/' + (handle.name.replace(/[\\/:]+/g, ' ').trim() || 'card');
      let path = base;
      for (let n = 2; FS.analyzePath(path).exists; ++n) path = base + ' (' + n + ')';
      const folder = TSFiles.directory(handle);
      TSFiles.mount(path, folder);
      for await (const entry of handle.values()) {
        if (entry.kind !== 'file') continue;
        const file = await entry.getFile();
        if (file.size <= TSFiles.maxFileBytes) {
          TSFiles.put(folder, entry.name, new Uint8Array(await file.arrayBuffer()), file.lastModified);
        }
      }
      return path;
    },

    // ---- the download folder ----

    downloads: function() {
      const folder = {};
      folder.write = async function(name, bytes) {
        const url = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
        const a = document.createElement('a');
        a.href = url;
        a.download = name;
        document.body.append(a);
        a.click();
        a.remove();
        setTimeout(() => URL.revokeObjectURL(url), 60000);
        folder.known.set(name, bytes);
      };
      folder.remove = async function(name) { folder.known.delete(name); };
      return folder;
    },

    // The files the user picks with a file input, or null on cancel.
    chooseFiles: function() {
      return new Promise(resolve => {
        const input = document.createElement('input');
        input.type = 'file';
        input.multiple = true;
        input.hidden = true;
        let done = false;
        const finish = files => {
          if (done) return;
          done = true;
          input.remove();
          resolve(files);
        };
        input.addEventListener('change', () => finish(Array.from(input.files)));
        input.addEventListener('cancel', () => finish(null));
        // Where the page is not told of a cancel: the page has the focus again and no file came.
        window.addEventListener('focus', () => setTimeout(() => finish(null), 1000), {once: true});
        document.body.append(input);
        input.click();
      });
    },

    // ---- Browse ----

    // `start`: the path of the folder the picker opens at, when it is a picked one.
    pick: async function(start) {
      if (TSFiles.canWriteFolders()) {
        try {
          const options = {id: 'trailset-card', mode: 'readwrite'};
          const at = start && TSFiles.folders.get(start);
          if (at && at.handle) options.startIn = at.handle;
          const handle = await window.showDirectoryPicker(options);
          return await TSFiles.openDirectory(handle);
        } catch (e) {
          if (e.name !== 'AbortError') out('Folder picker err! (' + e.name + ': ' + e.message + ')');
          return null;
        }
      }
      const files = await TSFiles.chooseFiles();
      if (!files) return null;
      const folder = TSFiles.folders.get(TSFiles.downloadPath);
      for (const f of files) {
        if (f.size <= TSFiles.maxFileBytes) TSFiles.put(folder, f.name, new Uint8Array(await f.arrayBuffer()), f.lastModified);
      }
      return TSFiles.downloadPath;
    },
  },

  ts_files_can_write_folders: function() { return TSFiles.canWriteFolders() ? 1 : 0; },

  ts_web_pick_folder__deps: ['$TS'],
  ts_web_pick_folder: function(start, startLen) {
    TSFiles.init();
    const from = TS.text(start, startLen);
    return Asyncify.handleAsync(async () => {
      const path = await TSFiles.pick(from);
      return path ? allocateUTF8(path) : 0;
    });
  },

  // The start panel: the folder to start in (the card), or the download folder.
  ts_web_start__deps: ['$TS'],
  ts_web_start: function(prompt, promptLen, open, openLen, without, withoutLen) {
    TSFiles.init();
    return Asyncify.handleAsync(() => new Promise(resolve => {
      const panel = TS.element('div', 'ts-panel ts-start');
      const p = TS.element('p');
      p.textContent = TS.text(prompt, promptLen);
      const openButton = TS.element('button', 'ts-start-open');
      openButton.type = 'button';
      openButton.textContent = TS.text(open, openLen);
      const withoutButton = TS.element('button', 'ts-start-without');
      withoutButton.type = 'button';
      withoutButton.textContent = TS.text(without, withoutLen);
      const start = path => {
        panel.remove();
        TS.setPhase('running');
        resolve(allocateUTF8(path));
      };
      let picking = false;
      openButton.addEventListener('click', async () => {
        if (picking) return;
        picking = true;
        const path = await TSFiles.pick();
        picking = false;
        if (path) start(path);
      });
      withoutButton.addEventListener('click', () => { if (!picking) start(TSFiles.downloadPath); });
      const buttons = TS.element('div', 'ts-panel-buttons');
      buttons.append(openButton, withoutButton);
      panel.append(p, buttons);
      TS.desktop().append(panel);
      TS.setPhase('start');
      openButton.focus();
    }));
  },
};

autoAddDeps(TrailsetFilesLibrary, '$TSFiles');
mergeInto(LibraryManager.library, TrailsetFilesLibrary);
