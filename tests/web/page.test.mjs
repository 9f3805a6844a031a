// The page driven in Chromium as a user drives it: by the design's ids, by keyboard and touch,
// in Vietnamese and English, on a phone, offline, and read through axe-core.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { test } from "node:test";
import { useBrowser } from "./browser.mjs";

const browser = useBrowser();
const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");

async function search(page, area, nmax) {
  if (nmax !== undefined) await page.fill("#txtNmax", nmax);
  await page.fill("#txtDientich", area);
  await page.press("#txtDientich", "Enter");
}

const rows = (page) => page.locator("#lstPA [role=option] .entry").allTextContents();
const text = (page, id) => page.locator(`#${id}`).textContent();

// The field that has the focus, and whether its whole text is selected.
const focusState = (page) => page.evaluate(() => {
  const field = document.activeElement;
  return {
    id: field.id,
    whole: field.selectionStart === 0 && field.selectionEnd === field.value.length,
  };
});

async function violations(page, label) {
  if (!(await page.evaluate(() => "axe" in window))) await page.addScriptTag({ content: axeSource });
  const result = await page.evaluate(() => window.axe.run(document, {
    runOnly: { type: "tag", values: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"] },
  }));
  return result.violations.map((v) => `${label}: ${v.id} (${v.nodes.map((n) => n.target).join(" ")})`);
}

test("every control carries its design name as its id", async () => {
  const { context, page } = await browser.open();
  for (const id of ["txtDientich", "txtNmax", "cdmOK", "cmdReset", "cmdAbout", "lstPA", "txtStatus",
    "txtF", "frmLoi", "frmLoiNmax", "frmKhongthayPA", "frmAbout"]) {
    assert.equal(await page.locator(`#${id}`).count(), 1, id);
  }
  assert.equal(await page.locator("#cmdExit").count(), 0, "Cancel has no meaning in a browser");
  assert.equal(await page.inputValue("#txtNmax"), "3");
  assert.equal(await text(page, "txtStatus"), "Chờ nhập số liệu...");
  assert.equal(await page.getAttribute("html", "lang"), "vi");
  await context.close();
});

for (const [locale, area, rewritten, provided, detail] of [
  ["vi-VN", "5,0", "5", "6,032", "6,032 cm² (+20,6 %)"],
  // 1.2345 is just below the tie in binary: three decimals give 1.234.
  ["en-US", "1,234.5e-3", "1.234", "1.508", "1.508 cm² (+22.2 %)"],
]) {
  test(`a search lists the options in the engine's order, in ${locale}`, async () => {
    const { context, page, problems } = await browser.open({ locale });
    await search(page, area);
    await page.waitForSelector("#lstPA [role=option]");
    assert.equal(await page.inputValue("#txtDientich"), rewritten);
    const entries = await rows(page);
    assert.equal(await text(page, "txtStatus"), `Có ${entries.length} phương án.`);
    await page.press("#txtDientich", "ArrowDown");
    assert.equal(await text(page, "txtF"), provided);
    assert.equal(await page.locator("#lstPA [aria-selected=true] .detail").textContent(), detail);
    assert.deepEqual(problems, []);
    await context.close();
  });
}

test("keys in either field walk the options and the area follows", async () => {
  const { context, page } = await browser.open();
  await search(page, "5");
  await page.waitForSelector("#lstPA [role=option]");
  assert.deepEqual((await rows(page)).slice(0, 3), ["3φ16", "2φ16+1φ18", "1φ16+2φ18"]);
  const selected = () => page.locator("#lstPA [aria-selected=true] .entry").allTextContents();
  const steps = [
    ["#txtDientich", "ArrowDown", ["3φ16"], "6,032"],
    ["#txtDientich", "ArrowDown", ["2φ16+1φ18"], "6,566"],
    ["#txtNmax", "ArrowUp", ["3φ16"], "6,032"],
    ["#txtNmax", "ArrowUp", ["3φ16"], "6,032"],
    ["#txtDientich", "PageDown", null, null],
    ["#txtDientich", "End", null, null],
  ];
  for (const [field, key, entry, area] of steps) {
    await page.focus(field);
    const before = await selected();
    await page.press(field, key);
    if (entry) {
      assert.deepEqual(await selected(), entry, key);
      assert.equal(await text(page, "txtF"), area, key);
    } else if (key === "PageDown") {
      assert.notDeepEqual(await selected(), before, "Page Down moves by a page");
    } else {
      assert.deepEqual(await selected(), before, "End belongs to the field");
    }
  }
  // Touch: a tap selects an option.
  await page.locator("#lstPA [role=option]").nth(4).click();
  assert.deepEqual(await selected(), ["1φ18+1φ20"]);
  assert.equal(await text(page, "txtF"), "5,686");
  await context.close();
});

for (const [label, area, nmax, dialog, back, close] of [
  ["a bad area, closed by OK", "abc", "3", "frmLoi", "txtDientich", "ok"],
  ["a bad area, closed by Esc", "100", "3", "frmLoi", "txtDientich", "Escape"],
  ["a bad Nmax", "5", "0", "frmLoiNmax", "txtNmax", "Enter"],
  ["no option", "7", "1", "frmKhongthayPA", "txtNmax", "Escape"],
]) {
  test(`a message for ${label} gives the field back, selected whole`, async () => {
    const { context, page } = await browser.open();
    await search(page, area, nmax);
    await page.waitForSelector(`#${dialog}[open]`);
    assert.equal(await page.getAttribute(`#${dialog}`, "role"), "alertdialog");
    assert.equal(await page.evaluate(() => document.activeElement.id), `${dialog}-cmdOK`);
    // A screen reader hears the title and the text once, as the dialog's name and description,
    // and finds nothing in it but OK, which keeps its reading where Enter closes the message.
    const { nodes } = await (await context.newCDPSession(page)).send("Accessibility.getFullAXTree");
    const shown = nodes.filter((node) => !node.ignored && node.role?.value === "alertdialog");
    assert.equal(shown.length, 1);
    assert.equal(shown[0].name.value, await text(page, `${dialog}-title`));
    assert.equal(shown[0].description?.value, await text(page, `${dialog}-text`));
    assert.equal(await page.locator(`#${dialog}`).ariaSnapshot(),
      `- alertdialog "${shown[0].name.value}":\n  - button "OK"`);
    // The page behind is inert while the message is open: Tab never reaches it.
    for (let i = 0; i < 3; ++i) {
      await page.keyboard.press("Tab");
      assert.equal(await page.evaluate(() => document.activeElement.closest("#frmMain")), null);
    }
    await page.focus(`#${dialog}-cmdOK`);
    // The browser gives the focus back as the dialog closes, and the page selects the field's
    // text in the close event that follows: the state is read once that event is done.
    await page.evaluate((id) => document.getElementById(id).addEventListener("close", () => {
      window.closedDialog = id;
    }, { once: true }), dialog);
    if (close === "ok") await page.click(`#${dialog}-cmdOK`);
    else await page.keyboard.press(close);
    await page.waitForFunction((id) => window.closedDialog === id, dialog);
    await page.waitForFunction((id) => document.activeElement.id === id, back);
    assert.deepEqual(await focusState(page), { id: back, whole: true });
    await context.close();
  });
}

test("the largest search: a screenful first, every option soon after, all reachable at once", async () => {
  const { context, page } = await browser.open();
  await search(page, "72", "255");
  await page.waitForSelector("#lstPA [role=option]");
  // Walking right away reaches past the first screenful.
  for (let i = 0; i < 120; ++i) await page.keyboard.press("PageDown");
  assert.equal(await page.locator("#lstPA [role=option]").count(), 736);
  assert.equal(await page.locator("#lstPA [aria-selected=true]").getAttribute("id"), "lstPA-735");
  assert.equal(await text(page, "txtStatus"), "Có 736 phương án.");
  // The last option, walked to, is drawn inside the list; a new search starts at the top again.
  const box = (id) => page.locator(`#${id}`).boundingBox();
  const [list, last] = [await box("lstPA"), await box("lstPA-735")];
  assert.ok(last.height > 0 && last.y >= list.y && last.y + last.height <= list.y + list.height + 1);
  await search(page, "70", "255");
  await page.waitForSelector("#lstPA-0");
  assert.equal(await page.$eval("#lstPA", (element) => element.scrollTop), 0);
  // A new search while rows are still to come never mixes the two lists.
  await search(page, "72", "255");
  await search(page, "5", "3");
  // Past the frames in which the first list's remaining rows were due.
  await page.evaluate(() => new Promise((resolve) =>
    requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(resolve)))));
  assert.equal(await page.locator("#lstPA [role=option]").count(), 12);
  await context.close();
});

