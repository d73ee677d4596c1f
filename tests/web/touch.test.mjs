// The page on a phone, played by touch: a landscape and a portrait screen
// with touch, judged by their pixels.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { mkdir, readFile, writeFile } from "node:fs/promises";
import path from "node:path";
import { DATA_DIR, PICTURE_HEIGHT, PICTURE_WIDTH, ROOT, decodePng, launch, readBmp, serve } from "./browser.mjs";
import { pageWithHook, waitForStoredText } from "./profile.mjs";

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const SHOTS = path.join(ROOT, "build/web-test");
const LANDSCAPE = { width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true, isLandscape: true };
const PORTRAIT = { ...LANDSCAPE, width: 390, height: 844, isLandscape: false };

let server;
let chromium;
let page;
let touch;
const problems = [];

// The canvas in CSS pixels.
const canvasBox = () => page.$eval("#canvas", (canvas) => {
  const r = canvas.getBoundingClientRect();
  return { x: r.x, y: r.y, width: r.width, height: r.height };
});
const boxOf = (selector) => page.$eval(selector, (element) => {
  const r = element.getBoundingClientRect();
  return { x: r.x, y: r.y, width: r.width, height: r.height, cx: r.x + r.width / 2, cy: r.y + r.height / 2 };
});

// The picture as shown, sampled back to 640 x 480 at each pixel's centre.
async function shootPicture() {
  const box = await canvasBox();
  const shot = decodePng(Buffer.from(await page.screenshot({ clip: box, type: "png" })));
  const colour = (x, y) => {
    const sx = Math.floor((x + 0.5) * shot.width / PICTURE_WIDTH);
    const sy = Math.floor((y + 0.5) * shot.height / PICTURE_HEIGHT);
    const i = (sy * shot.width + sx) * 3;
    return [shot.rgb[i], shot.rgb[i + 1], shot.rgb[i + 2]];
  };
  return { colour };
}

async function likeMenuFile(file) {
  const bmp = await readBmp(path.join(DATA_DIR, file));
  const shot = await shootPicture();
  let same = 0;
  let all = 0;
  for (let y = 8; y < PICTURE_HEIGHT; y += 16) {
    for (let x = 8; x < PICTURE_WIDTH; x += 16) {
      const want = bmp.palette[bmp.index(x, y)];
      if (want.every((value, i) => Math.abs(value - shot.colour(x, y)[i]) <= 24)) ++same;
      ++all;
    }
  }
  return same / all;
}

async function waitForMenu(file, tries = 40) {
  for (; tries > 0; --tries) {
    if (await likeMenuFile(file) >= 0.85) return true;
    await sleep(200);
  }
  return false;
}

// Fingers by CSS pixel: each call gives every finger that is down.
const fingers = (type, points) => touch.send("Input.dispatchTouchEvent", {
  type, touchPoints: points.map(([x, y], id) => ({ x, y, id })),
});

async function tapPicture(x, y) {
  const box = await canvasBox();
  const point = [box.x + (x + 0.5) * box.width / PICTURE_WIDTH, box.y + (y + 0.5) * box.height / PICTURE_HEIGHT];
  await fingers("touchStart", [point]);
  await sleep(60);
  await fingers("touchEnd", []);
  await sleep(300);
}

async function tapControl(selector) {
  const box = await boxOf(selector);
  await fingers("touchStart", [[box.cx, box.cy]]);
  await sleep(60);
  await fingers("touchEnd", []);
  await sleep(300);
}

// Colours that one art file has and none of the others named, of those
// seen at the start of the first level.
async function artColours(file, others) {
  const used = async (name) => {
    const bmp = await readBmp(path.join(DATA_DIR, name));
    const colours = new Set();
    for (let y = 0; y < bmp.height; ++y) for (let x = 0; x < bmp.width; ++x) colours.add(bmp.palette[bmp.index(x, y)].join());
    return colours;
  };
  const other = new Set();
  for (const name of others) for (const colour of await used(`art/${name}.bmp`)) other.add(colour);
  return new Set([...await used(`art/${file}.bmp`)].filter((colour) => !other.has(colour)));
}

// How many picture pixels between rows top and bottom have those colours,
// and where they are across on average.
function countColours(shot, colours, top, bottom) {
  let sum = 0;
  let count = 0;
  for (let y = top; y < bottom; ++y) {
    for (let x = 0; x < PICTURE_WIDTH; ++x) {
      if (colours.has(shot.colour(x, y).join())) {
        sum += x;
        ++count;
      }
    }
  }
  return { count, x: count ? sum / count : -1 };
}

const findColours = async (colours, top, bottom) => countColours(await shootPicture(), colours, top, bottom);

