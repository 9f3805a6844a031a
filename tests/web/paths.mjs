// Where the tests find what they test: the built page (scripts/web-build) and the native engine's
// answers (the README's test command builds it), each overridable from the environment.
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const clone = resolve(dirname(fileURLToPath(import.meta.url)), "../..");
export const site = process.env.VESMAROT_WEB_SITE ?? join(clone, "build-web/site");
export const nativeAnswers =
  process.env.VESMAROT_ENGINE_ANSWERS ?? join(clone, "build/tests/web/engine_answers");
export const chromiumPath = process.env.VESMAROT_CHROMIUM ?? "/usr/bin/chromium";
export const serverModule = join(clone, "tools/serve_site.mjs");
export const makeSite = join(clone, "web/make-site.mjs");
export const engineModule = join(site, "engine.js");
