// The page: the main window's behaviour over the engine. Every option, area and text shown comes
// from the engine (engine.js); this file only places them and moves the focus.
import { Engine, numberSeparators } from "./engine.js";

const byId = (id) => document.getElementById(id);
const form = byId("searchForm");
const areaField = byId("txtDientich");
const nmaxField = byId("txtNmax");
const resetButton = byId("cmdReset");
const aboutButton = byId("cmdAbout");
const optionList = byId("lstPA");
const statusBox = byId("txtStatus");
const providedAreaBox = byId("txtF");
const announcer = byId("announcer");
const waitingText = statusBox.textContent;

// Numbers are read and written as the browser's language writes them, as the desktop program
// follows the system's region.
const numbers = numberSeparators(navigator.languages?.[0] ?? navigator.language);
const engine = Engine.load(new URL("engine.wasm", import.meta.url));
// A few large searches while the page is idle, their answers dropped: the browser compiles the
// module's functions and this file's only once they have run a while, and the user's first search
// should not pay for that. One a time, so that none holds up a tap.
const WARM_SEARCHES = 6;
engine.then((loaded) => {
  let left = WARM_SEARCHES;
  const later = (fn) => ("requestIdleCallback" in window
    ? requestIdleCallback(fn, { timeout: 2000 })
    : setTimeout(fn, 200));
  const warm = () => {
    loaded.search("255", "72", { decimal: ".", group: "," });
    if (--left > 0) later(warm);
  };
  later(warm);
}).catch(() => {});

let options = [];
let selectedRow = -1;

// Tells a screen reader `text` without moving it. The text ends in one no-break space or two, in
// turn: the same text twice in a row still changes the region, so it is told twice; and it never
// equals the status box's text, which Orca would take for a copy of that box's change and drop.
let announceToggle = false;
function announce(text) {
  announceToggle = !announceToggle;
  announcer.textContent = `${text}\u00a0${announceToggle ? "" : "\u00a0"}`;
}

// A field given back: focused with its whole text selected, so that typing replaces it.
function focusWhole(field) {
  field.focus();
  field.select();
}

function clearOptions() {
  options = [];
  pendingFrom = 0;
  selectedRow = -1;
  optionList.replaceChildren();
  // Scrolled back while the list is empty, so that the reset lays out no rows before the frame.
  optionList.scrollTop = 0;
  optionList.removeAttribute("aria-activedescendant");
}

