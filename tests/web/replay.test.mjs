// The replay tool built for Node plays every regression demo to the same
// output and the same trace hash as the Linux build, replays the game
// recorded included, and attract mode's replay to the result it says.
import { test } from "node:test";
import { execFileSync } from "node:child_process";
import assert from "node:assert/strict";
import { mkdtempSync, readdirSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { DATA_DIR, ROOT } from "./browser.mjs";

const DEMOS = path.join(ROOT, "tests/demos");
const REPLAY = path.join(ROOT, "build/web-build/tools/replay/replay.js");
const out = mkdtempSync(path.join(tmpdir(), "wavedart-replay-"));
const { WAVEDART_ACCEPT_DEMOS, ...environment } = process.env;

for (const demo of readdirSync(DEMOS).filter((name) => name.endsWith(".demo"))) {
  test(demo, () => {
    execFileSync("cmake", [
      `-DREPLAY=${process.execPath};${REPLAY}`, `-DDEMO=${path.join(DEMOS, demo)}`,
      `-DDATA_DIR=${DATA_DIR}`, `-DOUT_DIR=${out}`, "-P", path.join(DEMOS, "check_demo.cmake"),
    ], { env: environment, stdio: "inherit" });
  });
}

test("attract mode's replay", () => {
  const replay = path.join(DATA_DIR, "replays/attract.demo");
  const said = readFileSync(replay, "utf8").split("\n").find((line) => line.startsWith("result "));
  const printed = execFileSync(process.execPath, [REPLAY, "--data", DATA_DIR, replay], { env: environment })
    .toString().trim().split("\n");
  assert.equal(printed.at(-1), said);
});
