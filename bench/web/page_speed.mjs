// How fast the web page answers on a slow phone's network, against a bare page that only has the
// same fields and lists twelve rows on OK; and how long the largest search takes to be painted.
//   node bench/web/page_speed.mjs [runs, default 7]
// Both pages are timed inside the page, from navigation start to the frame after the twelfth
// option is in the list, on a first visit (an empty profile each run) under Chromium's
// "Slow 4G" (150 ms latency, 1.6 Mbit/s down, 750 kbit/s up), in one run, interleaved; the
// fastest of the runs of each is kept. No CPU slowdown: on a 2-core machine it made the same page
// swing between 1.1 and 2 times the bare one.
import { copyFileSync, mkdtempSync, readdirSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";

const here = dirname(fileURLToPath(import.meta.url));
const clone = join(here, "../..");
const site = process.env.VESMAROT_WEB_SITE ?? join(clone, "build-web/site");
const runs = Number(process.argv[2] ?? 7);
const { launchChromium } = await import(pathToFileURL(join(clone, "tests/web/browser.mjs")));
const { startServer } = await import(pathToFileURL(join(clone, "tools/serve_site.mjs")));

// The site and the bare page side by side, served by one server.
const served = mkdtempSync(join(tmpdir(), "vesmarot-bench-"));
for (const name of readdirSync(site)) copyFileSync(join(site, name), join(served, name));
copyFileSync(join(here, "bare.html"), join(served, "bare.html"));
const { server, url } = await startServer(served);
const browser = await launchChromium();

// Records, inside the page, when the list first holds `count` options and a frame has passed.
const watch = (count) => {
  window.__shownAt = null;
  new MutationObserver((_, observer) => {
    const list = document.getElementById("lstPA");
    if (list && list.querySelectorAll("[role=option]").length >= count) {
      observer.disconnect();
      requestAnimationFrame(() => { window.__shownAt = performance.now(); });
    }
  }).observe(document, { childList: true, subtree: true });
};

async function firstVisit(path) {
  const context = await browser.newContext({ viewport: { width: 360, height: 800 }, locale: "vi-VN", serviceWorkers: "block" });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send("Network.enable");
  await cdp.send("Network.emulateNetworkConditions", {
    offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8,
  });
  await page.addInitScript(watch, 12);
  await page.goto(url + path, { waitUntil: "commit" });
  // As soon as the page takes a search (the bare page at once; Vesmarot once its script runs).
  await page.waitForSelector("#cdmOK:enabled", { timeout: 60000 });
  await page.fill("#txtDientich", "5");
  await page.press("#txtDientich", "Enter");
  await page.waitForFunction(() => window.__shownAt !== null, null, { timeout: 60000 });
  const shown = await page.evaluate(() => window.__shownAt);
  await context.close();
  return shown;
}

const times = { page: [], bare: [] };
for (let i = 0; i < runs; ++i) {
  times.bare.push(await firstVisit("bare.html"));
  times.page.push(await firstVisit(""));
}
const fastest = (list) => Math.min(...list);

// The largest search, on a warm page: from the Enter key to the frame after its options are in.
const context = await browser.newContext({ viewport: { width: 360, height: 800 }, locale: "vi-VN" });
const page = await context.newPage();
await page.goto(url);
await page.waitForFunction(() => document.activeElement?.id === "txtDientich");
const large = [];
for (let i = 0; i < runs; ++i) {
  await page.fill("#txtNmax", "255");
  await page.fill("#txtDientich", "72");
  // From the Enter key's event to the frame after the first options are in the list (what is
  // painted), and to when all of them are in.
  await page.evaluate(() => {
    window.__large = null;
    const list = document.getElementById("lstPA");
    document.getElementById("txtDientich").addEventListener("keydown", (event) => {
      const start = event.timeStamp;
      let painted = null;
      new MutationObserver((_, observer) => {
        if (painted === null && list.children.length > 0) {
          painted = -1;
          requestAnimationFrame(() => { painted = performance.now() - start; });
        }
        if (list.children.length > 700) {
          observer.disconnect();
          const all = performance.now() - start;
          const done = () => {
            if (painted < 0) return requestAnimationFrame(done);
            window.__large = { ms: painted, all, count: list.children.length };
          };
          done();
        }
      }).observe(list, { childList: true });
    }, { once: true });
  });
  await page.press("#txtDientich", "Enter");
  await page.waitForFunction(() => window.__large !== null);
  large.push(await page.evaluate(() => window.__large));
  await page.click("#cmdReset");
}
await context.close();
await browser.close();
server.close();

let gzipped = 0;
const firstSearch = ["index.html", "style.css", "app.js", "engine.js", "engine.wasm", "icon-32.png"];
let firstSearchBytes = 0;
for (const name of readdirSync(site)) {
  const size = gzipSync(readFileSync(join(site, name)), { level: 9 }).length;
  gzipped += size;
  if (firstSearch.includes(name)) firstSearchBytes += size;
}

const row = (measure, value) => console.log(`| ${measure} | ${value} |`);
console.log("| measure | value |");
console.log("| --- | --- |");
row("every file of the page, gzip -9", `${(gzipped / 1024).toFixed(1)} KiB`);
row("what a first search needs, gzip -9", `${(firstSearchBytes / 1024).toFixed(1)} KiB`);
row(`Slow 4G first visit to 12 options shown, bare page (fastest of ${runs})`, `${fastest(times.bare).toFixed(0)} ms`);
row(`Slow 4G first visit to 12 options shown, Vesmarot (fastest of ${runs})`, `${fastest(times.page).toFixed(0)} ms`);
row("Vesmarot / bare", `${(fastest(times.page) / fastest(times.bare)).toFixed(2)} (at most 3)`);
const slowest = (key) => Math.max(...large.map((r) => r[key])).toFixed(1);
row(`Nmax 255, ${large[0].count} options: Enter to the frame that paints them (slowest of ${runs})`, `${slowest("ms")} ms`);
row("Nmax 255: Enter to the painting frame, each run in order", `${large.map((r) => r.ms.toFixed(1)).join(", ")} ms`);
row(`Nmax 255: Enter to all ${large[0].count} rows in the list (slowest of ${runs})`, `${slowest("all")} ms`);
