// Start-up of the page, before the program runs: where its lines go, and
// what the page says when the program cannot start in this browser.
Module['print'] = function(text) { console.log(text); };
Module['printErr'] = function(text) { console.error(text); };
Module['onAbort'] = function() {
  const root = document.documentElement;
  // Before the program ran it could not start here; after, it stopped.
  const failure = document.getElementById(root.dataset.trailset === 'loading' ? 'failure-start' : 'failure-run');
  root.dataset.trailset = 'failed';
  if (failure) failure.hidden = false;
};
// The page asks for its files with a mark of their content (index.html),
// so a browser that keeps an earlier version in its cache never mixes it
// with this one: the program's WebAssembly comes with this script's mark.
Module['locateFile'] = (function(mark) {
  return function(path, prefix) { return prefix + path + mark; };
})(document.currentScript ? new URL(document.currentScript.src).search : '');
document.documentElement.dataset.trailset = 'loading';
