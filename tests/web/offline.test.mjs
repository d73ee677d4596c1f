// The page as an installed app: its manifest and icons, Chromium's
// installability check, the game started and played with the host gone, a
// new release that takes over whole with the player's scores kept, and a
// host caught between two releases.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { createHash } from "node:crypto";
import { appendFile, cp, mkdtemp, readFile, rm, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import path from "node:path";
import {
  PAGE_DIR, ROOT, changed, decodePng, launch, serve, shootCanvas, sleep, waitForMenu,
} from "./browser.mjs";
import { enterInitials, pageWithHook, waitForStoredFile } from "./profile.mjs";
import { stampWorker } from "../../web/stamp_worker.mjs";

const WORKER_SOURCE = path.join(ROOT, "web/service-worker.js");
// A game on medium that ends with 300 points, which makes an empty table.
const REPLAY = path.join(ROOT, "tests/demos/recorded_game_medium.demo");

let chromium;
const copies = [];

// The page's folder copied, for a test that changes or serves it alone.
async function pageCopy() {
  const dir = await mkdtemp(path.join(tmpdir(), "wavedart-page-"));
  copies.push(dir);
  await cp(PAGE_DIR, dir, { recursive: true });
  return dir;
}

// The release the built worker keeps: { stamp, files: name to SHA-256 }.
async function builtRelease(dir = PAGE_DIR) {
  const worker = await readFile(path.join(dir, "service-worker.js"), "utf8");
  return JSON.parse(worker.slice(worker.indexOf("{"), worker.indexOf("};") + 1));
}

// A page in a browser context of its own, so that no worker or cache of
// another test is there; it notes the page's errors.
async function freshPage() {
  const context = await chromium.browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1400, height: 1100 });
  page.problems = [];
  page.on("console", (message) => {
    if (message.type() === "error") page.problems.push(message.text());
  });
  page.on("pageerror", (error) => page.problems.push(error.message));
  return page;
}

// The worker's state once it is done installing: "activated", or
// "redundant" when its install failed. Registering again, as the page does
// at its load, gives the registration under way, or a new try once a
// failed one has gone.
function settledWorker(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.register("service-worker.js");
    const worker = registration.installing || registration.waiting || registration.active;
    for (let tries = 0; tries < 300 && !["activated", "redundant"].includes(worker.state); ++tries) {
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    return worker.state;
  });
}

// The next release in the copy at dir: its page, its script and its module
// changed (comments, a custom section), as a build of other sources would
// change them; the worker stamped for them.
async function nextRelease(dir) {
  await appendFile(path.join(dir, "index.html"), "<!-- release 2 -->\n");
  await appendFile(path.join(dir, "wavedart.js"), "\n// release 2\n");
  await appendFile(path.join(dir, "wavedart.wasm"), Buffer.from([0, 9, 7, ...Buffer.from("release2")]));
  return stampWorker(WORKER_SOURCE, dir, "1.0.0", Object.keys((await builtRelease(dir)).files));
}

// The SHA-256 of the files named, as the page is served them from the
// next navigation on: resolves once all have come.
function servedFiles(page, names) {
  return new Promise((resolve) => {
    const served = new Map();
    const listen = (response) => {
      const name = new URL(response.url()).pathname.slice(1) || "index.html";
      if (response.status() !== 200 || !names.includes(name)) return;
      const digest = response.buffer().then((body) => createHash("sha256").update(body).digest("hex"));
      // A response overtaken by a later one of the same name may have lost
      // its body: only the one kept is compared, and its failure fails it.
      digest.catch(() => {});
      served.set(name, digest);
      if (served.size === names.length) {
        page.off("response", listen);
        resolve(Promise.all(names.map((each) => served.get(each))));
      }
    };
    page.on("response", listen);
  });
}

function waitingWorker(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    for (let tries = 0; tries < 300 && registration.waiting?.state !== "installed"; ++tries) {
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    return registration.waiting?.state;
  });
}

async function playsEasy(page) {
  await page.keyboard.press("KeyN", { delay: 100 });
  assert.ok(await waitForMenu(page, "menuart/new_game_screen.bmp") >= 0.9, "new game screen");
  await page.keyboard.press("KeyE", { delay: 100 });
  await sleep(1500);
  await page.keyboard.down("ArrowUp");
  await sleep(1000);
  const a = await shootCanvas(page);
  await sleep(300);
  assert.ok(changed(a, await shootCanvas(page)) > 0.2, "the river moves");
  await page.keyboard.up("ArrowUp");
}

before(async () => {
  chromium = await launch();
});

after(async () => {
  await chromium?.close();
  await Promise.all(copies.map((dir) => rm(dir, { recursive: true, force: true })));
});

