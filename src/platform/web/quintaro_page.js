// SPDX-License-Identifier: GPL-3.0-or-later
// The page side of the web backend: the canvas, the pointer and the
// keyboard, the clock, sound through Web Audio, and the wait that hands
// the browser its turn. The program calls these as C functions.
var QuintaroPageLibrary = {
  $QP: {
    canvas: null,
    ctx: null,
    image: null,
    imageBuffer: null,
    imagePtr: 0,
    zoom: 0,
    fullscreen: false,
    buttons: 0,
    cursors: {},
    cursor: null,
    audio: null,
    wake: null,
    lastX: -1,
    lastY: -1,

    // Event kinds, in the order of WebEvent::Kind.
    PointerMove: 0, PointerDown: 1, PointerUp: 2, Wheel: 3, KeyDown: 4, KeyUp: 5, Char: 6, Focus: 7, Hidden: 8,

    post: function(kind, x, y, button, buttons, code, e) {
      var mods = 0;
      if (e) {
        if (e.shiftKey) mods |= 1;
        if (e.ctrlKey) mods |= 2;
        // Right Alt is AltGr on many layouts: it types, it opens no menus.
        var altGr = e.getModifierState && e.getModifierState('AltGraph');
        if ((e.altKey && !altGr && e.code !== 'AltRight') || e.code === 'AltLeft') mods |= 4;
      }
      Module['_quintaro_web_event'](kind, x, y, button, buttons, code, mods);
      QP.wakeUp();
    },

    // Ends the program's wait at once, so input is handled without delay.
    wakeUp: function() {
      var wake = QP.wake;
      if (wake) { QP.wake = null; wake(); }
    },

    toSurface: function(e) {
      var r = QP.canvas.getBoundingClientRect();
      var x = Math.floor((e.clientX - r.left) * QP.canvas.width / Math.max(1, r.width));
      var y = Math.floor((e.clientY - r.top) * QP.canvas.height / Math.max(1, r.height));
      return [x, y];
    },

    // Buttons: 1 left, 2 right, 4 middle, as the browser counts them;
    // reported as 0 left, 1 middle, 2 right.
    buttonOf: { 1: 0, 2: 2, 4: 1 },

    pointer: function(e) {
      var p = QP.toSurface(e);
      if (p[0] !== QP.lastX || p[1] !== QP.lastY || e.type === 'pointermove') {
        QP.lastX = p[0]; QP.lastY = p[1];
        QP.post(QP.PointerMove, p[0], p[1], 0, QP.buttons, 0, e);
      }
      // A second button pressed during a drag comes as a move: compare the sets.
      var now = e.buttons;
      [1, 2, 4].forEach(function(bit) {
        if ((now & bit) === (QP.buttons & bit)) return;
        QP.buttons = (QP.buttons & ~bit) | (now & bit);
        QP.post((now & bit) ? QP.PointerDown : QP.PointerUp, p[0], p[1], QP.buttonOf[bit], QP.buttons, 0, e);
      });
    },

    leftFullscreen: function() {
      if (!QP.wantFullscreen) return;
      QP.wantFullscreen = false;
      QP.post(QP.KeyDown, 0, 0, 0, QP.buttons, 122, null);  // F11
      QP.post(QP.KeyUp, 0, 0, 0, QP.buttons, 122, null);
    },

    startAudio: function() {
      if (QP.audio && QP.audio.state !== 'running') QP.audio.resume();
    },

    listen: function() {
      var c = QP.canvas;
      c.addEventListener('pointerdown', function(e) {
        QP.startAudio();
        // A tap on the text field keeps (or brings up) the phone's keyboard.
        if (QP.field && QP.insideField(e)) QP.focusField();
        else c.focus();
        // Like a desktop: a drag keeps the pointer until the last button is up.
        try { c.setPointerCapture(e.pointerId); } catch (err) {}
        QP.pointer(e);
        e.preventDefault();
      });
      c.addEventListener('pointermove', function(e) { QP.pointer(e); });
      c.addEventListener('pointerup', function(e) { QP.pointer(e); e.preventDefault(); });
      c.addEventListener('pointercancel', function(e) { QP.pointer(e); });
      c.addEventListener('pointerleave', function(e) {
        if (QP.buttons === 0) { QP.lastX = QP.lastY = -1; QP.post(QP.PointerMove, -1, -1, 0, 0, 0, e); }
      });
      c.addEventListener('contextmenu', function(e) { e.preventDefault(); });
      // A finger on the game never scrolls, zooms or selects the page: the
      // pointer events above carry the touch.
      ['touchstart', 'touchmove', 'touchend'].forEach(function(type) {
        c.addEventListener(type, function(e) { if (e.cancelable) e.preventDefault(); }, { passive: false });
      });
      c.addEventListener('wheel', function(e) {
        var notches = e.deltaY < 0 ? 1 : e.deltaY > 0 ? -1 : 0;
        if (notches) QP.post(QP.Wheel, QP.lastX, QP.lastY, notches, QP.buttons, 0, e);
        e.preventDefault();
      }, { passive: false });

      var key = function(e, down) {
        if (e.target && e.target !== c && e.target !== QP.textInput && e.target !== document.body &&
            e.target !== document.documentElement) return;
        // A phone's keyboard says only that something was typed: the text
        // comes with the text input's input event.
        if (e.keyCode === 229 || e.key === 'Unidentified') return;
        // The page's help is open: its keys scroll it.
        if (location.hash === '#help') return;
        // Reload and the developer tools stay the browser's.
        if (e.key === 'F5' || e.key === 'F12' || e.metaKey) return;
        if (e.ctrlKey && !e.altKey && (e.key === 'r' || e.key === 'R' || e.key === 'w' || e.key === 'W' || e.key === 't' || e.key === 'T')) return;
        if (down) QP.startAudio();
        QP.post(down ? QP.KeyDown : QP.KeyUp, 0, 0, 0, QP.buttons, e.keyCode || 0, e);
        var ch = down ? Array.from(e.key || '') : [];
        if (ch.length === 1 && !e.ctrlKey) QP.post(QP.Char, 0, 0, 0, QP.buttons, ch[0].codePointAt(0), e);
        e.preventDefault();
      };
      window.addEventListener('keydown', function(e) { key(e, true); });
      window.addEventListener('keyup', function(e) { key(e, false); });
      window.addEventListener('blur', function() { QP.post(QP.Focus, 0, 0, 0, 0, 0, null); });
      window.addEventListener('focus', function() { QP.post(QP.Focus, 0, 0, 0, 0, 1, null); });
      document.addEventListener('visibilitychange', function() {
        QP.post(QP.Hidden, 0, 0, 0, 0, document.hidden ? 1 : 0, null);
      });
      window.addEventListener('resize', QP.layout);
      document.addEventListener('fullscreenchange', function() {
        QP.fullscreen = !!document.fullscreenElement;
        // The browser's own Escape left full screen: the program hears it as
        // the player's F11, so its View menu says what the page shows.
        if (!QP.fullscreen) QP.leftFullscreen();
        QP.layout();
      });
    },

    // The picture's scale in device pixels per picture pixel: the largest
    // whole zoom that fits (or the chosen one, when it fits), so pixels stay
    // square and sharp; when a whole zoom would leave much of the room
    // empty (a phone, a small window) or none fits at all, the scale that
    // fills the room, drawn smoothly. The canvas never overflows its room:
    // a page cannot scroll to a cut-off edge.
    scaleFor: function(roomW, roomH, width, height, dpr, chosen) {
      var fit = Math.min(roomW * dpr / width, roomH * dpr / height);
      var whole = Math.floor(fit);
      if (chosen > 0 && chosen <= fit) return chosen;
      if (whole >= 1 && whole >= fit * 0.9) return whole;
      return fit;
    },

    layout: function() {
      var c = QP.canvas;
      if (!c.width || !c.height) return;
      var dpr = window.devicePixelRatio || 1;
      QP.fold();
      var room = QP.room();
      var zoom = QP.scaleFor(room[0], room[1], c.width, c.height, dpr, QP.zoom);
      var sharp = zoom === Math.floor(zoom);
      // Whole device pixels wide and high, never more than the room.
      var w = Math.min(Math.floor(c.width * zoom), Math.floor(room[0] * dpr));
      var h = Math.min(Math.floor(c.height * zoom), Math.floor(room[1] * dpr));
      c.style.width = (w / dpr) + 'px';
      c.style.height = (h / dpr) + 'px';
      c.style.imageRendering = sharp ? '' : 'auto';
      // Centred on whole screen pixels: a picture half a pixel off would be
      // smeared over two.
      c.style.transform = '';
      var r = c.getBoundingClientRect();
      var dx = (Math.round(r.left * dpr) - r.left * dpr) / dpr, dy = (Math.round(r.top * dpr) - r.top * dpr) / dpr;
      if (dx || dy) c.style.transform = 'translate(' + dx + 'px, ' + dy + 'px)';
      QP.scale = zoom / dpr;
      QP.applyCursor();
    },

    // The page's header and footer give way when the game would not show
    // at one CSS pixel per picture pixel beside them: they fold into one
    // thin bar with the help link.
    fold: function() {
      var c = QP.canvas;
      document.body.classList.remove('folded');
      var chrome = 0;
      ['quintaro-header', 'quintaro-footer'].forEach(function(id) {
        var el = document.getElementById(id);
        if (el) chrome += el.getBoundingClientRect().height;
      });
      var tight = window.innerWidth - 16 < c.width || window.innerHeight - chrome - 16 < c.height;
      document.body.classList.toggle('folded', tight);
    },

    room: function() {
      if (document.fullscreenElement) return [screen.width, screen.height];
      var stage = document.getElementById('quintaro-stage');
      if (stage) {
        var r = stage.getBoundingClientRect();
        var pad = document.body.classList.contains('folded') ? 0 : 16;
        return [Math.max(1, r.width - pad), Math.max(1, r.height - pad)];
      }
      return [Math.max(1, window.innerWidth), Math.max(1, window.innerHeight)];
    },

    insideField: function(e) {
      var p = QP.toSurface(e), f = QP.field;
      return p[0] >= f.x && p[0] < f.x + f.w && p[1] >= f.y && p[1] < f.y + f.h;
    },

    // A real, see-through text input over the program's text field: a
    // phone shows its keyboard for it, and what is typed there goes to the
    // program as keys and characters.
    focusField: function() {
      var input = QP.textInput;
      if (!input) {
        input = QP.textInput = document.createElement('input');
        input.type = 'text';
        input.id = 'quintaro-text';
        input.autocomplete = 'off';
        input.setAttribute('autocapitalize', 'off');
        input.setAttribute('autocorrect', 'off');
        input.spellcheck = false;
        input.setAttribute('aria-label', 'Text');
        var typed = function(text) {
          Array.from(text || '').forEach(function(ch) {
            QP.post(QP.Char, 0, 0, 0, QP.buttons, ch.codePointAt(0), null);
          });
          input.value = '';
        };
        // A word being composed (a phone's suggestions) counts when it is done.
        input.addEventListener('compositionend', function(e) { typed(e.data); });
        input.addEventListener('input', function(e) {
          if (e.isComposing || e.inputType === 'insertCompositionText') return;
          if (e.inputType === 'deleteContentBackward') {
            QP.post(QP.KeyDown, 0, 0, 0, QP.buttons, 8, null);
            QP.post(QP.KeyUp, 0, 0, 0, QP.buttons, 8, null);
            input.value = '';
          } else {
            typed(e.data || input.value);
          }
        });
        document.body.appendChild(input);
      }
      var r = QP.canvas.getBoundingClientRect(), f = QP.field;
      var sx = r.width / QP.canvas.width, sy = r.height / QP.canvas.height;
      input.style.left = (r.left + f.x * sx) + 'px';
      input.style.top = (r.top + f.y * sy) + 'px';
      input.style.width = Math.max(1, f.w * sx) + 'px';
      input.style.height = Math.max(1, f.h * sy) + 'px';
      if (document.activeElement !== input) input.focus({ preventScroll: true });
    },

    applyCursor: function() {
      var cur = QP.cursor;
      if (!cur) { QP.canvas.style.cursor = 'default'; return; }
      var scale = Math.max(1, Math.min(Math.round(QP.scale || 1), Math.floor(128 / Math.max(cur.width, cur.height))));
      var key = cur.id + '@' + scale;
      if (!QP.cursors[key]) {
        var src = document.createElement('canvas');
        src.width = cur.width; src.height = cur.height;
        src.getContext('2d').putImageData(cur.image, 0, 0);
        var out = document.createElement('canvas');
        out.width = cur.width * scale; out.height = cur.height * scale;
        var g = out.getContext('2d');
        g.imageSmoothingEnabled = false;
        g.drawImage(src, 0, 0, out.width, out.height);
        QP.cursors[key] = 'url(' + out.toDataURL() + ') ' + (cur.hotX * scale) + ' ' + (cur.hotY * scale) + ', auto';
      }
      QP.canvas.style.cursor = QP.cursors[key];
    },

    toImageData: function(argbPtr, w, h) {
      var img = new ImageData(w, h);
      var d = img.data;
      for (var i = 0; i < w * h; ++i) {
        var p = HEAPU32[(argbPtr >> 2) + i];
        d[i * 4] = (p >>> 16) & 255;
        d[i * 4 + 1] = (p >>> 8) & 255;
        d[i * 4 + 2] = p & 255;
        d[i * 4 + 3] = (p >>> 24) & 255;
      }
      return img;
    },
  },

  quintaro_page_open__deps: ['$QP'],
  quintaro_page_open: function(w, h) {
    QP.canvas = Module['canvas'] || document.getElementById('canvas');
    QP.canvas.width = w;
    QP.canvas.height = h;
    QP.canvas.tabIndex = 0;
    QP.ctx = QP.canvas.getContext('2d', { alpha: false });
    QP.listen();
    QP.layout();
    if (Module['onFirstOpen']) Module['onFirstOpen']();
  },

  quintaro_page_set_surface_size__deps: ['$QP'],
  quintaro_page_set_surface_size: function(w, h) {
    if (QP.canvas.width === w && QP.canvas.height === h) return;
    QP.canvas.width = w;
    QP.canvas.height = h;
    QP.image = null;
    QP.layout();
  },

  quintaro_page_put__deps: ['$QP'],
  quintaro_page_put: function(rgba, sw, sh, x, y, w, h) {
    // One view of the program's RGBA frame, made again only when memory grew.
    if (!QP.image || QP.imageBuffer !== HEAPU8.buffer || QP.imagePtr !== rgba ||
        QP.image.width !== sw || QP.image.height !== sh) {
      QP.image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, sw * sh * 4), sw, sh);
      QP.imageBuffer = HEAPU8.buffer;
      QP.imagePtr = rgba;
    }
    QP.ctx.putImageData(QP.image, 0, 0, x, y, w, h);
    if (!QP.shown) {
      QP.shown = true;
      if (Module['onFirstPicture']) Module['onFirstPicture']();
    }
  },

  quintaro_page_set_zoom__deps: ['$QP'],
  quintaro_page_set_zoom: function(zoom, fullscreen) {
    QP.zoom = zoom;
    QP.wantFullscreen = !!fullscreen;
    var stage = document.getElementById('quintaro-stage') || QP.canvas;
    if (fullscreen && !document.fullscreenElement && stage.requestFullscreen) {
      // Refused (no click or key just before): the program goes back to the
      // window it is shown in, as when the player leaves full screen.
      stage.requestFullscreen().catch(function() { QP.leftFullscreen(); });
    } else if (!fullscreen && document.fullscreenElement && document.exitFullscreen) {
      document.exitFullscreen().catch(function() {});
    }
    QP.layout();
  },

  // A test may hold the program's clock and move it itself (Module.quintaroClock),
  // so input lands at the same moments of the program's time as a script's.
  quintaro_page_now_ms: function() { return Module['quintaroClock'] ? Module['quintaroClock']() : performance.now(); },
  quintaro_page_wall_seconds: function() { return Date.now() / 1000; },

  quintaro_page_wait__deps: ['$QP'],
  quintaro_page_wait: function(ms) {
    return Asyncify.handleSleep(function(wakeUp) {
      var timer = 0;
      var done = false;
      QP.wake = function() {
        if (done) return;
        done = true;
        clearTimeout(timer);
        wakeUp();
      };
      if (ms >= 0 && ms < 4) {
        // A browser holds back a timer set from a timer by 4 ms at least: a
        // short wait (a busy wait's next millisecond) takes the next turn
        // instead, and the program looks at the clock again.
        if (!QP.channel) {
          QP.channel = new MessageChannel();
          QP.channel.port1.onmessage = QP.wakeUp;
        }
        QP.channel.port2.postMessage(0);
      } else if (ms >= 0) {
        timer = setTimeout(QP.wakeUp, ms);
      }
    });
  },

  quintaro_page_set_cursor__deps: ['$QP'],
  quintaro_page_set_cursor: function(argb, w, h, hotX, hotY, id) {
    if (!argb || w <= 0 || h <= 0) { QP.cursor = null; QP.applyCursor(); return; }
    if (!QP.cursor || QP.cursor.id !== id) {
      QP.cursor = { id: id, width: w, height: h, hotX: hotX, hotY: hotY, image: QP.toImageData(argb, w, h) };
    }
    QP.applyCursor();
  },

  quintaro_page_set_title: function(text) { document.title = UTF8ToString(text); },

  quintaro_page_set_icon__deps: ['$QP'],
  quintaro_page_set_icon: function(argb, w, h) {
    var c = document.createElement('canvas');
    c.width = w; c.height = h;
    c.getContext('2d').putImageData(QP.toImageData(argb, w, h), 0, 0);
    var link = document.querySelector('link[rel="icon"]') || document.createElement('link');
    link.rel = 'icon';
    link.href = c.toDataURL();
    document.head.appendChild(link);
  },

  quintaro_page_usable_width__deps: ['$QP'],
  quintaro_page_usable_width: function() { return Math.floor(QP.room()[0]); },
  quintaro_page_usable_height__deps: ['$QP'],
  quintaro_page_usable_height: function() { return Math.floor(QP.room()[1]); },

  quintaro_page_set_text_field__deps: ['$QP'],
  quintaro_page_set_text_field: function(x, y, w, h) {
    QP.field = w > 0 && h > 0 ? { x: x, y: y, w: w, h: h } : null;
    if (QP.field) QP.focusField();
    else if (QP.textInput && document.activeElement === QP.textInput) QP.canvas.focus();
  },

  quintaro_page_show_ended: function(code) {
    if (Module['onEnded']) Module['onEnded'](code);
  },

  // One character in the browser's sans-serif at `em64` / 64 pixels: its
  // coverage (width x height bytes) into `out`, and width, height, left,
  // top (rows above the baseline) and advance into `info`. 0 when the
  // browser has no glyph for it (nothing is drawn).
  quintaro_page_raster_glyph__deps: ['$QP'],
  quintaro_page_raster_glyph: function(code, bold, em64, out, capacity, info) {
    var text = String.fromCodePoint(code);
    if (!QP.glyphCanvas) {
      QP.glyphCanvas = document.createElement('canvas');
      QP.glyphCanvas.width = QP.glyphCanvas.height = 160;
    }
    var g = QP.glyphCanvas.getContext('2d', { willReadFrequently: true });
    g.font = (bold ? 'bold ' : '') + (em64 / 64) + 'px sans-serif';
    var m = g.measureText(text);
    var left = Math.floor(-m.actualBoundingBoxLeft);
    var right = Math.ceil(m.actualBoundingBoxRight);
    var top = Math.ceil(m.actualBoundingBoxAscent);
    var bottom = Math.ceil(m.actualBoundingBoxDescent);
    var w = Math.max(0, right - left), h = Math.max(0, top + bottom);
    if (w * h > capacity || w > 150 || h > 150) return 0;
    if (w > 0 && h > 0) {
      g.clearRect(0, 0, 160, 160);
      g.fillStyle = '#fff';
      g.textBaseline = 'alphabetic';
      g.fillText(text, 4 - left, 4 + top);
      var px = g.getImageData(4, 4, w, h).data;
      var any = false;
      for (var i = 0; i < w * h; ++i) {
        HEAPU8[out + i] = px[i * 4 + 3];
        if (px[i * 4 + 3]) any = true;
      }
      if (!any) return 0;
    } else if (m.width <= 0) {
      return 0;
    }
    var at = info >> 2;
    HEAP32[at] = w; HEAP32[at + 1] = h; HEAP32[at + 2] = left; HEAP32[at + 3] = top;
    HEAP32[at + 4] = Math.round(m.width);
    return 1;
  },

  // Web Audio plays the program's mixer. The context starts suspended until
  // the first click or key, as browsers ask. An AudioWorklet plays blocks
  // the page renders ahead on its own thread; a browser without one pulls
  // them through a ScriptProcessorNode instead.
  quintaro_page_audio_open__deps: ['$QP'],
  quintaro_page_audio_open: function() {
    try {
      var Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return 0;
      var ctx = new Context();
      QP.audio = ctx;
      if (ctx.audioWorklet && window.AudioWorkletNode) QP.openWorklet(ctx);
      else QP.openScriptProcessor(ctx);
      return ctx.sampleRate;
    } catch (err) {
      return 0;
    }
  },
};

