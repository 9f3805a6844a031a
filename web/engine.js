// The engine, compiled to WebAssembly, as the page asks it things. The page never works out an
// option or an area itself: every answer comes from the same C++ as the desktop program's.

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// The module asks for a few functions of its C library that only its failure paths use; none
// can happen in the engine, so each only says so. Memory growth needs no notice.
function importsFor(module) {
  const imports = {};
  for (const { module: from, name, kind } of WebAssembly.Module.imports(module)) {
    if (kind !== "function") continue;
    imports[from] ??= {};
    imports[from][name] = name === "emscripten_notify_memory_growth"
      ? () => {}
      : () => { throw new Error(`engine: unexpected call to ${from}.${name}`); };
  }
  return imports;
}

async function compile(source) {
  if (source instanceof ArrayBuffer || ArrayBuffer.isView(source)) {
    return WebAssembly.compile(source);
  }
  const response = await fetch(source);
  if (!response.ok) throw new Error(`engine: ${response.status} for ${source}`);
  return WebAssembly.compileStreaming
    ? WebAssembly.compileStreaming(response)
    : WebAssembly.compile(await response.arrayBuffer());
}

export class Engine {
  #exports;

  constructor(instance) {
    this.#exports = instance.exports;
    this.#exports._initialize?.();
  }

  // Loads the module from a URL (the page) or from its bytes (a test under Node).
  static async load(source) {
    const module = await compile(source);
    return new Engine(await WebAssembly.instantiate(module, importsFor(module)));
  }

  // What the binding last answered, as text.
  #answer(size) {
    const at = this.#exports.vesmarot_answer();
    return decoder.decode(new Uint8Array(this.#exports.memory.buffer, at, size));
  }

  // Calls `fn` with each text as a NUL-terminated UTF-8 string in the module's memory.
  #withTexts(texts, fn) {
    const pointers = texts.map((text) => {
      const bytes = encoder.encode(String(text));
      const at = this.#exports.vesmarot_alloc(bytes.length + 1);
      const view = new Uint8Array(this.#exports.memory.buffer, at, bytes.length + 1);
      view.set(bytes);
      view[bytes.length] = 0;
      return at;
    });
    try {
      return fn(...pointers);
    } finally {
      for (const at of pointers) this.#exports.vesmarot_free(at);
    }
  }

  // The answer to a search exactly as the binding writes it (the agreement test compares it).
  searchText(nmax, area, numbers) {
    const size = this.#withTexts([nmax, area, numbers.decimal, numbers.group],
      (...args) => this.#exports.vesmarot_search(...args));
    return this.#answer(size);
  }

  // A search from the two fields' texts: how it ended, the area rewritten to three decimals,
  // the status text and the options in the engine's order.
  search(nmax, area, numbers) {
    const lines = this.searchText(nmax, area, numbers).split("\n");
    const [kind, roundedArea, status] = lines;
    const options = lines.slice(3).filter((line) => line !== "").map((line) => {
      const [entry, providedArea, detail] = line.split("\t");
      return { entry, area: providedArea, detail };
    });
    return { kind, roundedArea, status, options };
  }

  // Every fixed text, by name, as the binding writes them.
  textsText() {
    return this.#answer(this.#exports.vesmarot_texts());
  }

  texts() {
    const texts = new Map();
    for (const line of this.textsText().split("\n")) {
      if (line === "") continue;
      const tab = line.indexOf("\t");
      texts.set(line.slice(0, tab), line.slice(tab + 1));
    }
    return texts;
  }
}

// The decimal and group separators of a language, as its numbers are written ("vi": "," and
// "."), for the engine's number settings.
export function numberSeparators(language) {
  let parts;
  try {
    parts = new Intl.NumberFormat(language).formatToParts(12345.6);
  } catch {
    parts = new Intl.NumberFormat("en").formatToParts(12345.6);
  }
  const decimal = parts.find((part) => part.type === "decimal")?.value ?? ".";
  const group = parts.find((part) => part.type === "group")?.value ?? "";
  return { decimal, group };
}