test("Reset clears the options and gives the area field back; About returns to its button", async () => {
  const { context, page } = await browser.open();
  await search(page, "5");
  await page.waitForSelector("#lstPA [role=option]");
  await page.press("#txtDientich", "ArrowDown");
  await page.click("#cmdReset");
  assert.equal(await page.locator("#lstPA [role=option]").count(), 0);
  assert.equal(await text(page, "txtStatus"), "Chờ nhập số liệu...");
  assert.equal(await text(page, "txtF"), "");
  assert.deepEqual(await focusState(page), { id: "txtDientich", whole: true });
  assert.equal(await page.inputValue("#txtDientich"), "5");

  await page.click("#cmdAbout");
  await page.waitForSelector("#frmAbout[open]");
  assert.match(await page.locator("#frmAbout").innerText(), /Phiên bản: 1\.0\.1/);
  await page.keyboard.press("Escape");
  await page.waitForFunction(() => document.activeElement.id === "cmdAbout");
  await context.close();
});

test("the count is told once, through the live region", async () => {
  const { context, page } = await browser.open();
  await search(page, "5");
  await page.waitForSelector("#lstPA [role=option]");
  assert.equal((await text(page, "announcer")).trim(), "Có 12 phương án.");
  // The same count again is a change the region tells again.
  const first = await text(page, "announcer");
  await page.press("#txtDientich", "Enter");
  await page.waitForFunction((before) => document.getElementById("announcer").textContent !== before, first);
  assert.equal((await text(page, "announcer")).trim(), "Có 12 phương án.");
  // The boxes that show the count and the area do not tell their changes as well: as the browser
  // hands the page to a screen reader, the announcer is its only live region.
  await page.press("#txtDientich", "ArrowDown");
  const cdp = await context.newCDPSession(page);
  const { nodes } = await cdp.send("Accessibility.getFullAXTree");
  const live = nodes.filter((node) => !node.ignored && (node.properties ?? []).some(
    (property) => property.name === "live" && property.value.value !== "off"));
  const regions = [];
  for (const { backendDOMNodeId, properties } of live) {
    const { node } = await cdp.send("DOM.describeNode", { backendNodeId: backendDOMNodeId });
    const attributes = node.attributes ?? [];
    const politeness = properties.find((property) => property.name === "live").value.value;
    regions.push(`${attributes[attributes.indexOf("id") + 1]} ${politeness}`);
  }
  assert.deepEqual(regions, ["announcer polite"]);
  await context.close();
});

