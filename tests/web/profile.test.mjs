// The player's profile in the page: a game that makes the table, initials
// typed with keys, the entry still there after a reload and its replay
// played from the table; the options kept over a reload; and a browser that
// keeps nothing for the page.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdir, readFile, writeFile } from "node:fs/promises";
import path from "node:path";
import {
  DATA_DIR, PICTURE_WIDTH, ROOT, changed, launch, likeMenuFile, pictureColour, readBmp, serve, shootCanvas,
  sleep, waitForMenu,
} from "./browser.mjs";
import { enterInitials, pageWithHook, press, waitForStoredFile, waitForStoredText } from "./profile.mjs";

// A game on medium that the game recorded on Linux: it ends in 141 frames,
// game over with 300 points, which makes an empty table.
const REPLAY = path.join(ROOT, "tests/demos/recorded_game_medium.demo");
const REPLAY_TOOL = path.join(ROOT, "build/web-build/tools/replay/replay.js");
// Pictures for a person to look at.
const SHOTS = path.join(ROOT, "build/web-test");
const TABLE = "menuart/high_scores_screen.bmp";
const GAME_OVER = "menuart/game_over_screen.bmp";
const TABLE_ROW_FIRST_Y = 172;
const TABLE_NOTE_Y = 264;
const MAIN = "menuart/main_screen.bmp";
const OPTIONS = "menuart/options_screen.bmp";
// The middle of the sound volume's last cell, lit at 10 and dim at 9.
const VOLUME_LAST_CELL = [516, 136];

let server;
let chromium;

// A page of its own that notes the game's lines and the page's errors, in
// the browser context given (a new one has storage of its own).
async function openPage(url, prepare = async () => {}, context = chromium.browser) {
  const page = await context.newPage();
  await page.setViewport({ width: 1400, height: 1100 });
  page.said = [];
  page.problems = [];
  page.on("console", (message) => {
    if (message.text().startsWith("wavedart:")) page.said.push(message.text());
    else if (message.type() === "error") page.problems.push(message.text());
  });
  page.on("pageerror", (error) => page.problems.push(error.message));
  await prepare(page);
  await page.goto(url, { waitUntil: "load" });
  return page;
}

// Picture pixels on a text row of the table screen (16 high, from y, between
// the box's edges) that are not the screen's picture: the text drawn there.
async function textPixels(shot, y) {
  const bmp = await readBmp(path.join(DATA_DIR, TABLE));
  let count = 0;
  for (let row = y; row < y + 16; ++row) {
    for (let x = 48; x < PICTURE_WIDTH - 48; ++x) {
      const want = bmp.palette[bmp.index(x, row)];
      if (pictureColour(shot, x, row).some((value, i) => Math.abs(value - want[i]) > 8)) ++count;
    }
  }
  return count;
}

async function keepShot(page, name) {
  await mkdir(SHOTS, { recursive: true });
  await page.screenshot({ path: path.join(SHOTS, name) });
}

before(async () => {
  const replay = await readFile(REPLAY, "utf8");
  server = await serve(undefined, { "as-player.html": await pageWithHook(replay) });
  chromium = await launch();
});

after(async () => {
  await chromium?.close();
  await server?.close();
});

