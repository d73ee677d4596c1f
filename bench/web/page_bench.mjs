// The page's figures in headless Chromium, served from 127.0.0.1: the time
// from the request to the main menu on the canvas, the gzip-compressed size
// of the whole page (its service worker, manifest and icons included)
// against its 2 MB budget, and in play the game's own work per frame (its
// update, draw and present between two waits) and the frame period.
//
// Usage: node bench/web/page_bench.mjs [SECONDS] [--cpu-slowdown N]
//   SECONDS          of play after 5 s of warm-up (default 20)
//   --cpu-slowdown   Chromium's CPU throttling, N times slower: 4 is a
//                    mid-range phone, where a frame must come every 34 ms at
//                    the 99th percentile and its work take under 8 ms
// (puppeteer-core comes from tests/web: run make test-web once first.)
import { readdirSync, readFileSync } from "node:fs";
import path from "node:path";
import zlib from "node:zlib";
import { PAGE_DIR, launch, serve, shootCanvas } from "../../tests/web/browser.mjs";

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const args = process.argv.slice(2);
const slowdownAt = args.indexOf("--cpu-slowdown");
const slowdown = slowdownAt >= 0 ? Number(args.splice(slowdownAt, 2)[1]) : 1;
const playSeconds = Number(args[0] || 20);
if (!(slowdown >= 1) || !(playSeconds > 0)) {
  console.error("usage: node bench/web/page_bench.mjs [SECONDS] [--cpu-slowdown N]");
  process.exit(2);
}
const WARM_UP_SECONDS = 5;
const BUDGET_BYTES = 2 * 1048576;

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

// The moment the game first hands the canvas a picture of many colours,
// from the start of the navigation: the menu, as the page draws it. The
// picture is read where it is handed over (an ImageData for a 2D canvas,
// the pixels uploaded to the texture for WebGL), without asking the canvas
// for anything it would have to finish drawing first.
function timeTheMenu() {
  const seen = (bytes) => {
    if (window.wavedartMenuAt !== undefined || !bytes || bytes.length < 4 * 640 * 480) return;
    const colours = new Set();
    for (let i = 0; i < bytes.length; i += 4 * 997) colours.add(bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2]);
    if (colours.size > 20) window.wavedartMenuAt = performance.now();
  };
  const putImageData = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (image, ...rest) {
    seen(image.data);
    window.wavedartContext = "2d";
    return putImageData.call(this, image, ...rest);
  };
  for (const Context of [WebGLRenderingContext, WebGL2RenderingContext]) {
    const texSubImage2D = Context.prototype.texSubImage2D;
    Context.prototype.texSubImage2D = function (...args) {
      const pixels = args[args.length - 1];
      if (ArrayBuffer.isView(pixels)) seen(new Uint8Array(pixels.buffer, pixels.byteOffset, pixels.byteLength));
      window.wavedartContext = Context.name;
      return texSubImage2D.apply(this, args);
    };
  }
}

function percentile(sorted, p) {
  return sorted[Math.min(sorted.length - 1, Math.floor(p / 100 * sorted.length))];
}

// One line of figures, and against a goal for the 99th percentile if given.
function report(name, values, goal) {
  const sorted = [...values].sort((a, b) => a - b);
  const figure = (v) => v.toFixed(2);
  const p99 = percentile(sorted, 99);
  const against = goal === undefined ? "" : `  ${p99 < goal ? "under" : "OVER"} the ${goal} ms goal`;
  console.log(`${name}: min ${figure(sorted[0])}  median ${figure(percentile(sorted, 50))}  ` +
              `p99 ${figure(p99)}  max ${figure(sorted[sorted.length - 1])} ms` +
              `  (${sorted.length} frames)${against}`);
}

let compressed = 0;
for (const name of readdirSync(PAGE_DIR).filter((file) => !file.endsWith(".zip"))) {
  compressed += zlib.gzipSync(readFileSync(path.join(PAGE_DIR, name)), { level: 9 }).length;
}
console.log(`page, gzip-compressed: ${(compressed / 1048576).toFixed(2)} MiB ` +
            `(${compressed <= BUDGET_BYTES ? "within" : "OVER"} its ${BUDGET_BYTES / 1048576} MiB budget)`);

const server = await serve();
const chromium = await launch();
try {
  const page = await chromium.browser.newPage();
  await page.setViewport({ width: 1400, height: 1100 });
  await page.evaluateOnNewDocument(timeTheFrames);
  await page.evaluateOnNewDocument(timeTheMenu);
  if (slowdown > 1) {
    const session = await page.createCDPSession();
    await session.send("Emulation.setCPUThrottlingRate", { rate: slowdown });
    console.log(`CPU ${slowdown} times slower`);
  }
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
  const seenAt = Date.now() - requested;
  const { menuAt, origin, context } = await page.evaluate(() => ({
    menuAt: window.wavedartMenuAt, origin: performance.timeOrigin, context: window.wavedartContext }));
  console.log(`request to the main menu handed to the canvas: ${(origin + menuAt - requested).toFixed(0)} ms ` +
              `(${context}); seen on a screenshot after ${seenAt} ms, the screenshots' own time included`);

  for (const key of ["KeyN", "KeyE"]) {
    await page.keyboard.press(key, { delay: 50 });
    await sleep(1500);
  }
  await page.keyboard.down("ArrowUp");
  await page.keyboard.down("Space");
  // The browser compiles the game's busiest functions again, optimised, in
  // the first seconds of play: frames run slower until then.
  const everyFrom = await page.evaluate(() => window.wavedartFrames.length);
  await sleep(WARM_UP_SECONDS * 1000);
  const from = await page.evaluate(() => window.wavedartFrames.length);
  await sleep(playSeconds * 1000);
  const every = await page.evaluate(() => window.wavedartFrames);
  const isPlay = ([, , asked]) => asked >= 15 && asked < 30;
  report(`work per play frame, first ${WARM_UP_SECONDS} s of play`,
         every.slice(everyFrom, from).filter(isPlay).map(([, work]) => work));
  const waits = every.slice(from);
  const play = waits.map(isPlay);
  const goals = slowdown === 4;
  report("work per play frame, after them", waits.filter((_, i) => play[i]).map(([, work]) => work),
         goals ? 8 : undefined);
  const periods = [];
  for (let i = 1; i < waits.length; ++i) {
    if (play[i] && play[i - 1]) periods.push(waits[i][0] - waits[i - 1][0]);
  }
  report("play frame period", periods, goals ? 34 : undefined);
} finally {
  await chromium.close();
  await server.close();
}
