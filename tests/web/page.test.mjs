// The page in headless Chromium, played with keys and judged by its pixels.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import path from "node:path";
import {
  DATA_DIR, PICTURE_HEIGHT, PICTURE_WIDTH, changed, launch, pictureColour, readBmp, serve, shootCanvas, sleep,
  waitForMenu as waitForMenuOf,
} from "./browser.mjs";

let server;
let chromium;
let page;
const problems = [];

// Picture pixels above the panel in the colours that only the missiles'
// flames have.
async function flamePixels(shot) {
  const missile = await readBmp(path.join(DATA_DIR, "art/missle.bmp"));
  const world = (await readFile(path.join(DATA_DIR, "PALDATA2.PAL"), "utf8")).trim().split("\n")
    .map((line) => line.trim().split(/\s+/).slice(0, 3).map(Number));
  const used = new Set();
  for (let y = 0; y < missile.height; ++y) {
    for (let x = 0; x < missile.width; ++x) used.add(missile.index(x, y));
  }
  const flames = [...used].map((i) => world[i]).filter(([r, g, b]) => r > 240 && g > 100 && b < 200)
    .map((c) => c.join());
  let count = 0;
  for (let y = 0; y < PICTURE_HEIGHT - 40; ++y) {
    for (let x = 0; x < PICTURE_WIDTH; ++x) {
      if (flames.includes(pictureColour(shot, x, y).join())) ++count;
    }
  }
  return count;
}

async function waitForMenu(file, looks) {
  return waitForMenuOf(page, file, looks);
}

async function press(key) {
  await page.keyboard.press(key, { delay: 100 });
}

// Shorter than a frame (30 ms): the press and the release mostly both come
// in while the game waits between two frames, and the press must still act.
async function tap(key) {
  await page.keyboard.press(key, { delay: 10 });
}

before(async () => {
  server = await serve();
  chromium = await launch();
  page = await chromium.browser.newPage();
  await page.setViewport({ width: 1400, height: 1100 });
  page.on("console", (message) => {
    if (message.type() === "error") problems.push(message.text());
  });
  page.on("pageerror", (error) => problems.push(error.message));
  await page.goto(server.url, { waitUntil: "load" });
});

after(async () => {
  await chromium?.close();
  await server?.close();
});

test("the main menu fills the canvas, doubled in a window that holds twice its size", async () => {
  assert.ok(await waitForMenu("menuart/main_screen.bmp") >= 0.9);
  const shot = await shootCanvas(page);
  assert.equal(shot.factor, 2);
  assert.ok(await page.evaluate(() => document.activeElement.id === "canvas"));
});

test("after the first key, a tap, the sound runs and the key has reached the game", async () => {
  await tap("KeyN");
  await sleep(300);
  assert.equal(await page.evaluate(() => Module.SDL2.audioContext.state), "running");
  assert.ok(await waitForMenu("menuart/new_game_screen.bmp") >= 0.9);
});

test("play scrolls, fires and keeps the page still", async () => {
  await tap("KeyE");
  // A key held as the screen changes acts only when pressed again.
  await sleep(1500);
  await page.keyboard.down("ArrowUp");
  await page.keyboard.down("Space");
  await sleep(1500);
  const a = await shootCanvas(page);
  await sleep(300);
  const b = await shootCanvas(page);
  assert.ok(changed(a, b) > 0.2, "the river moves");
  await page.keyboard.up("Space");
  await sleep(1500);
  const flames = await flamePixels(b);
  assert.ok(flames > (await flamePixels(await shootCanvas(page))) + 4, `shots: ${flames} pixels`);
  await page.keyboard.up("ArrowUp");
  assert.deepEqual(await page.evaluate(() => [window.scrollX, window.scrollY]), [0, 0]);
});

test("Backspace returns to the main menu without leaving the page", async () => {
  const url = page.url();
  // A crash reads no keys for a second or so: a press then is not taken.
  let likeness = 0;
  for (let tries = 0; tries < 3 && likeness < 0.9; ++tries) {
    await press("Backspace");
    likeness = await waitForMenu("menuart/main_screen.bmp", 15);
  }
  assert.ok(likeness >= 0.9);
  assert.equal(page.url(), url);
});

test("losing the focus pauses play, and P goes on", async () => {
  await tap("KeyN");
  assert.ok(await waitForMenu("menuart/new_game_screen.bmp") >= 0.9);
  await tap("KeyE");
  await sleep(1500);
  await page.keyboard.down("ArrowUp");
  await sleep(2000);
  await page.evaluate(() => window.dispatchEvent(new FocusEvent("blur")));
  await sleep(300);
  const a = await shootCanvas(page);
  await sleep(500);
  assert.equal(changed(a, await shootCanvas(page)), 0, "nothing moves while paused");
  await page.evaluate(() => window.dispatchEvent(new FocusEvent("focus")));
  await page.keyboard.up("ArrowUp");
  await press("KeyP");
  await sleep(300);
  await page.keyboard.down("ArrowUp");
  await sleep(300);
  const c = await shootCanvas(page);
  await sleep(300);
  assert.ok(changed(c, await shootCanvas(page)) > 0.2, "play goes on");
  await page.keyboard.up("ArrowUp");
});

test("no error in the console", () => {
  assert.deepEqual(problems, []);
});
