// A turn of the page that comes back as soon as the page is idle: a timer
// asked for 0 ms is held back to 4 ms once timers nest, as every wait of the
// game does, and would stretch the frames; a message the page sends itself
// is not held back.
mergeInto(LibraryManager.library, {
  WavedartYieldToPage__deps: ["$Asyncify"],
  WavedartYieldToPage: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      var channel = new MessageChannel();
      channel.port1.onmessage = function() { wakeUp(); };
      channel.port2.postMessage(0);
    });
  },
});
