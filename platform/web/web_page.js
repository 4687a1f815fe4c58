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
document.documentElement.dataset.trailset = 'loading';
