// Makes the web page's folder: the templates with the engine's fixed texts filled in, the engine
// module, the icons, and the service worker's list of what to keep.
//   node web/make-site.mjs --wasm engine.wasm --icons ICON_FOLDER --version VERSION --out FOLDER
import { createHash } from "node:crypto";
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { parseArgs } from "node:util";
import { Engine } from "./engine.js";

const here = dirname(fileURLToPath(import.meta.url));
const { values: args } = parseArgs({
  options: {
    wasm: { type: "string" },
    icons: { type: "string" },
    version: { type: "string" },
    out: { type: "string" },
  },
});
for (const name of ["wasm", "icons", "version", "out"]) {
  if (!args[name]) throw new Error(`make-site: --${name} is missing`);
}

const wasm = readFileSync(args.wasm);
const texts = (await Engine.load(wasm)).texts();

const escapeHtml = (text) => text.replace(/[&<>"']/g, (c) => `&#${c.charCodeAt(0)};`);
const escapeJson = (text) => JSON.stringify(text).slice(1, -1);

// {{name}} becomes the text of that name, written as the file needs it; an unknown name stops
// the build rather than leave a placeholder on the page.
function fill(template, escape, extra = {}) {
  return template.replace(/\{\{(\w+)\}\}/g, (_, name) => {
    if (name in extra) return extra[name];
    if (!texts.has(name)) throw new Error(`make-site: no text named ${name}`);
    return escape(texts.get(name));
  });
}

rmSync(args.out, { recursive: true, force: true });
mkdirSync(args.out, { recursive: true });
const write = (name, content) => writeFileSync(join(args.out, name), content);

write("index.html", fill(readFileSync(join(here, "index.html"), "utf8"), escapeHtml));
write("manifest.webmanifest", fill(readFileSync(join(here, "manifest.webmanifest"), "utf8"), escapeJson));
for (const name of ["style.css", "app.js", "engine.js"]) copyFileSync(join(here, name), join(args.out, name));
write("engine.wasm", wasm);
for (const name of readdirSync(args.icons).filter((name) => name.endsWith(".png")).sort()) {
  copyFileSync(join(args.icons, name), join(args.out, name));
}

const names = readdirSync(args.out).sort();
const files = ["./", ...names];
// The kept copy is named after what the files hold, not only the version: a page changed under
// the same version still reaches those who have opened it before, as their browser then finds a
// new service worker and drops the old copy.
const content = createHash("sha256");
for (const name of names) content.update(`${name}\0`).update(readFileSync(join(args.out, name))).update("\0");
write("sw.js", fill(readFileSync(join(here, "sw.js"), "utf8"), escapeHtml, {
  cache: `vesmarot-${args.version}-${content.digest("hex").slice(0, 16)}`,
  files: JSON.stringify(files),
}));
console.log(`make-site: ${files.length} files in ${args.out}`);