test("a game that makes the table is kept with its initials and replay over a reload, and its replay plays",
  async () => {
    const replay = await readFile(REPLAY, "utf8");
    const page = await openPage(`${server.url}as-player.html`);
    assert.ok(await waitForMenu(page, "menuart/new_high_score_screen.bmp", 100) >= 0.9, "asks for initials");
    await enterInitials(page);
    assert.ok(await waitForMenu(page, TABLE) >= 0.9, "shows the table");
    const scores = await waitForStoredFile(page, "scores.txt");
    assert.match(scores ?? "", /^medium WDT 300 1 no \d{4}-\d\d-\d\d \S+\.demo$/m);
    const name = scores.match(/^medium WDT .* (\S+\.demo)$/m)[1];
    const kept = await waitForStoredFile(page, `replays/${name}`);
    assert.equal(kept, replay, "the page recorded the same game");

    await page.reload({ waitUntil: "load" });
    assert.ok(await waitForMenu(page, "menuart/main_screen.bmp") >= 0.9);
    await press(page, "KeyH");
    assert.ok(await waitForMenu(page, TABLE) >= 0.9);
    // The table opens on easy, empty; medium holds the entry.
    const easy = await shootCanvas(page);
    await press(page, "ArrowRight");
    await sleep(300);
    const medium = await shootCanvas(page);
    await keepShot(page, "table-after-reload.png");
    assert.ok(await textPixels(easy, TABLE_NOTE_Y) > 100, "easy says it has no scores");
    assert.ok(await textPixels(easy, TABLE_ROW_FIRST_Y) < 100);
    assert.ok(await textPixels(medium, TABLE_ROW_FIRST_Y) > 100, "medium's first row is there");

    // The replay's ships go down one after another, with a still second
    // after each: the river moves between some of the looks.
    await press(page, "Enter");
    await keepShot(page, "replay-playing.png");
    let before = await shootCanvas(page);
    assert.ok(await likeMenuFile(before, TABLE) < 0.5, "the table has gone");
    assert.ok(await likeMenuFile(before, GAME_OVER) < 0.5, "the replay's game plays");
    let moved = 0;
    for (let look = 0; look < 12; ++look) {
      await sleep(250);
      const now = await shootCanvas(page);
      moved = Math.max(moved, changed(before, now));
      before = now;
    }
    assert.ok(moved > 0.2, "the river moves");
    assert.ok(await waitForMenu(page, GAME_OVER, 100) >= 0.9, "the replay's end screen");
    await keepShot(page, "replay-end.png");
    await press(page, "Space");
    assert.ok(await waitForMenu(page, TABLE) >= 0.9, "back to the table");
    assert.deepEqual(page.said, []);
    assert.deepEqual(page.problems, []);

    // What the page kept plays under Node to what it says it scored.
    const file = path.join(SHOTS, name);
    await writeFile(file, kept);
    const out = execFileSync(process.execPath, [REPLAY_TOOL, "--data", DATA_DIR, file], { encoding: "utf8" });
    assert.match(out, /^result level 1 score 300 ships -1 frames 141 finished no$/m);
    await page.close();
  });