// Where the craft is across in two looks apart, both while one ship flies.
async function craftTwice(craft, apart) {
  for (let tries = 0; tries < 5; ++tries) {
    const first = await findColours(craft, ...CRAFT_ROWS);
    await sleep(apart);
    const second = await findColours(craft, ...CRAFT_ROWS);
    if (first.count > 50 && second.count > 50) return [first.x, second.x];
  }
  return [-1, -2];
}

// Whether the shots' colours, which explosions share, go within a few
// seconds, as they do unless fire is held.
async function shotsStop(missile) {
  for (let tries = 0; tries < 20; ++tries) {
    if ((await findColours(missile, ...SHOT_ROWS)).count === 0) return true;
    await sleep(200);
  }
  return false;
}

// The craft as it shows, once a ship is on the river: a new one waits at
// the river's start after the last came down, and the first after the fade.
async function waitForCraft(craft) {
  let seen = { count: 0 };
  for (let tries = 0; tries < 50 && seen.count < 50; ++tries) {
    await sleep(200);
    seen = await findColours(craft, ...CRAFT_ROWS);
  }
  return seen;
}

// The art whose colours the craft's are told from.
const CRAFT_OTHERS = ["missle", "world", "boat", "helicopter", "fuel", "bridge", "explosion"];
const MISSILE_OTHERS = ["world", "skerrit", "boat", "helicopter", "fuel", "bridge"];
// The rows above the panel.
const CRAFT_ROWS = [0, PICTURE_HEIGHT - 40];
const SHOT_ROWS = CRAFT_ROWS;

before(async () => {
  await mkdir(SHOTS, { recursive: true });
  // A game on medium the game recorded on Linux, 300 points in 141 frames,
  // which makes the empty table: played as the player's for the initials.
  const replay = await readFile(path.join(ROOT, "tests/demos/recorded_game_medium.demo"), "utf8");
  server = await serve(undefined, { "as-player.html": await pageWithHook(replay) });
  chromium = await launch();
  page = await chromium.browser.newPage();
  await page.setViewport(LANDSCAPE);
  page.on("console", (message) => {
    if (message.type() === "error") problems.push(message.text());
  });
  page.on("pageerror", (error) => problems.push(error.message));
  touch = await page.target().createCDPSession();
  await page.goto(server.url, { waitUntil: "load" });
});

after(async () => {
  await chromium?.close();
  await server?.close();
});

test("a touch screen shows the controls and the main menu without its quit entry", async () => {
  assert.ok(await waitForMenu("menuart/main_screen.bmp"));
  assert.ok(await page.evaluate(() => document.body.classList.contains("touch")));
  const shot = await shootPicture();
  const box = shot.colour(172, 360);
  for (let x = 172; x < 468; x += 4) assert.deepEqual(shot.colour(x, 360), box, `quit row at ${x}`);
});

test("landscape: the picture as high as the screen, the stick and fire in the bars beside it", async () => {
  const picture = await canvasBox();
  assert.equal(Math.round(picture.height), LANDSCAPE.height);
  assert.equal(Math.round(picture.width), LANDSCAPE.height * 4 / 3);
  const stick = await boxOf("#stick");
  const fire = await boxOf("#fire");
  assert.ok(stick.x >= 0 && stick.x + stick.width <= picture.x, "the stick left of the picture");
  assert.ok(fire.x >= picture.x + picture.width && fire.x + fire.width <= LANDSCAPE.width, "fire right of it");
  await writeFile(path.join(SHOTS, "phone-landscape.png"), await page.screenshot({ type: "png" }));
});

test("the first touch starts the sound and still acts: New game, then Easy, by tapping", async () => {
  await tapPicture(240, 205);
  assert.ok(await waitForMenu("menuart/new_game_screen.bmp"));
  assert.equal(await page.evaluate(() => Module.SDL2.audioContext.state), "running");
  await tapPicture(300, 180);
});

