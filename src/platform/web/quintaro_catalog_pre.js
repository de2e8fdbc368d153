// SPDX-License-Identifier: GPL-3.0-or-later
// The page fetches one translation, the one it will speak, before the
// program starts: the language chosen in Options > Language (kept in the
// stored settings), else the browser's first language the program speaks.
// English needs none. A language chosen during a visit is spoken from the
// next load of the page.
(function() {
  var shipped = ['de', 'es', 'fr', 'he'];
  var settingsDir = '/settings/Orvane';

  function chosenInSettings() {
    var names = [];
    try { names = FS.readdir(settingsDir); } catch (e) { return ''; }
    for (var i = 0; i < names.length; ++i) {
      var text = '';
      try { text = FS.readFile(settingsDir + '/' + names[i], { encoding: 'utf8' }); } catch (e) { continue; }
      var found = /^\[Settings\][^\[]*?^Language=([A-Za-z]*)/m.exec(text);
      if (found) return found[1].toLowerCase();
    }
    return '';
  }

  function browserLanguage() {
    var list = (navigator.languages && navigator.languages.length) ? navigator.languages : [navigator.language || 'en'];
    for (var i = 0; i < list.length; ++i) {
      var code = String(list[i]).substring(0, 2).toLowerCase();
      if (code === 'en' || shipped.indexOf(code) >= 0) return code;
    }
    return 'en';
  }

  Module['preRun'] = Module['preRun'] || [];
  Module['preRun'].push(function() {
    var chosen = chosenInSettings();
    var code = chosen === 'en' || shipped.indexOf(chosen) >= 0 ? chosen : browserLanguage();
    if (shipped.indexOf(code) < 0) return;
    addRunDependency('catalog');
    fetch('locale-' + code + '.mo')
      .then(function(response) { return response.ok ? response.arrayBuffer() : null; })
      .then(function(bytes) {
        if (!bytes) return;
        FS.mkdirTree('/locale/' + code + '/LC_MESSAGES');
        FS.writeFile('/locale/' + code + '/LC_MESSAGES/quintaro.mo', new Uint8Array(bytes));
      })
      .catch(function() {})
      .then(function() { removeRunDependency('catalog'); });
  });
})();
