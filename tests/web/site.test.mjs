// The page's folder as web/make-site.mjs makes it: the service worker's kept copy follows what the
// files hold, so that a changed page reaches those who opened it before, and the same files always
// give the same name.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { copyFileSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { test } from "node:test";
import { makeSite, site } from "./paths.mjs";

const work = mkdtempSync(join(tmpdir(), "vesmarot-site-"));
const icons = join(work, "icons");
mkdirSync(icons);
for (const name of readdirSync(site).filter((name) => name.endsWith(".png"))) {
  copyFileSync(join(site, name), join(icons, name));
}

// Makes the folder from the built module and `icons`, and gives its service worker's cache name.
function cacheName(out, version = "1.0") {
  const made = spawnSync(process.execPath, [makeSite, "--wasm", join(site, "engine.wasm"),
    "--icons", icons, "--version", version, "--out", join(work, out)], { encoding: "utf8" });
  assert.equal(made.status, 0, made.stderr);
  const worker = readFileSync(join(work, out, "sw.js"), "utf8");
  return worker.match(/const CACHE = "([^"]+)"/)[1];
}

test("the kept copy's name follows the files, not only the version", () => {
  const first = cacheName("a");
  assert.match(first, /^vesmarot-1\.0-[0-9a-f]{16}$/);
  assert.equal(cacheName("b"), first);
  assert.notEqual(cacheName("c", "1.1"), first);
  // One changed byte in one file, under the same version, is a new copy.
  const icon = join(icons, "icon-32.png");
  const bytes = readFileSync(icon);
  bytes[bytes.length - 1] ^= 1;
  writeFileSync(icon, bytes);
  assert.notEqual(cacheName("d"), first);
});