test("the manifest names the game, and its icons are the sizes it says, the maskable one opaque to its corners",
  async () => {
    const manifest = JSON.parse(await readFile(path.join(PAGE_DIR, "manifest.webmanifest"), "utf8"));
    assert.equal(manifest.name, "Wavedart");
    assert.equal(manifest.display, "fullscreen");
    assert.equal(manifest.orientation, "landscape");
    assert.deepEqual(manifest.icons.map((icon) => [icon.sizes, icon.purpose]),
                     [["192x192", "any"], ["512x512", "any"], ["512x512", "maskable"]]);
    const release = await builtRelease();
    for (const icon of manifest.icons) {
      const png = decodePng(await readFile(path.join(PAGE_DIR, icon.src)));
      assert.equal(`${png.width}x${png.height}`, icon.sizes, icon.src);
      assert.ok(icon.src in release.files, `${icon.src} is kept for offline`);
      const corner = [...png.rgb.subarray(0, 3)];
      if (icon.purpose === "maskable") assert.notDeepEqual(corner, [0, 0, 0], icon.src);
      else assert.deepEqual(corner, [0, 0, 0], `${icon.src}: a transparent corner`);
    }
  });

test("Chromium's installability check finds nothing wrong", async () => {
  const server = await serve();
  try {
    const page = await chromium.browser.newPage();
    await page.goto(server.url, { waitUntil: "load" });
    assert.equal(await settledWorker(page), "activated");
    const session = await page.createCDPSession();
    const { errors } = await session.send("Page.getAppManifest");
    assert.deepEqual(errors, []);
    const { installabilityErrors } = await session.send("Page.getInstallabilityErrors");
    assert.deepEqual(installabilityErrors, []);
    await page.close();
  } finally {
    await server.close();
  }
});

test("with the network off and the host gone, the page starts from what the worker kept, and a game plays",
  async () => {
    const server = await serve();
    const page = await freshPage();
    await page.goto(server.url, { waitUntil: "load" });
    assert.ok(await waitForMenu(page, "menuart/main_screen.bmp") >= 0.9);
    assert.equal(await settledWorker(page), "activated");
    const release = await builtRelease();
    assert.deepEqual(await page.evaluate(() => caches.keys()), [`wavedart-${release.stamp}`]);

    await page.setOfflineMode(true);
    await server.close();
    const fromWorker = [];
    page.on("response", (response) => fromWorker.push([new URL(response.url()).pathname,
                                                       response.fromServiceWorker()]));
    await page.reload({ waitUntil: "load" });
    assert.ok(await waitForMenu(page, "menuart/main_screen.bmp") >= 0.9, "the menu");
    await playsEasy(page);
    for (const name of ["/", "/wavedart.js", "/wavedart.wasm", "/wavedart.data"]) {
      assert.deepEqual(fromWorker.find(([file]) => file === name), [name, true]);
    }
    assert.deepEqual(page.problems, []);
    await page.browserContext().close();
  });

test("a file that is not the release's fails the worker's install: nothing is kept and the page plays online",
  async () => {
    const dir = await pageCopy();
    await appendFile(path.join(dir, "wavedart.js"), "\n// a later build\n");
    const server = await serve(dir);
    try {
      const page = await freshPage();
      await page.goto(server.url, { waitUntil: "load" });
      assert.equal(await settledWorker(page), "redundant");
      assert.deepEqual(await page.evaluate(() => caches.keys()), []);
      assert.ok(await waitForMenu(page, "menuart/main_screen.bmp") >= 0.9);
      await playsEasy(page);
      await page.browserContext().close();
    } finally {
      await server.close();
    }
  });

test("a new release takes over whole at the second load after it is served, and the scores stay",
  { timeout: 180000 }, async () => {
    const dir = await pageCopy();
    await writeFile(path.join(dir, "index.html"), await pageWithHook(await readFile(REPLAY, "utf8")));
    const first = stampWorker(WORKER_SOURCE, dir, "1.0.0", Object.keys((await builtRelease(dir)).files));
    const server = await serve(dir);
    try {
      const page = await freshPage();
      await page.goto(server.url, { waitUntil: "load" });
      assert.ok(await waitForMenu(page, "menuart/new_high_score_screen.bmp", 100) >= 0.9, "asks for initials");
      await enterInitials(page);
      const scores = await waitForStoredFile(page, "scores.txt");
      assert.match(scores ?? "", /^medium WDT 300 /m);
      assert.equal(await settledWorker(page), "activated");

      const second = await nextRelease(dir);
      assert.notEqual(second.stamp, first.stamp);
      const GAME_FILES = ["index.html", "wavedart.js", "wavedart.wasm", "wavedart.data"];
      const digests = (release) => GAME_FILES.map((name) => release.files[name]);
      let served = servedFiles(page, GAME_FILES);
      await page.reload({ waitUntil: "load" });
      assert.deepEqual(await served, digests(first), "the release before serves until the new one is in");
      assert.equal(await waitingWorker(page), "installed");

      served = servedFiles(page, GAME_FILES);
      await page.reload({ waitUntil: "load" });
      assert.deepEqual(await served, digests(second), "the new release's files only");
      assert.ok(await waitForMenu(page, "menuart/main_screen.bmp") >= 0.9, "the menu");
      assert.deepEqual(await page.evaluate(() => caches.keys()), [`wavedart-${second.stamp}`]);
      assert.equal(await waitForStoredFile(page, "scores.txt"), scores);
      assert.deepEqual(page.problems, []);
      await page.browserContext().close();
    } finally {
      await server.close();
    }
  });
