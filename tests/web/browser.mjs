// Serving the page on 127.0.0.1, driving Debian's Chromium headless, and
// reading pictures: what the page test and the page benchmark share.
import { createServer } from "node:http";
import { readFile, mkdtemp, rm } from "node:fs/promises";
import { tmpdir } from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

export const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
export const PAGE_DIR = path.join(ROOT, "build/web");
export const DATA_DIR = path.join(ROOT, "build/web-build/data");
export const PICTURE_WIDTH = 640;
export const PICTURE_HEIGHT = 480;

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const STEP = 16;

const TYPES = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".wasm": "application/wasm",
  ".data": "application/octet-stream",
  ".png": "image/png",
  ".webmanifest": "application/manifest+json",
};

// Serves the page's folder, gzip-compressed where the browser asks for it,
// as a static host would, and beside it the pages given in extra (a file
// name to its text). Resolves to { url, close }.
export function serve(dir = PAGE_DIR, extra = {}) {
  const server = createServer(async (request, response) => {
    const name = decodeURIComponent(new URL(request.url, "http://x").pathname);
    const file = path.join(dir, name === "/" ? "index.html" : name);
    if (!file.startsWith(dir + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    let body;
    try {
      body = name.slice(1) in extra ? Buffer.from(extra[name.slice(1)]) : await readFile(file);
    } catch {
      response.writeHead(404).end();
      return;
    }
    const headers = { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream" };
    if (/\bgzip\b/.test(request.headers["accept-encoding"] || "")) {
      body = zlib.gzipSync(body);
      headers["Content-Encoding"] = "gzip";
    }
    response.writeHead(200, headers).end(body);
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      const { port } = server.address();
      const close = () => new Promise((done) => {
        server.close(done);
        server.closeAllConnections();
      });
      resolve({ url: `http://127.0.0.1:${port}/`, close });
    });
  });
}

// Headless Chromium as root on a machine without a GPU or a network, with a
// profile of its own. Resolves to { browser, close }.
export async function launch() {
  const profile = await mkdtemp(path.join(tmpdir(), "wavedart-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    userDataDir: profile,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           "--autoplay-policy=user-gesture-required"],
  });
  return {
    browser,
    close: async () => {
      await browser.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// An 8-bit, non-interlaced RGB or RGBA PNG, as Chromium's screenshots are,
// to { width, height, rgb } with three bytes a pixel.
export function decodePng(buffer) {
  let width = 0;
  let height = 0;
  let channels = 0;
  const chunks = [];
  for (let pos = 8; pos < buffer.length;) {
    const length = buffer.readUInt32BE(pos);
    const type = buffer.toString("ascii", pos + 4, pos + 8);
    const data = buffer.subarray(pos + 8, pos + 8 + length);
    if (type === "IHDR") {
      width = data.readUInt32BE(0);
      height = data.readUInt32BE(4);
      if (data[8] !== 8 || (data[9] !== 2 && data[9] !== 6) || data[12] !== 0) {
        throw new Error("PNG is not 8-bit non-interlaced RGB(A)");
      }
      channels = data[9] === 6 ? 4 : 3;
    } else if (type === "IDAT") {
      chunks.push(data);
    }
    pos += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(chunks));
  const stride = width * channels;
  const rgb = Buffer.alloc(width * height * 3);
  let previous = Buffer.alloc(stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
    for (let i = 0; i < stride; ++i) {
      const a = i >= channels ? line[i - channels] : 0;
      const b = previous[i];
      const c = i >= channels ? previous[i - channels] : 0;
      let predicted = 0;
      if (filter === 1) predicted = a;
      if (filter === 2) predicted = b;
      if (filter === 3) predicted = (a + b) >> 1;
      if (filter === 4) {
        const p = a + b - c;
        const pa = Math.abs(p - a);
        const pb = Math.abs(p - b);
        const pc = Math.abs(p - c);
        predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      line[i] = (line[i] + predicted) & 255;
    }
    for (let x = 0; x < width; ++x) line.copy(rgb, (y * width + x) * 3, x * channels, x * channels + 3);
    previous = line;
  }
  return { width, height, rgb };
}

// The canvas as the player sees it: { width, height, rgb, factor }, where
// factor is how many screen pixels a picture pixel takes each way.
export async function shootCanvas(page) {
  const box = await page.$eval("#canvas", (canvas) => {
    const r = canvas.getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
  });
  const shot = decodePng(Buffer.from(await page.screenshot({ clip: box, type: "png" })));
  return { ...shot, factor: shot.width / PICTURE_WIDTH };
}

// The colour of picture pixel (x, y) at the centre of its square.
export function pictureColour(shot, x, y) {
  const half = Math.floor(shot.factor / 2);
  const i = ((y * shot.factor + half) * shot.width + x * shot.factor + half) * 3;
  return [shot.rgb[i], shot.rgb[i + 1], shot.rgb[i + 2]];
}

// An 8-bit BMP file to { width, height, index(x, y), palette[i] = [r, g, b] }.
export async function readBmp(file) {
  const data = await readFile(file);
  const pixels = data.readUInt32LE(10);
  const headerSize = data.readUInt32LE(14);
  const width = data.readInt32LE(18);
  const rawHeight = data.readInt32LE(22);
  const height = Math.abs(rawHeight);
  const stride = (width + 3) & ~3;
  const palette = [];
  for (let i = 0; i < 256; ++i) {
    const p = 14 + headerSize + 4 * i;
    palette.push([data[p + 2], data[p + 1], data[p]]);
  }
  const index = (x, y) => data[pixels + (rawHeight > 0 ? height - 1 - y : y) * stride + x];
  return { width, height, index, palette };
}

// Share of a grid of picture pixels whose colour is, within a few levels,
// the one the menu file gives them.
export async function likeMenuFile(shot, file) {
  const bmp = await readBmp(path.join(DATA_DIR, file));
  let same = 0;
  let all = 0;
  for (let y = STEP / 2; y < PICTURE_HEIGHT; y += STEP) {
    for (let x = STEP / 2; x < PICTURE_WIDTH; x += STEP) {
      const want = bmp.palette[bmp.index(x, y)];
      const got = pictureColour(shot, x, y);
      if (want.every((value, i) => Math.abs(value - got[i]) <= 8)) ++same;
      ++all;
    }
  }
  return same / all;
}

// Share of a grid of picture pixels that differ between two shots.
export function changed(a, b) {
  let differ = 0;
  let all = 0;
  for (let y = STEP / 2; y < PICTURE_HEIGHT; y += STEP / 4) {
    for (let x = STEP / 2; x < PICTURE_WIDTH; x += STEP / 4) {
      const p = pictureColour(a, x, y);
      const q = pictureColour(b, x, y);
      if (p.some((value, i) => value !== q[i])) ++differ;
      ++all;
    }
  }
  return differ / all;
}

// Looks at the canvas every 200 ms until it is like the menu file, at most
// looks times; resolves to the last likeness.
export async function waitForMenu(page, file, looks = 50) {
  let likeness = 0;
  for (let tries = 0; tries < looks && likeness < 0.9; ++tries) {
    await sleep(200);
    likeness = await likeMenuFile(await shootCanvas(page), file);
  }
  return likeness;
}