// The page side of the sound: `n` frames from the program's mixer, as two
// channels of floats.
QuintaroPageLibrary.$QP.renderAudio = function(n) {
  var ptr = Module['_quintaro_web_audio_render'](n);
  var left = new Float32Array(n), right = new Float32Array(n);
  var base = ptr >> 1;
  var peak = 0;
  for (var i = 0; i < n; ++i) {
    var l = HEAP16[base + 2 * i], r = HEAP16[base + 2 * i + 1];
    left[i] = l / 32768;
    right[i] = r / 32768;
    peak = Math.max(peak, l < 0 ? -l : l, r < 0 ? -r : r);
  }
  // The loudest sample so far, for anyone checking that sound is heard.
  Module['quintaroAudioPeak'] = Math.max(Module['quintaroAudioPeak'] || 0, peak);
  return [left, right];
};

// The worklet keeps a queue of blocks and asks for more when it runs low;
// the page answers with the next block from the mixer.
QuintaroPageLibrary.$QP.workletSource = [
  'class QuintaroMixer extends AudioWorkletProcessor {',
  '  constructor() {',
  '    super(); this.blocks = []; this.at = 0; this.queued = 0; this.asked = false;',
  '    this.port.onmessage = (e) => { this.blocks.push(e.data); this.queued += e.data[0].length; this.asked = false; };',
  '  }',
  '  process(inputs, outputs) {',
  '    const out = outputs[0], n = out[0].length;',
  '    for (let i = 0; i < n && this.blocks.length;) {',
  '      const b = this.blocks[0], take = Math.min(n - i, b[0].length - this.at);',
  '      out[0].set(b[0].subarray(this.at, this.at + take), i);',
  '      if (out[1]) out[1].set(b[1].subarray(this.at, this.at + take), i);',
  '      i += take; this.at += take; this.queued -= take;',
  '      if (this.at >= b[0].length) { this.blocks.shift(); this.at = 0; }',
  '    }',
  '    if (this.queued < 3072 && !this.asked) { this.asked = true; this.port.postMessage(1024); }',
  '    return true;',
  '  }',
  '}',
  "registerProcessor('quintaro-mixer', QuintaroMixer);",
].join('\n');

