// The engine as the page runs it, WebAssembly under Node.js: the engine's own cases, and every
// answer set beside the native engine's for the same questions, byte for byte.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { pathToFileURL } from "node:url";
import { engineModule, nativeAnswers, site } from "./paths.mjs";

const { Engine, numberSeparators } = await import(pathToFileURL(engineModule));
const engine = await Engine.load(readFileSync(join(site, "engine.wasm")));
const point = { decimal: ".", group: "," };
const comma = { decimal: ",", group: "." };

// The native engine's answers to `questions`, in order.
function askNative(questions) {
  const input = questions.map((q) => (q === "texts" ? "texts" : ["search", ...q].join("\t"))).join("\n");
  const run = spawnSync(nativeAnswers, { input: `${input}\n`, maxBuffer: 1 << 28 });
  assert.equal(run.status, 0, `${nativeAnswers}: ${run.stderr}`);
  const answers = run.stdout.toString("utf8").split("\0");
  assert.equal(answers.pop(), "");
  return answers;
}

test("the engine's own examples", () => {
  const cases = [
    ["3", "5", point, "OptionsFound", "5", 12, ["3φ16", "2φ16+1φ18", "1φ16+2φ18"]],
    ["2", "2", point, "OptionsFound", "2", 5, ["2φ12", "1φ12+1φ14", "2φ14", "1φ14+1φ16", "1φ16"]],
    ["1", "7", point, "NoOption", "7", 0, []],
    ["2.5", "5", point, "OptionsFound", "5", 9, ["2φ18"]],
    ["3", "3,1415926", comma, "OptionsFound", "3,142", 10, ["3φ12"]],
    ["0", "5", point, "BadNmax", "", 0, []],
    ["256", "5", point, "BadNmax", "", 0, []],
    ["3", "100", point, "BadArea", "", 0, []],
    ["3", "abc", point, "BadArea", "", 0, []],
  ];
  for (const [nmax, area, numbers, kind, rounded, count, first] of cases) {
    const outcome = engine.search(nmax, area, numbers);
    const label = `Nmax ${nmax}, area ${area}`;
    assert.equal(outcome.kind, kind, label);
    assert.equal(outcome.roundedArea, rounded, label);
    assert.equal(outcome.options.length, count, label);
    assert.deepEqual(outcome.options.slice(0, first.length).map((o) => o.entry), first, label);
    assert.equal(outcome.status, kind === "OptionsFound" ? `Có ${count} phương án.` : "", label);
  }
  const first = engine.search("3", "5", comma).options[0];
  assert.deepEqual(first, { entry: "3φ16", area: "6,032", detail: "6,032 cm² (+20,6 %)" });
});

test("the browser's language gives the separators", () => {
  assert.deepEqual(numberSeparators("vi"), { decimal: ",", group: "." });
  assert.deepEqual(numberSeparators("en"), { decimal: ".", group: "," });
  assert.deepEqual(numberSeparators("not a language!"), { decimal: ".", group: "," });
});

// A small deterministic generator, so that a failure can be run again as it was.
function* questions(count) {
  let seed = 0x9e3779b9;
  const next = () => {
    seed ^= seed << 13; seed >>>= 0;
    seed ^= seed >>> 17;
    seed ^= seed << 5; seed >>>= 0;
    return seed / 2 ** 32;
  };
  const pick = (items) => items[Math.floor(next() * items.length)];
  const separators = [[".", ","], [",", "."], [",", "\u00a0"], [".", "\u202f"]];
  const junk = ["", " ", "abc", "1e", "--1", "0x10", "1e999", "1e-400", "½", "٣", "5 5", "+", "∞"];
  for (let i = 0; i < count; ++i) {
    const [decimal, group] = pick(separators);
    const number = (limit, places) => {
      const value = (next() * limit).toFixed(places);
      return value.replace(".", decimal);
    };
    const nmax = pick([
      () => String(Math.floor(next() * 260)),
      () => number(260, 1),
      () => ` ${Math.floor(next() * 30)} `,
      () => pick(junk),
    ])();
    const area = pick([
      () => number(110, Math.floor(next() * 5)),
      () => number(12, 3),
      () => `${Math.floor(next() * 2000)}e-${Math.floor(next() * 3)}`,
      () => `1${group}${String(Math.floor(next() * 1000)).padStart(3, "0")}`,
      () => pick(junk),
    ])();
    yield [nmax, area, decimal, group];
  }
}

test("WebAssembly and native answer the same, byte for byte", () => {
  const asked = [...questions(20000)];
  const native = askNative([...asked, "texts"]);
  assert.equal(native.length, asked.length + 1);
  let same = 0;
  const kinds = new Map();
  asked.forEach(([nmax, area, decimal, group], i) => {
    const answer = engine.searchText(nmax, area, { decimal, group });
    assert.equal(answer, native[i], `Nmax ${JSON.stringify(nmax)}, area ${JSON.stringify(area)}`);
    const kind = answer.slice(0, answer.indexOf("\n"));
    kinds.set(kind, (kinds.get(kind) ?? 0) + 1);
    ++same;
  });
  assert.equal(engine.textsText(), native.at(-1));
  // Every way a search can end was asked.
  for (const kind of ["BadNmax", "BadArea", "NoOption", "OptionsFound"]) assert.ok(kinds.get(kind) > 0, kind);
  console.log(`agreement: ${same + 1} of ${asked.length + 1} answers the same (${[...kinds].map(([k, n]) => `${k} ${n}`).join(", ")}, texts 1)`);
});