test("the options changed are kept over a reload", async () => {
  const page = await openPage(server.url, async () => {}, await chromium.browser.createBrowserContext());
  const openOptions = async () => {
    assert.ok(await waitForMenu(page, MAIN) >= 0.9);
    await press(page, "KeyO");
    assert.ok(await waitForMenu(page, OPTIONS) >= 0.9);
    await sleep(300);
    return shootCanvas(page);
  };
  const first = await openOptions();
  // The volume one step down, then vsync off.
  await press(page, "ArrowLeft");
  for (let i = 0; i < 3; ++i) await press(page, "ArrowDown");
  await press(page, "Enter");
  const kept = await waitForStoredText(page, "settings.txt", /^vsync = off$/m);
  assert.match(kept, /^volume = 9$/m);
  assert.match(kept, /^vsync = off$/m);
  // Opened again, the screen chooses its first row, as after the reload.
  await press(page, "Backspace");
  const changedHere = await openOptions();

  await page.reload({ waitUntil: "load" });
  const afterReload = await openOptions();
  await keepShot(page, "options-after-reload.png");
  assert.notDeepEqual(pictureColour(afterReload, ...VOLUME_LAST_CELL), pictureColour(first, ...VOLUME_LAST_CELL));
  assert.equal(changed(changedHere, afterReload), 0, "the values shown before the reload");
  assert.deepEqual(page.said, []);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test("a second tab plays with the first's files but keeps none, so it cannot undo what the first keeps",
  async () => {
    const context = await chromium.browser.createBrowserContext();
    const open = async () => openPage(server.url, async () => {}, context);
    const volumeDown = async (page) => {
      assert.ok(await waitForMenu(page, MAIN) >= 0.9);
      await press(page, "KeyO");
      assert.ok(await waitForMenu(page, OPTIONS) >= 0.9);
      await press(page, "ArrowLeft");
      await press(page, "Backspace");
    };
    const first = await open();
    await volumeDown(first);
    assert.match(await waitForStoredText(first, "settings.txt", /^volume = 9$/m), /^volume = 9$/m);

    const second = await open();
    await volumeDown(second);
    await volumeDown(second);
    await sleep(1000);
    assert.match(await waitForStoredText(second, "settings.txt", /^volume = 9$/m), /^volume = 9$/m,
                 "the second tab's 8 is not kept");
    assert.equal(second.said.length, 1, second.said.join("\n"));
    assert.match(second.said[0], /open in another tab.*lasts only while it is open$/);
    assert.deepEqual(first.said, []);

    // With the first tab gone, the second keeps the folder from its reload.
    await first.close();
    await second.reload({ waitUntil: "load" });
    await volumeDown(second);
    assert.match(await waitForStoredText(second, "settings.txt", /^volume = 8$/m), /^volume = 8$/m);
    assert.equal(second.said.length, 1);
    assert.deepEqual([...first.problems, ...second.problems], []);
    await context.close();
  });

const REFUSING = [
  ["has no IndexedDB", () => {
    Object.defineProperty(window, "indexedDB", { value: undefined });
  }, /IndexedDB is not available/],
  ["refuses to open it, as a private window may", () => {
    IDBFactory.prototype.open = () => {
      throw new DOMException("The operation is insecure.", "SecurityError");
    };
  }, /cannot be read: The operation is insecure/],
];

for (const [what, refuse, why] of REFUSING) {
  test(`a browser that ${what} plays on and says once that scores will not be kept`, async () => {
    const page = await openPage(server.url, (p) => p.evaluateOnNewDocument(refuse));
    assert.ok(await waitForMenu(page, "menuart/main_screen.bmp") >= 0.9);
    assert.equal(page.said.length, 1, page.said.join("\n"));
    assert.match(page.said[0], why);
    assert.match(page.said[0], /scores will not be kept$/);
    await press(page, "KeyH");
    assert.ok(await waitForMenu(page, TABLE) >= 0.9);
    assert.ok(await textPixels(await shootCanvas(page), TABLE_NOTE_Y) > 100, "the table says why it is empty");
    await press(page, "Backspace");
    await press(page, "KeyN");
    assert.ok(await waitForMenu(page, "menuart/new_game_screen.bmp") >= 0.9);
    assert.equal(page.said.length, 1);
    assert.deepEqual(page.problems, []);
    await page.close();
  });
}

test("a write-back the browser refuses is said in one line and the game goes on", async () => {
  const page = await openPage(`${server.url}as-player.html`, (p) => p.evaluateOnNewDocument(() => {
    IDBObjectStore.prototype.put = () => {
      throw new DOMException("The quota has been exceeded.", "QuotaExceededError");
    };
  }), await chromium.browser.createBrowserContext());
  assert.ok(await waitForMenu(page, "menuart/new_high_score_screen.bmp", 100) >= 0.9, "asks for initials");
  await enterInitials(page);
  assert.ok(await waitForMenu(page, TABLE) >= 0.9, "shows the table");
  await sleep(1000);
  assert.ok(page.said.length >= 1);
  for (const line of page.said) {
    assert.match(line, /^wavedart: the browser did not keep the player's files \(The quota has been exceeded\.\)/);
  }
  await press(page, "Backspace");
  assert.ok(await waitForMenu(page, "menuart/main_screen.bmp") >= 0.9, "plays on");
  assert.deepEqual(page.problems, []);
  await page.close();
});
