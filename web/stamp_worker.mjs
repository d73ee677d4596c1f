// Writes the page's service worker: its BUILD, the release's stamp and the
// SHA-256 of every file the worker keeps, before the worker's code. The
// stamp is the version and the start of a digest of all the files, so any
// change of any file makes a new release.
//
// Usage: node stamp_worker.mjs WORKER_SOURCE PAGE_DIR VERSION FILE...
// (writes PAGE_DIR/service-worker.js)
import { createHash } from "node:crypto";
import { readFileSync, renameSync, writeFileSync } from "node:fs";
import path from "node:path";
import { pathToFileURL } from "node:url";

export function stampWorker(source, dir, version, names) {
  const files = {};
  const all = createHash("sha256");
  for (const name of names) {
    files[name] = createHash("sha256").update(readFileSync(path.join(dir, name))).digest("hex");
    all.update(`${name} ${files[name]}\n`);
  }
  const build = { stamp: `${version}-${all.digest("hex").slice(0, 12)}`, files };
  const out = path.join(dir, "service-worker.js");
  writeFileSync(out + ".new", `const BUILD = ${JSON.stringify(build, null, 2)};\n\n${readFileSync(source, "utf8")}`);
  renameSync(out + ".new", out);
  return build;
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [source, dir, version, ...names] = process.argv.slice(2);
  if (!source || !dir || !version || names.length === 0) {
    console.error("usage: node stamp_worker.mjs WORKER_SOURCE PAGE_DIR VERSION FILE...");
    process.exit(2);
  }
  console.log(`service worker of release ${stampWorker(source, dir, version, names).stamp}`);
}
