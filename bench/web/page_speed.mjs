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

// Records, inside the page, when OK first takes a search (the page is interactive), and when the
// list first holds `count` options and a frame has passed.
const watch = (count) => {
  window.__shownAt = null;
  window.__interactiveAt = null;
  new MutationObserver((_, observer) => {
    const ok = document.getElementById("cdmOK");
    if (window.__interactiveAt === null && ok && !ok.disabled) window.__interactiveAt = performance.now();
    const list = document.getElementById("lstPA");
    if (list && list.querySelectorAll("[role=option]").length >= count) {
      observer.disconnect();
      requestAnimationFrame(() => { window.__shownAt = performance.now(); });
    }
  }).observe(document, { childList: true, subtree: true, attributes: true, attributeFilter: ["disabled"] });
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
  const visit = await page.evaluate(() => ({ shown: window.__shownAt, interactive: window.__interactiveAt }));
  await context.close();
  return visit;
}

const times = { page: [], bare: [], pageInteractive: [], bareInteractive: [] };
for (let i = 0; i < runs; ++i) {
  for (const [key, path] of [["bare", "bare.html"], ["page", ""]]) {
    const visit = await firstVisit(path);
    times[key].push(visit.shown);
    times[`${key}Interactive`].push(visit.interactive);
  }
}
const fastest = (list) => Math.min(...list);

// The largest searches, each on a fresh page and then twice more on it, every one with another
// area so that no text is laid out twice: from the Enter key to the end of the frame that paints
// the options, and the main thread's work in that time (the key's handling and that frame).
const LARGE_SEARCHES_A_PAGE = 3;
const largeArea = (run, search) => (72 - 0.41 * search - 0.013 * run).toFixed(2).replace(".", ",");
const large = [];
for (let run = 0; run < runs; ++run) {
  const context = await browser.newContext({ viewport: { width: 360, height: 800 }, locale: "vi-VN" });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => document.activeElement?.id === "txtDientich");
  // Time for the searches the page runs while idle, less than anyone takes to type the two fields.
  await page.waitForTimeout(2000);
  for (let search = 0; search < LARGE_SEARCHES_A_PAGE; ++search) {
    await page.fill("#txtNmax", "255");
    await page.fill("#txtDientich", largeArea(run, search));
    await page.evaluate(() => {
      window.__large = null;
      const list = document.getElementById("lstPA");
      // Registered before the page handles the key, so this frame callback runs first in the
      // frame after it, and the message it posts runs as soon as that frame's rendering is done.
      addEventListener("keydown", (event) => {
        const start = event.timeStamp;
        // The page tells the count last of all it does for a search.
        let handled = null;
        new MutationObserver((_, observer) => {
          observer.disconnect();
          handled = performance.now() - start;
        }).observe(document.getElementById("announcer"), { childList: true, characterData: true, subtree: true });
        requestAnimationFrame(() => {
          const frameStart = performance.now();
          const rowsInFrame = list.children.length;
          const channel = new MessageChannel();
          channel.port1.onmessage = () => {
            const done = performance.now() - start;
            window.__large = { done, frame: performance.now() - frameStart, rowsInFrame, handled };
          };
          channel.port2.postMessage(null);
        });
      }, { once: true, capture: true });
    });
    await page.press("#txtDientich", "Enter");
    await page.waitForFunction(() => window.__large !== null);
    const result = await page.evaluate(() => window.__large);
    await page.waitForFunction(() => document.getElementById("lstPA").children.length > 700);
    large.push({ ...result, count: await page.locator("#lstPA > li").count(), first: search === 0 });
  }
  await context.close();
}
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
row(`Slow 4G first visit to OK taking a search, bare page / Vesmarot (fastest of ${runs})`,
  `${fastest(times.bareInteractive).toFixed(0)} / ${fastest(times.pageInteractive).toFixed(0)} ms`);
row("Vesmarot / bare", `${(fastest(times.page) / fastest(times.bare)).toFixed(2)} (at most 3)`);
const firsts = large.filter((r) => r.first);
const laters = large.filter((r) => !r.first);
const list = (rs, key) => rs.map((r) => (r[key] === null ? "?" : r[key].toFixed(1))).join(", ");
const most = (rs, key) => Math.max(...rs.map((r) => r[key] ?? Infinity)).toFixed(1);
const counts = [...new Set(large.map((r) => r.count))].sort((a, b) => a - b);
row(`Nmax 255 (${counts[0]} to ${counts.at(-1)} options), options in the first frame after Enter`,
  `${large.filter((r) => r.rowsInFrame > 0).length} of ${large.length} searches`);
row("Nmax 255: Enter to that frame done, first search on a fresh page, each run", `${list(firsts, "done")} ms`);
row("Nmax 255: Enter to that frame done, later searches, slowest", `${most(laters, "done")} ms`);
row("Nmax 255: the key's handling, first search on a fresh page, each run", `${list(firsts, "handled")} ms`);
row("Nmax 255: that frame's rendering, first search on a fresh page, each run", `${list(firsts, "frame")} ms`);
const work = large.map((r) => (r.handled ?? Infinity) + r.frame);
row("Nmax 255: the key's handling and that frame together, slowest of all searches", `${Math.max(...work).toFixed(1)} ms (one frame: 16.7 ms)`);
