// SPDX-License-Identifier: GPL-3.0-or-later
// Before the program starts: its settings folder is filled from the
// browser's storage, and every change the program makes there (a save is a
// whole new file renamed into place) is copied back as a whole.
(function() {
  var dir = '/settings/Orvane';
  var prefix = 'quintaro:';

  function storage() {
    try { return window.localStorage; } catch (e) { return null; }
  }

  // The file's bytes as stored text: UTF-8 when they are UTF-8, else one
  // character per byte under a marked key, so a broken file is kept exactly.
  function encode(bytes) {
    try {
      return { text: new TextDecoder('utf-8', { fatal: true }).decode(bytes), raw: false };
    } catch (e) {
      var s = '';
      for (var i = 0; i < bytes.length; ++i) s += String.fromCharCode(bytes[i]);
      return { text: s, raw: true };
    }
  }

  function decode(text, raw) {
    if (!raw) return new TextEncoder().encode(text);
    var bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 255;
    return bytes;
  }

  function restore() {
    var store = storage();
    FS.mkdirTree(dir);
    if (!store) return;
    for (var i = 0; i < store.length; ++i) {
      var key = store.key(i);
      if (!key || key.indexOf(prefix) !== 0) continue;
      var name = key.substring(prefix.length);
      var raw = name.indexOf('raw:') === 0;
      if (raw) name = name.substring(4);
      if (!name || name.indexOf('/') >= 0 || name === '.' || name === '..') continue;
      try { FS.writeFile(dir + '/' + name, decode(store.getItem(key) || '', raw)); } catch (e) {}
    }
  }

  // Copies the folder to storage: new and changed files, and forgets the
  // files that are gone.
  function mirror() {
    var store = storage();
    if (!store) return;
    var names;
    // The lock file only matters while a save runs.
    try { names = FS.readdir(dir).filter(function(n) { return n !== '.' && n !== '..' && !/\.lock$/.test(n); }); } catch (e) { return; }
    var keep = {};
    names.forEach(function(name) {
      var bytes;
      try {
        if (!FS.isFile(FS.stat(dir + '/' + name).mode)) return;
        bytes = FS.readFile(dir + '/' + name);
      } catch (e) { return; }
      var stored = encode(bytes);
      var key = prefix + (stored.raw ? 'raw:' : '') + name;
      keep[key] = true;
      try {
        if (store.getItem(key) !== stored.text) store.setItem(key, stored.text);
      } catch (e) {
        if (Module['onStorageFull']) Module['onStorageFull'](e);
      }
    });
    for (var i = store.length - 1; i >= 0; --i) {
      var key = store.key(i);
      if (key && key.indexOf(prefix) === 0 && !keep[key]) store.removeItem(key);
    }
  }

  function inSettings(path) { return typeof path === 'string' && path.indexOf(dir + '/') === 0; }

  Module['preRun'] = Module['preRun'] || [];
  Module['preRun'].push(function() {
    restore();
    // A save writes a whole new file and renames it over the old one: the
    // storage takes the new text in one piece at that moment.
    var rename = FS.rename, unlink = FS.unlink, close = FS.close;
    FS.rename = function(from, to) {
      var result = rename.apply(FS, arguments);
      if (inSettings(to) || inSettings(from)) mirror();
      return result;
    };
    FS.unlink = function(path) {
      var result = unlink.apply(FS, arguments);
      if (inSettings(path)) mirror();
      return result;
    };
    FS.close = function(stream) {
      var path = stream && stream.path;
      var result = close.apply(FS, arguments);
      // A copy kept of a file that could not be read (a save's own new file
      // is taken when it is renamed into place).
      if (inSettings(path) && (stream.flags & 3) && path.indexOf('.bad-') >= 0) mirror();
      return result;
    };
  });
})();