test("the stick up and right with fire held by a second finger: scrolls, steers right and fires", async () => {
  const craft = await artColours("skerrit", CRAFT_OTHERS);
  const missile = await artColours("missle", MISSILE_OTHERS);
  const stick = await boxOf("#stick");
  const fire = await boxOf("#fire");
  const up = [stick.cx, stick.cy - stick.width * 0.4];
  const upRight = [stick.cx + stick.width * 0.3, stick.cy - stick.width * 0.3];
  // The river's banks and boats may end a ship in the hold: the next one
  // tries again.
  let before;
  let holding;
  for (let ship = 0; ship < 2; ++ship) {
    const start = await waitForCraft(craft);
    assert.ok(start.count > 50, `the craft is seen: ${start.count} pixels`);
    // A key held as the screen changes acts only when pressed again.
    await sleep(500);
    // Firing clears the boats ahead.
    await fingers("touchStart", [up, [fire.cx, fire.cy]]);
    await sleep(1500);
    const a = await shootPicture();
    await sleep(300);
    const b = await shootPicture();
    let moved = 0;
    for (let y = 8; y < PICTURE_HEIGHT - 40; y += 16) {
      for (let x = 8; x < PICTURE_WIDTH; x += 16) moved += a.colour(x, y).join() !== b.colour(x, y).join();
    }
    assert.ok(moved > 200, `the river scrolls: ${moved} of 1120 places changed`);
    before = await findColours(craft, ...CRAFT_ROWS);
    await fingers("touchMove", [upRight, [fire.cx, fire.cy]]);
    await sleep(150);
    holding = await shootPicture();
    // Let go at once: the banks are near.
    await fingers("touchEnd", []);
    if (before.count > 50 && countColours(holding, craft, ...CRAFT_ROWS).count > 50) break;
  }
  const held = await page.evaluate(() => [...document.querySelectorAll("#touch .held")].map((e) => e.id));
  assert.deepEqual(held, [], "nothing shows held once let go");
  const after = countColours(holding, craft, ...CRAFT_ROWS);
  assert.ok(after.count > 50 && after.x > before.x + 4, `the craft moves right: ${before.x} to ${after.x}`);
  const shots = countColours(holding, missile, ...SHOT_ROWS).count;
  assert.ok(shots > 4, `shots: ${shots} pixels`);
  const [x1, x2] = await craftTwice(craft, 200);
  assert.equal(x2, x1, "no steering once let go");
  assert.ok(await shotsStop(missile), "no shots once let go");
});

test("a cancelled touch leaves no key held", async () => {
  const craft = await artColours("skerrit", CRAFT_OTHERS);
  const missile = await artColours("missle", MISSILE_OTHERS);
  const stick = await boxOf("#stick");
  const fire = await boxOf("#fire");
  // In flight, where a held arrow shows: a new ship waits for one at first.
  // A ship lost meanwhile, the next tries again.
  let flying;
  let x1;
  let x2;
  for (let ship = 0; ship < 2; ++ship) {
    await waitForCraft(craft);
    await sleep(500);
    await fingers("touchStart", [[stick.cx, stick.cy - stick.width * 0.4], [fire.cx, fire.cy]]);
    await sleep(800);
    await fingers("touchEnd", []);
    flying = await findColours(craft, ...CRAFT_ROWS);
    await fingers("touchStart", [[stick.x + stick.width * 0.1, stick.cy], [fire.cx, fire.cy]]);
    await sleep(200);
    await fingers("touchCancel", []);
    await sleep(100);
    [x1, x2] = await craftTwice(craft, 300);
    if (flying.count > 50 && x1 > 0 && x1 < flying.x) break;
  }
  assert.ok(x1 > 0 && x1 < flying.x, `it steered left: ${flying.x} to ${x1}`);
  assert.equal(x2, x1, "and stays where it is");
  assert.ok(await shotsStop(missile), "no shots");
  assert.equal(await page.evaluate(() => document.querySelectorAll("#touch .held").length), 0);
});

test("no zoom, scrolling or selection from gestures", async () => {
  await touch.send("Input.synthesizePinchGesture", { x: 400, y: 200, scaleFactor: 2, gestureSourceType: "touch" });
  await touch.send("Input.synthesizeScrollGesture", { x: 400, y: 200, yDistance: 300, gestureSourceType: "touch" });
  assert.deepEqual(await page.evaluate(() => [visualViewport.scale, scrollX, scrollY, getSelection().toString()]),
                   [1, 0, 0, ""]);
});

test("a key press hides the controls, and the next touch shows them", async () => {
  await page.keyboard.press("Shift");
  assert.equal(await page.evaluate(() => document.body.classList.contains("touch")), false);
  assert.equal(await page.$eval("#touch", (e) => getComputedStyle(e).display), "none");
  await fingers("touchStart", [[5, 5]]);
  await fingers("touchEnd", []);
  assert.ok(await page.evaluate(() => document.body.classList.contains("touch")));
});

