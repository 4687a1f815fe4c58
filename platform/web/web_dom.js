// The page's side of the browser host: windows, controls, message boxes,
// timers and pictures as HTML elements, and the queue of events the
// program takes one at a time (ts_web_wait_event).
//
// The page never calls into the program. Every DOM notification becomes
// one event in the queue; the program waits for the next event with
// Asyncify, so while it waits the page runs freely.

var TrailsetDomLibrary = {
  $TS: {
    // Event kinds and command details: the numbers of web_dom.h.
    kind: {command: 1, close: 2, enter: 3, escape: 4, timer: 5, paint: 6, boxAnswer: 7},
    detail: {clicked: 0, listPicked: 1, editChanged: 2, focusLost: 3},
    // Closed height of a drop-down list; the layout's height includes the open list.
    comboHeight: 21,

    // Made when the page starts (TS__postset): the library's objects are
    // written out as source, which keeps no Map.
    windows: null,        // serial -> window
    boxes: null,          // message box serial -> box
    pictures: null,       // bitmap id -> canvas holding the picture
    queue: [],
    wake: null,           // resumes the program's wait, when it waits
    quietBlur: 0,         // > 0 while the page itself moves the focus (a box opening)
    topZ: 10,

    post: function(e) {
      // A tick or a repaint still waiting in the queue stands for the next one too.
      if (e.kind === TS.kind.timer || e.kind === TS.kind.paint) {
        if (TS.queue.some(q => q.window === e.window && q.kind === e.kind && q.id === e.id)) return;
      }
      TS.queue.push(e);
      TS.setWaiting(false);
      if (TS.wake) {
        const wake = TS.wake;
        TS.wake = null;
        wake();
      }
    },
    text: function(ptr, len) { return ptr && len ? UTF8ToString(ptr, len) : ''; },
    desktop: function() { return document.getElementById('desktop'); },
    element: function(tag, cls) {
      const el = document.createElement(tag);
      if (cls) el.className = cls;
      return el;
    },
    control: function(serial, id) {
      const win = TS.windows.get(serial);
      return win ? win.controls.get(id) : undefined;
    },
    setPhase: function(phase) { document.documentElement.dataset.trailset = phase; },
    // Whether the program waits for the user with nothing left to do
    // (what a test or an assistive tool waits for before it looks).
    setWaiting: function(on) { document.documentElement.dataset.waiting = on ? '1' : '0'; },

    // The newest window names the page.
    updateDocumentTitle: function() {
      let title = '';
      for (const win of TS.windows.values()) if (win.shown) title = win.title.textContent;
      document.title = title || 'trailset';
    },

    // A title bar with the icon, the title and the close box; dragging it moves the window.
    titleBar: function(el, title, onClose) {
      const bar = TS.element('div', 'ts-titlebar');
      const icon = TS.element('canvas', 'ts-icon');
      icon.hidden = true;
      const text = TS.element('span', 'ts-title');
      text.textContent = title;
      const close = TS.element('button', 'ts-close');
      close.type = 'button';
      close.tabIndex = -1;
      // As the native close box, it takes no focus: the edit keeps it.
      close.addEventListener('mousedown', e => e.preventDefault());
      close.addEventListener('click', onClose);
      bar.append(icon, text, close);
      bar.addEventListener('pointerdown', e => {
        if (e.target === close || e.button !== 0) return;
        const startX = e.clientX - el.offsetLeft, startY = e.clientY - el.offsetTop;
        const move = m => {
          el.style.left = Math.max(0, m.clientX - startX) + 'px';
          el.style.top = Math.max(0, m.clientY - startY) + 'px';
        };
        const up = () => {
          bar.removeEventListener('pointermove', move);
          bar.removeEventListener('pointerup', up);
        };
        bar.setPointerCapture(e.pointerId);
        bar.addEventListener('pointermove', move);
        bar.addEventListener('pointerup', up);
      });
      return {bar: bar, icon: icon, title: text};
    },

    // Controls that Tab reaches, in the template's order.
    tabbable: function(win) {
      const out = [];
      for (const c of win.controls.values()) {
        const t = c.input;
        if (t && t.tabIndex >= 0 && !t.disabled && !c.el.hidden) out.push(t);
      }
      return out;
    },

    onKey: function(win, e) {
      if (e.isComposing || e.altKey || e.ctrlKey || e.metaKey) return;
      if (e.key === 'Enter' || e.key === 'Escape') {
        e.preventDefault();
        TS.post({window: win.serial, kind: e.key === 'Enter' ? TS.kind.enter : TS.kind.escape, id: 0, detail: 0});
      } else if (e.key === 'Tab') {
        // Tab goes round the window's own controls, as in a dialog.
        const order = TS.tabbable(win);
        if (!order.length) return;
        const at = order.indexOf(document.activeElement);
        const next = e.shiftKey ? (at <= 0 ? order.length - 1 : at - 1) : (at + 1) % order.length;
        e.preventDefault();
        order[next].focus();
      }
    },

    placeWindow: function(el, beside) {
      const desk = TS.desktop().getBoundingClientRect();
      const w = el.offsetWidth, h = el.offsetHeight, gap = 8;
      let x = Math.max(0, (desk.width - w) / 2), y = Math.max(0, Math.min(48, (desk.height - h) / 2));
      const other = beside && TS.windows.get(beside);
      if (other && other.shown) {
        const b = other.el;
        // Where neither side has room but the desktop holds both, the
        // window behind moves over to make room.
        const both = b.offsetWidth + gap + w;
        if (b.offsetLeft + both > desk.width && b.offsetLeft - w - gap < 0 && both <= desk.width) {
          b.style.left = Math.round((desk.width - both) / 2) + 'px';
        }
        x = b.offsetLeft + b.offsetWidth + gap;
        if (x + w > desk.width) x = b.offsetLeft - w - gap;  // no room on the right: on the left
        if (x < 0) x = Math.max(0, desk.width - w);
        y = b.offsetTop;
      }
      el.style.left = Math.round(x) + 'px';
      el.style.top = Math.round(y) + 'px';
    },

    // Builders of each control kind: the element placed at the rectangle,
    // the element that takes the focus, the element that shows the text.
    make: {
      static: function(win, id, text) {
        const el = TS.element('div');
        el.textContent = text;
        return {el: el, label: el};
      },
      group: function(win, id, text) {
        const el = TS.element('div');
        const caption = TS.element('span', 'ts-caption');
        caption.textContent = text;
        caption.hidden = !text;
        el.append(TS.element('div', 'ts-group-line'), caption);
        return {el: el, label: caption};
      },
      frame: function() { return {el: TS.element('div')}; },
      button: function(win, id, text) {
        const el = TS.element('button');
        el.type = 'button';
        el.textContent = text;
        el.addEventListener('click', () => TS.command(win, id, TS.detail.clicked));
        return {el: el, input: el, label: el};
      },
      default: function(win, id, text) { return TS.make.button(win, id, text); },
      check: function(win, id, text, type) {
        const el = TS.element('label');
        const input = TS.element('input');
        input.type = type || 'checkbox';
        if (type === 'radio') input.name = 'ts-radio-' + win.serial;
        const label = TS.element('span');
        label.textContent = text;
        el.append(input, label);
        input.addEventListener('click', () => TS.command(win, id, TS.detail.clicked));
        return {el: el, input: input, label: label};
      },
      radio: function(win, id, text) { return TS.make.check(win, id, text, 'radio'); },
      edit: function(win, id, text) {
        const el = TS.element('input');
        el.type = 'text';
        el.autocomplete = 'off';
        el.spellcheck = false;
        el.value = text;
        // Text still being composed with an input method is not yet the
        // edit's: as natively, the edit changes once the text is committed.
        el.addEventListener('input', e => { if (!e.isComposing) TS.command(win, id, TS.detail.editChanged); });
        el.addEventListener('compositionend', () => TS.command(win, id, TS.detail.editChanged));
        el.addEventListener('blur', () => { if (!TS.quietBlur) TS.command(win, id, TS.detail.focusLost); });
        el.addEventListener('beforeinput', e => {
          // A digits-only edit refuses a typed character that is no digit (a paste passes, as natively).
          if (el.dataset.digits && e.inputType === 'insertText' && e.data && /[^0-9]/.test(e.data)) e.preventDefault();
        });
        return {el: el, input: el};
      },
      list: function(win, id) {
        const el = TS.element('select');
        el.addEventListener('change', () => TS.command(win, id, TS.detail.listPicked));
        return {el: el, input: el};
      },
    },

    command: function(win, id, detail) {
      TS.post({window: win.serial, kind: TS.kind.command, id: id, detail: detail});
    },

    place: function(c, x, y, w, h) {
      const s = c.el.style;
      s.left = x + 'px';
      s.top = y + 'px';
      s.width = w + 'px';
      s.height = (c.kind === 'list' ? Math.min(h, TS.comboHeight) : h) + 'px';
    },

    // The drawing of the warning or information sign of a message box.
    drawSign: function(canvas, warning) {
      const g = canvas.getContext('2d');
      const s = canvas.width, cx = s / 2;
      if (warning) {
        g.fillStyle = '#fac81e';
        g.strokeStyle = '#785a00';
        g.beginPath();
        g.moveTo(cx, 1); g.lineTo(s - 1, s - 3); g.lineTo(1, s - 3); g.closePath();
        g.fill(); g.stroke();
        g.fillStyle = '#000';
        g.fillRect(cx - 2, 10, 4, 11);
        g.fillRect(cx - 2, 23, 4, 4);
      } else {
        g.fillStyle = '#1e64d2';
        g.beginPath();
        g.arc(cx, cx, cx, 0, 2 * Math.PI);
        g.fill();
        g.fillStyle = '#fff';
        g.fillRect(cx - 2, 7, 4, 4);
        g.fillRect(cx - 2, 13, 4, 13);
      }
    },

    canvasOf: function(rgb, w, h) {
      const canvas = TS.element('canvas');
      canvas.width = w;
      canvas.height = h;
      const g = canvas.getContext('2d');
      const img = g.createImageData(w, h);
      const src = HEAPU8.subarray(rgb, rgb + w * h * 3);
      for (let i = 0, j = 0; i < src.length; i += 3, j += 4) {
        img.data[j] = src[i];
        img.data[j + 1] = src[i + 1];
        img.data[j + 2] = src[i + 2];
        img.data[j + 3] = 255;
      }
      g.putImageData(img, 0, 0);
      return canvas;
    },
  },

  $TS__postset: 'TS.windows = new Map(); TS.boxes = new Map(); TS.pictures = new Map();',

  // ---- waiting -------------------------------------------------------------

  ts_web_wait_event: function(out) {
    return Asyncify.handleSleep(wakeUp => {
      const take = () => {
        const e = TS.queue.shift();
        HEAP32[out >> 2] = e.window;
        HEAP32[(out >> 2) + 1] = e.kind;
        HEAP32[(out >> 2) + 2] = e.id;
        HEAP32[(out >> 2) + 3] = e.detail;
        wakeUp(0);
      };
      if (TS.queue.length) {
        take();
      } else {
        TS.wake = take;
        TS.setWaiting(true);
      }
    });
  },

  // ---- windows -------------------------------------------------------------

  ts_dom_window_create: function(serial, template, title, titleLen, w, h, beside) {
    const el = TS.element('div', 'ts-window');
    el.dataset.template = template;
    el.style.visibility = 'hidden';
    const bar = TS.titleBar(el, TS.text(title, titleLen),
                            () => TS.post({window: serial, kind: TS.kind.close, id: 0, detail: 0}));
    const client = TS.element('div', 'ts-client');
    client.style.width = w + 'px';
    client.style.height = h + 'px';
    const paint = TS.element('canvas', 'ts-paint');
    paint.width = w;
    paint.height = h;
    client.append(paint);
    el.append(bar.bar, client);
    TS.desktop().append(el);
    const win = {serial: serial, el: el, client: client, paint: paint, title: bar.title, icon: bar.icon,
                 controls: new Map(), timers: new Map(), beside: beside, shown: false};
    el.addEventListener('keydown', e => TS.onKey(win, e));
    // A press on a control gives it the focus first, in every browser, so
    // the edit it leaves reports the loss before the click.
    client.addEventListener('mousedown', e => {
      for (const c of win.controls.values()) {
        if (c.input && c.el.contains(e.target) && !c.input.disabled && c.input !== document.activeElement) {
          c.input.focus();
        }
      }
    });
    TS.windows.set(serial, win);
  },

  ts_dom_window_show: function(serial, focusId) {
    const win = TS.windows.get(serial);
    TS.placeWindow(win.el, win.beside);
    win.el.style.zIndex = ++TS.topZ;
    win.el.style.visibility = '';
    win.shown = true;
    TS.updateDocumentTitle();
    // The control the window asked for, else the first that Tab reaches.
    const asked = focusId ? win.controls.get(focusId) : undefined;
    const first = asked && asked.input ? asked.input : TS.tabbable(win)[0];
    if (first) first.focus();
  },

  ts_dom_window_destroy: function(serial) {
    const win = TS.windows.get(serial);
    if (!win) return;
    for (const t of win.timers.values()) clearInterval(t);
    TS.windows.delete(serial);
    win.el.remove();
    TS.updateDocumentTitle();
  },

  ts_dom_set_title: function(serial, text, len) {
    const win = TS.windows.get(serial);
    win.title.textContent = TS.text(text, len);
    TS.updateDocumentTitle();
  },

  ts_dom_set_icon: function(serial, rgb, w, h) {
    const win = TS.windows.get(serial);
    const src = TS.canvasOf(rgb, w, h);
    win.icon.width = w;
    win.icon.height = h;
    win.icon.getContext('2d').drawImage(src, 0, 0);
    win.icon.hidden = false;
    // The page's own icon is the program's.
    let link = document.querySelector('link[rel="icon"]');
    if (link) link.href = src.toDataURL('image/png');
  },

  ts_dom_request_paint: function(serial) {
    TS.post({window: serial, kind: TS.kind.paint, id: 0, detail: 0});
  },

  ts_dom_paint_begin: function(serial) {
    const win = TS.windows.get(serial);
    win.paint.getContext('2d').clearRect(0, 0, win.paint.width, win.paint.height);
  },

  // ---- controls ------------------------------------------------------------

  ts_dom_add_control: function(serial, id, kind, align, tabStop, x, y, w, h, text, len) {
    const win = TS.windows.get(serial);
    const k = UTF8ToString(kind);
    const c = TS.make[k](win, id, TS.text(text, len));
    c.kind = k;
    c.id = id;
    c.el.classList.add('ts-control', 'ts-' + k, 'ts-align-' + UTF8ToString(align));
    c.el.dataset.id = id;
    if (c.input && !tabStop) c.input.tabIndex = -1;
    TS.place(c, x, y, w, h);
    win.controls.set(id, c);
    win.client.append(c.el);
  },

  ts_dom_set_text: function(serial, id, text, len) {
    const c = TS.control(serial, id);
    const value = TS.text(text, len);
    if (c.kind === 'edit') {
      c.input.value = value;
      // As natively, a text set by the program puts the caret at its start.
      if (document.activeElement === c.input) c.input.setSelectionRange(0, 0);
    } else if (c.label) {
      c.label.textContent = value;
      if (c.kind === 'group') c.label.hidden = !value;
    }
  },

  ts_dom_edit_text: function(serial, id) {
    return allocateUTF8(TS.control(serial, id).input.value);
  },

  ts_dom_set_limit: function(serial, id, chars) {
    const input = TS.control(serial, id).input;
    if (chars > 0) input.maxLength = chars;
    else input.removeAttribute('maxlength');
  },

  ts_dom_set_masked: function(serial, id, masked) {
    TS.control(serial, id).input.type = masked ? 'password' : 'text';
  },

  ts_dom_set_digits_only: function(serial, id) {
    TS.control(serial, id).input.dataset.digits = '1';
  },

  ts_dom_set_read_only: function(serial, id) {
    TS.control(serial, id).input.readOnly = true;
  },

  ts_dom_set_caret: function(serial, id, pos) {
    const input = TS.control(serial, id).input;
    // From characters to the UTF-16 units the page counts in.
    let units = 0, n = 0;
    for (const ch of input.value) {
      if (n++ === pos) break;
      units += ch.length;
    }
    input.setSelectionRange(units, units);
  },

  ts_dom_focus: function(serial, id) {
    const c = TS.control(serial, id);
    if (c && c.input) c.input.focus();
  },

  ts_dom_focused: function(serial) {
    const win = TS.windows.get(serial);
    // (No destructuring in these libraries: emscripten's optimizer drops it.)
    for (const c of win.controls.values()) if (c.input && c.input === document.activeElement) return c.id;
    return 0;
  },

  ts_dom_enable: function(serial, id, on) {
    const c = TS.control(serial, id);
    if (c.input) c.input.disabled = !on;
    c.el.classList.toggle('ts-disabled', !on);
    if (c.label && c.color) c.label.style.color = on ? c.color : '';
  },

  ts_dom_show: function(serial, id, on) {
    TS.control(serial, id).el.hidden = !on;
  },

  ts_dom_move: function(serial, id, x, y, w, h) {
    TS.place(TS.control(serial, id), x, y, w, h);
  },

  ts_dom_set_checked: function(serial, id, on) {
    TS.control(serial, id).input.checked = !!on;
  },

  ts_dom_checked: function(serial, id) {
    return TS.control(serial, id).input.checked ? 1 : 0;
  },

  ts_dom_set_color: function(serial, id, rgb) {
    const c = TS.control(serial, id);
    if (!c.label) return;
    c.color = '#' + (rgb & 0xffffff).toString(16).padStart(6, '0');
    // A disabled label is greyed whatever its colour, as natively.
    if (!c.el.classList.contains('ts-disabled')) c.label.style.color = c.color;
  },

  ts_dom_list_reset: function(serial, id) {
    TS.control(serial, id).input.length = 0;
  },

  ts_dom_list_insert: function(serial, id, pos, text, len) {
    const select = TS.control(serial, id).input;
    const selected = select.selectedIndex;
    const option = new Option(TS.text(text, len));
    select.add(option, pos < select.length ? pos : null);
    // A list keeps "no selection" when entries are added (the page would select the first).
    if (selected < 0) select.selectedIndex = -1;
  },

  ts_dom_list_select: function(serial, id, pos) {
    TS.control(serial, id).input.selectedIndex = pos;
  },

  ts_dom_list_selection: function(serial, id) {
    return TS.control(serial, id).input.selectedIndex;
  },

  // ---- timers, pictures ------------------------------------------------------

  ts_dom_start_timer: function(serial, timer, ms) {
    const win = TS.windows.get(serial);
    clearInterval(win.timers.get(timer));
    win.timers.set(timer, setInterval(() => TS.post({window: serial, kind: TS.kind.timer, id: timer, detail: 0}), ms));
  },

  ts_dom_stop_timer: function(serial, timer) {
    const win = TS.windows.get(serial);
    if (!win) return;
    clearInterval(win.timers.get(timer));
    win.timers.delete(timer);
  },

  ts_dom_has_picture: function(bitmap) { return TS.pictures.has(bitmap) ? 1 : 0; },

  ts_dom_store_picture: function(bitmap, rgb, w, h) {
    TS.pictures.set(bitmap, TS.canvasOf(rgb, w, h));
  },

  ts_dom_draw_picture: function(serial, bitmap, x, y, w, h) {
    const pic = TS.pictures.get(bitmap);
    if (!pic) return;
    // Only the part of the area that the picture covers is copied.
    const cw = Math.min(w, pic.width), ch = Math.min(h, pic.height);
    TS.windows.get(serial).paint.getContext('2d').drawImage(pic, 0, 0, cw, ch, x, y, cw, ch);
  },

  // ---- message boxes -----------------------------------------------------------

  ts_dom_box_open: function(box, owner, text, textLen, caption, captionLen, warning, ok, okLen) {
    const answer = () => TS.post({window: box, kind: TS.kind.boxAnswer, id: 0, detail: 0});
    // The box covers the page: nothing else takes input while it is shown.
    const modal = TS.element('div', 'ts-modal');
    const el = TS.element('div', 'ts-window ts-box');
    el.setAttribute('role', 'alertdialog');
    const bar = TS.titleBar(el, TS.text(caption, captionLen), answer);
    const client = TS.element('div', 'ts-box-client');
    const sign = TS.element('canvas', 'ts-sign');
    sign.width = sign.height = 32;
    TS.drawSign(sign, warning);
    const message = TS.element('div', 'ts-box-text');
    message.textContent = TS.text(text, textLen).replace(/\r\n/g, '\n');
    const button = TS.element('button', 'ts-box-ok');
    button.type = 'button';
    button.textContent = TS.text(ok, okLen);
    button.addEventListener('click', answer);
    el.addEventListener('keydown', e => {
      if (e.key === 'Enter' || e.key === 'Escape') {
        e.preventDefault();
        answer();
      } else if (e.key === 'Tab') {
        e.preventDefault();
      }
    });
    const body = TS.element('div', 'ts-box-body');
    body.append(sign, message);
    const footer = TS.element('div', 'ts-box-footer');
    footer.append(button);
    client.append(body, footer);
    el.append(bar.bar, client);
    modal.append(el);
    // Measured before the cover is added: what the desktop scrolls over.
    const area = [TS.desktop().scrollWidth, TS.desktop().scrollHeight];
    modal.style.width = area[0] + 'px';
    modal.style.height = area[1] + 'px';
    TS.desktop().append(modal);
    modal.style.zIndex = ++TS.topZ;
    const over = TS.windows.get(owner);
    const desk = TS.desktop().getBoundingClientRect();
    let x = (desk.width - el.offsetWidth) / 2, y = (desk.height - el.offsetHeight) / 3;
    if (over && over.shown) {
      x = over.el.offsetLeft + (over.el.offsetWidth - el.offsetWidth) / 2;
      y = over.el.offsetTop + (over.el.offsetHeight - el.offsetHeight) / 2;
    }
    el.style.left = Math.round(Math.max(0, x)) + 'px';
    el.style.top = Math.round(Math.max(0, y)) + 'px';
    const previous = document.activeElement;
    TS.quietBlur++;
    button.focus();
    TS.quietBlur--;
    TS.boxes.set(box, {modal: modal, previous: previous});
  },

  ts_dom_box_close: function(box) {
    const b = TS.boxes.get(box);
    if (!b) return;
    TS.boxes.delete(box);
    b.modal.remove();
    // The focus goes back where it was, as natively.
    if (b.previous && b.previous.isConnected) b.previous.focus();
  },

  // ---- the page ----------------------------------------------------------------

  ts_dom_set_note: function(text, len, chinese) {
    document.documentElement.lang = chinese ? 'zh-CN' : 'en';
    document.getElementById('note').textContent = TS.text(text, len);
  },

  ts_dom_ended: function(text, len, again, againLen) {
    const panel = TS.element('div', 'ts-panel');
    const p = TS.element('p');
    p.textContent = TS.text(text, len);
    const button = TS.element('button');
    button.type = 'button';
    button.textContent = TS.text(again, againLen);
    button.addEventListener('click', () => location.reload());
    panel.append(p, button);
    TS.desktop().append(panel);
    document.title = 'trailset';
    TS.setPhase('ended');
    button.focus();
  },

  ts_web_browser_language: function() {
    return allocateUTF8(navigator.language || 'en-US');
  },
};

autoAddDeps(TrailsetDomLibrary, '$TS');
mergeInto(LibraryManager.library, TrailsetDomLibrary);
