// Keeps the page's files so that the game starts and plays with no network.
// The build puts before this the release's BUILD: its stamp and the SHA-256
// of each file, so that every release is a new worker with a cache of its
// own, named by its stamp.
//
// A page is served whole by one release: a new worker fills its cache while
// the old one serves, takes over only at a navigation that no other page of
// the game is open beside, and then has that navigation loaded again, from
// its own files, before any of them is read.
"use strict";

const CACHE = "wavedart-" + BUILD.stamp;
const PREFIX = "wavedart-";
const TAKE_OVER = "take over";
const TAKE_OVER_WAIT_MS = 3000;

function fileUrl(name) {
  return new URL(name, self.registration.scope).href;
}

function hex(buffer) {
  return Array.from(new Uint8Array(buffer), (byte) => byte.toString(16).padStart(2, "0")).join("");
}

// Every file straight from the host, each checked against its digest: a
// host caught between two releases fails the install, and the release
// before goes on serving until the next try.
async function fill() {
  const cache = await caches.open(CACHE);
  const responses = await Promise.all(Object.entries(BUILD.files).map(async ([name, digest]) => {
    const response = await fetch(fileUrl(name), { cache: "no-store" });
    if (!response.ok) throw new Error(`${name}: ${response.status}`);
    const got = hex(await crypto.subtle.digest("SHA-256", await response.clone().arrayBuffer()));
    if (got !== digest) throw new Error(`${name} is not the one of release ${BUILD.stamp}`);
    return [name, response];
  }));
  await Promise.all(responses.map(([name, response]) => cache.put(fileUrl(name), response)));
}

self.addEventListener("install", (event) => {
  event.waitUntil(fill().catch(async (error) => {
    await caches.delete(CACHE);
    throw error;
  }));
});

// Only now is no page served from the older caches.
self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith(PREFIX) && name !== CACHE).map((name) => caches.delete(name)))));
});

self.addEventListener("message", (event) => {
  if (event.data === TAKE_OVER) self.skipWaiting();
});

function activated(worker) {
  return new Promise((resolve) => {
    const done = () => {
      if (worker.state === "activated" || worker.state === "redundant") resolve();
    };
    worker.addEventListener("statechange", done);
    setTimeout(resolve, TAKE_OVER_WAIT_MS);
    done();
  });
}

async function fromCache(name, request) {
  const cache = await caches.open(CACHE);
  return (await cache.match(fileUrl(name))) || fetch(request);
}

async function navigate(request) {
  const waiting = self.registration.waiting;
  if (waiting && (await self.clients.matchAll({ type: "window" })).length < 2) {
    waiting.postMessage(TAKE_OVER);
    await activated(waiting);
    // The page's own icon, or the browser asks the host for one it has not.
    return new Response('<!doctype html><link rel="icon" href="icon-192.png">', {
      headers: { "Content-Type": "text/html", "Refresh": "0", "Cache-Control": "no-store" },
    });
  }
  return fromCache("index.html", request);
}

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET") return;
  const url = new URL(request.url);
  url.search = "";
  url.hash = "";
  const scope = self.registration.scope;
  if (request.mode === "navigate" && (url.href === scope || url.href === fileUrl("index.html"))) {
    event.respondWith(navigate(request));
    return;
  }
  if (!url.href.startsWith(scope)) return;
  const name = url.href.slice(scope.length);
  if (Object.hasOwn(BUILD.files, name)) event.respondWith(fromCache(name, request));
});
