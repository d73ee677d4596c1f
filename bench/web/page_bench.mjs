// The page's figures in headless Chromium, served from 127.0.0.1: the time
// from the request to the main menu on the canvas, the gzip-compressed size
// of the whole page, and in play the game's own work per frame (its update,
// draw and present between two waits) and the frame period.
//
// Usage: node bench/web/page_bench.mjs [seconds of play, default 20]
// (puppeteer-core comes from tests/web: run make test-web once first.)
import { readdirSync, readFileSync } from "node:fs";
import path from "node:path";
import zlib from "node:zlib";
import { PAGE_DIR, launch, serve, shootCanvas } from "../../tests/web/browser.mjs";

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const playSeconds = Number(process.argv[2] || 20);

// Every callback by which the page comes back to the game (a timer, or a
// message it sent itself) is timed. The callback that ends in a wait of some
// length is the one that ran a frame: a play frame then waits out most of
// its 30 ms (a fade's step waits under 12 ms, a crash a whole second), and
// its start is the frame's start.
function timeTheFrames() {
  const frames = [];
  const plainSetTimeout = window.setTimeout;
  let asked = 0;
  const timed = (callback, args) => {
    const start = performance.now();
    asked = 0;
    try {
      callback(...args);
    } finally {
      if (asked >= 3) frames.push([start, performance.now() - start, asked]);
    }
  };
  window.setTimeout = (callback, delay, ...rest) => {
    asked = Math.max(asked, delay || 0);
    return plainSetTimeout((...args) => timed(callback, args), delay, ...rest);
  };
  const onmessage = Object.getOwnPropertyDescriptor(MessagePort.prototype, "onmessage");
  Object.defineProperty(MessagePort.prototype, "onmessage", {
    get() { return onmessage.get.call(this); },
    set(callback) { onmessage.set.call(this, (...args) => timed(callback, args)); },
  });
  window.wavedartFrames = frames;
}

function percentile(sorted, p) {
  return sorted[Math.min(sorted.length - 1, Math.floor(p / 100 * sorted.length))];
}

function report(name, values) {
  const sorted = [...values].sort((a, b) => a - b);
  const figure = (v) => v.toFixed(2);
  console.log(`${name}: min ${figure(sorted[0])}  median ${figure(percentile(sorted, 50))}  ` +
              `p99 ${figure(percentile(sorted, 99))}  max ${figure(sorted[sorted.length - 1])} ms` +
              `  (${sorted.length} frames)`);
}

let compressed = 0;
for (const name of readdirSync(PAGE_DIR).filter((file) => !file.endsWith(".zip"))) {
  compressed += zlib.gzipSync(readFileSync(path.join(PAGE_DIR, name)), { level: 9 }).length;
}
console.log(`page, gzip-compressed: ${(compressed / 1048576).toFixed(2)} MiB`);

const server = await serve();
const chromium = await launch();
try {
  const page = await chromium.browser.newPage();
  await page.setViewport({ width: 1400, height: 1100 });
  await page.evaluateOnNewDocument(timeTheFrames);
  const requested = Date.now();
  await page.goto(server.url, { waitUntil: "load" });
  // The menu is up once the canvas shows more than a few colours.
  for (;;) {
    const shot = await shootCanvas(page);
    const colours = new Set();
    for (let i = 0; i < shot.rgb.length; i += 3 * 997) colours.add(shot.rgb.readUIntBE(i, 3));
    if (colours.size > 20) break;
    await sleep(10);
  }
  console.log(`request to main menu on the canvas: ${Date.now() - requested} ms`);

  for (const key of ["KeyN", "KeyE"]) {
    await page.keyboard.press(key, { delay: 50 });
    await sleep(1500);
  }
  await page.keyboard.down("ArrowUp");
  await page.keyboard.down("Space");
  const from = await page.evaluate(() => window.wavedartFrames.length);
  await sleep(playSeconds * 1000);
  const waits = (await page.evaluate(() => window.wavedartFrames)).slice(from);
  const play = waits.map(([, , asked]) => asked >= 15 && asked < 30);
  report("work per play frame", waits.filter((_, i) => play[i]).map(([, work]) => work));
  const periods = [];
  for (let i = 1; i < waits.length; ++i) {
    if (play[i] && play[i - 1]) periods.push(waits[i][0] - waits[i - 1][0]);
  }
  report("play frame period", periods);
} finally {
  await chromium.close();
  await server.close();
}