const escapeHtml = (text) => text.replace(/[&<>"']/g, (c) => `&#${c.charCodeAt(0)};`);

// Rows are written as markup, a screenful at once and the rest just after that frame is painted:
// the largest search (736 options) shows as fast as a small one. The list shows at most eight
// rows; twice that leaves room to scroll before the rest are in.
const FIRST_ROWS = 16;
let pendingFrom = 0;

function rowsMarkup(from, to) {
  let markup = "";
  for (let row = from; row < to; ++row) {
    const option = options[row];
    // The rows after the first screenful are laid out only once scrolled to (style.css).
    const later = row >= FIRST_ROWS ? ' class="later"' : "";
    markup += `<li id="lstPA-${row}" role="option" aria-selected="false"${later}><span class="entry">` +
      `${escapeHtml(option.entry)}</span> <span class="detail">${escapeHtml(option.detail)}</span></li>`;
  }
  return markup;
}

// Writes the rows not yet in the list, up to `to`.
function writeRows(to) {
  if (pendingFrom >= to) return;
  optionList.insertAdjacentHTML("beforeend", rowsMarkup(pendingFrom, to));
  pendingFrom = to;
}

// Writes the rows still to come; anything that reads or walks the rows calls it first.
const finishRows = () => writeRows(options.length);

// Fills the list that clearOptions emptied.
function showOptions(found) {
  options = found;
  writeRows(Math.min(found.length, FIRST_ROWS));
  if (pendingFrom < found.length) {
    const shown = options;
    requestAnimationFrame(() => setTimeout(() => { if (options === shown) finishRows(); }));
  }
}

// Selects an option: the list shows it, the area box shows the area it provides.
function selectRow(row, { tell = false } = {}) {
  if (row < 0 || row >= options.length) return;
  finishRows();
  optionList.children[selectedRow]?.setAttribute("aria-selected", "false");
  selectedRow = row;
  const item = optionList.children[row];
  item.setAttribute("aria-selected", "true");
  optionList.setAttribute("aria-activedescendant", item.id);
  item.scrollIntoView({ block: "nearest" });
  providedAreaBox.value = options[row].area;
  // Walked to from a field, the option is told where the focus stays.
  if (tell) announce(`${options[row].entry}. ${options[row].detail}`);
}

function rowsPerPage() {
  finishRows();
  const first = optionList.children[0];
  const height = first ? first.getBoundingClientRect().height : 0;
  return height > 0 ? Math.max(1, Math.floor(optionList.clientHeight / height)) : 1;
}

// The step a key takes through the options, or 0 for a key that does not walk them.
function stepFor(key) {
  switch (key) {
    case "ArrowUp": return -1;
    case "ArrowDown": return 1;
    case "PageUp": return -rowsPerPage();
    case "PageDown": return rowsPerPage();
    default: return 0;
  }
}

function walk(step, tell) {
  if (options.length === 0) return;
  const to = selectedRow < 0 ? 0 : Math.min(Math.max(selectedRow + step, 0), options.length - 1);
  if (to !== selectedRow) selectRow(to, { tell });
}

function plainKey(event) {
  return !event.altKey && !event.ctrlKey && !event.metaKey && !event.shiftKey;
}

// A message dialog; closing it, by OK or Esc, gives the field to correct back, selected whole.
function showMessage(id, field) {
  const dialog = byId(id);
  dialog.addEventListener("close", () => {
    focusWhole(field);
    // The browser may give the focus back to where it was before the dialog only after this
    // event; the field is taken again once it has.
    setTimeout(() => focusWhole(field));
  }, { once: true });
  dialog.showModal();
}

async function search() {
  const outcome = (await engine).search(nmaxField.value, areaField.value, numbers);
  if (outcome.kind === "BadNmax") {
    showMessage("frmLoiNmax", nmaxField);
    return;
  }
  clearOptions();
  if (outcome.kind === "BadArea") {
    showMessage("frmLoi", areaField);
    return;
  }
  areaField.value = outcome.roundedArea;
  if (outcome.kind === "NoOption") {
    showMessage("frmKhongthayPA", nmaxField);
    return;
  }
  showOptions(outcome.options);
  statusBox.value = outcome.status;
  announce(outcome.status);
}

form.addEventListener("submit", (event) => {
  event.preventDefault();
  search();
});

for (const field of [areaField, nmaxField]) {
  field.addEventListener("keydown", (event) => {
    const step = plainKey(event) ? stepFor(event.key) : 0;
    if (step === 0) return;
    event.preventDefault();
    walk(step, true);
  });
}

optionList.addEventListener("keydown", (event) => {
  if (!plainKey(event)) return;
  let step = stepFor(event.key);
  if (event.key === "Home") step = -options.length;
  if (event.key === "End") step = options.length;
  if (event.key === "Enter") {
    event.preventDefault();
    search();
    return;
  }
  if (step === 0) return;
  event.preventDefault();
  walk(step, false);
});

optionList.addEventListener("click", (event) => {
  const item = event.target.closest("li[role=option]");
  if (item) selectRow([...optionList.children].indexOf(item));
});

resetButton.addEventListener("click", () => {
  clearOptions();
  focusWhole(areaField);
  statusBox.value = waitingText;
  providedAreaBox.value = "";
});

aboutButton.addEventListener("click", () => {
  const about = byId("frmAbout");
  about.addEventListener("close", () => aboutButton.focus(), { once: true });
  about.showModal();
});

// OK closes its dialog, as Esc does.
for (const dialog of document.querySelectorAll("dialog")) {
  dialog.querySelector(".dialog-buttons button").addEventListener("click", () => dialog.close());
}

areaField.focus();
byId("cdmOK").disabled = false;

// Kept for use offline once opened; nothing else is stored.
if ("serviceWorker" in navigator && window.isSecureContext) {
  navigator.serviceWorker.register("sw.js").catch(() => {});
}
