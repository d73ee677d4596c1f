// The replay tool built for Node plays every regression demo to the same
// output and the same trace hash as the Linux build.
import { test } from "node:test";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readdirSync } from "node:fs";
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