test("a phone: nothing wider than the screen, touch targets of 44 px", async () => {
  for (const width of [320, 360]) {
    const { context, page } = await browser.open({ viewport: { width, height: 640 } });
    await search(page, "72", "255");
    await page.waitForSelector("#lstPA [role=option]");
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), width);
    const small = await page.evaluate(() => [...document.querySelectorAll("button, input, #lstPA [role=option]")]
      .filter((e) => e.offsetParent !== null)
      .map((e) => [e.id || e.textContent, e.getBoundingClientRect()])
      .filter(([, r]) => r.height < 44 || r.width < 44)
      .map(([name]) => name));
    assert.deepEqual(small, [], `at ${width} px`);
    // The list scrolls on its own; the page stays put.
    assert.ok(await page.evaluate(() => {
      const list = document.getElementById("lstPA");
      return list.scrollHeight > list.clientHeight;
    }));
    await context.close();
  }
});

test("offline after one visit", async () => {
  const { context, page } = await browser.open();
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  browser.server.closeAllConnections?.();
  await page.reload();
  await page.waitForFunction(() => document.activeElement?.id === "txtDientich");
  await search(page, "5");
  await page.waitForSelector("#lstPA [role=option]");
  assert.equal((await rows(page)).length, 12);
  // Nothing was kept but the page's own files.
  const kept = await page.evaluate(async () => {
    const names = await caches.keys();
    const urls = [];
    for (const name of names) for (const request of await (await caches.open(name)).keys()) urls.push(request.url);
    return { cookies: document.cookie, storage: localStorage.length + sessionStorage.length, urls };
  });
  assert.equal(kept.cookies, "");
  assert.equal(kept.storage, 0);
  assert.ok(kept.urls.every((url) => url.startsWith(browser.url)), kept.urls.join(" "));
  await context.close();
});

test("axe-core finds nothing, light and dark, in every state", async () => {
  const found = [];
  for (const colorScheme of ["light", "dark"]) {
    // axe-core goes in as an inline script, which the page's own policy forbids.
    const { context, page } = await browser.open({ colorScheme, bypassCSP: true });
    found.push(...await violations(page, `${colorScheme} empty`));
    await search(page, "5");
    await page.waitForSelector("#lstPA [role=option]");
    await page.press("#txtDientich", "ArrowDown");
    found.push(...await violations(page, `${colorScheme} after a search`));
    for (const [area, nmax, dialog] of [["abc", "3", "frmLoi"], ["5", "0", "frmLoiNmax"], ["7", "1", "frmKhongthayPA"]]) {
      await search(page, area, nmax);
      await page.waitForSelector(`#${dialog}[open]`);
      found.push(...await violations(page, `${colorScheme} ${dialog}`));
      await page.keyboard.press("Escape");
      await page.waitForFunction((id) => !document.getElementById(id).open, dialog);
    }
    await page.click("#cmdAbout");
    await page.waitForSelector("#frmAbout[open]");
    found.push(...await violations(page, `${colorScheme} frmAbout`));
    await context.close();
  }
  assert.deepEqual(found, []);
});
