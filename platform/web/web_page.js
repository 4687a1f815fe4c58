// Start-up of the page, before the program runs: where its lines go, and
// what the page says when the program cannot start in this browser.
Module['print'] = function(text) { console.log(text); };
Module['printErr'] = function(text) { console.error(text); };
Module['onAbort'] = function() {
  document.documentElement.dataset.trailset = 'failed';
  const failure = document.getElementById('failure');
  if (failure) failure.hidden = false;
};
document.documentElement.dataset.trailset = 'loading';