test("back leaves play; each menu's entries and the back button by tap", async () => {
  // A crash reads no keys for a second or so: a press then is not taken.
  let back = false;
  for (let tries = 0; tries < 3 && !back; ++tries) {
    await tapControl("#back");
    back = await waitForMenu("menuart/main_screen.bmp");
  }
  assert.ok(back);
  for (const [entry, file] of [[[240, 243], "menuart/instruction_screen.bmp"],
                               [[240, 281], "menuart/high_scores_screen.bmp"],
                               [[240, 319], "menuart/options_screen.bmp"],
                               [[240, 205], "menuart/new_game_screen.bmp"]]) {
    await tapPicture(...entry);
    assert.ok(await waitForMenu(file), file);
    await tapControl("#back");
    assert.ok(await waitForMenu("menuart/main_screen.bmp"), `back from ${file}`);
  }
  await tapPicture(240, 205);
  assert.ok(await waitForMenu("menuart/new_game_screen.bmp"));
  await tapPicture(320, 430);
  assert.ok(await waitForMenu("menuart/main_screen.bmp"), "the back hint");
});

test("the controls' size and opacity are options, set by touch on the Options screen", async () => {
  const stick = await boxOf("#stick");
  const opacity = () => page.$eval("#touch", (e) => Number(getComputedStyle(e).opacity));
  assert.equal(await opacity(), 0.6);
  await tapPicture(240, 319);
  assert.ok(await waitForMenu("menuart/options_screen.bmp"));
  const press = async (way) => {
    await fingers("touchStart", [way]);
    await sleep(100);
    await fingers("touchEnd", []);
    await sleep(150);
  };
  const down = [stick.cx, stick.cy + stick.width * 0.4];
  const right = [stick.cx + stick.width * 0.4, stick.cy];
  const left = [stick.cx - stick.width * 0.4, stick.cy];
  for (let row = 0; row < 5; ++row) await press(down);
  await press(right);
  assert.equal(Math.round((await boxOf("#stick")).width * 100 / stick.width), 120);
  await press(down);
  await press(left);
  assert.equal(await opacity(), 0.5);
  await tapControl("#back");
  assert.ok(await waitForMenu("menuart/main_screen.bmp"));
});

test("portrait: the picture across the top and the controls below it", async () => {
  await page.setViewport(PORTRAIT);
  await sleep(500);
  const picture = await canvasBox();
  assert.equal(Math.round(picture.y), 0);
  assert.equal(Math.round(picture.width), PORTRAIT.width);
  const bottom = picture.y + picture.height;
  for (const selector of ["#stick", "#fire", "#back"]) {
    const box = await boxOf(selector);
    assert.ok(box.y >= bottom && box.y + box.height <= PORTRAIT.height, `${selector} below the picture`);
  }
  const shot = decodePng(Buffer.from(await page.screenshot({ type: "png" })));
  await writeFile(path.join(SHOTS, "phone-portrait.png"), await page.screenshot({ type: "png" }));
  // The menu shows at the top; below it the page is dark but for the controls.
  const at = (x, y) => {
    const i = (Math.floor(y * 3) * shot.width + Math.floor(x * 3)) * 3;
    return shot.rgb[i] + shot.rgb[i + 1] + shot.rgb[i + 2];
  };
  assert.ok(at(195, 100) > 0, "the picture");
  assert.equal(at(195, bottom + 10), 0);
  assert.ok(await waitForMenu("menuart/main_screen.bmp"));
});

test("initials by touch: a finger drawn up the picture turns the letter, the stick and OK the rest", async () => {
  // A page of its own, with storage of its own, whose game ends asking.
  page = await (await chromium.browser.createBrowserContext()).newPage();
  await page.setViewport(LANDSCAPE);
  page.on("pageerror", (error) => problems.push(error.message));
  touch = await page.target().createCDPSession();
  await page.goto(`${server.url}as-player.html`, { waitUntil: "load" });
  assert.ok(await waitForMenu("menuart/new_high_score_screen.bmp", 150), "asks for initials");
  const box = await canvasBox();
  const at = (x, y) => [box.x + (x + 0.5) * box.width / PICTURE_WIDTH, box.y + (y + 0.5) * box.height / PICTURE_HEIGHT];
  // Three turns of the wheel, 24 picture pixels each: A to D.
  await fingers("touchStart", [at(320, 420)]);
  for (let y = 414; y >= 340; y -= 6) {
    await fingers("touchMove", [at(320, y)]);
    await sleep(40);
  }
  await fingers("touchEnd", []);
  await sleep(200);
  await tapControl("#fire");
  // The stick up once: A to B.
  const stick = await boxOf("#stick");
  await fingers("touchStart", [[stick.cx, stick.cy - stick.width * 0.4]]);
  await sleep(120);
  await fingers("touchEnd", []);
  await sleep(200);
  await tapControl("#fire");
  // A as it stands, and OK keeps the score.
  await tapControl("#fire");
  const scores = await waitForStoredText(page, "scores.txt", /^medium DBA 300 /m);
  assert.match(scores, /^medium DBA 300 1 no /m);
});

test("no error in the console", () => {
  assert.deepEqual(problems, []);
});
