// Debian's Chromium, headless, driven through playwright-core (never a browser of its own), and
// the built page served on 127.0.0.1.
import { after, before } from "node:test";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";
import { chromiumPath, serverModule, site } from "./paths.mjs";

// Flags that keep Chromium from reaching for the network by itself.
export const chromiumArgs = [
  "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync",
  "--disable-default-apps", "--disable-features=Translate,MediaRouter,OptimizationHints",
];

export const launchChromium = () => chromium.launch({ executablePath: chromiumPath, args: chromiumArgs });

// Starts the server and Chromium before the file's tests and stops both after them; `shared`
// has the page's address and a function making a fresh context (a new profile) per test.
export function useBrowser() {
  const shared = {};
  before(async () => {
    const { startServer } = await import(pathToFileURL(serverModule));
    const { server, url } = await startServer(site);
    shared.server = server;
    shared.url = url;
    shared.browser = await launchChromium();
    shared.open = async (options = {}) => {
      const context = await shared.browser.newContext({
        viewport: { width: 360, height: 800 }, locale: "vi-VN", ...options,
      });
      const page = await context.newPage();
      const problems = [];
      page.on("pageerror", (error) => problems.push(error.message));
      page.on("console", (message) => {
        if (message.type() === "error") problems.push(message.text());
      });
      await page.goto(shared.url);
      await page.waitForSelector("#cdmOK:enabled");
      return { context, page, problems };
    };
  });
  after(async () => {
    await shared.browser?.close();
    shared.server?.close();
  });
  return shared;
}