QuintaroPageLibrary.$QP.openWorklet = function(ctx) {
  var url = URL.createObjectURL(new Blob([QP.workletSource], { type: 'text/javascript' }));
  ctx.audioWorklet.addModule(url).then(function() {
    var node = new AudioWorkletNode(ctx, 'quintaro-mixer', { numberOfInputs: 0, outputChannelCount: [2] });
    node.port.onmessage = function(e) {
      var block = QP.renderAudio(e.data);
      node.port.postMessage(block, [block[0].buffer, block[1].buffer]);
    };
    node.connect(ctx.destination);
    QP.audioNode = node;
    Module['quintaroAudioNode'] = 'AudioWorkletNode';
  }).catch(function() { QP.openScriptProcessor(ctx); });
};

QuintaroPageLibrary.$QP.openScriptProcessor = function(ctx) {
  var node = ctx.createScriptProcessor(2048, 0, 2);
  node.onaudioprocess = function(e) {
    var out = e.outputBuffer;
    var block = QP.renderAudio(out.length);
    out.getChannelData(0).set(block[0]);
    out.getChannelData(1).set(block[1]);
  };
  node.connect(ctx.destination);
  QP.audioNode = node;
  Module['quintaroAudioNode'] = 'ScriptProcessorNode';
};

autoAddDeps(QuintaroPageLibrary, '$QP');
mergeInto(LibraryManager.library, QuintaroPageLibrary);
