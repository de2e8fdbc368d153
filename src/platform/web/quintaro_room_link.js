// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the link to a game server: which addresses the
// browser will open from this page, the page's own server, and the wake
// that ends the program's wait when a message arrives.
var QuintaroRoomLinkLibrary = {
  // 0: usable; 1: not a ws:// or wss:// address; 2: an unencrypted address
  // from an https page, which the browser refuses (it would throw).
  quintaro_page_check_socket_url: function(url) {
    var parsed;
    try { parsed = new URL(UTF8ToString(url)); } catch (e) { return 1; }
    if ((parsed.protocol !== 'ws:' && parsed.protocol !== 'wss:') || !parsed.hostname || parsed.hash) return 1;
    if (parsed.protocol === 'ws:' && typeof location !== 'undefined' && location.protocol === 'https:') return 2;
    return 0;
  },

  // The server that served the page answers rooms at /room, through the same
  // proxy; a page opened from a file looks for a server on this machine.
  quintaro_page_room_url: function(buffer, size) {
    var url = 'ws://127.0.0.1:8152/room';
    if (typeof location !== 'undefined' && (location.protocol === 'https:' || location.protocol === 'http:') && location.host) {
      url = (location.protocol === 'https:' ? 'wss://' : 'ws://') + location.host + '/room';
    }
    stringToUTF8(url, buffer, size);
  },

  // Called from inside the program (a socket callback): ending the wait
  // there would resume the program's stack within that call, so it is ended
  // once the callback has returned.
  quintaro_page_wake__deps: ['$QP'],
  quintaro_page_wake: function() { queueMicrotask(QP.wakeUp); },
};

mergeInto(LibraryManager.library, QuintaroRoomLinkLibrary);
