// Registers the service worker that keeps the page's files for playing
// offline, once the page has loaded, so that its filling the cache does not
// slow the first start. A browser without workers plays online as before.
"use strict";
if ("serviceWorker" in navigator) {
  window.addEventListener("load", () => {
    navigator.serviceWorker.register("service-worker.js").catch((error) => {
      console.warn(`Wavedart will not play offline: ${error.message}`);
    });
  });
}
